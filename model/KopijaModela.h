#pragma once
#include <memory>

#include "Izmena.h"
#include "Model.h"

// A deep copy of the model: every entity copied, members pointing at the copies of their material,
// section and nodes (found by position, so models with repeated IDs copy faithfully too).
std::unique_ptr<TModel> KopirajModel(const TModel& model);

// Replaces the content of `cilj` by a deep copy of `izvor`.
void PrepisiModel(const TModel& izvor, TModel& cilj);

// Whether two models hold the same input: lists of equal length and order, the same values,
// members referring to entities at the same positions. The analysis results that the nodes carry
// are not input and are ignored.
bool IstiModeli(const TModel& a, const TModel& b);

// How many entities the model holds, all lists together.
size_t BrojEntiteta(const TModel& model);

// Which lists of `posle` differ from those of `pre` (ddListe bits of TIzmena::delovi; the node
// distance counts with the nodes) and, when exactly one entity differs (changed in place, added or
// removed), its ID. No bits exactly when IstiModeli holds.
TIzmena RazlikaModela(const TModel& pre, const TModel& posle);

// Whether two entities hold the same input, field by field (a node's analysis results aside).
bool Isti(const TMaterijal& a, const TMaterijal& b);
bool Isti(const TPresek& a, const TPresek& b);
bool Isti(const TCvor& a, const TCvor& b);
bool Isti(const TOpterecenje& a, const TOpterecenje& b);
