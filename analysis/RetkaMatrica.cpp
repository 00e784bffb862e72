#include "RetkaMatrica.h"

#include <algorithm>

TRetkaMatrica::TRetkaMatrica(int brojKolona, int brojRedova, std::vector<int> pocetak_, std::vector<int> redovi_,
                             std::vector<double> vrednosti_)
    : kolona(brojKolona), redova(brojRedova), pocetak(std::move(pocetak_)), redovi(std::move(redovi_)),
      vrednosti(std::move(vrednosti_)) {
    if (pocetak.size() != static_cast<size_t>(kolona) + 1) pocetak.assign(static_cast<size_t>(kolona) + 1, 0);
    for (double v : vrednosti) nenultih += v != 0;
}

double TRetkaMatrica::Element(int c, int r) const {
    if (c < 1 || c > kolona || r < 1 || r > redova) return 0.0;
    const auto od = redovi.begin() + pocetak[c - 1], doo = redovi.begin() + pocetak[c];
    const auto it = std::lower_bound(od, doo, r);
    return it != doo && *it == r ? vrednosti[static_cast<size_t>(it - redovi.begin())] : 0.0;
}

bool TRetkaMatrica::ZaKolonu(int c, const std::function<void(int, double)>& f) const {
    if (c < 1 || c > kolona) return true;
    for (int i = pocetak[c - 1]; i < pocetak[c]; ++i) f(redovi[i], vrednosti[i]);
    return true;
}

std::vector<double> TRetkaMatrica::Puta(const std::vector<double>& x) const {
    // Walking the columns in order gives every row's sum its terms in increasing column, as the
    // dense product adds them in increasing k; the terms skipped are exact zeros.
    std::vector<double> y(static_cast<size_t>(redova), 0.0);
    for (int c = 1; c <= kolona; ++c) {
        const double xc = x[static_cast<size_t>(c - 1)];
        for (int i = pocetak[c - 1]; i < pocetak[c]; ++i) {
            const double proizvod = vrednosti[i] * xc;
            y[static_cast<size_t>(redovi[i] - 1)] = y[static_cast<size_t>(redovi[i] - 1)] + proizvod;
        }
    }
    return y;
}

TRetkaMatrica TRetkaMatrica::Blok(int r0, int nr, int c0, int nc) const {
    std::vector<int> p(static_cast<size_t>(nc) + 1, 0), rr;
    std::vector<double> vv;
    for (int c = 1; c <= nc; ++c) {
        const int izvorna = c0 + c;
        for (int i = pocetak[izvorna - 1]; i < pocetak[izvorna]; ++i)
            if (redovi[i] > r0 && redovi[i] <= r0 + nr) {
                rr.push_back(redovi[i] - r0);
                vv.push_back(vrednosti[i]);
            }
        p[static_cast<size_t>(c)] = static_cast<int>(rr.size());
    }
    return TRetkaMatrica(nc, nr, std::move(p), std::move(rr), std::move(vv));
}
