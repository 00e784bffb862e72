#pragma once
#include "UredjivanjeMaterijala.h"
#include "UredjivanjePreseka.h"
#include "UredjivanjeStapova.h"

#include <vector>

// The editing steps of drawing on the plot that take more than one entity command. Each runs
// inside one undoable step of the document, so a failure half-way leaves the model as it was.

// One end of a drawn member: the node with ID `idCvora` when it still exists, or else a new node at
// (x, z).
struct TTackaStapa {
    int idCvora = -1;
    double x = 0, z = 0;
};

// The default material and section of their pages, for a member drawn before either exists.
extern const TPoljaMaterijala PodrazumevaniMaterijal;
extern const TPoljaPreseka PodrazumevaniPresek;

// Adds a member from `pocetak` to `kraj` with the nodes it needs, and the default material and
// section when the model has none. Selections of `izbor` out of range fall back to the first
// material, section and type "k"; its node indices are ignored. The same point twice gives the
// same node, so the member check says why that cannot be (TGreska, as DodajStap).
bool NacrtajStap(TModel& model, const TTackaStapa& pocetak, const TTackaStapa& kraj, TIzborStapa izbor);

// An end of a drawn member that lies on an existing member (its ID), away from that member's
// nodes: the member is split there first and the drawn member joins the new node. Both splits
// and the member are one step. Ends on no member (-1) are as in NacrtajStap. `podele` gets what
// each split did, to tell the user.
struct TPodelaStapa;
bool NacrtajStapNaStapove(TModel& model, TTackaStapa pocetak, int stapPocetka, TTackaStapa kraj, int stapKraja,
                          TIzborStapa izbor, std::vector<TPodelaStapa>* podele = nullptr);
