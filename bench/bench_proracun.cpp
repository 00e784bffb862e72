// The whole analysis of regular rigid frames, with the share of the inversion and the peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

#include "GeneratorModela.h"
#include "Proracun.h"

namespace {

// Times the inversion inside the run by wrapping nothing: the observer sees the log lines, and
// the solution step starts at "Resavanje sistema - " and ends at "Ispisivanje rezultata".
class TMerenje : public TPosmatracProracuna {
public:
    using Sat = std::chrono::steady_clock;
    std::string DatumVreme() override { return {}; }
    void Log(const std::string& l) override {
        const auto sada = Sat::now();
        if (l.rfind("Resavanje sistema", 0) == 0) pocetakResavanja = sada;
        if (l.rfind("Ispisivanje", 0) == 0) resavanje += std::chrono::duration<double>(sada - pocetakResavanja).count();
    }
    Sat::time_point pocetakResavanja;
    double resavanje = 0;
};

long VrhMemorijeKB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

void Proracun(benchmark::State& st) {
    TModel model = GenerisiRamSaCvorova(static_cast<int>(st.range(0)));
    TStanjeAnalize stanje;
    TMerenje merenje;
    double ukupno = 0;
    int n = 0;
    for (auto _ : st) {
        const auto t0 = TMerenje::Sat::now();
        const TRezultatProracuna r = PokreniAnalizu(model, stanje, merenje);
        ukupno += std::chrono::duration<double>(TMerenje::Sat::now() - t0).count();
        if (r.ishod != TIshodProracuna::Uspeh) st.SkipWithError(r.poruka.c_str());
        n = static_cast<int>(stanje.nizKodnihBrojeva->size());
    }
    st.counters["nodes"] = static_cast<double>(model.nizCvorova.size());
    st.counters["dofs"] = n;
    st.counters["solve_share"] = merenje.resavanje / ukupno;
    st.counters["peak_MB"] = VrhMemorijeKB() / 1024.0;
}

}  // namespace

BENCHMARK(Proracun)
    ->Arg(100)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK_MAIN();
