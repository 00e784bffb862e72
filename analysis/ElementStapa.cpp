// Element matrices and equivalent nodal loads of a member. Everything is computed in the entities'
// extended precision and rounded to double only where it is stored into a TMatrix; the products
// T^T * k * T and T^T * Q are then done by TMatrix in double, as every other product of the analysis.
#include "ElementStapa.h"

#include <cmath>

#include "Opterecenje.h"
#include "OpterecenjeUklestenog.h"
#include "OseCvora.h"
#include "StanjeAnalize.h"
#include "Stap.h"

namespace {

using LD = long double;

// Where a partial uniform load lies on a member of length L: s from the start node to where it
// begins, r from where it ends to the end node, c its loaded length.
struct TRaspon {
    LD s, r, c;
};
TRaspon Raspon(LD pocetak, LD kraj, LD L) {
    const LD s = pocetak * L;
    const LD r = L - kraj * L;
    return {s, r, L - s - r};
}

TMatrix Kvadratna(int n) {
    TMatrix m;
    m.Resize(n, n);
    return m;
}

TMatrix Vektor(int n) {
    TMatrix v;
    v.Resize(1, n);
    return v;
}

// Entry (row r, column c) of a symmetric matrix, written to both halves.
void Simetricno(TMatrix& m, int r, int c, LD v) {
    m.SetElem(c, r, static_cast<double>(v));
    m.SetElem(r, c, static_cast<double>(v));
}

// Where each end displacement and rotation sits in the member's local order (0 when the type has
// none), and how many rows there are; all 0 for an unknown type.
struct TRaspored : TMestaStapa {
    int n;
};

TRaspored Raspored(int tip) {
    const TOsobineTipa* t = OsobineTipa(tip);
    if (!t) return {{0, 0, 0, 0, 0, 0}, 0};
    return {t->Mesta(), t->brojStepeni};
}

}  // namespace

long double DuzinaStapa(const TStap& stap) {
    const LD dx = stap.KrajnjiCvor()->X() - stap.PocetniCvor()->X();
    const LD dz = stap.KrajnjiCvor()->Z() - stap.PocetniCvor()->Z();
    return std::sqrt(dx * dx + dz * dz);
}

long double Fi(const TStap& stap) {
    const LD L = DuzinaStapa(stap);
    const TMaterijal& m = *stap.Materijal();
    const TPresek& p = *stap.Presek();
    return 12 * m.E() * p.I() * p.k() / (m.G() * p.Aaksijalno() * (L * L));
}

TMatrix MatricaTransformacije(const TStap& stap) {
    const TRaspored r = Raspored(stap.TipStapa());
    if (r.n == 0) return TMatrix();
    const LD L = DuzinaStapa(stap);
    const double c = static_cast<double>((stap.KrajnjiCvor()->X() - stap.PocetniCvor()->X()) / L);
    const double s = static_cast<double>((stap.KrajnjiCvor()->Z() - stap.PocetniCvor()->Z()) / L);
    TMatrix T = Kvadratna(r.n);
    // Rows are local (u, w), columns the same node's global (X, Z), or its own turned axes: the
    // member's direction is then seen from them.
    for (int u : {r.u1, r.u2}) {
        const int w = u + 1;
        const TOseCvora o = OseCvora(u == r.u1 ? *stap.PocetniCvor() : *stap.KrajnjiCvor());
        double cu = c, su = s;
        if (o.s != 0.0 || o.c != 1.0) UOseCvora(o, c, s, cu, su);
        T.SetElem(u, u, cu);
        T.SetElem(w, u, su);
        T.SetElem(u, w, -su);
        T.SetElem(w, w, cu);
    }
    for (int f : {r.fi1, r.fi2})
        if (f) T.SetElem(f, f, 1.0);
    return T;
}

TMatrix MatricaKrutostiLKS(const TStap& stap) {
    const TRaspored r = Raspored(stap.TipStapa());
    if (r.n == 0) return TMatrix();
    if (stap.ImaOpruge()) return KondenzovanaKrutost(stap, Fi(stap));
    const LD L = DuzinaStapa(stap);
    const LD E = stap.Materijal()->E();
    const LD A = stap.Presek()->Aaksijalno();
    const LD I = stap.Presek()->I();
    const LD fi = Fi(stap);
    TMatrix k = Kvadratna(r.n);

    const LD EA_L = E * A / L;
    Simetricno(k, r.u1, r.u1, EA_L);
    Simetricno(k, r.u2, r.u2, EA_L);
    Simetricno(k, r.u1, r.u2, -EA_L);

    const TOsobineTipa& tip = *OsobineTipa(stap.TipStapa());
    if (tip.krutPocetak && tip.krutKraj) {
        const LD D = 1 + fi;
        const LD k12 = 12 * E * I / (D * (L * L * L));
        const LD k6 = 6 * E * I / (D * (L * L));
        const LD k4 = 4 * (1 + fi / 4) * E * I / (D * L);
        const LD k2 = 2 * (1 - fi / 2) * E * I / (D * L);
        Simetricno(k, r.w1, r.w1, k12);
        Simetricno(k, r.w1, r.fi1, k6);
        Simetricno(k, r.w1, r.w2, -k12);
        Simetricno(k, r.w1, r.fi2, k6);
        Simetricno(k, r.fi1, r.fi1, k4);
        Simetricno(k, r.fi1, r.w2, -k6);
        Simetricno(k, r.fi1, r.fi2, k2);
        Simetricno(k, r.w2, r.w2, k12);
        Simetricno(k, r.w2, r.fi2, -k6);
        Simetricno(k, r.fi2, r.fi2, k4);
    } else if (tip.krutPocetak || tip.krutKraj) {
        // The hinged end's rotation condensed out; the rigid end's rotation keeps its row.
        const int f = tip.RotacijaKondenzovana(false) ? r.fi1 : r.fi2;
        const LD d = 1 + fi / 4;
        const LD k3 = 3 * E * I / (d * (L * L * L));
        const LD k2 = 3 * E * I / (d * (L * L));
        const LD k1 = 3 * E * I / (d * L);
        Simetricno(k, r.w1, r.w1, k3);
        Simetricno(k, r.w1, r.w2, -k3);
        Simetricno(k, r.w2, r.w2, k3);
        Simetricno(k, r.w1, f, k2);
        Simetricno(k, f, f, k1);
        Simetricno(k, f, r.w2, -k2);
    }
    // Both rotations condensed out leave a truss bar, which has no transverse stiffness.
    return k;
}

TMatrix MatricaKrutostiGKS(const TStap& stap) {
    const int n = Raspored(stap.TipStapa()).n;
    if (n == 0) return TMatrix();
    TMatrix T = MatricaTransformacije(stap);
    TMatrix Tt = MatricaTransformacije(stap);
    Tt.Transpose();
    TMatrix kL = MatricaKrutostiLKS(stap);
    TMatrix P = Kvadratna(n);
    Tt.Multiply(&kL, &P);
    TMatrix kG = Kvadratna(n);
    P.Multiply(&T, &kG);
    return kG;
}

namespace {

// The kinds, members and rule that the closed forms below do not cover take the general way: the
// member rigid at both ends, then its type and springs by condensation.
bool OpstiPut(const TStap& stap, const TOpterecenje& o, bool smicanje) {
    return o.Tip() == toLinearno || o.Tip() == toSopstvenaTezina || stap.ImaOpruge() || (smicanje && Fi(stap) != 0);
}

TMatrix OpstiVektorQ(const TStap& stap, const TOpterecenje& o, bool smicanje) {
    const LD fi = smicanje ? Fi(stap) : 0;
    const auto Q6 = OpterecenjeUklestenog(stap, o, fi);
    return Q6 ? KondenzovanoOpterecenje(stap, *Q6, fi) : TMatrix();
}

}  // namespace

TMatrix GetVektorQLKS(const TStap& stap, const TOpterecenje& o, bool smicanje) {
    const TRaspored r = Raspored(stap.TipStapa());
    if (r.n == 0) return TMatrix();
    if (OpstiPut(stap, o, smicanje)) return OpstiVektorQ(stap, o, smicanje);
    const int tip = stap.TipStapa();
    const LD L = DuzinaStapa(stap);
    TMatrix Q = Vektor(r.n);
    auto upisi = [&](int red, LD v) {
        if (red) Q.SetElem(1, red, static_cast<double>(v));
    };

    switch (o.Tip()) {
        case toV: {
            const LD V = o.KoncentrisanaSila();
            const LD a = o.PozicijaKoncentrisaneSile() * L;
            const LD b = L - a;
            switch (tip) {
                case tsK:
                    upisi(r.w1, V * (b * b) * (L + 2 * a) / (L * L * L));
                    upisi(r.fi1, V * a * (b * b) / (L * L));
                    upisi(r.w2, V * (a * a) * (L + 2 * b) / (L * L * L));
                    upisi(r.fi2, -V * (a * a) * b / (L * L));
                    break;
                case tsIG:
                    upisi(r.w1, V * b * (3 * (L * L) - b * b) / (2 * (L * L * L)));
                    upisi(r.fi1, V * a * b * (L + b) / (2 * (L * L)));
                    upisi(r.w2, V * (a * a) * (3 * L - a) / (2 * (L * L * L)));
                    break;
                case tsGK:
                    upisi(r.w1, V * (b * b) * (3 * L - b) / (2 * (L * L * L)));
                    upisi(r.w2, V * a * (3 * (L * L) - a * a) / (2 * (L * L * L)));
                    upisi(r.fi2, -V * a * b * (L + a) / (2 * (L * L)));
                    break;
                default:
                    upisi(r.w1, V * b / L);
                    upisi(r.w2, V * a / L);
                    break;
            }
            break;
        }
        case toM: {
            const LD M = o.KoncentrisaniMoment();
            const LD a = o.PozicijaKoncentrisanogMomenta() * L;
            const LD b = L - a;
            switch (tip) {
                case tsK:
                    upisi(r.w1, -6 * M * a * b / (L * L * L));
                    upisi(r.fi1, M * b * (b - 2 * a) / (L * L));
                    upisi(r.w2, 6 * M * a * b / (L * L * L));
                    upisi(r.fi2, M * a * (a - 2 * b) / (L * L));
                    break;
                case tsIG: {
                    const LD bL = b / L;
                    upisi(r.w1, -(3 * M / (2 * L)) * (1 - bL * bL));
                    upisi(r.fi1, (M / 2) * (3 * (bL * bL) - 1));
                    upisi(r.w2, (3 * M / (2 * L)) * (1 - bL * bL));
                    break;
                }
                case tsGK: {
                    const LD aL = a / L;
                    upisi(r.w1, -(3 * M / (2 * L)) * (1 - aL * aL));
                    upisi(r.w2, (3 * M / (2 * L)) * (1 - aL * aL));
                    upisi(r.fi2, (M / 2) * (3 * (aL * aL) - 1));
                    break;
                }
                default:
                    upisi(r.w1, -M / L);
                    upisi(r.w2, M / L);
                    break;
            }
            break;
        }
        case toPn: {
            const LD q = o.RaspodeljenoOpterecenje();
            const auto [s, rr, c] = Raspon(o.PocetakRaspodeljenog(), o.KrajRaspodeljenog(), L);
            // Shares of a simply supported member, q*c*(L - xbar)/L and q*c*xbar/L.
            const LD prosto1 = q * c * (2 * rr + c) / (2 * L);
            const LD prosto2 = q * c * (2 * s + c) / (2 * L);
            switch (tip) {
                case tsK: {
                    const LD F1 = q * c *
                                  (3 * (2 * s + c) * ((2 * rr + c) * (2 * rr + c)) - (c * c) * (L + 3 * rr - 3 * s)) /
                                  (24 * (L * L));
                    const LD F2 = -q * c *
                                  (3 * (2 * rr + c) * ((2 * s + c) * (2 * s + c)) - (c * c) * (L + 3 * s - 3 * rr)) /
                                  (24 * (L * L));
                    upisi(r.w1, prosto1 + (F1 + F2) / L);
                    upisi(r.fi1, F1);
                    upisi(r.w2, prosto2 - (F1 + F2) / L);
                    upisi(r.fi2, F2);
                    break;
                }
                case tsIG: {
                    const LD G1 = q * c * (2 * rr + c) * ((2 * s + c) * (2 * L + 2 * rr + c) - c * c) / (16 * (L * L));
                    upisi(r.w1, prosto1 + G1 / L);
                    upisi(r.fi1, G1);
                    upisi(r.w2, prosto2 - G1 / L);
                    break;
                }
                case tsGK: {
                    const LD G2 = -q * c * (2 * s + c) * ((2 * rr + c) * (2 * L + 2 * s + c) - c * c) / (16 * (L * L));
                    upisi(r.w1, prosto1 + G2 / L);
                    upisi(r.w2, prosto2 - G2 / L);
                    upisi(r.fi2, G2);
                    break;
                }
                default:
                    upisi(r.w1, prosto1);
                    upisi(r.w2, prosto2);
                    break;
            }
            break;
        }
        case toT: {
            const TMaterijal& m = *stap.Materijal();
            const LD N = m.AlfaT() * o.TemperaturnaPromena() * m.E() * stap.Presek()->Aaksijalno();
            upisi(r.u1, -N);
            upisi(r.u2, N);
            break;
        }
        case toDeltaT: {
            const TMaterijal& m = *stap.Materijal();
            const TPresek& p = *stap.Presek();
            const LD Mt = m.AlfaT() * o.TemperaturnaRazlika() * m.E() * p.I() / p.h();
            switch (tip) {
                case tsK:
                    upisi(r.fi1, Mt);
                    upisi(r.fi2, -Mt);
                    break;
                case tsIG:
                    upisi(r.w1, 3 * Mt / (2 * L));
                    upisi(r.fi1, 3 * Mt / 2);
                    upisi(r.w2, -3 * Mt / (2 * L));
                    break;
                case tsGK:
                    upisi(r.w1, -3 * Mt / (2 * L));
                    upisi(r.w2, 3 * Mt / (2 * L));
                    upisi(r.fi2, -3 * Mt / 2);
                    break;
                default: break;  // a truss bar does not bend
            }
            break;
        }
        case toH: {
            const LD H = o.KoncentrisanaSilaUPravcuOse();
            const LD a = o.PozicijaKoncentrisaneSileUPravcuOse() * L;
            const LD b = L - a;
            upisi(r.u1, H * b / L);
            upisi(r.u2, H * a / L);
            break;
        }
        case toPt: {
            const LD p = o.RaspodeljenoOpterecenjeUPravcuOse();
            const auto [s, rr, c] = Raspon(o.PocetakRaspodeljenogUPravcuOse(), o.KrajRaspodeljenogUPravcuOse(), L);
            const LD xbar = s + c / 2;
            upisi(r.u1, p * c * (L - xbar) / L);
            upisi(r.u2, p * c * xbar / L);
            break;
        }
        default: return TMatrix();
    }
    return Q;
}

TMatrix GetVektorQGKS(const TStap& stap, const TOpterecenje& o, bool smicanje) {
    const int n = Raspored(stap.TipStapa()).n;
    if (n == 0) return TMatrix();
    TMatrix QL = GetVektorQLKS(stap, o, smicanje);
    TMatrix Tt = MatricaTransformacije(stap);
    Tt.Transpose();
    // An unknown load kind gives a 1 x 1 QL; the product then fails its size check and the member's
    // zero vector is returned.
    TMatrix QG = Vektor(n);
    Tt.Multiply(&QL, &QG);
    return QG;
}
