#pragma once
// Editing a selection of nodes and members picked on the plot: deleting it, moving it, and joining
// two crossing members. Plain model commands; the window runs each as one undoable step.
#include <vector>

#include "Model.h"

struct TPodelaStapa;

// Nodes and members by ID, so a selection stays true while other entities come and go.
struct TIzbor {
    std::vector<int> cvorovi;
    std::vector<int> stapovi;
    bool Prazan() const { return cvorovi.empty() && stapovi.empty(); }
};

// The nodes and members inside the rectangle between the two corners (in any order); a member is
// in when both its nodes are.
TIzbor IzborUPravougaoniku(const TModel& model, double x1, double z1, double x2, double z2);

// Deletes the selected members and nodes; a selected node takes the members that use it with it.
// Loads on a deleted member are left unassigned, as deleting the member alone does. False when
// nothing selected exists.
bool ObrisiIzbor(TModel& model, const TIzbor& izbor);

// Moves the selected nodes and the nodes of the selected members by (dx, dz). Throws TGreska with
// the node page's message when a moved node would coincide with one left in place, and then
// changes nothing; false when nothing moves.
bool PomeriIzbor(TModel& model, const TIzbor& izbor, long double dx, long double dz);

// Splits the two members with IDs `idA` and `idB` where they cross, at one shared node, the loads
// moved as a split moves them. A member whose end node lies on the other is not split, only the
// other one. Throws TGreska when they do not cross or already meet in a node; `podele` gets what
// each split did, to tell the user.
void PreseciStapove(TModel& model, int idA, int idB, std::vector<TPodelaStapa>* podele = nullptr);
