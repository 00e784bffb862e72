#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "MatriceMetode.h"

// The file formats a matrix is exported in. Every double is written so that it reads back to the
// same bits (17 significant digits; NumPy: the 8 bytes themselves).
//  Csv: one line per row, values separated by commas, no labels.
//  M:   a MATLAB/Octave assignment `ime = [...];`, the code numbers in a comment.
//  Npy: NumPy format 1.0, C order, '<f8'; the code-number lists and kodovi_<ID> as '<i8'; vectors
//       and lists one-dimensional.
//  Mtx: Matrix Market "coordinate real general", the stored nonzeros only (a sparse matrix
//       column by column without forming it).
//  Tex: a LaTeX bmatrix with the code numbers of the rows and columns beside and above it.
enum class TFormatIzvoza { Csv, M, Npy, Mtx, Tex };

std::optional<TFormatIzvoza> ParsirajFormat(std::string_view ime);
const char* Ekstenzija(TFormatIzvoza f);

// Entries beyond which a matrix is not written in a dense format (csv, m, npy, tex): it would
// take gigabytes; Matrix Market writes only its nonzeros.
inline constexpr std::int64_t NajviseGustihElemenata = 25'000'000;

// The whole file. Throws TGreska when a dense format is asked of a matrix above the limit.
std::string ZapisiMatricu(const TImenovanaMatrica& m, TFormatIzvoza f);

// Rows r0 .. r1 and columns c0 .. c1 (1-based, inclusive) as tab-separated lines with 17
// significant digits, for pasting into a spreadsheet.
std::string TekstZaKopiranje(const TImenovanaMatrica& m, int r0, int r1, int c0, int c1);
