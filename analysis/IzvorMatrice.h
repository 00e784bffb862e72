#pragma once
#include <cstdint>
#include <functional>

#include "Matrix.h"

// Read access to a matrix of the analysis, whatever form holds it: the dense TMatrix of the exact
// path, a sparse matrix of the large-model path, or the inverse of Kss whose columns are solved
// for when asked. Grids and the report read through it, one entry at a time, so a form never has
// to be expanded into a dense copy just to be shown. Indexing is 1-based and column-first, as in
// TMatrix.
class TIzvorMatrice {
public:
    virtual ~TIzvorMatrice() = default;
    virtual int BrojKolona() const = 0;
    virtual int BrojRedova() const = 0;
    // Element in column c, row r; 0 outside the matrix.
    virtual double Element(int c, int r) const = 0;
    // How many entries are stored as nonzero; -1 when that is not known without forming the matrix.
    virtual std::int64_t BrojNenultih() const = 0;
    // Calls f(r, v) for every entry of column c that may be nonzero, in increasing r; the entries
    // it skips are 0. False (nothing called) when reading a column means computing it.
    virtual bool ZaKolonu(int c, const std::function<void(int, double)>& f) const = 0;
    // True when entries are computed on demand (each column costs a solve).
    virtual bool NaZahtev() const { return false; }
};

// A dense matrix seen through the interface; it refers to the matrix, so it must not outlive it.
class TGustiIzvor final : public TIzvorMatrice {
public:
    explicit TGustiIzvor(const TMatrix& m) : m(m) {}
    int BrojKolona() const override { return m.NrOfColumns(); }
    int BrojRedova() const override { return m.NrOfRows(); }
    double Element(int c, int r) const override { return m.Elem(c, r); }
    std::int64_t BrojNenultih() const override {
        std::int64_t n = 0;
        for (int c = 1; c <= m.NrOfColumns(); ++c) {
            const double* k = m.Kolona(c);
            for (int r = 0; r < m.NrOfRows(); ++r) n += k[r] != 0;
        }
        return n;
    }
    bool ZaKolonu(int c, const std::function<void(int, double)>& f) const override {
        if (c < 1 || c > m.NrOfColumns()) return true;
        const double* k = m.Kolona(c);
        for (int r = 0; r < m.NrOfRows(); ++r) f(r + 1, k[r]);
        return true;
    }

private:
    const TMatrix& m;
};
