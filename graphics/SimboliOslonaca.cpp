#include "SimboliOslonaca.h"

#include <cmath>
#include <numbers>

#include "GradnjaOblika.h"

TVrstaOslonca VrstaOslonca(bool oslX, bool oslZ, bool ukljY) {
    if (oslX && oslZ) return ukljY ? TVrstaOslonca::Ukljesten : TVrstaOslonca::Nepokretan;
    if (oslZ) return ukljY ? TVrstaOslonca::VodjenPoX : TVrstaOslonca::KliziPoX;
    if (oslX) return ukljY ? TVrstaOslonca::VodjenPoZ : TVrstaOslonca::KliziPoZ;
    return ukljY ? TVrstaOslonca::SamoObrtanje : TVrstaOslonca::Nema;
}

namespace {

// Sizes in pixels.
constexpr float VisinaTrougla = 13, PolaOsnove = 7.5f, PolaTla = 12, PolaGrede = 10;

// The frame of a support that holds the direction (dx, dz): its "down" (negative b) is where the
// ground goes. The ground goes opposite the structure along the held direction.
TGradnjaOblika Okvir(double x, double z, double dx, double dz, double kaX, double kaZ) {
    // First axis a quarter turn clockwise from "up" = the held direction toward the structure.
    double ux = dx, uz = dz;
    if (ux * kaX + uz * kaZ < -0.2) {
        ux = -ux;
        uz = -uz;
    }
    TGradnjaOblika g;
    g.x = x;
    g.y = z;
    g.smerX = uz;
    g.smerY = -ux;
    return g;
}

}  // namespace

std::vector<TOblik> SimbolOslonca(TVrstaOslonca v, double x, double z, double kaX, double kaZ, double cosA,
                                  double sinA) {
    // The node's x and z axes: X and Z themselves for a node without an angle.
    const double xX = cosA, xZ = sinA, zX = -sinA, zZ = cosA;
    std::vector<TOblik> o;
    switch (v) {
        case TVrstaOslonca::Nema: break;
        case TVrstaOslonca::Nepokretan:
        case TVrstaOslonca::KliziPoX:
        case TVrstaOslonca::KliziPoZ: {
            const bool poZ = v == TVrstaOslonca::KliziPoZ;
            const TGradnjaOblika g = poZ ? Okvir(x, z, xX, xZ, kaX, kaZ) : Okvir(x, z, zX, zZ, kaX, kaZ);
            o.push_back(g.Poligon({{0, 0}, {-PolaOsnove, -VisinaTrougla}, {PolaOsnove, -VisinaTrougla}}, clWhite));
            if (v == TVrstaOslonca::Nepokretan) {
                g.Tlo(o, -PolaTla, PolaTla, -VisinaTrougla);
            } else {
                // The roller: a gap, then the line it runs on.
                g.Tlo(o, -PolaTla, PolaTla, -VisinaTrougla - 4);
            }
            break;
        }
        case TVrstaOslonca::Ukljesten: {
            // A bar across the member's end, hatched on the far side.
            TGradnjaOblika g;
            g.x = x;
            g.y = z;
            g.smerX = kaZ;
            g.smerY = -kaX;
            o.push_back(g.Linija({{-PolaGrede - 2, 0}, {PolaGrede + 2, 0}}, 2.5f));
            g.Tlo(o, -PolaGrede - 2, PolaGrede + 2, -1, false);
            break;
        }
        case TVrstaOslonca::VodjenPoX:
        case TVrstaOslonca::VodjenPoZ: {
            const bool poZ = v == TVrstaOslonca::VodjenPoZ;
            const TGradnjaOblika g = poZ ? Okvir(x, z, xX, xZ, kaX, kaZ) : Okvir(x, z, zX, zZ, kaX, kaZ);
            // A clamped plate on two rollers.
            o.push_back(g.Linija({{-PolaGrede, 0}, {PolaGrede, 0}}, 2.5f));
            o.push_back(g.Krug({-5, -4.5f}, 3, clWhite));
            o.push_back(g.Krug({5, -4.5f}, 3, clWhite));
            g.Tlo(o, -PolaTla, PolaTla, -8);
            break;
        }
        case TVrstaOslonca::SamoObrtanje: {
            // A square collar: the node turns not, but moves freely.
            TGradnjaOblika g;
            g.x = x;
            g.y = z;
            o.push_back(g.Linija({{-7, -7}, {7, -7}, {7, 7}, {-7, 7}, {-7, -7}}, 1.5f));
            for (float a = -7; a < 7; a += 4.6f) {
                TOblik h = g.Linija({{a, -7}, {a + 4.6f, 7}});
                h.prepreka = false;
                o.push_back(std::move(h));
            }
            break;
        }
    }
    return o;
}

std::vector<TOblik> SimboliOpruga(bool kx, bool kz, bool kfi, double x, double z, double kaX, double kaZ, double cosA,
                                  double sinA) {
    std::vector<TOblik> o;
    auto cikcak = [&](double dx, double dz) {
        const TGradnjaOblika g = Okvir(x, z, dx, dz, kaX, kaZ);
        // Clear of a support figure at the node: the spring starts past the node's mark.
        o.push_back(
            g.Linija({{0, -3}, {0, -7}, {5, -9}, {-5, -13}, {5, -17}, {-5, -21}, {5, -25}, {0, -27}, {0, -31}}, 1.2f));
        g.Tlo(o, -PolaTla, PolaTla, -31);
    };
    if (kz) cikcak(-sinA, cosA);
    if (kx) cikcak(cosA, sinA);
    if (kfi) {
        TGradnjaOblika g;
        g.x = x;
        g.y = z;
        std::vector<TGradnjaOblika::TT> spirala;
        for (int i = 0; i <= 40; ++i) {
            const double t = i * 0.15 * std::numbers::pi;  // three turns in 40 steps
            const float r = static_cast<float>(5 + 0.9 * i * 0.3);
            spirala.push_back({r * static_cast<float>(std::cos(t)), r * static_cast<float>(std::sin(t))});
        }
        TOblik f = g.Linija(spirala, 1.2f);
        f.prepreka = false;
        o.push_back(std::move(f));
    }
    return o;
}

TOblik SimbolZgloba(double x, double z, double kaX, double kaZ) {
    TGradnjaOblika g;
    g.x = x;
    g.y = z;
    g.smerX = kaX;
    g.smerY = kaZ;
    // Just past the node's mark, so the member line stops at the circle.
    return g.Krug({PoluprecnikZgloba + 3, 0}, PoluprecnikZgloba, clWhite, 1.2f);
}

TOblik SimbolOpruge(double x, double z, double kaX, double kaZ) {
    TGradnjaOblika g;
    g.x = x;
    g.y = z;
    g.smerX = kaX;
    g.smerY = kaZ;
    // Two turns growing from the centre, about the size of a hinge circle.
    std::vector<TGradnjaOblika::TT> t;
    constexpr int koraka = 32;
    const float centar = PoluprecnikZgloba + 5;
    for (int i = 0; i <= koraka; ++i) {
        const double u = 4 * M_PI * i / koraka;
        const float r = float(1 + (PoluprecnikZgloba + 2) * i / koraka);
        t.push_back({centar + r * float(std::cos(u)), r * float(std::sin(u))});
    }
    return g.Linija(t, 1.2f);
}

TOblik SimbolZglobaUCvoru(double x, double z) {
    TGradnjaOblika g;
    g.x = x;
    g.y = z;
    return g.Krug({0, 0}, PoluprecnikZgloba, clWhite, 1.2f);
}

std::vector<TOblik> SimbolZadatogPomeranja(int smer, long double vrednost, double x, double z, TTackaOblika& sidro) {
    std::vector<TOblik> o;
    TGradnjaOblika g;
    g.x = x;
    g.y = z;
    g.boja = BojaZadatogPomeranja;
    const float s = vrednost < 0 ? -1.f : 1.f;
    // Beside the support, up and to the right, clear of its figure.
    if (smer == 0) {
        g.Strelica(o, {18 - 7 * s, 18}, {18 + 7 * s, 18}, 6);
        sidro = {x, z, 18, 18};
    } else if (smer == 1) {
        g.Strelica(o, {20, 10 - 7 * s}, {20, 10 + 7 * s}, 6);
        sidro = {x, z, 20, 10};
    } else {
        g.LukSaStrelicom(o, {0, 0}, 17, s > 0 ? 0.2 : 1.4, s > 0 ? 1.4 : 0.2, 6);
        sidro = {x, z, 13, 13};
    }
    // An open head tells it from a load.
    for (TOblik& f : o) f.ispuna = clWhite;
    return o;
}
