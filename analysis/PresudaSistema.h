#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Greska.h"

// Whether Kss can be trusted, decided from quantities that depend neither on the units nor on where
// the structure stands or how it is turned: Kss is first scaled symmetrically to a unit diagonal
// (Jacobi), which takes out the units of each displacement, and every measure below is of that
// scaled matrix.
struct TPresudaSistema {
    bool singularna = false;
    // The estimate of the 1-norm condition number of the scaled Kss (never below the reciprocal of
    // its smallest pivot, which bounds it from below).
    double uslovljenost = 1;
    // The smallest pivot of the scaled Kss (the pivots of a sound structure lie in (0, 1]).
    double najmanjiPivot = 1;
    // The equations of Kss (1-based positions in the s list) whose pivot is lost, the one with the
    // smallest pivot first: where the free motion of a mechanism shows. Empty when none is.
    std::vector<int> jednacine;
};

// Above this estimate the results keep only a few correct digits: the run warns.
inline constexpr double UslovljenostUpozorenja = 1e10;
// From this estimate on no digit of the solution can be trusted: Kss is taken for singular.
inline constexpr double UslovljenostSingularna = 1e15;

// A scaled pivot at or below this is round-off, not stiffness. The factorisation of a singular
// Kss is the exact one of a matrix within a few units of round-off per inner product of it, so
// what is left of a zero pivot grows with the length of those products: with the size.
double PragSkaliranogPivota(int n);

// The unstable-structure error with the verdict that refused the system.
class TGreskaLabilnogSistema : public TGreska {
public:
    explicit TGreskaLabilnogSistema(TPresudaSistema p);
    const TPresudaSistema& Presuda() const { return presuda; }

private:
    TPresudaSistema presuda;
};

// x := A^-1 b for the matrix the estimate is about.
using TResavanjeZaProcenu = std::function<std::vector<double>(const std::vector<double>&)>;

// An estimate (a lower bound, in practice within a small factor) of the 1-norm of A^-1 for a
// symmetric A of order n, from a handful of solves: Hager's method with Higham's refinements.
double ProceniNormuInverza(int n, const TResavanjeZaProcenu& resi);

// The verdict from an LDL^T factorisation of Kss: its diagonal, the pivots of each equation (in
// the equations' own order), the 1-norm of the scaled Kss and a solve with the unscaled factor.
TPresudaSistema Presudi(const std::vector<double>& dijagonala, const std::vector<double>& pivoti, double normaSkalirane,
                        const TResavanjeZaProcenu& resi);

// "1E+11": the power of ten of an estimate, as the warnings state it.
std::string RedVelicine(double v);
