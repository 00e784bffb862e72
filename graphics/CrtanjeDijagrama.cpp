#include "CrtanjeDijagrama.h"

#include <algorithm>
#include <cmath>

#include "Brojevi.h"
#include "ElementStapa.h"

namespace {

using LD = long double;

constexpr int VelicinaVrednosti = 9;    // points
constexpr int PomakVrednosti = 6;       // pixels beyond the ordinate's tip
constexpr double GustinaSrafure = 120;  // hatch lines over the structure's size
constexpr int TacakaNaStapu = 32;       // samples of a curve along a member as long as the structure
constexpr int NajviseTacaka = 32;       // ... and along any member

// The member's axis in the plot: start point, unit vectors along x and y (y a quarter turn from x
// toward Z).
struct TOsa {
    double x0, z0, ex, ez, nx, nz;
    bool ispravna;
};
TOsa Osa(const TStap& s) {
    const TCvor* a = s.PocetniCvor();
    const TCvor* b = s.KrajnjiCvor();
    if (!a || !b) return {0, 0, 0, 0, 0, 0, false};
    const double dx = double(b->X() - a->X()), dz = double(b->Z() - a->Z());
    const double L = std::hypot(dx, dz);
    if (!(L > 0)) return {0, 0, 0, 0, 0, 0, false};
    return {double(a->X()), double(a->Z()), dx / L, dz / L, -dz / L, dx / L, true};
}

// Whether the member, widened by `siri` (its drawing's reach off the axis), reaches the region.
bool UPodrucju(const TStap& s, double siri, const TPodrucjeDetalja& podrucje) {
    if (podrucje.svuda) return true;
    const TCvor* a = s.PocetniCvor();
    const TCvor* b = s.KrajnjiCvor();
    return !a || !b || podrucje.Dotice(double(a->X()), double(a->Z()), double(b->X()), double(b->Z()), siri);
}

// How far the deflected line of a member strays from its axis, per unit of the multiplier, with
// room to spare: twice the largest of the ends' movement and the extreme deflections.
double PomakLinije(const TDijagramiStapa& d) {
    const TVrednostiPreseka a = d.Vrednosti(0), b = d.Vrednosti(d.L);
    const LD v = std::max({std::hypot(a.u, a.w), std::hypot(b.u, b.w), std::fabs(d.ekstremW.max.vrednost),
                           std::fabs(d.ekstremW.min.vrednost)});
    return 2 * double(v);
}

// Samples of one stretch of a curve: by its length against the structure's size, so a frame of
// thousands of members stays a display list of a manageable size, and at least a few.
int Tacaka(const TDeoDijagrama& d, double velicina) {
    // Bounded as a real: a degenerate size gives an infinity or a NaN, which no int can hold.
    const double n = std::ceil(TacakaNaStapu * double(d.x1 - d.x0) / velicina);
    if (!(n > 4)) return 4;
    return n < NajviseTacaka ? int(n) : NajviseTacaka;
}

TColor Svetlija(TColor c) {
    auto kanal = [&](int pomak) {
        const int v = int((c >> pomak) & 0xFF);
        return TColor(v + (255 - v) * 3 / 5) << pomak;
    };
    return kanal(16) | kanal(8) | kanal(0);
}

// The value the diagram shows, and on which side of the member positive values lie (+1: +y).
LD Vrednost(const TVrednostiPreseka& v, int dijagram) {
    switch (dijagram) {
        case TPrikaz::N: return v.N;
        case TPrikaz::T: return v.T;
        default: return v.M;
    }
}
int Strana(int dijagram) { return dijagram == TPrikaz::M ? -1 : 1; }

const TEkstremiVelicine& Ekstremi(const TDijagramiStapa& d, int dijagram) {
    switch (dijagram) {
        case TPrikaz::N: return d.ekstremN;
        case TPrikaz::T: return d.ekstremT;
        default: return d.ekstremM;
    }
}

QString KratakBroj(LD v) { return QString::number(double(v), 'g', 4); }

void Oznaka(TPlotPovrsina& g, const TOsa& o, double px, double pz, double smer, LD v, bool rasporedi) {
    // In the engineering drawing the painter places the value clear of symbols and other labels.
    if (rasporedi) {
        g.Oznaka(TTackaOblika{px, pz, 0, 0}, o.nx * smer, o.nz * smer, KratakBroj(v), ozVrednost, VelicinaVrednosti);
        return;
    }
    // Past the ordinate's tip, away from the member, so the value clears the structure's own labels
    // that sit beside nodes and member midpoints.
    const double nx = o.nx * smer, nz = o.nz * smer;
    const TAlignment poravnanje = nx > 0.3 ? taLeftJustify : nx < -0.3 ? taRightJustify : taCenter;
    g.Text(px, pz, VelicinaVrednosti, KratakBroj(v), int(std::lround(PomakVrednosti * nx)),
           int(std::lround(-PomakVrednosti * nz - (std::fabs(nx) > 0.3 ? 0 : 4 * (nz < 0 ? -1 : 1)))), poravnanje);
}

// One diagram drawn over every member: the scale and looks shared by all of them.
struct TCrtanjeDijagrama {
    TPlotPovrsina& g;
    int vrsta;
    double razmera, velicina, korakSrafure;
    TColor boja;
    double strana;
    LD zanemarljivo;
    bool rasporedi;

    TSila Sila() const { return vrsta == TPrikaz::N ? TSila::N : vrsta == TPrikaz::T ? TSila::T : TSila::M; }
    int Srafura(const TDijagramiStapa& d) const { return std::clamp(int(double(d.L) / korakSrafure), 2, 200); }
    bool Kriva(const TDeoDijagrama& deo) const { return vrsta == TPrikaz::M || (vrsta == TPrikaz::T && deo.T[2] != 0); }
    void Tacka(const TOsa& o, LD x, LD v, double& px, double& pz) const {
        const double k = double(v) * razmera * strana;
        px = o.x0 + o.ex * double(x) + o.nx * k;
        pz = o.z0 + o.ez * double(x) + o.nz * k;
    }

    // The items Stap adds for one member, values aside (at most four of them).
    size_t Stavki(const TStap& s, const TDijagramiStapa& d) const {
        if (!Osa(s).ispravna || d.delovi.empty()) return 0;
        size_t n = 2 * size_t(Srafura(d) - 1) + 2 + 4;
        for (const TDeoDijagrama& deo : d.delovi) n += size_t(Kriva(deo) ? Tacaka(deo, velicina) : 1) + 1;
        return n;
    }

    void Stap(const TStap& s, const TDijagramiStapa& d) const {
        const TOsa o = Osa(s);
        if (!o.ispravna || d.delovi.empty()) return;
        Srafura(o, d);
        Obris(o, d);
        Vrednosti(o, d);
    }

    // Hatching: ordinates at even steps, in the lighter tint.
    void Srafura(const TOsa& o, const TDijagramiStapa& d) const {
        g.DataColor = Svetlija(boja);
        const TSila koja = Sila();
        const int srafura = Srafura(d);
        double px, pz;
        size_t deo = 0;
        for (int k = 1; k < srafura; ++k) {
            const LD x = d.L * k / srafura;
            Tacka(o, x, d.Sila(koja, x, true, &deo), px, pz);
            g.MoveTo(o.x0 + o.ex * double(x), o.z0 + o.ez * double(x));
            g.DrawTo(px, pz);
        }
    }

    // Outline: from the axis at the start along every stretch (both sides of each jump) back to
    // the axis at the end.
    void Obris(const TOsa& o, const TDijagramiStapa& d) const {
        g.DataColor = boja;
        g.MoveTo(o.x0, o.z0);
        double px, pz;
        for (const TDeoDijagrama& deo : d.delovi) {
            const int tacaka = Kriva(deo) ? Tacaka(deo, velicina) : 1;
            for (int k = 0; k <= tacaka; ++k) {
                const LD x = deo.x0 + (deo.x1 - deo.x0) * k / tacaka;
                const LD xi = x - deo.x0;
                // Only the force shown is worked out.
                const LD v = vrsta == TPrikaz::N   ? deo.N[0] + deo.N[1] * xi
                             : vrsta == TPrikaz::T ? deo.T[0] + (deo.T[1] + deo.T[2] * xi) * xi
                                                   : deo.M[0] + (deo.M[1] + (deo.M[2] + deo.M[3] * xi) * xi) * xi;
                Tacka(o, x, v, px, pz);
                g.DrawTo(px, pz);
            }
        }
        g.DrawTo(o.x0 + o.ex * double(d.L), o.z0 + o.ez * double(d.L));
    }

    // Values: both ends and the interior extremes.
    void Vrednosti(const TOsa& o, const TDijagramiStapa& d) const {
        std::pair<LD, LD> oznake[4] = {{0, Vrednost(d.Vrednosti(0, true), vrsta)},
                                       {d.L, Vrednost(d.Vrednosti(d.L, false), vrsta)}};
        size_t n = 2;
        const TEkstremiVelicine& e = Ekstremi(d, vrsta);
        for (const TEkstrem& ek : {e.max, e.min})
            if (ek.x > d.L * 1e-6L && ek.x < d.L * (1 - 1e-6L)) oznake[n++] = {ek.x, ek.vrednost};
        // A diagram that is the same at both ends and has no interior extreme is named once, in
        // the middle.
        if (n == 2 && std::fabs(oznake[0].second - oznake[1].second) <= zanemarljivo)
            oznake[0] = {d.L / 2, oznake[0].second}, n = 1;
        double px, pz;
        for (size_t k = 0; k < n; ++k) {
            const auto [x, v] = oznake[k];
            if (std::fabs(v) <= zanemarljivo) continue;
            bool vec = false;
            for (size_t j = 0; j < k; ++j)
                vec = vec || (std::fabs(oznake[j].first - x) <= d.L * 1e-6L &&
                              std::fabs(oznake[j].second - v) <= zanemarljivo);
            if (vec) continue;
            Tacka(o, x, v, px, pz);
            Oznaka(g, o, px, pz, v * strana >= 0 ? 1 : -1, v, rasporedi);
        }
    }
};

}  // namespace

double VelicinaZaDijagram(const TModel& model, const TPodesavanja& p) {
    if (model.nizCvorova.empty()) return 1;
    double x0 = double(model.nizCvorova[0]->X()), x1 = x0, z0 = double(model.nizCvorova[0]->Z()), z1 = z0;
    for (const auto& c : model.nizCvorova) {
        x0 = std::min(x0, double(c->X())), x1 = std::max(x1, double(c->X()));
        z0 = std::min(z0, double(c->Z())), z1 = std::max(z1, double(c->Z()));
    }
    if (p.prikaz.jednakaRazmera) {
        const double v = std::max(x1 - x0, z1 - z0);
        return v > 0 ? v : 1;
    }
    auto raspon = [](double a, double b) { return b > a ? 1.4 * (b - a) : 2 * std::max(1.0, std::fabs(a) * 1e-6); };
    return std::min(raspon(x0, x1), raspon(z0, z1));
}

double UdeoPrikaza(const TPlotPovrsina& g, const TPodesavanja& p) {
    const TPlotPovrsina::TOpsezi* u = p.prikaz.prilagodiRazmeru ? g.Uklapanje() : nullptr;
    if (!u) return 1;
    const double x = (g.Scale1X.RangeHigh() - g.Scale1X.RangeLow()) / (u->xH - u->xL);
    const double z = (g.Scale1Y.RangeHigh() - g.Scale1Y.RangeLow()) / (u->yH - u->yL);
    const double f = std::min(x, z);
    // A pan moves both ends of a range and may leave its width a rounding away from the fit's.
    if (!(f > 0) || !std::isfinite(f) || std::fabs(f - 1) < 1e-9) return 1;
    return f;
}

bool CrtezPratiPrikaz(const TPodesavanja& p) {
    return p.prikaz.dijagram != TPrikaz::Bez ||
           (p.prikaz.linijaDeformacije && !p.deformacijaNosaca && p.prikaziSimbolStapa);
}

std::vector<TDijagramiStapa> DijagramiZaCrtanje(const TModel& model, const TPodesavanja& p,
                                                const TStanjeAnalize* stanje) {
    const bool treba = p.prikaz.dijagram != TPrikaz::Bez || p.prikaz.linijaDeformacije;
    if (!treba || !stanje || !ImaRezultata(*stanje) || model.nizStapova.empty()) return {};
    try {
        return DijagramiSvihStapova(model, *stanje);
    } catch (const std::exception&) {
        return {};
    }
}

void CrtajDijagram(TPlotPovrsina& g, const TModel& model, TPodesavanja& p,
                   const std::vector<TDijagramiStapa>& dijagrami, double udeoPrikaza,
                   const TPodrucjeDetalja& podrucje) {
    const int vrsta = p.prikaz.dijagram;
    if (vrsta != TPrikaz::N && vrsta != TPrikaz::T && vrsta != TPrikaz::M) return;
    const auto m = ParsirajReal(p.prikaz.mnozilacDijagrama);
    long double mnozilac = 1;
    if (m && *m > 0 && std::isfinite(double(*m))) mnozilac = *m;
    else p.prikaz.mnozilacDijagrama = "1";
    if (dijagrami.size() != model.nizStapova.size()) return;

    LD najveca = 0;
    for (const auto& d : dijagrami) {
        const TEkstremiVelicine& e = Ekstremi(d, vrsta);
        najveca = std::max({najveca, std::fabs(e.max.vrednost), std::fabs(e.min.vrednost)});
    }
    if (!(najveca > 0) || !std::isfinite(double(najveca))) return;
    const double celina = VelicinaZaDijagram(model, p), velicina = celina * udeoPrikaza;
    const TCrtanjeDijagrama c{g,
                              vrsta,
                              double(UdeoDijagrama * velicina * mnozilac / najveca),
                              velicina,
                              velicina / GustinaSrafure,
                              vrsta == TPrikaz::N   ? BojaDijagramaN
                              : vrsta == TPrikaz::T ? BojaDijagramaT
                                                    : BojaDijagramaM,
                              double(Strana(vrsta)),
                              najveca * 1e-9L,
                              p.prikaz.simboli};
    // Away from the view: the same ordinates, sampled as at the fitted view.
    TCrtanjeDijagrama daleko = c;
    daleko.velicina = celina;
    daleko.korakSrafure = celina / GustinaSrafure;
    auto za = [&](size_t i) -> const TCrtanjeDijagrama& {
        const TEkstremiVelicine& e = Ekstremi(dijagrami[i], vrsta);
        const double siri = double(std::max(std::fabs(e.max.vrednost), std::fabs(e.min.vrednost))) * c.razmera;
        return UPodrucju(*model.nizStapova[i], siri, podrucje) ? c : daleko;
    };
    // The list grows once for the whole diagram instead of doubling its way up to it.
    size_t stavki = 0;
    for (size_t i = 0; i < dijagrami.size(); ++i) stavki += za(i).Stavki(*model.nizStapova[i], dijagrami[i]);
    g.Rezervisi(stavki);
    for (size_t i = 0; i < dijagrami.size(); ++i) za(i).Stap(*model.nizStapova[i], dijagrami[i]);
}

bool CrtajLinijuDeformacije(TPlotPovrsina& g, const TModel& model, const TPodesavanja& p,
                            const std::vector<TDijagramiStapa>& dijagrami, long double mnozilac, double udeoPrikaza,
                            const TPodrucjeDetalja& podrucje) {
    if (!p.prikaz.linijaDeformacije || dijagrami.size() != model.nizStapova.size() || dijagrami.empty()) return false;
    const double m = double(mnozilac);
    // Samples by the member's length on screen: a zoomed member's line stays smooth.
    const double celina = VelicinaZaDijagram(model, p), uVidu = celina * udeoPrikaza;
    for (size_t i = 0; i < dijagrami.size(); ++i) {
        const TOsa o = Osa(*model.nizStapova[i]);
        const TDijagramiStapa& d = dijagrami[i];
        if (!o.ispravna || d.delovi.empty()) continue;
        const double velicina = podrucje.svuda || UPodrucju(*model.nizStapova[i], PomakLinije(d) * std::fabs(m), podrucje)
                                    ? uVidu
                                    : celina;
        bool prva = true;
        size_t od = 0;
        for (const TDeoDijagrama& deo : d.delovi) {
            const int tacaka = Tacaka(deo, velicina);
            for (int k = prva ? 0 : 1; k <= tacaka; ++k) {
                const LD x = deo.x0 + (deo.x1 - deo.x0) * k / tacaka;
                const TDijagramiStapa::TPomeranja v = d.Pomeranja(x, k < tacaka, &od);
                const double s = double(x) + m * double(v.u), t = m * double(v.w);
                const double px = o.x0 + o.ex * s + o.nx * t, pz = o.z0 + o.ez * s + o.nz * t;
                if (prva) g.MoveTo(px, pz);
                else g.DrawTo(px, pz);
                prva = false;
            }
        }
    }
    return true;
}

long double MnozilacLinijeDeformacije(const TModel& model, const TPodesavanja& p,
                                      const std::vector<TDijagramiStapa>& dijagrami, double udeoPrikaza) {
    LD najvece = 0;
    for (const auto& c : model.nizCvorova) najvece = std::max(najvece, std::hypot(c->Ux(), c->Uz()));
    for (const auto& d : dijagrami)
        najvece = std::max({najvece, std::fabs(d.ekstremW.max.vrednost), std::fabs(d.ekstremW.min.vrednost)});
    if (!(najvece > 0) || !std::isfinite(double(najvece))) return 0;
    TPodesavanja jednaka = p;
    jednaka.prikaz.jednakaRazmera = true;  // the structure's own size, whatever the view
    const auto m = ParsirajReal(p.mnozilacPomeranja);
    const LD puta = m && *m > 0 ? *m / 100 : 1;
    return UdeoDeformacije * VelicinaZaDijagram(model, jednaka) * udeoPrikaza * puta / najvece;
}

std::optional<TTackaNaStapu> StapPodTackom(const TPlotPovrsina& g, const TModel& model, int px, int py) {
    constexpr double blizu = 6;  // pixels
    std::optional<TTackaNaStapu> r;
    double najbliza = blizu;
    for (size_t i = 0; i < model.nizStapova.size(); ++i) {
        const TStap& s = *model.nizStapova[i];
        if (!s.PocetniCvor() || !s.KrajnjiCvor()) continue;
        const double ax = g.XUPiksel(double(s.PocetniCvor()->X())), ay = g.YUPiksel(double(s.PocetniCvor()->Z()));
        const double bx = g.XUPiksel(double(s.KrajnjiCvor()->X())), by = g.YUPiksel(double(s.KrajnjiCvor()->Z()));
        const double dx = bx - ax, dy = by - ay, d2 = dx * dx + dy * dy;
        if (!(d2 > 0)) continue;
        const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / d2, 0.0, 1.0);
        const double rastojanje = std::hypot(ax + t * dx - px, ay + t * dy - py);
        if (rastojanje <= najbliza) {
            najbliza = rastojanje;
            r = TTackaNaStapu{i, t * DuzinaStapa(s)};
        }
    }
    return r;
}

std::string OpisTackeNaStapu(const TModel& model, const TTackaNaStapu& t, const TDijagramiStapa& d) {
    const TVrednostiPreseka v = d.NaStanici(t.x);
    auto k = [](LD x) { return KratakBroj(x).toStdString(); };
    return "Stap " + std::to_string(model.nizStapova[t.stap]->ID()) + ", x = " + k(t.x) + ": N = " + k(v.N) +
           ", T = " + k(v.T) + ", M = " + k(v.M) + ", w = " + k(v.w);
}
