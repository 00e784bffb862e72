#pragma once
// Node and member load figures of the engineering drawing, each with the anchor of its value.
#include <QString>

#include <vector>

#include "Cvor.h"
#include "Opterecenje.h"
#include "PlotChart.h"

inline constexpr TColor BojaOpterecenja = 0x1040B0;

// One figure group and the label that goes with it.
struct TSimbolSaVrednoscu {
    std::vector<TOblik> oblici;
    TTackaOblika sidro;           // where the value's label is anchored
    double smerX = 1, smerY = 0;  // the frame of the anchor's offset
    QString tekst;
    TColor boja = BojaOpterecenja;  // of the label
};

// The node's loads Px, Pz and MkoncY that are not zero, in this order.
std::vector<TSimbolSaVrednoscu> SimboliOpterecenjaCvora(const TCvor& c);

// A load on the member from (x1, z1) to (x2, z2); empty for a kind the drawing does not know.
TSimbolSaVrednoscu SimbolOpterecenjaStapa(const TOpterecenje& o, double x1, double z1, double x2, double z2);
