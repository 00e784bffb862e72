#pragma once
#include <functional>

#include "Sklapanje.h"

struct TModel;
struct TStanjeAnalize;
class TPosmatracProracuna;

// The solution step on the path the run took: qs due to the loads and due to the support
// displacements, qo, their sum, Qo and the reactions written into the nodes. The dense path inverts
// Kss (the inverse is kept); the sparse path factors it and solves (the inverse is left to be read
// column by column). Everything is computed first and stored at the end, so a Stop inside the step
// leaves none of it; false when stopped. Throws the unstable-structure error for a singular Kss.
bool ResiSistem(TModel& model, TStanjeAnalize& stanje, const TOpterecenjaPoStapu& poStapu,
                const std::function<bool()>& radi, TPosmatracProracuna& posmatrac);
