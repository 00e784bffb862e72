#include "Model.h"

#include <climits>

#include "Greska.h"

void TModel::Isprazni() {
    nizOpterecenja.clear();
    nizStapova.clear();
    nizCvorova.clear();
    nizPreseka.clear();
    nizMaterijala.clear();
}

bool TModel::Prazan() const {
    return nizMaterijala.empty() && nizPreseka.empty() && nizCvorova.empty() && nizStapova.empty() &&
           nizOpterecenja.empty();
}

int IDPosle(int poslednjiID) {
    if (poslednjiID == INT_MAX) throw TGreska("Nije moguce dodeliti novi identifikator!!!");
    return poslednjiID + 1;
}

TKodniBrojeviCvora KodniBrojeviNovogCvora(const TModel& model) {
    if (model.nizCvorova.empty()) return {1, 2, 3};
    const int poslednji = model.nizCvorova.back()->BrObrtanjaY();
    if (poslednji > INT_MAX - 3) throw TGreska("Nije moguce dodeliti nove kodne brojeve!!!");
    return {poslednji + 1, poslednji + 2, poslednji + 3};
}

namespace {
template <class Lista>
auto* NadjiPoID(const Lista& lista, int id) {
    for (const auto& e : lista)
        if (e->ID() == id) return e.get();
    return static_cast<decltype(lista.front().get())>(nullptr);
}
}  // namespace

TMaterijal* NadjiMaterijal(const TModel& m, int id) { return NadjiPoID(m.nizMaterijala, id); }
TPresek* NadjiPresek(const TModel& m, int id) { return NadjiPoID(m.nizPreseka, id); }
TCvor* NadjiCvor(const TModel& m, int id) { return NadjiPoID(m.nizCvorova, id); }
TStap* NadjiStap(const TModel& m, int id) { return NadjiPoID(m.nizStapova, id); }
TOpterecenje* NadjiOpterecenje(const TModel& m, int id) { return NadjiPoID(m.nizOpterecenja, id); }
