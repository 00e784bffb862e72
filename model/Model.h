#pragma once
#include <memory>
#include <vector>

#include "Cvor.h"
#include "Materijal.h"
#include "Opterecenje.h"
#include "Presek.h"
#include "SekcijaAnalize.h"
#include "Stap.h"

// The model: five ordered lists that own their entities, in creation order (or file order after a
// read). The item index of an on-screen list is the index into these lists.
struct TModel {
    std::vector<std::unique_ptr<TMaterijal>> nizMaterijala;
    std::vector<std::unique_ptr<TPresek>> nizPreseka;
    std::vector<std::unique_ptr<TCvor>> nizCvorova;
    std::vector<std::unique_ptr<TStap>> nizStapova;
    std::vector<std::unique_ptr<TOpterecenje>> nizOpterecenja;
    long double minRastojanjeCvorova = 0.001;
    TOpcijeAnalize opcijeAnalize;  // the ANALIZA section

    // Empties all five lists (members first, so no reference outlives its target).
    void Isprazni();
    bool Prazan() const;
};

// A new entity gets the last entity's ID + 1, or 0 in an empty list; nothing is ever renumbered.
// Throws TGreska when the last ID is already the largest integer.
int IDPosle(int poslednjiID);
template <class Lista>
int NoviID(const Lista& lista) {
    return lista.empty() ? 0 : IDPosle(lista.back()->ID());
}

// Code numbers of a new node: 1, 2, 3 for the first node, then the last node's rotation number + 1,
// + 2, + 3. Throws TGreska when they would not fit in an integer.
struct TKodniBrojeviCvora {
    int x, z, y;
};
TKodniBrojeviCvora KodniBrojeviNovogCvora(const TModel& model);

// Lookups by ID; nullptr when no entity has it. The first entity with the ID wins.
TMaterijal* NadjiMaterijal(const TModel& model, int id);
TPresek* NadjiPresek(const TModel& model, int id);
TCvor* NadjiCvor(const TModel& model, int id);
TStap* NadjiStap(const TModel& model, int id);
TOpterecenje* NadjiOpterecenje(const TModel& model, int id);
