// Internal-force diagrams and the deflected line against closed-form beam theory.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "DijagramiStapa.h"
#include "PomocModela.h"
#include "Proracun.h"
#include "SileStapa.h"

namespace {

const long double E = 2e8L, I = 1e-4L, A = 1e-2L, EI = E * I, EA = E * A, alfa = 1e-5L, h = 0.3L;

struct TRez {
    TStanjeAnalize stanje;
    std::vector<TDijagramiStapa> d;
    explicit TRez(TModel& m) {
        TPosmatracBezEkrana posmatrac(m, stanje);
        const TRezultatProracuna r = PokreniAnalizu(m, stanje, posmatrac);
        EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
        d = DijagramiSvihStapova(m, stanje);
    }
};

// A beam of span L on a pin and a roller, as a hinged-rigid and a rigid-hinged member joined at xs:
// both members' line, hinged ends included, comes from the method.
TGraditeljModela ProstaGreda(long double L, long double xs) {
    TGraditeljModela g(E, 0.3L, alfa, I, A, h, 0);
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(xs, 0);
    TCvor* c = g.Cvor(L, 0, false, true);
    g.Stap(a, b, tsGK);
    g.Stap(b, c, tsIG);
    return g;
}

TEST(DijagramiStapa, SimplySupportedBeamUnderPointLoad) {
    const long double L = 6, a = 4, b = 2, P = 12, xs = 3;
    TGraditeljModela g = ProstaGreda(L, xs);
    g.Opt(toV, 1, -P, (a - xs) / (L - xs));
    TRez r(g.m);
    const TDijagramiStapa& d = r.d[1];
    const long double xa = a - xs;
    EXPECT_TRUE(Blizu(d.Vrednosti(xa).M, P * a * b / L));
    EXPECT_TRUE(Blizu(r.d[0].Vrednosti(0).M, 0, 1e-9L, 1e-9L));
    EXPECT_TRUE(Blizu(d.Vrednosti(L - xs).M, 0, 1e-9L, 1e-9L));
    EXPECT_TRUE(Blizu(r.d[0].Vrednosti(xs).M, P * b * xs / L));
    // Both sides of the force, and the table's station picks the right side.
    EXPECT_TRUE(Blizu(d.Vrednosti(xa, false).T, P * b / L));
    EXPECT_TRUE(Blizu(d.Vrednosti(xa, true).T, -P * a / L));
    EXPECT_TRUE(Blizu(d.NaStanici(xa).T, -P * a / L));
    ASSERT_EQ(d.skokovi.size(), 1u);
    EXPECT_TRUE(Blizu(d.skokovi[0].x, xa));
    EXPECT_TRUE(Blizu(d.skokovi[0].levo.T, P * b / L));
    EXPECT_TRUE(Blizu(d.skokovi[0].desno.T, -P * a / L));
    EXPECT_TRUE(Blizu(d.skokovi[0].levo.M, d.skokovi[0].desno.M));
    // Deflection under the load, and the largest one at sqrt((L^2 - b^2)/3) from the far support.
    EXPECT_TRUE(Blizu(d.Vrednosti(xa).w, -P * a * a * b * b / (3 * EI * L)));
    const long double xm = std::sqrt((L * L - b * b) / 3);
    EXPECT_TRUE(Blizu(d.ekstremW.min.x + xs, xm, 1e-7L));
    EXPECT_TRUE(
        Blizu(d.ekstremW.min.vrednost, -P * b * std::pow(L * L - b * b, 1.5L) / (9 * std::sqrt(3.0L) * EI * L)));
    EXPECT_TRUE(Blizu(d.ekstremM.max.vrednost, P * a * b / L));
    EXPECT_TRUE(Blizu(d.ekstremM.max.x, xa));
    // The hinged ends turn as the line says, not as their nodes.
    EXPECT_TRUE(Blizu(r.d[0].Vrednosti(0).fi, -P * b * (L * L - b * b) / (6 * EI * L)));
    EXPECT_TRUE(Blizu(d.Vrednosti(L - xs).fi, P * a * (L * L - a * a) / (6 * EI * L)));
    EXPECT_TRUE(Blizu(r.d[0].Vrednosti(xs).fi, d.Vrednosti(0).fi));
}

TEST(DijagramiStapa, SimplySupportedBeamUnderPartialUniformLoad) {
    const long double L = 10, s = 2, c = 5, r = 3, q = 4, xs = 8;
    TGraditeljModela g = ProstaGreda(L, xs);
    g.Opt(toPn, 0, -q, s / xs, (s + c) / xs);
    TRez rez(g.m);
    const TDijagramiStapa& d = rez.d[0];
    const long double RA = q * c * (c / 2 + r) / L;
    const long double xm = s + RA / q;
    EXPECT_TRUE(Blizu(d.Vrednosti(s).M, RA * s));
    EXPECT_TRUE(Blizu(d.ekstremM.max.x, xm));
    EXPECT_TRUE(Blizu(d.ekstremM.max.vrednost, RA * xm - q * (xm - s) * (xm - s) / 2));
    EXPECT_TRUE(Blizu(d.Vrednosti(xm).T, 0, 1e-9L, 1e-9L));
    EXPECT_TRUE(Blizu(rez.d[1].Vrednosti(1).T, RA - q * c));
    EXPECT_TRUE(d.skokovi.empty());
}

// The same fixed-fixed member under full pn, horizontal, drawn from right to left and inclined: the
// values follow each member's own axes (its y points down when it is drawn from right to left).
TEST(DijagramiStapa, FixedFixedBeamUnderFullUniformLoadInItsOwnAxes) {
    const long double q = 3;
    const struct {
        long double x0, z0, x1, z1, znak;
    } slucajevi[] = {{0, 0, 6, 0, 1}, {6, 0, 0, 0, -1}, {0, 0, 3.6L, 4.8L, 1}};
    for (const auto& s : slucajevi) {
        TGraditeljModela g(E, 0.3L, alfa, I, A, h, 0);
        {
            TCvor* c0 = g.Cvor(s.x0, s.z0, true, true, true);
            TCvor* c1 = g.Cvor(s.x1, s.z1, true, true, true);
            g.Stap(c0, c1, tsK);
        }
        // Downward for the left-to-right member, and the same physical load on the reversed one.
        g.Opt(toPn, 0, -q * s.znak);
        TRez r(g.m);
        const TDijagramiStapa& d = r.d[0];
        const long double L = 6, ql = q * s.znak;
        SCOPED_TRACE(s.x1);
        EXPECT_TRUE(Blizu(d.Vrednosti(0).M, -ql * L * L / 12));
        EXPECT_TRUE(Blizu(d.Vrednosti(L).M, -ql * L * L / 12));
        EXPECT_TRUE(Blizu(d.Vrednosti(L / 2).M, ql * L * L / 24));
        EXPECT_TRUE(Blizu(d.Vrednosti(0).T, ql * L / 2));
        EXPECT_TRUE(Blizu(d.Vrednosti(L / 2).w, -ql * L * L * L * L / (384 * EI)));
        EXPECT_TRUE(Blizu(d.Vrednosti(L / 2).fi, 0, 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(d.Vrednosti(L / 3).N, 0, 1e-9L, 1e-9L));
    }
}

// Propped cantilevers, the hinge at either end: -qL^2/8 at the clamp, 9qL^2/128 at 3L/8 from the
// hinge, and the hinged end's own rotation qL^3/(48EI) taken from the line.
TEST(DijagramiStapa, ProppedCantileverEitherWay) {
    const long double L = 8, q = 2;
    for (int tip : {tsIG, tsGK}) {
        TGraditeljModela g(E, 0.3L, alfa, I, A, h, 0);
        const bool uklj = tip == tsIG;
        {
            TCvor* c0 = g.Cvor(0, 0, true, true, uklj);
            TCvor* c1 = g.Cvor(L, 0, !uklj, true, !uklj);
            g.Stap(c0, c1, tip);
        }
        g.Opt(toPn, 0, -q);
        TRez r(g.m);
        const TDijagramiStapa& d = r.d[0];
        const long double xz = uklj ? 0 : L, xh = uklj ? L : 0, xm = uklj ? 5 * L / 8 : 3 * L / 8;
        SCOPED_TRACE(tip);
        EXPECT_TRUE(Blizu(d.Vrednosti(xz).M, -q * L * L / 8));
        EXPECT_TRUE(Blizu(d.Vrednosti(xh).M, 0, 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(d.ekstremM.max.x, xm));
        EXPECT_TRUE(Blizu(d.ekstremM.max.vrednost, 9 * q * L * L / 128));
        EXPECT_TRUE(Blizu(d.Vrednosti(xh).fi, (uklj ? 1 : -1) * q * L * L * L / (48 * EI)));
        EXPECT_TRUE(Blizu(d.Vrednosti(xz).fi, 0, 1e-9L, 1e-15L));
    }
}

TEST(DijagramiStapa, TemperatureRestrainedAndFree) {
    const long double L = 5, t = 30, dt = 20;
    {  // Both ends clamped: N = -alfa t EA, M = alfa dt EI / h, no movement.
        TGraditeljModela g(E, 0.3L, alfa, I, A, h, 0);
        {
            TCvor* c0 = g.Cvor(0, 0, true, true, true);
            TCvor* c1 = g.Cvor(L, 0, true, true, true);
            g.Stap(c0, c1, tsK);
        }
        g.Opt(toT, 0, t);
        g.Opt(toDeltaT, 0, dt);
        TRez r(g.m);
        const auto v = r.d[0].Vrednosti(2);
        EXPECT_TRUE(Blizu(v.N, -alfa * t * EA));
        EXPECT_TRUE(Blizu(v.M, alfa * dt * EI / h));
        EXPECT_TRUE(Blizu(v.u, 0, 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(v.w, 0, 1e-9L, 1e-15L));
    }
    {  // A bar on a pin and a roller: no forces, the free strain and the curvature of dt (the
       // warmer +y face lengthens, so the bar bows toward +y).
        TGraditeljModela g(E, 0.3L, alfa, I, A, h, 0);
        TCvor* c0 = g.Cvor(0, 0, true, true);
        TCvor* c1 = g.Cvor(L, 0, false, true);
        g.Stap(c0, c1, tsProst);
        g.Opt(toT, 0, t);
        g.Opt(toDeltaT, 0, dt);
        TRez r(g.m);
        const auto v = r.d[0].Vrednosti(L);
        EXPECT_TRUE(Blizu(r.d[0].Vrednosti(1).N, 0, 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(r.d[0].Vrednosti(1).M, 0, 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(v.u, alfa * t * L));
        EXPECT_TRUE(Blizu(v.fi, -alfa * dt * L / (2 * h)));
        EXPECT_TRUE(Blizu(r.d[0].Vrednosti(L / 2).w, alfa * dt * L * L / (8 * h)));
    }
}

// Clamped at the start, guided at the end (rotation held, free across): the deflection carries the
// bending part PL^3/(12EI) and the shear part kPL/(GA).
TEST(DijagramiStapa, GuidedCantileverIncludesShearDeformation) {
    const long double L = 2, P = 50, k = 1.2L, G = E / 2.6L;
    TGraditeljModela g(E, 0.3L, alfa, I, A, h, k);
    {
        TCvor* c0 = g.Cvor(0, 0, true, true, true);
        TCvor* c1 = g.Cvor(L, 0, true, false, true);
        g.Stap(c0, c1, tsK);
    }
    g.m.nizCvorova[1]->SetPz(-P);
    TRez r(g.m);
    const TDijagramiStapa& d = r.d[0];
    const long double savijanje = P * L * L * L / (12 * EI), smicanje = k * P * L / (G * A);
    EXPECT_TRUE(Blizu(d.Vrednosti(L).w, -(savijanje + smicanje)));
    EXPECT_TRUE(Blizu(d.Vrednosti(L / 2).w, -(savijanje + smicanje) / 2));
    EXPECT_TRUE(Blizu(d.Vrednosti(0).M, -P * L / 2));
    EXPECT_TRUE(Blizu(d.Vrednosti(L).M, P * L / 2));
    EXPECT_TRUE(Blizu(d.Vrednosti(1).T, P));
    EXPECT_TRUE(Blizu(d.Vrednosti(L).fi, 0, 1e-9L, 1e-15L));
}

// A couple on a simply supported beam: M jumps by -M0 (counter-clockwise couple) at its position.
TEST(DijagramiStapa, BothSidesOfACouple) {
    const long double L = 6, a = 2, b = 4, M0 = 9, xs = 3;
    TGraditeljModela g = ProstaGreda(L, xs);
    g.Opt(toM, 0, M0, a / xs);
    TRez r(g.m);
    const TDijagramiStapa& d = r.d[0];
    ASSERT_EQ(d.skokovi.size(), 1u);
    EXPECT_TRUE(Blizu(d.skokovi[0].levo.M, M0 * a / L));
    EXPECT_TRUE(Blizu(d.skokovi[0].desno.M, -M0 * b / L));
    EXPECT_TRUE(Blizu(d.Vrednosti(a, false).M, M0 * a / L));
    EXPECT_TRUE(Blizu(d.NaStanici(a).M, -M0 * b / L));
    EXPECT_TRUE(Blizu(d.Vrednosti(1).T, M0 / L));
    EXPECT_TRUE(Blizu(d.ekstremM.min.vrednost, -M0 * b / L));
    EXPECT_TRUE(Blizu(r.d[1].Vrednosti(1).M, -M0 * 2 / L));
}

// One force alone, and the displacements alone, are what the whole set of values gives, on both sides of every jump, at the ends
// and outside the member; and it is the closed-form value of the couple and point load beams.
TEST(DijagramiStapa, OneForceAloneIsTheSameAsAllValues) {
    const long double L = 6, a = 2, M0 = 9, P = 12, xs = 3;
    TGraditeljModela g = ProstaGreda(L, xs);
    g.Opt(toM, 0, M0, a / xs);
    g.Opt(toV, 1, P, 0.5L);
    TRez r(g.m);
    const struct {
        TSila koja;
        long double TVrednostiPreseka::*polje;
    } sile[] = {{TSila::N, &TVrednostiPreseka::N}, {TSila::T, &TVrednostiPreseka::T}, {TSila::M, &TVrednostiPreseka::M}};
    for (const TDijagramiStapa& d : r.d)
        for (long double x : {-1.0L, 0.0L, 0.7L, a, a + 1e-14L, 1.5L, d.L / 2, d.L * (1 - 1e-13L), d.L, d.L + 2})
            for (bool desno : {false, true}) {
                for (const auto& s : sile) {
                    const long double jedna = d.Sila(s.koja, x, desno), sve = d.Vrednosti(x, desno).*s.polje;
                    EXPECT_EQ(std::memcmp(&jedna, &sve, 10), 0) << double(x) << " " << desno;
                }
                const TDijagramiStapa::TPomeranja p = d.Pomeranja(x, desno);
                const TVrednostiPreseka v = d.Vrednosti(x, desno);
                EXPECT_EQ(std::memcmp(&p.u, &v.u, 10), 0) << double(x) << " " << desno;
                EXPECT_EQ(std::memcmp(&p.w, &v.w, 10), 0) << double(x) << " " << desno;
            }
    // Walking along the member from where the last search ended finds the same parts, a jump's
    // position included.
    for (const TDijagramiStapa& d : r.d)
        for (bool desno : {false, true})
            for (const auto& s : sile) {
                size_t od = 0;
                bool iste = true;
                size_t odP = 0;
                for (long double x : {-1.0L, 0.0L, 0.0L, 0.7L, a - 1e-14L, a, a, 1.5L + a, d.L - 1e-13L, d.L, d.L + 1}) {
                    const long double hodom = d.Sila(s.koja, x, desno, &od), sve = d.Vrednosti(x, desno).*s.polje;
                    iste = iste && std::memcmp(&hodom, &sve, 10) == 0;
                    const long double w = d.Pomeranja(x, desno, &odP).w, vw = d.Vrednosti(x, desno).w;
                    iste = iste && std::memcmp(&w, &vw, 10) == 0;
                }
                EXPECT_TRUE(iste) << desno;
            }
    // At a = 2 the couple gives M0 a / L just left and -M0 b / L just right, and the point load at
    // 4.5 (the reaction P / 4 at the start times a) sags the beam by P a / 4 on both sides; T jumps
    // by P under the load.
    const long double xp = xs + 1.5L, odP = -P * (L - xp) / L * a;
    EXPECT_TRUE(Blizu(r.d[0].Sila(TSila::M, a, false), M0 * a / L + odP));
    EXPECT_TRUE(Blizu(r.d[0].Sila(TSila::M, a, true), -M0 * (L - a) / L + odP));
    EXPECT_TRUE(Blizu(std::fabs(r.d[1].Sila(TSila::T, xp - xs, false) - r.d[1].Sila(TSila::T, xp - xs, true)), P));
}

// A truss bar on a pin and a roller with a bar load across and along it: the simply supported
// moment and sag, and the axial force of a bar pulled along its free end.
TEST(DijagramiStapa, TrussBarWithBarLoads) {
    const long double L = 4, q = 5, p = 3;
    TGraditeljModela g(E, 0.3L, alfa, I, A, h, 0);
    {
        TCvor* c0 = g.Cvor(0, 0, true, true);
        TCvor* c1 = g.Cvor(L, 0, false, true);
        g.Stap(c0, c1, tsProst);
    }
    g.Opt(toPn, 0, -q);
    g.Opt(toPt, 0, p);
    TRez r(g.m);
    const TDijagramiStapa& d = r.d[0];
    EXPECT_TRUE(Blizu(d.Vrednosti(L / 2).M, q * L * L / 8));
    EXPECT_TRUE(Blizu(d.Vrednosti(L / 2).w, -5 * q * L * L * L * L / (384 * EI)));
    EXPECT_TRUE(Blizu(d.Vrednosti(0).fi, -q * L * L * L / (24 * EI)));
    EXPECT_TRUE(Blizu(d.Vrednosti(1).N, p * (L - 1)));
    EXPECT_TRUE(Blizu(d.Vrednosti(L).N, 0, 1e-9L, 1e-9L));
    EXPECT_TRUE(Blizu(d.Vrednosti(L).u, p * L * L / (2 * EA)));
    EXPECT_TRUE(Blizu(d.ekstremN.max.vrednost, p * L));
}

// A fixed-base portal frame under a beam load and a horizontal force: at each knee the end moments
// of the column and the beam balance, and the moment diagram is continuous round the corner.
TEST(DijagramiStapa, PortalFrameMomentsBalanceAtRigidJoints) {
    TGraditeljModela g(E, 0.3L, alfa, I, A, h, 0);
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(0, 4);
    TCvor* c = g.Cvor(6, 4);
    TCvor* d = g.Cvor(6, 0, true, true, true);
    g.Stap(a, b, tsK);
    g.Stap(b, c, tsK);
    g.Stap(c, d, tsK);
    g.Opt(toPn, 1, -10);
    b->SetPx(15);
    TRez r(g.m);
    // Joint b: end of the left column, start of the beam; joint c: end of the beam, start of the
    // right column. A member's start takes M(0) onto the joint, its end -M(L).
    const long double Mb = -r.d[0].Vrednosti(4).M + r.d[1].Vrednosti(0).M;
    const long double Mc = -r.d[1].Vrednosti(6).M + r.d[2].Vrednosti(0).M;
    EXPECT_TRUE(Blizu(Mb, 0, 1e-9L, 1e-9L * 100));
    EXPECT_TRUE(Blizu(Mc, 0, 1e-9L, 1e-9L * 100));
    // Column bases: the diagrams end on the reactions.
    EXPECT_TRUE(Blizu(r.d[0].Vrednosti(0).M, -a->MukljY(), 1e-9L, 1e-9L));
    EXPECT_TRUE(Blizu(r.d[0].Vrednosti(0).N, -a->Rz()));
    // Horizontal equilibrium: the column shears (local y points to -X on the left column and to +X
    // on the right one, drawn downward) carry the horizontal force.
    EXPECT_TRUE(Blizu(r.d[0].Vrednosti(1).T + r.d[2].Vrednosti(1).T, 15));
}

// Every member type and load kind at once, on an inclined member with shear deformation: the
// diagrams end on the end forces of the stiffness method and the line on its end displacements.
TEST(DijagramiStapa, EndsAgreeWithEndForcesForEveryTypeAndLoad) {
    for (int tip : {tsK, tsIG, tsGK, tsProst}) {
        TGraditeljModela g(E, 0.3L, alfa, I, A, h, 2.5L);
        // A rigid end on a node of its own is clamped, a hinged one is not (the support checks).
        TCvor* a = g.Cvor(0, 0, true, true, tip == tsK || tip == tsIG);
        TCvor* b = g.Cvor(1.5L, 2, false, true, tip == tsK || tip == tsGK);
        b->SetPx(3);
        TStap* s = g.Stap(a, b, tip);
        g.Opt(toV, 0, -7, 0.3L);
        g.Opt(toM, 0, 4, 0.6L);
        g.Opt(toPn, 0, -5, 0.2L, 0.7L);
        g.Opt(toT, 0, 15);
        g.Opt(toDeltaT, 0, -8);
        g.Opt(toH, 0, 6, 0.4L);
        g.Opt(toPt, 0, -2, 0.1L, 0.5L);
        TRez r(g.m);
        const TSileStapa sile = IzracunajSileStapa(g.m, r.stanje, *s);
        const TDijagramiStapa& d = r.d[0];
        const long double L = 2.5L;
        const auto v0 = d.Vrednosti(0, false), vL = d.Vrednosti(L, false);
        const auto R = [&](int i) { return (long double)sile.RL.Elem(1, i); };
        const auto q = [&](int i) { return (long double)sile.qL.Elem(1, i); };
        SCOPED_TRACE(tip);
        const int u2 = tip == tsK || tip == tsIG ? 4 : 3, f1 = tip == tsK || tip == tsIG ? 3 : 0;
        const int f2 = tip == tsK ? 6 : tip == tsGK ? 5 : 0;
        EXPECT_TRUE(Blizu(v0.N, -R(1), 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(v0.T, R(2), 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(v0.M, f1 ? -R(f1) : 0, 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(vL.N, R(u2), 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(vL.T, -R(u2 + 1), 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(vL.M, f2 ? R(f2) : 0, 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(v0.u, q(1), 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(v0.w, q(2), 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(vL.u, q(u2), 1e-9L, 1e-15L));
        EXPECT_TRUE(Blizu(vL.w, q(u2 + 1), 1e-9L, 1e-15L));
        if (f1) {
            EXPECT_TRUE(Blizu(v0.fi, q(f1), 1e-9L, 1e-15L));
        }
        if (f2) {
            EXPECT_TRUE(Blizu(vL.fi, q(f2), 1e-9L, 1e-15L));
        }
        EXPECT_EQ(d.skokovi.size(), 3u);
        const auto st = d.Stanice(20);
        ASSERT_EQ(st.size(), 21u);
        EXPECT_EQ(st.back(), d.L);
    }
}

TEST(DijagramiStapa, NoResultsNoDiagrams) {
    TGraditeljModela g = ProstaGreda(4, 2);
    TStanjeAnalize st;
    EXPECT_FALSE(ImaRezultata(st));
    EXPECT_THROW(DijagramiSvihStapova(g.m, st), std::exception);
    st.ObrisiRezultate(g.m);
    EXPECT_FALSE(ImaRezultata(st));
}

}  // namespace
