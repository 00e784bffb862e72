#include "KoraciSklapanja.h"

#include <algorithm>

#include "ElementStapa.h"
#include "Greska.h"
#include "Model.h"
#include "Opterecenje.h"
#include "PozicijeKodova.h"
#include "Sklapanje.h"
#include "StanjeAnalize.h"

namespace {

// The lower triangle mirrored from the upper one, as the run's K is completed.
TMatrix Simetricna(TMatrix K) {
    for (int j = 1; j <= K.NrOfColumns(); ++j)
        for (int i = j + 1; i <= K.NrOfRows(); ++i) K.SetElem(j, i, K.Elem(i, j));
    return K;
}

TKorakSklapanja Stap(const TModel& model, size_t i) {
    const TStap& s = *model.nizStapova[i];
    TKorakSklapanja k;
    k.indeksStapa = static_cast<int>(i);
    k.idStapa = s.ID();
    k.kodovi = KodniBrojeviStapa(s);
    k.T = MatricaTransformacije(s);
    k.kLKS = MatricaKrutostiLKS(s);
    k.kGKS = MatricaKrutostiGKS(s);
    return k;
}

// The member's loads added to Q, and where they land.
void DodajOpterecenja(const TModel& model, const TStap& s, const TPozicije& pozicije, int n, TMatrix& Q,
                      std::vector<int>& celije) {
    TOpterecenjaPoStapu svoja;
    for (const auto& o : model.nizOpterecenja)
        if (o->IDStapa() == s.ID()) svoja[s.ID()].push_back(o.get());
    if (svoja.empty()) return;
    SaberiOpterecenjaStapova(model, pozicije, n, svoja, {&Q});
    for (int kod : KodniBrojeviStapa(s)) pozicije.ZaSve(kod, [&](int p) { celije.push_back(p); });
    std::sort(celije.begin(), celije.end());
    celije.erase(std::unique(celije.begin(), celije.end()), celije.end());
}

}  // namespace

std::vector<TKorakSklapanja> KoraciSklapanja(const TModel& model, const TStanjeAnalize& stanje) {
    std::vector<TKorakSklapanja> koraci;
    if (!stanje.nizKodnihBrojeva || stanje.nizKodnihBrojeva->empty() || !stanje.matricaKGKS) return koraci;
    const std::vector<int>& sve = *stanje.nizKodnihBrojeva;
    const int n = static_cast<int>(sve.size());
    if (n > NajviseKodovaKoraka)
        throw TGreska("Korak po korak je za modele do " + std::to_string(NajviseKodovaKoraka) +
                      " kodnih brojeva; ovaj ih ima " + std::to_string(n) + "!!!");
    const TPozicije pozicije(sve);
    TMatrix K = NovaMatrica(n, n), Q = NovaMatrica(1, n);
    std::vector<std::pair<int, int>> celije;
    // Called before each member and once more at the end: the member just added closes its step.
    auto zatvori = [&](size_t gotovih) {
        if (gotovih == 0) return true;
        TKorakSklapanja k = Stap(model, gotovih - 1);
        k.K = Simetricna(K);
        std::sort(celije.begin(), celije.end());
        celije.erase(std::unique(celije.begin(), celije.end()), celije.end());
        k.celije = std::move(celije);
        celije.clear();
        DodajOpterecenja(model, *model.nizStapova[gotovih - 1], pozicije, n, Q, k.celijeQ);
        k.Q = Q;
        koraci.push_back(std::move(k));
        return true;
    };
    ZaDoprinoseK(
        model, pozicije,
        [&](int kol, int red, double v) {
            K.SetElem(kol, red, K.Elem(kol, red) + v);
            celije.emplace_back(kol, red);
            if (kol != red) celije.emplace_back(red, kol);
        },
        zatvori, 1);
    zatvori(model.nizStapova.size());
    return koraci;
}
