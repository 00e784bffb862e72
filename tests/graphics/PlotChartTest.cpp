#include <gtest/gtest.h>

#include <QMouseEvent>

#include <cmath>

#include "PomocniGrafika.h"

namespace {

void Opseg(const TScaleProps& s, double low, double high, const char* gde) {
    EXPECT_NEAR(s.RangeLow(), low, 1e-12) << gde;
    EXPECT_NEAR(s.RangeHigh(), high, 1e-12) << gde;
}

}  // namespace

TEST(PlotChart, MappingHitsThePlotAreaEdgesAndInvertsExactly) {
    TPlotPovrsina g;
    Postavi(g, 0, 10, 0, 5);
    EXPECT_EQ(g.Levo(), 50);
    EXPECT_EQ(g.Desno(), 475);
    EXPECT_EQ(g.Gore(), 20);
    EXPECT_EQ(g.Dole(), 355);
    const struct {
        double x, y;
        int px, py;
    } tacke[] = {
        {0, 0, 50, 355},
        {10, 5, 475, 20},
        {0, 5, 50, 20},
        {10, 0, 475, 355},
        // 1 unit is 42.5 px across and 67 px up: 2 -> 135, 1 -> 288
        {2, 1, 135, 288},
        // 0.3 -> 62.75 rounds up, 0.2 -> 341.6 rounds up
        {0.3, 0.2, 63, 342},
        // outside the plot area the mapping goes on linearly
        {-2, -1, -35, 422},
    };
    for (const auto& t : tacke) {
        EXPECT_EQ(g.XUPiksel(t.x), t.px) << t.x;
        EXPECT_EQ(g.YUPiksel(t.y), t.py) << t.y;
    }
    const int ivice[][2] = {{50, 355}, {475, 20}, {135, 288}};
    for (const auto& p : ivice) {
        EXPECT_EQ(g.XUPiksel(g.PikselUX(p[0])), p[0]);
        EXPECT_EQ(g.YUPiksel(g.PikselUY(p[1])), p[1]);
    }
    EXPECT_DOUBLE_EQ(g.PikselUX(50), 0);
    EXPECT_DOUBLE_EQ(g.PikselUX(475), 10);
    EXPECT_DOUBLE_EQ(g.PikselUY(20), 5);
    EXPECT_DOUBLE_EQ(g.PikselUX(62.75), 0.3);

    EXPECT_EQ(g.XUPiksel(1e300), 2147483647);
    EXPECT_EQ(g.XUPiksel(-1e300), -2147483647);
    EXPECT_EQ(g.YUPiksel(1e300), -2147483647);

    // The print plot has no shadow: the area reaches 5 pixels further right and down.
    g.PodesiZaStampu();
    EXPECT_EQ(g.XUPiksel(10), 480);
    EXPECT_EQ(g.YUPiksel(0), 360);
}

TEST(PlotChart, RangeSetterKeepsTheMinimumWidth) {
    TPlotPovrsina g;
    g.Scale1X.SetRangeLow(5);
    g.Scale1X.SetRangeHigh(5);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), 5 - 1e-10);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeHigh(), 5);

    g.Scale1X.SetRangeHigh(1);
    g.Scale1X.SetRangeLow(1 - 4e-11);  // too close to the high end: the high end moves up
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), 1 - 4e-11);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeHigh(), 1 - 4e-11 + 1e-10);

    g.Scale1X.SetRangeLow(-3);
    g.Scale1X.SetRangeHigh(7);
    Opseg(g.Scale1X, -3, 7, "normal");
    // Pan and zoom go around the setter and refuse a too narrow range.
    EXPECT_FALSE(g.Scale1X.PostaviOpseg(2, 2 + 5e-11));
    Opseg(g.Scale1X, -3, 7, "refused");
}

TEST(PlotChart, PanDragFollowsThePointerInsideThePlotArea) {
    TPlotPovrsina g;
    // One world unit per pixel on both axes (425 x 335 plot area).
    Postavi(g, 0, 425, 0, 335);
    g.SetMouseAction(maPan);
    g.MisPritisnut();
    g.MisPomeren(100, 100, true);  // anchor
    Opseg(g.Scale1X, 0, 425, "anchor");
    g.MisPomeren(150, 130, true);
    Opseg(g.Scale1X, -50, 375, "moved");
    Opseg(g.Scale1Y, 30, 365, "moved");
    g.MisPomeren(10, 10, true);  // outside: ignored
    Opseg(g.Scale1X, -50, 375, "outside");
    g.MisPomeren(90, 100, true);  // back inside, still from the same anchor
    Opseg(g.Scale1X, 10, 435, "back");
    Opseg(g.Scale1Y, 0, 335, "back");
    g.MisPomeren(100, 100, true);
    Opseg(g.Scale1X, 0, 425, "at anchor");

    // Release and press again: a new drag from the new position and the current ranges.
    g.MisPomeren(200, 100, true);
    g.MisPusten();
    g.MisPritisnut();
    g.MisPomeren(300, 200, true);
    g.MisPomeren(310, 200, true);
    Opseg(g.Scale1X, -110, 315, "second drag");

    // A move without the button ends the drag as well.
    g.MisPomeren(310, 200, false);
    g.MisPomeren(320, 200, true);
    g.MisPomeren(330, 200, true);
    Opseg(g.Scale1X, -120, 305, "third drag");
}

TEST(PlotChart, ZoomDragScalesAboutTheCentreOfTheAnchoredRanges) {
    TPlotPovrsina g;
    Postavi(g, 0, 10, 0, 8);
    g.SetMouseAction(maZoomDrag);
    g.MisPomeren(100, 100, true);
    g.MisPomeren(200, 100, true);  // gx = 1 - 100/500 = 0.8, gy = 1
    Opseg(g.Scale1X, 1, 9, "right 100");
    Opseg(g.Scale1Y, 0, 8, "right 100");
    g.MisPomeren(100, 60, true);  // gx = 1, gy = 1 - 40/400 = 0.9: up narrows Z
    Opseg(g.Scale1X, 0, 10, "up 40");
    Opseg(g.Scale1Y, 0.4, 7.6, "up 40");
    g.MisPomeren(100, 100, true);  // back at the anchor
    Opseg(g.Scale1X, 0, 10, "anchor");
    Opseg(g.Scale1Y, 0, 8, "anchor");
    g.MisPomeren(50, 100, true);  // left widens: gx = 1.1
    Opseg(g.Scale1X, -0.5, 10.5, "left 50");
    g.MisPusten();

    // A drag by the full control width (anchored left of the control while the button is held):
    // gx = 0 is narrower than MinRange, so X keeps its range while Z still follows gy.
    Postavi(g, 0, 10, 0, 8);
    g.MisPomeren(-25, 100, true);
    g.MisPomeren(475, 150, true);  // gy = 1 + 50/400
    Opseg(g.Scale1X, 0, 10, "full width");
    Opseg(g.Scale1Y, -0.5, 8.5, "full width");
}

TEST(PlotChart, MouseTrackingAndModes) {
    TPlotPovrsina g;
    Postavi(g, 0, 425, 0, 335);
    EXPECT_EQ(g.MousePosX(), 0);
    EXPECT_EQ(g.MousePosY(), 0);
    g.MisPomeren(475, 20, false);  // corner, border included
    EXPECT_DOUBLE_EQ(g.MousePosX(), 425);
    EXPECT_DOUBLE_EQ(g.MousePosY(), 335);
    g.MisPomeren(476, 200, false);  // outside: kept
    EXPECT_DOUBLE_EQ(g.MousePosX(), 425);

    // No mode, no change.
    g.SetMouseAction(maNone);
    g.MisPomeren(100, 100, true);
    g.MisPomeren(200, 200, true);
    Opseg(g.Scale1X, 0, 425, "maNone");

    const struct {
        TMouseActMode mod;
        TKursor unutra;
    } kursori[] = {{maNone, TKursor::Krst}, {maPan, TKursor::Ruka}, {maZoomDrag, TKursor::Zoom}};
    for (const auto& k : kursori) {
        g.SetMouseAction(k.mod);
        EXPECT_EQ(g.KursorNa(50, 20), k.unutra);
        EXPECT_EQ(g.KursorNa(49, 100), TKursor::Strelica);
        EXPECT_EQ(g.KursorNa(100, 356), TKursor::Strelica);
    }
}

TEST(PlotChart, DisplayListItems) {
    TPlotPovrsina g;
    g.DataColor = 0x123456;
    g.MarkAt(1, 2, 9);
    EXPECT_EQ(g.Kapacitet(), size_t(TPlotPovrsina::AllocSize));
    g.Text(3, 4, 11, QStringLiteral("Dvadeset znakova_20"), 5, -15, taCenter);
    g.FillColor = 0x00FF00;
    g.Arrow(0, 0, 1, 1, 15);
    const auto& s = g.Stavke();
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].ItemKind, tkMarkAt);
    EXPECT_EQ(s[0].MarkOrAlign, 9);
    EXPECT_EQ(s[0].Color, 0x123456u);
    EXPECT_EQ(s[1].ItemKind, tkTextOfs);
    EXPECT_EQ(s[1].Text, QStringLiteral("Dvadeset znakov"));
    EXPECT_EQ(s[1].x2, 5);
    EXPECT_EQ(s[1].y2, -15);
    EXPECT_EQ(s[1].SizeOrAngle, 11);
    EXPECT_EQ(s[1].MarkOrAlign, taCenter);
    EXPECT_EQ(s[2].ItemKind, tkArrow);
    EXPECT_EQ(s[2].FillColor, 0x00FF00u);
    EXPECT_EQ(s[2].x2, 1);
    EXPECT_EQ(s[2].SizeOrAngle, 15);
    EXPECT_FALSE(s[2].Transp);

    for (int i = 4; i <= 1000; ++i) g.MoveTo(i, i);
    EXPECT_EQ(g.Kapacitet(), 1000u);
    g.DrawTo(0, 0);
    EXPECT_EQ(g.Kapacitet(), 2000u);
    g.ClearGraf();
    EXPECT_TRUE(g.Stavke().empty());
}

TEST(PlotChart, TicksAreRoundAndAtLeastThree) {
    const struct {
        double low, high;
        int px;
    } slucajevi[] = {{-2, 12, 425}, {5 - 1e-10, 5, 425}, {-1, 1, 50}, {0.8, 1.1, 40}, {-1e6, 3e6, 300}};
    for (const auto& c : slucajevi) {
        const auto t = TPlotPovrsina::Podeoci(c.low, c.high, c.px, 70);
        ASSERT_GE(t.glavni.size(), 3u) << c.low << " " << c.high;
        const double korak = t.glavni[1] - t.glavni[0];
        const double cifra = korak / std::pow(10.0, std::floor(std::log10(korak) + 1e-9));
        EXPECT_TRUE(std::abs(cifra - 1) < 1e-3 || std::abs(cifra - 2) < 1e-3 || std::abs(cifra - 5) < 1e-3) << korak;
        for (size_t i = 0; i < t.glavni.size(); ++i) {
            const double v = t.glavni[i];
            EXPECT_GE(v, c.low - korak * 1e-3);
            EXPECT_LE(v, c.high + korak * 1e-3);
            if (i > 0) {
                EXPECT_NEAR(v - t.glavni[i - 1], korak, korak * 1e-3);
            }
        }
        EXPECT_FALSE(t.sporedni.empty());
    }
    EXPECT_TRUE(TPlotPovrsina::Podeoci(1, 1, 400, 70).glavni.empty());
}
