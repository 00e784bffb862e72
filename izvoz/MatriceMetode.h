#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "IzvorMatrice.h"

struct TModel;
struct TStanjeAnalize;

// One matrix, vector or list of the method under the name it is exported and checked by, with the
// code numbers of its rows and columns when it has them. Values are the ones the run computed,
// unscaled (no factor in front). A vector or a list has one column; `jednodimenzionalna` says to
// write it as a flat array where a format knows the difference.
struct TImenovanaMatrica {
    std::string ime;
    int redova = 0;
    int kolona = 0;
    std::shared_ptr<const TIzvorMatrice> izvor;  // read only within redova x kolona
    bool celobrojna = false;
    bool jednodimenzionalna = false;
    std::vector<int> kodoviRedova;  // empty, or one per row
    std::vector<int> kodoviKolona;  // empty, or one per column

    double Element(int c, int r) const { return izvor->Element(c, r); }
    // True when the values are solved for on demand (the inverse of the large-model path).
    bool NaZahtev() const { return izvor && izvor->NaZahtev(); }
};

// The global matrices, the vectors and the code-number lists, in the order K, Kss, Kso, Kos, Koo,
// invKss, Ps, Qs, Ss, Qo, qs, qo, Ro, s, o. What the state does not hold (after a clear, a refused
// run) is left out, and nothing at all before a run; invKss is left out when the run formed no inverse.
std::vector<TImenovanaMatrica> GlobalneMatrice(const TModel& model, const TStanjeAnalize& stanje);

// The matrices of every member in list order: T_<ID>, kLKS_<ID>, kGKS_<ID>, QLKS_<ID>, QGKS_<ID>,
// R_<ID> (end forces in the local system) and kodovi_<ID>. Empty when the results are absent.
std::vector<TImenovanaMatrica> MatriceStapova(const TModel& model, const TStanjeAnalize& stanje);

// All of them, global first.
std::vector<TImenovanaMatrica> SveMatriceMetode(const TModel& model, const TStanjeAnalize& stanje);

// The one of that name; nullopt when there is none.
std::optional<TImenovanaMatrica> NadjiMatricu(const std::vector<TImenovanaMatrica>& sve, const std::string& ime);
