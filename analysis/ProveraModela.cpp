#include "ProveraModela.h"

#include "Model.h"
#include "Proracun.h"
#include "TipoviStapa.h"

namespace {

// The name of the member type with the end at the given side made rigid or hinged, the other end
// as it is.
const char* TipSaKrajem(int tip, bool naPocetku, bool krut) {
    const bool pocetak = naPocetku ? krut : KrajKrut(tip, true);
    const bool kraj = naPocetku ? KrajKrut(tip, false) : krut;
    return TipSaKrajevima(pocetak, kraj).ime;
}

bool PocinjeU(const TStap& st, const TCvor& c) { return st.PocetniCvor() && st.PocetniCvor()->ID() == c.ID(); }

std::string Navodnik(const char* tip) { return std::string("\"") + tip + "\""; }

// The first node at a free end: it needs a support, and a clamp exactly when the end is rigid.
bool OsloniKraj(const TCvor& c, const TKrajeviCvora& e, TUzrokOdbijanja& u) {
    const TStap& st = *e.prviStap;
    const bool pocetak = PocinjeU(st, c);
    const bool krut = KrajKrut(st.TipStapa(), pocetak);
    const std::string cvor = "Cvor " + std::to_string(c.ID());
    const std::string stap = "stapa " + std::to_string(st.ID());
    const std::string zglobni = Navodnik(TipSaKrajem(st.TipStapa(), pocetak, false));
    if (!c.DrziTranslaciju()) {
        u.savet = cvor + " je slobodan kraj " + stap + ": zadajte mu oslonac (Ox ili Oz)" +
                  (krut ? " i ukljestenje (Ofiy), ili oslonac uz zglobni kraj stapa (tip " + zglobni + ")." : ".");
    } else if (krut && !c.UkljY()) {
        u.savet = cvor + ": kraj " + stap +
                  " je tu krut, pa cvor mora biti ukljesten (Ofiy), ili kraj stapa mora biti "
                  "zglobni (tip " +
                  zglobni + ").";
    } else if (!krut && c.UkljY()) {
        u.savet = cvor + ": kraj " + stap +
                  " je tu zglobni, pa cvor ne sme biti ukljesten (Ofiy), ili kraj stapa mora "
                  "biti krut (tip " +
                  Navodnik(TipSaKrajem(st.TipStapa(), pocetak, true)) + ").";
    } else {
        return false;
    }
    u.idCvora = c.ID();
    return true;
}

}  // namespace

TUzrokOdbijanja UzrokOdbijanja(const TModel& model) {
    TUzrokOdbijanja u;
    u.poruka = PrvaGreskaProvere(model);
    if (u.poruka.empty()) return u;
    if (model.nizCvorova.size() < 2) {
        u.savet = "Sistem mora imati najmanje dva cvora.";
        return u;
    }
    if (model.nizStapova.empty()) {
        u.savet = "Sistem mora imati najmanje jedan stap izmedju dva cvora.";
        return u;
    }
    const TKrajeviCvorova krajevi = KrajeviCvorova(model);
    auto krajeviCvora = [&](const TCvor& c) { return KrajeviCvora(krajevi, c); };
    // The checks in the order the analysis runs them; the first that refuses is the one named.
    for (const auto& c : model.nizCvorova) {
        if (krajeviCvora(*c).prviStap) continue;
        u.idCvora = c->ID();
        u.savet = "Cvor " + std::to_string(c->ID()) + " nije kraj nijednog stapa: povezite ga stapom ili ga obrisite.";
        return u;
    }
    for (const auto& c : model.nizCvorova) {
        const TKrajeviCvora e = krajeviCvora(*c);
        if (e.krutih + e.zglobnih == 1 && OsloniKraj(*c, e, u)) return u;
    }
    for (const auto& c : model.nizCvorova) {
        const TKrajeviCvora e = krajeviCvora(*c);
        if (e.krutih + e.zglobnih < 2 || e.krutih != 1 || ((c->OslX() || c->OslZ()) && c->UkljY())) continue;
        const TStap& st = *e.prviKrut;
        u.idCvora = c->ID();
        u.savet = "Cvor " + std::to_string(c->ID()) + ": tu se krut kraj stapa " + std::to_string(st.ID()) +
                  " sustice sa zglobnim, pa cvor mora imati oslonac (Ox ili Oz) i ukljestenje (Ofiy), ili kraj stapa " +
                  std::to_string(st.ID()) + " mora biti zglobni (tip " +
                  Navodnik(TipSaKrajem(st.TipStapa(), PocinjeU(st, *c), false)) + ").";
        return u;
    }
    return u;
}
