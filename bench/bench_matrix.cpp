#include <benchmark/benchmark.h>

#include <random>

#include "Matrix.h"

namespace {

// A symmetric, diagonally dominant matrix, like a stiffness matrix.
TMatrix Popuni(int n) {
    TMatrix m;
    m.Resize(n, n);
    std::mt19937_64 g(1);
    std::uniform_real_distribution<double> d(-1, 1);
    for (int c = 1; c <= n; ++c)
        for (int r = c; r <= n; ++r) {
            const double v = r == c ? n : d(g);
            m.SetElem(c, r, v);
            m.SetElem(r, c, v);
        }
    return m;
}

// Time is wall-clock; the CPU column counts every thread of the process, so on a busy machine
// CPU / threads tells what an idle one would take.
//
// The second argument picks the inner loops and threads: 0 portable 1 thread, 1 portable 2 threads,
// 2 AVX2 1 thread, 3 AVX2 2 threads.
bool Podesi(benchmark::State& st) {
    const int put = static_cast<int>(st.range(1));
    const bool avx2 = put >= 2;
    if (avx2 && !TMatrix::PodrzavaAvx2()) {
        st.SkipWithError("no AVX2 on this processor");
        return false;
    }
    TMatrix::PodesiRacunanje(avx2 ? TKodMatrice::Avx2 : TKodMatrice::Prenosivi, put % 2 + 1);
    st.SetLabel(std::string(avx2 ? "avx2" : "portable") + (put % 2 ? " 2 threads" : " 1 thread"));
    return true;
}

// 2n^3 flops: the decomposition n^3/3 products, the substitutions about 2n^3/3, two flops each.
void Postavi(benchmark::State& st, int n) {
    st.counters["GFLOP/s"] = benchmark::Counter(2.0 * n * n * n / 1e9, benchmark::Counter::kIsIterationInvariantRate);
}

void Invert(benchmark::State& st) {
    const int n = static_cast<int>(st.range(0));
    if (!Podesi(st)) return;
    const TMatrix izvor = Popuni(n);
    for (auto _ : st) {
        st.PauseTiming();
        TMatrix m = izvor;
        st.ResumeTiming();
        benchmark::DoNotOptimize(m.Invert());
    }
    Postavi(st, n);
    TMatrix::PodesiRacunanje(TKodMatrice::Podrazumevani, 0);
}

void Multiply(benchmark::State& st) {
    const int n = static_cast<int>(st.range(0));
    if (!Podesi(st)) return;
    const TMatrix a = Popuni(n), b = Popuni(n);
    TMatrix r;
    r.Resize(n, n);
    for (auto _ : st) benchmark::DoNotOptimize(a.Multiply(&b, &r));
    Postavi(st, n);
    TMatrix::PodesiRacunanje(TKodMatrice::Podrazumevani, 0);
}

// The pipeline's product of the inverse with a load vector.
void MultiplyVector(benchmark::State& st) {
    const int n = static_cast<int>(st.range(0));
    if (!Podesi(st)) return;
    const TMatrix a = Popuni(n);
    TMatrix v, r;
    v.Resize(1, n);
    r.Resize(1, n);
    for (int i = 1; i <= n; ++i) v.SetElem(1, i, 1.0 / i);
    for (auto _ : st) benchmark::DoNotOptimize(a.Multiply(&v, &r));
    st.counters["GFLOP/s"] = benchmark::Counter(2.0 * n * n / 1e9, benchmark::Counter::kIsIterationInvariantRate);
    TMatrix::PodesiRacunanje(TKodMatrice::Podrazumevani, 0);
}

void Velicine(benchmark::internal::Benchmark* b) {
    for (int n : {100, 300, 1000, 2000, 3000})
        for (int put = 0; put < 4; ++put) b->Args({n, put});
}

}  // namespace

BENCHMARK(Invert)->Apply(Velicine)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(Multiply)->Apply(Velicine)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(MultiplyVector)->Apply(Velicine)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK_MAIN();
