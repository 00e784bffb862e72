#pragma once
#include <string>
#include <vector>

#include "PutanjaResavanja.h"

// Each velt-cli command takes the arguments after its name and returns the process exit status.
using Argumenti = std::vector<std::string>;

int KomandaCheck(const Argumenti& a);
int KomandaResave(const Argumenti& a);

struct TModel;
struct TStanjeAnalize;
struct TPodesavanja;

// Reads the model file as ProcitajModel does; a cut-off save in place that left its content in a
// journal is named on stderr first (only the window restores it).
void ProcitajModelKomande(const std::string& putanja, TModel& model, TPodesavanja& podesavanja);

// What the analysing commands share: the model path, the factor text and two switches.
struct TOpcije {
    std::string model;
    std::string faktor = "1.0";
    bool json = false;
    bool log = false;
    TPutanjaResavanja putanja = TPutanjaResavanja::Automatska;  // --solver
    bool opsta = false;                                         // --general: general stability for this run
    bool smicanjeUOpterecenju = false;                          // --shear-loads: the option on for this run
};

// Takes MODEL, --factor F, --solver, --general and (when `dozvoliJson`) --json and --log; 0 when the arguments are
// usable, otherwise the usage exit status after the usage text or the factor's message.
int Parsiraj(const Argumenti& a, bool dozvoliJson, const char* upotreba, TOpcije& o);
// Reads the model and runs the analysis as the window does; the exit status of the run: 0, 1 (file),
// 2 (refused by the checks) or 3 (error in the run), with its message on stderr.
int Analiziraj(const TOpcije& o, TModel& model, TStanjeAnalize& stanje, bool log);

// The matrices of the method as the JSON member that analyze --json --matrices adds (leading comma
// included). Throws TGreska when a matrix is too large to write out.
std::string JsonMatricaMetode(const TModel& model, const TStanjeAnalize& stanje);
