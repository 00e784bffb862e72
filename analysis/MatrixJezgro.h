#pragma once
// The innermost loops of the large dense operations, one table per instruction set. Every routine
// keeps, for every element it touches, the order of the textbook loop: products taken in
// increasing k, each product rounded before it is added or subtracted, a division where the
// textbook divides. Two tables therefore give the same bits; only the speed differs.
//
// This header is shared with a source file built for a wider instruction set, so it names nothing
// from the standard library beyond plain types.
#include <cstddef>

namespace matrica_jezgro {

// A register tile of the blocked products: MR rows by NR columns.
constexpr int MR = 8;
constexpr int NR = 6;
// Right-hand sides solved side by side by the substitutions (one row of a packed panel).
constexpr int W = 32;
// Rows the forward substitution finishes together.
constexpr int RN = 4;

struct TJezgro {
    // c := c - sum a_k * b_k and c := c + sum a_k * b_k over k = 0 .. kc-1 for an MR x NR tile of c
    // (columns ldc apart). a holds MR values per k, b holds NR values per k.
    void (*Oduzmi)(int kc, const double* a, const double* b, double* c, std::size_t ldc);
    void (*Dodaj)(int kc, const double* a, const double* b, double* c, std::size_t ldc);
    // y[i] := y[i] - x[i] * s and y[i] := y[i] + x[i] * s for i = 0 .. n-1.
    void (*OduzmiProizvod)(int n, double s, const double* x, double* y);
    void (*DodajProizvod)(int n, double s, const double* x, double* y);
    // Forward substitution of rows i0 .. i0+r-1 (r <= RN) of a panel p (rows of W values): each
    // row := 0 - sum L(i,k) * p(k) over k = kOd .. i-1. L is stored by rows, ldl apart.
    void (*Napred)(const double* L, std::size_t ldl, int i0, int r, int kOd, double* p);
    // Back substitution of a whole panel p of n rows, in place, for i = n-1 .. 0:
    // p(i) := (p(i) - sum U(i,k) * p(k) over k = i+1 .. n-1) / U(i,i). U is stored by rows.
    void (*Nazad)(const double* U, std::size_t ldu, int n, double* p);
};

const TJezgro& JezgroPrenosivo();
// Only to be called when the processor has AVX2.
const TJezgro& JezgroAvx2();

}  // namespace matrica_jezgro
