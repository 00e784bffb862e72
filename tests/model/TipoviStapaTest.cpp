#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "Model.h"
#include "PravilaVrednosti.h"
#include "TipoviStapa.h"

namespace {

// A local degree of freedom written as the tables of the member types write it: node (i start,
// k end) and direction (X, Z, Y for the rotation).
std::string Zapis(const TStepenSlobode& d) {
    const char* pravac = d.pravac == TPravacCvora::X ? "X" : d.pravac == TPravacCvora::Z ? "Z" : "Y";
    return std::string(d.naPocetku ? "i" : "k") + pravac;
}

std::string Raspored(const TOsobineTipa& t) {
    std::string s;
    for (int a = 0; a < t.brojStepeni; ++a) s += (a ? " " : "") + Zapis(t.stepeni[static_cast<size_t>(a)]);
    return s;
}

}  // namespace

TEST(TipoviStapa, EachTypeHasItsNameEndsAndLocalOrder) {
    struct TSlucaj {
        int tip;
        const char* ime;
        const char* natpis;
        bool krutPocetak, krutKraj;
        int n;
        const char* raspored;
        TMestaStapa mesta;  // u1 w1 fi1 u2 w2 fi2
    };
    const TSlucaj slucajevi[] = {
        {tsK, "k", "Stap tipa k", true, true, 6, "iX iZ iY kX kZ kY", {1, 2, 3, 4, 5, 6}},
        {tsIG, "ig", "Stap tipa ig", true, false, 5, "iX iZ iY kX kZ", {1, 2, 3, 4, 5, 0}},
        {tsGK, "gk", "Stap tipa gk", false, true, 5, "iX iZ kX kZ kY", {1, 2, 0, 3, 4, 5}},
        {tsProst, "prost", "Prost stap", false, false, 4, "iX iZ kX kZ", {1, 2, 0, 3, 4, 0}},
    };
    ASSERT_EQ(TipoviStapa().size(), std::size(slucajevi));
    for (const TSlucaj& s : slucajevi) {
        SCOPED_TRACE(s.ime);
        const TOsobineTipa* t = OsobineTipa(s.tip);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t, &TipoviStapa()[static_cast<size_t>(s.tip)]);
        EXPECT_EQ(t->tip, s.tip);
        EXPECT_STREQ(t->ime, s.ime);
        EXPECT_STREQ(ImeTipaStapa(s.tip), s.ime);
        EXPECT_STREQ(t->natpis, s.natpis);
        EXPECT_EQ(t->krutPocetak, s.krutPocetak);
        EXPECT_EQ(t->krutKraj, s.krutKraj);
        EXPECT_EQ(KrajKrut(s.tip, true), s.krutPocetak);
        EXPECT_EQ(KrajKrut(s.tip, false), s.krutKraj);
        EXPECT_EQ(KrajZglobni(s.tip, true), !s.krutPocetak);
        EXPECT_EQ(KrajZglobni(s.tip, false), !s.krutKraj);
        // A hinged end has no rotation of its own in the member: it is condensed out.
        EXPECT_EQ(t->RotacijaKondenzovana(true), !s.krutPocetak);
        EXPECT_EQ(t->RotacijaKondenzovana(false), !s.krutKraj);
        EXPECT_EQ(t->brojStepeni, s.n);
        EXPECT_EQ(Raspored(*t), s.raspored);
        const TMestaStapa m = t->Mesta();
        EXPECT_EQ(m.u1, s.mesta.u1);
        EXPECT_EQ(m.w1, s.mesta.w1);
        EXPECT_EQ(m.fi1, s.mesta.fi1);
        EXPECT_EQ(m.u2, s.mesta.u2);
        EXPECT_EQ(m.w2, s.mesta.w2);
        EXPECT_EQ(m.fi2, s.mesta.fi2);
        EXPECT_EQ(&TipSaKrajevima(s.krutPocetak, s.krutKraj), t);
    }
}

TEST(TipoviStapa, UnknownCodesHaveNoTraitsAndAreRefusedNamingEveryType) {
    for (int tip : {-1, 4, 5, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(tip);
        EXPECT_EQ(OsobineTipa(tip), nullptr);
        EXPECT_STREQ(ImeTipaStapa(tip), "");
        for (bool naPocetku : {true, false}) {
            EXPECT_FALSE(KrajKrut(tip, naPocetku));
            EXPECT_FALSE(KrajZglobni(tip, naPocetku));
        }
        EXPECT_STREQ(GreskaTipaStapa(tip), "Tip stapa mora biti 0 (k), 1 (ig), 2 (gk) ili 3 (prost)!!!");
    }
    for (int tip = tsK; tip <= tsProst; ++tip) EXPECT_EQ(GreskaTipaStapa(tip), nullptr);
}

TEST(TipoviStapa, NodeCodeNumbersByDirection) {
    const TCvor c(0, 0, 0, false, false, false, 0, 0, 0, 0, 0, 0, 7, 8, 9, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(KodniBroj(c, TPravacCvora::X), 7);
    EXPECT_EQ(KodniBroj(c, TPravacCvora::Z), 8);
    EXPECT_EQ(KodniBroj(c, TPravacCvora::Obrtanje), 9);
}

namespace {

struct TMrezaKrajeva {
    TModel m;
    TMrezaKrajeva() {
        m.nizMaterijala.push_back(std::make_unique<TMaterijal>(0, "mat", 2e8L, 0.3L, 0, 1e-5L));
        m.nizPreseka.push_back(std::make_unique<TPresek>(0, "pres", 1e-4L, 1e-2L, 0.3L, 0));
    }
    TCvor* Cvor() {
        const TKodniBrojeviCvora kb = KodniBrojeviNovogCvora(m);
        m.nizCvorova.push_back(std::make_unique<TCvor>(NoviID(m.nizCvorova), 0, 0, false, false, false, 0, 0, 0, 0, 0,
                                                       0, kb.x, kb.z, kb.y, 0, 0, 0, 0, 0, 0));
        return m.nizCvorova.back().get();
    }
    TStap* Stap(TCvor* a, TCvor* b, int tip) {
        m.nizStapova.push_back(
            std::make_unique<TStap>(NoviID(m.nizStapova), m.nizMaterijala[0].get(), m.nizPreseka[0].get(), a, b, tip));
        return m.nizStapova.back().get();
    }
};

}  // namespace

TEST(KrajeviCvorova, CountsRigidAndHingedEndsAndTheFirstMembersThere) {
    TMrezaKrajeva g;
    TCvor* c = g.Cvor();  // one rigid end meets two hinged ones here
    TCvor* a = g.Cvor();
    TCvor* b = g.Cvor();
    TCvor* d = g.Cvor();
    TCvor* samotan = g.Cvor();
    TStap* prvi = g.Stap(a, c, tsIG);  // hinged at its end, c
    TStap* krut = g.Stap(c, b, tsIG);  // rigid at its start, c
    g.Stap(d, c, tsProst);             // hinged at c
    g.Stap(a, b, tsK);                 // rigid at both a and b
    g.Stap(d, b, 5);                   // an unknown type counts as hinged
    g.Stap(nullptr, d, tsGK);          // a missing node is skipped, the other end still counts
    const TKrajeviCvorova krajevi = KrajeviCvorova(g.m);

    struct TSlucaj {
        const TCvor* cvor;
        int krutih, zglobnih;
        const TStap* prviStap;
        const TStap* prviKrut;
    };
    const TSlucaj slucajevi[] = {
        {c, 1, 2, prvi, krut},
        {a, 2, 0, prvi, prvi},
        {b, 1, 2, krut, g.m.nizStapova[3].get()},
        {d, 1, 2, g.m.nizStapova[2].get(), g.m.nizStapova[5].get()},
        {samotan, 0, 0, nullptr, nullptr},
    };
    for (const TSlucaj& s : slucajevi) {
        SCOPED_TRACE("node " + std::to_string(s.cvor->ID()));
        const TKrajeviCvora k = KrajeviCvora(krajevi, *s.cvor);
        EXPECT_EQ(k.krutih, s.krutih);
        EXPECT_EQ(k.zglobnih, s.zglobnih);
        EXPECT_EQ(k.Ukupno(), s.krutih + s.zglobnih);
        EXPECT_EQ(k.prviStap, s.prviStap);
        EXPECT_EQ(k.prviKrut, s.prviKrut);
    }
    EXPECT_EQ(krajevi.count(samotan->ID()), 0u);
    EXPECT_EQ(krajevi.size(), 4u);
}
