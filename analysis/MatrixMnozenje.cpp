// R := A * B. For every element the sum starts at 0 and takes a(i,k)*b(k,j) in increasing k; the
// loops below only choose which elements advance together.
#include <algorithm>

#include "Matrix.h"
#include "MatrixBlokovi.h"
#include "MatrixRacun.h"

namespace {

using namespace matrica_jezgro;

// Below this many products the plain loop is quickest.
constexpr double MaloProizvoda = 32.0 * 32.0 * 32.0;
// Below this many elements of A one thread walks them: starting a thread costs as much as a
// product of a vector with a few million elements, which only streams A from memory.
constexpr double MaloZaNiti = 65536.0;
constexpr double MaloZaNitiVektor = 4.0 * 1024 * 1024;
// Depth of a block of the blocked product.
constexpr int KC = 256;

// Running k outside the row loop keeps each element's order while walking columns with stride 1.
void ProstoMnozenje(const double* a, const double* b, double* r, int m, int kk, int nc, const TJezgro* jz, int i0,
                    int i1) {
    const std::size_t M = static_cast<std::size_t>(m), K = static_cast<std::size_t>(kk);
    for (int j = 0; j < nc; ++j) {
        double* rj = r + j * M;
        std::fill(rj + i0, rj + i1, 0.0);
        for (int k = 0; k < kk; ++k) {
            const double bkj = b[j * K + k];
            const double* ak = a + k * M;
            if (jz) {
                jz->DodajProizvod(i1 - i0, bkj, ak + i0, rj + i0);
            } else {
                for (int i = i0; i < i1; ++i) rj[i] = rj[i] + ak[i] * bkj;
            }
        }
    }
}

}  // namespace

bool TMatrix::Multiply(const TMatrix* MatB, TMatrix* MatRes) const {
    if (!MatB || !MatRes || MatRes == this || MatRes == MatB) return false;
    if (kolona != MatB->redova || MatRes->kolona != MatB->kolona || MatRes->redova != redova) return false;
    const int m = redova, kk = kolona, nc = MatB->kolona;
    const double* a = el.data();
    const double* b = MatB->el.data();
    double* r = MatRes->el.data();
    const double proizvoda = static_cast<double>(m) * kk * nc;
    if (proizvoda < MaloProizvoda) {
        ProstoMnozenje(a, b, r, m, kk, nc, nullptr, 0, m);
        return true;
    }
    const TRacun racun = TrenutniRacun();
    const TJezgro& jz = *racun.jezgro;
    const bool jednaNit = static_cast<double>(m) * kk < MaloZaNiti;

    if (nc < NR) {
        // A few columns of B: each pass over A serves one column; the threads share the rows.
        const bool jedna = static_cast<double>(m) * kk * nc < MaloZaNitiVektor;
        const int niti = jedna ? 1 : std::min(racun.niti, std::max(1, m / 64));
        const int traka = Zaokruzi((m + niti - 1) / niti, 8);
        Paralelno(niti, [&](int t) {
            const int i0 = std::min(m, t * traka), i1 = std::min(m, (t + 1) * traka);
            if (i0 < i1) ProstoMnozenje(a, b, r, m, kk, nc, &jz, i0, i1);
        });
        return true;
    }

    // The blocked product: the threads share the columns of R, each packs its own blocks of A and B
    // and takes the depth blocks in increasing k.
    const int niti = jednaNit ? 1 : std::min(racun.niti, (nc + NR - 1) / NR);
    const int traka = Zaokruzi((nc + niti - 1) / niti, NR);
    const int kc = std::min(KC, kk);
    // Multiples of 8 doubles keep every thread's buffers on 64-byte boundaries.
    const std::size_t velA = static_cast<std::size_t>(Zaokruzi(Zaokruzi(m, MR) * kc, 8));
    const std::size_t velB = static_cast<std::size_t>(Zaokruzi(traka * kc, 8));
    std::vector<double> rad;
    Alociraj(rad, (velA + velB) * niti + Poravnanje);
    const std::size_t M = static_cast<std::size_t>(m), K = static_cast<std::size_t>(kk);
    Paralelno(niti, [&](int t) {
        const int c0 = std::min(nc, t * traka), c1 = std::min(nc, (t + 1) * traka);
        if (c0 >= c1) return;
        double* pakA = Poravnaj(rad.data()) + (velA + velB) * t;
        double* pakB = pakA + velA;
        for (int j = c0; j < c1; ++j) std::fill_n(r + j * M, m, 0.0);
        for (int p0 = 0; p0 < kk; p0 += kc) {
            const int d = std::min(kc, kk - p0);
            PakujB(b + c0 * K + p0, K, d, c1 - c0, pakB);
            PakujA(a + p0 * M, M, m, d, pakA);
            ProizvodBlokova(jz, false, m, c1 - c0, d, pakA, pakB, r + c0 * M, M);
        }
    });
    return true;
}
