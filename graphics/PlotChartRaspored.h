#pragma once
// Shared by the painting files of the plot surface: the geometry of one paint, and the figures
// and placed labels of the engineering drawing.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointF>

#include <algorithm>
#include <functional>
#include <vector>

#include "PlotChart.h"
#include "RasporedOznaka.h"

class QPainter;
struct TBlokStavki;

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
// The same copies one after another in `tacke` (what it held is replaced); returns the number of
// points of one copy.
size_t KopijeOblikaU(const TOblik& o, const TRaspored& r, std::vector<QPointF>& tacke);
// The figure from its copies as KopijeOblikaU gives them, antialiased, in its pen and brush, which
// it leaves set for the caller to reset after a run of figures; true when it drew anything.
// `glatko`: antialiasing is already on.
bool NacrtajOblik(QPainter& p, const TOblik& o, const std::vector<QPointF>& kopije, size_t poKopiji,
                  const TRaspored& r, bool glatko);

// What labels must keep clear of, gathered while the display list is painted.
void DodajPrepreke(TZauzeto& z, const TOblik& o, const std::vector<QPointF>& kopije, size_t poKopiji,
                   const TRaspored& r);

// The pixel a label item names, and whether the labels anchored in the plot area are few enough
// to be read (else none is drawn, nor is anything gathered for them).
QPointF SidroOznake(const TChartItem& s, const TRaspored& r);
bool OznakeZaCrtanje(const std::vector<const TChartItem*>& oznake, const TRaspored& r);

// Places the label items in list order against `zauzeto` and paints the ones that find room.
void NacrtajOznake(QPainter& p, const std::vector<const TChartItem*>& oznake, TZauzeto& zauzeto, const TRaspored& r);

// Paints the display list into the plot area (the caller clips to it) by the index `blokovi` of
// its runs, then calls `preko` for what goes over the items, then places and paints the labels.
void NacrtajListu(QPainter& p, const TRaspored& r, const std::vector<TChartItem>& stavke,
                  const std::vector<TOblik>& oblici, const std::vector<TBlokStavki>& blokovi,
                  const std::function<void()>& preko);
