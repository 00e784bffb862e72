// The innermost loops in plain C++, for any processor. The compiler may spread them over vector
// lanes; with contraction off each lane still rounds every product and every sum on its own.
#include "MatrixJezgro.h"

namespace matrica_jezgro {
namespace {

template <bool Oduzmi>
void Plocica(int kc, const double* a, const double* b, double* c, std::size_t ldc) {
    double t[NR][MR];
    for (int j = 0; j < NR; ++j)
        for (int i = 0; i < MR; ++i) t[j][i] = c[j * ldc + i];
    for (int k = 0; k < kc; ++k, a += MR, b += NR)
        for (int j = 0; j < NR; ++j) {
            const double bj = b[j];
            for (int i = 0; i < MR; ++i) t[j][i] = Oduzmi ? t[j][i] - a[i] * bj : t[j][i] + a[i] * bj;
        }
    for (int j = 0; j < NR; ++j)
        for (int i = 0; i < MR; ++i) c[j * ldc + i] = t[j][i];
}

void OduzmiProizvod(int n, double s, const double* __restrict x, double* __restrict y) {
    for (int i = 0; i < n; ++i) y[i] = y[i] - x[i] * s;
}

void DodajProizvod(int n, double s, const double* __restrict x, double* __restrict y) {
    for (int i = 0; i < n; ++i) y[i] = y[i] + x[i] * s;
}

void Napred(const double* L, std::size_t ldl, int i0, int r, int kOd, double* p) {
    for (int q = 0; q < r; ++q) {
        const int i = i0 + q;
        const double* red = L + static_cast<std::size_t>(i) * ldl;
        double s[W];
        for (int l = 0; l < W; ++l) s[l] = 0.0;
        for (int k = kOd; k < i; ++k) {
            const double lik = red[k];
            const double* pk = p + static_cast<std::size_t>(k) * W;
            for (int l = 0; l < W; ++l) s[l] = s[l] - lik * pk[l];
        }
        double* pi = p + static_cast<std::size_t>(i) * W;
        for (int l = 0; l < W; ++l) pi[l] = s[l];
    }
}

void Nazad(const double* U, std::size_t ldu, int n, double* p) {
    for (int i = n - 1; i >= 0; --i) {
        const double* red = U + static_cast<std::size_t>(i) * ldu;
        double* pi = p + static_cast<std::size_t>(i) * W;
        double s[W];
        for (int l = 0; l < W; ++l) s[l] = pi[l];
        for (int k = i + 1; k < n; ++k) {
            const double uik = red[k];
            const double* pk = p + static_cast<std::size_t>(k) * W;
            for (int l = 0; l < W; ++l) s[l] = s[l] - uik * pk[l];
        }
        const double uii = red[i];
        for (int l = 0; l < W; ++l) pi[l] = s[l] / uii;
    }
}

constexpr TJezgro jezgro{Plocica<true>, Plocica<false>, OduzmiProizvod, DodajProizvod, Napred, Nazad};

}  // namespace

const TJezgro& JezgroPrenosivo() { return jezgro; }

}  // namespace matrica_jezgro
