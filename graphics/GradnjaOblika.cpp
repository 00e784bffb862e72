#include "GradnjaOblika.h"

#include <algorithm>
#include <cmath>

TOblik TGradnjaOblika::Linija(const TT* t, size_t n, float debljina) const {
    TOblik o;
    o.smerX = smerX;
    o.smerY = smerY;
    o.boja = boja;
    o.debljina = debljina;
    o.tacke.reserve(n);
    for (size_t i = 0; i < n; ++i) o.tacke.push_back({x, y, t[i].a, t[i].b});
    return o;
}

TOblik TGradnjaOblika::Linija(const std::vector<TT>& t, float debljina) const {
    return Linija(t.data(), t.size(), debljina);
}

TOblik TGradnjaOblika::Linija(std::initializer_list<TT> t, float debljina) const {
    return Linija(t.begin(), t.size(), debljina);
}

TOblik TGradnjaOblika::Poligon(std::initializer_list<TT> t, TColor ispuna) const {
    TOblik o = Linija(t);
    o.zatvoren = true;
    o.ispunjen = true;
    o.ispuna = ispuna;
    return o;
}

TOblik TGradnjaOblika::Krug(TT c, float r, TColor ispuna, float debljina) const {
    // Every node of a drawing gets the same circles (a node's, a roller's wheels, a hinge's):
    // their points are worked out once and kept for the few sizes a drawing uses.
    constexpr int n = 20;
    struct TKrug {
        float a, b, r;
        TT t[n];
    };
    constexpr int cuvanih = 8;
    thread_local TKrug krugovi[cuvanih];
    thread_local int broj = 0, sledeci = 0;
    const TKrug* k = nullptr;
    for (int i = 0; i < broj && !k; ++i)
        if (krugovi[i].a == c.a && krugovi[i].b == c.b && krugovi[i].r == r) k = &krugovi[i];
    if (!k) {
        TKrug& novi = krugovi[sledeci];
        sledeci = (sledeci + 1) % cuvanih;
        broj = std::max(broj, sledeci == 0 ? cuvanih : sledeci);
        novi.a = c.a, novi.b = c.b, novi.r = r;
        for (int i = 0; i < n; ++i) {
            const double u = 2 * M_PI * i / n;
            novi.t[i] = {float(c.a + r * std::cos(u)), float(c.b + r * std::sin(u))};
        }
        k = &novi;
    }
    TOblik o = Linija(k->t, n, debljina);
    o.zatvoren = true;
    o.ispunjen = true;
    o.ispuna = ispuna;
    return o;
}

void TGradnjaOblika::Strelica(std::vector<TOblik>& o, TT rep, TT vrh, float glava) const {
    const double da = vrh.a - rep.a, db = vrh.b - rep.b, d = std::hypot(da, db);
    if (!(d > 0)) return;
    const double ua = da / d, ub = db / d;
    const float sirina = glava * 0.38f;
    // The shaft ends where the head starts, so its square end does not poke out of the tip.
    const TT osnova{float(vrh.a - ua * glava), float(vrh.b - ub * glava)};
    o.push_back(Linija({rep, osnova}));
    o.push_back(Poligon({vrh,
                         {float(osnova.a - ub * sirina), float(osnova.b + ua * sirina)},
                         {float(osnova.a + ub * sirina), float(osnova.b - ua * sirina)}},
                        boja));
}

void TGradnjaOblika::LukSaStrelicom(std::vector<TOblik>& o, TT c, float r, double u0, double u1, float glava) const {
    std::vector<TT> t;
    const int n = std::max(4, int(std::abs(u1 - u0) / 0.15));
    // The arc stops short of the head's tip by the head's length.
    const double smer = u1 > u0 ? 1 : -1;
    const double kraj = u1 - smer * glava / r;
    for (int i = 0; i <= n; ++i) {
        const double u = u0 + (kraj - u0) * i / n;
        t.push_back({float(c.a + r * std::cos(u)), float(c.b + r * std::sin(u))});
    }
    o.push_back(Linija(t));
    const TT vrh{float(c.a + r * std::cos(u1)), float(c.b + r * std::sin(u1))};
    Strelica(o, t.back(), vrh, glava);
    // Only the head: the arc is its shaft.
    o.erase(o.end() - 2);
}

void TGradnjaOblika::Tlo(std::vector<TOblik>& o, float a0, float a1, float b, bool saLinijom) const {
    if (saLinijom) o.push_back(Linija({{a0, b}, {a1, b}}));
    for (float a = a0 + 4; a <= a1 + 0.01f; a += 4) {
        TOblik h = Linija({{a, b}, {a - 4, b - 5}});
        h.prepreka = false;
        o.push_back(std::move(h));
    }
}
