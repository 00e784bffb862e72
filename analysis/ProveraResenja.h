#pragma once
#include <vector>

#include "IzvorMatrice.h"
#include "Matrix.h"

struct TModel;

// How well a solution satisfies what it was solved for, each measure relative so that it is the
// same in any units and wherever the structure stands or however it is turned.
struct TMereResenja {
    // |Ss - Kso qo - Kss qs| against |Kss| |qs| + |Ss - Kso qo|: the backward error of the solve.
    double ostatak = 0;
    // The same residual against the right-hand side alone: the share of the loads left unbalanced.
    double ostatakOpterecenja = 0;
    // The global equilibrium of the loads and the reactions: the resultant force against the
    // largest load, and the resultant moment about the centre of the nodes against the largest
    // load times the extent of the structure (plus the largest load moment); the larger of the two.
    // With no load at all the reactions are measured against the largest reaction.
    double neravnoteza = 0;
};

// A solution whose residual or equilibrium misses by this much has no correct digit: it is the
// answer of a mechanism, or of a system too ill-conditioned to be solved, and is refused.
inline constexpr double PragOdbijanjaResenja = 1e-2;
// A solution that misses by more than this keeps only a few correct digits: the run warns.
inline constexpr double PragUpozorenjaResenja = 1e-6;

// What the solution step computed, in the run's form, before it is stored.
struct TResenjeZaProveru {
    const std::vector<int>& s;
    const std::vector<int>& o;
    const TIzvorMatrice& Kss;
    const TIzvorMatrice* Kso;  // null or unused when every prescribed displacement is 0
    const TMatrix& Ss;
    const TMatrix& qs;
    const TMatrix& qo;
    const TMatrix& Qo;
    const TMatrix& D;  // Kos qs + Koo qo - Qo at the known positions
};

TMereResenja IzmeriResenje(const TModel& model, const TResenjeZaProveru& r);
