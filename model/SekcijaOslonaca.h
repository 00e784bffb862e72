#pragma once
#include <string>
#include <string_view>

#include "Model.h"

// Elastic and inclined supports in the section OSLONCI, written after OSTALO (and PRIKAZ, ANALIZA)
// only when some node has a spring or a turned support, so files that never used them stay byte
// for byte as they were. One line per such node, "cvor=ID kx=V kz=V kfi=V ugao=V", keys with the
// value 0 left out; the section ends with "--".

inline constexpr const char* KljucnaRecOslonaca = "OSLONCI";

// The rule the spring values of a node obey, on the page and in the file: finite numbers, no
// negative stiffness, no spring along a direction its support already holds. nullptr when good.
const char* GreskaElasticnogOslonca(bool oslX, bool oslZ, bool ukljY, long double kx, long double kz, long double kfi,
                                    long double ugao);

// The section's lines without line ends, the keyword first and "--" last; empty when no node has
// a spring or an angle.
std::string RedoviOslonaca(const TModel& model, std::string_view krajReda);

// One line's values; keys left out are 0.
struct TRedOslonaca {
    int idCvora = 0;
    long double kx = 0, kz = 0, kfi = 0, ugao = 0;
};
// Parses one line into `r`: the message of what is wrong with its form, or "" (unknown keys are
// ignored). The node and the values' rules are the reader's to check.
std::string ProcitajRedOslonaca(std::string_view red, TRedOslonaca& r);
