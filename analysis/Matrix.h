#pragma once
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

// Raised when the elements of a matrix cannot be allocated.
class EMatrixError : public std::runtime_error {
public:
    explicit EMatrixError(const std::string& ime);
};

// Which inner loops the large operations use. Every choice gives the same bits; Podrazumevani takes
// the environment (VELT_MATRICA_KOD = prenosivi | avx2), else the fastest the processor allows.
enum class TKodMatrice { Podrazumevani, Prenosivi, Avx2 };

// One recorded stage of an inversion: what the matrix holds at that moment, n x n stored by columns
// like TMatrix, and the row exchanges chosen so far (0-based; row j was exchanged with pivoti[j]).
// A column stage (kolona >= 0) is the factor just after that column: the columns up to it are L
// (below the diagonal) and U (on and above it), the later ones still the row-exchanged start
// matrix. It also keeps how the pivot was chosen: the column's entries on and below the diagonal
// once brought up to date, before the exchange (kandidati), with their rows' scales (skale); the
// pivot row is pivoti[kolona].
struct TKorakInverzije {
    std::string opis;
    int n = 0;
    std::vector<double> elementi;
    std::vector<int> pivoti;
    int kolona = -1;
    std::vector<double> kandidati, skale;
};

// The dense matrix of the analysis. Indexing is 1-based and column-first: Elem(c, r) is the element
// in column c and row r. A vector is a matrix of one column. Elements are stored contiguously column
// by column; every operation keeps the order of the floating-point operations of its textbook loop,
// element by element, so results do not depend on how the loops are arranged for speed.
class TMatrix {
public:
    TMatrix();  // 1 x 1, holding 0

    bool Resize(int Nc, int Nr);
    int NrOfColumns() const { return kolona; }
    int NrOfRows() const { return redova; }

    // Out-of-range reads give 0 and out-of-range writes are dropped.
    double Elem(int c, int r) const {
        return (c >= 1 && c <= kolona && r >= 1 && r <= redova) ? el[Indeks(c, r)] : 0.0;
    }
    void SetElem(int c, int r, double v) {
        if (c >= 1 && c <= kolona && r >= 1 && r <= redova) el[Indeks(c, r)] = v;
    }

    // R := self * B. False, with nothing written, unless B and R are present, distinct from self and
    // from each other, and the sizes agree (R sized by the caller).
    bool Multiply(const TMatrix* MatB, TMatrix* MatRes) const;
    bool Transpose();
    void SMult(double Scalar);
    bool Add(const TMatrix* MatB);
    // In-place inverse by Crout decomposition with implicit partial pivoting. False for a non-square
    // matrix or an all-zero row (matrix unchanged) and for a pivot below 1e-100 (the matrix then
    // holds the row-permuted LU factors).
    bool Invert() { return Invertuj(nullptr, nullptr); }
    // The same inversion, bit for bit, that also reports the smallest relative pivot: the pivot's
    // magnitude times the scale of its row (1 / the row's largest original magnitude), over all
    // steps; 0 when a row is all zero. Lets a caller tell a numerically singular matrix from a
    // merely badly scaled one.
    bool InvertSaPivotom(double& najmanjiRelativniPivot) { return Invertuj(&najmanjiRelativniPivot, nullptr); }
    // Reports the fraction done (0 .. 1) from the calling thread every few tens of milliseconds of a
    // large inversion, and 1 at its end; returning false stops it within about as long, and it returns
    // false with the matrix holding no meaningful values. An exception from the report stops it
    // the same way and comes out of the call.
    using TNapredak = std::function<bool(double udeo)>;
    bool InvertSaPivotom(double& najmanjiRelativniPivot, const TNapredak& napredak) {
        return Invertuj(&najmanjiRelativniPivot, &napredak);
    }

    // The same inversion, bit for bit, that also hands every stage to posmatrac: the matrix as given,
    // the Crout factors (row-permuted, L strictly below the diagonal, U on and above it) and the
    // inverse. Meant for small matrices shown step by step; the copies cost n*n doubles each.
    using TPosmatracInverzije = std::function<void(const TKorakInverzije&)>;
    bool InvertSaKoracima(const TPosmatracInverzije& posmatrac) { return Invertuj(nullptr, nullptr, &posmatrac); }
    // The same, with a stage after every column of the factor between the first two stages, for
    // n up to NajviseKolonaUKoracima (beyond it the three stages only).
    static constexpr int NajviseKolonaUKoracima = 96;
    bool InvertPoKolonama(const TPosmatracInverzije& posmatrac) {
        return Invertuj(nullptr, nullptr, &posmatrac, true);
    }

    // How the large products and inversions run: the inner loops (an AVX2 request on a processor
    // without it takes the portable ones) and the number of threads (0: the environment's
    // VELT_MATRICA_NITI, else one per core). Results are the same bits whatever is chosen.
    static void PodesiRacunanje(TKodMatrice kod, int brojNiti);
    static bool PodrzavaAvx2();

    const std::string& Name() const { return ime; }
    void SetName(std::string v) { ime = std::move(v); }

    // Contiguous storage of column c (1-based), NrOfRows() elements, for fast loops.
    double* Kolona(int c) { return el.data() + static_cast<size_t>(c - 1) * redova; }
    const double* Kolona(int c) const { return el.data() + static_cast<size_t>(c - 1) * redova; }

private:
    bool Invertuj(double* najmanjiRelativniPivot, const TNapredak* napredak,
                  const TPosmatracInverzije* posmatrac = nullptr, bool poKolonama = false);
    size_t Indeks(int c, int r) const { return static_cast<size_t>(c - 1) * redova + (r - 1); }
    template <class T>
    void Alociraj(std::vector<T>& v, size_t n) const {
        try {
            v.assign(n, T{});
        } catch (const std::bad_alloc&) {
            throw EMatrixError(ime);
        } catch (const std::length_error&) {
            throw EMatrixError(ime);
        }
    }

    int kolona = 1;
    int redova = 1;
    std::vector<double> el;
    std::string ime;
};
