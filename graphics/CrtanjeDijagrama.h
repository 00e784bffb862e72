#pragma once
#include <optional>
#include <string>
#include <vector>

#include "DijagramiStapa.h"
#include "Model.h"
#include "PlotChart.h"
#include "Podesavanja.h"
#include "PodrucjeDetalja.h"

// Colours of the three diagrams; the hatching is a lighter tint of each.
inline constexpr TColor BojaDijagramaN = 0x1565C0;
inline constexpr TColor BojaDijagramaT = 0x2E7D32;
inline constexpr TColor BojaDijagramaM = 0xC62828;
// The largest ordinate of a diagram is this share of the structure's size, times the multiplier.
inline constexpr double UdeoDijagrama = 0.15;

// The length the largest ordinate is a share of: the smaller of the spans the fitted view gives the
// two axes (a straight beam is fitted to +-1 across it), or the structure's size when both axes
// share one scale.
double VelicinaZaDijagram(const TModel& model, const TPodesavanja& p);

// With "prilagodi razmeru prikazu" on, how large the view is against the last fit: the smaller of
// the two axes' ratios of the shown range to the fitted one, so that the automatic scales (times
// this share) give a zoomed member's diagram the same share of the screen as the whole structure's
// diagram at the fitted view. Exactly 1 at the fitted view (and after a pan), before any fit and
// with the option off.
double UdeoPrikaza(const TPlotPovrsina& g, const TPodesavanja& p);
// Whether the drawing holds something whose size follows the view: a force diagram or the
// deflected line at its automatic scale.
bool CrtezPratiPrikaz(const TPodesavanja& p);

// Every member's diagrams when the settings ask for a diagram or the deflected line and the state
// holds results; otherwise empty (nothing of the kind is drawn).
std::vector<TDijagramiStapa> DijagramiZaCrtanje(const TModel& model, const TPodesavanja& p,
                                                const TStanjeAnalize* stanje);

// The chosen diagram along every member: ordinates perpendicular to the member, hatched in the
// diagram's colour and outlined, values at the member ends and at interior extremes. Positive M lies
// on the member's -y side (the stretched fibre), positive N and T on its +y side. A multiplier text
// that is not a number greater than 0 is replaced by "1" in `p`. The ordinates' size is taken
// times `udeoPrikaza` (see UdeoPrikaza); members wholly outside `podrucje` are sampled as at the
// fitted view.
void CrtajDijagram(TPlotPovrsina& g, const TModel& model, TPodesavanja& p,
                   const std::vector<TDijagramiStapa>& dijagrami, double udeoPrikaza = 1,
                   const TPodrucjeDetalja& podrucje = {});

// The exact deflected line of every member, displacements times `mnozilac`, in place of the chords
// between the displaced nodes. False (nothing drawn) when the line is not asked for or not known.
bool CrtajLinijuDeformacije(TPlotPovrsina& g, const TModel& model, const TPodesavanja& p,
                            const std::vector<TDijagramiStapa>& dijagrami, long double mnozilac,
                            double udeoPrikaza = 1, const TPodrucjeDetalja& podrucje = {});

// The deflected line drawn on its own ("linija deformacije" without "pomeranja"): the largest
// displacement, at a node or along a member, is this share of the structure's size, times the
// displacement multiplier over its default 100, times `udeoPrikaza`; 0 when nothing moved.
inline constexpr double UdeoDeformacije = 0.1;
long double MnozilacLinijeDeformacije(const TModel& model, const TPodesavanja& p,
                                      const std::vector<TDijagramiStapa>& dijagrami, double udeoPrikaza = 1);

// The member under the pixel (px, py), within a few pixels of its axis, and the position along it.
struct TTackaNaStapu {
    size_t stap = 0;
    long double x = 0;
};
std::optional<TTackaNaStapu> StapPodTackom(const TPlotPovrsina& g, const TModel& model, int px, int py);

// "Stap 3, x = 1.25: N = ..., T = ..., M = ..., w = ..." for the hover text.
std::string OpisTackeNaStapu(const TModel& model, const TTackaNaStapu& t, const TDijagramiStapa& d);
