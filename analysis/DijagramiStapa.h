#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "StanjeAnalize.h"

class TMatrix;
class TOpterecenje;
class TStap;

// Internal forces and the deflected line along one member, as exact piecewise closed forms in the
// member's local axes (x from the start node to the end node, y a quarter turn from x toward Z).
//
// Signs, the same everywhere they are shown (tables, command line, plot, help):
//   N  axial force, positive in tension;
//   M  bending moment, positive when it stretches the fibre on the member's -y side (a member drawn
//      from left to right: sagging positive, tension at the bottom); drawn on that side;
//   T  shear force, T = dM/dx;
//   u, w  displacements along local x and y, total (the end nodes' own movement included);
//   fi    rotation of the section, positive turning x toward y.
// The line satisfies u' = N/EA + alfa*t, fi' = M/EI - alfa*dt/h, w' = fi - k*T/(G*A): the shear
// flexibility k/(G*A) is the one the stiffness matrices carry through Fi.
inline constexpr const char* OpisZnakovaDijagrama =
    "N > 0 zatezanje; M > 0 zateze vlakno na strani -y (crta se na toj strani); T = dM/dx; "
    "u, w pomeranja duz lokalnih osa x i y; fi obrtanje preseka (pozitivno od x ka y)";

struct TVrednostiPreseka {
    long double N = 0, T = 0, M = 0, u = 0, w = 0, fi = 0;
};

// A stretch of the member without a concentrated action inside it; each quantity is a polynomial
// in xi = x - x0 (coefficients from the constant term up).
struct TDeoDijagrama {
    long double x0 = 0, x1 = 0;
    long double N[2] = {}, T[3] = {}, M[4] = {}, u[3] = {}, fi[5] = {}, w[6] = {};
};

struct TEkstrem {
    long double vrednost = 0, x = 0;
};
struct TEkstremiVelicine {
    TEkstrem max, min;
};

// Where a concentrated action (V, M or H) acts: the values just left and just right of it.
struct TSkok {
    long double x = 0;
    TVrednostiPreseka levo, desno;
};

// One of the section forces.
enum class TSila { N, T, M };

class TDijagramiStapa {
public:
    long double L = 0;
    std::vector<TDeoDijagrama> delovi;  // in order, covering [0, L]
    std::vector<TSkok> skokovi;         // in order of x
    TEkstremiVelicine ekstremN, ekstremT, ekstremM, ekstremW;

    // Values at x (clamped to [0, L]). Where a concentrated action acts, `desno` picks the value just
    // right of it, otherwise just left; a point within a hair of such a position counts as on it.
    TVrednostiPreseka Vrednosti(long double x, bool desno = true) const;
    // One force of Vrednosti(x, desno), the same to the bit, for a drawing that samples one
    // quantity at many points. With `od` (0 at first) the calls go along the member with x never
    // falling, and the search starts where the last one ended.
    long double Sila(TSila koja, long double x, bool desno = true, size_t* od = nullptr) const;
    // The displacements u and w of Vrednosti(x, desno), the same to the bit, for the deflected
    // line (`od` as for Sila).
    struct TPomeranja {
        long double u = 0, w = 0;
    };
    TPomeranja Pomeranja(long double x, bool desno = true, size_t* od = nullptr) const;
    // The value at a station as the tables show it: just right of an action, at x = L just left.
    TVrednostiPreseka NaStanici(long double x) const { return Vrednosti(x, x < L); }
    // n + 1 equally spaced stations from 0 to L.
    std::vector<long double> Stanice(int n) const;

private:
    // The part that holds x for Vrednosti, with x clamped and snapped to its ends.
    const TDeoDijagrama& Deo(long double& x, bool desno, size_t* od = nullptr) const;
};

// The diagrams from the member's end forces RL (LKS, forces on the member at its ends) and its end
// displacements qL (LKS), both in the member's local order, and the member's own loads.
TDijagramiStapa IzracunajDijagrameStapa(const TStap& stap, const TMatrix& RL, const TMatrix& qL,
                                        const std::vector<const TOpterecenje*>& opterecenja);

// True when the state holds the results of a finished run (not the start-up state, not a clear).
bool ImaRezultata(const TStanjeAnalize& stanje);

// Every member's diagrams from the results, in member-list order; the displacement lists are read
// once for all members. Throws TGreska("Nema rezultata analize!!!") without results. The end
// forces follow the model's rule for the equivalent loads.
// A large model's members are shared out among the machine's cores; the numbers are the same
// whatever the count.
std::vector<TDijagramiStapa> DijagramiSvihStapova(const TModel& model, const TStanjeAnalize& stanje);
// The same on `niti` threads (at least one, at most one per member).
std::vector<TDijagramiStapa> DijagramiSvihStapova(const TModel& model, const TStanjeAnalize& stanje, int niti);
// One member's.
TDijagramiStapa DijagramiStapa(const TModel& model, const TStanjeAnalize& stanje, const TStap& stap);
