#pragma once
#include <memory>
#include <unordered_map>
#include <vector>

// Positions of entities in their lists, for copies and saved states that refer to an entity by
// where it stands rather than by its address.
template <class T>
std::unordered_map<const T*, size_t> Pozicije(const std::vector<std::unique_ptr<T>>& lista) {
    std::unordered_map<const T*, size_t> p;
    p.reserve(lista.size());
    for (size_t i = 0; i < lista.size(); ++i) p.emplace(lista[i].get(), i);
    return p;
}

// The position of a referenced entity in its list; size_t(-1) for none.
template <class T>
size_t Pozicija(const std::unordered_map<const T*, size_t>& p, const T* e) {
    const auto it = p.find(e);
    return it == p.end() ? size_t(-1) : it->second;
}

template <class T>
T* NaPoziciji(const std::vector<std::unique_ptr<T>>& lista, size_t i) {
    return i < lista.size() ? lista[i].get() : nullptr;
}
