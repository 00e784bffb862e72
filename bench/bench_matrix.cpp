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

void Invert(benchmark::State& st) {
    const int n = static_cast<int>(st.range(0));
    const TMatrix izvor = Popuni(n);
    for (auto _ : st) {
        TMatrix m = izvor;
        benchmark::DoNotOptimize(m.Invert());
    }
    // LU n^3/3 multiply-adds, the substitutions about 2n^3/3; two flops each.
    st.counters["GFLOP/s"] = benchmark::Counter(2.0 * n * n * n / 1e9, benchmark::Counter::kIsIterationInvariantRate);
}

void Multiply(benchmark::State& st) {
    const int n = static_cast<int>(st.range(0));
    const TMatrix a = Popuni(n), b = Popuni(n);
    TMatrix r;
    r.Resize(n, n);
    for (auto _ : st) benchmark::DoNotOptimize(a.Multiply(&b, &r));
    st.counters["GFLOP/s"] = benchmark::Counter(2.0 * n * n * n / 1e9, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(Invert)->Arg(100)->Arg(300)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Multiply)->Arg(100)->Arg(300)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
