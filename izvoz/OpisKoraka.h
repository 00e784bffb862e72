#pragma once
#include <functional>
#include <string>
#include <vector>

#include "IzvorMatrice.h"
#include "KoraciSklapanja.h"

struct TModel;
struct TStanjeAnalize;

// One step of the walk through the method, as the explorer lists and shows it and the worked
// solution prints it. Every number is one the run computed (or K as the run's additions made it).
struct TKorakMetode {
    std::string naslov;
    std::string tekst;
    int indeksStapa = -1;     // the member the plot marks; -1 for none
    int korakSklapanja = -1;  // index into the assembly steps; -1 when the step shows no growing K
};

// Every step in order: each member's matrices and K after it, the partition into Kss, Kso, Kos
// and Koo with the s and o lists, the right-hand side, the solution (for up to 12 unknowns the
// run's Crout inversion column by column, else the factor's facts), the end forces of each member and the closing equilibrium.
// Numbers with `cifara` significant digits. Empty without results.
std::vector<TKorakMetode> KoraciMetode(const TModel& model, const TStanjeAnalize& stanje,
                                       const std::vector<TKorakSklapanja>& sklapanje, int cifara = 6);

// The whole walk as one text, step after step, for the printed worked solution.
std::string TekstKoraka(const std::vector<TKorakMetode>& koraci);

// A table as aligned text: each cell's text from celija(kolona, red) (1-based), right-aligned in
// columns wide enough for `cifara`-digit numbers, the code numbers of the rows and columns beside
// and above it when given.
std::string TabelaKaoTekst(int redova, int kolona, const std::function<std::string(int, int)>& celija,
                           const std::vector<int>& kodoviRedova, const std::vector<int>& kodoviKolona, int cifara);

// A matrix as aligned text, rows of `cifara`-digit numbers, the code numbers of the rows and columns
// beside and above it when given.
std::string MatricaKaoTekst(const TIzvorMatrice& m, int redova, int kolona, const std::vector<int>& kodoviRedova,
                            const std::vector<int>& kodoviKolona, int cifara);
