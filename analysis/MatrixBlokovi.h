#pragma once
// Blocked products over packed operands, shared by the decomposition and the multiplication.
#include <cstddef>

#include "MatrixJezgro.h"

namespace matrica_jezgro {

inline int Zaokruzi(int n, int korak) { return (n + korak - 1) / korak * korak; }

// Work buffers are allocated Poravnanje doubles longer and used from their first 64-byte boundary:
// a 32-byte load that straddles two cache lines costs two.
constexpr std::size_t Poravnanje = 8;
inline double* Poravnaj(double* p) {
    const auto adresa = reinterpret_cast<std::size_t>(p);
    return p + ((64 - adresa % 64) % 64) / sizeof(double);
}

// Copies a(i, k) = a[k * lda + i], i < m, k < kc, into strips of MR rows, MR values per k (rows
// past m are 0): Zaokruzi(m, MR) * kc values.
void PakujA(const double* a, std::size_t lda, int m, int kc, double* pak);
// Copies b(k, j) = b[j * ldb + k], k < kc, j < nc, into strips of NR columns, NR values per k
// (columns past nc are 0): kc * Zaokruzi(nc, NR) values.
void PakujB(const double* b, std::size_t ldb, int kc, int nc, double* pak);

// c(i, j) = c[j * ldc + i], i < m, j < nc, takes the products of the packed A and B in increasing k:
// c := c - sum a(i,k) b(k,j) (oduzmi) or c := c + sum a(i,k) b(k,j).
void ProizvodBlokova(const TJezgro& jz, bool oduzmi, int m, int nc, int kc, const double* pakA, const double* pakB,
                     double* c, std::size_t ldc);

}  // namespace matrica_jezgro
