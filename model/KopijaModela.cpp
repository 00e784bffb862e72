#include "KopijaModela.h"

#include <algorithm>
#include <unordered_map>

#include "PozicijeEntiteta.h"

namespace {

template <class T>
void KopirajListu(const std::vector<std::unique_ptr<T>>& izvor, std::vector<std::unique_ptr<T>>& cilj) {
    cilj.reserve(izvor.size());
    for (const auto& e : izvor) cilj.push_back(std::make_unique<T>(*e));
}

bool IsteOpruge(const TStap& a, const TStap& b) {
    return a.OprugaPocetka() == b.OprugaPocetka() && a.OprugaKraja() == b.OprugaKraja();
}

template <class T>
bool IsteListe(const std::vector<std::unique_ptr<T>>& a, const std::vector<std::unique_ptr<T>>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!Isti(*a[i], *b[i])) return false;
    return true;
}

// How one list differs: not at all, in one entity (the index `jedan` into the list `uPre` names),
// or more broadly (jedan < 0).
struct TRazlikaListe {
    bool razlikuju = false;
    long jedan = -1;
    bool uPre = false;
};

// Trims the equal head and tail of the two lists; one entity left over on either side is the one
// that changed, came or went.
template <class F>
TRazlikaListe UporediListe(size_t na, size_t nb, F isti) {
    const size_t n = std::min(na, nb);
    size_t glava = 0;
    while (glava < n && isti(glava, glava)) ++glava;
    if (glava == n && na == nb) return {};
    size_t rep = 0;
    while (rep < n - glava && isti(na - 1 - rep, nb - 1 - rep)) ++rep;
    const size_t ostaloPre = na - glava - rep, ostaloPosle = nb - glava - rep;
    if (ostaloPre + ostaloPosle == 1 || (ostaloPre == 1 && ostaloPosle == 1))
        return {true, static_cast<long>(glava), ostaloPosle == 0};
    return {true, -1, false};
}

template <class T>
TRazlikaListe UporediEntitete(const std::vector<std::unique_ptr<T>>& a, const std::vector<std::unique_ptr<T>>& b) {
    return UporediListe(a.size(), b.size(), [&](size_t i, size_t j) { return Isti(*a[i], *b[j]); });
}

template <class T>
long IDIli(const T* e) {
    return e ? e->ID() : -1L - (1L << 32);
}

// For what a change shows, a member is the same while it joins the same IDs: deleting a node
// that no member uses moves the positions of later nodes but leaves every member as it was.
TRazlikaListe UporediStapove(const TModel& a, const TModel& b) {
    return UporediListe(a.nizStapova.size(), b.nizStapova.size(), [&](size_t i, size_t j) {
        const TStap& x = *a.nizStapova[i];
        const TStap& y = *b.nizStapova[j];
        return x.ID() == y.ID() && x.TipStapa() == y.TipStapa() && IsteOpruge(x, y) &&
               IDIli(x.Materijal()) == IDIli(y.Materijal()) && IDIli(x.Presek()) == IDIli(y.Presek()) &&
               IDIli(x.PocetniCvor()) == IDIli(y.PocetniCvor()) && IDIli(x.KrajnjiCvor()) == IDIli(y.KrajnjiCvor());
    });
}

}  // namespace

bool Isti(const TMaterijal& a, const TMaterijal& b) {
    return a.ID() == b.ID() && a.Ime() == b.Ime() && a.E() == b.E() && a.Poasonov() == b.Poasonov() &&
           a.Masa() == b.Masa() && a.AlfaT() == b.AlfaT();
}

bool Isti(const TPresek& a, const TPresek& b) {
    return a.ID() == b.ID() && a.Ime() == b.Ime() && a.I() == b.I() && a.Aaksijalno() == b.Aaksijalno() &&
           a.h() == b.h() && a.k() == b.k();
}

bool Isti(const TCvor& a, const TCvor& b) {
    return a.ID() == b.ID() && a.X() == b.X() && a.Z() == b.Z() && a.OslX() == b.OslX() && a.OslZ() == b.OslZ() &&
           a.UkljY() == b.UkljY() && a.Px() == b.Px() && a.Pz() == b.Pz() && a.MkoncY() == b.MkoncY() &&
           a.BrPomeranjaX() == b.BrPomeranjaX() && a.BrPomeranjaZ() == b.BrPomeranjaZ() &&
           a.BrObrtanjaY() == b.BrObrtanjaY() && a.ZadatoUx() == b.ZadatoUx() && a.ZadatoUz() == b.ZadatoUz() &&
           a.ZadatoFiy() == b.ZadatoFiy() && a.Kx() == b.Kx() && a.Kz() == b.Kz() && a.Kfi() == b.Kfi() &&
           a.Ugao() == b.Ugao();
}

bool Isti(const TOpterecenje& a, const TOpterecenje& b) {
    return a.ID() == b.ID() && a.Ime() == b.Ime() && a.Tip() == b.Tip() && a.IDStapa() == b.IDStapa() &&
           a.KoncentrisanaSila() == b.KoncentrisanaSila() &&
           a.PozicijaKoncentrisaneSile() == b.PozicijaKoncentrisaneSile() &&
           a.KoncentrisaniMoment() == b.KoncentrisaniMoment() &&
           a.PozicijaKoncentrisanogMomenta() == b.PozicijaKoncentrisanogMomenta() &&
           a.RaspodeljenoOpterecenje() == b.RaspodeljenoOpterecenje() &&
           a.PocetakRaspodeljenog() == b.PocetakRaspodeljenog() && a.KrajRaspodeljenog() == b.KrajRaspodeljenog() &&
           a.TemperaturnaPromena() == b.TemperaturnaPromena() && a.TemperaturnaRazlika() == b.TemperaturnaRazlika() &&
           a.KoncentrisanaSilaUPravcuOse() == b.KoncentrisanaSilaUPravcuOse() &&
           a.PozicijaKoncentrisaneSileUPravcuOse() == b.PozicijaKoncentrisaneSileUPravcuOse() &&
           a.RaspodeljenoOpterecenjeUPravcuOse() == b.RaspodeljenoOpterecenjeUPravcuOse() &&
           a.PocetakRaspodeljenogUPravcuOse() == b.PocetakRaspodeljenogUPravcuOse() &&
           a.KrajRaspodeljenogUPravcuOse() == b.KrajRaspodeljenogUPravcuOse();
}

TIzmena RazlikaModela(const TModel& pre, const TModel& posle) {
    TIzmena izmena;
    int brojJednih = 0, id = -1;
    auto zabelezi = [&](unsigned deo, const TRazlikaListe& r, const auto& listaPre, const auto& listaPosle) {
        if (!r.razlikuju) return;
        izmena.delovi |= deo;
        const auto& lista = r.uPre ? listaPre : listaPosle;
        brojJednih += r.jedan >= 0 ? 1 : 2;
        if (r.jedan >= 0) id = lista[static_cast<size_t>(r.jedan)]->ID();
    };
    zabelezi(ddMaterijali, UporediEntitete(pre.nizMaterijala, posle.nizMaterijala), pre.nizMaterijala,
             posle.nizMaterijala);
    zabelezi(ddPreseci, UporediEntitete(pre.nizPreseka, posle.nizPreseka), pre.nizPreseka, posle.nizPreseka);
    zabelezi(ddCvorovi, UporediEntitete(pre.nizCvorova, posle.nizCvorova), pre.nizCvorova, posle.nizCvorova);
    zabelezi(ddStapovi, UporediStapove(pre, posle), pre.nizStapova, posle.nizStapova);
    zabelezi(ddOpterecenja, UporediEntitete(pre.nizOpterecenja, posle.nizOpterecenja), pre.nizOpterecenja,
             posle.nizOpterecenja);
    if (pre.minRastojanjeCvorova != posle.minRastojanjeCvorova) izmena.delovi |= ddCvorovi, brojJednih += 2;
    if (!(pre.opcijeAnalize == posle.opcijeAnalize)) izmena.delovi |= ddOpcijeAnalize, brojJednih += 2;
    // Repeated IDs can hide a member moved to another entity of the same ID.
    if (izmena.delovi == 0 && !IstiModeli(pre, posle)) izmena.delovi |= ddStapovi, brojJednih += 2;
    if (brojJednih == 1) izmena.id = id;
    return izmena;
}

std::unique_ptr<TModel> KopirajModel(const TModel& model) {
    auto kopija = std::make_unique<TModel>();
    kopija->minRastojanjeCvorova = model.minRastojanjeCvorova;
    kopija->opcijeAnalize = model.opcijeAnalize;
    KopirajListu(model.nizMaterijala, kopija->nizMaterijala);
    KopirajListu(model.nizPreseka, kopija->nizPreseka);
    KopirajListu(model.nizCvorova, kopija->nizCvorova);
    KopirajListu(model.nizOpterecenja, kopija->nizOpterecenja);
    const auto materijali = Pozicije(model.nizMaterijala);
    const auto preseci = Pozicije(model.nizPreseka);
    const auto cvorovi = Pozicije(model.nizCvorova);
    kopija->nizStapova.reserve(model.nizStapova.size());
    for (const auto& s : model.nizStapova) {
        kopija->nizStapova.push_back(std::make_unique<TStap>(
            s->ID(), NaPoziciji(kopija->nizMaterijala, Pozicija(materijali, s->Materijal())),
            NaPoziciji(kopija->nizPreseka, Pozicija(preseci, s->Presek())),
            NaPoziciji(kopija->nizCvorova, Pozicija(cvorovi, s->PocetniCvor())),
            NaPoziciji(kopija->nizCvorova, Pozicija(cvorovi, s->KrajnjiCvor())), s->TipStapa()));
        for (bool naPocetku : {true, false}) kopija->nizStapova.back()->SetOpruga(naPocetku, s->Opruga(naPocetku));
    }
    return kopija;
}

void PrepisiModel(const TModel& izvor, TModel& cilj) {
    if (&izvor == &cilj) return;
    auto kopija = KopirajModel(izvor);
    // Members go first, so no reference outlives its target even for a moment.
    cilj.Isprazni();
    cilj.nizMaterijala = std::move(kopija->nizMaterijala);
    cilj.nizPreseka = std::move(kopija->nizPreseka);
    cilj.nizCvorova = std::move(kopija->nizCvorova);
    cilj.nizStapova = std::move(kopija->nizStapova);
    cilj.nizOpterecenja = std::move(kopija->nizOpterecenja);
    cilj.minRastojanjeCvorova = kopija->minRastojanjeCvorova;
    cilj.opcijeAnalize = kopija->opcijeAnalize;
}

bool IstiModeli(const TModel& a, const TModel& b) {
    if (a.minRastojanjeCvorova != b.minRastojanjeCvorova || !(a.opcijeAnalize == b.opcijeAnalize) ||
        !IsteListe(a.nizMaterijala, b.nizMaterijala) || !IsteListe(a.nizPreseka, b.nizPreseka) ||
        !IsteListe(a.nizCvorova, b.nizCvorova) || !IsteListe(a.nizOpterecenja, b.nizOpterecenja) ||
        a.nizStapova.size() != b.nizStapova.size())
        return false;
    const auto ma = Pozicije(a.nizMaterijala), mb = Pozicije(b.nizMaterijala);
    const auto pa = Pozicije(a.nizPreseka), pb = Pozicije(b.nizPreseka);
    const auto ca = Pozicije(a.nizCvorova), cb = Pozicije(b.nizCvorova);
    for (size_t i = 0; i < a.nizStapova.size(); ++i) {
        const TStap& x = *a.nizStapova[i];
        const TStap& y = *b.nizStapova[i];
        if (x.ID() != y.ID() || x.TipStapa() != y.TipStapa() || !IsteOpruge(x, y) ||
            Pozicija(ma, x.Materijal()) != Pozicija(mb, y.Materijal()) ||
            Pozicija(pa, x.Presek()) != Pozicija(pb, y.Presek()) ||
            Pozicija(ca, x.PocetniCvor()) != Pozicija(cb, y.PocetniCvor()) ||
            Pozicija(ca, x.KrajnjiCvor()) != Pozicija(cb, y.KrajnjiCvor()))
            return false;
    }
    return true;
}

size_t BrojEntiteta(const TModel& model) {
    return model.nizMaterijala.size() + model.nizPreseka.size() + model.nizCvorova.size() + model.nizStapova.size() +
           model.nizOpterecenja.size();
}
