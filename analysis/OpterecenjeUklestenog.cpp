#include "OpterecenjeUklestenog.h"

#include <cmath>

#include "ElementStapa.h"
#include "Opterecenje.h"
#include "Stap.h"

namespace {

using LD = long double;

// The deflection (w1, fi1, w2, fi2 at unit value) and section rotation of the member rigid at both
// ends at relative position xi.
struct TLinije {
    LD L, fi, mu;
    std::array<LD, 4> Ugib(LD xi) const {
        const LD x2 = xi * xi, x3 = x2 * xi;
        return {mu * (2 * x3 - 3 * x2 - fi * xi + 1 + fi), mu * L * (x3 - (2 + fi / 2) * x2 + (1 + fi / 2) * xi),
                mu * (-2 * x3 + 3 * x2 + fi * xi), mu * L * (x3 - (1 - fi / 2) * x2 - (fi / 2) * xi)};
    }
    std::array<LD, 4> Obrtanje(LD xi) const {
        const LD x2 = xi * xi;
        return {mu * 6 / L * (x2 - xi), mu * (3 * x2 - (4 + fi) * xi + (1 + fi)), mu * 6 / L * (xi - x2),
                mu * (3 * x2 - (2 - fi) * xi)};
    }
};

constexpr int redovi[4] = {1, 2, 4, 5};  // w1, fi1, w2, fi2 in the 6-order

void Dodaj(TVektor6& Q, const std::array<LD, 4>& linija, LD sila) {
    for (int i = 0; i < 4; ++i) Q[size_t(redovi[i])] += sila * linija[size_t(i)];
}

// A load across the member varying linearly from p1 at x = od to p2 at x = doKraja: three Gauss
// points integrate its product with the cubic lines exactly.
void Linearno(TVektor6& Q, const TLinije& l, LD od, LD doKraja, LD p1, LD p2) {
    const LD c = doKraja - od;
    if (!(c > 0)) return;
    const LD t = std::sqrt(0.6L);
    const LD tacke[3] = {-t, 0, t}, tezine[3] = {5.0L / 9, 8.0L / 9, 5.0L / 9};
    for (int g = 0; g < 3; ++g) {
        const LD s = (1 + tacke[g]) / 2;  // relative position inside the extent
        const LD p = p1 + (p2 - p1) * s;
        Dodaj(Q, l.Ugib((od + c * s) / l.L), p * tezine[g] * c / 2);
    }
}

// A load along the axis, uniform over its extent: shares of a bar.
void Aksijalno(TVektor6& Q, LD L, LD od, LD doKraja, LD p) {
    const LD c = doKraja - od, xbar = od + c / 2;
    Q[0] += p * c * (L - xbar) / L;
    Q[3] += p * c * xbar / L;
}

}  // namespace

TSopstvenaTezina KomponenteTezine(const TStap& stap, const TOpterecenje& o) {
    const LD L = DuzinaStapa(stap);
    const LD g = o.RaspodeljenoOpterecenje() * stap.Materijal()->Masa() * stap.Presek()->Aaksijalno();
    const LD c = (stap.KrajnjiCvor()->X() - stap.PocetniCvor()->X()) / L;
    const LD s = (stap.KrajnjiCvor()->Z() - stap.PocetniCvor()->Z()) / L;
    // (0, -g) in global X, Z onto the local y = (-s, c) and x = (c, s).
    return {-g * c, -g * s};
}

std::optional<TVektor6> OpterecenjeUklestenog(const TStap& stap, const TOpterecenje& o, long double fi) {
    const LD L = DuzinaStapa(stap);
    const TLinije l{L, fi, 1 / (1 + fi)};
    TVektor6 Q{};
    switch (o.Tip()) {
        case toV: Dodaj(Q, l.Ugib(o.PozicijaKoncentrisaneSile()), o.KoncentrisanaSila()); break;
        case toM: Dodaj(Q, l.Obrtanje(o.PozicijaKoncentrisanogMomenta()), o.KoncentrisaniMoment()); break;
        case toPn:
            Linearno(Q, l, o.PocetakRaspodeljenog() * L, o.KrajRaspodeljenog() * L, o.RaspodeljenoOpterecenje(),
                     o.RaspodeljenoOpterecenje());
            break;
        case toLinearno:
            Linearno(Q, l, o.PocetakRaspodeljenog() * L, o.KrajRaspodeljenog() * L, o.RaspodeljenoOpterecenje(),
                     o.RaspodeljenoOpterecenjeUPravcuOse());
            break;
        case toSopstvenaTezina: {
            const TSopstvenaTezina t = KomponenteTezine(stap, o);
            Linearno(Q, l, 0, L, t.qy, t.qy);
            Aksijalno(Q, L, 0, L, t.px);
            break;
        }
        case toT: {
            const TMaterijal& m = *stap.Materijal();
            const LD N = m.AlfaT() * o.TemperaturnaPromena() * m.E() * stap.Presek()->Aaksijalno();
            Q[0] = -N, Q[3] = N;
            break;
        }
        case toDeltaT: {
            // A uniform curvature held by both ends: a constant moment and no shear.
            const TMaterijal& m = *stap.Materijal();
            const TPresek& p = *stap.Presek();
            const LD Mt = m.AlfaT() * o.TemperaturnaRazlika() * m.E() * p.I() / p.h();
            Q[2] = Mt, Q[5] = -Mt;
            break;
        }
        case toH: {
            const LD a = o.PozicijaKoncentrisaneSileUPravcuOse() * L;
            Q[0] = o.KoncentrisanaSilaUPravcuOse() * (L - a) / L;
            Q[3] = o.KoncentrisanaSilaUPravcuOse() * a / L;
            break;
        }
        case toPt:
            Aksijalno(Q, L, o.PocetakRaspodeljenogUPravcuOse() * L, o.KrajRaspodeljenogUPravcuOse() * L,
                      o.RaspodeljenoOpterecenjeUPravcuOse());
            break;
        default: return std::nullopt;
    }
    return Q;
}
