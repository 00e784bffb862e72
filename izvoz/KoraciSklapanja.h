#pragma once
#include <utility>
#include <vector>

#include "Matrix.h"

struct TModel;
struct TStanjeAnalize;

// K as it grows, member by member in list order: what the walk through the method shows. Each
// step holds the member's own matrices and K after its addition, made by the same additions in
// the same order as the run's K, so the last step's K is the run's K bit for bit. Positions follow
// the list of all code numbers (s, then o).
struct TKorakSklapanja {
    int indeksStapa = 0;
    int idStapa = 0;
    std::vector<int> kodovi;
    TMatrix T, kLKS, kGKS;
    TMatrix K;
    // The places (kolona, red; 1-based) of K this member adds to, both triangles.
    std::vector<std::pair<int, int>> celije;
    // The load vector over all code numbers after this member's loads, gathered by the run's
    // additions in its order (its first n_s entries end as the run's Qs), and the positions
    // (1-based) its loads land on: none for a member without loads.
    TMatrix Q;
    std::vector<int> celijeQ;
};

// Kodnih brojeva beyond which the walk is not offered: every step keeps a whole K.
inline constexpr int NajviseKodovaKoraka = 120;

// The steps of the model the state was computed for. Empty without results; throws TGreska for a
// model above NajviseKodovaKoraka code numbers.
std::vector<TKorakSklapanja> KoraciSklapanja(const TModel& model, const TStanjeAnalize& stanje);
