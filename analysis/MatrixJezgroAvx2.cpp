// The innermost loops with 256-bit lanes. This file alone is built for AVX2 and is entered only
// after the processor has been asked; it names nothing from the standard library, so no shared
// inline code is built here with the wider instruction set. A product is always rounded on its
// own (_mm256_mul_pd) before the sum takes it (_mm256_sub_pd, _mm256_add_pd): no fused forms.
#include <immintrin.h>

#include "MatrixJezgro.h"

namespace matrica_jezgro {
namespace {

using std::size_t;

template <bool Oduzmi>
inline __m256d Korak(__m256d c, __m256d a, __m256d b) {
    const __m256d p = _mm256_mul_pd(a, b);
    return Oduzmi ? _mm256_sub_pd(c, p) : _mm256_add_pd(c, p);
}

static_assert(MR == 8 && NR == 6, "the register tile below is written out for 8 x 6");

template <bool Oduzmi>
void Plocica(int kc, const double* a, const double* b, double* c, size_t ldc) {
    double* c0 = c;
    double* c1 = c0 + ldc;
    double* c2 = c1 + ldc;
    double* c3 = c2 + ldc;
    double* c4 = c3 + ldc;
    double* c5 = c4 + ldc;
    __m256d t00 = _mm256_loadu_pd(c0), t01 = _mm256_loadu_pd(c0 + 4);
    __m256d t10 = _mm256_loadu_pd(c1), t11 = _mm256_loadu_pd(c1 + 4);
    __m256d t20 = _mm256_loadu_pd(c2), t21 = _mm256_loadu_pd(c2 + 4);
    __m256d t30 = _mm256_loadu_pd(c3), t31 = _mm256_loadu_pd(c3 + 4);
    __m256d t40 = _mm256_loadu_pd(c4), t41 = _mm256_loadu_pd(c4 + 4);
    __m256d t50 = _mm256_loadu_pd(c5), t51 = _mm256_loadu_pd(c5 + 4);
    for (int k = 0; k < kc; ++k, a += MR, b += NR) {
        const __m256d a0 = _mm256_loadu_pd(a), a1 = _mm256_loadu_pd(a + 4);
        __m256d x = _mm256_broadcast_sd(b);
        t00 = Korak<Oduzmi>(t00, a0, x);
        t01 = Korak<Oduzmi>(t01, a1, x);
        x = _mm256_broadcast_sd(b + 1);
        t10 = Korak<Oduzmi>(t10, a0, x);
        t11 = Korak<Oduzmi>(t11, a1, x);
        x = _mm256_broadcast_sd(b + 2);
        t20 = Korak<Oduzmi>(t20, a0, x);
        t21 = Korak<Oduzmi>(t21, a1, x);
        x = _mm256_broadcast_sd(b + 3);
        t30 = Korak<Oduzmi>(t30, a0, x);
        t31 = Korak<Oduzmi>(t31, a1, x);
        x = _mm256_broadcast_sd(b + 4);
        t40 = Korak<Oduzmi>(t40, a0, x);
        t41 = Korak<Oduzmi>(t41, a1, x);
        x = _mm256_broadcast_sd(b + 5);
        t50 = Korak<Oduzmi>(t50, a0, x);
        t51 = Korak<Oduzmi>(t51, a1, x);
    }
    _mm256_storeu_pd(c0, t00), _mm256_storeu_pd(c0 + 4, t01);
    _mm256_storeu_pd(c1, t10), _mm256_storeu_pd(c1 + 4, t11);
    _mm256_storeu_pd(c2, t20), _mm256_storeu_pd(c2 + 4, t21);
    _mm256_storeu_pd(c3, t30), _mm256_storeu_pd(c3 + 4, t31);
    _mm256_storeu_pd(c4, t40), _mm256_storeu_pd(c4 + 4, t41);
    _mm256_storeu_pd(c5, t50), _mm256_storeu_pd(c5 + 4, t51);
}

template <bool Oduzmi>
void Proizvod(int n, double s, const double* x, double* y) {
    const __m256d vs = _mm256_set1_pd(s);
    int i = 0;
    for (; i + 4 <= n; i += 4)
        _mm256_storeu_pd(y + i, Korak<Oduzmi>(_mm256_loadu_pd(y + i), _mm256_loadu_pd(x + i), vs));
    for (; i < n; ++i) y[i] = Oduzmi ? y[i] - x[i] * s : y[i] + x[i] * s;
}

static_assert(W % 8 == 0 && RN == 4, "the forward substitution below takes four rows by eight lanes");

// One row, eight lanes at a time; for the last rows of a panel.
void NapredRed(const double* red, int i, int kOd, double* p) {
    for (int g = 0; g < W; g += 8) {
        __m256d s0 = _mm256_setzero_pd(), s1 = _mm256_setzero_pd();
        const double* pk = p + static_cast<size_t>(kOd) * W + g;
        for (int k = kOd; k < i; ++k, pk += W) {
            const __m256d x = _mm256_broadcast_sd(red + k);
            s0 = Korak<true>(s0, _mm256_loadu_pd(pk), x);
            s1 = Korak<true>(s1, _mm256_loadu_pd(pk + 4), x);
        }
        double* pi = p + static_cast<size_t>(i) * W + g;
        _mm256_storeu_pd(pi, s0);
        _mm256_storeu_pd(pi + 4, s1);
    }
}

void Napred(const double* L, size_t ldl, int i0, int r, int kOd, double* p) {
    if (r != RN) {
        for (int q = 0; q < r; ++q) NapredRed(L + static_cast<size_t>(i0 + q) * ldl, i0 + q, kOd, p);
        return;
    }
    const double* l0 = L + static_cast<size_t>(i0) * ldl;
    const double* l1 = l0 + ldl;
    const double* l2 = l1 + ldl;
    const double* l3 = l2 + ldl;
    for (int g = 0; g < W; g += 8) {
        __m256d s00 = _mm256_setzero_pd(), s01 = s00, s10 = s00, s11 = s00;
        __m256d s20 = s00, s21 = s00, s30 = s00, s31 = s00;
        const double* pk = p + static_cast<size_t>(kOd) * W + g;
        for (int k = kOd; k < i0; ++k, pk += W) {
            const __m256d b0 = _mm256_loadu_pd(pk), b1 = _mm256_loadu_pd(pk + 4);
            __m256d x = _mm256_broadcast_sd(l0 + k);
            s00 = Korak<true>(s00, b0, x);
            s01 = Korak<true>(s01, b1, x);
            x = _mm256_broadcast_sd(l1 + k);
            s10 = Korak<true>(s10, b0, x);
            s11 = Korak<true>(s11, b1, x);
            x = _mm256_broadcast_sd(l2 + k);
            s20 = Korak<true>(s20, b0, x);
            s21 = Korak<true>(s21, b1, x);
            x = _mm256_broadcast_sd(l3 + k);
            s30 = Korak<true>(s30, b0, x);
            s31 = Korak<true>(s31, b1, x);
        }
        // The last products of rows 1..3 take the rows just finished, still in registers.
        __m256d x = _mm256_broadcast_sd(l1 + i0);
        s10 = Korak<true>(s10, s00, x);
        s11 = Korak<true>(s11, s01, x);
        x = _mm256_broadcast_sd(l2 + i0);
        s20 = Korak<true>(s20, s00, x);
        s21 = Korak<true>(s21, s01, x);
        x = _mm256_broadcast_sd(l2 + i0 + 1);
        s20 = Korak<true>(s20, s10, x);
        s21 = Korak<true>(s21, s11, x);
        x = _mm256_broadcast_sd(l3 + i0);
        s30 = Korak<true>(s30, s00, x);
        s31 = Korak<true>(s31, s01, x);
        x = _mm256_broadcast_sd(l3 + i0 + 1);
        s30 = Korak<true>(s30, s10, x);
        s31 = Korak<true>(s31, s11, x);
        x = _mm256_broadcast_sd(l3 + i0 + 2);
        s30 = Korak<true>(s30, s20, x);
        s31 = Korak<true>(s31, s21, x);
        double* pi = p + static_cast<size_t>(i0) * W + g;
        _mm256_storeu_pd(pi, s00), _mm256_storeu_pd(pi + 4, s01);
        _mm256_storeu_pd(pi + W, s10), _mm256_storeu_pd(pi + W + 4, s11);
        _mm256_storeu_pd(pi + 2 * W, s20), _mm256_storeu_pd(pi + 2 * W + 4, s21);
        _mm256_storeu_pd(pi + 3 * W, s30), _mm256_storeu_pd(pi + 3 * W + 4, s31);
    }
}

// A row of W lanes stays in W/4 registers through its whole sum. The panel is read again for every
// row and should stay in the second-level cache; the row of U is read once per panel, so it is
// fetched ahead without a claim on that cache.
void Nazad(const double* U, size_t ldu, int n, double* p) {
    constexpr int V = W / 4;
    for (int i = n - 1; i >= 0; --i) {
        const double* red = U + static_cast<size_t>(i) * ldu;
        double* pi = p + static_cast<size_t>(i) * W;
        __m256d s[V];
#pragma GCC unroll 16
        for (int v = 0; v < V; ++v) s[v] = _mm256_loadu_pd(pi + 4 * v);
        const double* pk = pi + W;
        for (int k = i + 1; k < n; ++k, pk += W) {
            if ((k & 7) == 0 && k + 64 < n) _mm_prefetch(reinterpret_cast<const char*>(red + k + 64), _MM_HINT_NTA);
            const __m256d x = _mm256_broadcast_sd(red + k);
#pragma GCC unroll 16
            for (int v = 0; v < V; ++v) s[v] = Korak<true>(s[v], _mm256_loadu_pd(pk + 4 * v), x);
        }
        const __m256d d = _mm256_broadcast_sd(red + i);
#pragma GCC unroll 16
        for (int v = 0; v < V; ++v) _mm256_storeu_pd(pi + 4 * v, _mm256_div_pd(s[v], d));
    }
}

constexpr TJezgro jezgro{Plocica<true>, Plocica<false>, Proizvod<true>, Proizvod<false>, Napred, Nazad};

}  // namespace

const TJezgro& JezgroAvx2() { return jezgro; }

}  // namespace matrica_jezgro
