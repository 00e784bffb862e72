#pragma once
// Splitting a member at a point along it: the drawing's way of joining a new member to the
// middle of an existing one. A plain model command, one undoable step of the document.
#include "Model.h"

// What a split did, for the message that tells the user.
struct TPodelaStapa {
    int idCvora = -1;       // the new node
    int idNovogStapa = -1;  // the second half; the first half keeps the member's ID
    int premestenih = 0;    // loads moved onto the second half
    int podeljenih = 0;     // loads across the split point, now one on each half
};

// Splits the member with ID `idStapa` at relative position `t` (0 < t < 1, from its start) by a
// new node there. Both halves keep the material and section; the original ends keep their
// connection and the two ends at the new node are rigid. Each load goes to the half it stands on,
// its positions recomputed for that half; a distributed load across the point becomes one on each
// half, a temperature load is on both. Throws TGreska (as the node page) when the new node would
// sit on an existing one; false for a member that does not exist or t outside (0, 1).
bool PodeliStap(TModel& model, int idStapa, double t, TPodelaStapa* ishod = nullptr);

// As PodeliStap, at the existing node `cvor` lying on the member (its distance from the start
// over the length places the loads); false for a missing member or one of its own end nodes.
bool PodeliStapUCvoru(TModel& model, int idStapa, TCvor* cvor, TPodelaStapa* ishod = nullptr);

// The relative position along the member of the point nearest to (x, z), clamped to [0, 1], and
// that point's distance from (x, z).
struct TPolozajNaStapu {
    double t = 0;
    double rastojanje = 0;
};
TPolozajNaStapu NajblizaTackaStapa(const TStap& s, double x, double z);
