#pragma once
// Small builders for the fixed-size figures of the engineering drawing. Offsets are pixels in the
// frame of TOblik: a along the frame's direction, b a quarter turn counter-clockwise from it.
#include <vector>

#include "PlotChart.h"

struct TGradnjaOblika {
    double x = 0, y = 0;          // world anchor
    double smerX = 1, smerY = 0;  // world direction of the frame's first axis
    TColor boja = clBlack;

    struct TT {
        float a, b;
    };

    TOblik Linija(std::initializer_list<TT> t, float debljina = 1) const;
    TOblik Linija(const std::vector<TT>& t, float debljina = 1) const;
    TOblik Linija(const TT* t, size_t n, float debljina = 1) const;
    TOblik Poligon(std::initializer_list<TT> t, TColor ispuna) const;
    TOblik Krug(TT centar, float poluprecnik, TColor ispuna, float debljina = 1) const;
    // A shaft from `rep` to `vrh` and a filled head at `vrh`.
    void Strelica(std::vector<TOblik>& o, TT rep, TT vrh, float glava = 8) const;
    // An arc about `centar` from angle u0 to u1 (radians, counter-clockwise positive) with a head at
    // u1 pointing on along the arc.
    void LukSaStrelicom(std::vector<TOblik>& o, TT centar, float r, double u0, double u1, float glava = 7) const;
    // A ground line from a0 to a1 at height b, hatched on the side away from the structure (toward
    // smaller b); without the line, the hatching alone.
    void Tlo(std::vector<TOblik>& o, float a0, float a1, float b, bool saLinijom = true) const;
};
