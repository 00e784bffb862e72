#include <gtest/gtest.h>

#include <QMouseEvent>

#include <cmath>

#include "PomocniGrafika.h"

namespace {

// A 500 x 400 main plot (shadow 5): plot area columns 50..475, rows 20..355.
void Postavi(TPlotPovrsina& g, double xL, double xH, double yL, double yH) {
    g.PostaviVelicinu(500, 400);
    g.Scale1X.SetRangeLow(xL);
    g.Scale1X.SetRangeHigh(xH);
    g.Scale1Y.SetRangeLow(yL);
    g.Scale1Y.SetRangeHigh(yH);
}

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

TEST(PlotChartSlika, MarksArrowsAndTextAtMappedPixels) {
    TPlotPovrsina g;
    Postavi(g, 0, 10, 0, 5);
    g.MarkAt(2, 1, 9);        // (135, 288)
    g.MarkAt(8, 4, 17);       // (390, 87)
    g.Arrow(2, 3, 6, 3, 15);  // (135, 154) -> (305, 154)
    g.Arrow(9, 0.5, 9, 0.5, 15);
    g.Text(5, 1.6, 11, QStringLiteral("HHH"), 0, -15, taLeftJustify);
    const QImage s = Slika(g);

    for (int dx = -3; dx <= 3; ++dx)
        for (int dy = -3; dy <= 3; ++dy) EXPECT_EQ(BojaPiksela(s, 135 + dx, 288 + dy), clBlack) << dx << "," << dy;
    EXPECT_EQ(BojaPiksela(s, 139, 288), clWhite);
    EXPECT_EQ(BojaPiksela(s, 135, 292), clWhite);

    // The hinge circle: its rim touches the 7 x 7 square's edge middles, its inside is empty.
    for (auto [x, y] : {std::pair{387, 87}, {393, 87}, {390, 84}, {390, 90}}) EXPECT_EQ(BojaPiksela(s, x, y), clBlack);
    EXPECT_EQ(BojaPiksela(s, 390, 87), clWhite);
    EXPECT_EQ(BojaPiksela(s, 395, 87), clWhite);

    // Arrow: black shaft, silver head filled between its edges, 15 px at 20 degrees back from the tip.
    EXPECT_EQ(BojaPiksela(s, 200, 154), clBlack);
    EXPECT_EQ(BojaPiksela(s, 305, 154), clBlack);
    EXPECT_EQ(BojaPiksela(s, 296, 152), clSilver);  // 9 px back, 2 px off the shaft (edge at 3.3 px)
    EXPECT_EQ(BojaPiksela(s, 296, 156), clSilver);
    EXPECT_EQ(BojaPiksela(s, 296, 149), clWhite);
    EXPECT_EQ(BojaPiksela(s, 310, 154), clWhite);
    // An arrow on one pixel: that pixel only.
    const int ax = g.XUPiksel(9), ay = g.YUPiksel(0.5);
    EXPECT_EQ(BojaPiksela(s, ax, ay), clBlack);
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 2}})
        EXPECT_EQ(BojaPiksela(s, ax + dx, ay + dy), clWhite);

    // Text 15 px above (262.5 -> 263, 247.8 -> 248, minus 15): its ink is centred near row 233.
    int gore = 1000, dole = -1, levo = 1000;
    for (int y = 200; y < 270; ++y)
        for (int x = 255; x < 320; ++x)
            if (qGray(s.pixel(x, y)) < 128) {
                gore = std::min(gore, y);
                dole = std::max(dole, y);
                levo = std::min(levo, x);
            }
    ASSERT_GE(dole, 0);
    EXPECT_NEAR((gore + dole) / 2.0, 233, 3);
    EXPECT_NEAR(levo, 263, 2);
}

TEST(PlotChartSlika, FrameShadowAndDottedGrid) {
    TPlotPovrsina g;
    Postavi(g, -1, 9, -1, 4);  // 0 is a tick on both axes whatever round step is chosen
    g.SetGridStyle(gsDotLines);
    QImage s = Slika(g);
    const int x0 = g.XUPiksel(0), y0 = g.YUPiksel(0);
    ASSERT_EQ(x0, 93);  // 50 + 42.5 rounded
    // Frame on the area border, shadow right of it and below it, surround outside.
    EXPECT_EQ(BojaPiksela(s, 50, 200), clBlack);
    EXPECT_EQ(BojaPiksela(s, 475, 200), clBlack);
    EXPECT_EQ(BojaPiksela(s, 478, 200), clGray);
    EXPECT_EQ(BojaPiksela(s, 300, 358), clGray);
    EXPECT_EQ(BojaPiksela(s, 478, 22), clBtnFace);  // the shadow starts S below the top
    EXPECT_EQ(BojaPiksela(s, 490, 200), clBtnFace);

    // Along the grid line through x = 0 every other pixel is grid-coloured.
    int tackaste = 0, prazne = 0;
    for (int y = g.Gore() + 2; y < g.Dole() - 1; ++y) {
        if (std::abs(y - y0) <= 1) continue;
        const TColor b = BojaPiksela(s, x0, y);
        if ((y - g.Gore()) % 2 == 0) tackaste += b == clSilver;
        else prazne += b == clWhite;
    }
    const int pola = (g.Dole() - g.Gore()) / 2;
    EXPECT_GE(tackaste, pola - 10);
    EXPECT_GE(prazne, pola - 20);

    // The print plot: black grid, white surround, no shadow.
    g.PodesiZaStampu();
    s = Slika(g);
    EXPECT_EQ(BojaPiksela(s, g.XUPiksel(0), g.Gore() + 10), clBlack);
    EXPECT_EQ(BojaPiksela(s, g.XUPiksel(0), g.Gore() + 11), clWhite);
    EXPECT_EQ(BojaPiksela(s, 483, 200), clWhite);
    EXPECT_EQ(BojaPiksela(s, 300, 363), clWhite);
}

// The grid is dotted, the frame is not: a tick that lies on the border leaves the border solid.
TEST(PlotChartSlika, FrameStaysSolidWhereGridLinesLieOnIt) {
    TPlotPovrsina g;
    Postavi(g, 0, 10, 0, 5);  // 0 and 10, 0 and 5 are ticks: grid lines on all four sides
    g.SetGridStyle(gsDotLines);
    for (bool stampa : {false, true}) {
        if (stampa) g.PodesiZaStampu();
        const QImage s = Slika(g);
        for (int y = g.Gore(); y <= g.Dole(); ++y) {
            EXPECT_EQ(BojaPiksela(s, g.Levo(), y), clBlack) << "left, row " << y;
            EXPECT_EQ(BojaPiksela(s, g.Desno(), y), clBlack) << "right, row " << y;
        }
        for (int x = g.Levo(); x <= g.Desno(); ++x) {
            EXPECT_EQ(BojaPiksela(s, x, g.Gore()), clBlack) << "top, column " << x;
            EXPECT_EQ(BojaPiksela(s, x, g.Dole()), clBlack) << "bottom, column " << x;
        }
    }
}

// Ink in the columns [x1, x2) from row y1 down.
int TamnihUKolonama(const QImage& s, int x1, int x2, int y1 = 0) {
    int n = 0;
    for (int x = x1; x < x2; ++x)
        for (int y = y1; y < s.height(); ++y) n += qGray(s.pixel(x, y)) < 128;
    return n;
}

// Long values on the vertical axis widen the left margin instead of running off the control; the
// mapping, and so every click, moves with the margin.
TEST(PlotChartSlika, TickLabelsAreNeverCut) {
    const struct {
        double yL, yH;
        bool sira;  // the labels need more than the usual 50 pixels
    } slucajevi[] = {
        {0, 5, false},     {12345.6790, 12345.6799, true}, {0, 30000000, true},
        {-3e9, 3e9, true}, {-0.000123, 0.000456, true},
    };
    for (const auto& c : slucajevi) {
        TPlotPovrsina g;
        Postavi(g, 0, 10, c.yL, c.yH);
        g.MarkAt(0, (c.yL + c.yH) / 2, 9);
        const QImage s = Slika(g);
        EXPECT_EQ(g.Levo() > 50, c.sira) << c.yH;
        EXPECT_EQ(g.XUPiksel(0), g.Levo());
        EXPECT_DOUBLE_EQ(g.PikselUX(g.Levo()), 0);
        // Nothing touches the control's left edge, and the mark at x = 0 sits on the new border.
        EXPECT_EQ(TamnihUKolonama(s, 0, 1), 0) << c.yH;
        EXPECT_GT(TamnihUKolonama(s, 1, g.Levo() - 6), 0) << c.yH;
        EXPECT_EQ(BojaPiksela(s, g.Levo() + 2, g.YUPiksel((c.yL + c.yH) / 2)), clBlack) << c.yH;
    }
    // The horizontal axis: the last label is moved in at the right edge rather than cut, so it is
    // as wide as the one before it (all are eight digits).
    TPlotPovrsina g;
    Postavi(g, 0, 30000000, 0, 5);
    g.RRim = 0;
    g.ShadowWidth = 0;
    const QImage s = Slika(g);
    std::vector<std::pair<int, int>> natpisi;  // ink runs along the label band, first and last column
    for (int x = 0; x < s.width(); ++x) {
        if (TamnihUKolonama(s, x, x + 1, g.Dole() + 8) == 0) continue;
        if (natpisi.empty() || x - natpisi.back().second > 6) natpisi.push_back({x, x});
        else natpisi.back().second = x;
    }
    ASSERT_GE(natpisi.size(), 3u);
    const auto poslednji = natpisi.back(), pretposlednji = natpisi[natpisi.size() - 2];
    EXPECT_LT(poslednji.second, s.width() - 1);
    EXPECT_NEAR(poslednji.second - poslednji.first, pretposlednji.second - pretposlednji.first, 1);
}

// The ring marks a point over the drawing, survives a new display list, and goes when removed.
TEST(PlotChartSlika, RedRingAroundAPointUntilRemoved) {
    TPlotPovrsina g;
    Postavi(g, 0, 10, 0, 5);
    g.MarkAt(2, 1, 9);  // (135, 288)
    g.IstakniTacku(2, 1);
    auto crvenih = [](const QImage& s) {
        int n = 0;
        for (int y = 270; y < 306; ++y)
            for (int x = 117; x < 153; ++x) {
                const QColor c = s.pixelColor(x, y);
                n += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
        return n;
    };
    QImage s = Slika(g);
    EXPECT_GT(crvenih(s), 40);
    for (auto [x, y] : {std::pair{146, 288}, {124, 288}, {135, 277}, {135, 299}})
        EXPECT_GT(s.pixelColor(x, y).red(), 200) << x << "," << y;
    EXPECT_EQ(BojaPiksela(s, 135, 288), clBlack);  // the node itself stays visible inside
    g.ClearGraf();
    g.MarkAt(2, 1, 9);
    EXPECT_GT(crvenih(Slika(g)), 40);
    g.UkloniIsticanje();
    EXPECT_FALSE(g.ImaIsticanje());
    EXPECT_EQ(crvenih(Slika(g)), 0);
}

TEST(PlotChartSlika, DeepZoomKeepsLinesInPlace) {
    // A line whose ends map millions of pixels away still crosses the visible area correctly.
    TPlotPovrsina g;
    Postavi(g, 4.999, 5.001, 0, 5);
    g.MoveTo(0, 2.5);
    g.DrawTo(10, 2.5);
    const QImage s = Slika(g);
    const int y = g.YUPiksel(2.5);
    EXPECT_EQ(BojaPiksela(s, 100, y), clBlack);
    EXPECT_EQ(BojaPiksela(s, 400, y), clBlack);
    EXPECT_EQ(BojaPiksela(s, 400, y - 2), clWhite);
}

TEST(PlotChartKontrola, ClickResizeAndMouseEvents) {
    Aplikacija();
    TPlotChart c;
    int klikova = 0, promena = 0;
    c.OnClick = [&] { ++klikova; };
    c.OnResize = [&] { ++promena; };
    c.resize(500, 400);
    QApplication::sendPostedEvents();
    c.show();
    QApplication::processEvents();
    EXPECT_GE(promena, 1);
    EXPECT_EQ(c.Sirina(), 500);
    EXPECT_EQ(c.Visina(), 400);
    c.Scale1X.SetRangeLow(0);
    c.Scale1X.SetRangeHigh(425);

    auto posalji = [&](QEvent::Type tip, QPoint t, Qt::MouseButton b, Qt::MouseButtons dugmad) {
        QMouseEvent e(tip, QPointF(t), QPointF(c.mapToGlobal(t)), b, dugmad, Qt::NoModifier);
        QApplication::sendEvent(&c, &e);
    };
    posalji(QEvent::MouseMove, {150, 100}, Qt::NoButton, Qt::NoButton);
    EXPECT_DOUBLE_EQ(c.MousePosX(), 100);
    posalji(QEvent::MouseButtonPress, {150, 100}, Qt::LeftButton, Qt::LeftButton);
    posalji(QEvent::MouseButtonRelease, {150, 100}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(klikova, 1);
    // The release that follows a double click is not a second click.
    posalji(QEvent::MouseButtonDblClick, {150, 100}, Qt::LeftButton, Qt::LeftButton);
    posalji(QEvent::MouseButtonRelease, {150, 100}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(klikova, 1);

    // Pan through real events.
    c.SetMouseAction(maPan);
    posalji(QEvent::MouseButtonPress, {150, 100}, Qt::LeftButton, Qt::LeftButton);
    posalji(QEvent::MouseMove, {150, 100}, Qt::NoButton, Qt::LeftButton);
    posalji(QEvent::MouseMove, {170, 100}, Qt::NoButton, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(c.Scale1X.RangeLow(), -20);
    EXPECT_EQ(c.cursor().shape(), Qt::OpenHandCursor);
    posalji(QEvent::MouseButtonRelease, {170, 100}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(klikova, 2);

    // The widget paints through the same code as an image.
    const QImage s = c.grab().toImage();
    EXPECT_EQ(s.pixel(50, 200) & 0xFFFFFF, clBlack);
}
