#pragma once
#include "UredjivanjeZajednicko.h"

// The selections of the member page, each an index into its model list (the type is the item
// index of the member-type list, TTipStapa).
struct TIzborStapa {
    int materijal = -1;
    int presek = -1;
    int pocetniCvor = -1;
    int krajnjiCvor = -1;
    int tip = tsK;
};

// "Dodaj" on the member page: says what is missing when there is no material or no section to
// give the member (TGreska); drawing with the mouse supplies defaults instead.
void ProveriMaterijalIPresekZaStap(const TModel& model);

// Appends a member. Does nothing (false) without a material, a section and two nodes, or when a
// selection is out of range. Throws TGreska for a member from a node to itself or onto a pair of
// nodes that a member already joins (either direction).
bool DodajStap(TModel& model, const TIzborStapa& izbor);

// Changes the member at `izabrani`. When another member (or this one) already joins the chosen two
// nodes, only material, section and type change and the nodes stay. TGreska with no members or for
// a node joined to itself; false when a selection is out of range.
bool PromeniStap(TModel& model, int izabrani, const TIzborStapa& izbor);

// Removes the member at `izabrani`; the loads it carried stay in the load list, unassigned.
bool ObrisiStap(TModel& model, int izabrani);

// Where the member page shows a member: the list indices of its material, section, nodes (found by
// ID; -1 when missing) and its type.
TIzborStapa IzborZaStap(const TModel& model, const TStap& stap);

// Sets the rotational springs at the start and end of the member at `izabrani` from the texts of
// the "kpi" and "kpk" fields; an empty text means no spring. TGreska for a value that is not a
// number greater than zero or for a spring on an end the type hinges; false when nothing is
// selected. A member whose type changes to one hinged at an end loses the spring there.
bool PostaviOprugeStapa(TModel& model, int izabrani, const std::string& pocetak, const std::string& kraj);
inline constexpr const char* PorukaOprugeNaZglobu = "Na zglobnom kraju stapa ne moze biti opruga!!!";
