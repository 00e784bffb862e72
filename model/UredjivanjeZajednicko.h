#pragma once
#include <string>
#include <vector>

#include "Model.h"

// Pieces shared by the editing commands of every page and by the pages themselves.

// "Dodaj" and "Promeni" share one routine per page; the pressed button picks the mode.
enum class TRezimIzmene { Dodaj, Promeni };

// The texts of the selection lists, so the pages and the tests list entities the same way.
std::string TekstCvora(const TCvor& cvor);  // "Cvor broj " + ID
std::string TekstStapa(const TStap& stap);  // "Stap broj " + ID
std::vector<std::string> SpisakMaterijala(const TModel& model);
std::vector<std::string> SpisakPreseka(const TModel& model);
std::vector<std::string> SpisakCvorova(const TModel& model);
std::vector<std::string> SpisakStapova(const TModel& model);
std::vector<std::string> SpisakOpterecenja(const TModel& model);

// The entity at a list index, or nullptr when the index selects nothing (-1 from an empty
// drop-down list, or anything out of range).
template <class Lista>
auto* Izabrani(const Lista& lista, int indeks) {
    using T = decltype(lista.front().get());
    if (indeks < 0 || static_cast<size_t>(indeks) >= lista.size()) return static_cast<T>(nullptr);
    return lista[static_cast<size_t>(indeks)].get();
}

// The list index of the first entity with the given ID, or -1.
template <class Lista>
int IndeksPoID(const Lista& lista, int id) {
    for (size_t i = 0; i < lista.size(); ++i)
        if (lista[i]->ID() == id) return static_cast<int>(i);
    return -1;
}
