#pragma once
#include <optional>
#include <string>
#include <string_view>

// A double as text that reads back to the same bits: 17 significant digits ("%.17g"); "nan",
// "inf" and "-inf" for the values that have no digits.
std::string TacanZapis(double v);

// A double as text with `cifara` significant digits, for what a grid shows.
std::string ZapisSaCiframa(double v, int cifara);

// A number read from a data file or the clipboard: surrounding blanks ignored, a decimal comma
// taken as a point when `zarezJeTacka`; nullopt when the text is not a whole number.
std::optional<double> ProcitajBroj(std::string_view tekst, bool zarezJeTacka);
