#pragma once
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "PresudaSistema.h"
#include "RetkaMatrica.h"

// The factor of a symmetric Kss for the large-model path: an LDL^T with a fill-reducing ordering,
// and solves refined once against the matrix with the residual in extended precision.
class TRetkiFaktor {
public:
    ~TRetkiFaktor();
    TRetkiFaktor(const TRetkiFaktor&) = delete;
    TRetkiFaktor& operator=(const TRetkiFaktor&) = delete;

    // Factors Kss (both triangles stored) and judges it (Presuda). Throws TGreskaLabilnogSistema
    // only when a pivot is exactly 0 and there is no factor to judge; any other verdict is the
    // caller's to act on. Null when `radi` turns false between the stages; the factorization
    // itself is one uninterrupted call of a fraction of a second.
    static std::unique_ptr<TRetkiFaktor> Faktorisi(std::shared_ptr<const TRetkaMatrica> Kss,
                                                   const std::function<bool()>& radi);

    int Red() const;
    // The singular-system verdict on Kss, made from this factor.
    const TPresudaSistema& Presuda() const;
    // Entries the factor stores: L below its unit diagonal, and D.
    std::int64_t BrojNenultih() const;
    // x := Kss^-1 b, refined once. Throws TGreska with the unstable-structure message when the
    // refined residual is not small against the sizes of Kss, x and b.
    std::vector<double> Resi(const std::vector<double>& b) const;

private:
    friend TPresudaSistema PresudaZaKss(const TIzvorMatrice& Kss, const TRetkiFaktor* faktor);
    struct TPodaci;
    explicit TRetkiFaktor(std::unique_ptr<TPodaci> p);
    static std::unique_ptr<TRetkiFaktor> FaktorisiBezProvereMemorije(std::shared_ptr<const TRetkaMatrica> Kss,
                                                                     const std::function<bool()>& radi);
    std::unique_ptr<TPodaci> p;
};

// The verdict on Kss that both paths give alike: that of its factor with the entries that are not
// 0, so the same Kss held dense or sparse is judged by the same pivots and the same estimate.
// `faktor`, when given, is a factor of this Kss whose verdict is taken when its pattern is that
// one; otherwise Kss is factored for the verdict alone. Throws TGreskaLabilnogSistema for an
// exact zero pivot.
TPresudaSistema PresudaZaKss(const TIzvorMatrice& Kss, const TRetkiFaktor* faktor);

// The inverse of Kss on the large-model path: never formed; a column is one solve with the factor,
// and the last columns asked for are kept. Kss^-1 is symmetric, so a row is read as a column.
class TInverzNaZahtev final : public TIzvorMatrice {
public:
    explicit TInverzNaZahtev(std::shared_ptr<const TRetkiFaktor> faktor) : faktor(std::move(faktor)) {}
    int BrojKolona() const override { return faktor->Red(); }
    int BrojRedova() const override { return faktor->Red(); }
    double Element(int c, int r) const override;
    std::int64_t BrojNenultih() const override { return -1; }
    bool ZaKolonu(int c, const std::function<void(int, double)>& f) const override {
        (void)c, (void)f;
        return false;
    }
    bool NaZahtev() const override { return true; }
    // Kss^-1 is symmetric: row r is column r, one solve.
    std::vector<double> Red(int r) const override;
    // Column c, solved for now or taken from the kept ones.
    std::shared_ptr<const std::vector<double>> Kolona(int c) const;

private:
    static constexpr size_t ZadrzanihKolona = 64;
    std::shared_ptr<const TRetkiFaktor> faktor;
    mutable std::mutex zastita;
    mutable std::list<int> redosled;  // most recently used first
    mutable std::unordered_map<int, std::pair<std::shared_ptr<const std::vector<double>>, std::list<int>::iterator>>
        kolone;
};
