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
// A file is read only when it is a sound model: a text without any section keyword, one that ends
// before OSTALO or inside a section, a section given twice, an identifier repeated in its list, a
// code number given to two degrees of freedom, a member joining a node to itself or two nodes
// already joined, a load assigned to a member that does not exist, a member type or load kind out
// of range, and any value that breaks the rules of the editing pages (PravilaVrednosti.h) or does
// not fit the analysis's 64-bit reals are all refused. A folder, a device or a FIFO is refused at
// once.
void ProcitajModel(const std::string& putanja, TModel& model, TPodesavanja& podesavanja);
void ProcitajModelIzTeksta(std::string_view sadrzaj, TModel& model, TPodesavanja& podesavanja);

// Writes the model and the settings. An edit text that is not a valid factor (a number > 0) or
// multiplier (any number) is written as 1 and replaced by "1.0" in `podesavanja`. The file is
// replaced whole or not at all (SnimiFajlBezbedno: links, permissions and read-only files are
// respected). Throws TGreska on failure, also for a name longer than the name limit.
void SnimiModel(const std::string& putanja, const TModel& model, TPodesavanja& podesavanja);
std::string ModelUTekst(const TModel& model, TPodesavanja& podesavanja);

// Largest accepted file and line; anything larger is refused, not read into memory.
inline constexpr size_t NajvecaVelicinaFajla = size_t(1) << 30;
inline constexpr size_t NajvecaDuzinaReda = size_t(1) << 16;
