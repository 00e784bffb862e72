#include <benchmark/benchmark.h>

#include <filesystem>

#include "GeneratorModela.h"
#include "ModelFajl.h"

namespace {

const std::string& Putanja() {
    static const std::string p = (std::filesystem::temp_directory_path() / "velt_bench_5000.velt").string();
    return p;
}

void Snimanje5000(benchmark::State& st) {
    const TModel m = GenerisiRamSaCvorova(5000);
    TPodesavanja p;
    for (auto _ : st) SnimiModel(Putanja(), m, p);
    st.counters["cvorova"] = static_cast<double>(m.nizCvorova.size());
    st.counters["MB"] = static_cast<double>(std::filesystem::file_size(Putanja())) / 1e6;
}

void Citanje5000(benchmark::State& st) {
    {
        const TModel m = GenerisiRamSaCvorova(5000);
        TPodesavanja p;
        SnimiModel(Putanja(), m, p);
    }
    for (auto _ : st) {
        TModel m;
        TPodesavanja p;
        ProcitajModel(Putanja(), m, p);
        benchmark::DoNotOptimize(m.nizCvorova.size());
    }
}

}  // namespace

BENCHMARK(Snimanje5000)->Unit(benchmark::kMillisecond);
BENCHMARK(Citanje5000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
