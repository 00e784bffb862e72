#include "ProveraModela.h"

#include <unordered_map>

#include "Model.h"
#include "Proracun.h"

namespace {

bool KrutPocetak(int tip) { return tip == tsK || tip == tsIG; }
bool KrutKraj(int tip) { return tip == tsK || tip == tsGK; }

// The member type with the end at the given side made rigid or hinged, the other end as it is.
const char* TipSaKrajem(int tip, bool naPocetku, bool krut) {
    const bool pocetak = naPocetku ? krut : KrutPocetak(tip);
    const bool kraj = naPocetku ? KrutKraj(tip) : krut;
    return pocetak ? (kraj ? "k" : "ig") : (kraj ? "gk" : "prost");
}

// The member ends meeting at one node.
struct TKrajevi {
    int krutih = 0, zglobnih = 0;
    const TStap* prvi = nullptr;        // first member (list order) with an end there
    const TStap* prviKrut = nullptr;    // first member whose end there is rigid
};

std::unordered_map<int, TKrajevi> KrajeviPoCvoru(const TModel& model) {
    std::unordered_map<int, TKrajevi> k;
    for (const auto& st : model.nizStapova) {
        for (bool pocetak : {true, false}) {
            const TCvor* c = pocetak ? st->PocetniCvor() : st->KrajnjiCvor();
            if (!c) continue;
            TKrajevi& e = k[c->ID()];
            const bool krut = pocetak ? KrutPocetak(st->TipStapa()) : KrutKraj(st->TipStapa());
            (krut ? e.krutih : e.zglobnih)++;
            if (!e.prvi) e.prvi = st.get();
            if (krut && !e.prviKrut) e.prviKrut = st.get();
        }
    }
    return k;
}

bool PocinjeU(const TStap& st, const TCvor& c) { return st.PocetniCvor() && st.PocetniCvor()->ID() == c.ID(); }

std::string Navodnik(const char* tip) { return std::string("\"") + tip + "\""; }

// The first node at a free end: it needs a support, and a clamp exactly when the end is rigid.
bool OsloniKraj(const TCvor& c, const TKrajevi& e, TUzrokOdbijanja& u) {
    const TStap& st = *e.prvi;
    const bool pocetak = PocinjeU(st, c);
    const bool krut = pocetak ? KrutPocetak(st.TipStapa()) : KrutKraj(st.TipStapa());
    const std::string cvor = "Cvor " + std::to_string(c.ID());
    const std::string stap = "stapa " + std::to_string(st.ID());
    const std::string zglobni = Navodnik(TipSaKrajem(st.TipStapa(), pocetak, false));
    if (!c.OslX() && !c.OslZ()) {
        u.savet = cvor + " je slobodan kraj " + stap + ": zadajte mu oslonac (Ox ili Oz)" +
                  (krut ? " i ukljestenje (Ofiy), ili oslonac uz zglobni kraj stapa (tip " + zglobni + ")." : ".");
    } else if (krut && !c.UkljY()) {
        u.savet = cvor + ": kraj " + stap + " je tu krut, pa cvor mora biti ukljesten (Ofiy), ili kraj stapa mora biti "
                  "zglobni (tip " + zglobni + ").";
    } else if (!krut && c.UkljY()) {
        u.savet = cvor + ": kraj " + stap + " je tu zglobni, pa cvor ne sme biti ukljesten (Ofiy), ili kraj stapa mora "
                  "biti krut (tip " + Navodnik(TipSaKrajem(st.TipStapa(), pocetak, true)) + ").";
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
    const auto krajevi = KrajeviPoCvoru(model);
    auto krajeviCvora = [&](const TCvor& c) {
        auto it = krajevi.find(c.ID());
        return it == krajevi.end() ? TKrajevi{} : it->second;
    };
    // The checks in the order the analysis runs them; the first that refuses is the one named.
    for (const auto& c : model.nizCvorova) {
        if (krajeviCvora(*c).prvi) continue;
        u.idCvora = c->ID();
        u.savet = "Cvor " + std::to_string(c->ID()) + " nije kraj nijednog stapa: povezite ga stapom ili ga obrisite.";
        return u;
    }
    for (const auto& c : model.nizCvorova) {
        const TKrajevi e = krajeviCvora(*c);
        if (e.krutih + e.zglobnih == 1 && OsloniKraj(*c, e, u)) return u;
    }
    for (const auto& c : model.nizCvorova) {
        const TKrajevi e = krajeviCvora(*c);
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
