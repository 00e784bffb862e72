#include "SimboliOpterecenja.h"

#include <algorithm>
#include <cmath>

#include "Brojevi.h"
#include "GradnjaOblika.h"

namespace {

// Sizes in pixels.
constexpr float DuzinaSile = 34, RazmakOdTacke = 4, PoluprecnikMomenta = 13, VisinaRaspodeljenog = 22;

QString Vrednost(const char* ime, long double v) {
    return QString::fromUtf8(ime) + QString::fromStdString(FormatBroja(v));
}

TGradnjaOblika Gradnja(double x, double z, double smerX = 1, double smerZ = 0) {
    TGradnjaOblika g;
    g.x = x;
    g.y = z;
    g.smerX = smerX;
    g.smerY = smerZ;
    g.boja = BojaOpterecenja;
    return g;
}

// A force pointing at the point along the frame's b axis (s the sign of the force along +b): it
// comes from the side it pushes from. Returns the tail, where the value goes.
TGradnjaOblika::TT SilaKaTacki(const TGradnjaOblika& g, std::vector<TOblik>& o, float s, float duzina) {
    const TGradnjaOblika::TT rep{0, -s * duzina}, vrh{0, -s * RazmakOdTacke};
    g.Strelica(o, rep, vrh);
    return rep;
}

// A moment as an arc about the point, counter-clockwise for a positive value.
void Moment(const TGradnjaOblika& g, std::vector<TOblik>& o, long double m) {
    constexpr double u0 = -0.7, u1 = M_PI + 0.7;
    if (m > 0) g.LukSaStrelicom(o, {0, 0}, PoluprecnikMomenta, u0, u1);
    else g.LukSaStrelicom(o, {0, 0}, PoluprecnikMomenta, u1, u0);
}

TSimbolSaVrednoscu Grupa(const TGradnjaOblika& g, TGradnjaOblika::TT sidro, QString tekst) {
    TSimbolSaVrednoscu s;
    s.sidro = {g.x, g.y, sidro.a, sidro.b};
    s.smerX = g.smerX;
    s.smerY = g.smerY;
    s.tekst = std::move(tekst);
    return s;
}

// A load across the member growing linearly from p1 to p2 over its extent: arrows whose lengths
// follow the intensity under the sloping outline through their tails.
TSimbolSaVrednoscu SimbolLinearnog(const TOpterecenje& op, double x1, double z1, double dx, double dz) {
    const long double p1 = op.RaspodeljenoOpterecenje(), p2 = op.RaspodeljenoOpterecenjeUPravcuOse();
    const long double t0 = op.PocetakRaspodeljenog(), t1 = op.KrajRaspodeljenog();
    const long double najvece = std::max(std::fabs(p1), std::fabs(p2));
    constexpr int strelica = 8;
    std::vector<TOblik> o;
    TOblik obris;
    obris.smerX = dx;
    obris.smerY = dz;
    obris.boja = BojaOpterecenja;
    for (int i = 0; i <= strelica; ++i) {
        const long double t = t0 + (t1 - t0) * i / strelica, p = p1 + (p2 - p1) * i / strelica;
        const float s = p >= 0 ? 1.f : -1.f;
        const float h = najvece > 0 ? float(-s * VisinaRaspodeljenog * std::fabs(p) / najvece) : 0;
        const double x = x1 + double(t) * dx, z = z1 + double(t) * dz;
        if (std::fabs(h) > 3) Gradnja(x, z, dx, dz).Strelica(o, {0, h}, {0, -s * 1.5f}, 6);
        obris.tacke.push_back({x, z, 0, h});
    }
    o.push_back(std::move(obris));
    const long double tm = (t0 + t1) / 2;
    const TGradnjaOblika g = Gradnja(x1 + double(tm) * dx, z1 + double(tm) * dz, dx, dz);
    const float vrh = najvece > 0 && (p1 + p2) < 0 ? VisinaRaspodeljenog : -VisinaRaspodeljenog;
    TSimbolSaVrednoscu r = Grupa(g, {0, vrh}, Vrednost("p1=", p1) + Vrednost(", p2=", p2));
    r.oblici = std::move(o);
    return r;
}

// The member's own weight: a row of arrows straight down (world -Z) along the whole member.
TSimbolSaVrednoscu SimbolSopstveneTezine(const TOpterecenje& op, double x1, double z1, double x2, double z2) {
    const float h = 14;
    const TGradnjaOblika g0 = Gradnja(x1, z1);
    std::vector<TOblik> strelica, o;
    g0.Strelica(strelica, {0, h}, {0, 1.5f}, 5);
    for (TOblik& f : strelica) {
        f.doX = x2;
        f.doY = z2;
        f.korak = 18;
        o.push_back(std::move(f));
    }
    TOblik linija;
    linija.boja = BojaOpterecenja;
    linija.tacke = {{x1, z1, 0, h}, {x2, z2, 0, h}};
    o.push_back(std::move(linija));
    const TGradnjaOblika g = Gradnja((x1 + x2) / 2, (z1 + z2) / 2);
    TSimbolSaVrednoscu r = Grupa(g, {0, h}, Vrednost("g x ", op.RaspodeljenoOpterecenje()));
    r.oblici = std::move(o);
    return r;
}

}  // namespace

std::vector<TSimbolSaVrednoscu> SimboliOpterecenjaCvora(const TCvor& c) {
    std::vector<TSimbolSaVrednoscu> r;
    const double x = double(c.X()), z = double(c.Z());
    if (c.Px() != 0) {
        // The frame's b axis along world X: a quarter turn clockwise from it is world -Z.
        const TGradnjaOblika g = Gradnja(x, z, 0, -1);
        std::vector<TOblik> o;
        const auto rep = SilaKaTacki(g, o, c.Px() > 0 ? 1.f : -1.f, DuzinaSile);
        r.push_back(Grupa(g, rep, Vrednost("Px=", std::fabs(c.Px()))));
        r.back().oblici = std::move(o);
    }
    if (c.Pz() != 0) {
        const TGradnjaOblika g = Gradnja(x, z);
        std::vector<TOblik> o;
        const auto rep = SilaKaTacki(g, o, c.Pz() > 0 ? 1.f : -1.f, DuzinaSile);
        r.push_back(Grupa(g, rep, Vrednost("Pz=", std::fabs(c.Pz()))));
        r.back().oblici = std::move(o);
    }
    if (c.MkoncY() != 0) {
        const TGradnjaOblika g = Gradnja(x, z);
        std::vector<TOblik> o;
        Moment(g, o, c.MkoncY());
        r.push_back(Grupa(g, {0, PoluprecnikMomenta + 2}, Vrednost("My=", std::fabs(c.MkoncY()))));
        r.back().oblici = std::move(o);
    }
    return r;
}

TSimbolSaVrednoscu SimbolOpterecenjaStapa(const TOpterecenje& op, double x1, double z1, double x2, double z2) {
    const double dx = x2 - x1, dz = z2 - z1;
    auto tacka = [&](long double t) { return std::pair<double, double>{x1 + double(t) * dx, z1 + double(t) * dz}; };
    std::vector<TOblik> o;
    switch (op.Tip()) {
        case toV: {
            const auto [x, z] = tacka(op.PozicijaKoncentrisaneSile());
            const TGradnjaOblika g = Gradnja(x, z, dx, dz);
            const auto rep = SilaKaTacki(g, o, op.KoncentrisanaSila() >= 0 ? 1.f : -1.f, DuzinaSile);
            TSimbolSaVrednoscu s = Grupa(g, rep, Vrednost("V=", std::fabs(op.KoncentrisanaSila())));
            s.oblici = std::move(o);
            return s;
        }
        case toM: {
            const auto [x, z] = tacka(op.PozicijaKoncentrisanogMomenta());
            const TGradnjaOblika g = Gradnja(x, z, dx, dz);
            Moment(g, o, op.KoncentrisaniMoment());
            TSimbolSaVrednoscu s =
                Grupa(g, {0, PoluprecnikMomenta + 2}, Vrednost("M=", std::fabs(op.KoncentrisaniMoment())));
            s.oblici = std::move(o);
            return s;
        }
        case toH: {
            // Along the axis, drawn just beside it so the member line stays visible.
            const auto [x, z] = tacka(op.PozicijaKoncentrisaneSileUPravcuOse());
            const TGradnjaOblika g = Gradnja(x, z, dx, dz);
            const float s = op.KoncentrisanaSilaUPravcuOse() >= 0 ? 1.f : -1.f;
            g.Strelica(o, {-s * 30, 6}, {0, 6});
            o.push_back(g.Linija({{0, 6}, {0, 0}}));
            TSimbolSaVrednoscu r = Grupa(g, {-s * 30, 6}, Vrednost("H=", std::fabs(op.KoncentrisanaSilaUPravcuOse())));
            r.oblici = std::move(o);
            return r;
        }
        case toPn:
        case toPt: {
            const bool normalno = op.Tip() == toPn;
            const long double q = normalno ? op.RaspodeljenoOpterecenje() : op.RaspodeljenoOpterecenjeUPravcuOse();
            const long double t0 = normalno ? op.PocetakRaspodeljenog() : op.PocetakRaspodeljenogUPravcuOse();
            const long double t1 = normalno ? op.KrajRaspodeljenog() : op.KrajRaspodeljenogUPravcuOse();
            const float s = q >= 0 ? 1.f : -1.f;
            const auto [xa, za] = tacka(t0);
            const auto [xb, zb] = tacka(t1);
            const float h = normalno ? -s * VisinaRaspodeljenog : 7;
            // One arrow, repeated along the loaded part at a spacing that suits the zoom.
            const TGradnjaOblika g0 = Gradnja(xa, za, dx, dz);
            std::vector<TOblik> strelica;
            if (normalno) g0.Strelica(strelica, {0, h}, {0, -s * 1.5f}, 7);
            else g0.Strelica(strelica, {-s * 6, h}, {s * 6, h}, 6);
            for (TOblik& f : strelica) {
                f.doX = xb;
                f.doY = zb;
                f.korak = normalno ? 16 : 22;
                o.push_back(std::move(f));
            }
            // The outline over the loaded extent.
            TOblik linija;
            linija.smerX = dx;
            linija.smerY = dz;
            linija.boja = BojaOpterecenja;
            linija.tacke = {{xa, za, 0, h}, {xb, zb, 0, h}};
            o.push_back(std::move(linija));
            const auto [xm, zm] = tacka((t0 + t1) / 2);
            const TGradnjaOblika g = Gradnja(xm, zm, dx, dz);
            TSimbolSaVrednoscu r = Grupa(g, {0, h}, Vrednost(normalno ? "q=" : "p=", std::fabs(q)));
            r.oblici = std::move(o);
            return r;
        }
        case toT:
        case toDeltaT: {
            // A small thermometer under the member, where the loads above it leave room; the
            // difference beside the uniform change.
            const bool razlika = op.Tip() == toDeltaT;
            const auto [x, z] = tacka(0.5L);
            const TGradnjaOblika g = Gradnja(x, z, dx, dz);
            const float b = -1.f;
            const float a = razlika ? 12.f : -12.f;
            o.push_back(g.Krug({a, b * 7}, 3, BojaOpterecenja));
            o.push_back(g.Linija({{a - 1.5f, b * 9}, {a - 1.5f, b * 20}, {a + 1.5f, b * 20}, {a + 1.5f, b * 9}}));
            TSimbolSaVrednoscu r = Grupa(
                g, {a, b * 20},
                razlika ? Vrednost("\u0394t=", op.TemperaturnaRazlika()) : Vrednost("t=", op.TemperaturnaPromena()));
            r.oblici = std::move(o);
            return r;
        }
        case toLinearno: return SimbolLinearnog(op, x1, z1, dx, dz);
        case toSopstvenaTezina: return SimbolSopstveneTezine(op, x1, z1, x2, z2);
        default: return {};
    }
}
