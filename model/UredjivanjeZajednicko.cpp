#include "UredjivanjeZajednicko.h"

std::string TekstCvora(const TCvor& cvor) { return "Cvor broj " + std::to_string(cvor.ID()); }
std::string TekstStapa(const TStap& stap) { return "Stap broj " + std::to_string(stap.ID()); }

namespace {
template <class Lista, class Tekst>
std::vector<std::string> Spisak(const Lista& lista, Tekst tekst) {
    std::vector<std::string> s;
    s.reserve(lista.size());
    for (const auto& e : lista) s.push_back(tekst(*e));
    return s;
}
}  // namespace

std::vector<std::string> SpisakMaterijala(const TModel& m) {
    return Spisak(m.nizMaterijala, [](const TMaterijal& e) { return e.Ime(); });
}
std::vector<std::string> SpisakPreseka(const TModel& m) {
    return Spisak(m.nizPreseka, [](const TPresek& e) { return e.Ime(); });
}
std::vector<std::string> SpisakCvorova(const TModel& m) { return Spisak(m.nizCvorova, TekstCvora); }
std::vector<std::string> SpisakStapova(const TModel& m) { return Spisak(m.nizStapova, TekstStapa); }
std::vector<std::string> SpisakOpterecenja(const TModel& m) {
    return Spisak(m.nizOpterecenja, [](const TOpterecenje& e) { return e.Ime(); });
}
