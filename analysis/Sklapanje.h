#pragma once
#include <functional>
#include <initializer_list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "PozicijeKodova.h"
#include "RetkaMatrica.h"

struct TModel;
class TStap;
class TMatrix;
class TOpterecenje;

// Loads of each member ID, in list order.
using TOpterecenjaPoStapu = std::unordered_map<int, std::vector<const TOpterecenje*>>;

// Throws the member's "neodredjene vrednosti" error when a matrix it gave holds inf or nan.
void ProveriKonacnost(const TMatrix& m, const TStap& st);

// The additions of the assembly of K, in their order: for each member in list order, for each local
// degree of freedom a and each position p of its code number, first Kg[a, a] to (p, p), then for
// each later b and each position q of b's code number the element for (min, max). dodaj(kolona,
// red, v) gets the upper-triangle place (red <= kolona). `svakihStapova` calls `napredak` with the
// number of members done every that many members; returning false there stops the walk (false out).
bool ZaDoprinoseK(const TModel& model, const TPozicije& pozicije, const std::function<void(int, int, double)>& dodaj,
                  const std::function<bool(size_t)>& napredak = {}, size_t svakihStapova = 256);

// The message of a sparse form that does not fit in memory.
inline constexpr const char* PorukaNemaMemorijeRetko = "Nema dovoljno memorije za retke matrice sistema!!!";

// K of n positions assembled sparse, both triangles stored; each entry is the sum of its additions
// in the dense assembly's order, starting from 0, so it holds the same bits as the dense K. Null
// when `napredak` stopped it.
std::shared_ptr<TRetkaMatrica> SklopiRetkuK(const TModel& model, const std::vector<int>& sve,
                                            const std::function<bool(size_t)>& napredak = {});

// Member loads gathered into vectors over a list of code numbers: for each member in list order,
// each of its loads in list order, each local degree of freedom whose code number sits at a
// position of the list (positions beyond brojPozicija skipped). Every element gets its additions
// in the same order as walking the positions first, since each Qg is the same whatever position
// asks for it.
void SaberiOpterecenjaStapova(const TModel& model, const TPozicije& pozicije, int brojPozicija,
                              const TOpterecenjaPoStapu& poStapu, std::initializer_list<TMatrix*> vektori);
