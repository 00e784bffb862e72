// One editing step and its undo and redo on a large frame: the document copies the model once per
// step and compares it with the last state, which shares what did not change, so a step stays a
// few milliseconds even at thousands of nodes and the history keeps many steps.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

#include "Dokument.h"
#include "GeneratorModela.h"
#include "KopijaModela.h"
#include "UredjivanjeCvorova.h"

namespace {

void KorakIPonistavanje5000(benchmark::State& st) {
    TDokument d;
    d.Model() = GenerisiRamSaCvorova(5000);
    d.NovaIstorija();
    int i = 0;
    for (auto _ : st) {
        const std::string z = std::to_string(1000 + (i++ % 1000));
        d.Izvrsi("Promeni opterecenje cvora", [&](TModel& m) {
            return PostaviOpterecenjeCvora(m, 10, {z, "0", "0", "0", "0", "0"});
        });
        d.Ponisti();
        d.Ponovi();
    }
    st.counters["cvorova"] = static_cast<double>(d.Model().nizCvorova.size());
    st.counters["koraka"] = static_cast<double>(d.BrojKoraka());
}

// The resident memory of the process in bytes.
double Rezidentno() {
    long strane = 0, rezidentnih = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &strane, &rezidentnih) != 2) rezidentnih = 0;
        std::fclose(f);
    }
    return static_cast<double>(rezidentnih) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// What the history keeps of a 20,000-node frame: the steps it holds after 100 small edits, and the
// memory each kept step costs.
void MemorijaPoKoraku20000(benchmark::State& st) {
    for (auto _ : st) {
        TDokument d;
        d.Model() = GenerisiRamSaCvorova(20000);
        d.NovaIstorija();
        const double pre = Rezidentno();
        for (int i = 0; i < 100; ++i) {
            const std::string z = std::to_string(1000 + i);
            d.Izvrsi("Promeni opterecenje cvora", [&](TModel& m) {
                return PostaviOpterecenjeCvora(m, i, {z, "0", "0", "0", "0", "0"});
            });
        }
        const double koraka = static_cast<double>(d.BrojKoraka());
        st.counters["koraka"] = koraka;
        st.counters["MB_po_koraku"] = (Rezidentno() - pre) / koraka / 1e6;
        st.counters["entiteta"] = static_cast<double>(BrojEntiteta(d.Model()));
    }
}

void KopijaModela5000(benchmark::State& st) {
    const TModel m = GenerisiRamSaCvorova(5000);
    for (auto _ : st) benchmark::DoNotOptimize(KopirajModel(m));
}

}  // namespace

BENCHMARK(KorakIPonistavanje5000)->Unit(benchmark::kMillisecond);
BENCHMARK(KopijaModela5000)->Unit(benchmark::kMillisecond);
BENCHMARK(MemorijaPoKoraku20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
