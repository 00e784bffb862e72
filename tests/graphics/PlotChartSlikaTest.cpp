// What the plot paints, pixel by pixel, and the widget around it.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include <cstdlib>

#include "PomocniGrafika.h"

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

// Reals become pixels rounded half away from zero and held inside int, a NaN far outside.
TEST(PlotChartSlika, PixelsOfAnyRealStayInsideInt) {
    const struct {
        double v;
        int px;
    } slucajevi[] = {{0.4, 0},
                     {0.5, 1},
                     {-0.5, -1},
                     {-2.5, -3},
                     {0.49999999999999994, 0},
                     {-0.49999999999999994, 0},
                     {1.5, 2},
                     {-1.4999999, -1},
                     {-0.0, 0},
                     {1234567.5, 1234568},
                     {-1234567.5, -1234568},
                     {2147483646.5, 2147483647},
                     {-2147483646.5, -2147483647},
                     {2147483646.4, 2147483646},
                     {2147483647.0, 2147483647},
                     {3e9, 2147483647},
                     {-3e9, -2147483647},
                     {1e300, 2147483647},
                     {-INFINITY, -2147483647},
                     {INFINITY, 2147483647},
                     {NAN, -2147483647}};
    for (const auto& s : slucajevi) EXPECT_EQ(PikselUOpsegu(s.v), s.px) << s.v;
}

// Items whose world coordinates map billions of pixels away (a diagram scale of 1e9 and more):
// texts with offsets, marks, arrows and lines. What crosses the plot is drawn in place, the rest
// not at all, and no pixel arithmetic leaves int.
TEST(PlotChartSlika, ItemsFarOutsideThePlotPaintOnlyWhatCrossesIt) {
    TPlotPovrsina g;
    Postavi(g, 0, 10, 0, 5);
    for (double daleko : {1e12, 1e300, -1e300}) {
        g.Text(daleko, 2, 11, QStringLiteral("HHH"), 15, 15, taRightJustify);
        g.Text(2, daleko, 11, QStringLiteral("HHH"), -15, -15, taCenter);
        g.MarkAt(daleko, daleko, 9);
        g.Arrow(daleko, 1, daleko, 1.5, 15);
    }
    g.Arrow(5, 4, 1e300, 4, 15);   // the shaft runs to the right edge, its head is far away
    g.Arrow(-1e300, 1, 5, 1, 15);  // a head at (5, 1), the shaft from the left edge
    g.MoveTo(5, 3);
    g.DrawTo(5, -1e300);
    const QImage s = Slika(g);
    const int x5 = g.XUPiksel(5), y4 = g.YUPiksel(4), y1 = g.YUPiksel(1), y3 = g.YUPiksel(3);
    for (int x : {x5 + 1, 400, 470}) EXPECT_EQ(BojaPiksela(s, x, y4), clBlack) << x;
    EXPECT_EQ(BojaPiksela(s, x5 - 2, y4), clWhite);
    EXPECT_EQ(BojaPiksela(s, 60, y1), clBlack);
    EXPECT_EQ(BojaPiksela(s, x5 - 9, y1 - 2), clSilver);  // inside the head, 9 px back from its tip
    EXPECT_EQ(BojaPiksela(s, x5 + 5, y1), clWhite);
    for (int y = y3; y < 350; y += 20) EXPECT_EQ(BojaPiksela(s, x5, y), clBlack) << y;
    EXPECT_EQ(BojaPiksela(s, x5, y3 - 4), clWhite);
    // Nothing else: the rows and columns between the drawn lines are empty.
    int crnih = 0;
    for (int y = 25; y < 350; ++y)
        for (int x = 55; x < 470; ++x)
            if (y != y4 && y != y1 && std::abs(x - x5) > 0 && std::abs(y - y1) > 6 && qGray(s.pixel(x, y)) < 128)
                ++crnih;
    EXPECT_EQ(crnih, 0);
}

// Texts so crowded that even one digit each could not have its own spot are left out, and only
// while they are: the same texts show again once the view is zoomed in among them.
TEST(PlotChartSlika, TextsTooCrowdedToReadAreLeftOutUntilZoomedIn) {
    auto sTekstovima = [](int naStrani, double xH, double yH) {
        auto g = std::make_unique<TPlotPovrsina>();
        Postavi(*g, 0, xH, 0, yH);
        for (int i = 0; i < naStrani; ++i)
            for (int j = 0; j < naStrani; ++j)
                g->Text(10.0 * i / naStrani, 5.0 * j / naStrani, 8, QStringLiteral("8"), 0, 0, taCenter);
        return Slika(*g);
    };
    auto prazna = [](double xH, double yH) {
        TPlotPovrsina g;
        Postavi(g, 0, xH, 0, yH);
        return Slika(g);
    };
    EXPECT_NE(sTekstovima(5, 10, 5), prazna(10, 5));            // 25 texts: all drawn
    EXPECT_EQ(sTekstovima(100, 10, 5), prazna(10, 5));          // 10,000 over a few hundred pixels
    EXPECT_NE(sTekstovima(100, 0.3, 0.15), prazna(0.3, 0.15));  // a handful of them in view
}
