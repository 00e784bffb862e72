// Springs and inclined supports together with the general stability rule and the named mechanism:
// a spring can hold what would otherwise move, an inclined roller can leave a motion free, and the
// rule for supports must not change what a support that both rules accept carries.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Mehanizam.h"
#include "ProracunPomocTest.h"
#include "SileStapa.h"

namespace {

struct TRun {
    TStanjeAnalize stanje;
    TPosmatracBezEkrana posmatrac;
    TRezultatProracuna rezultat;
    TRun(TModel& m, bool opsta, TPutanjaResavanja put = TPutanjaResavanja::Automatska) : posmatrac(m, stanje) {
        m.opcijeAnalize.opstaStabilnost = opsta;
        posmatrac.datumVreme = "DT";
        stanje.zahtevanaPutanja = put;
        rezultat = PokreniAnalizu(m, stanje, posmatrac);
    }
};

const std::vector<TPutanjaResavanja> Putanje = {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka};

long double KrajnjaSila(const TModel& m, const TStanjeAnalize& st, size_t stap, int red) {
    return IzracunajSileStapa(m, st, *m.nizStapova[stap]).RL.Elem(1, red);
}

}  // namespace

// ------------------------------------------------------------------------------------------------
// Mechanisms

TEST(OprugeIStabilnost, InclinedRollerAlongTheBarLeavesItFreeToSwing) {
    // A bar on a pin whose other end sits on a roller turned a quarter turn: the roller now holds
    // only along the bar, so the end swings about the pin across it, whichever way it is turned.
    for (bool opsta : {false, true})
        for (const long double ugao : {90.0L, -90.0L, 270.0L})
            for (auto put : Putanje) {
                TGraditeljModela g;
                TCvor* a = g.Cvor(0, 0, true, true);
                TCvor* b = g.Cvor(5, 0, false, true);
                b->SetUgao(ugao);
                g.Stap(a, b, tsProst);
                b->SetPz(-3);
                TRun r(g.m, opsta, put);
                ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Greska) << opsta;
                EXPECT_EQ(r.posmatrac.poruke.at(0), PorukaLabilanSistem);
                ASSERT_TRUE(r.rezultat.mehanizam);
                // Only the roller's node moves, and only in its one free direction.
                ASSERT_EQ(r.rezultat.mehanizam->cvorovi.size(), 1u);
                EXPECT_EQ(r.rezultat.mehanizam->cvorovi[0].idCvora, 1);
                EXPECT_EQ(r.rezultat.mehanizam->oblik.size(), 1u);
                EXPECT_NE(r.rezultat.mehanizam->opis.find("cvor 1 pomeranje"), std::string::npos)
                    << r.rezultat.mehanizam->opis;
            }
}

TEST(OprugeIStabilnost, InclinedRollerAcrossTheBarIsStable) {
    // The same bar with the roller turned 30 degrees holds: the roller's normal has a part across the bar.
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(5, 0, false, true);
    b->SetUgao(30);
    g.Stap(a, b, tsProst);
    TRun r(g.m, false);
    EXPECT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
    EXPECT_FALSE(r.rezultat.mehanizam);
}

TEST(OprugeIStabilnost, SpringHoldsWhatWouldBeAMechanism) {
    const long double k = 4000, F = 10, L = 6;
    for (bool opsta : {false, true})
        for (auto put : Putanje) {
            SCOPED_TRACE(opsta);
            {
                // A bar on two rollers with a horizontal spring at one end: the spring takes the whole
                // push, the bar shortens by FL/EA on top of the spring's travel F/k.
                TGraditeljModela g;
                TCvor* a = g.Cvor(0, 0, false, true);
                TCvor* b = g.Cvor(L, 0, false, true);
                b->SetKx(k);
                g.Stap(a, b, tsProst);
                a->SetPx(F);
                TRun r(g.m, opsta, put);
                ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
                EXPECT_TRUE(Blizu(b->Ux(), F / k));
                EXPECT_TRUE(Blizu(a->Ux(), F / k + F * L / EA));
                EXPECT_TRUE(Blizu(b->SilaOprugeX(), -F));
                EXPECT_TRUE(Blizu(a->Rz(), 0));
                EXPECT_TRUE(Blizu(b->Rz(), 0));
                EXPECT_TRUE(Blizu(KrajnjaSila(g.m, r.stanje, 0, 1), F));  // compression pushes the start back
            }
            {
                // The portal hinged at all four corners with a horizontal spring at an eave: it sways
                // by F/k as a parallelogram and nothing else carries anything.
                TGraditeljModela g;
                TCvor* a = g.Cvor(0, 0, true, true);
                TCvor* b = g.Cvor(0, 3);
                TCvor* c = g.Cvor(5, 3);
                TCvor* d = g.Cvor(5, 0, true, true);
                g.Stap(a, b, tsProst);
                g.Stap(b, c, tsProst);
                g.Stap(d, c, tsProst);
                b->SetKx(k);
                c->SetPx(F);
                TRun r(g.m, opsta, put);
                ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
                EXPECT_TRUE(Blizu(b->Ux(), F / k));
                EXPECT_TRUE(Blizu(c->Ux(), F / k + F * 5 / EA));
                EXPECT_TRUE(Blizu(b->SilaOprugeX(), -F));
                for (const TCvor* o : {a, d}) {
                    EXPECT_TRUE(Blizu(o->Rx(), 0));
                    EXPECT_TRUE(Blizu(o->Rz(), 0));
                }
            }
        }
}

TEST(OprugeIStabilnost, RotationalSpringDoesNotHoldATranslation) {
    // A bar on two rollers with a rotational spring still slides along X: the spring is no excuse.
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, false, true);
    TCvor* b = g.Cvor(6, 0, false, true);
    a->SetKfi(100);
    g.Stap(a, b, tsK);
    TRun r(g.m, true);
    ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Greska);
    ASSERT_TRUE(r.rezultat.mehanizam);
    EXPECT_EQ(r.rezultat.mehanizam->opis, "cvor 0 pomeranje X, cvor 1 pomeranje X");
}

// ------------------------------------------------------------------------------------------------
// General stability with springs

TEST(OprugeIStabilnost, CantileverOnARotationalSpring) {
    // A pin with a rotational spring kr and a free tip at L: the base turns by PL/kr and carries the
    // tip along, so the tip adds PL^2/kr to the cantilever's PL^3/3EI and PL/kr to its PL^2/2EI.
    const long double L = 4, P = 12, kr = 3e4;
    for (auto put : Putanje) {
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        a->SetKfi(kr);
        TCvor* b = g.Cvor(L, 0);
        g.Stap(a, b, tsK);
        b->SetPz(P);
        TRun r(g.m, true, put);
        ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
        EXPECT_TRUE(Blizu(b->Uz(), P * L * L * L / (3 * EI) + P * L * L / kr));
        EXPECT_TRUE(Blizu(b->Fiy(), P * L * L / (2 * EI) + P * L / kr));
        EXPECT_TRUE(Blizu(std::fabs(a->Fiy()), P * L / kr));
        EXPECT_TRUE(Blizu(std::fabs(a->MomentOpruge()), P * L));
        EXPECT_TRUE(Blizu(a->Rz(), -P));
        EXPECT_TRUE(Blizu(a->MukljY(), 0));  // the pin holds no moment: the spring does
        EXPECT_TRUE(Blizu(std::fabs(KrajnjaSila(g.m, r.stanje, 0, 3)), P * L));
    }
}

TEST(OprugeIStabilnost, PinAndVerticalSpringWithAFreeOverhang) {
    // Span L from a pin to a vertical spring k, then an overhang c to a free tip loaded by P.
    // Statics: the spring carries P(L+c)/L, the pin P c/L the other way, the moment over the spring
    // is Pc. The tip drops by the rigid rotation through the spring's settlement plus the bending
    // of an overhanging beam, P c^2 (L+c) / 3EI.
    const long double L = 6, c = 2, k = 8000, P = 9;
    for (auto put : Putanje) {
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(L, 0);
        b->SetKz(k);
        TCvor* v = g.Cvor(L + c, 0);
        g.Stap(a, b, tsK);
        g.Stap(b, v, tsK);
        v->SetPz(-P);
        TRun off(g.m, false, put);
        EXPECT_EQ(off.rezultat.ishod, TIshodProracuna::Odbijen) << "the support rules refuse the free tip";
        TRun r(g.m, true, put);
        ASSERT_EQ(r.rezultat.ishod, TIshodProracuna::Uspeh) << r.rezultat.poruka;
        const long double Fb = P * (L + c) / L;
        EXPECT_TRUE(Blizu(b->SilaOprugeZ(), Fb));
        EXPECT_TRUE(Blizu(b->Uz(), -Fb / k));
        EXPECT_TRUE(Blizu(a->Rz(), -P * c / L));
        EXPECT_TRUE(Blizu(a->Rx(), 0));
        EXPECT_TRUE(Blizu(v->Uz(), -Fb / k * (L + c) / L - P * c * c * (L + c) / (3 * EI)));
        EXPECT_TRUE(Blizu(std::fabs(KrajnjaSila(g.m, r.stanje, 0, 6)), P * c));
        EXPECT_TRUE(Blizu(std::fabs(KrajnjaSila(g.m, r.stanje, 1, 3)), P * c));
        EXPECT_TRUE(Blizu(KrajnjaSila(g.m, r.stanje, 1, 6), 0, 1e-9L, 1e-9L));
    }
}

// ------------------------------------------------------------------------------------------------
// The rule for supports changes nothing where both accept the model

TEST(OprugeIStabilnost, InclinedRollerGivesTheSameResultsUnderEitherRule) {
    const long double L = 6, q = 4, W = q * L;
    for (const int tip : {tsProst})
        for (const long double alfa : {30.0L, -20.0L}) {
            SCOPED_TRACE(tip);
            const long double t = std::tan(alfa * std::numbers::pi_v<long double> / 180);
            TGraditeljModela g[2];
            TRun* r[2] = {};
            std::unique_ptr<TRun> drzi[2];
            for (int i = 0; i < 2; ++i) {
                TCvor* a = g[i].Cvor(0, 0, true, true);
                TCvor* b = g[i].Cvor(L, 0, false, true);
                b->SetUgao(alfa);
                g[i].Opt(2, g[i].Stap(a, b, tip)->ID(), -q);
                drzi[i] = std::make_unique<TRun>(g[i].m, i == 1);
                r[i] = drzi[i].get();
                ASSERT_EQ(r[i]->rezultat.ishod, TIshodProracuna::Uspeh) << r[i]->rezultat.poruka;
            }
            for (size_t n = 0; n < 2; ++n) {
                const TCvor &c0 = *g[0].m.nizCvorova[n], &c1 = *g[1].m.nizCvorova[n];
                EXPECT_EQ(c0.Rx(), c1.Rx());
                EXPECT_EQ(c0.Rz(), c1.Rz());
                EXPECT_EQ(c0.Ux(), c1.Ux());
                EXPECT_EQ(c0.Uz(), c1.Uz());
                EXPECT_EQ(c0.Fiy(), c1.Fiy());
            }
            EXPECT_EQ(*r[0]->stanje.nizKodnihBrojevaNepoznatihPomeranja,
                      *r[1]->stanje.nizKodnihBrojevaNepoznatihPomeranja);
            // And both are statics: half the load at each end, the roller's push W/2 tan(alpha).
            const TCvor& b = *g[1].m.nizCvorova[1];
            EXPECT_TRUE(Blizu(b.Rz(), W / 2));
            EXPECT_TRUE(Blizu(b.Rx(), -W / 2 * t));
            EXPECT_TRUE(Blizu(g[1].m.nizCvorova[0]->Rx(), W / 2 * t));
        }
}
