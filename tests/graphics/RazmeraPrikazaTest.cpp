#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CrtanjeDijagrama.h"
#include "PomocniGrafika.h"
#include "Proracun.h"

namespace {

// A simply supported beam of span 8 along X, split at mid-span into two members, under 10 down on
// both: M(x) = 5 x (8 - x), 80 at mid-span; w(x) = q x (L^3 - 2 L x^2 + x^3) / (24 EI), largest
// 5 q L^4 / (384 EI) at mid-span. Fitted, X spans 1.4 * 8 and Z (a straight beam) +-1, so the
// diagram's size is 2 and the deflected line's (the structure's own size) 8.
constexpr double L = 8;
struct TProstaGreda : TModelZaTest {
    TStanjeAnalize stanje;
    TProstaGreda() {
        Cvor(0, 0, true, true);
        Cvor(L / 2, 0);
        Cvor(L, 0, false, true);
        Stap(0, 1, tsGK);  // hinged at the supports, continuous at mid-span
        Stap(1, 2, tsIG);
        Opterecenje("q1", 0);
        Opterecenje("q2", 1);
        TPosmatracBezEkrana posmatrac(model, stanje);
        const TRezultatProracuna r = PokreniAnalizu(model, stanje, posmatrac);
        EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
    }
};
double M(double x) { return 5 * x * (L - x); }
double OdnosProgiba(double x) { return 16 * x * (L * L * L - 2 * L * x * x + x * x * x) / (5 * L * L * L * L); }

std::vector<const TChartItem*> Linije(const TPlotPovrsina& g, TColor boja) {
    std::vector<const TChartItem*> r;
    for (const auto& s : g.Stavke())
        if (s.Color == boja && s.ItemKind == tkLineto) r.push_back(&s);
    return r;
}

double NajvecaOrdinata(const TPlotPovrsina& g, TColor boja) {
    double v = 0;
    for (const TChartItem* t : Linije(g, boja)) v = std::max(v, std::fabs(t->y));
    return v;
}

// Drawn and fitted as a redraw does, then drawn again at the current view without refitting.
void NacrtajUklopljeno(TPlotPovrsina& g, const TProstaGreda& m, TPodesavanja p) {
    g.PostaviVelicinu(800, 600);
    p.zoomURealnomVremenu = true;
    CrtajGrafik(g, m.model, p, &m.stanje);
}
void NacrtajBezUklapanja(TPlotPovrsina& g, const TProstaGreda& m, TPodesavanja p) {
    p.zoomURealnomVremenu = false;
    CrtajGrafik(g, m.model, p, &m.stanje);
}

// The view `fx` and `fz` times the fitted one, about the point (cx, cz).
void Zumiraj(TPlotPovrsina& g, double cx, double cz, double fx, double fz) {
    const TPlotPovrsina::TOpsezi u = *g.Uklapanje();
    ASSERT_TRUE(g.Scale1X.PostaviOpseg(cx - (u.xH - u.xL) * fx / 2, cx + (u.xH - u.xL) * fx / 2));
    ASSERT_TRUE(g.Scale1Y.PostaviOpseg(cz - (u.yH - u.yL) * fz / 2, cz + (u.yH - u.yL) * fz / 2));
}

TEST(RazmeraPrikaza, ShareOfTheViewAgainstTheLastFit) {
    Aplikacija();
    TProstaGreda m;
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    TPlotPovrsina g;
    EXPECT_EQ(g.Uklapanje(), nullptr);
    EXPECT_EQ(UdeoPrikaza(g, p), 1);  // never fitted: nothing to measure against
    NacrtajUklopljeno(g, m, p);
    ASSERT_NE(g.Uklapanje(), nullptr);
    const struct {
        double fx, fz, pomak, udeo;
    } slucajevi[] = {
        {1, 1, 0, 1}, {1, 1, 1.234567, 1}, {0.5, 0.5, 0, 0.5}, {0.5, 0.25, 2, 0.25}, {0.1, 0.3, 0, 0.1}, {2, 2, 0, 2},
    };
    for (const auto& s : slucajevi) {
        Zumiraj(g, L / 2 + s.pomak, s.pomak, s.fx, s.fz);
        EXPECT_NEAR(UdeoPrikaza(g, p), s.udeo, 1e-12) << s.fx << " " << s.fz;
        TPodesavanja iskljuceno = p;
        iskljuceno.prikaz.prilagodiRazmeru = false;
        EXPECT_EQ(UdeoPrikaza(g, iskljuceno), 1);
    }
    // At the fitted view, and after a pan, exactly 1.
    Zumiraj(g, L / 2 + 0.1, 0.3, 1, 1);
    EXPECT_EQ(UdeoPrikaza(g, p), 1);
    EXPECT_TRUE(CrtezPratiPrikaz(p));
    TPodesavanja linija;
    linija.prikaz.linijaDeformacije = true;
    EXPECT_TRUE(CrtezPratiPrikaz(linija));
    linija.deformacijaNosaca = true;  // the user's multiplier scales the line
    EXPECT_FALSE(CrtezPratiPrikaz(linija));
    EXPECT_FALSE(CrtezPratiPrikaz(TPodesavanja{}));
}

// At the fitted view the option changes nothing, for every kind of scaled drawing, free or equal
// scale, refitted or not.
TEST(RazmeraPrikaza, AtTheFittedViewTheDrawingIsTheSameBitForBit) {
    Aplikacija();
    TProstaGreda m;
    for (int vrsta = 0; vrsta < 5; ++vrsta)
        for (bool jednaka : {false, true})
            for (double pomak : {0.0, 0.75}) {
                TPodesavanja p;
                p.prikaz.dijagram = vrsta <= TPrikaz::M ? vrsta : TPrikaz::M;
                p.prikaz.linijaDeformacije = vrsta == 0 || vrsta == 4;
                p.deformacijaNosaca = vrsta == 4;
                p.prikaz.jednakaRazmera = jednaka;
                p.prikaz.simboli = jednaka;
                TPodesavanja staro = p;
                staro.prikaz.prilagodiRazmeru = false;
                TPlotPovrsina sa, bez;
                NacrtajUklopljeno(sa, m, p);
                NacrtajUklopljeno(bez, m, staro);
                SCOPED_TRACE(vrsta * 10 + jednaka);
                EXPECT_TRUE(IsteStavke(sa, bez));
                Zumiraj(sa, L / 2 + pomak, pomak, 1, 1);
                Zumiraj(bez, L / 2 + pomak, pomak, 1, 1);
                NacrtajBezUklapanja(sa, m, p);
                NacrtajBezUklapanja(bez, m, staro);
                EXPECT_TRUE(IsteStavke(sa, bez));
                EXPECT_GT(sa.Stavke().size(), 10u);
            }
}

// Zoomed onto the first member, the largest ordinate keeps its share of the shown size: 0.15 of
// min(spans) at the fit (0.3 of 2), and 0.15 of the zoomed spans' minimum after.
TEST(RazmeraPrikaza, ZoomedMemberDiagramKeepsItsShareOfTheView) {
    Aplikacija();
    TProstaGreda m;
    const struct { double fx, fz; } slucajevi[] = {{0.25, 0.25}, {0.4, 0.1}, {0.05, 0.05}};
    for (const auto& s : slucajevi) {
        TPodesavanja p;
        p.prikaz.dijagram = TPrikaz::M;
        TPlotPovrsina g, staro;
        NacrtajUklopljeno(g, m, p);
        EXPECT_NEAR(NajvecaOrdinata(g, BojaDijagramaM), 0.3, 1e-12);
        const double udeoCelog = NajvecaOrdinata(g, BojaDijagramaM) / 2;
        Zumiraj(g, L / 4, 0, s.fx, s.fz);
        NacrtajBezUklapanja(g, m, p);
        const double f = std::min(s.fx, s.fz);
        const double vidljivo = std::min(1.4 * L * s.fx, 2 * s.fz);
        SCOPED_TRACE(f);
        EXPECT_NEAR(NajvecaOrdinata(g, BojaDijagramaM) / vidljivo, udeoCelog, 1e-12);
        // The outline follows M(x) at the zoomed scale: 80 is 0.3 f.
        int naPrvom = 0;
        for (const TChartItem* t : Linije(g, BojaDijagramaM)) {
            if (t->x > L / 2 + 1e-9 || t->y == 0) continue;
            EXPECT_NEAR(t->y, -M(t->x) * 0.3 * f / 80, 1e-12) << t->x;
            ++naPrvom;
        }
        EXPECT_GT(naPrvom, 8);
        // The values keep their numbers.
        bool osamdeset = false;
        for (const TChartItem& t : g.Stavke()) osamdeset = osamdeset || t.Text == QStringLiteral("80");
        EXPECT_TRUE(osamdeset);
        // Off, the zoomed view shows the whole structure's scale.
        p.prikaz.prilagodiRazmeru = false;
        NacrtajUklopljeno(staro, m, p);
        Zumiraj(staro, L / 4, 0, s.fx, s.fz);
        NacrtajBezUklapanja(staro, m, p);
        EXPECT_NEAR(NajvecaOrdinata(staro, BojaDijagramaM), 0.3, 1e-12);
    }
}

// The deflected line at its own scale follows the view too: its largest value, a tenth of the
// structure's 8 at the fit, is 0.8 f when the view is f times the fit; the user's multiplier with
// "pomeranja" does not.
TEST(RazmeraPrikaza, DeflectedLineOnItsOwnFollowsTheView) {
    Aplikacija();
    TProstaGreda m;
    TPodesavanja p;
    p.prikaz.linijaDeformacije = true;
    for (double f : {1.0, 0.5, 0.2}) {
        TPlotPovrsina g;
        NacrtajUklopljeno(g, m, p);
        Zumiraj(g, L / 2, 0, f, f);
        NacrtajBezUklapanja(g, m, p);
        const auto tacke = Linije(g, BojaDeformacije);
        ASSERT_GT(tacke.size(), 8u);
        for (const TChartItem* t : tacke) EXPECT_NEAR(t->y, -0.8 * f * OdnosProgiba(t->x), 1e-9) << f << " " << t->x;
    }
    p.deformacijaNosaca = true;
    p.mnozilacPomeranja = "1000";
    TPlotPovrsina pun, zumiran;
    NacrtajUklopljeno(pun, m, p);
    NacrtajUklopljeno(zumiran, m, p);
    Zumiraj(zumiran, L / 2, 0, 0.3, 0.3);
    NacrtajBezUklapanja(zumiran, m, p);
    EXPECT_NEAR(NajvecaOrdinata(zumiran, BojaDeformacije), NajvecaOrdinata(pun, BojaDeformacije), 1e-12);
}

}  // namespace
