#pragma once
#include <vector>

#include "Matrix.h"
#include "PozicijeKodova.h"
#include "Sklapanje.h"
#include "StanjeAnalize.h"

struct TModel;
class TStap;
class TOpterecenje;

// Everything the end forces of one member are made of, in the member's local order of degrees of
// freedom: its share of the solution qG (GKS) and qL = T * qG (LKS), the summed equivalent loads of
// its member loads QG and QL, and the end forces RG = KG * qG - QG and RL = KL * qL - QL.
struct TSileStapa {
    std::vector<int> kodniBrojevi;
    TMatrix T, KL, KG;
    TMatrix qG, qL, QG, QL, RG, RL;
};

// For the result page, the click inspection and the report. Throws TGreska when a list or vector
// it needs is absent (after a clear, or a run that ended with an error); the initial 1 x 1 state
// gives zero displacements and R = -Q.
// Throws TGreska when the analysis results are absent, unless `odsutnoKaoNula`, which reads them
// as zero displacements (the report after the results were cleared).
TSileStapa IzracunajSileStapa(const TModel& model, const TStanjeAnalize& stanje, const TStap& stap,
                              bool odsutnoKaoNula = false);

// The positions of the code numbers and the loads of each member, gathered once for the end forces
// of every member (the report, the command line): without it each member searches the whole lists.
// It describes the lists and the model as they are when it is made.
struct TIndeksSila {
    TIndeksSila(const TModel& model, const TStanjeAnalize& stanje);
    TPozicije s, o;
    TOpterecenjaPoStapu poStapu;
    bool smicanje = false;  // the model's rule for the equivalent loads
};

// The same, with positions and loads looked up in `indeks` (same values).
TSileStapa IzracunajSileStapa(const TModel& model, const TStanjeAnalize& stanje, const TStap& stap, bool odsutnoKaoNula,
                              const TIndeksSila& indeks);

// The same from the member's displacements qG (GKS, local order) and its own loads in list order,
// for code that gathers both once for many members. kodniBrojevi is left empty.
// `smicanje` as for GetVektorQLKS.
TSileStapa SileIzPomeranja(const TStap& stap, TMatrix qG, const std::vector<const TOpterecenje*>& opterecenja,
                           bool smicanje = false);
