#pragma once
// Drawing an influence line on the structure: ordinates perpendicular to every member of the
// load's path, positive ones on the member's -y side (below a member drawn from left to right, where
// a downward load stands), each sign hatched in its own tint.
#include <optional>
#include <string>

#include "Model.h"
#include "PlotChart.h"
#include "PokretniTeret.h"
#include "Podesavanja.h"
#include "UticajneLinije.h"

inline constexpr TColor BojaUticajaPlus = 0x1565C0;
inline constexpr TColor BojaUticajaMinus = 0xC62828;
inline constexpr TColor SrafuraUticajaPlus = 0x90CAF9;
inline constexpr TColor SrafuraUticajaMinus = 0xEF9A9A;
inline constexpr TColor BojaVoza = 0x2E7D32;
inline constexpr TColor BojaVozaMin = 0xEF6C00;

// The line, with values at the supports on the path, at the section and at every member's extremes.
// With a train, its forces are drawn where they give the largest value and where the smallest.
void CrtajUticajnuLiniju(TPlotPovrsina& g, const TModel& model, const TPodesavanja& p, const TUticajnaLinija& l,
                         const TZahtevUticaja& z, const TVoz* voz = nullptr, const TEkstremiVoza* ekstremi = nullptr);

// "Stap 3, x = 1.25: M = 0.5" for the path member under the pixel; nullopt off the path.
std::optional<std::string> OrdinataPodTackom(const TPlotPovrsina& g, const TModel& model, const TUticajnaLinija& l,
                                             int px, int py);
