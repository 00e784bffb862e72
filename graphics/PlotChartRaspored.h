#pragma once
// Shared by the painting files of the plot surface: the geometry of one paint, and the figures
// and placed labels of the engineering drawing.
#include <QColor>
#include <QFont>
#include <QPointF>

#include <vector>

#include "PlotChart.h"
#include "RasporedOznaka.h"

class QPainter;

// Geometry of one paint, for the size of the target rectangle.
struct TRaspored {
    int levo, desno, gore, dole;
    double xL, xH, yL, yH;
    int X(double x) const { return TPlotPovrsina::Mapiraj(x, xL, xH, levo, desno - levo); }
    int Y(double y) const { return TPlotPovrsina::Mapiraj(y, yL, yH, dole, -(dole - gore)); }
};

QColor BojaIzTColor(TColor c);
QFont FontPlota(int tacaka, bool podebljan = false);

// The pixel points of a figure, and of every copy of a row.
std::vector<QPointF> TackeOblika(const TOblik& o, const TRaspored& r);
std::vector<std::vector<QPointF>> KopijeOblika(const TOblik& o, const TRaspored& r);
void NacrtajOblik(QPainter& p, const TOblik& o, const TRaspored& r);

// What labels must keep clear of, gathered while the display list is painted.
void DodajPrepreke(TZauzeto& z, const TOblik& o, const TRaspored& r);

// Places the label items in list order against `zauzeto` and paints the ones that find room.
void NacrtajOznake(QPainter& p, const std::vector<const TChartItem*>& oznake, TZauzeto& zauzeto, const TRaspored& r);
