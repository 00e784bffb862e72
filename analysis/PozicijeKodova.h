#pragma once
#include <unordered_map>
#include <vector>

// Positions (1-based) of the code numbers of a list, with repeated code numbers chained in
// increasing position, so "every position whose code number equals x" is a walk along a chain.
class TPozicije {
public:
    explicit TPozicije(const std::vector<int>& lista) : sledeca(lista.size() + 1, 0) {
        for (int p = static_cast<int>(lista.size()); p >= 1; --p) {
            auto [it, novo] = prva.try_emplace(lista[p - 1], p);
            if (!novo) {
                sledeca[p] = it->second;
                it->second = p;
            }
        }
    }
    template <class F>
    void ZaSve(int kod, F&& f) const {
        auto it = prva.find(kod);
        if (it == prva.end()) return;
        for (int p = it->second; p; p = sledeca[p]) f(p);
    }

private:
    std::unordered_map<int, int> prva;
    std::vector<int> sledeca;
};
