#pragma once
#include <string>
#include <vector>

#include "Matrix.h"
#include "OpisKoraka.h"

// The solution of the walk from the inversion's stages (KoraciInverzijeKss): Kss with the scales
// of its rows, one step per column of the Crout factor (the scaled pivot choice, the row exchange,
// L and U as they stand), then the inverse by forward and back substitution with the exchanges
// named. Rows are labelled by the code numbers of s as the exchanges move them; `zatim` closes the
// last step. Numbers with `cifara` significant digits.
std::vector<TKorakMetode> KoraciCrouta(const std::vector<TKorakInverzije>& koraci, const std::vector<int>& s,
                                       int cifara, const std::string& zatim);
