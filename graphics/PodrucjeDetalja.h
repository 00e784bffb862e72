#pragma once
#include <algorithm>
#include <cmath>

#include "Podesavanja.h"

class TPlotPovrsina;

// Where a drawing made at a zoomed view with the view-following scale samples its diagrams and
// deflected line as finely as that view asks: the visible ranges widened by their own size on
// every side, so that a pan of up to a view's width still finds the detail drawn. A member wholly
// outside keeps the same ordinates, sampled as at the fitted view: zoomed in on a few bays of a
// large frame, the drawing costs about what the whole structure's does, not the view's share
// squared times more. Everywhere at the fitted view, zoomed out, and with the option off.
struct TPodrucjeDetalja {
    bool svuda = true;
    double xL = 0, xH = 0, zL = 0, zH = 0;

    // Whether the segment from (x0, z0) to (x1, z1), widened by `siri` on every side, reaches it.
    bool Dotice(double x0, double z0, double x1, double z1, double siri) const {
        if (svuda) return true;
        // Written so that a NaN anywhere counts as reaching it: such a member is drawn as before.
        return !(std::max(x0, x1) + siri < xL || std::min(x0, x1) - siri > xH || std::max(z0, z1) + siri < zL ||
                 std::min(z0, z1) - siri > zH);
    }
};

// The region for a drawing of the view as `g` shows it now, at the view's share `udeo` (see
// UdeoPrikaza).
TPodrucjeDetalja PodrucjeDetalja(const TPlotPovrsina& g, double udeo);
// The same for a drawing made now with the settings `p`: everywhere when it refits the view.
TPodrucjeDetalja PodrucjeZaCrtanje(const TPlotPovrsina& g, const TPodesavanja& p);
// Whether the view `g` shows now lies within the region (always when it is everywhere).
bool PrikazUPodrucju(const TPlotPovrsina& g, const TPodrucjeDetalja& p);
