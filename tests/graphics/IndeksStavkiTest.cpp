// The paint passes over runs of the display list that cannot reach the view, hands the lines of
// one pen to the painter together and measures only labels that can land in the view: none of it
// may change a pixel, and what is passed over must really be out of reach.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "IndeksStavki.h"
#include "PlotChartRaspored.h"
#include "PomocniGrafika.h"
#include "SimboliOpterecenja.h"

namespace {

// A 500 x 400 image whose plot area is columns 50..475, rows 20..355, showing `v`.
TRaspored Raspored(double xL, double xH, double yL, double yH) { return TRaspored{50, 475, 20, 355, xL, xH, yL, yH}; }

// The items of `g` painted as the plot paints them, with the index `blokovi`.
QImage Naslikaj(const TPlotPovrsina& g, const TRaspored& r, const std::vector<TBlokStavki>& blokovi) {
    Aplikacija();
    QImage s(500, 400, QImage::Format_RGB32);
    s.fill(Qt::white);
    QPainter p(&s);
    p.setFont(FontPlota(VelicinaFontaOsa));
    p.setPen(QPen(Qt::black, 0));
    p.setClipRect(QRect(QPoint(r.levo, r.gore), QPoint(r.desno, r.dole)));
    NacrtajListu(p, r, g.Stavke(), g.Oblici(), blokovi, [] {});
    return s;
}

// One run over the whole list that is never passed over: the paint as it was without the index.
std::vector<TBlokStavki> BezIndeksa(const TPlotPovrsina& g) {
    TBlokStavki b;
    b.doStavke = g.Stavke().size();
    b.uvek = true;
    return {b};
}

// Items of every kind along the four edges of the view of Raspored(0, 10, 0, 10): straddling each
// edge, just outside it within an item's reach, and far outside; lines that cross the whole view
// from far away.
void PopuniOkoIvica(TPlotPovrsina& g) {
    const double blizu[] = {-0.3, -0.05, 0.02, 5, 9.98, 10.05, 10.3, -40, 50};
    int n = 0;
    for (double a : blizu)
        for (double b : {-0.4, 0.01, 4.0, 9.99, 10.4}) {
            const double x = (n % 2) ? a : b, y = (n % 2) ? b : a;
            switch (n++ % 7) {
                case 0: g.MarkAt(x, y, n % 3 ? 9 : 17); break;
                case 1: g.Text(x, y, 9, QStringLiteral("W%1").arg(n), n % 5 - 2, 12, TAlignment(n % 3)); break;
                case 2: g.Arrow(x, y, x + 0.2, y - 0.2, 15); break;
                case 3: {
                    TSimbolSaVrednoscu q = SimboliOpterecenjaCvora(
                        TCvor(n, x, y, 0, 0, 0, 0, 0, 0, 5, -3, 2, 1, 2, 3, 0, 0, 0, 0, 0, 0))[0];
                    for (TOblik& o : q.oblici) g.Oblik(std::move(o));
                    g.Oznaka(q.sidro, q.smerX, q.smerY, q.tekst, ozVrednost, 9);
                    break;
                }
                case 4: {
                    TOblik red;
                    red.tacke = {{x, y, 0, -20}, {x, y, 0, -2}};
                    red.doX = x + 1;
                    red.doY = y + 0.5;
                    red.korak = 10;
                    g.Oblik(std::move(red));
                    break;
                }
                case 5: g.Oznaka(x, y, QStringLiteral("%1").arg(n * 37), TVrstaOznake(n % 3), 9); break;
                default: g.MoveTo(x, y); g.DrawTo(x + 0.3, y + 0.1);
            }
        }
    // Lines from far outside across the view, and a line that starts from a point of an earlier
    // run.
    g.DataColor = 0x00A000;
    g.MoveTo(-1000, 5);
    g.DrawTo(1000, 5.5);
    g.MoveTo(3, -1e6);
    g.DrawTo(3.5, 1e6);
    // A line into the view whose start was set in a run passed over.
    g.MoveTo(-30, -30);
    g.MoveTo(-20, 5);
    g.DrawTo(5, 2);
    g.DataColor = clBlack;
}

}  // namespace

// A run's box holds its points, the pen position it starts from and the far end of a row; its
// reach holds a mark's size, an arrow head, a figure's pixel offsets and a text's offset; a point
// that is not finite keeps the run always drawn.
TEST(IndeksStavki, RunsHoldTheirPointsThePenTheyStartFromAndTheReachOfTheirItems) {
    TPlotPovrsina g;
    g.MoveTo(1, 2);
    g.DrawTo(3, -1);  // run 0
    g.MarkAt(7, 8, 9);
    g.Text(5, 5, 9, QStringLiteral("abc"), -6, 20, taLeftJustify);  // run 1, from the pen at (3, -1)
    g.Arrow(10, 10, 12, 9, 15);
    TOblik red;
    red.tacke = {{20, 20, 3, -25}, {20, 20, 0, 0}};
    red.doX = 30;
    red.doY = 18;
    red.korak = 16;
    g.Oblik(red);                                           // run 2
    g.MoveTo(std::numeric_limits<double>::quiet_NaN(), 0);  // run 3
    const std::vector<TBlokStavki> b = IndeksStavki(g.Stavke(), g.Oblici(), 2);
    ASSERT_EQ(b.size(), 4u);
    const struct {
        double xMin, xMax, yMin, yMax;
        bool olovka, uvek;
    } ocekivano[] = {{1, 3, -1, 2, true, false},
                     {3, 7, -1, 8, false, false},
                     {3, 30, -1, 20, false, false},
                     {3, 3, -1, -1, true, true}};
    for (size_t i = 0; i < b.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(b[i].xMin, ocekivano[i].xMin);
        EXPECT_EQ(b[i].xMax, ocekivano[i].xMax);
        EXPECT_EQ(b[i].yMin, ocekivano[i].yMin);
        EXPECT_EQ(b[i].yMax, ocekivano[i].yMax);
        EXPECT_EQ(b[i].pomeraOlovku, ocekivano[i].olovka);
        EXPECT_EQ(b[i].uvek, ocekivano[i].uvek);
    }
    EXPECT_EQ(b[0].olovkaX, 3);
    EXPECT_EQ(b[0].olovkaY, -1);
    EXPECT_GE(b[1].pomak, 26);  // the text's offset 6 + 20
    EXPECT_EQ(b[1].znakova, 3);
    EXPECT_EQ(b[1].tacaka, 9);
    EXPECT_GE(b[2].pomak, 28);  // the figure's offset 3 + 25, and the arrow head 15
}

// Passed over only beyond the reach: a run whose pixel box lies `d` pixels right of the view.
TEST(IndeksStavki, ARunIsPassedOverOnlyWhenItsReachMissesTheView) {
    const TPikselOkvir v{50, 20, 475, 355};
    TBlokStavki b;
    b.pomak = 10;
    const struct {
        double d;
        int znakova;
        bool doseze;
    } slucajevi[] = {{0, 0, true},  {13, 0, true},  {15, 0, false}, {-500, 0, false},
                     {40, 2, true}, {70, 2, false}, {60, 3, true},  {200, 0, false}};
    for (const auto& s : slucajevi) {
        b.znakova = s.znakova;
        const double x = s.d < 0 ? v.levo + s.d : v.desno + s.d;
        EXPECT_EQ(BlokDoseze(b, x, x + 0, 100, 120, 10, v), s.doseze) << s.d << " " << s.znakova;
    }
    b.uvek = true;
    EXPECT_TRUE(BlokDoseze(b, 1e9, 1e9, 1e9, 1e9, 10, v));
}

// Every kind of item, around every edge of views from the whole drawing down to a corner, in runs
// of one item: exactly the pixels of the paint without the index; in the zoomed views most runs
// are passed over.
TEST(IndeksStavki, PassingOverRunsChangesNoPixel) {
    TPlotPovrsina g;
    PopuniOkoIvica(g);
    const std::vector<TBlokStavki> pojedinacno = IndeksStavki(g.Stavke(), g.Oblici(), 1);
    const struct {
        double xL, xH, yL, yH;
    } pogledi[] = {{0, 10, 0, 10}, {-50, 60, -50, 60}, {9, 10.5, 9.2, 10.2}, {-0.5, 0.3, -0.2, 0.5}, {2, 8, 4, 6}};
    for (const auto& v : pogledi) {
        SCOPED_TRACE(v.xL);
        const TRaspored r = Raspored(v.xL, v.xH, v.yL, v.yH);
        EXPECT_EQ(Naslikaj(g, r, pojedinacno), Naslikaj(g, r, BezIndeksa(g)));
    }
    // A corner view: the far items and most of the edge ones are out of reach.
    const TRaspored ugao = Raspored(9, 10.5, 9.2, 10.2);
    const QFontMetrics m(FontPlota(9));
    const double znak = 2.0 * std::max(m.maxWidth(), m.height());
    size_t dosezu = 0;
    for (const TBlokStavki& b : pojedinacno)
        dosezu += BlokDoseze(b, ugao.X(b.xMin), ugao.X(b.xMax), ugao.Y(b.yMin), ugao.Y(b.yMax), znak,
                             TPikselOkvir{50, 20, 475, 355});
    EXPECT_LT(dosezu, pojedinacno.size() / 2);
}

// Lines of several pens, repeated and crossing, with marks between them: the same pixels as each
// line drawn on its own in list order.
TEST(IndeksStavki, LinesHandedOverTogetherKeepTheirOrder) {
    TPlotPovrsina g;
    Aplikacija();
    QImage ocekivano(500, 400, QImage::Format_RGB32);
    ocekivano.fill(Qt::white);
    QPainter p(&ocekivano);
    const TRaspored r = Raspored(0, 10, 0, 10);
    p.setClipRect(QRect(QPoint(r.levo, r.gore), QPoint(r.desno, r.dole)));
    const TColor boje[] = {0xC62828, 0xE8A0A0, clBlack};
    for (int i = 0; i < 300; ++i) {
        const double x1 = (i * 37 % 101) / 10.0, y1 = (i * 53 % 97) / 10.0;
        const double x2 = (i * 61 % 89) / 9.0, y2 = (i * 17 % 83) / 8.5;
        g.DataColor = boje[(i / 3) % 3];
        for (int k = 0; k < 1 + i % 2; ++k) {  // every other line twice in a row
            g.MoveTo(x1, y1);
            g.DrawTo(x2, y2);
            p.setPen(QPen(BojaIzTColor(g.DataColor), 0));
            p.drawLine(QPointF(r.X(x1), r.Y(y1)), QPointF(r.X(x2), r.Y(y2)));
        }
        if (i % 17 == 0) {
            g.MarkAt(x2, y2, 9);
            p.fillRect(QRect(r.X(x2) - 3, r.Y(y2) - 3, 7, 7), BojaIzTColor(g.DataColor));
        }
    }
    p.end();
    EXPECT_EQ(Naslikaj(g, r, IndeksStavki(g.Stavke(), g.Oblici())), ocekivano);
}

// A run of figures keeps antialiasing on; the line after it is drawn aliased again, as each
// figure painted on its own leaves it.
TEST(IndeksStavki, ALineAfterFiguresIsAliasedAgain) {
    TPlotPovrsina g;
    const TRaspored r = Raspored(0, 10, 0, 10);
    TSimbolSaVrednoscu q =
        SimboliOpterecenjaCvora(TCvor(1, 5, 5, 0, 0, 0, 0, 0, 0, 5, -3, 2, 1, 2, 3, 0, 0, 0, 0, 0, 0))[0];
    for (TOblik& o : q.oblici) g.Oblik(std::move(o));
    g.MoveTo(1, 1);
    g.DrawTo(8, 3.3);
    const QImage s = Naslikaj(g, r, IndeksStavki(g.Stavke(), g.Oblici()));
    // Aliased: every pixel of the line's bounding box is white or the line's black.
    for (int x = r.X(1); x <= r.X(8); ++x)
        for (int y = r.Y(3.3); y <= r.Y(1); ++y) {
            const TColor c = BojaPiksela(s, x, y);
            EXPECT_TRUE(c == clWhite || c == clBlack) << x << "," << y;
        }
}

// A label is measured only when its widest form could land in the view; the bound only lets more
// anchors through, never fewer.
TEST(IndeksStavki, LabelsFarFromTheViewNeedNoMeasure) {
    const TOkvir granice{50, 20, 475, 355};
    const struct {
        double x, y, sirina;
        bool moze;
    } slucajevi[] = {{300, 200, 20, true}, {40, 200, 20, true},   {20, 200, 20, true},       {10, 200, 20, false},
                     {10, 200, 80, true},  {500, 200, 20, true},  {520, 200, 20, false},     {300, 395, 20, false},
                     {300, 380, 20, true}, {NAN, 200, 20, false}, {300, INFINITY, 20, false}};
    for (const auto& s : slucajevi) {
        TOznakaZaRaspored o;
        o.x = s.x;
        o.y = s.y;
        o.sirina = s.sirina;
        o.visina = 14;
        o.razmak = 5;
        EXPECT_EQ(MozeUGranice(o, granice), s.moze) << s.x << "," << s.y << " " << s.sirina;
        o.sirina *= 3;
        if (s.moze) {
            EXPECT_TRUE(MozeUGranice(o, granice));
        }
    }
}

// The widget shows its last picture again only while nothing it was painted from has changed:
// after each change below its picture is what a fresh paint of the same plot gives.
TEST(IndeksStavki, TheWidgetRepaintsAfterEveryChangeOfWhatItShows) {
    Aplikacija();
    TPlotChart c;
    c.resize(500, 400);
    c.Scale1X.PostaviOpseg(0, 10);
    c.Scale1Y.PostaviOpseg(0, 10);
    PopuniOkoIvica(c);
    auto svez = [&] {
        QImage s(c.size(), QImage::Format_RGB32);
        QPainter p(&s);
        c.Nacrtaj(p, s.rect());
        return s;
    };
    const std::vector<std::pair<const char*, std::function<void()>>> izmene = {
        {"nothing", [] {}},
        {"a line added", [&] { c.MoveTo(1, 1), c.DrawTo(9, 9); }},
        {"range", [&] { c.Scale1X.PostaviOpseg(1, 8); }},
        {"vertical range", [&] { c.Scale1Y.PostaviOpseg(-2, 8); }},
        {"equal scale", [&] { c.SetJednakaRazmera(true); }},
        {"grid", [&] { c.SetGridStyle(gsDotLines); }},
        {"margin", [&] { c.LRim = 70; }},
        {"bottom margin", [&] { c.BRim = 55; }},
        {"shadow", [&] { c.ShadowWidth = 2; }},
        {"surround colour", [&] { c.WindColor = 0x336699; }},
        {"area colour", [&] { c.ChartColor = 0xFFFFE0; }},
        {"caption", [&] { c.NatpisOseY = QStringLiteral("Y"); }},
        {"highlight", [&] { c.IstakniTacku(4, 4); }},
        {"highlight moved", [&] { c.IstakniTacku(5, 4); }},
        {"overlay",
         [&] {
             c.PostaviPreklop({{1, 2, 6, 7}});
         }},
        {"overlay moved",
         [&] {
             c.PostaviPreklop({{1, 2, 6, 8}});
         }},
        {"size", [&] { c.resize(420, 380); }},
        {"cleared", [&] { c.ClearGraf(); }},
    };
    for (const auto& [naziv, izmena] : izmene) {
        SCOPED_TRACE(naziv);
        izmena();
        EXPECT_EQ(c.grab().toImage().convertToFormat(QImage::Format_RGB32), svez());
    }
}
