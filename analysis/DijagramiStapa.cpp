#include "DijagramiStapa.h"

#include <algorithm>
#include <cmath>

#include "ElementStapa.h"
#include "Matrix.h"
#include "Model.h"
#include "NulePolinoma.h"
#include "OpterecenjeUklestenog.h"
#include "TipoviStapa.h"

namespace {

using LD = long double;

// Positions of the end forces and displacements in the member's local order; 0 = the type has none.
TMestaStapa Mesta(int tip) {
    const TOsobineTipa* t = OsobineTipa(tip);
    return t ? t->Mesta() : TMestaStapa{0, 0, 0, 0, 0, 0};
}

LD Clan(const TMatrix& v, int red) { return red ? LD(v.Elem(1, red)) : 0.0L; }

template <size_t n>
LD Horner(const LD (&c)[n], LD x) {
    LD r = c[n - 1];
    for (size_t i = n - 1; i-- > 0;) r = r * x + c[i];
    return r;
}

TVrednostiPreseka UDelu(const TDeoDijagrama& d, LD x) {
    const LD xi = x - d.x0;
    // + 0 turns a negative zero into zero, so tables do not show "-0".
    return {Horner(d.N, xi) + 0, Horner(d.T, xi) + 0, Horner(d.M, xi) + 0,
            Horner(d.u, xi) + 0, Horner(d.w, xi) + 0, Horner(d.fi, xi) + 0};
}

// Concentrated actions at one position: jumps of N, T and M going past it in +x.
struct TKoncentrisano {
    LD x, dN, dT, dM;
};
// A distributed load over [od, doKraja]: qy across at od growing by nagib per unit length, px along.
struct TRaspodeljeno {
    LD od, doKraja, qy, px, nagib = 0;
};

void Uzmi(TEkstremiVelicine& e, LD v, LD x, bool& prvi) {
    if (prvi || v > e.max.vrednost) e.max = {v, x};
    if (prvi || v < e.min.vrednost) e.min = {v, x};
    prvi = false;
}

void Ekstremi(TDijagramiStapa& d) {
    bool pN = true, pT = true, pM = true, pW = true;
    for (const TDeoDijagrama& s : d.delovi) {
        const LD h = s.x1 - s.x0;
        for (LD xi : {LD(0), h}) {
            const TVrednostiPreseka v = UDelu(s, s.x0 + xi);
            Uzmi(d.ekstremN, v.N, s.x0 + xi, pN);
            Uzmi(d.ekstremT, v.T, s.x0 + xi, pT);
            Uzmi(d.ekstremM, v.M, s.x0 + xi, pM);
            Uzmi(d.ekstremW, v.w, s.x0 + xi, pW);
        }
        // M is stationary where T changes sign, T stationary where the load does.
        if (s.T[2] != 0) {
            for (LD xi : NulePolinoma({s.T[0], s.T[1], s.T[2]}, h)) Uzmi(d.ekstremM, Horner(s.M, xi), s.x0 + xi, pM);
            const LD xi = -s.T[1] / (2 * s.T[2]);
            if (xi > 0 && xi < h) Uzmi(d.ekstremT, Horner(s.T, xi), s.x0 + xi, pT);
        } else if (s.T[1] != 0) {
            const LD xi = -s.T[0] / s.T[1];
            if (xi > 0 && xi < h) Uzmi(d.ekstremM, Horner(s.M, xi), s.x0 + xi, pM);
        }
        if (s.w[5] != 0) {
            for (LD xi : NulePolinoma({s.w[1], 2 * s.w[2], 3 * s.w[3], 4 * s.w[4], 5 * s.w[5]}, h))
                Uzmi(d.ekstremW, Horner(s.w, xi), s.x0 + xi, pW);
        } else {
            const LD dw[4] = {s.w[1], 2 * s.w[2], 3 * s.w[3], 4 * s.w[4]};
            for (LD xi : NuleKubne(dw, h)) Uzmi(d.ekstremW, Horner(s.w, xi), s.x0 + xi, pW);
        }
    }
}

}  // namespace

std::vector<long double> TDijagramiStapa::Stanice(int n) const {
    n = std::max(1, n);
    std::vector<long double> x(size_t(n) + 1);
    for (int i = 0; i <= n; ++i) x[size_t(i)] = i == n ? L : L * i / n;
    return x;
}

const TDeoDijagrama& TDijagramiStapa::Deo(long double& x, bool desno, size_t* od) const {
    x = std::clamp(x, 0.0L, L);
    const LD tol = 1e-12L * L;
    // The first part that ends beyond x (right side) or at or beyond it (left side). The ends grow
    // along the member, so for growing x the part found last is a floor to walk on from.
    auto dalje = [&](size_t m) {
        const LD kraj = delovi[m].x1;
        return desno ? kraj > x + tol : kraj >= x - tol;
    };
    size_t lo = 0, hi = delovi.size();
    if (od) {
        for (lo = *od; lo < hi && !dalje(lo);) ++lo;
        *od = lo;
    } else {
        while (lo < hi) {
            const size_t m = (lo + hi) / 2;
            if (dalje(m)) hi = m;
            else lo = m + 1;
        }
    }
    size_t i = lo;
    i = std::min(i, delovi.size() - 1);
    const TDeoDijagrama& d = delovi[i];
    // On a part boundary the boundary itself is used, so a station a rounding away from an action
    // takes the side it asks for.
    if (std::fabs(x - d.x0) <= tol) x = d.x0;
    else if (std::fabs(x - d.x1) <= tol) x = d.x1;
    return d;
}

TVrednostiPreseka TDijagramiStapa::Vrednosti(long double x, bool desno) const {
    if (delovi.empty()) return {};
    const TDeoDijagrama& d = Deo(x, desno);
    return UDelu(d, x);
}

long double TDijagramiStapa::Sila(TSila koja, long double x, bool desno, size_t* od) const {
    if (delovi.empty()) return 0;
    const TDeoDijagrama& d = Deo(x, desno, od);
    const LD xi = x - d.x0;
    switch (koja) {
        case TSila::N: return Horner(d.N, xi) + 0;
        case TSila::T: return Horner(d.T, xi) + 0;
        default: return Horner(d.M, xi) + 0;
    }
}

TDijagramiStapa::TPomeranja TDijagramiStapa::Pomeranja(long double x, bool desno, size_t* od) const {
    if (delovi.empty()) return {};
    const TDeoDijagrama& d = Deo(x, desno, od);
    const LD xi = x - d.x0;
    return {Horner(d.u, xi) + 0, Horner(d.w, xi) + 0};
}

TDijagramiStapa IzracunajDijagrameStapa(const TStap& stap, const TMatrix& RL, const TMatrix& qL,
                                        const std::vector<const TOpterecenje*>& opterecenja) {
    TDijagramiStapa d;
    const LD L = DuzinaStapa(stap);
    d.L = L;
    const TMestaStapa m = Mesta(stap.TipStapa());
    if (!m.u1 || !(L > 0)) {
        d.delovi.push_back(TDeoDijagrama{0, L, {}, {}, {}, {}, {}, {}});
        return d;
    }
    const TMaterijal& mat = *stap.Materijal();
    const TPresek& pr = *stap.Presek();
    const LD EA = mat.E() * pr.Aaksijalno();
    const LD EI = mat.E() * pr.I();
    const LD c = pr.k() / (mat.G() * pr.Aaksijalno());  // shear flexibility; 12*EI*c/L^2 is Fi

    std::vector<TKoncentrisano> konc;
    std::vector<TRaspodeljeno> rasp;
    LD t = 0, dt = 0;
    auto naStapu = [&](LD pozicija) { return std::clamp(pozicija * L, 0.0L, L); };
    for (const TOpterecenje* o : opterecenja) {
        switch (o->Tip()) {
            case toV: konc.push_back({naStapu(o->PozicijaKoncentrisaneSile()), 0, o->KoncentrisanaSila(), 0}); break;
            case toM:
                konc.push_back({naStapu(o->PozicijaKoncentrisanogMomenta()), 0, 0, -o->KoncentrisaniMoment()});
                break;
            case toH:
                konc.push_back(
                    {naStapu(o->PozicijaKoncentrisaneSileUPravcuOse()), -o->KoncentrisanaSilaUPravcuOse(), 0, 0});
                break;
            case toPn:
                rasp.push_back({naStapu(o->PocetakRaspodeljenog()), naStapu(o->KrajRaspodeljenog()),
                                o->RaspodeljenoOpterecenje(), 0});
                break;
            case toPt:
                rasp.push_back({naStapu(o->PocetakRaspodeljenogUPravcuOse()), naStapu(o->KrajRaspodeljenogUPravcuOse()),
                                0, o->RaspodeljenoOpterecenjeUPravcuOse()});
                break;
            case toLinearno: {
                const LD od = naStapu(o->PocetakRaspodeljenog()), doKraja = naStapu(o->KrajRaspodeljenog());
                if (!(doKraja > od)) break;
                const LD p1 = o->RaspodeljenoOpterecenje(), p2 = o->RaspodeljenoOpterecenjeUPravcuOse();
                rasp.push_back({od, doKraja, p1, 0, (p2 - p1) / (doKraja - od)});
                break;
            }
            case toSopstvenaTezina: {
                const TSopstvenaTezina g = KomponenteTezine(stap, *o);
                rasp.push_back({0, L, g.qy, g.px});
                break;
            }
            case toT: t += o->TemperaturnaPromena(); break;
            case toDeltaT: dt += o->TemperaturnaRazlika(); break;
            default: break;
        }
    }
    const LD eps = mat.AlfaT() * t;             // free axial strain
    const LD kap = -mat.AlfaT() * dt / pr.h();  // free curvature: the warmer +y face lengthens

    // Part boundaries: the ends, every concentrated action, every start and end of a distributed
    // load; positions a rounding apart are one boundary.
    const LD tol = 1e-12L * L;
    std::vector<LD> granice{0, L};
    for (const auto& k : konc) granice.push_back(k.x);
    for (const auto& r : rasp) granice.insert(granice.end(), {r.od, r.doKraja});
    std::sort(granice.begin(), granice.end());
    std::vector<LD> b;
    for (LD x : granice)
        if (b.empty() || x - b.back() > tol) b.push_back(x);
    b.back() = L;
    auto granica = [&](LD x) {
        size_t j = 0;
        for (size_t i = 1; i < b.size(); ++i)
            if (std::fabs(b[i] - x) < std::fabs(b[j] - x)) j = i;
        return j;
    };
    std::vector<TKoncentrisano> poGranici(b.size(), TKoncentrisano{0, 0, 0, 0});
    std::vector<bool> imaAkciju(b.size(), false);
    for (const auto& k : konc) {
        const size_t j = granica(k.x);
        poGranici[j].dN += k.dN;
        poGranici[j].dT += k.dT;
        poGranici[j].dM += k.dM;
        imaAkciju[j] = true;
    }

    // The state at the start from the end forces on the member there: N = -R_u1, T = R_w1,
    // M = -R_phi1 (0 at a hinge). The start rotation of a hinged start is found below.
    // Behind a spring the member's own end turns less than the node by the spring's share.
    auto rotacijaKraja = [&](int red, bool naPocetku) {
        const LD k = stap.Opruga(naPocetku);
        return k > 0 ? Clan(qL, red) - Clan(RL, red) / k : Clan(qL, red);
    };
    TVrednostiPreseka s{-Clan(RL, m.u1), Clan(RL, m.w1), -Clan(RL, m.fi1),
                        Clan(qL, m.u1),  Clan(qL, m.w1), rotacijaKraja(m.fi1, true)};
    for (size_t j = 0; j < b.size(); ++j) {
        if (imaAkciju[j]) {
            TSkok skok{b[j], s, s};
            skok.desno.N += poGranici[j].dN;
            skok.desno.T += poGranici[j].dT;
            skok.desno.M += poGranici[j].dM;
            d.skokovi.push_back(skok);
            s = skok.desno;
        }
        if (j + 1 == b.size()) break;
        TDeoDijagrama p;
        p.x0 = b[j];
        p.x1 = b[j + 1];
        const LD sredina = p.x0 + (p.x1 - p.x0) / 2;
        LD q = 0, px = 0, dq = 0;  // q + dq * xi across the part
        for (const auto& r : rasp)
            if (r.od < sredina && sredina < r.doKraja) {
                q += r.nagib != 0 ? r.qy + r.nagib * (p.x0 - r.od) : r.qy;
                px += r.px, dq += r.nagib;
            }
        p.N[0] = s.N, p.N[1] = -px;
        p.T[0] = s.T, p.T[1] = q;
        p.M[0] = s.M, p.M[1] = s.T, p.M[2] = q / 2;
        p.u[0] = s.u, p.u[1] = s.N / EA + eps, p.u[2] = -px / (2 * EA);
        p.fi[0] = s.fi, p.fi[1] = s.M / EI + kap, p.fi[2] = s.T / (2 * EI), p.fi[3] = q / (6 * EI);
        p.w[0] = s.w, p.w[1] = s.fi - c * s.T, p.w[2] = s.M / (2 * EI) + kap / 2 - c * q / 2, p.w[3] = s.T / (6 * EI),
        p.w[4] = q / (24 * EI);
        if (dq != 0) {
            p.T[2] = dq / 2, p.M[3] = dq / 6, p.fi[4] = dq / (24 * EI);
            p.w[3] -= c * dq / 6, p.w[5] = dq / (120 * EI);
        }
        d.delovi.push_back(p);
        s = UDelu(p, p.x1);
    }

    // Closing the line on the end node. With rigid ends and consistent end forces the mismatch is a
    // rounding; it is real when shear deformation meets transverse member loads, whose equivalent
    // loads leave shear out. The correction is the member's own unloaded response (a start rotation
    // where the start is hinged, a linear moment otherwise), so the line keeps every end condition.
    const LD ew = s.w - Clan(qL, m.w2);
    const LD ef = m.fi2 ? s.fi - rotacijaKraja(m.fi2, false) : 0;
    LD a0 = 0, m0 = 0, t0 = 0;  // correction: fi += a0 + (m0 x + t0 x^2/2)/EI, w += its integral - c t0 x
    const LD savitljivost = L * L * L / (3 * EI) + c * L;
    const TOsobineTipa& tip = *OsobineTipa(stap.TipStapa());  // a known type: Mesta found its rows
    if (tip.krutPocetak && tip.krutKraj) {
        const LD a11 = L / EI, a12 = L * L / (2 * EI), a22 = L * L * L / (6 * EI) - c * L;
        const LD det = a11 * a22 - a12 * a12;
        m0 = (-ef * a22 + ew * a12) / det;
        t0 = (-ew * a11 + ef * a12) / det;
    } else if (tip.krutPocetak) {
        t0 = ew / savitljivost, m0 = -t0 * L;
    } else if (tip.krutKraj) {
        t0 = (ew - ef * L) / savitljivost;
        a0 = -ef - t0 * L * L / (2 * EI);
    } else {
        a0 = -ew / L;
    }
    for (TDeoDijagrama& p : d.delovi) {
        const LD x = p.x0;
        const LD f0 = a0 + (m0 * x + t0 * x * x / 2) / EI;
        const LD f1 = (m0 + t0 * x) / EI;
        p.fi[0] += f0, p.fi[1] += f1, p.fi[2] += t0 / (2 * EI);
        p.w[0] += a0 * x + (m0 * x * x / 2 + t0 * x * x * x / 6) / EI - c * t0 * x;
        p.w[1] += f0 - c * t0, p.w[2] += f1 / 2, p.w[3] += t0 / (6 * EI);
    }
    for (TSkok& k : d.skokovi) {
        const TVrednostiPreseka v = d.Vrednosti(k.x);
        k.levo.u = k.desno.u = v.u;
        k.levo.w = k.desno.w = v.w;
        k.levo.fi = k.desno.fi = v.fi;
    }
    Ekstremi(d);
    return d;
}
