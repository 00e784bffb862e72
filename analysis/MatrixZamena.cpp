// Forward and back substitution for every unit vector, W right-hand sides side by side.
//
// After the row exchanges the 1 of a unit vector lands on one row f, the first non-zero of the
// right-hand side; the forward pass starts its sums there. Taking the right-hand sides in the order
// of f, a panel holds the neighbouring rows f0 .. f0+W-1. Its rows above f0 stay 0; in its first W
// rows each lane starts at its own f; below them every lane takes the products from f0 on. For a
// lane whose f is later, the extra terms are L(i,k) * (+0) subtracted from a sum still at +0,
// which leaves +0 - the same bits - as long as L is finite; a factor with an infinity or NaN below
// the diagonal therefore sends the panel down the one-lane-at-a-time road.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "MatrixInverzija.h"

namespace matrica_jezgro {

namespace {

constexpr double UdeoRastavljanja = 1.0 / 3.0;

// Rows [iOd, iDo) of the panel, each lane from its own first non-zero f0 + l; lanes at or past w
// are idle and hold 0.
void NapredPoTrakama(const double* lu, std::size_t N, int f0, int w, int iOd, int iDo, double* p) {
    for (int i = iOd; i < iDo; ++i) {
        const double* red = lu + static_cast<std::size_t>(i) * N;
        double* pi = p + static_cast<std::size_t>(i) * W;
        for (int l = 0; l < W; ++l) {
            const int f = f0 + l;
            if (l >= w || i < f) {
                pi[l] = 0.0;
            } else if (i == f) {
                pi[l] = 1.0;
            } else {
                double s = 0.0;
                for (int k = f; k < i; ++k) s = s - red[k] * p[static_cast<std::size_t>(k) * W + l];
                pi[l] = s;
            }
        }
    }
}

bool KonacanL(const double* lu, int n) {
    for (int i = 1; i < n; ++i) {
        const double* red = lu + static_cast<std::size_t>(i) * n;
        for (int k = 0; k < i; ++k)
            if (!std::isfinite(red[k])) return false;
    }
    return true;
}

}  // namespace

std::size_t TRadZamene::VelicinaPanela(int n) { return static_cast<std::size_t>(n) * W; }

bool Zameni(const double* lu, int n, const int* pivoti, double* rezultat, const TRadZamene& rad, const TRacun& racun,
            const TNapredakFn* napredak) {
    const TJezgro& jz = *racun.jezgro;
    const std::size_t N = static_cast<std::size_t>(n);
    // mesto[f] is the unit vector whose 1 the row exchanges bring to row f.
    int* mesto = rad.mesto;
    for (int i = 0; i < n; ++i) mesto[i] = i;
    for (int i = 0; i < n; ++i) std::swap(mesto[i], mesto[pivoti[i]]);
    const bool konacan = KonacanL(lu, n);

    const int paneli = (n + W - 1) / W;
    const int niti = std::min(racun.niti, paneli);
    std::atomic<int> sledeci{0}, gotovi{0};
    std::atomic<bool> stani{false};
    Paralelno(niti, [&](int t) {
        double* p = rad.paneli + static_cast<std::size_t>(t) * TRadZamene::VelicinaPanela(n);
        for (;;) {
            if (stani.load()) return;
            const int q = sledeci.fetch_add(1);
            if (q >= paneli) return;
            const int f0 = q * W;
            const int w = std::min(W, n - f0);
            std::memset(p, 0, static_cast<std::size_t>(f0) * W * sizeof(double));
            const int prvi = std::min(n, f0 + W);
            NapredPoTrakama(lu, N, f0, w, f0, prvi, p);
            if (konacan) {
                for (int i0 = prvi; i0 < n; i0 += RN) jz.Napred(lu, N, i0, std::min(RN, n - i0), f0, p);
            } else {
                NapredPoTrakama(lu, N, f0, w, prvi, n, p);
            }
            jz.Nazad(lu, N, n, p);
            for (int l = 0; l < w; ++l) {
                double* kol = rezultat + static_cast<std::size_t>(mesto[f0 + l]) * N;
                for (int i = 0; i < n; ++i) kol[i] = p[static_cast<std::size_t>(i) * W + l];
            }
            const int g = gotovi.fetch_add(1) + 1;
            // Only the calling thread reports, between its own panels; a report that throws
            // stops the others too.
            if (t == 0 && napredak && *napredak) {
                bool dalje = false;
                try {
                    dalje = (*napredak)(UdeoRastavljanja + (1.0 - UdeoRastavljanja) * g / paneli);
                } catch (...) {
                    stani.store(true);
                    throw;
                }
                if (!dalje) stani.store(true);
            }
        }
    });
    if (stani.load()) return false;
    // The last word: all done. A stop asked now has nothing left to stop.
    if (napredak && *napredak) (*napredak)(1.0);
    return true;
}

}  // namespace matrica_jezgro
