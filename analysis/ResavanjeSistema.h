#pragma once
#include "ResavacKss.h"
#include "Sklapanje.h"

struct TModel;
struct TStanjeAnalize;

// The solution step in the run's form: Kss factored, qs due to the loads and due to the support
// displacements, qo, their sum, Qo and the reactions written into the nodes; the inverse of Kss is
// what the factorisation offers (formed, or solved column by column). Everything is computed first
// and stored at the end, so a Stop inside the step leaves none of it; false when stopped. Throws
// the unstable-structure error for a singular Kss.
bool ResiSistem(TModel& model, TStanjeAnalize& stanje, const TOpterecenjaPoStapu& poStapu, const TOblikSistema& oblik,
                const TTokResavanja& tok);
