#include "RetkaMatrica.h"

#include <algorithm>

TRetkaMatrica::TRetkaMatrica(int brojKolona, int brojRedova, std::vector<int> pocetak_, std::vector<int> redovi_,
                             std::vector<double> vrednosti_)
    : kolona(brojKolona),
      redova(brojRedova),
      pocetak(std::move(pocetak_)),
      redovi(std::move(redovi_)),
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

TMatrix TRetkaMatrica::Puta(const TMatrix& x) const {
    std::vector<double> v(static_cast<size_t>(kolona));
    for (int c = 1; c <= kolona; ++c) v[static_cast<size_t>(c - 1)] = x.Elem(1, c);
    const std::vector<double> y = Puta(v);
    TMatrix m = NovaMatrica(1, redova);
    for (int r = 1; r <= redova; ++r) m.SetElem(1, r, y[static_cast<size_t>(r - 1)]);
    return m;
}

std::shared_ptr<const TIzvorMatrice> TRetkaMatrica::Blok(int r0, int nr, int c0, int nc) const {
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
    return std::make_shared<const TRetkaMatrica>(nc, nr, std::move(p), std::move(rr), std::move(vv));
}

std::shared_ptr<const TRetkaMatrica> TRetkaMatrica::Iz(const TIzvorMatrice& m) {
    if (auto* retka = dynamic_cast<const TRetkaMatrica*>(&m)) return std::make_shared<const TRetkaMatrica>(*retka);
    std::vector<int> p(static_cast<size_t>(m.BrojKolona()) + 1, 0), rr;
    std::vector<double> vv;
    for (int c = 1; c <= m.BrojKolona(); ++c) {
        for (int r = 1; r <= m.BrojRedova(); ++r)
            if (const double v = m.Element(c, r); v != 0) {
                rr.push_back(r);
                vv.push_back(v);
            }
        p[static_cast<size_t>(c)] = static_cast<int>(rr.size());
    }
    return std::make_shared<const TRetkaMatrica>(m.BrojKolona(), m.BrojRedova(), std::move(p), std::move(rr),
                                                 std::move(vv));
}
