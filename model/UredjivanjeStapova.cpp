#include "UredjivanjeStapova.h"

#include "Greska.h"
#include "PravilaVrednosti.h"

namespace {

struct TIzabrano {
    TMaterijal* materijal;
    TPresek* presek;
    TCvor* pocetni;
    TCvor* krajnji;
};

bool Uzmi(const TModel& model, const TIzborStapa& izbor, TIzabrano& iz) {
    iz = {Izabrani(model.nizMaterijala, izbor.materijal), Izabrani(model.nizPreseka, izbor.presek),
          Izabrani(model.nizCvorova, izbor.pocetniCvor), Izabrani(model.nizCvorova, izbor.krajnjiCvor)};
    return iz.materijal && iz.presek && iz.pocetni && iz.krajnji && !GreskaTipaStapa(izbor.tip);
}

bool SpajaCvorove(const TStap& s, const TCvor& a, const TCvor& b) {
    if (!s.PocetniCvor() || !s.KrajnjiCvor()) return false;
    const int p = s.PocetniCvor()->ID(), k = s.KrajnjiCvor()->ID();
    return (p == a.ID() && k == b.ID()) || (p == b.ID() && k == a.ID());
}

}  // namespace

void ProveriMaterijalIPresekZaStap(const TModel& model) {
    if (model.nizMaterijala.empty())
        throw TGreska("Prvo morate dodati materijal u spisak da bi mogli dodati stap!!!");
    if (model.nizPreseka.empty())
        throw TGreska("Prvo morate dodati poprecni presek u spisak da bi mogli dodati stap!!!");
}

bool DodajStap(TModel& model, const TIzborStapa& izbor) {
    if (model.nizMaterijala.empty() || model.nizPreseka.empty() || model.nizCvorova.size() < 2) return false;
    const int noviID = NoviID(model.nizStapova);
    TIzabrano iz{};
    if (!Uzmi(model, izbor, iz)) return false;
    if (izbor.pocetniCvor == izbor.krajnjiCvor) Proveri(GreskaIstihCvorova(0, 0));
    Proveri(GreskaIstihCvorova(iz.pocetni->ID(), iz.krajnji->ID()));
    for (const auto& s : model.nizStapova)
        if (SpajaCvorove(*s, *iz.pocetni, *iz.krajnji)) throw TGreska(PorukaStapPrekoStapa);
    model.nizStapova.push_back(
        std::make_unique<TStap>(noviID, iz.materijal, iz.presek, iz.pocetni, iz.krajnji, izbor.tip));
    return true;
}

bool PromeniStap(TModel& model, int izabrani, const TIzborStapa& izbor) {
    if (model.nizStapova.empty()) throw TGreska("Prvo morate dodati stap u spisak da bi ga mogli menjati!!!");
    TStap* menjani = Izabrani(model.nizStapova, izabrani);
    TIzabrano iz{};
    if (!menjani || !Uzmi(model, izbor, iz)) return false;
    if (izbor.pocetniCvor == izbor.krajnjiCvor) Proveri(GreskaIstihCvorova(0, 0));
    Proveri(GreskaIstihCvorova(iz.pocetni->ID(), iz.krajnji->ID()));
    bool parZauzet = false;
    for (const auto& s : model.nizStapova)
        if (SpajaCvorove(*s, *iz.pocetni, *iz.krajnji)) parZauzet = true;
    menjani->SetMaterijal(iz.materijal);
    menjani->SetPresek(iz.presek);
    menjani->SetTipStapa(izbor.tip);
    // A spring belongs to a rigid end: one that the new type hinges loses it.
    for (bool naPocetku : {true, false})
        if (!KrajKrut(izbor.tip, naPocetku)) menjani->SetOpruga(naPocetku, 0);
    if (!parZauzet) {
        menjani->SetPocetniCvor(iz.pocetni);
        menjani->SetKrajnjiCvor(iz.krajnji);
    }
    return true;
}

bool ObrisiStap(TModel& model, int izabrani) {
    const TStap* s = Izabrani(model.nizStapova, izabrani);
    if (!s) return false;
    for (const auto& o : model.nizOpterecenja)
        if (o->IDStapa() == s->ID()) o->SetIDStapa(-1);
    model.nizStapova.erase(model.nizStapova.begin() + izabrani);
    return true;
}

TIzborStapa IzborZaStap(const TModel& model, const TStap& s) {
    TIzborStapa iz;
    if (s.Materijal()) iz.materijal = IndeksPoID(model.nizMaterijala, s.Materijal()->ID());
    if (s.Presek()) iz.presek = IndeksPoID(model.nizPreseka, s.Presek()->ID());
    if (s.PocetniCvor()) iz.pocetniCvor = IndeksPoID(model.nizCvorova, s.PocetniCvor()->ID());
    if (s.KrajnjiCvor()) iz.krajnjiCvor = IndeksPoID(model.nizCvorova, s.KrajnjiCvor()->ID());
    iz.tip = s.TipStapa();
    return iz;
}

bool PostaviOprugeStapa(TModel& model, int izabrani, const std::string& pocetak, const std::string& kraj) {
    TStap* s = Izabrani(model.nizStapova, izabrani);
    if (!s) return false;
    long double v[2] = {0, 0};
    const std::string* tekst[2] = {&pocetak, &kraj};
    for (int i = 0; i < 2; ++i) {
        if (tekst[i]->find_first_not_of(" \t") == std::string::npos) continue;  // no spring
        if (!KrajKrut(s->TipStapa(), i == 0)) throw TGreska(PorukaOprugeNaZglobu);
        v[i] = TekstUVrednost(*tekst[i]);
        Proveri(GreskaOpruge(v[i]));
    }
    s->SetOpruga(true, v[0]);
    s->SetOpruga(false, v[1]);
    return true;
}
