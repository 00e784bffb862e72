#pragma once
#include <string>

#include "UredjivanjeZajednicko.h"

// The texts of the section page's edit fields.
struct TPoljaPreseka {
    std::string ime;
    std::string I;
    std::string Aaksijalno;
    std::string h;
    std::string k;
};

// Adds a section or changes the one at `izabrani` (which keeps its ID); throws TGreska at the first
// failed check, leaving the model untouched. False when there was nothing to change.
bool DodajIliPromeniPresek(TModel& model, TRezimIzmene rezim, int izabrani, const TPoljaPreseka& polja);

// Removes the section at `izabrani`; false when nothing is selected; TGreska when a member uses it.
bool ObrisiPresek(TModel& model, int izabrani);
