#pragma once
// Saving the drawing of a plot surface as a picture: PNG, or SVG and PDF as vector drawings with a
// small title block (file name, date) under the plot.
#include <QString>

#include "PlotChart.h"

enum class TFormatSlike { Png, Svg, Pdf };

// The format named by the file's extension (case ignored); anything else is PNG.
TFormatSlike FormatSlike(const QString& putanja);

// Pixels of the title block under the plot; a multiple of 4 keeps the PDF page a whole number of points.
inline constexpr int VisinaZaglavlja = 36;

// Draws `g` at w x h pixels into the file. `naslov` is the name shown in the title block. Returns
// an empty text on success, else the message to show.
QString SacuvajGrafik(const TPlotPovrsina& g, const QString& putanja, int w, int h, const QString& naslov);
