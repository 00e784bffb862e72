// Crout decomposition arranged in blocks of columns. Element (i, j) receives its products
// a(i,k)*a(k,j) in increasing k, k < min(i, j), however the loops run: a block of columns is first
// brought up to date by the blocks before it, then decomposed column by column; the rows below it
// and the columns right of it then take the block's products all at once (a triangular solve for
// the rows of the block, a blocked product for the rest). The row exchanges found inside a block
// reach the other columns only after the block, which changes nothing: an exchange moves whole
// rows, and both rows have taken the same products by then.
//
// With threads, the next block is brought up to date and decomposed by the calling thread while
// the others bring the remaining columns up to date, a chunk of columns at a time; each column
// receives the same operations whoever takes it.
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

// Columns a thread takes at a time from the columns still to be brought up to date.
constexpr int Komad = 16 * NR;

struct TBlok {
    int j0, j1;  // the block's columns
    bool razmena;
};

class TRastavljac {
public:
    TRastavljac(double* a, int n, double* skala, int* pivoti, const TRadRastavljanja& rad, const TJezgro& jz)
        : a(a),
          n(n),
          N(static_cast<std::size_t>(n)),
          skala(skala),
          pivoti(pivoti),
          rad(rad),
          jz(jz),
          nb(TRadRastavljanja::Dubina(n)) {}

    double& A(int i, int j) { return a[static_cast<std::size_t>(j) * N + i]; }
    double* PakA(int j0) { return rad.pakA + ((j0 / nb) % 2) * TRadRastavljanja::VelicinaA(n) / 2; }

    // The block's own columns, left to right; the products of the earlier blocks are in. Then its
    // part below the block is packed for the products it gives the later columns.
    TBlok RastaviBlok(int j0) {
        TBlok b{j0, std::min(n, j0 + nb), false};
        for (int j = b.j0; j < b.j1; ++j) {
            double* kol = &A(0, j);
            for (int k = b.j0; k < j; ++k) jz.OduzmiProizvod(n - k - 1, kol[k], &A(k + 1, k), kol + k + 1);
            double big = 0.0;
            int imax = j;
            for (int i = j; i < n; ++i) {
                const double v = skala[i] * std::fabs(kol[i]);
                if (v >= big) {
                    big = v;
                    imax = i;  // ties go to the later row
                }
            }
            if (kolone) kolone->PivotIzabran(j, a, skala, imax);
            if (imax != j) {
                for (int c = b.j0; c < b.j1; ++c) std::swap(A(imax, c), A(j, c));
                skala[imax] = skala[j];
                b.razmena = true;
            }
            pivoti[j] = imax;
            najmanji = std::min(najmanji, big);
            if (std::fabs(kol[j]) < 1e-100) {
                kol[j] = 1e-100;
                neuspeh = true;
            }
            if (j < n - 1) {
                const double piv = kol[j];
                for (int i = j + 1; i < n; ++i) kol[i] = kol[i] / piv;
            }
            if (kolone) kolone->KolonaGotova(j, a);
        }
        if (b.j1 < n) PakujA(&A(b.j1, b.j0), N, n - b.j1, b.j1 - b.j0, PakA(b.j0));
        return b;
    }

    // Columns [c0, c1) of a block's left side take its row exchanges.
    void Razmeni(const TBlok& b, int c0, int c1) {
        if (!b.razmena) return;
        for (int c = c0; c < c1; ++c)
            for (int j = b.j0; j < b.j1; ++j)
                if (pivoti[j] != j) std::swap(A(j, c), A(pivoti[j], c));
    }

    // Columns [c0, c1) right of the block take its row exchanges and its products: a unit lower
    // triangular solve for the block's rows, a blocked product below them (k increasing).
    void Azuriraj(const TBlok& b, int c0, int c1, double* pakB) {
        Razmeni(b, c0, c1);
        for (int c = c0; c < c1; ++c) {
            double* kol = &A(0, c);
            for (int k = b.j0; k < b.j1 - 1; ++k) jz.OduzmiProizvod(b.j1 - k - 1, kol[k], &A(k + 1, k), kol + k + 1);
        }
        const int kc = b.j1 - b.j0;
        PakujB(&A(b.j0, c0), N, kc, c1 - c0, pakB);
        ProizvodBlokova(jz, true, n - b.j1, c1 - c0, kc, PakA(b.j0), pakB, &A(b.j1, c0), N);
    }

    double* a;
    int n;
    std::size_t N;
    double* skala;
    int* pivoti;
    const TRadRastavljanja& rad;
    const TJezgro& jz;
    int nb;
    double najmanji = std::numeric_limits<double>::infinity();
    bool neuspeh = false;
    TPosmatracKolona* kolone = nullptr;
};

}  // namespace

int TRadRastavljanja::Dubina(int n) { return std::min(n, 96); }

std::size_t TRadRastavljanja::VelicinaA(int n) {
    // Two blocks: the next one is packed while the threads still use the current one. Each half
    // is a whole number of cache lines.
    return 2 * static_cast<std::size_t>(Zaokruzi(Zaokruzi(n, MR) * Dubina(n), 8));
}

std::size_t TRadRastavljanja::VelicinaB(int n) {
    // A chunk, or the next block's columns.
    const int kolona = std::min(n, std::max(Komad, Dubina(n)));
    return static_cast<std::size_t>(Zaokruzi(Zaokruzi(kolona, NR) * Dubina(n), 8));
}

TIshodRastavljanja Rastavi(double* a, int n, double* skala, int* pivoti, const TRadRastavljanja& rad,
                           const TRacun& racun, const TNapredakFn* napredak, TPosmatracKolona* kolone) {
    TRastavljac r(a, n, skala, pivoti, rad, *racun.jezgro);
    // Past one block the later columns take a block's exchanges and products after it, partly on
    // other threads: the whole matrix is then in no textbook state between two columns.
    if (n <= TRadRastavljanja::Dubina(n) && n < NajmanjiZaNiti) r.kolone = kolone;
    const int niti = n >= NajmanjiZaNiti ? racun.niti : 1;
    TIshodRastavljanja ishod;

    TBlok b = r.RastaviBlok(0);
    for (;;) {
        const int j2 = std::min(n, b.j1 + r.nb);  // the next block is [b.j1, j2)
        // Chunks: first the columns left of the block (exchanges only), then those right of the
        // next block.
        const int levih = b.razmena ? (b.j0 + Komad - 1) / Komad : 0;
        const int komada = levih + (n - j2 + Komad - 1) / Komad;
        std::atomic<int> sledeci{0};
        TBlok naredni{};
        auto radiKomade = [&](double* pakB) {
            for (int q; (q = sledeci.fetch_add(1)) < komada;) {
                if (q < levih) {
                    r.Razmeni(b, q * Komad, std::min(b.j0, (q + 1) * Komad));
                } else {
                    const int c0 = j2 + (q - levih) * Komad;
                    r.Azuriraj(b, c0, std::min(n, c0 + Komad), pakB);
                }
            }
        };
        Paralelno(komada > 0 ? niti : 1, [&](int t) {
            double* pakB = rad.pakB + static_cast<std::size_t>(t) * TRadRastavljanja::VelicinaB(n);
            if (t == 0 && b.j1 < n) {
                r.Azuriraj(b, b.j1, j2, pakB);
                naredni = r.RastaviBlok(b.j1);
            }
            radiKomade(pakB);
        });

        if (napredak && *napredak) {
            const double ostatak = static_cast<double>(n - b.j1) / n;
            if (!(*napredak)(UdeoRastavljanja * (1.0 - ostatak * ostatak * ostatak))) {
                ishod.prekinuto = true;
                return ishod;
            }
        }
        if (b.j1 >= n) break;
        b = naredni;
    }
    ishod.neuspeh = r.neuspeh;
    ishod.najmanji = r.najmanji;
    return ishod;
}

}  // namespace matrica_jezgro
