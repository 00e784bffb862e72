#include "Matrix.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

EMatrixError::EMatrixError(const std::string& ime)
    : std::runtime_error("Component \"" + ime + "\": not enough memory on heap") {}

template <class T>
void TMatrix::Alociraj(std::vector<T>& v, size_t n) const {
    try {
        v.assign(n, T{});
    } catch (const std::bad_alloc&) {
        throw EMatrixError(ime);
    } catch (const std::length_error&) {
        throw EMatrixError(ime);
    }
}

TMatrix::TMatrix() : el(1, 0.0) {}

bool TMatrix::Resize(int Nc, int Nr) {
    Nc = std::max(Nc, 1);
    Nr = std::max(Nr, 1);
    std::vector<double> novi;
    Alociraj(novi, static_cast<size_t>(Nc) * static_cast<size_t>(Nr));
    const int kc = std::min(Nc, kolona), kr = std::min(Nr, redova);
    for (int c = 1; c <= kc; ++c) std::copy_n(Kolona(c), kr, novi.data() + static_cast<size_t>(c - 1) * Nr);
    el.swap(novi);
    kolona = Nc;
    redova = Nr;
    return true;
}

bool TMatrix::Multiply(const TMatrix* MatB, TMatrix* MatRes) const {
    if (!MatB || !MatRes || MatRes == this || MatRes == MatB) return false;
    if (kolona != MatB->redova || MatRes->kolona != MatB->kolona || MatRes->redova != redova) return false;
    // For every element the sum starts at 0 and takes a(i,k)*b(k,j) in increasing k; running k
    // outside the row loop keeps that order while walking columns with stride 1.
    const int n = redova, m = kolona;
    for (int j = 1; j <= MatB->kolona; ++j) {
        double* r = MatRes->Kolona(j);
        std::fill_n(r, n, 0.0);
        const double* b = MatB->Kolona(j);
        for (int k = 1; k <= m; ++k) {
            const double bkj = b[k - 1];
            const double* a = Kolona(k);
            for (int i = 0; i < n; ++i) r[i] = r[i] + a[i] * bkj;
        }
    }
    return true;
}

bool TMatrix::Transpose() {
    std::vector<double> novi;
    Alociraj(novi, el.size());
    for (int c = 1; c <= kolona; ++c) {
        const double* k = Kolona(c);
        for (int r = 1; r <= redova; ++r) novi[static_cast<size_t>(r - 1) * kolona + (c - 1)] = k[r - 1];
    }
    el.swap(novi);
    std::swap(kolona, redova);
    return true;
}

void TMatrix::SMult(double Scalar) {
    for (double& x : el) x *= Scalar;
}

bool TMatrix::Add(const TMatrix* MatB) {
    if (!MatB || MatB->kolona != kolona || MatB->redova != redova) return false;
    for (size_t i = 0; i < el.size(); ++i) el[i] = el[i] + MatB->el[i];
    return true;
}

bool TMatrix::Invertuj(double* najmanjiRelativniPivot) {
    if (najmanjiRelativniPivot) *najmanjiRelativniPivot = 0.0;
    if (redova != kolona) return false;
    const int n = redova;
    const size_t N = static_cast<size_t>(n);
    auto a = [&](int i, int j) -> double& { return el[static_cast<size_t>(j) * N + i]; };  // 0-based row, col

    std::vector<double> skala;
    std::vector<int> pivoti;
    Alociraj(skala, N);
    Alociraj(pivoti, N);

    // Implicit scaling: each row by its largest magnitude.
    for (int j = 0; j < n; ++j) {
        const double* k = &a(0, j);
        for (int i = 0; i < n; ++i) skala[i] = std::max(skala[i], std::fabs(k[i]));
    }
    bool neuspeh = false;
    for (int i = 0; i < n; ++i) {
        if (skala[i] == 0.0) neuspeh = true;
        else skala[i] = 1.0 / skala[i];
    }
    if (neuspeh) return false;
    double najmanji = std::numeric_limits<double>::infinity();

    // Crout decomposition, column by column. Element (i, j) receives its products a(i,k)*a(k,j) in
    // increasing k, k < min(i, j), whether the loops run row-wise or, as here, k outside i; a block of
    // columns first takes the products of the columns before the block, which only delays row
    // exchanges that move whole rows anyway.
    constexpr int BLOK = 32;
    auto azuriraj = [&](int j, int kOd, int kDo) {
        double* kol = &a(0, j);
        for (int k = kOd; k < kDo; ++k) {
            const double akj = kol[k];
            const double* lk = &a(0, k);
            for (int i = k + 1; i < n; ++i) kol[i] = kol[i] - lk[i] * akj;
        }
    };
    for (int j0 = 0; j0 < n; j0 += BLOK) {
        const int j1 = std::min(n, j0 + BLOK);
        for (int k = 0; k < j0; ++k) {
            const double* lk = &a(0, k);
            for (int j = j0; j < j1; ++j) {
                double* kol = &a(0, j);
                const double akj = kol[k];
                for (int i = k + 1; i < n; ++i) kol[i] = kol[i] - lk[i] * akj;
            }
        }
        for (int j = j0; j < j1; ++j) {
            azuriraj(j, j0, j);
            double* kol = &a(0, j);
            double big = 0.0;
            int imax = j;
            for (int i = j; i < n; ++i) {
                const double v = skala[i] * std::fabs(kol[i]);
                if (v >= big) {
                    big = v;
                    imax = i;  // ties go to the later row
                }
            }
            if (imax != j) {
                for (int c = 0; c < n; ++c) std::swap(a(imax, c), a(j, c));
                skala[imax] = skala[j];
            }
            pivoti[j] = imax;
            najmanji = std::min(najmanji, big);
            if (std::fabs(kol[j]) < 1e-100) {
                kol[j] = 1e-100;
                neuspeh = true;
            }
            if (j < n - 1) {
                const double piv = kol[j];
                for (int i = j + 1; i < n; ++i) kol[i] = kol[i] / piv;
            }
        }
    }
    if (najmanjiRelativniPivot) *najmanjiRelativniPivot = najmanji;
    if (neuspeh) return false;

    // Forward and back substitution for each unit vector. The factors are copied row-wise so each
    // dot product runs with stride 1, and several right-hand sides go side by side so the
    // compiler can use vector lanes; each lane keeps the sequential order of its own sums.
    std::vector<double> lu, rezultat;
    Alociraj(lu, N * N);
    Alociraj(rezultat, N * N);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) lu[static_cast<size_t>(i) * N + j] = a(i, j);

    constexpr int W = 8;
    std::vector<double> b;
    Alociraj(b, N * W);
    // Where the 1 of e_j lands after the row exchanges is the first non-zero of the permuted
    // right-hand side. mesto[i] is the unit index that the exchanges bring to row i; taking the
    // right-hand sides in that order gives each block neighbouring first non-zeros.
    std::vector<int> mesto(N);
    for (int i = 0; i < n; ++i) mesto[i] = i;
    for (int i = 0; i < n; ++i) std::swap(mesto[i], mesto[pivoti[i]]);
    for (int s0 = 0; s0 < n; s0 += W) {
        const int w = std::min(W, n - s0);
        int f[W];
        int fMin = n;
        std::fill(b.begin(), b.end(), 0.0);
        for (int l = 0; l < W; ++l) {
            if (l < w) {
                f[l] = s0 + l;
                b[static_cast<size_t>(f[l]) * W + l] = 1.0;
            } else {
                f[l] = n;  // an idle lane takes no products
            }
            fMin = std::min(fMin, f[l]);
        }
        for (int i = fMin + 1; i < n; ++i) {
            double s[W];
            for (int l = 0; l < W; ++l) s[l] = b[static_cast<size_t>(i) * W + l];
            const double* red = &lu[static_cast<size_t>(i) * N];
            for (int k = fMin; k < i; ++k) {
                const double lik = red[k];
                const double* bk = &b[static_cast<size_t>(k) * W];
                for (int l = 0; l < W; ++l) s[l] = (k >= f[l]) ? s[l] - lik * bk[l] : s[l];
            }
            for (int l = 0; l < W; ++l) b[static_cast<size_t>(i) * W + l] = s[l];
        }
        for (int i = n - 1; i >= 0; --i) {
            double s[W];
            for (int l = 0; l < W; ++l) s[l] = b[static_cast<size_t>(i) * W + l];
            const double* red = &lu[static_cast<size_t>(i) * N];
            for (int k = i + 1; k < n; ++k) {
                const double uik = red[k];
                const double* bk = &b[static_cast<size_t>(k) * W];
                for (int l = 0; l < W; ++l) s[l] = s[l] - uik * bk[l];
            }
            const double uii = red[i];
            for (int l = 0; l < W; ++l) b[static_cast<size_t>(i) * W + l] = s[l] / uii;
        }
        for (int l = 0; l < w; ++l) {
            double* kol = &rezultat[static_cast<size_t>(mesto[s0 + l]) * N];
            for (int i = 0; i < n; ++i) kol[i] = b[static_cast<size_t>(i) * W + l];
        }
    }
    el.swap(rezultat);
    return true;
}
