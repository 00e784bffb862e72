#pragma once
// Shared by the painting files of the plot surface: the geometry of one paint, and the figures
// and placed labels of the engineering drawing.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointF>

#include <algorithm>
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

// Axis labels: their size, their text, the room they keep, the spacing of vertical ticks.
inline constexpr int VelicinaFontaOsa = 8;
QString TekstPodeoka(double v, int decimala);
// Room between a vertical axis label and the plot area (the tick) and before the control's edge.
inline constexpr int RazmakDoOse = 8;
inline constexpr int RazmakDoIvice = 2;
inline int RazmakPodeokaY(const QFontMetrics& m) { return std::max(40, m.height() * 3); }

// The pixel points of a figure, and of every copy of a row.
std::vector<QPointF> TackeOblika(const TOblik& o, const TRaspored& r);
std::vector<std::vector<QPointF>> KopijeOblika(const TOblik& o, const TRaspored& r);
void NacrtajOblik(QPainter& p, const TOblik& o, const TRaspored& r);

// What labels must keep clear of, gathered while the display list is painted.
void DodajPrepreke(TZauzeto& z, const TOblik& o, const TRaspored& r);

// The pixel a label item names, and whether the labels anchored in the plot area are few enough
// to be read (else none is drawn, nor is anything gathered for them).
QPointF SidroOznake(const TChartItem& s, const TRaspored& r);
bool OznakeZaCrtanje(const std::vector<const TChartItem*>& oznake, const TRaspored& r);

// Places the label items in list order against `zauzeto` and paints the ones that find room.
void NacrtajOznake(QPainter& p, const std::vector<const TChartItem*>& oznake, TZauzeto& zauzeto, const TRaspored& r);
