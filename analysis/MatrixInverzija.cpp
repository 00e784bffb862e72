// Inversion by Crout decomposition with implicit partial pivoting, then forward and back
// substitution for every unit vector. The work is arranged for the machine (MatrixRastavljanje,
// MatrixZamena); every element still receives the operations of the textbook loop in its order.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "Matrix.h"
#include "MatrixBlokovi.h"
#include "MatrixInverzija.h"

namespace {

// Stored by columns becomes stored by rows, in place, tile by tile.
void TransponujKvadratnu(double* a, int n) {
    constexpr int T = 32;
    const std::size_t N = static_cast<std::size_t>(n);
    for (int i0 = 0; i0 < n; i0 += T)
        for (int j0 = i0; j0 < n; j0 += T) {
            const int i1 = std::min(n, i0 + T), j1 = std::min(n, j0 + T);
            for (int i = i0; i < i1; ++i)
                for (int j = std::max(j0, i + 1); j < j1; ++j) std::swap(a[j * N + i], a[i * N + j]);
        }
}

// Copies only: the observed run does the same operations as an unobserved one.
void Prijavi(const TMatrix::TPosmatracInverzije* posmatrac, const char* opis, const std::vector<double>& el, int n,
             const std::vector<int>& pivoti, int izvrsenihZamena) {
    if (!posmatrac || !*posmatrac) return;
    TKorakInverzije korak;
    korak.opis = opis;
    korak.n = n;
    korak.elementi = el;
    korak.pivoti.assign(pivoti.begin(), pivoti.begin() + izvrsenihZamena);
    (*posmatrac)(korak);
}

// Each column of the factor as a stage of its own; copies only.
class TKoloneUKorake final : public matrica_jezgro::TPosmatracKolona {
public:
    TKoloneUKorake(const TMatrix::TPosmatracInverzije& posmatrac, int n, const std::vector<int>& pivoti)
        : posmatrac(posmatrac),
          n(n),
          N(static_cast<std::size_t>(n)),
          pivoti(pivoti) {}

    void PivotIzabran(int j, const double* a, const double* skala, int) override {
        const double* kol = a + static_cast<std::size_t>(j) * N;
        korak.kandidati.assign(kol + j, kol + n);
        korak.skale.assign(skala + j, skala + n);
    }
    void KolonaGotova(int j, const double* a) override {
        korak.opis = "Crout rastavljanje, kolona " + std::to_string(j + 1);
        korak.n = n;
        korak.kolona = j;
        korak.elementi.assign(a, a + N * N);
        korak.pivoti.assign(pivoti.begin(), pivoti.begin() + j + 1);
        posmatrac(korak);
    }

private:
    const TMatrix::TPosmatracInverzije& posmatrac;
    int n;
    std::size_t N;
    const std::vector<int>& pivoti;
    TKorakInverzije korak;
};

}  // namespace

bool TMatrix::Invertuj(double* najmanjiRelativniPivot, const TNapredak* napredak, const TPosmatracInverzije* posmatrac,
                       bool poKolonama) {
    using namespace matrica_jezgro;
    if (najmanjiRelativniPivot) *najmanjiRelativniPivot = 0.0;
    if (redova != kolona) return false;
    const int n = redova;
    const std::size_t N = static_cast<std::size_t>(n);
    const TRacun racun = TrenutniRacun();

    // All the work storage first: a matrix that cannot be inverted for want of memory stays as it was.
    std::vector<double> skala, pakA, pakB, paneli, rezultat;
    std::vector<int> pivoti, mesto;
    Alociraj(skala, N);
    Alociraj(pivoti, N);
    Alociraj(mesto, N);
    Alociraj(pakA, TRadRastavljanja::VelicinaA(n) + Poravnanje);
    Alociraj(pakB, TRadRastavljanja::VelicinaB(n) * static_cast<std::size_t>(racun.niti) + Poravnanje);
    const int nitiZamene = std::max(1, std::min(racun.niti, (n + W - 1) / W));
    Alociraj(paneli, TRadZamene::VelicinaPanela(n) * static_cast<std::size_t>(nitiZamene) + Poravnanje);
    Alociraj(rezultat, N * N);

    // Implicit scaling: each row by its largest magnitude.
    for (int j = 0; j < n; ++j) {
        const double* k = el.data() + static_cast<std::size_t>(j) * N;
        for (int i = 0; i < n; ++i) skala[i] = std::max(skala[i], std::fabs(k[i]));
    }
    Prijavi(posmatrac, "Polazna matrica", el, n, pivoti, 0);
    bool neuspeh = false;
    for (int i = 0; i < n; ++i) {
        if (skala[i] == 0.0) neuspeh = true;
        else skala[i] = 1.0 / skala[i];
    }
    if (neuspeh) return false;

    std::unique_ptr<TKoloneUKorake> kolone;
    if (poKolonama && posmatrac && *posmatrac && n <= NajviseKolonaUKoracima)
        kolone = std::make_unique<TKoloneUKorake>(*posmatrac, n, pivoti);
    const TIshodRastavljanja ishod =
        Rastavi(el.data(), n, skala.data(), pivoti.data(), {Poravnaj(pakA.data()), Poravnaj(pakB.data())}, racun,
                napredak, kolone.get());
    if (ishod.prekinuto) return false;
    if (najmanjiRelativniPivot) *najmanjiRelativniPivot = ishod.najmanji;
    if (ishod.neuspeh) return false;
    Prijavi(posmatrac, "Crout rastavljanje: L ispod dijagonale, U na i iznad nje", el, n, pivoti, n);

    TransponujKvadratnu(el.data(), n);
    if (!Zameni(el.data(), n, pivoti.data(), rezultat.data(), {Poravnaj(paneli.data()), mesto.data()},
                TRacun{racun.jezgro, nitiZamene}, napredak))
        return false;
    el.swap(rezultat);
    Prijavi(posmatrac, "Inverzna matrica", el, n, pivoti, n);
    return true;
}
