#pragma once
#include <memory>
#include <vector>

#include "IzvorMatrice.h"

// A sparse matrix in compressed columns: the entries of column c (1-based) are
// redovi[pocetak[c-1] .. pocetak[c]-1] (1-based rows, increasing) with their vrednosti.
// Entries that are stored are the ones the assembly touched; they may hold an exact 0.
class TRetkaMatrica final : public TIzvorMatrice {
public:
    TRetkaMatrica(int brojKolona, int brojRedova, std::vector<int> pocetak, std::vector<int> redovi,
                  std::vector<double> vrednosti);

    int BrojKolona() const override { return kolona; }
    int BrojRedova() const override { return redova; }
    double Element(int c, int r) const override;
    // Stored entries whose value is not 0 (an entry the assembly touched may sum to 0).
    std::int64_t BrojNenultih() const override { return nenultih; }
    std::int64_t BrojUpisanih() const { return static_cast<std::int64_t>(vrednosti.size()); }
    bool ZaKolonu(int c, const std::function<void(int, double)>& f) const override;

    const std::vector<int>& Pocetak() const { return pocetak; }
    const std::vector<int>& Redovi() const { return redovi; }
    const std::vector<double>& Vrednosti() const { return vrednosti; }

    // y := self * x for a vector of BrojKolona() entries, each sum in increasing column, as the
    // dense product sums in increasing k (the skipped terms are exact zeros).
    std::vector<double> Puta(const std::vector<double>& x) const;
    TMatrix Puta(const TMatrix& x) const override;
    // The block of rows r0+1 .. r0+nr and columns c0+1 .. c0+nc, sparse.
    std::shared_ptr<const TIzvorMatrice> Blok(int r0, int nr, int c0, int nc) const override;

    // The entries of any source that are not 0, sparse.
    static std::shared_ptr<const TRetkaMatrica> Iz(const TIzvorMatrice& m);

private:
    int kolona, redova;
    std::vector<int> pocetak, redovi;
    std::vector<double> vrednosti;
    std::int64_t nenultih = 0;
};
