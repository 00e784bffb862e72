// Influence lines of cantilevers and overhanging beams, solved with the general stability option,
// against the statics of a unit load at distance u.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "Greska.h"
#include "PomocModela.h"
#include "UticajneLinije.h"

namespace {

using LD = long double;
using V = TVelicinaUticaja;

TZahtevUticaja Zahtev(V v, int stap, LD x, int cvor) {
    TZahtevUticaja z;
    z.velicina = v, z.idStapa = stap, z.x = x, z.idCvora = cvor;
    return z;
}

template <class F>
void Uporedi(const TUticajnaLinija& l, F f, LD tol = 1e-9L) {
    for (const TUticajStapa& s : l.stapovi)
        for (int k = 0; k <= 24; ++k) {
            const LD x = s.L * k / 24;
            const LD t = s.pocetak + (s.obrnut ? s.L - x : x);
            if (std::isnan(f(t))) continue;
            EXPECT_NEAR(double(s.Vrednost(x)), double(f(t)), double(tol))
                << "stap " << s.idStapa << " t = " << double(t);
        }
}

// Clamped at 0, free at 5, the joint at 2; EI = 2e8 * 1e-4.
TGraditeljModela Konzola() {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(2, 0);
    TCvor* c = g.Cvor(5, 0);
    g.Stap(a, b, tsK);
    g.Stap(b, c, tsK);
    g.m.opcijeAnalize.opstaStabilnost = true;
    return g;
}

// A pin at 0, a roller at 4, the overhang free to 6.
TGraditeljModela Prepust() {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0, false, true);
    TCvor* c = g.Cvor(6, 0);
    g.Stap(a, b, tsGK);
    g.Stap(b, c, tsK);
    g.m.opcijeAnalize.opstaStabilnost = true;
    return g;
}

}  // namespace

TEST(UticajneLinijeKonzole, CantileverClampLinesAreTheLeverArm) {
    const TGraditeljModela g = Konzola();
    const LD EI = 2e8L * 1e-4L, L = 5;
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::Rz, -1, 0, 0)), [](LD) { return 1.0L; });
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::Rx, -1, 0, 0)), [](LD) { return 0.0L; });
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::M0, -1, 0, 0)), [](LD u) { return u; });
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::M, 0, 0, -1)), [](LD u) { return -u; });
    // A section at s: nothing while the load is between it and the clamp, then -(u - s) and T = 1.
    for (const auto& [stap, x, s] : {std::tuple{0, 1.0L, 1.0L}, std::tuple{1, 1.5L, 3.5L}}) {
        Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::M, stap, x, -1)), [s = s](LD u) { return u <= s ? 0 : -(u - s); });
        Uporedi(
            UticajnaLinijaModela(g.m, Zahtev(V::T, stap, x, -1)),
            [s = s](LD u) { return u < s    ? 0.0L
                                   : u == s ? NAN
                                            : 1.0L; }, 1e-9L);
    }
    // Maxwell: the tip deflection under the load at u, upward positive.
    Uporedi(
        UticajnaLinijaModela(g.m, Zahtev(V::Uz, -1, 0, 2)), [&](LD u) { return -u * u * (3 * L - u) / (6 * EI); },
        1e-12L);
}

TEST(UticajneLinijeKonzole, OverhangReactionsRunOnStraightPastTheSupport) {
    const TGraditeljModela g = Prepust();
    const LD L = 4;
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::Rz, -1, 0, 0)), [&](LD u) { return (L - u) / L; });
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::Rz, -1, 0, 1)), [&](LD u) { return u / L; });
    // In the span the simple beam's moment, carried on as a straight line over the overhang.
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::M, 0, 1.5L, -1)),
            [&](LD u) { return u <= 1.5L ? u * (L - 1.5L) / L : 1.5L * (L - u) / L; });
    // Over the roller and on the overhang only the load beyond the section counts.
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::M, 1, 0, -1)), [&](LD u) { return u <= L ? 0 : -(u - L); });
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::M, 1, 1, -1)), [&](LD u) { return u <= 5 ? 0 : -(u - 5); });
}

TEST(UticajneLinijeKonzole, SpringForceOfABeamOnAPinAndASpringIsItsReactionLine) {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0);
    b->SetKz(5000);
    g.Stap(a, b, tsGK);
    g.m.opcijeAnalize.opstaStabilnost = true;
    const LD L = 4;
    Uporedi(UticajnaLinijaModela(g.m, Zahtev(V::Fz, -1, 0, 1)), [&](LD u) { return u / L; });
    // The spring yields by its force over its stiffness, the beam turning rigidly about the pin.
    Uporedi(
        UticajnaLinijaModela(g.m, Zahtev(V::Uz, -1, 0, 1)), [&](LD u) { return -u / L / 5000; }, 1e-13L);
    EXPECT_THROW(
        {
            try {
                UticajnaLinijaModela(g.m, Zahtev(V::Fx, -1, 0, 1));
            } catch (const TGreska& e) {
                EXPECT_STREQ(e.what(), "Cvor 1 nema oprugu u pravcu X!!!");
                throw;
            }
        },
        TGreska);
}
