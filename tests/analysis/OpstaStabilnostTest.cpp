// Structures that the rules for supports refuse but a regular Kss carries: free ends, overhangs,
// a single rigid end among hinged ones. Every number is checked against beam theory or statics.
#include <gtest/gtest.h>

#include <cmath>

#include "Mehanizam.h"
#include "ProracunPomocTest.h"
#include "SileStapa.h"

namespace {

const long double L = 4, P = 12;

// With the option on; the run as the window makes it.
struct TOpsta {
    TStanjeAnalize stanje;
    TPosmatracBezEkrana posmatrac;
    TRezultatProracuna rezultat;
    TOpsta(TModel& m, TPutanjaResavanja put = TPutanjaResavanja::Automatska) : posmatrac(m, stanje) {
        m.opcijeAnalize.opstaStabilnost = true;
        posmatrac.datumVreme = "DT";
        stanje.zahtevanaPutanja = put;
        rezultat = PokreniAnalizu(m, stanje, posmatrac);
    }
};

// A cantilever of span L along X clamped at node 0, with the given shear coefficient.
TGraditeljModela Konzola(long double k = 0) {
    TGraditeljModela g(E, 0.3L, 1e-5L, I, A, 0.3L, k);
    g.Cvor(0, 0, true, true, true);
    TCvor* vrh = g.Cvor(L, 0);
    g.Stap(g.m.nizCvorova[0].get(), vrh, tsK);
    return g;
}

// The end moment of member `i` at its start (local order) and end.
long double MomentNaPocetku(const TModel& m, const TStanjeAnalize& st, size_t i) {
    return IzracunajSileStapa(m, st, *m.nizStapova[i]).RL.Elem(1, 3);
}

const std::vector<TPutanjaResavanja> Putanje = {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka};

}  // namespace

TEST(OpstaStabilnost, CantileverTipForceMatchesBeamTheoryWithAndWithoutShear) {
    for (auto put : Putanje)
        for (long double k : {0.0L, 1.2L}) {
            TGraditeljModela g = Konzola(k);
            TCvor* vrh = g.m.nizCvorova[1].get();
            vrh->SetPz(P);
            TOpsta r(g.m, put);
            ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
            const long double G = E / (2 * (1 + 0.3L));
            // Bending plus shear, w = PL^3/3EI + kPL/GA; the rotation knows nothing of shear.
            EXPECT_TRUE(Blizu(vrh->Uz(), P * L * L * L / (3 * EI) + k * P * L / (G * A)));
            // A rotation turns X towards Z, so the tip turns as its deflection grows.
            EXPECT_TRUE(Blizu(vrh->Fiy(), P * L * L / (2 * EI)));
            EXPECT_TRUE(Blizu(vrh->Ux(), 0));
            const TCvor& uk = *g.m.nizCvorova[0];
            EXPECT_TRUE(Blizu(uk.Rz(), -P));
            EXPECT_TRUE(Blizu(uk.MukljY(), -P * L));
            // The tip's rotation is an unknown of its own, the clamp's three are known.
            EXPECT_EQ(*r.stanje.nizKodnihBrojevaNepoznatihPomeranja, (std::vector<int>{4, 5, 6}));
            EXPECT_EQ(*r.stanje.nizKodnihBrojevaPoznatihPomeranja, (std::vector<int>{1, 2, 3}));
        }
}

TEST(OpstaStabilnost, CantileverUnderUniformLoadAndTipMoment) {
    for (auto put : Putanje) {
        const long double q = 7;
        TGraditeljModela g = Konzola();
        g.Opt(2, 0, q);
        TOpsta r(g.m, put);
        ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
        const TCvor& vrh = *g.m.nizCvorova[1];
        EXPECT_TRUE(Blizu(std::fabs(vrh.Uz()), q * L * L * L * L / (8 * EI)));
        EXPECT_TRUE(Blizu(std::fabs(vrh.Fiy()), q * L * L * L / (6 * EI)));
        EXPECT_TRUE(Blizu(std::fabs(g.m.nizCvorova[0]->MukljY()), q * L * L / 2));
    }
    // A moment at the tip bends the cantilever into a circle: phi = ML/EI, w = ML^2/2EI.
    TGraditeljModela g = Konzola();
    g.m.nizCvorova[1]->SetMkoncY(5);
    TOpsta r(g.m);
    ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh);
    EXPECT_TRUE(Blizu(std::fabs(g.m.nizCvorova[1]->Fiy()), 5 * L / EI));
    EXPECT_TRUE(Blizu(std::fabs(g.m.nizCvorova[1]->Uz()), 5 * L * L / (2 * EI)));
}

TEST(OpstaStabilnost, OverhangingBeamReactionsAndHoggingMoment) {
    // Pin at 0, roller at L, a free overhang of length a loaded at its end.
    for (auto put : Putanje)
        for (long double a : {1.0L, 2.5L}) {
            TGraditeljModela g;
            TCvor* c0 = g.Cvor(0, 0, true, true);
            TCvor* c1 = g.Cvor(L, 0, false, true);
            TCvor* c2 = g.Cvor(L + a, 0);
            g.Stap(c0, c1, tsK);
            g.Stap(c1, c2, tsK);
            c2->SetPz(P);
            TOpsta r(g.m, put);
            ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
            EXPECT_TRUE(Blizu(c1->Rz(), -P * (L + a) / L));
            EXPECT_TRUE(Blizu(c0->Rz(), P * a / L));
            EXPECT_TRUE(Blizu(c0->Rx(), 0));
            // Over the roller the overhang hogs with Pa; the pinned end carries none.
            EXPECT_TRUE(Blizu(std::fabs(MomentNaPocetku(g.m, r.stanje, 1)), P * a));
            EXPECT_TRUE(Blizu(MomentNaPocetku(g.m, r.stanje, 0), 0, 1e-9L, 1e-9L));
            // Tip: the overhang's own cantilever deflection plus the span's end rotation times a,
            // w = P a^2 (L + a) / 3EI.
            EXPECT_TRUE(Blizu(std::fabs(c2->Uz()), P * a * a * (L + a) / (3 * EI)));
        }
}

TEST(OpstaStabilnost, FrameWithCantileverEaveBalancesByStatics) {
    const long double H = 3, c = 1.5;
    TGraditeljModela g;
    TCvor* c0 = g.Cvor(0, 0, true, true, true);
    TCvor* c1 = g.Cvor(0, H);
    TCvor* c2 = g.Cvor(L, H);
    TCvor* c3 = g.Cvor(L, 0, true, true, true);
    TCvor* c4 = g.Cvor(L + c, H);
    g.Stap(c0, c1, tsK);
    g.Stap(c1, c2, tsK);
    g.Stap(c3, c2, tsK);
    g.Stap(c2, c4, tsK);
    c4->SetPz(P);
    TOpsta r(g.m);
    ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
    EXPECT_TRUE(Blizu(c0->Rz() + c3->Rz(), -P));
    EXPECT_TRUE(Blizu(c0->Rx() + c3->Rx(), 0, 1e-9L, 1e-9L));
    // The eave is statically determinate: Pc at its root, P across it, nothing along it.
    const TSileStapa strehe = IzracunajSileStapa(g.m, r.stanje, *g.m.nizStapova[3]);
    EXPECT_TRUE(Blizu(std::fabs(strehe.RL.Elem(1, 3)), P * c));
    EXPECT_TRUE(Blizu(std::fabs(strehe.RL.Elem(1, 2)), P));
    EXPECT_TRUE(Blizu(strehe.RL.Elem(1, 1), 0, 1e-9L, 1e-9L));
    // Moments about the origin, turning X towards Z: a force Fz at x has x Fz.
    EXPECT_TRUE(Blizu(c0->MukljY() + c3->MukljY() + c3->Rz() * L + P * (L + c), 0, 1e-9L, 1e-9L * P * L));
}

TEST(OpstaStabilnost, SingleRigidEndAmongHingedEndsTurnsWithItsNode) {
    // A cantilever whose tip hangs from a vertical bar: cantilever and bar in parallel, and the
    // tip's rotation is the cantilever's own, 3w/2L.
    const long double H = 2.5, Ab = 2e-4L;
    for (auto put : Putanje) {
        TGraditeljModela g;
        TPresek* sipka = g.Presek(1e-8L, Ab, 0.02L, 0);
        TCvor* c0 = g.Cvor(0, 0, true, true, true);
        TCvor* c1 = g.Cvor(L, 0);
        TCvor* c2 = g.Cvor(L, H, true, true);
        g.Stap(c0, c1, tsK);
        g.Stap(c1, c2, tsProst, nullptr, sipka);
        c1->SetPz(P);
        TOpsta r(g.m, put);
        ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
        const long double kKonzole = 3 * EI / (L * L * L), kSipke = E * Ab / H;
        const long double w = P / (kKonzole + kSipke);
        EXPECT_TRUE(Blizu(c1->Uz(), w));
        EXPECT_TRUE(Blizu(std::fabs(c1->Fiy()), 3 * w / (2 * L)));
        EXPECT_TRUE(Blizu(c2->Rz(), -kSipke * w));
        EXPECT_TRUE(Blizu(c0->Rz(), -kKonzole * w));
    }
}

TEST(OpstaStabilnost, OptionOffKeepsEveryRefusal) {
    struct TSlucaj {
        const char* opis;
        TGraditeljModela g;
        const char* poruka;
    };
    std::vector<TSlucaj> slucajevi;
    slucajevi.push_back({"cantilever", Konzola(), "Oslonci nisu korektno zadati!!!"});
    {
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true, true);
        TCvor* b = g.Cvor(L, 0);
        TCvor* c = g.Cvor(L, 3, true, true);
        g.Stap(a, b, tsK);
        g.Stap(b, c, tsProst);
        slucajevi.push_back({"rigid end among hinged", std::move(g),
                             "Postoje cvorovi sa vise stapova ciji tipovi nisu korektno zadati!!!"});
    }
    for (auto& s : slucajevi) {
        TModel& m = s.g.m;
        EXPECT_EQ(PrvaGreskaProvere(m), s.poruka) << s.opis;
        TPokretanje r(m);
        EXPECT_EQ(r.rezultat.ishod, TIshodProracuna::Odbijen) << s.opis;
        ASSERT_EQ(r.posmatrac.poruke.size(), 1u);
        EXPECT_EQ(r.posmatrac.poruke[0], std::string(s.poruka) + "\r\nNije dopusteno!!!");
        // The option lifts only these two rules: the counts and lone nodes still refuse.
        m.opcijeAnalize.opstaStabilnost = true;
        EXPECT_EQ(PrvaGreskaProvere(m), "") << s.opis;
    }
    TGraditeljModela g = Konzola();
    g.Cvor(9, 9);
    g.m.opcijeAnalize.opstaStabilnost = true;
    EXPECT_EQ(PrvaGreskaProvere(g.m), "Postoje cvorovi bez stapova!!!");
}

TEST(OpstaStabilnost, ClampTickedAloneHoldsOnlyTheRotation) {
    // A cantilever whose tip is "clamped" without Ox or Oz: it still deflects, only without turning,
    // w = PL^3/12EI (the guided cantilever).
    TGraditeljModela g = Konzola();
    TCvor* vrh = g.m.nizCvorova[1].get();
    vrh->SetUkljY(true);
    vrh->SetPz(P);
    TOpsta r(g.m);
    ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
    EXPECT_TRUE(Blizu(vrh->Uz(), P * L * L * L / (12 * EI)));
    EXPECT_EQ(vrh->Fiy(), 0);
}
