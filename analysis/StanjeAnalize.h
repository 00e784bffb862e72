#pragma once
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "IzvorMatrice.h"
#include "Matrix.h"
#include "PutanjaResavanja.h"
#include "RetkaMatrica.h"

struct TModel;
class TStap;

// An ordered list of code numbers; absent (std::nullopt) after a clear.
using TNizKodnihBrojeva = std::optional<std::vector<int>>;

// Everything an analysis run leaves behind for the result pages, the plot and the report.
//
// Each list and matrix may be absent: ObrisiRezultate frees them all, and a run that ends with an
// error keeps only what it had made. At start-up and on New the lists are empty and every matrix is
// the 1 x 1 zero matrix. Readers must tolerate all three shapes (absent, 1 x 1, full size).
//
// radimProracun is atomic because a run may go on a worker thread while Stop clears the flag from
// another. Nothing else here is shared across threads: a run on a worker has a state of its own,
// which enters the shown one only after the run has ended (ZameniRezultate).
struct TStanjeAnalize {
    std::atomic<bool> radimProracun{false};

    TNizKodnihBrojeva nizKodnihBrojevaNepoznatihPomeranja;  // s list
    TNizKodnihBrojeva nizKodnihBrojevaPoznatihPomeranja;    // o list
    TNizKodnihBrojeva nizKodnihBrojeva;                     // s list, then o list

    std::unique_ptr<TMatrix> matricaKGKS;
    std::unique_ptr<TMatrix> matricaKssGKS;
    std::unique_ptr<TMatrix> matricaKsoGKS;
    std::unique_ptr<TMatrix> matricaKosGKS;
    std::unique_ptr<TMatrix> matricaKooGKS;
    std::unique_ptr<TMatrix> matricaKssGKSInvertovana;
    std::unique_ptr<TMatrix> vektorPsGKS;
    std::unique_ptr<TMatrix> vektorQsGKS;
    std::unique_ptr<TMatrix> vektorSsGKS;
    std::unique_ptr<TMatrix> vektorQoGKS;
    std::unique_ptr<TMatrix> vektor_qsGKSOpterecenje;
    std::unique_ptr<TMatrix> vektor_qoGKS;
    std::unique_ptr<TMatrix> vektor_qsGKSPomeranjeOslonaca;
    std::unique_ptr<TMatrix> vektor_qsGKS;

    // The sparse path keeps K and its blocks sparse and the inverse of Kss as columns solved on
    // demand; the dense slots of those six are then absent. Shared, so a grid that shows one keeps
    // it readable until the grid is emptied.
    std::shared_ptr<const TRetkaMatrica> retkaKGKS, retkaKssGKS, retkaKsoGKS, retkaKosGKS, retkaKooGKS;
    std::shared_ptr<const TIzvorMatrice> inverzKssNaZahtev;

    // The path the next run asks for (the window: automatic), and the one the last run took.
    TPutanjaResavanja zahtevanaPutanja = TPutanjaResavanja::Automatska;
    TPutanjaResavanja putanja = TPutanjaResavanja::Gusta;

    // The factor in front of the matrices that the member result page read last; the solution
    // never uses it, only what is shown and reported.
    long double brojIspredMatriceKrutosti = 1.0L;

    TStanjeAnalize() { Inicijalizuj(); }
    TStanjeAnalize(const TStanjeAnalize&) = delete;
    TStanjeAnalize& operator=(const TStanjeAnalize&) = delete;

    // The start-up / New state: empty lists and 1 x 1 zero matrices. Leaves radimProracun and
    // brojIspredMatriceKrutosti alone.
    void Inicijalizuj();

    // Frees every list and matrix (leaving them absent) and sets Rx, Rz, MukljY, Ux, Uz and Fiy of
    // every node to 0. The grid part of the window's clear is the window's business.
    void ObrisiRezultate(TModel& model);

    // The fourteen matrices and vectors in the order of the state table, for code that treats them
    // alike (freeing, checking for presence).
    std::vector<std::unique_ptr<TMatrix>*> SveMatrice();

    // The global matrices, whichever form holds them; null when absent. A dense one is seen
    // through a view that is valid while its slot keeps the matrix.
    enum class TGlobalna { K, Kss, Kso, Kos, Koo, InvKss };
    std::shared_ptr<const TIzvorMatrice> Izvor(TGlobalna koja) const;

    // Exchanges every list and matrix and the path taken with `drugo`: a run made on a state of its
    // own enters the shown one in one step. The flag, the requested path and the factor stay.
    void ZameniRezultate(TStanjeAnalize& drugo);

private:
    void ObrisiRetke();
};

// Number of local degrees of freedom of a member type: 6, 5, 5, 4; 0 for an unknown type.
int BrojStepeniSlobode(int tipStapa);

// The code numbers a member's local degrees of freedom take, in local order (i = start node,
// k = end node): k: iX iZ iY kX kZ kY; ig: iX iZ iY kX kZ; gk: iX iZ kX kZ kY; prost: iX iZ kX kZ.
// Empty for an unknown type.
std::vector<int> KodniBrojeviStapa(const TStap& stap);

// Algorithm of storing the solution in the nodes: Ux, Uz, Fiy from qs over the s list, then from
// qo over the o list. Does nothing when a list or vector it needs is absent. The window calls it
// from PrikaziRezultate only when its factor text is a number greater than 0.
void SacuvajPomeranjaCvorova(TModel& model, const TStanjeAnalize& stanje);
