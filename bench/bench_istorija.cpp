// One editing step and its undo and redo on a large frame: the document copies the model once per
// step and compares it once, so a step stays a few milliseconds even at thousands of nodes.
#include <benchmark/benchmark.h>

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

void KopijaModela5000(benchmark::State& st) {
    const TModel m = GenerisiRamSaCvorova(5000);
    for (auto _ : st) benchmark::DoNotOptimize(KopirajModel(m));
}

}  // namespace

BENCHMARK(KorakIPonistavanje5000)->Unit(benchmark::kMillisecond);
BENCHMARK(KopijaModela5000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
