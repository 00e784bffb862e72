#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Matrix.h"

// Read access to a matrix of the analysis, whatever form holds it: the dense TMatrix of the exact
// path, a sparse matrix of the large-model path, or the inverse of Kss whose columns are solved
// for when asked. The pipeline, the grids and the report read through it, so none of them has to
// know which path made a matrix, and a form never has to be expanded into a dense copy just to be
// shown. Indexing is 1-based and column-first, as in TMatrix.
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
    // True when entries are computed on demand (each column costs a solve): the matrix is not formed.
    virtual bool NaZahtev() const { return false; }

    // Row r, every entry from column 1 to BrojKolona(), read as cheaply as the form allows.
    virtual std::vector<double> Red(int r) const;
    // The BrojRedova() entries of column c when the form keeps them contiguous; null otherwise.
    virtual const double* GustaKolona(int c) const {
        (void)c;
        return nullptr;
    }
    // The block of rows r0+1 .. r0+nr and columns c0+1 .. c0+nc, in the form of this matrix.
    virtual std::shared_ptr<const TIzvorMatrice> Blok(int r0, int nr, int c0, int nc) const;
    // y := self * x for a vector x of BrojKolona() rows; every sum takes its terms in increasing
    // column, as the dense product sums in increasing k.
    virtual TMatrix Puta(const TMatrix& x) const;
    // A dense copy of the whole matrix.
    virtual TMatrix GustaKopija() const;
};

// A dense matrix as a source; it owns the matrix.
class TGustiIzvor final : public TIzvorMatrice {
public:
    explicit TGustiIzvor(TMatrix m) : m(std::move(m)) {}
    const TMatrix& Matrica() const { return m; }

    int BrojKolona() const override { return m.NrOfColumns(); }
    int BrojRedova() const override { return m.NrOfRows(); }
    double Element(int c, int r) const override { return m.Elem(c, r); }
    std::int64_t BrojNenultih() const override;
    bool ZaKolonu(int c, const std::function<void(int, double)>& f) const override;
    const double* GustaKolona(int c) const override { return c >= 1 && c <= m.NrOfColumns() ? m.Kolona(c) : nullptr; }
    // An empty range leaves the 1-sized zero, as a resized TMatrix does.
    std::shared_ptr<const TIzvorMatrice> Blok(int r0, int nr, int c0, int nc) const override;
    TMatrix Puta(const TMatrix& x) const override;
    TMatrix GustaKopija() const override { return m; }

private:
    TMatrix m;
};

inline std::shared_ptr<const TIzvorMatrice> GustiIzvor(TMatrix m) {
    return std::make_shared<const TGustiIzvor>(std::move(m));
}

// A zero matrix of the given size (the 1-sized zero for an empty one).
TMatrix NovaMatrica(int kolona, int redova);
