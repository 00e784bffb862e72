#include <gtest/gtest.h>

#include <cmath>

#include "PomocniGrafika.h"

namespace {

// Pixels per world unit along each axis of the surface as it maps now.
double PikselaPoJediniciX(const TPlotPovrsina& g) { return 1.0 / (g.PikselUX(1) - g.PikselUX(0)); }
double PikselaPoJediniciY(const TPlotPovrsina& g) { return -1.0 / (g.PikselUY(1) - g.PikselUY(0)); }

TPodesavanja SaJednakomRazmerom() {
    TPodesavanja p;
    p.prikaz.jednakaRazmera = true;
    return p;
}

}  // namespace

TEST(JednakaRazmera, ASquareIsDrawnSquareWhateverTheWindowShape) {
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(4, 0);
    m.Cvor(4, 4);
    m.Cvor(0, 4);
    TPodesavanja p = SaJednakomRazmerom();
    for (auto [w, h] : {std::pair{900, 600}, {600, 900}, {500, 500}, {1600, 300}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        TPlotPovrsina g;
        g.PostaviVelicinu(w, h);
        CrtajGrafik(g, m.model, p);
        const int sirina = g.XUPiksel(4) - g.XUPiksel(0), visina = g.YUPiksel(0) - g.YUPiksel(4);
        EXPECT_NEAR(sirina, visina, 1);
        // Centred in the plot area, inside it.
        EXPECT_NEAR((g.XUPiksel(0) + g.XUPiksel(4)) / 2.0, (g.Levo() + g.Desno()) / 2.0, 1);
        EXPECT_NEAR((g.YUPiksel(0) + g.YUPiksel(4)) / 2.0, (g.Gore() + g.Dole()) / 2.0, 1);
        EXPECT_GE(g.XUPiksel(0), g.Levo());
        EXPECT_LE(g.YUPiksel(4), g.Dole());
    }
}

// The fit keeps the view of the free fit on the axis that needs it and widens the other one about
// its centre: nodes X 0..10, Z 0..5 on a plot area of 825 x 535 pixels (900 x 600 with margins and
// shadow). Factor 1.0 gives X [-2, 12] (14 units over 825 pixels), so Z shows 14 * 535 / 825 units
// about 2.5; factor 2.0 gives X [-9, 19].
TEST(JednakaRazmera, FitWidensTheShorterRangeAboutItsCentre) {
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(10, 5);
    struct {
        int faktor;
        double xL, xH;
    } slucajevi[] = {{4, -2, 12}, {9, -9, 19}};
    for (const auto& s : slucajevi) {
        TPodesavanja p = SaJednakomRazmerom();
        p.zoomSve = s.faktor;
        TPlotPovrsina g;
        g.PostaviVelicinu(900, 600);
        PodesiKrajnjeGraniceGrafika(g, m.model, p);
        const TPlotPovrsina::TOpsezi o = g.VidljiviOpsezi(900, 600);
        EXPECT_DOUBLE_EQ(o.xL, s.xL);
        EXPECT_DOUBLE_EQ(o.xH, s.xH);
        const double pola = (s.xH - s.xL) * 535.0 / 825.0 / 2;
        EXPECT_NEAR(o.yL, 2.5 - pola, 1e-12);
        EXPECT_NEAR(o.yH, 2.5 + pola, 1e-12);
        EXPECT_NEAR(PikselaPoJediniciX(g), PikselaPoJediniciY(g), 1e-9);
    }
    // A tall structure widens X instead.
    TModelZaTest v;
    v.Cvor(5, 0);
    v.Cvor(5.5, 10);
    TPlotPovrsina g;
    g.PostaviVelicinu(900, 600);
    PodesiKrajnjeGraniceGrafika(g, v.model, SaJednakomRazmerom());
    const TPlotPovrsina::TOpsezi o = g.VidljiviOpsezi(900, 600);
    EXPECT_DOUBLE_EQ(o.yL, -2);
    EXPECT_DOUBLE_EQ(o.yH, 12);
    EXPECT_NEAR((o.xL + o.xH) / 2, 5.25, 1e-12);
    // With the option off the mapping is the specified one.
    PodesiKrajnjeGraniceGrafika(g, v.model, TPodesavanja{});
    EXPECT_EQ(g.VidljiviOpsezi(900, 600).xL, g.Scale1X.RangeLow());
    EXPECT_EQ(g.VidljiviOpsezi(900, 600).yH, g.Scale1Y.RangeHigh());
}

TEST(JednakaRazmera, PanAndDragZoomKeepTheScale) {
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(10, 2);
    TPlotPovrsina g;
    g.PostaviVelicinu(700, 500);
    PodesiKrajnjeGraniceGrafika(g, m.model, SaJednakomRazmerom());

    // Pan: the world point under the anchor follows the pointer exactly.
    g.SetMouseAction(maPan);
    const double wx = g.PikselUX(200), wy = g.PikselUY(200);
    g.MisPomeren(200, 200, true);
    g.MisPomeren(260, 150, true);
    EXPECT_NEAR(g.PikselUX(260), wx, 1e-9);
    EXPECT_NEAR(g.PikselUY(150), wy, 1e-9);
    EXPECT_NEAR(PikselaPoJediniciX(g), PikselaPoJediniciY(g), 1e-9);
    g.MisPomeren(260, 150, false);

    // Zoom drag: one factor for both axes; right zooms in, down zooms out.
    g.SetMouseAction(maZoomDrag);
    const double pre = PikselaPoJediniciX(g);
    g.MisPomeren(300, 200, true);
    g.MisPomeren(370, 200, true);  // gx = 0.9
    EXPECT_NEAR(PikselaPoJediniciX(g), pre / 0.9, 1e-6 * pre);
    EXPECT_NEAR(PikselaPoJediniciX(g), PikselaPoJediniciY(g), 1e-9);
    g.MisPomeren(370, 300, true);  // gx = 0.9, gy = 1.2
    EXPECT_NEAR(PikselaPoJediniciX(g), pre / (0.9 * 1.2), 1e-6 * pre);
    EXPECT_NEAR(PikselaPoJediniciX(g), PikselaPoJediniciY(g), 1e-9);
}

TEST(TockicMisa, KeepsTheWorldPointUnderThePointer) {
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(10, 5);
    for (bool jednaka : {false, true}) {
        SCOPED_TRACE(jednaka ? "jednaka razmera" : "slobodna razmera");
        TPlotPovrsina g;
        g.PostaviVelicinu(800, 600);
        TPodesavanja p;
        p.prikaz.jednakaRazmera = jednaka;
        PodesiKrajnjeGraniceGrafika(g, m.model, p);
        for (TMouseActMode mod : {maNone, maPan, maZoomDrag}) {
            g.SetMouseAction(mod);
            for (auto [px, py, koraci] :
                 {std::tuple{123, 456, 1.0}, {600, 80, 3.0}, {400, 300, -2.0}, {60, 500, -0.5}}) {
                const double x = g.PikselUX(px), y = g.PikselUY(py);
                const double sirina = g.Scale1X.RangeHigh() - g.Scale1X.RangeLow();
                g.TockicMisa(px, py, koraci);
                EXPECT_NEAR(g.PikselUX(px), x, 1e-9 * sirina);
                EXPECT_NEAR(g.PikselUY(py), y, 1e-9 * sirina);
                EXPECT_NEAR(g.Scale1X.RangeHigh() - g.Scale1X.RangeLow(), sirina * std::pow(0.8, koraci),
                            1e-9 * sirina);
            }
        }
        // Outside the plot area the wheel does nothing.
        const double xL = g.Scale1X.RangeLow();
        g.TockicMisa(10, 10, 1);
        EXPECT_EQ(g.Scale1X.RangeLow(), xL);
    }
}

TEST(TockicMisa, StopsAtTheRangeLimitsOnBothAxesTogether) {
    TPlotPovrsina g;
    g.PostaviVelicinu(800, 600);
    g.Scale1X.PostaviOpseg(0, 1e-9);
    g.Scale1Y.PostaviOpseg(0, 1);
    // Twenty notches would take X below MinRange: neither axis moves.
    g.TockicMisa(400, 300, 20);
    EXPECT_EQ(g.Scale1X.RangeHigh(), 1e-9);
    EXPECT_EQ(g.Scale1Y.RangeHigh(), 1);
    g.Scale1X.PostaviOpseg(0, 1e14);
    g.TockicMisa(400, 300, -20);
    EXPECT_EQ(g.Scale1X.RangeHigh(), 1e14);
    g.TockicMisa(400, 300, std::nan(""));
    EXPECT_EQ(g.Scale1X.RangeHigh(), 1e14);
}

TEST(JednakaRazmera, FitFramesTheDeformedShapeWhenItIsShown) {
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(10, 5).SetUz(-0.1L);  // times the multiplier 100: 10 units down, to Z = -5
    TPodesavanja p = SaJednakomRazmerom();
    TPlotPovrsina g;
    g.PostaviVelicinu(900, 600);
    PodesiKrajnjeGraniceGrafika(g, m.model, p);
    EXPECT_DOUBLE_EQ(g.Scale1Y.RangeLow(), -1);  // shape not shown: the nodes only
    p.deformacijaNosaca = true;
    PodesiKrajnjeGraniceGrafika(g, m.model, p);
    EXPECT_DOUBLE_EQ(g.Scale1Y.RangeLow(), -5 - 2);  // Z -5..5 with 20 % margins
    EXPECT_DOUBLE_EQ(g.Scale1Y.RangeHigh(), 5 + 2);
}

// A wide square view of a flat frame shows far more Z than the axis range holds: the ticks (and so
// the grid and the labels) must reach across everything shown, not stop at the axis range.
TEST(JednakaRazmera, TicksCoverTheShownRange) {
    Aplikacija();  // the ticks are spaced by the measured label font
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(6, 0);
    m.Cvor(6, 1);
    TPodesavanja p = SaJednakomRazmerom();
    TPlotPovrsina g;
    g.PostaviVelicinu(500, 800);
    CrtajGrafik(g, m.model, p);
    TPlotPovrsina::TPodeoci px, pz;
    g.PodeociOsa(px, pz);
    ASSERT_FALSE(pz.glavni.empty());
    const double gore = g.PikselUY(g.Gore()), dole = g.PikselUY(g.Dole());
    const double korak = pz.glavni.size() > 1 ? pz.glavni[1] - pz.glavni[0] : 1;
    EXPECT_LT(pz.glavni.front(), dole + korak + 1e-9);
    EXPECT_GT(pz.glavni.back(), gore - korak - 1e-9);
    EXPECT_LT(pz.glavni.front(), g.Scale1Y.RangeLow());
    EXPECT_GT(pz.glavni.back(), g.Scale1Y.RangeHigh());
}
