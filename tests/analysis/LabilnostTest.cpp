#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "PomocModela.h"
#include "Proracun.h"

namespace {

constexpr long double PI = 3.14159265358979323846264338327950288L;

// (x, z) turned by `ugao` about the origin.
std::pair<long double, long double> Okreni(long double x, long double z, long double ugao) {
    return {x * std::cos(ugao) - z * std::sin(ugao), x * std::sin(ugao) + z * std::cos(ugao)};
}

TCvor* CvorOkrenut(TGraditeljModela& g, long double x, long double z, long double ugao, bool ox = false,
                   bool oz = false, bool uk = false) {
    auto [a, b] = Okreni(x, z, ugao);
    return g.Cvor(a, b, ox, oz, uk);
}

// Mechanisms of several kinds, each turned to an angle that no stiffness entry makes exactly zero.
std::vector<std::pair<std::string, TGraditeljModela>> Mehanizmi(long double ugao) {
    std::vector<std::pair<std::string, TGraditeljModela>> m;
    {
        // Four truss bars round a square, no diagonal.
        TGraditeljModela g;
        TCvor* a = CvorOkrenut(g, 0, 0, ugao, true, true);
        TCvor* b = CvorOkrenut(g, 4, 0, ugao, false, true);
        TCvor* c = CvorOkrenut(g, 4, 4, ugao);
        TCvor* d = CvorOkrenut(g, 0, 4, ugao);
        g.Stap(a, b, tsProst);
        g.Stap(b, c, tsProst);
        g.Stap(c, d, tsProst);
        g.Stap(d, a, tsProst);
        c->SetPx(1);
        m.emplace_back("square truss", std::move(g));
    }
    {
        // A rigid triangle with no support at all.
        TGraditeljModela g;
        TCvor* a = CvorOkrenut(g, 0, 0, ugao);
        TCvor* b = CvorOkrenut(g, 5, 0, ugao);
        TCvor* c = CvorOkrenut(g, 2, 3, ugao);
        g.Stap(a, b, tsK);
        g.Stap(b, c, tsK);
        g.Stap(c, a, tsK);
        c->SetPz(-1);
        m.emplace_back("free ring", std::move(g));
    }
    {
        // Two collinear truss bars between pins: the middle node is free across the line.
        TGraditeljModela g;
        TCvor* a = CvorOkrenut(g, 0, 0, ugao, true, true);
        TCvor* b = CvorOkrenut(g, 3, 0, ugao);
        TCvor* c = CvorOkrenut(g, 7, 0, ugao, true, true);
        g.Stap(a, b, tsProst);
        g.Stap(b, c, tsProst);
        m.emplace_back("collinear bars", std::move(g));
    }
    {
        // An inclined beam clamped against rotation on two vertical rollers: free to slide in X.
        TGraditeljModela g;
        TCvor* a = CvorOkrenut(g, 0, 0, ugao, false, true, true);
        TCvor* b = CvorOkrenut(g, 6, 0, ugao, false, true, true);
        g.Opt(0, g.Stap(a, b, tsK)->ID(), -10, 0.3L);
        m.emplace_back("beam on rollers", std::move(g));
    }
    {
        // A portal hinged at all four corners: sway mechanism.
        TGraditeljModela g;
        TCvor* a = CvorOkrenut(g, 0, 0, ugao, true, true);
        TCvor* b = CvorOkrenut(g, 0, 3, ugao);
        TCvor* c = CvorOkrenut(g, 5, 3, ugao);
        TCvor* d = CvorOkrenut(g, 5, 0, ugao, true, true);
        g.Stap(a, b, tsProst);
        g.Stap(b, c, tsProst);
        g.Stap(d, c, tsProst);
        b->SetPx(1);
        m.emplace_back("hinged portal", std::move(g));
    }
    return m;
}

// The smallest relative pivot of Kss for a model, to see how far from the threshold it lies.
double NajmanjiPivot(TModel& m) {
    TStanjeAnalize st;
    TPosmatracBezEkrana p(m, st);
    st.radimProracun = true;
    IzvrsiProracun(m, st, p);
    TMatrix k = st.matricaKssGKS->GustaKopija();
    double pivot = 0;
    k.InvertSaPivotom(pivot);
    return pivot;
}

TEST(Labilnost, MechanismsAtAnyAngleAreRefused) {
    for (long double stepeni : {0.0L, 17.0L, 30.0L, 45.0L, 61.3L, 90.0L, 133.7L, 271.9L}) {
        for (auto& [opis, g] : Mehanizmi(stepeni * PI / 180)) {
            if (std::getenv("VELT_PIVOTI"))
                std::printf("%s %g: %g\n", opis.c_str(), (double)stepeni, NajmanjiPivot(g.m));
            TStanjeAnalize st;
            TPosmatracBezEkrana p(g.m, st);
            p.datumVreme = "DT";
            const TRezultatProracuna r = PokreniAnalizu(g.m, st, p);
            EXPECT_EQ(r.ishod, TIshodProracuna::Greska) << opis << " at " << static_cast<double>(stepeni);
            ASSERT_EQ(p.poruke.size(), 1u) << opis;
            EXPECT_EQ(p.poruke[0], PorukaLabilanSistem);
            EXPECT_EQ(p.log.back(), "Prekid proracuna zbog greske - DT");
            EXPECT_FALSE(st.radimProracun);
            EXPECT_FALSE(st.vektor_qsGKS);
            EXPECT_FALSE(st.matricaKssGKSInvertovana);
            EXPECT_TRUE(st.matricaKssGKS);  // what was made before the solution stays
            for (const auto& c : g.m.nizCvorova) {
                EXPECT_EQ(c->Ux(), 0);
                EXPECT_EQ(c->Uz(), 0);
                EXPECT_EQ(c->Rx(), 0);
                EXPECT_EQ(c->Rz(), 0);
            }
        }
    }
}

// A regular rigid frame of about `cvorova` nodes, clamped at the ground, with storey forces and
// uniform loads on the beams.
TModel GenerisiRamSaCvorovaZaTest(int cvorova, bool klizi = false) {
    const int strana = static_cast<int>(std::lround(std::sqrt(static_cast<double>(cvorova))));
    TGraditeljModela g(30e6L, 0.2L, 1e-5L, 0.003125L, 0.15L, 0.5L, 0);
    TPresek* greda = g.Presek(0.0054L, 0.18L, 0.6L, 1.2L);
    std::vector<TCvor*> c;
    for (int s = 0; s < strana; ++s)
        for (int i = 0; i < strana; ++i) {
            c.push_back(g.Cvor(6.0L * i, 3.5L * s, s == 0 && !klizi, s == 0, s == 0));
            if (i == 0 && s > 0) c.back()->SetPx(10);
        }
    for (int s = 1; s < strana; ++s) {
        for (int i = 0; i < strana; ++i) g.Stap(c[(s - 1) * strana + i], c[s * strana + i], tsK);
        for (int i = 0; i + 1 < strana; ++i)
            g.Opt(2, g.Stap(c[s * strana + i], c[s * strana + i + 1], tsK, nullptr, greda)->ID(), -25);
    }
    return std::move(g.m);
}

TEST(Labilnost, LargeFrameFreeToSlideIsRefused) {
    // Clamped against rotation and held vertically, but nothing holds it in X.
    TModel m = GenerisiRamSaCvorovaZaTest(150, true);
    TStanjeAnalize st;
    TPosmatracBezEkrana p(m, st);
    const TRezultatProracuna r = PokreniAnalizu(m, st, p);
    EXPECT_EQ(r.ishod, TIshodProracuna::Greska);
    EXPECT_EQ(r.poruka, PorukaLabilanSistem);
}

TEST(Labilnost, SoundStructuresWithVeryDifferentStiffnessesAreSolved) {
    // A chain of two bars whose axial stiffnesses differ by 1e9, loaded at the free joint of the
    // stiff one: the soft bar carries the load, the stiff one hardly stretches.
    for (long double odnos : {1e3L, 1e6L, 1e9L}) {
        for (long double stepeni : {0.0L, 23.0L, 90.0L}) {
            const long double u = stepeni * PI / 180;
            TGraditeljModela g(2e8L, 0.3L, 1e-5L, 1e-4L, 1e-2L);
            TPresek* tanak = g.Presek(1e-4L, 1e-2L / odnos, 0.3L, 0);
            TCvor* a = CvorOkrenut(g, 0, 0, u, true, true);
            TCvor* b = CvorOkrenut(g, 3, 0, u);
            TCvor* c = CvorOkrenut(g, 6, 0, u, true, true);
            TCvor* d = CvorOkrenut(g, 3, 3, u, true, true);
            g.Stap(a, b, tsProst, nullptr, tanak);
            g.Stap(b, c, tsProst);
            g.Stap(d, b, tsProst, nullptr, tanak);
            auto [px, pz] = Okreni(1, 0, u);
            b->SetPx(px);
            b->SetPz(pz);
            if (std::getenv("VELT_PIVOTI"))
                std::printf("chain %g %g: %g\n", (double)odnos, (double)stepeni, NajmanjiPivot(g.m));
            EXPECT_GT(NajmanjiPivot(g.m), 1e-12 * 10) << static_cast<double>(odnos);
            TStanjeAnalize st;
            TPosmatracBezEkrana p(g.m, st);
            ASSERT_EQ(PokreniAnalizu(g.m, st, p).ishod, TIshodProracuna::Uspeh) << static_cast<double>(odnos);
            // Nearly all of the load goes into the stiff bar; the reactions balance it.
            // Round-off grows with the stiffness ratio.
            const long double tol = 1e-13L * odnos;
            EXPECT_TRUE(Blizu(a->Rx() + c->Rx() + d->Rx(), -px, tol, tol));
            EXPECT_TRUE(Blizu(a->Rz() + c->Rz() + d->Rz(), -pz, tol, tol));
        }
    }
    // Steel frame with a rubber-like member and shear-flexible beams.
    TGraditeljModela g(2.1e8L, 0.3L, 1e-5L, 1e-4L, 1e-2L, 0.3L, 1.2L);
    TMaterijal* guma = g.Materijal(2e3L, 0.49L, 1e-4L);
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(0, 4);
    TCvor* c = g.Cvor(6, 4);
    TCvor* d = g.Cvor(6, 0, true, true, true);
    g.Stap(a, b, tsK);
    g.Stap(b, c, tsK, guma);
    g.Stap(c, d, tsK);
    b->SetPx(5);
    TStanjeAnalize st;
    TPosmatracBezEkrana p(g.m, st);
    ASSERT_EQ(PokreniAnalizu(g.m, st, p).ishod, TIshodProracuna::Uspeh);
    EXPECT_TRUE(Blizu(a->Rx() + d->Rx(), -5, 1e-9L, 1e-9L));
}

TEST(Labilnost, LargeRegularFramesAreSolved) {
    for (int cvorova : {100, 300}) {
        TModel m = GenerisiRamSaCvorovaZaTest(cvorova);
        TStanjeAnalize st;
        TPosmatracBezEkrana p(m, st);
        const TRezultatProracuna r = PokreniAnalizu(m, st, p);
        ASSERT_EQ(r.ishod, TIshodProracuna::Uspeh) << cvorova << " " << r.poruka;
        // Horizontal equilibrium: the storey forces (10 each) come back through the clamps.
        long double rx = 0, px = 0;
        for (const auto& c : m.nizCvorova) rx += c->Rx(), px += c->Px();
        EXPECT_TRUE(Blizu(rx, -px, 1e-9L, 1e-9L)) << cvorova;
    }
}

}  // namespace
