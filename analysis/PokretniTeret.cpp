#include "PokretniTeret.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "Brojevi.h"
#include "Greska.h"

namespace {

using LD = long double;

LD Broj(const std::string& t, const std::string& stavka) {
    const auto v = ParsirajReal(t);
    if (!v || !std::isfinite(static_cast<double>(*v)))
        throw TGreska("Neispravan teret \"" + stavka + "\" (ocekuje se P@d ili qQ@a:b)!!!");
    return *v;
}

// The integral of the line over [t1, t2] of the path.
LD Integral(const TUticajnaLinija& l, LD t1, LD t2) {
    LD zbir = 0;
    for (const TUticajStapa& s : l.stapovi)
        for (const TDeoUticaja& d : s.delovi) {
            // The stretch's path interval, then the overlap back in the member's x.
            LD a = s.pocetak + (s.obrnut ? s.L - d.x1 : d.x0);
            LD b = s.pocetak + (s.obrnut ? s.L - d.x0 : d.x1);
            a = std::max(a, t1), b = std::min(b, t2);
            if (!(b > a)) continue;
            LD xa = s.obrnut ? s.L - (b - s.pocetak) : a - s.pocetak;
            LD xb = s.obrnut ? s.L - (a - s.pocetak) : b - s.pocetak;
            auto F = [&](LD x) { return (((d.c[3] / 4 * x + d.c[2] / 3) * x + d.c[1] / 2) * x + d.c[0]) * x; };
            zbir += F(xb) - F(xa);
        }
    return zbir;
}

// Roots in (0, 1) of c0 + c1 t + c2 t^2 + c3 t^3, by bisection between its turning points.
std::vector<LD> Nule(const LD c[4]) {
    auto f = [&](LD t) { return ((c[3] * t + c[2]) * t + c[1]) * t + c[0]; };
    std::vector<LD> g{0, 1};
    const LD a = 3 * c[3], b = 2 * c[2];
    if (a != 0) {
        const LD D = b * b - 4 * a * c[1];
        if (D >= 0)
            for (LD r : {(-b - std::sqrt(D)) / (2 * a), (-b + std::sqrt(D)) / (2 * a)}) g.push_back(r);
    } else if (b != 0) {
        g.push_back(-c[1] / b);
    }
    g.erase(std::remove_if(g.begin(), g.end(), [](LD t) { return !(t >= 0 && t <= 1); }), g.end());
    std::sort(g.begin(), g.end());
    std::vector<LD> nule;
    for (size_t i = 0; i + 1 < g.size(); ++i) {
        LD lo = g[i], hi = g[i + 1];
        const bool niskoNegativno = f(lo) < 0;
        if (f(lo) == 0 || f(hi) == 0 || niskoNegativno == (f(hi) < 0)) continue;
        for (int k = 0; k < 200 && hi - lo > 0; ++k) {
            const LD m = lo + (hi - lo) / 2;
            if (m <= lo || m >= hi) break;
            ((f(m) < 0) == niskoNegativno ? lo : hi) = m;
        }
        nule.push_back(lo + (hi - lo) / 2);
    }
    return nule;
}

// Stationary points of F strictly inside (a, b), where F is a polynomial of degree at most 4: its
// five values at interior points give the polynomial exactly, then its derivative's roots.
std::vector<LD> Stacionarne(const std::function<LD(LD)>& F, LD a, LD b) {
    constexpr int n = 5;
    LD t[n], y[n], p[n] = {};
    for (int k = 0; k < n; ++k) t[k] = (k + 0.5L) / n, y[k] = F(a + (b - a) * t[k]);
    // Lagrange basis expanded into powers of t.
    for (int k = 0; k < n; ++k) {
        LD baza[n] = {1};
        int stepen = 0;
        LD imenilac = 1;
        for (int j = 0; j < n; ++j) {
            if (j == k) continue;
            for (int i = ++stepen; i >= 0; --i) baza[i] = (i ? baza[i - 1] : 0) - t[j] * baza[i];
            imenilac *= t[k] - t[j];
        }
        for (int i = 0; i < n; ++i) p[i] += y[k] * baza[i] / imenilac;
    }
    const LD dp[4] = {p[1], 2 * p[2], 3 * p[3], 4 * p[4]};
    std::vector<LD> s;
    for (LD r : Nule(dp)) s.push_back(a + (b - a) * r);
    return s;
}

}  // namespace

TVoz ParsirajVoz(const std::string& tekst) {
    TVoz v;
    size_t i = 0;
    while (i <= tekst.size()) {
        size_t j = tekst.find(',', i);
        if (j == std::string::npos) j = tekst.size();
        const std::string stavka = tekst.substr(i, j - i);
        i = j + 1;
        const size_t et = stavka.find('@');
        if (et == std::string::npos)
            throw TGreska("Neispravan teret \"" + stavka + "\" (ocekuje se P@d ili qQ@a:b)!!!");
        const std::string sila = stavka.substr(0, et), mesto = stavka.substr(et + 1);
        if (!sila.empty() && (sila[0] == 'q' || sila[0] == 'Q')) {
            const size_t dv = mesto.find(':');
            if (dv == std::string::npos) throw TGreska("Neispravan teret \"" + stavka + "\" (ocekuje se qQ@a:b)!!!");
            TRaspodeljenoVoza r{Broj(sila.substr(1), stavka), Broj(mesto.substr(0, dv), stavka), 0};
            r.duzina = Broj(mesto.substr(dv + 1), stavka) - r.od;
            if (!(r.duzina > 0))
                throw TGreska("Raspodeljeni teret \"" + stavka + "\" mora imati duzinu vecu od nule!!!");
            v.raspodeljena.push_back(r);
        } else {
            v.sile.push_back({Broj(sila, stavka), Broj(mesto, stavka)});
        }
    }
    return v;
}

long double VrednostVoza(const TUticajnaLinija& l, const TVoz& voz, long double s, bool desno) {
    LD zbir = 0;
    const LD kraj = l.DuzinaPuta();
    for (const TSilaVoza& f : voz.sile) {
        const LD t = s + f.d;
        if (t >= 0 && t <= kraj) zbir += f.P * l.NaPutu(t, desno);
    }
    for (const TRaspodeljenoVoza& r : voz.raspodeljena) zbir += r.q * Integral(l, s + r.od, s + r.od + r.duzina);
    return zbir;
}

TEkstremiVoza EkstremiVoza(const TUticajnaLinija& l, const TVoz& voz) {
    std::vector<LD> pomaci;  // offsets of every point that may stand over a kink
    for (const TSilaVoza& f : voz.sile) pomaci.push_back(f.d);
    for (const TRaspodeljenoVoza& r : voz.raspodeljena) pomaci.insert(pomaci.end(), {r.od, r.od + r.duzina});
    TEkstremiVoza e;
    if (pomaci.empty() || l.stapovi.empty()) return e;
    const auto [dMin, dMax] = std::minmax_element(pomaci.begin(), pomaci.end());
    const LD sOd = -*dMax, sDo = l.DuzinaPuta() - *dMin;
    std::vector<LD> kandidati{sOd, sDo};
    for (LD b : l.PrelomiPuta())
        for (LD d : pomaci)
            if (b - d >= sOd && b - d <= sDo) kandidati.push_back(b - d);
    std::sort(kandidati.begin(), kandidati.end());
    kandidati.erase(std::unique(kandidati.begin(), kandidati.end()), kandidati.end());
    const auto F = [&](LD s) { return VrednostVoza(l, voz, s); };
    std::vector<LD> sve = kandidati;
    for (size_t i = 0; i + 1 < kandidati.size(); ++i)
        for (LD s : Stacionarne(F, kandidati[i], kandidati[i + 1])) sve.push_back(s);
    bool prvi = true;
    for (LD s : sve)
        for (bool desno : {true, false}) {
            const LD v = VrednostVoza(l, voz, s, desno);
            if (prvi || v > e.max.vrednost) e.max = {s, v};
            if (prvi || v < e.min.vrednost) e.min = {s, v};
            prvi = false;
        }
    return e;
}
