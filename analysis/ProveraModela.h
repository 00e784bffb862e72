#pragma once
// Where a model that the analysis refuses is wrong: the first node that breaks the failing check,
// and one line saying what would satisfy it. The checks themselves and their messages are those
// of PrvaGreskaProvere; this only points at the place.
#include <string>

struct TModel;

struct TUzrokOdbijanja {
    std::string poruka;  // the refusing check's message, exactly as PrvaGreskaProvere gives it
    int idCvora = -1;    // the first node that breaks the check; -1 when no single node does
    std::string savet;   // one line for the user; empty when the model is not refused
};

TUzrokOdbijanja UzrokOdbijanja(const TModel& model);
