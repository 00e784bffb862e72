#include "UredjivanjeOpterecenja.h"

#include <algorithm>

#include "Greska.h"
#include "PravilaVrednosti.h"

namespace {

bool PoznatTip(int tip) { return !GreskaTipaOpterecenja(tip); }

// Converts the page's fields in order, then checks the positions; the values of forces, moments,
// intensities and temperatures may be anything.
std::array<long double, 4> ProcitajVrednosti(int tip, const TPoljaOpterecenja& polja) {
    std::array<long double, 4> v{};
    const int n = BrojPoljaOpterecenja(tip);
    for (int i = 0; i < n; ++i) v[static_cast<size_t>(i)] = TekstUVrednost(polja[static_cast<size_t>(i)]);
    Proveri(GreskaPozicijaOpterecenja(tip, v.data()));
    return v;
}

void PostaviVrednosti(TOpterecenje& o, int tip, const std::array<long double, 4>& v) {
    switch (tip) {
        case toV:
            o.SetKoncentrisanaSila(v[0]);
            o.SetPozicijaKoncentrisaneSile(v[1]);
            break;
        case toM:
            o.SetKoncentrisaniMoment(v[0]);
            o.SetPozicijaKoncentrisanogMomenta(v[1]);
            break;
        case toPn:
            o.SetRaspodeljenoOpterecenje(v[0]);
            o.SetPocetakRaspodeljenog(v[1]);
            o.SetKrajRaspodeljenog(v[2]);
            break;
        case toT: o.SetTemperaturnaPromena(v[0]); break;
        case toDeltaT: o.SetTemperaturnaRazlika(v[0]); break;
        case toH:
            o.SetKoncentrisanaSilaUPravcuOse(v[0]);
            o.SetPozicijaKoncentrisaneSileUPravcuOse(v[1]);
            break;
        case toPt:
            o.SetRaspodeljenoOpterecenjeUPravcuOse(v[0]);
            o.SetPocetakRaspodeljenogUPravcuOse(v[1]);
            o.SetKrajRaspodeljenogUPravcuOse(v[2]);
            break;
        case toLinearno:
            o.SetRaspodeljenoOpterecenje(v[0]);
            o.SetRaspodeljenoOpterecenjeUPravcuOse(v[1]);
            o.SetPocetakRaspodeljenog(v[2]);
            o.SetKrajRaspodeljenog(v[3]);
            break;
        case toSopstvenaTezina: o.SetRaspodeljenoOpterecenje(v[0]); break;
        default: break;
    }
}

}  // namespace

int BrojPoljaOpterecenja(int tip) {
    switch (tip) {
        case toV:
        case toM:
        case toH: return 2;
        case toPn:
        case toPt: return 3;
        case toT:
        case toDeltaT:
        case toSopstvenaTezina: return 1;
        case toLinearno: return 4;
        default: return 0;
    }
}

std::vector<long double> VrednostiOpterecenja(const TOpterecenje& o) {
    switch (o.Tip()) {
        case toV: return {o.KoncentrisanaSila(), o.PozicijaKoncentrisaneSile()};
        case toM: return {o.KoncentrisaniMoment(), o.PozicijaKoncentrisanogMomenta()};
        case toPn: return {o.RaspodeljenoOpterecenje(), o.PocetakRaspodeljenog(), o.KrajRaspodeljenog()};
        case toT: return {o.TemperaturnaPromena()};
        case toDeltaT: return {o.TemperaturnaRazlika()};
        case toH: return {o.KoncentrisanaSilaUPravcuOse(), o.PozicijaKoncentrisaneSileUPravcuOse()};
        case toPt:
            return {o.RaspodeljenoOpterecenjeUPravcuOse(), o.PocetakRaspodeljenogUPravcuOse(),
                    o.KrajRaspodeljenogUPravcuOse()};
        case toLinearno:
            return {o.RaspodeljenoOpterecenje(), o.RaspodeljenoOpterecenjeUPravcuOse(), o.PocetakRaspodeljenog(),
                    o.KrajRaspodeljenog()};
        case toSopstvenaTezina: return {o.RaspodeljenoOpterecenje()};
        default: return {};
    }
}

bool DodajOpterecenje(TModel& model, int tip, const std::string& ime, const TPoljaOpterecenja& polja) {
    if (!PoznatTip(tip)) return false;
    const int noviID = NoviID(model.nizOpterecenja);
    Proveri(GreskaImenaOpterecenja(ime, true));
    const auto v = ProcitajVrednosti(tip, polja);
    auto o = std::make_unique<TOpterecenje>(noviID, ime, tip, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    PostaviVrednosti(*o, tip, v);
    model.nizOpterecenja.push_back(std::move(o));
    return true;
}

bool PromeniOpterecenje(TModel& model, int izabrano, int tip, const std::string& ime, const TPoljaOpterecenja& polja) {
    TOpterecenje* o = Izabrani(model.nizOpterecenja, izabrano);
    if (!o || !PoznatTip(tip)) return false;
    Proveri(GreskaImenaOpterecenja(ime, false));
    const auto v = ProcitajVrednosti(tip, polja);
    o->SetIme(ime);
    o->SetTip(tip);
    PostaviVrednosti(*o, tip, v);
    return true;
}

bool DodajSopstvenuTezinuSvimStapovima(TModel& model, const std::string& faktor) {
    if (model.nizStapova.empty()) return false;
    const long double f = TekstUVrednost(faktor);
    // All IDs first, so a list that runs out of them is refused before anything is added.
    std::vector<int> id(model.nizStapova.size());
    for (size_t i = 0; i < id.size(); ++i) id[i] = i == 0 ? NoviID(model.nizOpterecenja) : IDPosle(id[i - 1]);
    for (size_t i = 0; i < id.size(); ++i) {
        const TStap& s = *model.nizStapova[i];
        auto o = std::make_unique<TOpterecenje>(id[i], "sopstvena tezina " + std::to_string(s.ID()), toSopstvenaTezina,
                                                s.ID(), 0, 0, 0, 0, f, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        model.nizOpterecenja.push_back(std::move(o));
    }
    return true;
}

bool ObrisiOpterecenje(TModel& model, int izabrano) {
    if (!Izabrani(model.nizOpterecenja, izabrano)) return false;
    model.nizOpterecenja.erase(model.nizOpterecenja.begin() + izabrano);
    return true;
}

bool PridruziOpterecenje(TModel& model, int izabranoOpterecenje, int izabraniStap) {
    TOpterecenje* o = Izabrani(model.nizOpterecenja, izabranoOpterecenje);
    const TStap* s = Izabrani(model.nizStapova, izabraniStap);
    if (!o || !s) return false;
    if (const TStap* nosilac = NadjiStap(model, o->IDStapa()))
        throw TGreska("Selektovano opterecenje je pridruzeno stapu ID=" + std::to_string(nosilac->ID()) +
                      "!!!\r\nPrvo se mora obrisati sa drugog stapa!!!");
    o->SetIDStapa(s->ID());
    return true;
}

int PridruziOpterecenjeStapovima(TModel& model, int izabranoOpterecenje, const std::vector<int>& izabraniStapovi) {
    const TOpterecenje* o = Izabrani(model.nizOpterecenja, izabranoOpterecenje);
    if (!o) return 0;
    std::vector<int> stapovi;
    for (int i : izabraniStapovi) {
        const TStap* s = Izabrani(model.nizStapova, i);
        if (!s || s->ID() == o->IDStapa()) continue;
        if (std::find(stapovi.begin(), stapovi.end(), s->ID()) == stapovi.end()) stapovi.push_back(s->ID());
    }
    if (stapovi.empty()) return 0;
    const bool slobodno = !NadjiStap(model, o->IDStapa());
    const size_t kopija = stapovi.size() - (slobodno ? 1 : 0);
    // All IDs first, so a list that runs out of them is refused before anything is changed.
    std::vector<int> id(kopija);
    for (size_t i = 0; i < kopija; ++i) id[i] = i == 0 ? NoviID(model.nizOpterecenja) : IDPosle(id[i - 1]);
    const TOpterecenje uzor = *o;
    if (slobodno) model.nizOpterecenja[static_cast<size_t>(izabranoOpterecenje)]->SetIDStapa(stapovi[0]);
    for (size_t i = 0; i < kopija; ++i) {
        auto k = std::make_unique<TOpterecenje>(uzor);
        k->SetID(id[i]);
        k->SetIDStapa(stapovi[i + (slobodno ? 1 : 0)]);
        model.nizOpterecenja.push_back(std::move(k));
    }
    return static_cast<int>(stapovi.size());
}

bool UkloniOpterecenjeSaStapa(TModel& model, int izabranoOpterecenje, int izabraniStap) {
    TOpterecenje* o = Izabrani(model.nizOpterecenja, izabranoOpterecenje);
    const TStap* s = Izabrani(model.nizStapova, izabraniStap);
    if (!o || !s) return false;
    if (o->IDStapa() != s->ID()) throw TGreska("Selektovano opterecenje nije pridruzeno selektovanom stapu!!!");
    o->SetIDStapa(-1);
    return true;
}

std::vector<std::string> SpisakOpterecenjaStapa(const TModel& model, int izabraniStap) {
    std::vector<std::string> s;
    const TStap* stap = Izabrani(model.nizStapova, izabraniStap);
    if (!stap) return s;
    for (const auto& o : model.nizOpterecenja)
        if (o->IDStapa() == stap->ID()) s.push_back(o->Ime());
    return s;
}

bool PostaviSmicanjeUOpterecenju(TModel& model, bool ukljuceno) {
    if (model.opcijeAnalize.smicanjeUOpterecenju == ukljuceno) return false;
    model.opcijeAnalize.smicanjeUOpterecenju = ukljuceno;
    return true;
}
