#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ElementStapa.h"
#include "PomocModela.h"
#include "Stap.h"

namespace {

using Redovi = std::vector<std::vector<long double>>;

void OcekujMatricu(const TMatrix& M, const Redovi& redovi, const std::string& opis) {
    ASSERT_EQ(M.NrOfRows(), static_cast<int>(redovi.size())) << opis;
    for (size_t r = 0; r < redovi.size(); ++r) {
        ASSERT_EQ(M.NrOfColumns(), static_cast<int>(redovi[r].size())) << opis;
        for (size_t c = 0; c < redovi[r].size(); ++c)
            EXPECT_TRUE(Blizu(M.Elem(static_cast<int>(c) + 1, static_cast<int>(r) + 1), redovi[r][c], 1e-12L, 1e-9L))
                << opis << " row " << r + 1 << " col " << c + 1;
    }
}

void OcekujVektor(const TMatrix& v, const std::vector<long double>& ocekivano, const std::string& opis) {
    ASSERT_EQ(v.NrOfColumns(), 1) << opis;
    ASSERT_EQ(v.NrOfRows(), static_cast<int>(ocekivano.size())) << opis;
    for (size_t i = 0; i < ocekivano.size(); ++i)
        EXPECT_TRUE(Blizu(v.Elem(1, static_cast<int>(i) + 1), ocekivano[i], 1e-12L, 1e-9L))
            << opis << " entry " << i + 1;
}

// E = 1e4, nu = 0 (G = E/2), I = 2, A = 3: EA/L and EI/L^3 stay readable for L = 4.
struct TJedanStap {
    TGraditeljModela g{1e4L, 0, 1e-5L, 2, 3, 0.5L, 0};
    TStap* s;
    TJedanStap(long double x1, long double z1, long double x2, long double z2, int tip) {
        s = g.Stap(g.Cvor(x1, z1), g.Cvor(x2, z2), tip);
    }
};

TEST(MatriceStapa, LocalStiffnessOfEachTypeWithoutShear) {
    const long double E = 1e4L, I = 2, A = 3, L = 4;
    const long double a = E * A / L, k12 = 12 * E * I / (L * L * L), k6 = 6 * E * I / (L * L), k4 = 4 * E * I / L,
                      k2 = 2 * E * I / L, k3 = 3 * E * I / (L * L * L), k3b = 3 * E * I / (L * L), k3c = 3 * E * I / L;
    struct Slucaj {
        int tip;
        Redovi ocekivano;
    };
    const Slucaj slucajevi[] = {
        {tsK,
         {{a, 0, 0, -a, 0, 0},
          {0, k12, k6, 0, -k12, k6},
          {0, k6, k4, 0, -k6, k2},
          {-a, 0, 0, a, 0, 0},
          {0, -k12, -k6, 0, k12, -k6},
          {0, k6, k2, 0, -k6, k4}}},
        {tsIG,
         {{a, 0, 0, -a, 0}, {0, k3, k3b, 0, -k3}, {0, k3b, k3c, 0, -k3b}, {-a, 0, 0, a, 0}, {0, -k3, -k3b, 0, k3}}},
        {tsGK,
         {{a, 0, -a, 0, 0}, {0, k3, 0, -k3, k3b}, {-a, 0, a, 0, 0}, {0, -k3, 0, k3, -k3b}, {0, k3b, 0, -k3b, k3c}}},
        {tsProst, {{a, 0, -a, 0}, {0, 0, 0, 0}, {-a, 0, a, 0}, {0, 0, 0, 0}}},
    };
    for (const auto& sl : slucajevi) {
        TJedanStap st(0, 0, 4, 0, sl.tip);
        EXPECT_TRUE(Blizu(DuzinaStapa(*st.s), 4));
        EXPECT_EQ(Fi(*st.s), 0);
        OcekujMatricu(MatricaKrutostiLKS(*st.s), sl.ocekivano, "k_L type " + std::to_string(sl.tip));
        // A horizontal member: T is the identity and k_G = k_L.
        OcekujMatricu(MatricaKrutostiGKS(*st.s), sl.ocekivano, "k_G type " + std::to_string(sl.tip));
        const TMatrix T = MatricaTransformacije(*st.s);
        for (int r = 1; r <= T.NrOfRows(); ++r)
            for (int c = 1; c <= T.NrOfColumns(); ++c) EXPECT_EQ(T.Elem(c, r), r == c ? 1.0 : 0.0);
    }
}

TEST(MatriceStapa, ShearParameterEntersAsWritten) {
    // E = 1, nu = 0 -> G = 0.5; I = 1, A = 12, k = 4, L = 2: phi = 12*1*1*4 / (0.5*12*4) = 2.
    TGraditeljModela g(1, 0, 0, 1, 12, 1, 4);
    TCvor* a = g.Cvor(0, 0);
    TCvor* b = g.Cvor(2, 0);
    TStap* k = g.Stap(a, b, tsK);
    EXPECT_TRUE(Blizu(Fi(*k), 2));
    const TMatrix kl = MatricaKrutostiLKS(*k);
    // D = 3: 12EI/(D L^3) = 0.5, 6EI/(D L^2) = 0.5, (4+phi)EI/(D L) = 1, (2-phi)EI/(D L) = 0.
    EXPECT_TRUE(Blizu(kl.Elem(2, 2), 0.5));
    EXPECT_TRUE(Blizu(kl.Elem(3, 2), 0.5));
    EXPECT_TRUE(Blizu(kl.Elem(3, 3), 1));
    EXPECT_EQ(kl.Elem(6, 3), 0.0);
    EXPECT_TRUE(Blizu(kl.Elem(6, 6), 1));
    // Hinged types: d = 1 + phi/4 = 1.5: 3EI/(d L^3) = 0.25, 3EI/(d L^2) = 0.5, 3EI/(d L) = 1.
    k->SetTipStapa(tsIG);
    const TMatrix ig = MatricaKrutostiLKS(*k);
    EXPECT_TRUE(Blizu(ig.Elem(2, 2), 0.25));
    EXPECT_TRUE(Blizu(ig.Elem(3, 2), 0.5));
    EXPECT_TRUE(Blizu(ig.Elem(3, 3), 1));
    k->SetTipStapa(tsGK);
    const TMatrix gk = MatricaKrutostiLKS(*k);
    EXPECT_TRUE(Blizu(gk.Elem(2, 2), 0.25));
    EXPECT_TRUE(Blizu(gk.Elem(5, 4), -0.5));
    EXPECT_TRUE(Blizu(gk.Elem(5, 5), 1));
}

TEST(MatriceStapa, GlobalStiffnessOfVerticalAndReversedMembers) {
    const long double E = 1e4L, I = 2, A = 3;
    {
        // (0,0) -> (0,3): c = 0, s = 1; EA/L at the Z translations, 12EI/L^3 at the X translations.
        const long double L = 3, a = E * A / L, k12 = 12 * E * I / (L * L * L), k6 = 6 * E * I / (L * L);
        TJedanStap st(0, 0, 0, 3, tsK);
        const TMatrix T = MatricaTransformacije(*st.s);
        EXPECT_EQ(T.Elem(2, 1), 1.0);   // u = W
        EXPECT_EQ(T.Elem(1, 2), -1.0);  // w = -U
        const TMatrix kg = MatricaKrutostiGKS(*st.s);
        EXPECT_TRUE(Blizu(kg.Elem(2, 2), a));
        EXPECT_TRUE(Blizu(kg.Elem(5, 2), -a));
        EXPECT_TRUE(Blizu(kg.Elem(1, 1), k12));
        EXPECT_TRUE(Blizu(kg.Elem(3, 1), -k6));  // X1 against phi1: T(w1,X1) = -1
        EXPECT_TRUE(Blizu(kg.Elem(1, 2), 0));
    }
    {
        // (4,0) -> (0,0): c = -1, local y points down.
        const long double L = 4, a = E * A / L, k6 = 6 * E * I / (L * L);
        TJedanStap st(4, 0, 0, 0, tsK);
        const TMatrix kg = MatricaKrutostiGKS(*st.s);
        EXPECT_TRUE(Blizu(kg.Elem(1, 1), a));
        EXPECT_TRUE(Blizu(kg.Elem(3, 2), -k6));
        EXPECT_TRUE(Blizu(kg.Elem(6, 5), k6));
    }
    {
        // 3-4-5 truss bar: k_G = EA/L [c^2 cs; cs s^2] blocks.
        const long double L = 5, a = E * A / L, c = 0.6L, s = 0.8L;
        TJedanStap st(0, 0, 3, 4, tsProst);
        OcekujMatricu(MatricaKrutostiGKS(*st.s),
                      {{a * c * c, a * c * s, -a * c * c, -a * c * s},
                       {a * c * s, a * s * s, -a * c * s, -a * s * s},
                       {-a * c * c, -a * c * s, a * c * c, a * c * s},
                       {-a * c * s, -a * s * s, a * c * s, a * s * s}},
                      "inclined truss bar");
    }
}

// A rigid-body motion of an inclined member produces no end forces, whatever the type: catches a
// wrong sign or a misplaced entry in T or k.
TEST(MatriceStapa, RigidBodyMotionGivesNoForcesOnInclinedMembers) {
    for (int tip : {tsK, tsIG, tsGK, tsProst})
        for (auto [x2, z2] : {std::pair{3.0L, 4.0L}, {-2.0L, 1.5L}, {-1.0L, -3.0L}}) {
            TGraditeljModela g(2e8L, 0.3L, 0, 1e-4L, 1e-2L, 0.3L, 1.2L);  // with shear
            TStap* s = g.Stap(g.Cvor(1, 1), g.Cvor(1 + x2, 1 + z2), tip);
            const TMatrix kg = MatricaKrutostiGKS(*s);
            const int n = kg.NrOfRows();
            // Translation (0.3, -0.7) and a rotation 0.01 about the start node.
            const long double th = 0.01L;
            std::vector<long double> d;
            const bool fi1 = tip == tsK || tip == tsIG, fi2 = tip == tsK || tip == tsGK;
            d.push_back(0.3L);
            d.push_back(-0.7L);
            if (fi1) d.push_back(th);
            d.push_back(0.3L - th * z2);
            d.push_back(-0.7L + th * x2);
            if (fi2) d.push_back(th);
            ASSERT_EQ(static_cast<int>(d.size()), n);
            for (int r = 1; r <= n; ++r) {
                long double f = 0;
                for (int c = 1; c <= n; ++c) f += kg.Elem(c, r) * d[c - 1];
                EXPECT_NEAR(static_cast<double>(f), 0, 1e-6 * kg.Elem(1, 1)) << "type " << tip << " row " << r;
            }
        }
}

TEST(MatriceStapa, UnknownTypeGivesOneByOneZero) {
    TJedanStap st(0, 0, 4, 0, 5);
    TGraditeljModela& g = st.g;
    TOpterecenje* o = g.Opt(0, 0, 10, 0.5L);
    for (const TMatrix& M : {MatricaTransformacije(*st.s), MatricaKrutostiLKS(*st.s), MatricaKrutostiGKS(*st.s),
                             GetVektorQLKS(*st.s, *o), GetVektorQGKS(*st.s, *o)}) {
        EXPECT_EQ(M.NrOfColumns(), 1);
        EXPECT_EQ(M.NrOfRows(), 1);
        EXPECT_EQ(M.Elem(1, 1), 0.0);
    }
}

// Equivalent nodal loads on a horizontal member of length 4.
TEST(OpterecenjaStapa, ClosedFormVectorsOfEveryKind) {
    const long double L = 4, V = 10, M = 8, q = 3, p = 2, E = 1e4L, A = 3, I = 2, h = 0.5L, al = 1e-5L, t = 20, dt = 15;
    const long double N = al * t * E * A, Mt = al * dt * E * I / h;
    struct Slucaj {
        int tipStapa, tipOpt;
        long double v, p1, p2;
        std::vector<long double> Q;
    };
    const Slucaj slucajevi[] = {
        {tsK, 0, V, 0.5L, 0, {0, V / 2, V * L / 8, 0, V / 2, -V * L / 8}},
        {tsK, 0, V, 0, 0, {0, V, 0, 0, 0, 0}},
        {tsProst, 0, V, 0.5L, 0, {0, V / 2, 0, V / 2}},
        // V at a = 1, b = 3: k: Vb^2(L+2a)/L^3, Vab^2/L^2, Va^2(L+2b)/L^3, -Va^2b/L^2.
        {tsK, 0, V, 0.25L, 0, {0, V * 9 * 6 / 64, V * 9 / 16, 0, V * 10 / 64, -V * 3 / 16}},
        // ig: propped cantilever reactions (fixed start): w1 = Vb(3L^2-b^2)/(2L^3), phi1 = Vab(L+b)/(2L^2).
        {tsIG, 0, V, 0.25L, 0, {0, V * 3 * 39 / 128, V * 3 * 7 / 32, 0, V * 11 / 128}},
        {tsGK, 0, V, 0.25L, 0, {0, V * 9 * 9 / 128, 0, V * 47 / 128, -V * 3 * 5 / 32}},
        {tsK, 1, M, 0.5L, 0, {0, -3 * M / (2 * L), -M / 4, 0, 3 * M / (2 * L), -M / 4}},
        {tsProst, 1, M, 0.5L, 0, {0, -M / L, 0, M / L}},
        {tsIG, 1, M, 0.5L, 0, {0, -(3 * M / (2 * L)) * 0.75L, (M / 2) * (-0.25L), 0, (3 * M / (2 * L)) * 0.75L}},
        {tsGK,
         1,
         M,
         0.25L,
         0,
         {0, -(3 * M / (2 * L)) * (15.0L / 16), 0, (3 * M / (2 * L)) * (15.0L / 16), (M / 2) * (3.0L / 16 - 1)}},
        {tsK, 2, q, 0, 1, {0, q * L / 2, q * L * L / 12, 0, q * L / 2, -q * L * L / 12}},
        {tsIG, 2, q, 0, 1, {0, 5 * q * L / 8, q * L * L / 8, 0, 3 * q * L / 8}},
        {tsGK, 2, q, 0, 1, {0, 3 * q * L / 8, 0, 5 * q * L / 8, -q * L * L / 8}},
        {tsProst, 2, q, 0, 1, {0, q * L / 2, 0, q * L / 2}},
        {tsIG, 3, t, 0, 0, {-N, 0, 0, N, 0}},
        {tsK, 3, t, 0, 0, {-N, 0, 0, N, 0, 0}},
        {tsK, 4, dt, 0, 0, {0, 0, Mt, 0, 0, -Mt}},
        {tsIG, 4, dt, 0, 0, {0, 3 * Mt / (2 * L), 3 * Mt / 2, 0, -3 * Mt / (2 * L)}},
        {tsGK, 4, dt, 0, 0, {0, -3 * Mt / (2 * L), 0, 3 * Mt / (2 * L), -3 * Mt / 2}},
        {tsProst, 4, dt, 0, 0, {0, 0, 0, 0}},
        {tsGK, 5, V, 0.25L, 0, {0.75L * V, 0, 0.25L * V, 0, 0}},
        {tsProst, 5, V, 0, 0, {V, 0, 0, 0}},
        {tsK, 6, p, 0, 1, {p * L / 2, 0, 0, p * L / 2, 0, 0}},
        // pt from 0.25 to 0.75 on ig: c = 2, xbar = 2.
        {tsIG, 6, p, 0.25L, 0.75L, {p, 0, 0, p, 0}},
    };
    for (const auto& sl : slucajevi) {
        TJedanStap st(0, 0, 4, 0, sl.tipStapa);
        st.g.m.nizPreseka[0]->Seth(h);
        const TOpterecenje* o = st.g.Opt(sl.tipOpt, 0, sl.v, sl.p1, sl.p2);
        const std::string opis = "member " + std::to_string(sl.tipStapa) + " load " + std::to_string(sl.tipOpt);
        OcekujVektor(GetVektorQLKS(*st.s, *o), sl.Q, opis);
        OcekujVektor(GetVektorQGKS(*st.s, *o), sl.Q, opis + " (GKS of a horizontal member)");
    }
}

// The equivalent loads of a partial uniform load equal the integral of those of a moving
// concentrated force (Simpson's rule is exact: the integrands are cubic), and every vector is in
// equilibrium with its load: sum of w = resultant, sum of moments about the start = load moment.
TEST(OpterecenjaStapa, PartialUniformLoadMatchesIntegratedPointLoadsAndEquilibrium) {
    const long double L = 5, q = -7, s0 = 0.2L, s1 = 0.7L;
    for (int tip : {tsK, tsIG, tsGK, tsProst}) {
        TJedanStap st(0, 0, 5, 0, tip);
        const TOpterecenje* pn = st.g.Opt(2, 0, q, s0, s1);
        const TMatrix Q = GetVektorQLKS(*st.s, *pn);
        const int n = Q.NrOfRows();
        std::vector<long double> integral(n, 0);
        const long double a0 = s0 * L, a1 = s1 * L, c = a1 - a0;
        const long double tezine[3] = {1, 4, 1};
        for (int i = 0; i < 3; ++i) {
            const long double pos = (a0 + i * c / 2) / L;
            const TOpterecenje* v = st.g.Opt(0, 0, q, pos);
            const TMatrix Qv = GetVektorQLKS(*st.s, *v);
            for (int r = 0; r < n; ++r) integral[r] += tezine[i] * c / 6 * Qv.Elem(1, r + 1);
        }
        for (int r = 0; r < n; ++r)
            EXPECT_TRUE(Blizu(Q.Elem(1, r + 1), integral[r], 1e-12L, 1e-9L)) << "type " << tip << " entry " << r + 1;

        // Equilibrium of every kind on this member type.
        const int w2 = (tip == tsK || tip == tsIG) ? 5 : 4;
        const int w1 = 2;
        for (int k = 0; k <= 6; ++k) {
            const TOpterecenje* o = st.g.Opt(k, 0, 3, 0.3L, 0.9L);
            const TMatrix Qk = GetVektorQLKS(*st.s, *o);
            long double sw = Qk.Elem(1, w1) + Qk.Elem(1, w2), su = Qk.Elem(1, 1) + Qk.Elem(1, w2 - 1), sm = 0;
            for (int r = 1; r <= n; ++r)
                if (r != 1 && r != w1 && r != w2 && r != w2 - 1) sm += Qk.Elem(1, r);
            sm += L * Qk.Elem(1, w2);
            long double Pw = 0, Pu = 0, Mo = 0;
            switch (k) {
                case 0: Pw = 3, Mo = 3 * 0.3L * L; break;
                case 1: Mo = 3; break;
                case 2: Pw = 3 * 0.6L * L, Mo = Pw * 0.6L * L; break;
                case 5: Pu = 3; break;
                case 6: Pu = 3 * 0.6L * L; break;
                default: break;  // temperature loads are self-equilibrated
            }
            EXPECT_TRUE(Blizu(sw, Pw, 1e-12L, 1e-9L)) << "type " << tip << " load " << k;
            EXPECT_TRUE(Blizu(su, k == 3 ? 0 : Pu, 1e-12L, 1e-9L)) << "type " << tip << " load " << k;
            EXPECT_TRUE(Blizu(sm, Mo, 1e-12L, 1e-9L)) << "type " << tip << " load " << k;
        }
    }
}

TEST(OpterecenjaStapa, GlobalVectorOfVerticalMemberAndUnknownKind) {
    TJedanStap st(0, 0, 0, 3, tsK);
    const TOpterecenje* v = st.g.Opt(0, 0, 10, 0.5L);
    // Local y of a member pointing up is global -X.
    OcekujVektor(GetVektorQGKS(*st.s, *v), {-5, 0, 10 * 3.0L / 8, -5, 0, -10 * 3.0L / 8}, "vertical V");
    const TOpterecenje* nepoznato = st.g.Opt(9, 0, 10);
    const TMatrix ql = GetVektorQLKS(*st.s, *nepoznato);
    EXPECT_EQ(ql.NrOfRows(), 1);
    EXPECT_EQ(ql.Elem(1, 1), 0.0);
    OcekujVektor(GetVektorQGKS(*st.s, *nepoznato), {0, 0, 0, 0, 0, 0}, "unknown kind");
    // Inclined 3-4-5 truss bar, V = 10 at mid-length: local w = 5 at each end -> X = -s*5, Z = c*5.
    TJedanStap kosi(0, 0, 3, 4, tsProst);
    const TOpterecenje* v2 = kosi.g.Opt(0, 0, 10, 0.5L);
    OcekujVektor(GetVektorQGKS(*kosi.s, *v2), {-4, 3, -4, 3}, "inclined V");
}

}  // namespace
