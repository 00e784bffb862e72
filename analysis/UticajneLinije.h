#pragma once
// Influence lines by the kinematic method. The line of a quantity is the deflected shape of the
// structure under the quantity's conjugate action: a unit relative slip or kink at a section for N,
// T and M, a unit displacement of the support for a reaction, a unit node force for a node
// displacement (Maxwell). That action goes through the one factorisation of Kss as a single
// right-hand side, and the line on every member is the member's exact deflected line (cubic, with
// its hinges and shear flexibility), so the ordinates are exact at every point, not only at stations.
#include <optional>
#include <string>
#include <vector>

struct TModel;
struct TStanjeAnalize;

// Fx, Fz and Mfi are the forces of a node's springs, along the node's own axes, taken like a
// reaction: positive when the spring holds the node against the load.
enum class TVelicinaUticaja { N, T, M, Rx, Rz, M0, Ux, Uz, Fi, Fx, Fz, Mfi };

// The direction of the moving unit load: global -Z (down) or global -X.
enum class TPravacTereta { MinusZ, MinusX };

// "N", "T", "M", "Rx", "Rz", "M0", "Ux", "Uz", "Fi", "Fx", "Fz", "Mfi"; nullopt for anything else.
std::optional<TVelicinaUticaja> ParsirajVelicinu(const std::string& ime);
const char* ImeVelicine(TVelicinaUticaja v);
// N, T and M belong to a section of a member; the others to a node.
bool VelicinaPreseka(TVelicinaUticaja v);

struct TZahtevUticaja {
    TVelicinaUticaja velicina = TVelicinaUticaja::M;
    int idStapa = -1;      // the section's member (N, T, M)
    long double x = 0;     // the section's distance from the member's start node
    int idCvora = -1;      // the node (reactions, displacements)
    std::vector<int> put;  // the members the load travels over, in order; empty: every member
    TPravacTereta pravac = TPravacTereta::MinusZ;
};

// A stretch of a member's line: the ordinate is the polynomial c in the member's own x (from its
// start node), valid on [x0, x1].
struct TDeoUticaja {
    long double x0 = 0, x1 = 0;
    long double c[4] = {};
    long double Vrednost(long double x) const;
    long double Nagib(long double x) const;
};

// The line on one member of the path. The path runs through the member from its start node to its
// end node, or the other way when `obrnut`; `pocetak` is the path coordinate where it enters.
struct TUticajStapa {
    int idStapa = -1;
    long double L = 0;
    bool obrnut = false;
    long double pocetak = 0;
    std::vector<TDeoUticaja> delovi;  // in order of x, covering [0, L]

    // The ordinate with the load at x; at a jump (T at its section) the value just right of it, at
    // x = L the value just left, as the diagrams take their stations. `desno` false asks the left.
    long double Vrednost(long double x, bool desno = true) const;
    // Where the line may kink or jump: the ends and the boundaries of the stretches.
    std::vector<long double> Prelomi() const;
};

struct TUticajnaLinija {
    TVelicinaUticaja velicina = TVelicinaUticaja::M;
    std::vector<TUticajStapa> stapovi;  // in path order

    long double DuzinaPuta() const;
    // The ordinate at path coordinate t (0 outside the path); `desno` picks the side of a jump or
    // of a member joint in the direction of the path.
    long double NaPutu(long double t, bool desno = true) const;
    // The path coordinates of every kink or jump, the path's ends included, ascending.
    std::vector<long double> PrelomiPuta() const;
};

// The line on the results of a finished run of `model` (its code number lists and Kss). Throws
// TGreska with a Serbian message for a member, node or section that does not fit the quantity.
TUticajnaLinija IzracunajUticajnuLiniju(const TModel& model, const TStanjeAnalize& stanje, const TZahtevUticaja& z);

// The same after a run of its own on a copy of the model; a model the analysis refuses throws
// TGreska with the analysis's message.
TUticajnaLinija UticajnaLinijaModela(const TModel& model, const TZahtevUticaja& z);
