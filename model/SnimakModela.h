#pragma once
#include <memory>
#include <vector>

#include "Model.h"

// A member as the history keeps it: its own values and the positions of the entities it joins
// (size_t(-1) for none), so a member stays shared while those positions stay.
struct TZapisStapa {
    int id = 0;
    int tip = 0;
    long double opruga[2] = {0, 0};
    size_t materijal = 0, presek = 0, pocetni = 0, krajnji = 0;
};

// One list of a remembered state: immutable entity copies in fixed-size pieces. A state shares
// with the one it was taken after every entity that did not change and every piece whose entities
// are all shared, so a small edit of a large model costs a piece or two, not a whole copy.
template <class T>
struct TDeljenaLista {
    using TKomad = std::vector<std::shared_ptr<const T>>;
    std::vector<std::shared_ptr<const TKomad>> komadi;
    size_t velicina = 0;

    const std::shared_ptr<const T>& operator[](size_t i) const;
};

inline constexpr size_t velicinaKomada = 256;

template <class T>
const std::shared_ptr<const T>& TDeljenaLista<T>::operator[](size_t i) const {
    return (*komadi[i / velicinaKomada])[i % velicinaKomada];
}

// A whole model state of the editing history.
struct TSnimakModela {
    TDeljenaLista<TMaterijal> materijali;
    TDeljenaLista<TPresek> preseci;
    TDeljenaLista<TCvor> cvorovi;
    TDeljenaLista<TZapisStapa> stapovi;
    TDeljenaLista<TOpterecenje> opterecenja;
    long double minRastojanjeCvorova = 0.001;
    TOpcijeAnalize opcijeAnalize;
    // What this state holds that the one it was taken after did not: entity copies, and the
    // slots of new pieces weighed as entities.
    size_t novo = 0;
    // Whether it holds the same input as the state it was taken after.
    bool isti = false;
};

// A state of `model`, sharing what it can with `prethodni` (when given).
std::shared_ptr<const TSnimakModela> SnimiModel(const TModel& model, const TSnimakModela* prethodni);

// A model built anew from a remembered state: fresh entities, members pointing at them.
std::unique_ptr<TModel> IzgradiModel(const TSnimakModela& snimak);

// How much the state holds as a whole, in the units of TSnimakModela::novo.
size_t VelicinaSnimka(const TSnimakModela& snimak);
