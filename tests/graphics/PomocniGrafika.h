#pragma once
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <memory>

#include "CrtanjeKonstrukcije.h"

// One application object for every test of this program; the plot needs it for fonts and widgets.
// It is never destroyed: at exit Qt's own globals may already be gone.
inline QApplication& Aplikacija() {
    static int argc = 1;
    static char ime[] = "velt_graphics_tests";
    static char* argv[] = {ime, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

inline QImage Slika(const TPlotPovrsina& g) {
    Aplikacija();
    QImage s(g.Sirina(), g.Visina(), QImage::Format_RGB32);
    QPainter p(&s);
    g.Nacrtaj(p, s.rect());
    return s;
}

// A 500 x 400 main plot (shadow 5): plot area columns 50..475, rows 20..355.
inline void Postavi(TPlotPovrsina& g, double xL, double xH, double yL, double yH) {
    g.PostaviVelicinu(500, 400);
    g.Scale1X.SetRangeLow(xL);
    g.Scale1X.SetRangeHigh(xH);
    g.Scale1Y.SetRangeLow(yL);
    g.Scale1Y.SetRangeHigh(yH);
}

// The same display list bit for bit: every item's kind, coordinates (compared with ==), colour and text.
inline bool IsteStavke(const TPlotPovrsina& a, const TPlotPovrsina& b) {
    if (a.Stavke().size() != b.Stavke().size()) return false;
    for (size_t i = 0; i < a.Stavke().size(); ++i) {
        const TChartItem &x = a.Stavke()[i], &y = b.Stavke()[i];
        if (x.ItemKind != y.ItemKind || x.x != y.x || x.y != y.y || x.x2 != y.x2 || x.y2 != y.y2 ||
            x.Color != y.Color || x.Text != y.Text)
            return false;
    }
    return true;
}

inline TColor BojaPiksela(const QImage& s, int x, int y) { return s.pixel(x, y) & 0xFFFFFF; }

// A small model built in code: nodes by coordinates, members by node indices.
struct TModelZaTest {
    TModel model;
    TModelZaTest() {
        model.nizMaterijala.push_back(std::make_unique<TMaterijal>(0, "M", 2e8L, 0.2L, 25, 1e-5L));
        model.nizPreseka.push_back(std::make_unique<TPresek>(0, "P", 1e-3L, 0.1L, 0.3L, 0));
    }
    TCvor& Cvor(long double x, long double z, bool oslX = false, bool oslZ = false, bool ukljY = false) {
        const int id = NoviID(model.nizCvorova);
        model.nizCvorova.push_back(std::make_unique<TCvor>(id, x, z, oslX, oslZ, ukljY, 0, 0, 0, 0, 0, 0, 3 * id + 1,
                                                           3 * id + 2, 3 * id + 3, 0, 0, 0, 0, 0, 0));
        return *model.nizCvorova.back();
    }
    TStap& Stap(size_t i, size_t k, int tip = tsK) {
        const int id = NoviID(model.nizStapova);
        model.nizStapova.push_back(std::make_unique<TStap>(id, model.nizMaterijala[0].get(), model.nizPreseka[0].get(),
                                                           model.nizCvorova[i].get(), model.nizCvorova[k].get(), tip));
        return *model.nizStapova.back();
    }
    void Opterecenje(const std::string& ime, int idStapa) {
        const int id = NoviID(model.nizOpterecenja);
        model.nizOpterecenja.push_back(
            std::make_unique<TOpterecenje>(id, ime, toPn, idStapa, 0, 0, 0, 0, -10, 0, 1, 0, 0, 0, 0, 0, 0, 0));
    }
};
