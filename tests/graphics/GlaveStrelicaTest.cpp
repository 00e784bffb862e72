// Arrow heads put down from kept pictures must be the very pixels the painter draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>

#include "GlaveStrelica.h"

namespace {

struct TGlava {
    QPoint vrh, k1, k2;
    bool samoLinije;
    QRgb olovka, ispuna;
};

void NacrtajSam(QPainter& p, const TGlava& g) {
    p.setPen(QPen(QColor::fromRgba(g.olovka), 0));
    if (g.samoLinije) {
        p.drawLine(g.vrh, g.k1);
        p.drawLine(g.vrh, g.k2);
    } else {
        p.setBrush(QColor::fromRgba(g.ispuna));
        const QPoint t[3] = {g.vrh, g.k1, g.k2};
        p.drawPolygon(t, 3);
        p.setBrush(Qt::NoBrush);
    }
}

// Heads of every direction in steps of 7 degrees and of three sizes, on a grid, both kinds and
// two colour pairs, some crossing the visible area's edge.
std::vector<TGlava> Glave() {
    std::vector<TGlava> v;
    const QRgb boje[2][2] = {{qRgb(0, 0, 0), qRgb(192, 192, 192)}, {qRgb(200, 0, 0), qRgb(0, 90, 255)}};
    int i = 0;
    // Every shape twice, at two places: the second is put down from the picture kept.
    for (int krug = 0; krug < 2; ++krug)
        for (int ugao = 0, j = 0; ugao < 360; ugao += 7)
            for (double d : {5.0, 8.0, 15.0}) {
                const double a = ugao * M_PI / 180, u = 0.3490658503988659;
                const QPoint vrh(10 + (i * 23) % 380, 10 + (i * 23) / 380 * 13 % 290);
                const auto ugaoU = [&](double s) {
                    return QPoint(vrh.x() + int(std::lround(d * std::cos(a + s))),
                                  vrh.y() + int(std::lround(d * std::sin(a + s))));
                };
                const auto& b = boje[j % 2];
                v.push_back({vrh, ugaoU(u), ugaoU(-u), j % 3 == 0, b[0], b[1]});
                ++i;
                ++j;
            }
    return v;
}

}  // namespace

TEST(GlaveStrelica, KeptPicturesGiveThePaintersPixels) {
    const QRect vidljivo(20, 15, 350, 250);
    QImage sam(420, 320, QImage::Format_RGB32), slike(420, 320, QImage::Format_RGB32);
    sam.fill(Qt::white);
    slike.fill(Qt::white);
    QPainter a(&sam), b(&slike);
    for (QPainter* p : {&a, &b}) {
        // As the plot paints: moved by its frame's corner and clipped to its area.
        p->translate(3, 2);
        p->setClipRect(vidljivo);
        p->setRenderHint(QPainter::Antialiasing, false);
    }
    TGlaveStrelica glave;
    int izSlike = 0, odbijeno = 0;
    for (const TGlava& g : Glave()) {
        NacrtajSam(a, g);
        b.setPen(QPen(QColor::fromRgba(g.olovka), 0));
        if (glave.Nacrtaj(b, g.vrh, g.k1, g.k2, g.samoLinije, g.olovka, g.ispuna, vidljivo)) ++izSlike;
        else {
            ++odbijeno;
            NacrtajSam(b, g);
        }
    }
    a.end();
    b.end();
    EXPECT_GT(izSlike, 200);
    EXPECT_GT(odbijeno, 5);  // the ones the edge cuts
    int razlika = 0;
    for (int y = 0; y < sam.height(); ++y)
        for (int x = 0; x < sam.width(); ++x)
            if (sam.pixel(x, y) != slike.pixel(x, y) && razlika++ < 10)
                ADD_FAILURE() << x << "," << y << " " << std::hex << sam.pixel(x, y) << " " << slike.pixel(x, y);
    EXPECT_EQ(razlika, 0);
}

TEST(GlaveStrelica, CornersOfADirectionAreWorkedOutOnce) {
    TGlaveStrelica glave;
    const auto& u = glave.Uglovi(-30, 40, 8, 0.3);
    const double smer = std::atan2(40.0, -30.0);
    EXPECT_EQ(u.x1, 8 * std::cos(smer + 0.3));
    EXPECT_EQ(u.y2, 8 * std::sin(smer - 0.3));
    EXPECT_EQ(&glave.Uglovi(-30, 40, 8, 0.3), &u);
    EXPECT_NE(glave.Uglovi(-30, 40, 9, 0.3).x1, u.x1);
}
