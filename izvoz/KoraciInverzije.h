#pragma once
#include <vector>

#include "Matrix.h"

struct TStanjeAnalize;

// Unknowns up to which the walk shows the inversion of Kss column by column.
inline constexpr int NajviseNepoznatihZaCrout = 12;

// The inversion of the run's Kss stage by stage: the start matrix, each column of the Crout factor,
// the whole factor and the inverse. Made by the run's own inversion, observed, on the run's Kss,
// and kept only when its inverse is the run's inverse bit for bit, so every stage is the run's.
// Empty when the run formed no dense inverse (the sparse path), for n_s = 0 or above
// NajviseNepoznatihZaCrout, and when the inverses differ.
std::vector<TKorakInverzije> KoraciInverzijeKss(const TStanjeAnalize& stanje);
