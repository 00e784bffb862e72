#pragma once
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "IzvorMatrice.h"
#include "Matrix.h"
#include "PresudaSistema.h"
#include "ProveraResenja.h"
#include "PutanjaResavanja.h"

struct TModel;
class TStap;

// An ordered list of code numbers; absent (std::nullopt) after a clear.
using TNizKodnihBrojeva = std::optional<std::vector<int>>;

// A global matrix; null when absent.
using TGlobalnaMatrica = std::shared_ptr<const TIzvorMatrice>;

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

    // The global matrices, in the form the run's path made them (dense, sparse, or the inverse of
    // Kss solved column by column). Shared, so a grid that shows one keeps it readable until the
    // grid is emptied.
    TGlobalnaMatrica matricaKGKS;
    TGlobalnaMatrica matricaKssGKS;
    TGlobalnaMatrica matricaKsoGKS;
    TGlobalnaMatrica matricaKosGKS;
    TGlobalnaMatrica matricaKooGKS;
    TGlobalnaMatrica matricaKssGKSInvertovana;
    std::unique_ptr<TMatrix> vektorPsGKS;
    std::unique_ptr<TMatrix> vektorQsGKS;
    std::unique_ptr<TMatrix> vektorSsGKS;
    std::unique_ptr<TMatrix> vektorQoGKS;
    std::unique_ptr<TMatrix> vektor_qsGKSOpterecenje;
    std::unique_ptr<TMatrix> vektor_qoGKS;
    std::unique_ptr<TMatrix> vektor_qsGKSPomeranjeOslonaca;
    std::unique_ptr<TMatrix> vektor_qsGKS;

    // The verdict on Kss and how well the solution satisfies its equations and equilibrium: absent
    // until a run gets that far (the verdict of a refused Kss stays, naming its lost equations).
    std::optional<TPresudaSistema> presuda;
    std::optional<TMereResenja> mereResenja;
    // What the run tells the user beside its results: it went on, but some of what it shows
    // needs a word. In the order the run found them.
    std::vector<std::string> upozorenja;

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

    // The six matrices and the eight vectors, each in the order of the state table, for code that
    // treats them alike (freeing, checking for presence).
    std::vector<TGlobalnaMatrica*> SveMatrice();
    std::vector<std::unique_ptr<TMatrix>*> SviVektori();

    // Exchanges every list and matrix, the verdict, the measures, the warnings and the path taken with `drugo`: a run made on a state of its
    // own enters the shown one in one step. The flag, the requested path and the factor stay.
    void ZameniRezultate(TStanjeAnalize& drugo);
};

// Number of local degrees of freedom of a member type: 6, 5, 5, 4; 0 for an unknown type.
int BrojStepeniSlobode(int tipStapa);

// The code numbers a member's local degrees of freedom take, in the local order of its type
// (each degree of freedom takes its node's code number of the same direction). Empty for an
// unknown type.
std::vector<int> KodniBrojeviStapa(const TStap& stap);

// Algorithm of storing the solution in the nodes: Ux, Uz, Fiy from qs over the s list, then from
// qo over the o list. Does nothing when a list or vector it needs is absent. The window calls it
// from PrikaziRezultate only when its factor text is a number greater than 0.
void SacuvajPomeranjaCvorova(TModel& model, const TStanjeAnalize& stanje);
