#include "CrtanjeUticajneLinije.h"

#include <algorithm>
#include <cmath>

#include "CrtanjeDijagrama.h"

namespace {

using LD = long double;

constexpr int VelicinaVrednosti = 9;  // points
constexpr int Uzoraka = 24;           // samples of a stretch of the outline
constexpr int Srafura = 60;           // hatch lines over the longest member

struct TOsa {
    double x0, z0, ex, ez, nx, nz;
};
TOsa Osa(const TStap& s) {
    const double dx = double(s.KrajnjiCvor()->X() - s.PocetniCvor()->X());
    const double dz = double(s.KrajnjiCvor()->Z() - s.PocetniCvor()->Z());
    const double L = std::hypot(dx, dz);
    return {double(s.PocetniCvor()->X()), double(s.PocetniCvor()->Z()), dx / L, dz / L, -dz / L, dx / L};
}

QString Broj(LD v) { return QString::number(double(v), 'g', 4); }

struct TCrtac {
    TPlotPovrsina& g;
    double razmera;
    TOsa o{};
    double xmin = INFINITY, xmax = -INFINITY, zmin = INFINITY, zmax = -INFINITY;  // what was drawn
    // The ordinate v at x, on the -y side when positive.
    void Tacka(LD x, LD v, double& px, double& pz) {
        const double k = -double(v) * razmera;
        px = o.x0 + o.ex * double(x) + o.nx * k;
        pz = o.z0 + o.ez * double(x) + o.nz * k;
        xmin = std::min(xmin, px), xmax = std::max(xmax, px), zmin = std::min(zmin, pz), zmax = std::max(zmax, pz);
    }
    // The view fitted to the structure widened to the line, with a margin for its values.
    void ObuhvatiLiniju() const {
        if (!(xmax >= xmin && zmax >= zmin)) return;
        const double mx = 0.08 * (xmax - xmin) + 1e-9, mz = 0.12 * (zmax - zmin) + 1e-9;
        if (xmin - mx < g.Scale1X.RangeLow()) g.Scale1X.SetRangeLow(xmin - mx);
        if (xmax + mx > g.Scale1X.RangeHigh()) g.Scale1X.SetRangeHigh(xmax + mx);
        if (zmin - mz < g.Scale1Y.RangeLow()) g.Scale1Y.SetRangeLow(zmin - mz);
        if (zmax + mz > g.Scale1Y.RangeHigh()) g.Scale1Y.SetRangeHigh(zmax + mz);
    }
    void Vrednost(LD x, LD v) {
        double px, pz;
        Tacka(x, v, px, pz);
        const double smer = v >= 0 ? -1 : 1;
        g.DataColor = v >= 0 ? BojaUticajaPlus : BojaUticajaMinus;
        g.Oznaka(TTackaOblika{px, pz, 0, 0}, o.nx * smer, o.nz * smer, Broj(v), ozVrednost, VelicinaVrednosti);
    }
};

void CrtajStap(TCrtac& c, const TUticajStapa& u, double korak) {
    double px, pz;
    const int srafura = std::clamp(int(double(u.L) / korak), 2, 400);
    for (int k = 1; k < srafura; ++k) {
        const LD x = u.L * k / srafura, v = u.Vrednost(x);
        c.g.DataColor = v >= 0 ? SrafuraUticajaPlus : SrafuraUticajaMinus;
        c.Tacka(x, v, px, pz);
        c.g.MoveTo(c.o.x0 + c.o.ex * double(x), c.o.z0 + c.o.ez * double(x));
        c.g.DrawTo(px, pz);
    }
    // The outline of each stretch from the axis and back to it, so a jump shows both its sides.
    for (const TDeoUticaja& d : u.delovi) {
        c.g.DataColor = d.Vrednost((d.x0 + d.x1) / 2) >= 0 ? BojaUticajaPlus : BojaUticajaMinus;
        c.g.MoveTo(c.o.x0 + c.o.ex * double(d.x0), c.o.z0 + c.o.ez * double(d.x0));
        for (int k = 0; k <= Uzoraka; ++k) {
            const LD x = d.x0 + (d.x1 - d.x0) * k / Uzoraka;
            c.Tacka(x, d.Vrednost(x), px, pz);
            c.g.DrawTo(px, pz);
        }
        c.g.DrawTo(c.o.x0 + c.o.ex * double(d.x1), c.o.z0 + c.o.ez * double(d.x1));
    }
}

bool Oslonjen(const TCvor* c) { return c->OslX() || c->OslZ() || c->UkljY() || c->ImaOprugu(); }

// The values: supports, the section, and the largest and smallest ordinate on every member.
void CrtajVrednosti(TCrtac& c, const TModel& model, const TUticajnaLinija& l, const TZahtevUticaja& z, LD najveca) {
    struct TMesto {
        const TUticajStapa* u;
        LD x, v;
    };
    std::vector<TMesto> mesta;
    for (const TUticajStapa& u : l.stapovi) {
        // Each member's own extremes, so that every span shows its peak, not only the largest.
        TMesto max{nullptr, 0, 0}, min{nullptr, 0, 0};
        const TStap& s = *NadjiStap(model, u.idStapa);
        if (Oslonjen(s.PocetniCvor())) mesta.push_back({&u, 0, u.Vrednost(0)});
        if (Oslonjen(s.KrajnjiCvor())) mesta.push_back({&u, u.L, u.Vrednost(u.L)});
        if (VelicinaPreseka(z.velicina) && u.idStapa == z.idStapa)
            for (bool desno : {false, true}) mesta.push_back({&u, z.x, u.Vrednost(z.x, desno)});
        for (const TDeoUticaja& d : u.delovi) {
            // Ends of each stretch and the turning points of its cubic.
            std::vector<LD> xs{d.x0, d.x1};
            const LD a = 3 * d.c[3], b = 2 * d.c[2], D = b * b - 4 * a * d.c[1];
            if (a != 0 && D >= 0)
                for (LD r : {(-b - std::sqrt(D)) / (2 * a), (-b + std::sqrt(D)) / (2 * a)}) xs.push_back(r);
            for (LD x : xs) {
                if (!(x >= d.x0 && x <= d.x1)) continue;
                const LD v = d.Vrednost(x);
                if (!max.u || v > max.v) max = {&u, x, v};
                if (!min.u || v < min.v) min = {&u, x, v};
            }
        }
        mesta.push_back(max);
        mesta.push_back(min);
    }
    std::vector<TMesto> nacrtana;
    for (const TMesto& m : mesta) {
        if (!m.u || std::fabs(m.v) <= najveca * 1e-9L) continue;
        const bool vec = std::any_of(nacrtana.begin(), nacrtana.end(), [&](const TMesto& n) {
            return n.u == m.u && std::fabs(n.x - m.x) <= m.u->L * 1e-6L && std::fabs(n.v - m.v) <= najveca * 1e-9L;
        });
        if (vec) continue;
        c.o = Osa(*NadjiStap(model, m.u->idStapa));
        c.Vrednost(m.x, m.v);
        nacrtana.push_back(m);
    }
}

// A point of the path in the plane, and the member's axis there.
bool NaPutu(const TModel& model, const TUticajnaLinija& l, LD t, double& x, double& z) {
    for (const TUticajStapa& u : l.stapovi) {
        if (t < u.pocetak || t > u.pocetak + u.L) continue;
        const TOsa o = Osa(*NadjiStap(model, u.idStapa));
        const double s = double(u.obrnut ? u.L - (t - u.pocetak) : t - u.pocetak);
        x = o.x0 + o.ex * s, z = o.z0 + o.ez * s;
        return true;
    }
    return false;
}

void CrtajVoz(TPlotPovrsina& g, const TModel& model, const TUticajnaLinija& l, const TPodesavanja& p, const TVoz& voz,
              const TEkstremiVoza& e) {
    const double h = 0.12 * VelicinaZaDijagram(model, p);
    auto strelica = [&](LD t, LD P, bool oznaka, const QString& natpis) {
        double x, z;
        if (!NaPutu(model, l, t, x, z)) return;
        g.Arrow(x, z + h, x, z, 10);
        if (oznaka) g.Text(x, z + h, VelicinaVrednosti, natpis + Broj(P), 0, -4, taCenter);
    };
    // The train where it gives the maximum, and in its own tint where it gives the minimum.
    auto polozaj = [&](LD s0, TColor boja, const QString& natpis) {
        g.DataColor = boja;
        for (const TSilaVoza& f : voz.sile) strelica(s0 + f.d, f.P, true, natpis);
        for (const TRaspodeljenoVoza& r : voz.raspodeljena)
            for (int k = 0; k <= 8; ++k) strelica(s0 + r.od + r.duzina * k / 8, r.q, k == 4, natpis);
    };
    const bool razliciti = e.min.s != e.max.s;
    polozaj(e.max.s, BojaVoza, razliciti ? QStringLiteral("max: ") : QString());
    if (razliciti) polozaj(e.min.s, BojaVozaMin, QStringLiteral("min: "));
}

}  // namespace

void CrtajUticajnuLiniju(TPlotPovrsina& g, const TModel& model, const TPodesavanja& p, const TUticajnaLinija& l,
                         const TZahtevUticaja& z, const TVoz* voz, const TEkstremiVoza* ekstremi) {
    LD najveca = 0, najduzi = 0;
    for (const TUticajStapa& u : l.stapovi) {
        najduzi = std::max(najduzi, u.L);
        for (const TDeoUticaja& d : u.delovi)
            for (int k = 0; k <= Uzoraka; ++k)
                najveca = std::max(najveca, std::fabs(d.Vrednost(d.x0 + (d.x1 - d.x0) * k / Uzoraka)));
    }
    if (!(najveca > 0) || !std::isfinite(double(najveca))) return;
    TCrtac c{g, double(UdeoDijagrama * 1.5 * VelicinaZaDijagram(model, p) / najveca)};
    for (const TUticajStapa& u : l.stapovi) {
        c.o = Osa(*NadjiStap(model, u.idStapa));
        CrtajStap(c, u, double(najduzi) / Srafura);
    }
    CrtajVrednosti(c, model, l, z, najveca);
    if (voz && ekstremi) CrtajVoz(g, model, l, p, *voz, *ekstremi);
    c.ObuhvatiLiniju();
}

std::optional<std::string> OrdinataPodTackom(const TPlotPovrsina& g, const TModel& model, const TUticajnaLinija& l,
                                             int px, int py) {
    const auto t = StapPodTackom(g, model, px, py);
    if (!t) return std::nullopt;
    const int id = model.nizStapova[t->stap]->ID();
    for (const TUticajStapa& u : l.stapovi)
        if (u.idStapa == id)
            return "Stap " + std::to_string(id) + ", x = " + Broj(t->x).toStdString() + ": " + ImeVelicine(l.velicina) +
                   " = " + Broj(u.Vrednost(t->x)).toStdString();
    return std::nullopt;
}
