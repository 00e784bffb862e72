#pragma once
#include <string>

#include "StanjeAnalize.h"

struct TModel;

// The input part of the analysis report: every material, section, node, member and member load,
// with CR LF line ends. Throws when the model is inconsistent (the caller shows its error box).
std::string izvestajAnalizeUlaz(const TModel& model);

// The output part: code-number lists, the factor, the global matrices and vectors, reactions, node
// results and every member's matrices and end forces, with stiffness shown divided by `faktor` and
// displacements multiplied by it. Never throws: an error (results that are absent or no longer fit
// the model) ends the text where it happened.
std::string izvestajAnalizeIzlaz(const TModel& model, const TStanjeAnalize& stanje, long double faktor);
