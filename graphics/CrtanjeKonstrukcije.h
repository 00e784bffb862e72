#pragma once
#include "Model.h"
#include "Podesavanja.h"
#include "PlotChart.h"

struct TStanjeAnalize;
class TSacuvaniDijagrami;

// Drawing constants of the structure plot.
inline constexpr int VelicinaTeksta = 11;      // points
inline constexpr int KorakReda = 15;           // pixels between label lines
inline constexpr int PomakTekstaX = 5;         // pixels right of the point
inline constexpr double PolozajZgloba = 0.05;  // hinge mark, fraction of the length from the hinged end
inline constexpr double DuzinaOrjentacije = 0.25;
inline constexpr int GlavaOrjentacije = 15;  // pixels
inline constexpr TColor BojaKonstrukcije = clBlack;
inline constexpr TColor BojaDeformacije = clGray;

// Clears and refills the display list of the plot from the model, then fits the view (with
// real-time fitting on) or repaints at the current ranges. A multiplier text that is not a number
// is replaced by "100.0" in `podesavanja`, and 100 is used. With the results of a run in `stanje`,
// the chosen force diagram and the exact deflected line are drawn too, from `sacuvani` when given
// (made there on first need and kept) or else made afresh.
void CrtajGrafik(TPlotChart& povrsinaZaCrtanje, const TModel& model, TPodesavanja& podesavanja,
                 const TStanjeAnalize* stanje = nullptr, TSacuvaniDijagrami* sacuvani = nullptr);
// Sets the axis ranges of the plot to frame all nodes with the selected view factor.
void PodesiKrajnjeGraniceGrafika(TPlotChart& povrsinaZaCrtanje, const TModel& model, const TPodesavanja& podesavanja);

// The same, for a plot surface without a widget (velt-cli, tests, benchmarks).
void CrtajGrafik(TPlotPovrsina& povrsinaZaCrtanje, const TModel& model, TPodesavanja& podesavanja,
                 const TStanjeAnalize* stanje = nullptr, TSacuvaniDijagrami* sacuvani = nullptr);
void PodesiKrajnjeGraniceGrafika(TPlotPovrsina& povrsinaZaCrtanje, const TModel& model,
                                 const TPodesavanja& podesavanja);
