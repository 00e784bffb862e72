#include "Matrix.h"

#include <algorithm>

EMatrixError::EMatrixError(const std::string& ime)
    : std::runtime_error("Component \"" + ime + "\": not enough memory on heap") {}

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
