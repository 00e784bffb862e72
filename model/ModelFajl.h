#pragma once
#include <string>
#include <string_view>

#include "Model.h"
#include "Podesavanja.h"

// The model file: CR LF lines, sections MATERIJAL, PRESEK, CVOR, STAP, OPTERECENJE and OSTALO.
// Names are written as UTF-8; a name line that is not valid UTF-8 is read as Latin-1, so files
// from single-byte editors open with their accented letters intact.

// Reads a whole model. The read is transactional: it parses into new lists and replaces `model`
// and `podesavanja` only when the whole file was read. On failure it throws TGreska naming the
// line and what was expected there, and both arguments are left exactly as they were.
void ProcitajModel(const std::string& putanja, TModel& model, TPodesavanja& podesavanja);
void ProcitajModelIzTeksta(std::string_view sadrzaj, TModel& model, TPodesavanja& podesavanja);

// Writes the model and the settings. An edit text that is not a valid factor (a number > 0) or
// multiplier (any number) is written as 1 and replaced by "1.0" in `podesavanja`. The file is
// written beside the target under a temporary name and then renamed over it, so a failed save
// never leaves a truncated model behind. Throws TGreska on failure.
void SnimiModel(const std::string& putanja, const TModel& model, TPodesavanja& podesavanja);
std::string ModelUTekst(const TModel& model, TPodesavanja& podesavanja);

// Largest accepted file and line; anything larger is refused, not read into memory.
inline constexpr size_t NajvecaVelicinaFajla = size_t(1) << 30;
inline constexpr size_t NajvecaDuzinaReda = size_t(1) << 16;
