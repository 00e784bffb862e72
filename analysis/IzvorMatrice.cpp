#include "IzvorMatrice.h"

TMatrix NovaMatrica(int kolona, int redova) {
    TMatrix m;
    m.Resize(kolona, redova);
    return m;
}

// ---- what every form can do through element access ----

std::vector<double> TIzvorMatrice::Red(int r) const {
    std::vector<double> red(static_cast<size_t>(BrojKolona()));
    for (int c = 1; c <= BrojKolona(); ++c) red[static_cast<size_t>(c - 1)] = Element(c, r);
    return red;
}

std::shared_ptr<const TIzvorMatrice> TIzvorMatrice::Blok(int r0, int nr, int c0, int nc) const {
    TMatrix b = NovaMatrica(nc, nr);
    for (int c = 1; c <= nc; ++c)
        for (int r = 1; r <= nr; ++r) b.SetElem(c, r, Element(c0 + c, r0 + r));
    return GustiIzvor(std::move(b));
}

TMatrix TIzvorMatrice::Puta(const TMatrix& x) const {
    TMatrix y = NovaMatrica(1, BrojRedova());
    for (int c = 1; c <= BrojKolona(); ++c) {
        const double xc = x.Elem(1, c);
        for (int r = 1; r <= BrojRedova(); ++r) y.SetElem(1, r, y.Elem(1, r) + Element(c, r) * xc);
    }
    return y;
}

TMatrix TIzvorMatrice::GustaKopija() const {
    TMatrix m = NovaMatrica(BrojKolona(), BrojRedova());
    for (int c = 1; c <= BrojKolona(); ++c)
        for (int r = 1; r <= BrojRedova(); ++r) m.SetElem(c, r, Element(c, r));
    return m;
}

// ---- the dense form ----

std::int64_t TGustiIzvor::BrojNenultih() const {
    std::int64_t n = 0;
    for (int c = 1; c <= m.NrOfColumns(); ++c) {
        const double* k = m.Kolona(c);
        for (int r = 0; r < m.NrOfRows(); ++r) n += k[r] != 0;
    }
    return n;
}

bool TGustiIzvor::ZaKolonu(int c, const std::function<void(int, double)>& f) const {
    if (c < 1 || c > m.NrOfColumns()) return true;
    const double* k = m.Kolona(c);
    for (int r = 0; r < m.NrOfRows(); ++r) f(r + 1, k[r]);
    return true;
}

std::shared_ptr<const TIzvorMatrice> TGustiIzvor::Blok(int r0, int nr, int c0, int nc) const {
    TMatrix b = NovaMatrica(nc, nr);
    for (int c = 1; c <= nc; ++c) {
        const double* iz = m.Kolona(c0 + c) + r0;
        double* u = b.Kolona(c);
        for (int r = 0; r < nr; ++r) u[r] = iz[r];
    }
    return GustiIzvor(std::move(b));
}

TMatrix TGustiIzvor::Puta(const TMatrix& x) const {
    // Sizes that do not agree leave the zero vector, as the product writes nothing then.
    TMatrix y = NovaMatrica(1, m.NrOfRows());
    m.Multiply(&x, &y);
    return y;
}
