#pragma once
// The editing command of the analysis options, for the "Analiza" page and the tests.
#include "Model.h"

// Turns general stability on or off; false when it already was so (nothing to undo then).
inline bool PostaviOpstuStabilnost(TModel& model, bool ukljuceno) {
    if (model.opcijeAnalize.opstaStabilnost == ukljuceno) return false;
    model.opcijeAnalize.opstaStabilnost = ukljuceno;
    return true;
}
