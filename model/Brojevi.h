#pragma once
#include <optional>
#include <string>
#include <string_view>

// Number <-> text, independent of the locale: "." is always the decimal separator.

// The general format for every real shown as text: the shortest form with at most 15 significant
// digits, no trailing zeros, no separator for whole values; scientific ("1.5E-6", "1E20") for
// magnitudes below 0.00001 or with more than 15 integer digits.
std::string FormatBroja(long double v);

// Fixed format with the given number of decimals ("0.000000" is FormatFiksno(v, 6)).
std::string FormatFiksno(long double v, int decimala);

// The model file's 23-character real: sign or blank, d.dddddddddddddd, "E", exponent sign, 4 digits.
std::string FormatRealaZaFajl(long double v);

// Parses a real: optional blanks, optional sign, digits with an optional "." and an optional
// exponent, optional blanks. Refuses anything else and values that are not finite.
std::optional<long double> ParsirajReal(std::string_view tekst);
// Parses a 32-bit decimal integer with optional blanks around it and an optional sign.
std::optional<int> ParsirajCeo(std::string_view tekst);

// The edit-field conversions: throw TGreska with the conversion message for a text that is not a
// (finite) number.
long double TekstUReal(std::string_view tekst);
int TekstUCeo(std::string_view tekst);
std::string PorukaNeispravanReal(std::string_view tekst);
std::string PorukaNeispravanCeo(std::string_view tekst);
