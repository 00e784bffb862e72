#pragma once
// Whether two lists of member diagrams hold the same numbers, bit for bit (every coefficient, jump
// and extreme compared with ==; the padding of long double is left out of it).
#include <vector>

#include "DijagramiStapa.h"

namespace istidijagrami {

template <size_t N>
bool IsteNizove(const long double (&a)[N], const long double (&b)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (!(a[i] == b[i])) return false;
    return true;
}

inline bool IstiPreseci(const TVrednostiPreseka& a, const TVrednostiPreseka& b) {
    return a.N == b.N && a.T == b.T && a.M == b.M && a.u == b.u && a.w == b.w && a.fi == b.fi;
}

inline bool IstiEkstremi(const TEkstremiVelicine& a, const TEkstremiVelicine& b) {
    return a.max.vrednost == b.max.vrednost && a.max.x == b.max.x && a.min.vrednost == b.min.vrednost &&
           a.min.x == b.min.x;
}

inline bool IstiStap(const TDijagramiStapa& a, const TDijagramiStapa& b) {
    if (!(a.L == b.L) || a.delovi.size() != b.delovi.size() || a.skokovi.size() != b.skokovi.size()) return false;
    for (size_t i = 0; i < a.delovi.size(); ++i) {
        const TDeoDijagrama &x = a.delovi[i], &y = b.delovi[i];
        if (!(x.x0 == y.x0 && x.x1 == y.x1 && IsteNizove(x.N, y.N) && IsteNizove(x.T, y.T) && IsteNizove(x.M, y.M) &&
              IsteNizove(x.u, y.u) && IsteNizove(x.fi, y.fi) && IsteNizove(x.w, y.w)))
            return false;
    }
    for (size_t i = 0; i < a.skokovi.size(); ++i) {
        const TSkok &x = a.skokovi[i], &y = b.skokovi[i];
        if (!(x.x == y.x && IstiPreseci(x.levo, y.levo) && IstiPreseci(x.desno, y.desno))) return false;
    }
    return IstiEkstremi(a.ekstremN, b.ekstremN) && IstiEkstremi(a.ekstremT, b.ekstremT) &&
           IstiEkstremi(a.ekstremM, b.ekstremM) && IstiEkstremi(a.ekstremW, b.ekstremW);
}

}  // namespace istidijagrami

inline bool IstiDijagrami(const std::vector<TDijagramiStapa>& a, const std::vector<TDijagramiStapa>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!istidijagrami::IstiStap(a[i], b[i])) return false;
    return true;
}
