#pragma once
#include <string>

#include "UredjivanjeZajednicko.h"

// The texts of the material page's edit fields.
struct TPoljaMaterijala {
    std::string ime;
    std::string modulElasticnosti;
    std::string poasonovKoeficijent;
    std::string zapreminskaMasa;
    std::string alfaT;
};

// "Dodaj" appends a new material; "Promeni" changes the material at list index `izabrani`, which
// keeps its ID. Throws TGreska with the user's message at the first failed check and then leaves
// the model untouched. Returns false when there was nothing to change (no valid selection).
bool DodajIliPromeniMaterijal(TModel& model, TRezimIzmene rezim, int izabrani, const TPoljaMaterijala& polja);

// Removes the material at `izabrani`; false when nothing is selected. A material that a member
// uses is refused with TGreska.
bool ObrisiMaterijal(TModel& model, int izabrani);
