#pragma once
#include <array>
#include <string>
#include <vector>

#include "UredjivanjeZajednicko.h"

// The value texts of one load-kind page, in the page's field order (V: force, position; M: moment,
// position; pn and pt: intensity, start, end; t and delta t: one value; linearno: p1, p2, start,
// end; sopstvena tezina: the factor of the material's volume mass). Unused entries are ignored.
using TPoljaOpterecenja = std::array<std::string, 4>;

// How many value fields the page of a kind has (0 for an unknown kind).
int BrojPoljaOpterecenja(int tip);

// The values of the load's current kind, in the page's field order.
std::vector<long double> VrednostiOpterecenja(const TOpterecenje& opterecenje);

// Appends an unassigned load of kind `tip`; other kinds' values are 0. Throws TGreska at the first
// failed check, leaving the model untouched. False for an unknown kind.
bool DodajOpterecenje(TModel& model, int tip, const std::string& ime, const TPoljaOpterecenja& polja);

// Renames the load at `izabrano`, turns it into kind `tip` and sets that kind's values; the other
// kinds' values and the member it is assigned to stay. False when nothing is selected.
bool PromeniOpterecenje(TModel& model, int izabrano, int tip, const std::string& ime, const TPoljaOpterecenja& polja);

// Removes the load at `izabrano`, whatever member carries it.
bool ObrisiOpterecenje(TModel& model, int izabrano);

// Assigns the load at `izabranoOpterecenje` to the member at `izabraniStap`. A load that already
// belongs to an existing member (this one included) is refused with TGreska. False when a selection
// is missing.
bool PridruziOpterecenje(TModel& model, int izabranoOpterecenje, int izabraniStap);
// One load definition onto several members in one step: a free definition goes onto the first chosen
// member itself, every further member gets its own copy (the file keeps one member per load). A
// member that already carries the definition, a repeated or an unknown choice is passed over. Gives
// how many members received the load (0: the model is unchanged).
int PridruziOpterecenjeStapovima(TModel& model, int izabranoOpterecenje, const std::vector<int>& izabraniStapovi);

// Gives every member a self-weight load with the factor `faktor` (a text of the page), assigned to
// it and named "sopstvena tezina <ID>", in member-list order. False when there are no members.
bool DodajSopstvenuTezinuSvimStapovima(TModel& model, const std::string& faktor);

// Takes the load off the member; TGreska when that member does not carry it.
bool UkloniOpterecenjeSaStapa(TModel& model, int izabranoOpterecenje, int izabraniStap);

// The names of the loads that the member at `izabraniStap` carries, in load-list order.
std::vector<std::string> SpisakOpterecenjaStapa(const TModel& model, int izabraniStap);

// Turns the analysis option "Smicanje u opterecenju" on or off; false when it already is so.
bool PostaviSmicanjeUOpterecenju(TModel& model, bool ukljuceno);
