#include <gtest/gtest.h>

#include <cmath>

#include "PomocModela.h"
#include "ProracunPomocTest.h"
#include "Proracun.h"
#include "SileStapa.h"

namespace {

void OcekujSile(const TModel& m, const TStanjeAnalize& st, int stap, const std::vector<long double>& RL) {
    const TSileStapa s = IzracunajSileStapa(m, st, *m.nizStapova[stap]);
    ASSERT_EQ(s.RL.NrOfRows(), static_cast<int>(RL.size()));
    for (size_t i = 0; i < RL.size(); ++i)
        EXPECT_TRUE(Blizu(s.RL.Elem(1, static_cast<int>(i) + 1), RL[i], 1e-9L, 1e-7L))
            << "member " << stap << " R" << i + 1;
}

TEST(Proracun, SimplySupportedBeamUnderPointAndUniformLoad) {
    {
        TGraditeljModela g = ProstaGreda();
        g.m.nizCvorova[1]->SetPz(-10);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Uz(), -10 * 512 / (48 * EI)));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Fiy(), 0));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rz(), 5));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[2]->Rz(), 5));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rx(), 0));
        // gk order u1 w1 u2 w2 phi2: the mid-span moment 20 reaches the member end.
        OcekujSile(g.m, p.stanje, 0, {0, 5, 0, -5, 20});
        OcekujSile(g.m, p.stanje, 1, {0, -5, -20, 0, 5});
    }
    {
        TGraditeljModela g = ProstaGreda();
        g.Opt(2, 0, -3);
        g.Opt(2, 1, -3);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Uz(), -5 * 3 * 4096 / (384 * EI)));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rz(), 12));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[2]->Rz(), 12));
    }
}

TEST(Proracun, FixedFixedBeamWithAndWithoutUnknowns) {
    {
        // Every displacement supported: nothing to solve, the reactions are -Q.
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true, true);
        TStap* s = g.Stap(a, g.Cvor(6, 0, true, true, true), tsK);
        g.Opt(2, s->ID(), -3);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(p.stanje.nizKodnihBrojevaNepoznatihPomeranja->empty());
        EXPECT_EQ(p.stanje.nizKodnihBrojevaPoznatihPomeranja->size(), 6u);
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rz(), 9));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Rz(), 9));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->MukljY(), 9));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->MukljY(), -9));
    }
    {
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true, true);
        TCvor* b = g.Cvor(3, 0);
        TCvor* c = g.Cvor(6, 0, true, true, true);
        g.Opt(2, g.Stap(a, b, tsK)->ID(), -3);
        g.Opt(2, g.Stap(b, c, tsK)->ID(), -3);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(b->Uz(), -3 * 1296 / (384 * EI)));
        EXPECT_TRUE(Blizu(b->Fiy(), 0));
        EXPECT_TRUE(Blizu(a->MukljY(), 9));
        EXPECT_TRUE(Blizu(c->MukljY(), -9));
        EXPECT_TRUE(Blizu(c->Rz(), 9));
    }
}

TEST(Proracun, ProppedCantilever) {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(6, 0, false, true);
    g.Opt(2, g.Stap(a, b, tsIG)->ID(), -3);
    TPokretanje p(g.m);
    ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
    EXPECT_EQ(*p.stanje.nizKodnihBrojevaNepoznatihPomeranja, std::vector<int>{b->BrPomeranjaX()});
    EXPECT_TRUE(Blizu(a->Rz(), 5 * 18 / 8.0L));
    EXPECT_TRUE(Blizu(a->MukljY(), 3 * 36 / 8.0L));
    EXPECT_TRUE(Blizu(b->Rz(), 3 * 18 / 8.0L));
    EXPECT_EQ(b->Fiy(), 0);  // only a hinged end meets there: no degree of freedom
}

TEST(Proracun, StaticallyDeterminatePortalFrameWithAxialDeformation) {
    const long double H = 10, h = 3, L = 4;
    TGraditeljModela g;
    TCvor* n0 = g.Cvor(0, 0, true, true);
    TCvor* n1 = g.Cvor(0, h);
    TCvor* n2 = g.Cvor(L, h);
    TCvor* n3 = g.Cvor(L, 0, false, true);
    g.Stap(n0, n1, tsGK);
    g.Stap(n1, n2, tsK);
    g.Stap(n2, n3, tsIG);
    n1->SetPx(H);
    TPokretanje p(g.m);
    ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
    // Unit-load method: bending of the left column and the beam, axial force H*h/L in both columns.
    const long double ux = H * h * h * (h + L) / (3 * EI) + 2 * H * h * h * h / (L * L * EA);
    EXPECT_TRUE(Blizu(n1->Ux(), ux));
    EXPECT_TRUE(Blizu(n2->Ux(), ux));
    EXPECT_TRUE(Blizu(n0->Rx(), -H));
    EXPECT_TRUE(Blizu(n0->Rz(), -H * h / L));
    EXPECT_TRUE(Blizu(n3->Rz(), H * h / L));
    // Left column: tension H*h/L, moment H*h at its top.
    OcekujSile(g.m, p.stanje, 0, {-H * h / L, H, H * h / L, -H, H * h});
}

TEST(Proracun, TrussTriangle) {
    const long double P = 12;
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0, false, true);
    TCvor* c = g.Cvor(2, 2);
    g.Stap(a, b, tsProst);
    g.Stap(a, c, tsProst);
    g.Stap(c, b, tsProst);
    c->SetPz(-P);
    TPokretanje p(g.m);
    ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
    EXPECT_TRUE(Blizu(c->Uz(), -P * (1 + 2 * std::sqrt(2.0L)) / EA));
    EXPECT_TRUE(Blizu(c->Ux(), P / EA));
    EXPECT_TRUE(Blizu(b->Ux(), 2 * P / EA));
    EXPECT_TRUE(Blizu(a->Rz(), P / 2));
    EXPECT_TRUE(Blizu(b->Rz(), P / 2));
    EXPECT_TRUE(Blizu(a->Rx(), 0, 1e-9L, 1e-9L));
    EXPECT_EQ(c->Fiy(), 0);
    OcekujSile(g.m, p.stanje, 0, {-P / 2, 0, P / 2, 0});
    OcekujSile(g.m, p.stanje, 1, {P / std::sqrt(2.0L), 0, -P / std::sqrt(2.0L), 0});
}

// Two spans of 5 on three supports, built with chosen code numbers of the nodes.
TGraditeljModela KontinualniNosac(bool saRupom) {
    TGraditeljModela g;
    g.Cvor(0, 0, true, true);
    if (saRupom) g.Cvor(100, 100);  // deleted below: leaves a gap in the code numbers
    g.Cvor(5, 0, false, true);
    g.Cvor(10, 0, false, true);
    if (saRupom) g.m.nizCvorova.erase(g.m.nizCvorova.begin() + 1);
    g.Stap(g.m.nizCvorova[0].get(), g.m.nizCvorova[1].get(), tsGK);
    g.Stap(g.m.nizCvorova[1].get(), g.m.nizCvorova[2].get(), tsIG);
    g.Opt(2, 0, -3);
    g.Opt(2, 1, -3);
    return g;
}

TEST(Proracun, ContinuousBeamAndCodeNumbersWithGapsAndUnassignedLoads) {
    const long double w = 3, L = 5;
    TGraditeljModela g = KontinualniNosac(false);
    TPokretanje p(g.m);
    ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
    const auto& c = g.m.nizCvorova;
    EXPECT_TRUE(Blizu(c[0]->Rz(), 3 * w * L / 8));
    EXPECT_TRUE(Blizu(c[1]->Rz(), 5 * w * L / 4));
    EXPECT_TRUE(Blizu(c[2]->Rz(), 3 * w * L / 8));
    EXPECT_TRUE(Blizu(c[1]->Fiy(), 0));
    OcekujSile(g.m, p.stanje, 0, {0, 3 * w * L / 8, 0, 5 * w * L / 8, -w * L * L / 8});

    // The same beam with a gap in the code numbers, and with a load carried by no member.
    TGraditeljModela rupa = KontinualniNosac(true);
    EXPECT_EQ(rupa.m.nizCvorova[1]->BrPomeranjaX(), 7);
    TGraditeljModela slobodno = KontinualniNosac(false);
    slobodno.Opt(0, -1, 1000, 0.5L);
    for (TGraditeljModela* drugi : {&rupa, &slobodno}) {
        TPokretanje q(drugi->m);
        ASSERT_EQ(q.rezultat.ishod, TIshodProracuna::Uspeh);
        for (size_t i = 0; i < c.size(); ++i) {
            const TCvor& x = *drugi->m.nizCvorova[i];
            EXPECT_EQ(x.Ux(), c[i]->Ux());
            EXPECT_EQ(x.Uz(), c[i]->Uz());
            EXPECT_EQ(x.Fiy(), c[i]->Fiy());
            EXPECT_EQ(x.Rx(), c[i]->Rx());
            EXPECT_EQ(x.Rz(), c[i]->Rz());
        }
    }
}

TEST(Proracun, RestrainedTemperatureLoads) {
    const long double al = 1e-5L, t = 25, dt = 30, hh = 0.3L;
    auto model = [&](int tip, long double v) {
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true, true);
        TCvor* b = g.Cvor(2, 0);
        TCvor* c = g.Cvor(5, 0, true, true, true);
        g.Opt(tip, g.Stap(a, b, tsK)->ID(), v);
        g.Opt(tip, g.Stap(b, c, tsK)->ID(), v);
        return g;
    };
    {
        TGraditeljModela g = model(3, t);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Ux(), 0, 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rx(), al * t * EA));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[2]->Rx(), -al * t * EA));
        OcekujSile(g.m, p.stanje, 0, {al * t * EA, 0, 0, -al * t * EA, 0, 0});
    }
    {
        const long double Mt = al * dt * EI / hh;
        TGraditeljModela g = model(4, dt);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Uz(), 0, 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Fiy(), 0, 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->MukljY(), -Mt));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[2]->MukljY(), Mt));
    }
    {
        // Free to bend: a warmer +y (upper) face bows the simply supported beam upward by k*L^2/8.
        TGraditeljModela g = ProstaGreda();
        g.Opt(4, 0, dt);
        g.Opt(4, 1, dt);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Uz(), al * dt / hh * 64 / 8));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rz(), 0, 1e-9L, 1e-9L));
    }
}

TEST(Proracun, SupportSettlement) {
    const long double d = 0.01L, L = 5;
    {
        TGraditeljModela g = KontinualniNosac(false);
        g.m.nizOpterecenja.clear();
        g.m.nizCvorova[1]->SetZadatoUz(-d);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Uz(), -d));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Rz(), -6 * EI * d / (L * L * L)));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rz(), 3 * EI * d / (L * L * L)));
        EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Fiy(), 0, 1e-9L, 1e-15L));
    }
    {
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true, true);
        TCvor* b = g.Cvor(L, 0, true, true, true);
        g.Stap(a, b, tsK);
        b->SetZadatoUz(-d);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(b->Rz(), -12 * EI * d / (L * L * L)));
        EXPECT_TRUE(Blizu(a->Rz(), 12 * EI * d / (L * L * L)));
        EXPECT_TRUE(Blizu(a->MukljY(), 6 * EI * d / (L * L)));
        EXPECT_TRUE(Blizu(b->MukljY(), 6 * EI * d / (L * L)));
        EXPECT_TRUE(Blizu(b->Uz(), -d));
    }
}

}  // namespace
