// Linearly varying loads and self-weight against closed-form beam theory.
#include <gtest/gtest.h>

#include <cmath>

#include "DijagramiStapa.h"
#include "ElementStapa.h"
#include "OpterecenjeUklestenog.h"
#include "PomocModela.h"
#include "Proracun.h"

namespace {

const long double E = 2e8L, I = 1e-4L, A = 1e-2L, EI = E * I;

TOpterecenje* Linearno(TGraditeljModela& g, int idStapa, long double p1, long double p2, long double a = 0,
                       long double b = 1) {
    TOpterecenje* o = g.Opt(toPn, idStapa, p1, a, b);
    o->SetTip(toLinearno);
    o->SetRaspodeljenoOpterecenjeUPravcuOse(p2);
    return o;
}

void Analiza(TModel& m, TStanjeAnalize& st) {
    TPosmatracBezEkrana posmatrac(m, st);
    const TRezultatProracuna r = PokreniAnalizu(m, st, posmatrac);
    EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
}

long double Q(const TMatrix& v, int red) { return v.Elem(1, red); }

TEST(NoveVrsteOpterecenja, SimplySupportedBeamUnderFullTriangle) {
    const long double L = 6, q = 9;
    TGraditeljModela g(E, 0.3L, 1e-5L, I, A, 0.3L, 0);
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(L, 0, false, true);
    // Two members hinged at the supports, rigidly joined at mid-span; the load grows from 0 at the
    // start to q at the end, downward.
    TCvor* c = g.Cvor(L / 2, 0);
    g.Stap(a, c, tsGK);
    g.Stap(c, b, tsIG);
    Linearno(g, 0, 0, -q / 2);
    Linearno(g, 1, -q / 2, -q);
    TStanjeAnalize st;
    Analiza(g.m, st);
    EXPECT_TRUE(Blizu(a->Rz(), q * L / 6));
    EXPECT_TRUE(Blizu(b->Rz(), q * L / 3));
    const auto d = DijagramiSvihStapova(g.m, st);
    // L / sqrt(3) lies on the second member.
    EXPECT_TRUE(Blizu(d[1].ekstremM.max.vrednost, q * L * L / (9 * std::sqrt(3.0L))));
    EXPECT_TRUE(Blizu(d[1].ekstremM.max.x + L / 2, L / std::sqrt(3.0L)));
    EXPECT_TRUE(Blizu(d[0].Vrednosti(L / 2).M, q * L * L / 16));  // qL/6 * L/2 - q (L/2)^3 / (6L)
    EXPECT_TRUE(Blizu(d[1].Vrednosti(0).T, d[0].Vrednosti(L / 2).T));
    EXPECT_TRUE(Blizu(d[0].Vrednosti(L / 4).T, q * L / 6 - q * L / 32));
    // Mid-span deflection of the triangle: 5 q L^4 / (768 EI).
    EXPECT_TRUE(Blizu(d[0].Vrednosti(L / 2).w, -5 * q * L * L * L * L / (768 * EI)));
}

TEST(NoveVrsteOpterecenja, FixedFixedBeamUnderTriangle) {
    const long double L = 5, q = 12;
    TGraditeljModela g;
    TStap* s = g.Stap(g.Cvor(0, 0), g.Cvor(L, 0), tsK);
    const TMatrix v = GetVektorQLKS(*s, *Linearno(g, 0, 0, q));
    const long double ocekivano[6] = {0, 3 * q * L / 20, q * L * L / 30, 0, 7 * q * L / 20, -q * L * L / 20};
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Blizu(Q(v, i + 1), ocekivano[i])) << i;
    // The same triangle the other way round mirrors the vector.
    const TMatrix w = GetVektorQLKS(*s, *Linearno(g, 0, q, 0));
    EXPECT_TRUE(Blizu(Q(w, 3), q * L * L / 20));
    EXPECT_TRUE(Blizu(Q(w, 6), -q * L * L / 30));
}

// A partial trapezoid as the limit of many partial uniform loads (the closed forms of pn), the
// midpoint error removed by Richardson extrapolation: direct integration that shares nothing with
// the code under test but the pn formulas.
TEST(NoveVrsteOpterecenja, PartialTrapezoidOnEveryMemberType) {
    const long double L = 4, p1 = -3, p2 = 7, a = 0.15L, b = 0.8L;
    for (int tip = tsK; tip <= tsProst; ++tip) {
        TGraditeljModela g;
        TStap* s = g.Stap(g.Cvor(0, 0), g.Cvor(L * 0.6L, L * 0.8L), tip);  // inclined: Q is local anyway
        const TMatrix v = GetVektorQLKS(*s, *Linearno(g, 0, p1, p2, a, b));
        auto zbir = [&](int n) {
            std::vector<long double> z(size_t(v.NrOfRows()), 0);
            for (int k = 0; k < n; ++k) {
                const long double od = a + (b - a) * k / n, doKraja = a + (b - a) * (k + 1) / n;
                const long double sredina = (od + doKraja) / 2, p = p1 + (p2 - p1) * (sredina - a) / (b - a);
                TOpterecenje* o = g.Opt(toPn, 0, p, od, doKraja);
                const TMatrix d = GetVektorQLKS(*s, *o);
                for (int i = 0; i < d.NrOfRows(); ++i) z[size_t(i)] += Q(d, i + 1);
                g.m.nizOpterecenja.pop_back();
            }
            return z;
        };
        const auto grubo = zbir(200), fino = zbir(400);
        ASSERT_EQ(v.NrOfRows(), BrojStepeniSlobode(tip));
        for (int i = 0; i < v.NrOfRows(); ++i) {
            const long double ocekivano = (4 * fino[size_t(i)] - grubo[size_t(i)]) / 3;
            EXPECT_TRUE(Blizu(Q(v, i + 1), ocekivano, 1e-9L, 1e-9L)) << "tip " << tip << " red " << i + 1;
        }
    }
}

TEST(NoveVrsteOpterecenja, UniformLinearLoadEqualsPn) {
    // p1 = p2 is the partial uniform load: every member type, to rounding.
    for (int tip = tsK; tip <= tsProst; ++tip) {
        TGraditeljModela g;
        TStap* s = g.Stap(g.Cvor(0, 0), g.Cvor(3, 0), tip);
        const TMatrix lin = GetVektorQLKS(*s, *Linearno(g, 0, 5, 5, 0.2L, 0.7L));
        const TMatrix pn = GetVektorQLKS(*s, *g.Opt(toPn, 0, 5, 0.2L, 0.7L));
        for (int i = 1; i <= pn.NrOfRows(); ++i) EXPECT_TRUE(Blizu(Q(lin, i), Q(pn, i), 1e-12L, 1e-12L)) << tip;
    }
}

TEST(NoveVrsteOpterecenja, SelfWeightOnInclinedFixedMember) {
    // A member from (0, 0) to (3, 4), fixed at both ends: L = 5, cos 0.6, sin 0.8.
    const long double masa = 2500, faktor = 0.00981L, L = 5;
    TGraditeljModela g;
    g.m.nizMaterijala[0]->SetMasa(masa);
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(3, 4, true, true, true);
    TStap* s = g.Stap(a, b, tsK);
    TOpterecenje* o = g.Opt(toPn, 0, faktor);
    o->SetTip(toSopstvenaTezina);
    const long double w = faktor * masa * A;  // weight per unit length
    const TSopstvenaTezina t = KomponenteTezine(*s, *o);
    EXPECT_TRUE(Blizu(t.qy, -0.6L * w));
    EXPECT_TRUE(Blizu(t.px, -0.8L * w));
    const TMatrix ql = GetVektorQLKS(*s, *o);
    const long double ocekivano[6] = {-0.4L * w * L, -0.3L * w * L, -0.6L * w * L * L / 12,
                                      -0.4L * w * L, -0.3L * w * L, 0.6L * w * L * L / 12};
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Blizu(Q(ql, i + 1), ocekivano[i])) << i;
    {
        TStanjeAnalize st0;
        Analiza(g.m, st0);
    }
    for (TCvor* c : {a, b}) {
        EXPECT_TRUE(Blizu(c->Rx(), 0, 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(c->Rz(), w * L / 2));
    }
    EXPECT_TRUE(Blizu(a->MukljY(), 0.6L * w * L * L / 12));
    EXPECT_TRUE(Blizu(b->MukljY(), -0.6L * w * L * L / 12));
}

TEST(NoveVrsteOpterecenja, SelfWeightOnSimplySupportedBeamAndColumn) {
    TGraditeljModela g;
    g.m.nizMaterijala[0]->SetMasa(7850);
    const long double w = 1e-3L * 7850 * A, L = 4;
    // A horizontal beam on a pin and a roller and a vertical column on a fixed base.
    TCvor* a = g.Cvor(0, 10, true, true);
    TCvor* b = g.Cvor(L, 10, false, true);
    TCvor* c = g.Cvor(20, 0, true, true, true);
    TCvor* d = g.Cvor(20, L, true, false);  // held sideways at the top
    g.Stap(a, b, tsProst);                  // a bar carries its weight across by bending inside it alone
    g.Stap(c, d, tsIG);
    for (int id : {0, 1}) g.Opt(toPn, id, 1e-3L)->SetTip(toSopstvenaTezina);
    TStanjeAnalize st;
    Analiza(g.m, st);
    EXPECT_TRUE(Blizu(a->Rz(), w * L / 2));
    EXPECT_TRUE(Blizu(b->Rz(), w * L / 2));
    EXPECT_TRUE(Blizu(c->Rz(), w * L));
    EXPECT_TRUE(Blizu(c->MukljY(), 0, 1e-9L, 1e-9L));
    const auto dij = DijagramiSvihStapova(g.m, st);
    EXPECT_TRUE(Blizu(dij[0].Vrednosti(L / 2).M, w * L * L / 8));
    EXPECT_TRUE(Blizu(dij[1].Vrednosti(0).N, -w * L));  // the column carries its weight in compression
    EXPECT_TRUE(Blizu(dij[1].Vrednosti(L).N, 0, 1e-9L, 1e-9L));
}

}  // namespace
