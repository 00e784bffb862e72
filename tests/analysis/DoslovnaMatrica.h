#pragma once
// The dense operations exactly as the textbook loops write them (rows of vectors, row-wise sums,
// one unit vector at a time), for checking that the rearranged loops give the same bits.
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using TRedovi = std::vector<std::vector<double>>;

// On failure a holds what the decomposition left (untouched for an all-zero row). najmanjiPivot,
// when given, receives the smallest relative pivot (0 for an all-zero row).
inline bool InvertujDoslovno(TRedovi& a, double* najmanjiPivot = nullptr, bool* razmena = nullptr) {
    const int n = static_cast<int>(a.size());
    if (najmanjiPivot) *najmanjiPivot = 0;
    std::vector<double> vv(n);
    std::vector<int> indx(n);
    bool nula = false;
    for (int i = 0; i < n; ++i) {
        double big = 0;
        for (int j = 0; j < n; ++j) big = std::max(big, std::fabs(a[i][j]));
        if (big == 0) nula = true;
        else vv[i] = 1.0 / big;
    }
    if (nula) return false;
    bool neuspeh = false;
    double najmanji = std::numeric_limits<double>::infinity();
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < j; ++i) {
            double sum = a[i][j];
            for (int k = 0; k < i; ++k) sum = sum - a[i][k] * a[k][j];
            a[i][j] = sum;
        }
        double big = 0;
        int imax = j;
        for (int i = j; i < n; ++i) {
            double sum = a[i][j];
            for (int k = 0; k < j; ++k) sum = sum - a[i][k] * a[k][j];
            a[i][j] = sum;
            if (vv[i] * std::fabs(sum) >= big) big = vv[i] * std::fabs(sum), imax = i;
        }
        if (j != imax) {
            std::swap(a[imax], a[j]);
            vv[imax] = vv[j];
            if (razmena) *razmena = true;
        }
        indx[j] = imax;
        najmanji = std::min(najmanji, big);
        if (std::fabs(a[j][j]) < 1e-100) a[j][j] = 1e-100, neuspeh = true;
        if (j < n - 1)
            for (int i = j + 1; i < n; ++i) a[i][j] = a[i][j] / a[j][j];
    }
    if (najmanjiPivot) *najmanjiPivot = najmanji;
    if (neuspeh) return false;
    TRedovi inv(n, std::vector<double>(n));
    for (int j = 0; j < n; ++j) {
        std::vector<double> b(n, 0.0);
        b[j] = 1;
        int f = -1;
        for (int i = 0; i < n; ++i) {
            int ip = indx[i];
            double sum = b[ip];
            b[ip] = b[i];
            if (f >= 0)
                for (int k = f; k < i; ++k) sum = sum - a[i][k] * b[k];
            else if (sum != 0) f = i;
            b[i] = sum;
        }
        for (int i = n - 1; i >= 0; --i) {
            double sum = b[i];
            for (int k = i + 1; k < n; ++k) sum = sum - a[i][k] * b[k];
            b[i] = sum / a[i][i];
        }
        for (int i = 0; i < n; ++i) inv[i][j] = b[i];
    }
    a = inv;
    return true;
}

// For every row i of A and column j of B: sum := 0, then sum + a(i,k)*b(k,j) in increasing k.
inline TRedovi PomnoziDoslovno(const TRedovi& a, const TRedovi& b) {
    const size_t m = a.size(), kk = b.size(), nc = b[0].size();
    TRedovi r(m, std::vector<double>(nc));
    for (size_t i = 0; i < m; ++i)
        for (size_t j = 0; j < nc; ++j) {
            double sum = 0;
            for (size_t k = 0; k < kk; ++k) sum = sum + a[i][k] * b[k][j];
            r[i][j] = sum;
        }
    return r;
}
