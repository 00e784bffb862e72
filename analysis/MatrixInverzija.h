#pragma once
// The two halves of the inversion, for TMatrix::Invertuj.
#include <cstddef>
#include <functional>

#include "MatrixRacun.h"

namespace matrica_jezgro {

// Reports the fraction of the work done (0 .. 1); false asks to stop.
using TNapredakFn = std::function<bool(double)>;

// Work storage of the decomposition, sized by the caller before the matrix is touched.
struct TRadRastavljanja {
    static int Dubina(int n);             // columns of a block step
    static std::size_t VelicinaA(int n);  // doubles of the packed left block
    static std::size_t VelicinaB(int n);  // doubles of one thread's packed upper block
    double* pakA;
    double* pakB;  // one VelicinaB per thread
};

struct TIshodRastavljanja {
    bool neuspeh = false;    // a pivot below 1e-100 was replaced
    double najmanji = 0.0;   // the smallest relative pivot
    bool prekinuto = false;  // stopped on request; the matrix then holds no meaningful values
};

// Sees the columns of a decomposition done in one block (n up to 96, one thread):
// first when column j is brought up to date and its pivot row chosen, rows not yet exchanged
// (a, skala as they are), then when the column is done. It only reads; the arithmetic is the
// unobserved one.
struct TPosmatracKolona {
    virtual ~TPosmatracKolona() = default;
    virtual void PivotIzabran(int j, const double* a, const double* skala, int pivot) = 0;
    virtual void KolonaGotova(int j, const double* a) = 0;
};

// Crout decomposition with implicit partial pivoting, in place, of the n x n matrix a stored by
// columns; skala holds each row's 1 / largest magnitude and is updated by the row exchanges.
// `kolone` is told of every column when the whole matrix is one block, else of none.
TIshodRastavljanja Rastavi(double* a, int n, double* skala, int* pivoti, const TRadRastavljanja& rad,
                           const TRacun& racun, const TNapredakFn* napredak, TPosmatracKolona* kolone = nullptr);

struct TRadZamene {
    static std::size_t VelicinaPanela(int n);  // doubles of one thread's panel
    double* paneli;                            // one panel per thread
    int* mesto;                                // n
};

// The inverse from the factors: lu holds them stored by rows (L strictly below the diagonal,
// U on and above it); the columns of the inverse go to rezultat, stored by columns. False when
// stopped on request.
bool Zameni(const double* lu, int n, const int* pivoti, double* rezultat, const TRadZamene& rad, const TRacun& racun,
            const TNapredakFn* napredak);

}  // namespace matrica_jezgro
