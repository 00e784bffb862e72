#pragma once
#include <string>
#include <vector>

#include "MatriceMetode.h"

// A matrix typed or pasted by hand, as a table of numbers: one line per row, the values separated
// by tabs (a spreadsheet's copy), semicolons or commas. With tabs or semicolons a decimal comma is
// read as a point. Blank lines are skipped. Throws TGreska naming the row and column of a cell that
// is not a number; the top-left cell may be empty or text when the table carries labels.
struct TUnetaTabela {
    std::vector<std::vector<double>> redovi;  // NaN for a cell that is not a number
    std::vector<std::vector<std::string>> tekst;
};
TUnetaTabela ProcitajTabelu(const std::string& tekst);

// One cell that differs, at its row and column in the computed matrix (1-based) with their code
// numbers (0 where the matrix has none).
struct TRazlika {
    int red = 0, kolona = 0;
    int kodReda = 0, kodKolone = 0;
    double izracunato = 0, uneto = 0;
    double relativna = 0;  // |uneto - izracunato| / max(|uneto|, |izracunato|)
};

struct TIshodProvere {
    bool velicinaOdgovara = false;
    bool poKodovima = false;  // aligned by the code-number labels of the table
    std::string poruka;       // what is wrong with the size, when it does not fit
    int poredjeno = 0;
    double najvecaRazlika = 0;  // the largest relative difference over all cells
    std::vector<TRazlika> razlike;
    bool SveOdgovara() const { return velicinaOdgovara && razlike.empty(); }
};

// Compares the table with the matrix at the relative tolerance `tolerancija`. Entries both below
// 1e-12 of the matrix's largest magnitude count as zero (round-off of terms that cancel). A table of
// one more row and column whose first row and first column hold the matrix's code numbers (in any
// order) is aligned by them; a vector may also come as one row.
TIshodProvere ProveriMatricu(const TImenovanaMatrica& m, const TUnetaTabela& t, double tolerancija);

// The report of a comparison, one line per differing cell and a closing line with the counts.
std::string OpisProvere(const TImenovanaMatrica& m, const TIshodProvere& ishod, double tolerancija);
