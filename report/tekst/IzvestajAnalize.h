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
//
// A matrix of more than NajviseElemenataUIzvestaju elements is given by its size and number of
// nonzeros in place of its rows, with a line saying so, so that the report of a large model stays
// a few MB; `ceo` writes every matrix whole regardless.
std::string izvestajAnalizeIzlaz(const TModel& model, const TStanjeAnalize& stanje, long double faktor,
                                 bool ceo = false);

// About 0.5 MB of text for the largest matrix written; the six global matrices then stay within a
// few MB together.
inline constexpr long long NajviseElemenataUIzvestaju = 40000;
