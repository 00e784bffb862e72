#include "PoluKrutiKrajevi.h"

#include <cmath>
#include <vector>

#include "ElementStapa.h"
#include "Stap.h"
#include "TipoviStapa.h"

namespace {

using LD = long double;

constexpr int iU1 = 0, iW1 = 1, iF1 = 2, iU2 = 3, iW2 = 4, iF2 = 5;

// The member's degrees of freedom split for the condensation. c: the member's own end rotations
// condensed out (hinged ends and ends behind a spring), with the spring stiffness (0 at a hinge);
// the rest keeps its rows, a spring end's row then belonging to the node's rotation.
struct TPodela {
    std::vector<int> c;
    std::vector<LD> opruga;
    LD B[2][2] = {};  // (A + S)^-1 over c
};

TPodela Podela(const TStap& stap, const TMatrica6& K) {
    TPodela p;
    const TOsobineTipa& t = *OsobineTipa(stap.TipStapa());
    for (bool naPocetku : {true, false}) {
        const LD k = stap.Opruga(naPocetku);
        if (!t.Krut(naPocetku) || k > 0) {
            p.c.push_back(naPocetku ? iF1 : iF2);
            p.opruga.push_back(t.Krut(naPocetku) ? k : 0);
        }
    }
    if (p.c.size() == 1) {
        p.B[0][0] = 1 / (K[p.c[0]][p.c[0]] + p.opruga[0]);
    } else if (p.c.size() == 2) {
        const LD a = K[iF1][iF1] + p.opruga[0], b = K[iF1][iF2], d = K[iF2][iF2] + p.opruga[1];
        const LD det = a * d - b * b;
        p.B[0][0] = d / det, p.B[0][1] = -b / det, p.B[1][0] = -b / det, p.B[1][1] = a / det;
    }
    return p;
}

// Where each degree of freedom of the 6-order lands in the type's order (0: nowhere).
std::array<int, 6> Mesta6(const TStap& stap) {
    const TMestaStapa m = OsobineTipa(stap.TipStapa())->Mesta();
    return {m.u1, m.w1, m.fi1, m.u2, m.w2, m.fi2};
}

// Position of a 6-order index among the condensed ones; -1 when it keeps its row.
int UKondenzovanim(const TPodela& p, int i) {
    for (size_t j = 0; j < p.c.size(); ++j)
        if (p.c[j] == i) return int(j);
    return -1;
}

// Row i of (A + S)^-1 * K_c., as a product over the condensed indices.
LD BK(const TPodela& p, const TMatrica6& K, int a, int j) {
    LD s = 0;
    for (size_t b = 0; b < p.c.size(); ++b) s += p.B[a][b] * K[p.c[b]][j];
    return s;
}

}  // namespace

TMatrica6 KrutostUklestenog(const TStap& stap, long double fi) {
    const LD L = DuzinaStapa(stap);
    const LD E = stap.Materijal()->E();
    const LD EA_L = E * stap.Presek()->Aaksijalno() / L;
    const LD EI = E * stap.Presek()->I();
    const LD D = 1 + fi;
    const LD k12 = 12 * EI / (D * (L * L * L)), k6 = 6 * EI / (D * (L * L));
    const LD k4 = 4 * (1 + fi / 4) * EI / (D * L), k2 = 2 * (1 - fi / 2) * EI / (D * L);
    TMatrica6 K{};
    K[iU1][iU1] = K[iU2][iU2] = EA_L;
    K[iU1][iU2] = K[iU2][iU1] = -EA_L;
    const LD w[4][4] = {{k12, k6, -k12, k6}, {k6, k4, -k6, k2}, {-k12, -k6, k12, -k6}, {k6, k2, -k6, k4}};
    const int s[4] = {iW1, iF1, iW2, iF2};
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b) K[s[a]][s[b]] = w[a][b];
    return K;
}

TMatrix KondenzovanaKrutost(const TStap& stap, long double fi) {
    const TOsobineTipa* t = OsobineTipa(stap.TipStapa());
    if (!t) return TMatrix();
    const TMatrica6 K = KrutostUklestenog(stap, fi);
    const TPodela p = Podela(stap, K);
    const auto mesta = Mesta6(stap);
    TMatrix k;
    k.Resize(t->brojStepeni, t->brojStepeni);
    // Rows kept: K_rr - K_rc (A+S)^-1 K_cr. A spring end's node row: S (A+S)^-1 K_cr, and against
    // itself S (A+S)^-1 A, the form that stays exact however stiff the spring is.
    for (int i = 0; i < 6; ++i) {
        const int ci = UKondenzovanim(p, i);
        if (!mesta[size_t(i)] || (ci >= 0 && !(p.opruga[size_t(ci)] > 0))) continue;
        for (int j = 0; j < 6; ++j) {
            const int cj = UKondenzovanim(p, j);
            if (!mesta[size_t(j)] || (cj >= 0 && !(p.opruga[size_t(cj)] > 0))) continue;
            LD v;
            if (ci >= 0 && cj >= 0) v = p.opruga[size_t(ci)] * BK(p, K, ci, j);
            else if (ci >= 0) v = p.opruga[size_t(ci)] * BK(p, K, ci, j);
            else if (cj >= 0) v = p.opruga[size_t(cj)] * BK(p, K, cj, i);
            else {
                v = K[i][j];
                for (size_t a = 0; a < p.c.size(); ++a) v -= K[i][p.c[a]] * BK(p, K, int(a), j);
            }
            k.SetElem(mesta[size_t(j)], mesta[size_t(i)], static_cast<double>(v));
        }
    }
    return k;
}

TMatrix KondenzovanoOpterecenje(const TStap& stap, const TVektor6& Q6, long double fi) {
    const TOsobineTipa* t = OsobineTipa(stap.TipStapa());
    if (!t) return TMatrix();
    const TMatrica6 K = KrutostUklestenog(stap, fi);
    const TPodela p = Podela(stap, K);
    const auto mesta = Mesta6(stap);
    LD BQ[2] = {0, 0};  // (A + S)^-1 Q_c
    for (size_t a = 0; a < p.c.size(); ++a)
        for (size_t b = 0; b < p.c.size(); ++b) BQ[a] += p.B[a][b] * Q6[size_t(p.c[b])];
    TMatrix Q;
    Q.Resize(1, t->brojStepeni);
    for (int i = 0; i < 6; ++i) {
        if (!mesta[size_t(i)]) continue;
        const int ci = UKondenzovanim(p, i);
        LD v;
        if (ci >= 0) {
            v = p.opruga[size_t(ci)] * BQ[ci];
        } else {
            v = Q6[size_t(i)];
            for (size_t a = 0; a < p.c.size(); ++a) v -= K[i][p.c[a]] * BQ[a];
        }
        Q.SetElem(1, mesta[size_t(i)], static_cast<double>(v));
    }
    return Q;
}
