// Crout decomposition arranged in blocks of columns. Element (i, j) receives its products
// a(i,k)*a(k,j) in increasing k, k < min(i, j), however the loops run: a block of columns is first
// brought up to date by the blocks before it, then decomposed column by column; the rows below it
// and the columns right of it then take the block's products all at once (a triangular solve for
// the rows of the block, a blocked product for the rest). The row exchanges found inside a block
// reach the other columns only after the block, which changes nothing: an exchange moves whole
// rows, and both rows have taken the same products by then.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <utility>

#include "MatrixBlokovi.h"
#include "MatrixInverzija.h"

namespace matrica_jezgro {

namespace {

// The decomposition's share of the inversion's work (n^3/3 of n^3 products).
constexpr double UdeoRastavljanja = 1.0 / 3.0;

// Below this order a second thread costs more than it saves.
constexpr int NajmanjiZaNiti = 192;

// Columns [0, n) split into niti ranges; boundaries after the first lie on multiples of NR from
// the start so that every range but the last packs into whole strips.
std::pair<int, int> Deo(int od, int n, int t, int niti) {
    const int sirina = n - od;
    const int traka = Zaokruzi(std::max(1, (sirina + niti - 1) / niti), NR);
    return {std::min(n, od + t * traka), std::min(n, od + (t + 1) * traka)};
}

}  // namespace

int TRadRastavljanja::Dubina(int n) { return std::min(n, 96); }

std::size_t TRadRastavljanja::VelicinaA(int n) {
    return static_cast<std::size_t>(Zaokruzi(n, MR)) * static_cast<std::size_t>(Dubina(n));
}

std::size_t TRadRastavljanja::VelicinaB(int n) {
    // Each thread's strips start on a multiple of NR from the first column, so the threads' strips
    // lie side by side in one buffer.
    return static_cast<std::size_t>(Zaokruzi(n, NR)) * static_cast<std::size_t>(Dubina(n));
}

TIshodRastavljanja Rastavi(double* a, int n, double* skala, int* pivoti, const TRadRastavljanja& rad,
                           const TRacun& racun, const TNapredakFn* napredak) {
    const TJezgro& jz = *racun.jezgro;
    const std::size_t N = static_cast<std::size_t>(n);
    auto A = [&](int i, int j) -> double& { return a[static_cast<std::size_t>(j) * N + i]; };
    const int niti = n >= NajmanjiZaNiti ? racun.niti : 1;
    const int nb = TRadRastavljanja::Dubina(n);

    TIshodRastavljanja ishod;
    double najmanji = std::numeric_limits<double>::infinity();
    for (int j0 = 0; j0 < n; j0 += nb) {
        const int j1 = std::min(n, j0 + nb);
        bool razmena = false;
        // The block's own columns, left to right; the products of the earlier blocks are in.
        for (int j = j0; j < j1; ++j) {
            double* kol = &A(0, j);
            for (int k = j0; k < j; ++k) jz.OduzmiProizvod(n - k - 1, kol[k], &A(k + 1, k), kol + k + 1);
            double big = 0.0;
            int imax = j;
            for (int i = j; i < n; ++i) {
                const double v = skala[i] * std::fabs(kol[i]);
                if (v >= big) {
                    big = v;
                    imax = i;  // ties go to the later row
                }
            }
            if (imax != j) {
                for (int c = j0; c < j1; ++c) std::swap(A(imax, c), A(j, c));
                skala[imax] = skala[j];
                razmena = true;
            }
            pivoti[j] = imax;
            najmanji = std::min(najmanji, big);
            if (std::fabs(kol[j]) < 1e-100) {
                kol[j] = 1e-100;
                ishod.neuspeh = true;
            }
            if (j < n - 1) {
                const double piv = kol[j];
                for (int i = j + 1; i < n; ++i) kol[i] = kol[i] / piv;
            }
        }

        const int m = n - j1;  // rows and columns still to come
        const int kc = j1 - j0;
        if (m > 0) PakujA(&A(j1, j0), N, m, kc, rad.pakA);
        const int t1 = (m > 0 && m >= NR * 2) ? niti : 1;
        Paralelno(t1, [&](int t) {
            // Row exchanges of the block, in the columns left of it.
            if (razmena) {
                const auto [l0, l1] = Deo(0, j0, t, t1);
                for (int c = l0; c < l1; ++c)
                    for (int j = j0; j < j1; ++j)
                        if (pivoti[j] != j) std::swap(A(j, c), A(pivoti[j], c));
            }
            if (m == 0) return;
            const auto [c0, c1] = Deo(j1, n, t, t1);
            for (int c = c0; c < c1; ++c) {
                if (razmena)
                    for (int j = j0; j < j1; ++j)
                        if (pivoti[j] != j) std::swap(A(j, c), A(pivoti[j], c));
                // The block's rows of U: unit lower triangular solve, k increasing.
                double* kol = &A(0, c);
                for (int k = j0; k < j1 - 1; ++k) jz.OduzmiProizvod(j1 - k - 1, kol[k], &A(k + 1, k), kol + k + 1);
            }
            if (c1 <= c0) return;
            double* pakB = rad.pakB + static_cast<std::size_t>(c0 - j1) * kc;
            PakujB(&A(j0, c0), N, kc, c1 - c0, pakB);
            ProizvodBlokova(jz, true, m, c1 - c0, kc, rad.pakA, pakB, &A(j1, c0), N);
        });

        if (napredak && *napredak) {
            const double ostatak = static_cast<double>(m) / n;
            if (!(*napredak)(UdeoRastavljanja * (1.0 - ostatak * ostatak * ostatak))) {
                ishod.prekinuto = true;
                return ishod;
            }
        }
    }
    ishod.najmanji = najmanji;
    return ishod;
}

}  // namespace matrica_jezgro
