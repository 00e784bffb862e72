// Rotational springs at member ends and the shear-consistent equivalent loads against closed-form
// beam theory (Euler-Bernoulli with springs in series, Timoshenko for the shear).
#include <gtest/gtest.h>

#include <cmath>

#include "DijagramiStapa.h"
#include "ElementStapa.h"
#include "PomocModela.h"
#include "Proracun.h"

namespace {

const long double E = 2e8L, nu = 0.25L, I = 4e-4L, A = 2e-2L, EI = E * I, G = E / (2 * (1 + nu));

void Analiza(TModel& m, TStanjeAnalize& st) {
    TPosmatracBezEkrana posmatrac(m, st);
    const TRezultatProracuna r = PokreniAnalizu(m, st, posmatrac);
    EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
}

TEST(PoluKrutiKrajevi, FixedBeamWithEqualEndSpringsUnderUniformLoad) {
    const long double L = 6, q = 10;
    for (long double k : {EI / L, 5 * EI / L, 100 * EI / L}) {
        TGraditeljModela g(E, nu, 1e-5L, I, A, 0.3L, 0);
        TStap* s = g.Stap(g.Cvor(0, 0, true, true, true), g.Cvor(L, 0, true, true, true), tsK);
        s->SetOpruga(true, k);
        s->SetOpruga(false, k);
        g.Opt(toPn, 0, -q);
        TStanjeAnalize st;
        Analiza(g.m, st);
        const long double Mk = q * L * L / 12 / (1 + 2 * EI / (k * L));
        const TDijagramiStapa d = DijagramiSvihStapova(g.m, st)[0];
        EXPECT_TRUE(Blizu(d.Vrednosti(0).M, -Mk)) << k;
        EXPECT_TRUE(Blizu(d.Vrednosti(L).M, -Mk)) << k;
        EXPECT_TRUE(Blizu(d.Vrednosti(L / 2).M, q * L * L / 8 - Mk)) << k;
        // The support moment in the reactions' own sign: the rigid beam's qL^2/12 reduced alike.
        const long double uklj = g.m.nizCvorova[0]->MukljY();
        s->SetOpruga(true, 0);
        s->SetOpruga(false, 0);
        TStanjeAnalize kruto;
        Analiza(g.m, kruto);
        EXPECT_TRUE(Blizu(std::fabs(g.m.nizCvorova[0]->MukljY()), q * L * L / 12));
        EXPECT_TRUE(Blizu(uklj, g.m.nizCvorova[0]->MukljY() / (1 + 2 * EI / (k * L)))) << k;
        // The member's own end turns by M/k behind the spring while the node stays.
        EXPECT_TRUE(Blizu(d.Vrednosti(0).fi, -Mk / k)) << k;
        EXPECT_TRUE(Blizu(d.Vrednosti(L).fi, Mk / k)) << k;
    }
}

// Stiffness and loads of a spring end against the rigid and hinged types at the two limits.
TEST(PoluKrutiKrajevi, LimitsAreTheRigidAndHingedTypes) {
    const long double L = 5;
    TGraditeljModela g(E, nu, 1e-5L, I, A, 0.3L, 0.8L);  // with shear
    TStap* opruga = g.Stap(g.Cvor(0, 0), g.Cvor(3, 4), tsK);
    TStap* krut = g.Stap(g.Cvor(10, 0), g.Cvor(13, 4), tsK);
    TStap* ig = g.Stap(g.Cvor(20, 0), g.Cvor(23, 4), tsIG);
    TStap* gk = g.Stap(g.Cvor(30, 0), g.Cvor(33, 4), tsGK);
    const TOpterecenje* o = g.Opt(toV, 0, 7, 0.3L);
    const TOpterecenje* p = g.Opt(toPn, 0, -4, 0.1L, 0.6L);
    const long double skala = EI / L;
    auto uporedi = [&](const TStap& poredi, int izostavi) {
        const TMatrix K = MatricaKrutostiLKS(*opruga), Kp = MatricaKrutostiLKS(poredi);
        const long double mera = 12 * EI / (L * L * L) + E * A / L;
        for (int r = 1, rp = 1; r <= 6; ++r) {
            if (r == izostavi) continue;
            for (int c = 1, cp = 1; c <= 6; ++c) {
                if (c == izostavi) continue;
                EXPECT_TRUE(Blizu(K.Elem(c, r), Kp.Elem(cp, rp), 1e-9L, 1e-9L * mera)) << r << "," << c;
                ++cp;
            }
            ++rp;
        }
        for (const TOpterecenje* opt : {o, p}) {
            const TMatrix Q = GetVektorQLKS(*opruga, *opt), Qp = GetVektorQLKS(poredi, *opt);
            for (int r = 1, rp = 1; r <= 6; ++r) {
                if (r == izostavi) {
                    EXPECT_TRUE(Blizu(Q.Elem(1, r), 0, 1e-9L, 1e-9L));
                    continue;
                }
                EXPECT_TRUE(Blizu(Q.Elem(1, r), Qp.Elem(1, rp), 1e-9L, 1e-9L)) << r;
                ++rp;
            }
        }
    };
    opruga->SetOpruga(true, 1e13L * skala);
    opruga->SetOpruga(false, 1e13L * skala);
    uporedi(*krut, 0);
    opruga->SetOpruga(true, 1e13L * skala);
    opruga->SetOpruga(false, 1e-13L * skala);
    uporedi(*ig, 6);
    opruga->SetOpruga(true, 1e-13L * skala);
    opruga->SetOpruga(false, 1e13L * skala);
    uporedi(*gk, 3);
    // The row of the nearly free node rotation vanishes with the spring.
    const TMatrix K = MatricaKrutostiLKS(*opruga);
    for (int c = 1; c <= 6; ++c) EXPECT_TRUE(Blizu(K.Elem(c, 3), 0, 1e-9L, 1e-9L * skala));
}

TEST(PoluKrutiKrajevi, SpringOnTheRigidEndOfAHingedType) {
    // A propped cantilever (type ig) whose fixed end is a spring: the prop's force from the
    // compatibility of the cantilever tip.
    const long double L = 4, q = 6, k = 2 * EI / L;
    TGraditeljModela g(E, nu, 1e-5L, I, A, 0.3L, 0);
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(L, 0, false, true);
    g.Stap(a, b, tsIG)->SetOpruga(true, k);
    g.Opt(toPn, 0, -q);
    {
        TStanjeAnalize st0;
        Analiza(g.m, st0);
    }
    // Tip of the spring-held cantilever: q L^4/(8EI) + (q L^2/2)/k * L against R (L^3/(3EI) + L^2/k).
    const long double R = (q * L * L * L * L / (8 * EI) + q * L * L * L / (2 * k)) / (L * L * L / (3 * EI) + L * L / k);
    EXPECT_TRUE(Blizu(b->Rz(), R));
    EXPECT_TRUE(Blizu(a->Rz(), q * L - R));
    EXPECT_TRUE(Blizu(a->MukljY(), q * L * L / 2 - R * L));
}

// A cantilever fixed at x = 0, propped at x = L, with shear deformation (k > 0).
struct TKonzolaSaOsloncem {
    long double L = 3, ks = 1.2L;
    long double c() const { return ks / (G * A); }
    TGraditeljModela g{E, nu, 1e-5L, I, A, 0.3L, ks};
    TCvor* a;
    TCvor* b;
    TKonzolaSaOsloncem() {
        a = g.Cvor(0, 0, true, true, true);
        b = g.Cvor(L, 0, false, true);
        g.Stap(a, b, tsIG);
    }
    // The prop's force from the tip compatibility of the cantilever, shear included.
    long double Oslonac(long double ugibOpterecenja) const {
        return ugibOpterecenja / (L * L * L / (3 * EI) + c() * L);
    }
};

TEST(SmicanjeUOpterecenju, ProppedCantileverAgainstTimoshenko) {
    const long double q = 8, P = 15, xa = 1.1L;
    for (bool pn : {true, false}) {
        TKonzolaSaOsloncem k;
        if (pn) k.g.Opt(toPn, 0, -q);
        else k.g.Opt(toV, 0, -P, xa / k.L);
        const long double L = k.L;
        const long double ugib = pn ? q * L * L * L * L / (8 * EI) + k.c() * q * L * L / 2
                                    : P * xa * xa * (3 * L - xa) / (6 * EI) + k.c() * P * xa;
        // The specified rule: the loads of bending alone, the prop of Euler-Bernoulli theory.
        {
            TStanjeAnalize st0;
            Analiza(k.g.m, st0);
        }
        const long double bezSmicanja = pn ? 3 * q * L / 8 : P * xa * xa * (3 * L - xa) / (2 * L * L * L);
        EXPECT_TRUE(Blizu(k.b->Rz(), bezSmicanja)) << pn;
        k.g.m.opcijeAnalize.smicanjeUOpterecenju = true;
        TStanjeAnalize st;
        Analiza(k.g.m, st);
        const long double R = k.Oslonac(ugib);
        EXPECT_TRUE(Blizu(k.b->Rz(), R)) << pn;
        EXPECT_TRUE(Blizu(k.a->Rz(), (pn ? q * L : P) - R)) << pn;
        // The exact line then satisfies fi' = M/EI and w' = fi - k T/(G A) with no correction: checked
        // by differences inside the member, away from the point load.
        const TDijagramiStapa d = DijagramiSvihStapova(k.g.m, st)[0];
        for (long double x : {0.4L, 2.2L}) {
            const long double h = 1e-4L;
            const auto l = d.Vrednosti(x - h), v = d.Vrednosti(x), r = d.Vrednosti(x + h);
            EXPECT_TRUE(Blizu((r.fi - l.fi) / (2 * h), v.M / EI, 1e-6L, 1e-12L)) << x;
            EXPECT_TRUE(Blizu((r.w - l.w) / (2 * h), v.fi - k.c() * v.T, 1e-6L, 1e-12L)) << x;
        }
    }
}

TEST(SmicanjeUOpterecenju, WithoutShearBothRulesGiveTheSameBits) {
    TGraditeljModela g(E, nu, 1e-5L, I, A, 0.3L, 0);
    TStap* st[4];
    for (int t = tsK; t <= tsProst; ++t) st[t] = g.Stap(g.Cvor(10 * t, 0), g.Cvor(10 * t + 3, 4), t);
    const TOpterecenje* opt[] = {g.Opt(toV, 0, 3, 0.3L),    g.Opt(toM, 0, 2, 0.6L), g.Opt(toPn, 0, -4, 0.2L, 0.9L),
                                 g.Opt(toT, 0, 20),         g.Opt(toDeltaT, 0, 9),  g.Opt(toH, 0, 5, 0.25L),
                                 g.Opt(toPt, 0, 1, 0, 0.5L)};
    for (const TStap* s : st)
        for (const TOpterecenje* o : opt) {
            const TMatrix a = GetVektorQGKS(*s, *o, false), b = GetVektorQGKS(*s, *o, true);
            for (int i = 1; i <= a.NrOfRows(); ++i) EXPECT_EQ(a.Elem(1, i), b.Elem(1, i));
        }
}

TEST(SmicanjeUOpterecenju, HingedTypesCondenseWithTheShearStiffness) {
    // A propped cantilever as one type-ig member fixed at the start: its Q with the option is the
    // Timoshenko fixed-end force; the prop gets R, the fixed end qL - R.
    TKonzolaSaOsloncem k;
    TStap* ig = k.g.Stap(k.g.Cvor(10, 0), k.g.Cvor(10 + k.L, 0), tsIG);
    const long double q = 5, L = k.L;
    const TOpterecenje* o = k.g.Opt(toPn, ig->ID(), q);
    const TMatrix Q = GetVektorQLKS(*ig, *o, true);
    const long double R = k.Oslonac(q * L * L * L * L / (8 * EI) + k.c() * q * L * L / 2);
    EXPECT_TRUE(Blizu(Q.Elem(1, 5), R));
    EXPECT_TRUE(Blizu(Q.Elem(1, 2), q * L - R));
    EXPECT_TRUE(Blizu(Q.Elem(1, 3), q * L * L / 2 - R * L));
}

}  // namespace
