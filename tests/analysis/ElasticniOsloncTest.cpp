#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "PomocModela.h"
#include "ProracunPomocTest.h"
#include "Proracun.h"
#include "ProveraModela.h"
#include "PutanjaResavanja.h"
#include "SileStapa.h"

namespace {

// Beams carry no shear deformation (k = 0), so Euler-Bernoulli closed forms hold exactly.

long double EndForce(const TModel& m, const TStanjeAnalize& st, int stap, int red) {
    return IzracunajSileStapa(m, st, *m.nizStapova[static_cast<size_t>(stap)]).RL.Elem(1, red);
}

TEST(ElasticniOslonci, PinAndVerticalSpringRotateTheBeamRigidly) {
    const long double L = 8, k = 5000, P = 12;
    struct TSlucaj {
        const char* ime;
        bool uSredini;  // the load at mid-span instead of over the spring
    };
    for (const TSlucaj sl : {TSlucaj{"load over the spring", false}, TSlucaj{"load at mid-span", true}}) {
        SCOPED_TRACE(sl.ime);
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(L / 2, 0);
        TCvor* c = g.Cvor(L, 0);
        c->SetKz(k);
        g.Stap(a, b, tsGK);
        g.Stap(b, c, tsIG);
        (sl.uSredini ? b : c)->SetPz(-P);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        const long double Rc = sl.uSredini ? P / 2 : P;  // statics: the spring carries this share
        EXPECT_TRUE(Blizu(c->Uz(), -Rc / k));
        EXPECT_TRUE(Blizu(c->SilaOprugeZ(), Rc));
        EXPECT_TRUE(Blizu(c->SilaOprugeX(), 0));
        EXPECT_TRUE(Blizu(c->Rz(), 0));  // a spring is no support: its force is reported apart
        EXPECT_TRUE(Blizu(a->Rz(), P - Rc));
        EXPECT_TRUE(Blizu(a->Rx(), 0));
        // Mid-span: half the spring's settlement plus, for the load there, the bending PL^3/48EI.
        const long double bending = sl.uSredini ? P * L * L * L / (48 * EI) : 0;
        EXPECT_TRUE(Blizu(b->Uz(), c->Uz() / 2 - bending));
        // The moment at mid-span: 0 for the rigid rotation, PL/4 for the load there (gk's phi2).
        EXPECT_TRUE(Blizu(EndForce(g.m, p.stanje, 0, 5), sl.uSredini ? P * L / 4 : 0, 1e-9L, 1e-9L));
        // Over the spring the beam turns as a rigid body, through the chord's angle w/L.
        if (!sl.uSredini) {
            EXPECT_TRUE(Blizu(std::fabs(b->Fiy()), Rc / k / L));
        }
    }
}

// Solves a small dense system by Gaussian elimination with partial pivoting.
template <size_t N>
std::array<long double, N> Resi(std::array<std::array<long double, N + 1>, N> a) {
    for (size_t k = 0; k < N; ++k) {
        size_t p = k;
        for (size_t i = k + 1; i < N; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
        std::swap(a[k], a[p]);
        for (size_t i = k + 1; i < N; ++i) {
            const long double f = a[i][k] / a[k][k];
            for (size_t j = k; j <= N; ++j) a[i][j] -= f * a[k][j];
        }
    }
    std::array<long double, N> x{};
    for (size_t k = N; k-- > 0;) {
        long double s = a[k][N];
        for (size_t j = k + 1; j < N; ++j) s -= a[k][j] * x[j];
        x[k] = s / a[k][k];
    }
    return x;
}

TEST(ElasticniOslonci, ContinuousBeamOnSpringsFollowsTheThreeMomentEquation) {
    // Spans L1, L2, L3 under q (downwards), rigid end supports, springs kB and kC in between.
    const long double L1 = 4, L2 = 5, L3 = 3, q = 3, kB = 2000, kC = 5000;
    // Unknowns: sagging moments MB, MC and deflections vB, vC (up). The three-moment equation at B
    // and C with the chord rotations of the settlements, and each spring's force -k v equal to
    // its support's reaction from the spans' statics.
    const long double e = 6 * EI;
    std::array<std::array<long double, 5>, 4> a{};
    // B: 2 MB (L1 + L2) + MC L2 = -q (L1^3 + L2^3)/4 + 6EI [(vC - vB)/L2 - vB/L1]
    a[0] = {2 * (L1 + L2), L2, e / L2 + e / L1, -e / L2, -q * (L1 * L1 * L1 + L2 * L2 * L2) / 4};
    // C: MB L2 + 2 MC (L2 + L3) = -q (L2^3 + L3^3)/4 + 6EI [-vC/L3 - (vC - vB)/L2]
    a[1] = {L2, 2 * (L2 + L3), -e / L2, e / L3 + e / L2, -q * (L2 * L2 * L2 + L3 * L3 * L3) / 4};
    // RB = q L1/2 - MB/L1 + q L2/2 + (MC - MB)/L2 = -kB vB
    a[2] = {-1 / L1 - 1 / L2, 1 / L2, kB, 0, -q * (L1 + L2) / 2};
    // RC = q L2/2 - (MC - MB)/L2 + q L3/2 - MC/L3 = -kC vC
    a[3] = {1 / L2, -1 / L2 - 1 / L3, 0, kC, -q * (L2 + L3) / 2};
    const auto [MB, MC, vB, vC] = Resi<4>(a);

    TGraditeljModela g;
    TCvor* A = g.Cvor(0, 0, true, true);
    TCvor* B = g.Cvor(L1, 0);
    TCvor* C = g.Cvor(L1 + L2, 0);
    TCvor* D = g.Cvor(L1 + L2 + L3, 0, false, true);
    B->SetKz(kB);
    C->SetKz(kC);
    g.Opt(2, g.Stap(A, B, tsGK)->ID(), -q);
    g.Opt(2, g.Stap(B, C, tsK)->ID(), -q);
    g.Opt(2, g.Stap(C, D, tsIG)->ID(), -q);
    TPokretanje p(g.m);
    ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
    EXPECT_TRUE(Blizu(B->Uz(), vB));
    EXPECT_TRUE(Blizu(C->Uz(), vC));
    EXPECT_TRUE(Blizu(B->SilaOprugeZ(), -kB * vB));
    EXPECT_TRUE(Blizu(C->SilaOprugeZ(), -kC * vC));
    // gk ends with phi2 (+ sagging there), k starts with phi1 (- sagging) and ends with phi2.
    EXPECT_TRUE(Blizu(EndForce(g.m, p.stanje, 0, 5), MB));
    EXPECT_TRUE(Blizu(EndForce(g.m, p.stanje, 1, 3), -MB));
    EXPECT_TRUE(Blizu(EndForce(g.m, p.stanje, 1, 6), MC));
    // The whole load is carried: rigid supports plus springs.
    EXPECT_TRUE(Blizu(A->Rz() + D->Rz() + B->SilaOprugeZ() + C->SilaOprugeZ(), q * (L1 + L2 + L3)));
    // The springs add to the diagonal of K at their unknowns: both appear in Kss.
    EXPECT_FALSE(p.stanje.nizKodnihBrojevaNepoznatihPomeranja->empty());
}

TEST(ElasticniOslonci, RotationalSpringShareOfANodeMoment) {
    // Two spans over a middle support, far ends pinned: each resists a rotation of the middle node
    // with 3EI/L; the spring adds kfi.
    const long double L = 6, M0 = 40;
    for (const long double kfi : {0.0L, 1000.0L, 1e5L}) {
        SCOPED_TRACE(static_cast<double>(kfi));
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(L, 0, false, true);
        TCvor* c = g.Cvor(2 * L, 0, false, true);
        g.Stap(a, b, tsGK);
        g.Stap(b, c, tsIG);
        b->SetKfi(kfi);
        b->SetMkoncY(M0);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        const long double theta = M0 / (6 * EI / L + kfi);
        EXPECT_TRUE(Blizu(b->Fiy(), theta));
        EXPECT_TRUE(Blizu(b->MomentOpruge(), -kfi * theta));
    }
}

TEST(ElasticniOslonci, InclinedRollerUnderVerticalLoad) {
    // A pin at A, a roller at B on a plane turned by alpha: B's reaction is normal to the plane,
    // so it has a horizontal part that the member carries to A as an axial force.
    const long double L = 6, q = 4, W = q * L;
    for (const long double alfa : {30.0L, -20.0L, 45.0L}) {
        SCOPED_TRACE(static_cast<double>(alfa));
        const long double r = alfa * std::numbers::pi_v<long double> / 180;
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(L, 0, false, true);
        b->SetUgao(alfa);
        g.Opt(2, g.Stap(a, b, tsProst)->ID(), -q);
        TPokretanje p(g.m);
        ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << p.rezultat.poruka;
        EXPECT_TRUE(Blizu(b->Rz(), W / 2));
        EXPECT_TRUE(Blizu(b->Rx(), -W / 2 * std::tan(r)));
        EXPECT_TRUE(Blizu(a->Rz(), W / 2));
        EXPECT_TRUE(Blizu(a->Rx(), W / 2 * std::tan(r)));
        // The axial force: compression W/2 tan(alpha) for a positive angle (prost: u1 w1 u2 w2).
        EXPECT_TRUE(Blizu(EndForce(g.m, p.stanje, 0, 3), -W / 2 * std::tan(r)));
        EXPECT_TRUE(Blizu(EndForce(g.m, p.stanje, 0, 1), W / 2 * std::tan(r)));
        // B moves along its plane only: shortening N L / EA along the member, turned into X and Z.
        const long double dx = -W / 2 * std::tan(r) * L / EA;
        EXPECT_TRUE(Blizu(b->Ux(), dx));
        EXPECT_TRUE(Blizu(b->Uz(), dx * std::tan(r)));
        // K in B's axes: the member's EA/L seen along the plane, EA/L cos^2(alpha).
        ASSERT_EQ(p.stanje.nizKodnihBrojevaNepoznatihPomeranja->size(), 1u);
        EXPECT_TRUE(Blizu(p.stanje.matricaKssGKS->Element(1, 1), EA / L * std::cos(r) * std::cos(r)));
    }
}

TEST(ElasticniOslonci, ModelsWithoutThemAreSolvedAsBefore) {
    // A zero angle is no angle: the same bits as a node that never had one.
    TGraditeljModela g1 = ProstaGreda(), g2 = ProstaGreda();
    g1.Opt(2, 0, -3);
    g2.Opt(2, 0, -3);
    g2.m.nizCvorova[2]->SetUgao(-0.0L);
    TPokretanje p1(g1.m), p2(g2.m);
    ASSERT_EQ(p1.rezultat.ishod, TIshodProracuna::Uspeh);
    ASSERT_EQ(p2.rezultat.ishod, TIshodProracuna::Uspeh);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(g1.m.nizCvorova[i]->Uz(), g2.m.nizCvorova[i]->Uz());
        EXPECT_EQ(g1.m.nizCvorova[i]->Rz(), g2.m.nizCvorova[i]->Rz());
    }
}

TEST(ElasticniOslonci, RefusedWhereASpringCannotAct) {
    struct TSlucaj {
        const char* ime;
        void (*pripremi)(TModel&);
        const char* deoPoruke;
    };
    const TSlucaj slucajevi[] = {
        {"spring along a held direction", [](TModel& m) { m.nizCvorova[0]->SetKz(100); }, "sprecen osloncem"},
        {"negative stiffness", [](TModel& m) { m.nizCvorova[1]->SetKx(-1); }, "negativna"},
        {"rotation without a rigid end pair", [](TModel& m) { m.nizCvorova[2]->SetKfi(10); }, "kfi cvora broj 2"},
    };
    for (const TSlucaj& s : slucajevi) {
        SCOPED_TRACE(s.ime);
        TGraditeljModela g = ProstaGreda();
        s.pripremi(g.m);
        TPokretanje p(g.m);
        EXPECT_NE(p.rezultat.ishod, TIshodProracuna::Uspeh);
        EXPECT_NE(p.rezultat.poruka.find(s.deoPoruke), std::string::npos) << p.rezultat.poruka;
    }
}

TEST(ElasticniOslonci, SupportCheckCountsATranslationalSpringAtAFreeEnd) {
    TGraditeljModela g = ProstaGreda();
    g.m.nizCvorova[2]->SetOslZ(false);
    EXPECT_FALSE(ProveriOslonce(g.m));  // a free end with nothing holding it
    g.m.nizCvorova[2]->SetKz(100);
    EXPECT_TRUE(ProveriOslonce(g.m));
    {
        // Where another end is refused, the hint names that end, not the one on the spring.
        TGraditeljModela h = ProstaGreda();
        h.m.nizCvorova[2]->SetOslZ(false);
        h.m.nizCvorova[2]->SetKz(100);
        h.m.nizCvorova[0]->SetOslX(false);
        h.m.nizCvorova[0]->SetOslZ(false);
        EXPECT_EQ(UzrokOdbijanja(h.m).idCvora, h.m.nizCvorova[0]->ID());
    }
    g.m.nizCvorova[2]->SetKz(0);
    g.m.nizCvorova[2]->SetKfi(100);  // a rotational spring does not hold a translation
    EXPECT_FALSE(ProveriOslonce(g.m));
}

}  // namespace

namespace {

TEST(ElasticniOslonci, SparsePathGivesTheSameClosedForms) {
    // A spring over the free end and an inclined roller in one model, solved on each path.
    const long double L = 5, k = 800, P = 6, alfa = 25;
    const long double r = alfa * std::numbers::pi_v<long double> / 180;
    for (const TPutanjaResavanja putanja : {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka}) {
        SCOPED_TRACE(static_cast<int>(putanja));
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(L, 0);
        TCvor* c = g.Cvor(2 * L, 0, false, true);
        b->SetKz(k);
        b->SetPz(-P);
        c->SetUgao(alfa);
        g.Stap(a, b, tsProst);
        g.Stap(b, c, tsProst);
        c->SetPz(-P);
        TStanjeAnalize st;
        st.zahtevanaPutanja = putanja;
        TPosmatracBezEkrana posmatrac(g.m, st);
        const TRezultatProracuna rez = PokreniAnalizu(g.m, st, posmatrac);
        ASSERT_EQ(rez.ishod, TIshodProracuna::Uspeh) << rez.poruka;
        // Truss bars: the roller takes the load at c along its normal, the spring the one at b.
        EXPECT_TRUE(Blizu(b->Uz(), -P / k));
        EXPECT_TRUE(Blizu(c->Rz(), P));
        EXPECT_TRUE(Blizu(c->Rx(), -P * std::tan(r)));
        EXPECT_TRUE(Blizu(a->Rx(), P * std::tan(r)));
        EXPECT_TRUE(Blizu(a->Rz(), 0));
    }
}

}  // namespace
