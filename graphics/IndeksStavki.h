#pragma once
// A coarse index of the display list: runs of consecutive items with the world box they cover and
// how far their painting can reach past it, so a paint passes over whole runs that cannot touch
// the view instead of mapping every item. A drawing is built member by member, so a run is a
// small patch of the structure.
#include <cstddef>
#include <vector>

#include "PlotChart.h"

struct TBlokStavki {
    size_t od = 0, doStavke = 0;  // the items [od, doStavke)
    // World box of the items' points and of the pen position the run starts from.
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    // Pixels an item can reach past its point: mark size, arrow head, the offsets of a figure's
    // points, a text's or label's offset; a text's own size is given by `znakova` and `tacaka`.
    double pomak = 0;
    int znakova = 0;  // the longest text or label of the run
    int tacaka = 0;   // their largest font size in points
    bool imaOznaka = false;
    // A point that is not finite maps to the plot's far edge, where a line from it may still
    // cross the view: such a run is never passed over.
    bool uvek = false;
    // Where the pen stands after the run, when the run moves it.
    bool pomeraOlovku = false;
    double olovkaX = 0, olovkaY = 0;
};

inline constexpr size_t StavkiUBloku = 64;

std::vector<TBlokStavki> IndeksStavki(const std::vector<TChartItem>& stavke, const std::vector<TOblik>& oblici,
                                      size_t uBloku = StavkiUBloku);

// Whether anything of the run can show in the pixel area [levo, desno] x [gore, dole] when the
// world box maps to the pixel box [px1, px2] x [py1, py2] (either order) and one character of the
// run's largest font is at most `znak` pixels wide and high.
struct TPikselOkvir {
    double levo, gore, desno, dole;
};
bool BlokDoseze(const TBlokStavki& b, double px1, double px2, double py1, double py2, double znak,
                const TPikselOkvir& vidljivo);
