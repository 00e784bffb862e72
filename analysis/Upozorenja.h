#pragma once
#include <string>
#include <vector>

#include "TipoviStapa.h"

struct TModel;

// The warnings of a run: it went on as the method prescribes, but what it shows needs a word.

// The solution keeps only a few correct digits; the estimate is stated by its power of ten.
std::string UpozorenjeUslovljenosti(double uslovljenost);

// A node moment, a prescribed rotation or a clamp where only hinged member ends meet: the node's
// rotation is no unknown of the system, so none of them reaches the structure. One text per node
// and kind, in node order.
std::vector<std::string> UpozorenjaObrtanja(const TModel& model, const TKrajeviCvorova& krajevi);
