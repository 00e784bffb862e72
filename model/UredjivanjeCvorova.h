#pragma once
#include <string>

#include "UredjivanjeZajednicko.h"

// Adds a node at the given coordinate texts, or moves the node at `izabrani` (it keeps its ID and
// code numbers). No two nodes may lie within minRastojanjeCvorova of each other on both axes; the
// node being moved counts too, so "Promeni" without a real move is refused. Throws TGreska at the
// first failed check and leaves the model untouched; false when there was nothing to change.
bool DodajIliPromeniCvor(TModel& model, TRezimIzmene rezim, int izabrani, const std::string& x, const std::string& z);

// Removes the node at `izabrani`; false when nothing is selected; TGreska when a member uses it.
bool ObrisiCvor(TModel& model, int izabrani);

// Sets the supports of the node at `izabrani` and drops every prescribed displacement in the model
// whose support is gone. TGreska when there are no nodes; false when nothing is selected.
bool PostaviOslonce(TModel& model, int izabrani, bool oslonacX, bool oslonacZ, bool ukljestenje);

// The texts of the elastic and inclined support fields of the support page.
struct TPoljaElasticnogOslonca {
    std::string kx;
    std::string kz;
    std::string kfi;
    std::string ugao;  // degrees, counter-clockwise
};

// Sets the springs and the support angle of the node at `izabrani`. TGreska when there are no
// nodes, a text is not a number or the values break the elastic-support rule; false when nothing
// is selected or nothing changes.
bool PostaviElasticniOslonac(TModel& model, int izabrani, const TPoljaElasticnogOslonca& polja);

// The support page's one step: the three supports and the elastic-support fields together, checked
// as a whole (a box ticked while its spring is cleared is fine). TGreska as the two above.
bool PostaviOslonceIOpruge(TModel& model, int izabrani, bool oslonacX, bool oslonacZ, bool ukljestenje,
                           const TPoljaElasticnogOslonca& polja);

// The texts of the node-load page: the three loads and the three prescribed support displacements.
struct TPoljaOpterecenjaCvora {
    std::string Px;
    std::string Pz;
    std::string My;
    std::string zadatoUx;
    std::string zadatoUz;
    std::string zadatoFiy;
};

// Sets the loads and prescribed displacements of the node at `izabrani`. TGreska when there are no
// nodes or a text is not a number; false when nothing is selected.
bool PostaviOpterecenjeCvora(TModel& model, int izabrani, const TPoljaOpterecenjaCvora& polja);

// The node-load page's view of the prescribed displacements: a direction without its support
// holds 0 (and the page shows its field disabled). Resets such stray values in the node.
struct TZadataPomeranja {
    bool x, z, y;             // whether the field is editable
    long double ux, uz, fiy;  // the values to show
};
TZadataPomeranja ZadataPomeranjaZaPrikaz(TCvor& cvor);
