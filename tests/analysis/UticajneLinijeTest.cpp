// Influence lines against the closed forms of the classic structures, and against ordinary runs.
#include <gtest/gtest.h>

#include <cmath>

#include "DijagramiStapa.h"
#include "Greska.h"
#include "KopijaModela.h"
#include "PoslovProracuna.h"
#include "PokretniTeret.h"
#include "PomocModela.h"
#include "UticajneLinije.h"

namespace {

using LD = long double;
using V = TVelicinaUticaja;

TZahtevUticaja Presek(V v, int stap, LD x, std::vector<int> put = {}) {
    TZahtevUticaja z;
    z.velicina = v, z.idStapa = stap, z.x = x, z.put = std::move(put);
    return z;
}
TZahtevUticaja Cvora(V v, int cvor, std::vector<int> put = {}) {
    TZahtevUticaja z;
    z.velicina = v, z.idCvora = cvor, z.put = std::move(put);
    return z;
}

// A simply supported beam of span 6 in two members (hinged at the supports), the joint at 2.5.
TGraditeljModela ProstaGreda() {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(2.5, 0);
    TCvor* c = g.Cvor(6, 0, false, true);
    g.Stap(a, b, tsGK);
    g.Stap(b, c, tsIG);
    return g;
}

// Ordinates at every station of every path member against f(t), t the path coordinate.
template <class F>
void Uporedi(const TUticajnaLinija& l, F f, int n = 24, LD tol = 1e-9L) {
    for (const TUticajStapa& s : l.stapovi)
        for (int k = 0; k <= n; ++k) {
            const LD x = s.L * k / n;
            const LD t = s.pocetak + (s.obrnut ? s.L - x : x);
            if (std::isnan(f(t))) continue;
            EXPECT_TRUE(Blizu(s.Vrednost(x), f(t), tol, tol)) << "stap " << s.idStapa << " x = " << double(x);
        }
}

// Between consecutive kinks the line must be a straight one: its midpoint is the mean of its ends.
void Pravolinijska(const TUticajnaLinija& l) {
    const auto p = l.PrelomiPuta();
    for (size_t i = 0; i + 1 < p.size(); ++i)
        for (LD u : {0.25L, 0.5L, 0.8L}) {
            const LD a = l.NaPutu(p[i], true), b = l.NaPutu(p[i + 1], false);
            EXPECT_TRUE(Blizu(l.NaPutu(p[i] + u * (p[i + 1] - p[i])), a + u * (b - a), 1e-9L, 1e-12L))
                << "izmedju " << double(p[i]) << " i " << double(p[i + 1]);
        }
}

TEST(UticajneLinije, SimpleBeamSectionForcesAndReactionsAreTheStaticLines) {
    const TGraditeljModela g = ProstaGreda();
    const LD L = 6;
    for (LD a : {1.0L, 2.5L, 4.0L}) {
        // The section on the member that holds it, at its own x.
        const int stap = a <= 2.5L ? 0 : 1;
        const LD x = stap == 0 ? a : a - 2.5L;
        const auto M = UticajnaLinijaModela(g.m, Presek(V::M, stap, x));
        Uporedi(M, [&](LD t) { return t <= a ? t * (L - a) / L : a * (L - t) / L; });
        Pravolinijska(M);
        const auto T = UticajnaLinijaModela(g.m, Presek(V::T, stap, x));
        // Unit jump: -t/L left of the section, (L - t)/L right of it; the jump itself below.
        Uporedi(T, [&](LD t) { return t == a ? NAN : t < a ? -t / L : (L - t) / L; });
        if (stap == 0 || x > 0) {
            EXPECT_TRUE(Blizu(T.NaPutu(a, false), -a / L));
            EXPECT_TRUE(Blizu(T.NaPutu(a, true), (L - a) / L));
        }
        Uporedi(UticajnaLinijaModela(g.m, Presek(V::N, stap, x)), [](LD) { return 0.0L; });
    }
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Rz, 0)), [&](LD t) { return (L - t) / L; });
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Rz, 2)), [&](LD t) { return t / L; });
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Rx, 0)), [](LD) { return 0.0L; });
}

TEST(UticajneLinije, FixedFixedBeamEndMomentAndClampReaction) {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(5, 0, true, true, true);
    g.Stap(a, b, tsK);
    const LD L = 5;
    // The bending moment at the start hogs, the clamp turns the other way to hold it.
    Uporedi(UticajnaLinijaModela(g.m, Presek(V::M, 0, 0)), [&](LD t) { return -t * (L - t) * (L - t) / (L * L); });
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::M0, 0)), [&](LD t) { return t * (L - t) * (L - t) / (L * L); });
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Rz, 0)),
            [&](LD t) { return (L - t) * (L - t) * (L + 2 * t) / (L * L * L); });
}

// Two equal spans L on hinged supports: members hinged at the outer supports, rigid over the middle.
TGraditeljModela KontinualnaGreda(LD L) {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(L, 0, false, true);
    TCvor* c = g.Cvor(2 * L, 0, false, true);
    g.Stap(a, b, tsGK);
    g.Stap(b, c, tsIG);
    return g;
}

TEST(UticajneLinije, TwoSpanBeamMiddleReactionAndThreeMomentSupportMoment) {
    const LD L = 4;
    const TGraditeljModela g = KontinualnaGreda(L);
    // Load at distance u from the outer support of its span (the line is symmetric).
    auto odSpoljnog = [&](LD t) { return t <= L ? t : 2 * L - t; };
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Rz, 1)), [&](LD t) {
        const LD u = odSpoljnog(t);
        return u * (3 * L * L - u * u) / (2 * L * L * L);
    });
    Uporedi(UticajnaLinijaModela(g.m, Presek(V::M, 0, L)), [&](LD t) {
        const LD u = odSpoljnog(t);
        return -u * (L * L - u * u) / (4 * L * L);
    });
    // The end reaction: what the span takes of the load, plus the support moment's share.
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Rz, 0)), [&](LD t) {
        const LD u = odSpoljnog(t);
        const LD MB = -u * (L * L - u * u) / (4 * L * L);
        return (t <= L ? (L - t) / L : 0) + MB / L;
    });
}

// A three-hinged frame: hinged supports A and B, columns of height h, a hinge at mid-span.
TGraditeljModela TrozglobniRam(LD l, LD h) {
    TGraditeljModela g;
    TCvor* A = g.Cvor(0, 0, true, true);
    TCvor* C = g.Cvor(0, h);
    TCvor* D = g.Cvor(l / 2, h);
    TCvor* E = g.Cvor(l, h);
    TCvor* B = g.Cvor(l, 0, true, true);
    g.Stap(A, C, tsGK);
    g.Stap(C, D, tsIG);
    g.Stap(D, E, tsGK);
    g.Stap(E, B, tsIG);
    return g;
}

TEST(UticajneLinije, ThreeHingedFrameThrustAndCornerMomentArePiecewiseStraight) {
    const LD l = 8, h = 3;
    const TGraditeljModela g = TrozglobniRam(l, h);
    const std::vector<int> greda{1, 2};
    auto H = [&](LD t) { return t <= l / 2 ? t / (2 * h) : (l - t) / (2 * h); };
    const auto Rx = UticajnaLinijaModela(g.m, Cvora(V::Rx, 0, greda));
    Uporedi(Rx, H);
    Pravolinijska(Rx);
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Rz, 0, greda)), [&](LD t) { return (l - t) / l; });
    // The corner of the left column: the thrust's moment, hogging.
    const auto Mc = UticajnaLinijaModela(g.m, Presek(V::M, 1, 0, greda));
    Uporedi(Mc, [&](LD t) { return -H(t) * h; });
    Pravolinijska(Mc);
    // A load pushing the left column sideways (-X) at height y: the thrust at A is what the
    // right half takes about its hinge. Path = the left column, t = y.
    TZahtevUticaja z = Cvora(V::Rx, 4, {0});
    z.pravac = TPravacTereta::MinusX;
    Uporedi(UticajnaLinijaModela(g.m, z), [&](LD y) { return y / (2 * h); });
}

TEST(UticajneLinije, TrussChordAndPostForcesAreStraightBetweenPanelPoints) {
    TGraditeljModela g;
    TCvor* A = g.Cvor(0, 0, true, true);
    TCvor* D = g.Cvor(2, 0);
    TCvor* B = g.Cvor(4, 0, false, true);
    TCvor* C = g.Cvor(2, 2);
    g.Stap(A, D, tsProst);
    g.Stap(D, B, tsProst);
    g.Stap(A, C, tsProst);
    g.Stap(C, B, tsProst);
    g.Stap(D, C, tsProst);
    const std::vector<int> donji{0, 1};
    auto Md = [](LD t) { return t <= 2 ? t / 2 : (4 - t) / 2; };  // the beam's moment at the post
    const auto post = UticajnaLinijaModela(g.m, Presek(V::N, 4, 1, donji));
    Uporedi(post, [&](LD t) { return t <= 2 ? t / 2 : (4 - t) / 2; });
    Pravolinijska(post);
    const auto pojas = UticajnaLinijaModela(g.m, Presek(V::N, 0, 0.5, donji));
    Uporedi(pojas, [&](LD t) { return Md(t) / 2; });
    Pravolinijska(pojas);
    // The top chord member A-C pushes: its force is the chord's pull over cos 45.
    Uporedi(UticajnaLinijaModela(g.m, Presek(V::N, 2, 1, donji)), [&](LD t) { return -Md(t) / 2 * std::sqrt(2.0L); });
}

// A portal frame, clamped feet, a rigid beam: statically indeterminate three times.
TGraditeljModela Portal() {
    TGraditeljModela g;
    TCvor* A = g.Cvor(0, 0, true, true, true);
    TCvor* C = g.Cvor(0, 4);
    TCvor* D = g.Cvor(6, 4);
    TCvor* B = g.Cvor(6, 0, true, true, true);
    g.Stap(A, C, tsK);
    g.Stap(C, D, tsK);
    g.Stap(D, B, tsK);
    return g;
}

TEST(UticajneLinije, DisplacementLinesAreReciprocal) {
    const TGraditeljModela g = Portal();
    // Uz of a node with the load at another node equals Uz of that node with the load at the first.
    const auto uzC = UticajnaLinijaModela(g.m, Cvora(V::Uz, 1, {1}));
    const auto uzD = UticajnaLinijaModela(g.m, Cvora(V::Uz, 2, {1}));
    EXPECT_TRUE(Blizu(uzC.NaPutu(6), uzD.NaPutu(0), 1e-9L, 1e-18L));
    EXPECT_LT(uzC.NaPutu(0), 0);
    // A beam point against the node: the beam's line of Uz(C) at a point is the deflection of C under
    // a load there, and the deflected line of a load at C read at that point is the same number.
    TGraditeljModela g2 = Portal();
    g2.Opt(toV, 1, -1, 0.0L);
    TPoslovProracuna posao(g2.m);
    TPosmatracProracuna p;
    ASSERT_EQ(posao.Izvrsi(p).ishod, TIshodProracuna::Uspeh);
    const auto d = DijagramiStapa(posao.Model(), posao.Stanje(), *posao.Model().nizStapova[1]);
    for (LD x : {1.0L, 2.5L, 4.0L}) EXPECT_TRUE(Blizu(uzC.NaPutu(x), d.Vrednosti(x).w, 1e-9L, 1e-18L));
}

// The quantity from an ordinary run with a unit load on a member at relative position r.
struct TObicno {
    TPoslovProracuna posao;
    TPosmatracProracuna p;
    TObicno(const TModel& m) : posao(m) { EXPECT_EQ(posao.Izvrsi(p).ishod, TIshodProracuna::Uspeh); }
};

TEST(UticajneLinije, OrdinatesEqualOrdinaryRunsWithAUnitLoad) {
    const auto M = UticajnaLinijaModela(Portal().m, Presek(V::M, 1, 2));
    const auto R = UticajnaLinijaModela(Portal().m, Cvora(V::Rx, 0));
    const auto M0 = UticajnaLinijaModela(Portal().m, Cvora(V::M0, 3));
    for (LD r : {0.2L, 0.5L, 0.9L}) {
        TGraditeljModela g = Portal();
        g.Opt(toV, 1, -1, r);  // down on the beam
        TObicno o(g.m);
        const TModel& m = o.posao.Model();
        const LD x = r * M.stapovi[1].L;
        const auto d = DijagramiStapa(m, o.posao.Stanje(), *m.nizStapova[1]);
        EXPECT_TRUE(Blizu(M.stapovi[1].Vrednost(x), d.Vrednosti(2).M));
        EXPECT_TRUE(Blizu(R.stapovi[1].Vrednost(x), m.nizCvorova[0]->Rx()));
        EXPECT_TRUE(Blizu(M0.stapovi[1].Vrednost(x), m.nizCvorova[3]->MukljY()));
    }
    // A load in local +y of the left column pushes it in -X: against the line of that direction.
    for (LD r : {0.25L, 0.6L}) {
        TGraditeljModela g = Portal();
        g.Opt(toV, 0, 1, r);
        TObicno o(g.m);
        TZahtevUticaja z = Presek(V::M, 1, 2, {0});
        z.pravac = TPravacTereta::MinusX;
        const auto d = DijagramiStapa(o.posao.Model(), o.posao.Stanje(), *o.posao.Model().nizStapova[1]);
        EXPECT_TRUE(Blizu(UticajnaLinijaModela(Portal().m, z).stapovi[0].Vrednost(r * 4), d.Vrednosti(2).M));
    }
}

TEST(UticajneLinije, TrainsOnASimpleBeamTakeTheClassicPositions) {
    const TGraditeljModela g = ProstaGreda();
    const LD L = 6, d = 2;
    // Two equal forces: the largest moment of all is under a force at L/2 - d/4, (L - d/2)^2 / 2L.
    const LD a = L / 2 - d / 4;
    const auto M = UticajnaLinijaModela(g.m, Presek(V::M, 0, a));
    const TEkstremiVoza e = EkstremiVoza(M, ParsirajVoz("1@0,1@2"));
    EXPECT_TRUE(Blizu(e.max.vrednost, (L - d / 2) * (L - d / 2) / (2 * L)));
    EXPECT_TRUE(Blizu(e.max.s, a));
    EXPECT_TRUE(Blizu(e.min.vrednost, 0));
    // A heavier leading force at mid-span stands over the section with the light one behind.
    const auto Ms = UticajnaLinijaModela(g.m, Presek(V::M, 1, 0.5));
    const TEkstremiVoza e2 = EkstremiVoza(Ms, ParsirajVoz("2@0,1@2"));
    EXPECT_TRUE(Blizu(e2.max.vrednost, 3.5));
    EXPECT_TRUE(Blizu(e2.max.s, 3));
    // A uniform load longer than the span: qL^2/8; a short one centred over the section.
    EXPECT_TRUE(Blizu(EkstremiVoza(Ms, ParsirajVoz("q1@0:8")).max.vrednost, 4.5));
    const TEkstremiVoza e3 = EkstremiVoza(Ms, ParsirajVoz("q1@0:2"));
    EXPECT_TRUE(Blizu(e3.max.vrednost, 2.5));
    EXPECT_TRUE(Blizu(e3.max.s, 2));
    // Shear at the section: the jump is an extreme; the leading force just right of it.
    const TEkstremiVoza eT = EkstremiVoza(UticajnaLinijaModela(g.m, Presek(V::T, 1, 0.5)), ParsirajVoz("1@0"));
    EXPECT_TRUE(Blizu(eT.max.vrednost, 0.5));
    EXPECT_TRUE(Blizu(eT.min.vrednost, -0.5));
}

TEST(UticajneLinije, AContinuousBeamTrainFindsTheInteriorPeak) {
    // The middle reaction's line is curved: a single force finds its top, 1 at the support, and a
    // pair straddling the support the maximum of u(3L^2-u^2)/2L^3 summed over both spans.
    const LD L = 4;
    const auto R = UticajnaLinijaModela(KontinualnaGreda(L).m, Cvora(V::Rz, 1));
    EXPECT_TRUE(Blizu(EkstremiVoza(R, ParsirajVoz("1@0")).max.vrednost, 1));
    const TEkstremiVoza e = EkstremiVoza(R, ParsirajVoz("1@0,1@2"));
    // By symmetry the pair centres on the support: u = 3 in both spans.
    EXPECT_TRUE(Blizu(e.max.vrednost, 2 * 3 * (3 * L * L - 9) / (2 * L * L * L)));
    EXPECT_TRUE(Blizu(e.max.s, 3));
    // The support moment: the negative extreme of one force at u = L/sqrt(3).
    const auto MB = UticajnaLinijaModela(KontinualnaGreda(L).m, Presek(V::M, 0, L));
    const LD u = L / std::sqrt(3.0L);
    EXPECT_TRUE(Blizu(EkstremiVoza(MB, ParsirajVoz("1@0")).min.vrednost, -u * (L * L - u * u) / (4 * L * L)));
}

TEST(UticajneLinije, UnfitRequestsAreRefusedWithTheirReason) {
    const TGraditeljModela g = ProstaGreda();
    const struct {
        TZahtevUticaja z;
        const char* poruka;
    } slucajevi[] = {
        {Presek(V::M, 7, 1), "Ne postoji stap sa ID 7!!!"},
        {Presek(V::M, 0, 3), "Presek mora biti na stapu: 0 <= x <= 2.5!!!"},
        {Presek(V::M, 0, -0.1L), "Presek mora biti na stapu: 0 <= x <= 2.5!!!"},
        {Cvora(V::Rz, 9), "Ne postoji cvor sa ID 9!!!"},
        {Cvora(V::Rx, 2), "Cvor 2 nema oslonac u pravcu X!!!"},
        {Cvora(V::M0, 0), "Cvor 0 nema oslonac u pravcu obrtanja (uklestenje)!!!"},
        {Cvora(V::Fi, 0), "Cvor 0 nema obrtanje: svi krajevi stapova u njemu su zglobni!!!"},
        {Presek(V::M, 0, 1, {0, 5}), "Ne postoji stap sa ID 5!!!"},
    };
    for (const auto& s : slucajevi) {
        try {
            UticajnaLinijaModela(g.m, s.z);
            ADD_FAILURE() << s.poruka;
        } catch (const TGreska& e) {
            EXPECT_STREQ(e.what(), s.poruka);
        }
    }
    // A supported direction does not move: its displacement line is zero.
    Uporedi(UticajnaLinijaModela(g.m, Cvora(V::Uz, 0)), [](LD) { return 0.0L; });
    // A refused model carries the analysis's message.
    TGraditeljModela los = ProstaGreda();
    los.m.nizCvorova[0]->SetOslX(false);
    los.m.nizCvorova[0]->SetOslZ(false);
    EXPECT_THROW(UticajnaLinijaModela(los.m, Cvora(V::Rz, 2)), TGreska);
}

TEST(UticajneLinije, TrainTextsAreReadOrRefused) {
    const TVoz v = ParsirajVoz("10@0,20@1.5,q5@-1:3");
    ASSERT_EQ(v.sile.size(), 2u);
    EXPECT_EQ(v.sile[1].P, 20);
    EXPECT_EQ(v.sile[1].d, 1.5L);
    ASSERT_EQ(v.raspodeljena.size(), 1u);
    EXPECT_EQ(v.raspodeljena[0].od, -1);
    EXPECT_EQ(v.raspodeljena[0].duzina, 4);
    for (const char* los : {"", "10", "10@", "x@1", "q5@1", "q5@3:1", "1@0,,2@1"})
        EXPECT_THROW(ParsirajVoz(los), TGreska) << los;
}

}  // namespace
