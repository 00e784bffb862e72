#include "NulePolinoma.h"

#include <algorithm>
#include <cmath>

using LD = long double;

// Roots of the polynomial c0 + c1 x + c2 x^2 + c3 x^3 inside (0, h), found by bisection between the
// roots of its derivative, so each bracket holds at most one.
std::vector<LD> NuleKubne(const LD c[4], LD h) {
    auto f = [&](LD x) { return ((c[3] * x + c[2]) * x + c[1]) * x + c[0]; };
    std::vector<LD> granice{0};
    const LD a = 3 * c[3], b = 2 * c[2], cc = c[1];
    if (a != 0) {
        const LD D = b * b - 4 * a * cc;
        if (D >= 0) {
            const LD s = std::sqrt(D);
            for (LD r : {(-b - s) / (2 * a), (-b + s) / (2 * a)})
                if (r > 0 && r < h) granice.push_back(r);
        }
    } else if (b != 0) {
        const LD r = -cc / b;
        if (r > 0 && r < h) granice.push_back(r);
    }
    granice.push_back(h);
    std::sort(granice.begin(), granice.end());
    std::vector<LD> nule;
    for (size_t i = 0; i + 1 < granice.size(); ++i) {
        LD lo = granice[i], hi = granice[i + 1];
        LD flo = f(lo), fhi = f(hi);
        if (flo == 0 || fhi == 0 || (flo < 0) == (fhi < 0)) continue;
        for (int k = 0; k < 200 && hi - lo > 0; ++k) {
            const LD m = lo + (hi - lo) / 2;
            if (m <= lo || m >= hi) break;
            const LD fm = f(m);
            if ((fm < 0) == (flo < 0)) lo = m, flo = fm;
            else hi = m;
        }
        nule.push_back(lo + (hi - lo) / 2);
    }
    return nule;
}

// Roots inside (0, h) of a polynomial of any degree (coefficients from the constant term up),
// bracketed by the roots of its derivative.
std::vector<LD> NulePolinoma(const std::vector<LD>& c, LD h) {
    auto f = [&](LD x) {
        LD r = 0;
        for (size_t i = c.size(); i-- > 0;) r = r * x + c[i];
        return r;
    };
    std::vector<LD> granice{0};
    if (c.size() > 2) {
        std::vector<LD> izvod(c.size() - 1);
        for (size_t i = 1; i < c.size(); ++i) izvod[i - 1] = LD(i) * c[i];
        for (LD r : NulePolinoma(izvod, h)) granice.push_back(r);
    }
    granice.push_back(h);
    std::vector<LD> nule;
    for (size_t i = 0; i + 1 < granice.size(); ++i) {
        LD lo = granice[i], hi = granice[i + 1];
        const LD flo = f(lo), fhi = f(hi);
        if (flo == 0 && i > 0) nule.push_back(lo);
        if (flo == 0 || fhi == 0 || (flo < 0) == (fhi < 0)) continue;
        for (int k = 0; k < 200; ++k) {
            const LD m = lo + (hi - lo) / 2;
            if (m <= lo || m >= hi) break;
            if ((f(m) < 0) == (flo < 0)) lo = m;
            else hi = m;
        }
        nule.push_back(lo + (hi - lo) / 2);
    }
    return nule;
}
