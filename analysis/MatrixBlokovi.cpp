#include "MatrixBlokovi.h"

#include <algorithm>

namespace matrica_jezgro {

namespace {
// Rows of A kept together while every column strip of B passes over them (about 256 KB of the
// packed A at the usual depth).
constexpr int MC = 256;
}  // namespace

void PakujA(const double* a, std::size_t lda, int m, int kc, double* pak) {
    for (int s = 0; s < m; s += MR) {
        const int r = std::min(MR, m - s);
        double* d = pak + static_cast<std::size_t>(s) * kc;
        for (int k = 0; k < kc; ++k, d += MR) {
            const double* kol = a + k * lda + s;
            int i = 0;
            for (; i < r; ++i) d[i] = kol[i];
            for (; i < MR; ++i) d[i] = 0.0;
        }
    }
}

void PakujB(const double* b, std::size_t ldb, int kc, int nc, double* pak) {
    for (int s = 0; s < nc; s += NR) {
        const int r = std::min(NR, nc - s);
        double* d = pak + static_cast<std::size_t>(s) * kc;
        for (int q = 0; q < NR; ++q) {
            if (q < r) {
                const double* kol = b + (s + q) * ldb;
                for (int k = 0; k < kc; ++k) d[k * NR + q] = kol[k];
            } else {
                for (int k = 0; k < kc; ++k) d[k * NR + q] = 0.0;
            }
        }
    }
}

void ProizvodBlokova(const TJezgro& jz, bool oduzmi, int m, int nc, int kc, const double* pakA, const double* pakB,
                     double* c, std::size_t ldc) {
    const auto plocica = oduzmi ? jz.Oduzmi : jz.Dodaj;
    for (int ic = 0; ic < m; ic += MC) {
        const int mc = std::min(MC, m - ic);
        for (int jr = 0; jr < nc; jr += NR) {
            const int nr = std::min(NR, nc - jr);
            const double* b = pakB + static_cast<std::size_t>(jr) * kc;
            for (int ir = ic; ir < ic + mc; ir += MR) {
                const int mr = std::min(MR, m - ir);
                const double* a = pakA + static_cast<std::size_t>(ir) * kc;
                double* t = c + jr * ldc + ir;
                if (mr == MR && nr == NR) {
                    plocica(kc, a, b, t, ldc);
                    continue;
                }
                // An edge tile goes through a full-size copy; its extra rows and columns meet only
                // the zeros of the packing and are never written back.
                double kopija[NR * MR] = {};
                for (int j = 0; j < nr; ++j) std::copy_n(t + j * ldc, mr, kopija + j * MR);
                plocica(kc, a, b, kopija, MR);
                for (int j = 0; j < nr; ++j) std::copy_n(kopija + j * MR, mr, t + j * ldc);
            }
        }
    }
}

}  // namespace matrica_jezgro
