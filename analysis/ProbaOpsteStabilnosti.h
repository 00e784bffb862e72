#pragma once
// Whether a model that the rules for supports and member types refuse would be carried with
// general stability on: the run made on a copy of it, with the option on, ends with results.
struct TModel;

// Models above this many nodes are not tried: the answer would cost a whole run on the caller's thread.
inline constexpr int NajviseCvorovaZaProbu = 3000;

// False for a model with the option already on, one that is not refused by those two rules, and
// one too large to try.
bool OpstaStabilnostBiPrihvatila(const TModel& model);
