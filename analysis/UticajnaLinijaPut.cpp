// Reading a line: its stretches, its members along the path.
#include <algorithm>

#include "UticajneLinije.h"

long double TDeoUticaja::Vrednost(long double x) const { return ((c[3] * x + c[2]) * x + c[1]) * x + c[0] + 0; }

long double TDeoUticaja::Nagib(long double x) const { return (3 * c[3] * x + 2 * c[2]) * x + c[1]; }

long double TUticajStapa::Vrednost(long double x, bool desno) const {
    if (delovi.empty()) return 0;
    if (x >= L) desno = false;
    for (const TDeoUticaja& d : delovi)
        if (desno ? d.x1 > x : d.x1 >= x) return d.Vrednost(x);
    return delovi.back().Vrednost(x);
}

std::vector<long double> TUticajStapa::Prelomi() const {
    std::vector<long double> p{0};
    for (const TDeoUticaja& d : delovi)
        if (d.x1 > p.back()) p.push_back(d.x1);
    if (p.back() < L) p.push_back(L);
    return p;
}

long double TUticajnaLinija::DuzinaPuta() const {
    return stapovi.empty() ? 0 : stapovi.back().pocetak + stapovi.back().L;
}

long double TUticajnaLinija::NaPutu(long double t, bool desno) const {
    if (stapovi.empty() || t < 0 || t > DuzinaPuta()) return 0;
    // The member that holds t on the asked side: at a joint, the one entered (right) or left (left).
    auto posle = std::upper_bound(stapovi.begin(), stapovi.end(), t,
                                  [](long double v, const TUticajStapa& s) { return v < s.pocetak; });
    size_t i = size_t(std::max<std::ptrdiff_t>(posle - stapovi.begin() - 1, 0));
    if (!desno && i > 0 && t == stapovi[i].pocetak) --i;
    if (desno && i + 1 < stapovi.size() && t >= stapovi[i].pocetak + stapovi[i].L) ++i;
    const TUticajStapa& s = stapovi[i];
    const long double x = std::clamp(s.obrnut ? s.L - (t - s.pocetak) : t - s.pocetak, 0.0L, s.L);
    // Along a reversed member the path's right is the member's left.
    return s.Vrednost(x, s.obrnut ? !desno : desno);
}

std::vector<long double> TUticajnaLinija::PrelomiPuta() const {
    std::vector<long double> t;
    for (const TUticajStapa& s : stapovi)
        for (long double x : s.Prelomi()) t.push_back(s.pocetak + (s.obrnut ? s.L - x : x));
    std::sort(t.begin(), t.end());
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}
