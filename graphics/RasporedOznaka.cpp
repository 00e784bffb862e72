#include "RasporedOznaka.h"

#include <algorithm>
#include <cmath>

bool Preklapaju(const TOkvir& a, const TOkvir& b) {
    return a.levo < b.desno && b.levo < a.desno && a.gore < b.dole && b.gore < a.dole;
}

bool DuzSeceOkvir(const TDuz& d, const TOkvir& o) {
    // Most segments a crowded cell holds lie wholly to one side of the box; that is settled
    // before the clipping below.
    if (std::max(d.x1, d.x2) <= o.levo || std::min(d.x1, d.x2) >= o.desno || std::max(d.y1, d.y2) <= o.gore ||
        std::min(d.y1, d.y2) >= o.dole)
        return false;
    // Liang-Barsky against the open box.
    const double dx = d.x2 - d.x1, dy = d.y2 - d.y1;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {d.x1 - o.levo, o.desno - d.x1, d.y1 - o.gore, o.dole - d.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 >= t1) return false;
    }
    return true;
}

TZauzeto::TZauzeto(double velicinaCelije) : celija(velicinaCelije > 1 ? velicinaCelije : 32.0) {}

long TZauzeto::Celija(double v) const {
    const double c = std::floor(v / celija);
    return long(std::clamp(c, -1e9, 1e9));
}

void TZauzeto::UCelije(const TOkvir& o, std::uint32_t oznaka) {
    for (long ix = Celija(o.levo); ix <= Celija(o.desno); ++ix)
        for (long iy = Celija(o.gore); iy <= Celija(o.dole); ++iy) celije[Kljuc(ix, iy)].push_back(oznaka);
}

void TZauzeto::Dodaj(const TOkvir& o) {
    if (!(o.desno >= o.levo && o.dole >= o.gore)) return;
    if (Izvan(o.levo, o.gore, o.desno, o.dole)) return;
    // A box far larger than the screen would fill millions of cells; nothing is placed out there.
    TOkvir k{std::max(o.levo, -1e6), std::max(o.gore, -1e6), std::min(o.desno, 1e6), std::min(o.dole, 1e6)};
    if (k.levo > k.desno || k.gore > k.dole) return;
    UCelije(k, std::uint32_t(okviri.size()));
    okviri.push_back(o);
}

void TZauzeto::Dodaj(const TDuz& d) {
    if (!std::isfinite(d.x1) || !std::isfinite(d.y1) || !std::isfinite(d.x2) || !std::isfinite(d.y2)) return;
    if (Izvan(std::min(d.x1, d.x2), std::min(d.y1, d.y2), std::max(d.x1, d.x2), std::max(d.y1, d.y2))) return;
    const std::uint32_t oznaka = std::uint32_t(duzi.size()) | 0x80000000u;
    // Cut to a generous screen so a segment of a deep zoom does not walk through endless cells.
    double x1 = d.x1, y1 = d.y1, x2 = d.x2, y2 = d.y2;
    {
        const double dx = x2 - x1, dy = y2 - y1, m = 1e5;
        double t0 = 0, t1 = 1;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {x1 + m, m - x1, y1 + m, m - y1};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0) return;
                continue;
            }
            const double r = q[i] / p[i];
            if (p[i] < 0) t0 = std::max(t0, r);
            else t1 = std::min(t1, r);
        }
        if (t0 > t1) return;
        const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
        x2 = x1 + t1 * dx;
        y2 = y1 + t1 * dy;
        x1 = ax;
        y1 = ay;
    }
    duzi.push_back(d);
    // Row by row of cells: the part of the segment inside the row's band gives the columns it
    // passes through.
    const long r1 = Celija(std::min(y1, y2)), r2 = Celija(std::max(y1, y2));
    for (long iy = r1; iy <= r2; ++iy) {
        double xa, xb;
        if (y1 == y2) {
            xa = std::min(x1, x2);
            xb = std::max(x1, x2);
        } else {
            const double g = iy * celija, h = (iy + 1) * celija;
            const double ta = std::clamp((g - y1) / (y2 - y1), 0.0, 1.0),
                         tb = std::clamp((h - y1) / (y2 - y1), 0.0, 1.0);
            xa = x1 + std::min(ta, tb) * (x2 - x1);
            xb = x1 + std::max(ta, tb) * (x2 - x1);
            if (xa > xb) std::swap(xa, xb);
        }
        for (long ix = Celija(xa); ix <= Celija(xb); ++ix) celije[Kljuc(ix, iy)].push_back(oznaka);
    }
}

bool TZauzeto::Slobodno(const TOkvir& o) const {
    vidjeno.resize(okviri.size() + duzi.size());
    if (++prolaz == 0) {
        std::fill(vidjeno.begin(), vidjeno.end(), 0);
        prolaz = 1;
    }
    for (long ix = Celija(o.levo); ix <= Celija(o.desno); ++ix)
        for (long iy = Celija(o.gore); iy <= Celija(o.dole); ++iy) {
            auto it = celije.find(Kljuc(ix, iy));
            if (it == celije.end()) continue;
            for (std::uint32_t e : it->second) {
                const bool duz = e & 0x80000000u;
                const std::uint32_t i = e & 0x7FFFFFFFu;
                const size_t mesto = duz ? okviri.size() + i : i;
                if (mesto >= vidjeno.size()) vidjeno.resize(mesto + 1);
                if (vidjeno[mesto] == prolaz) continue;
                vidjeno[mesto] = prolaz;
                if (duz ? DuzSeceOkvir(duzi[i], o) : Preklapaju(okviri[i], o)) return false;
            }
        }
    return true;
}

double VelicinaCelije(size_t stavki, const TOkvir& povrsina) {
    constexpr double NajvecaCelija = 32, NajmanjaCelija = 8, StavkiPoCeliji = 16;
    const double povrs = std::max(1.0, povrsina.Sirina() * povrsina.Visina());
    if (stavki == 0) return NajvecaCelija;
    const double strana = std::sqrt(StavkiPoCeliji * povrs / double(stavki));
    return std::clamp(strana, NajmanjaCelija, NajvecaCelija);
}

bool OznakeCitljive(size_t oznaka, const TOkvir& povrsina) {
    const double povrs = std::max(0.0, povrsina.Sirina()) * std::max(0.0, povrsina.Visina());
    return double(oznaka) * NajmanjaPovrsOznake <= povrs;
}

TOkvir PolozajOznake(const TOznakaZaRaspored& o, int k) {
    // Horizontal: 0 right of the anchor, 1 left, 2 centred; vertical: 0 above, 1 below, 2 centred.
    static constexpr int vodoravno[8] = {0, 1, 0, 1, 2, 2, 0, 1};
    static constexpr int uspravno[8] = {0, 0, 1, 1, 0, 1, 2, 2};
    k = std::clamp(k, 0, BrojPolozaja - 1);
    const int h = vodoravno[k % 8], v = uspravno[k % 8];
    const double razmak = o.razmak + (k >= 8 ? DaljiPrsten : 0);
    // Diagonal places sit a little closer: their corner is what faces the anchor.
    const double r = h != 2 && v != 2 ? razmak * 0.7 : razmak;
    TOkvir b;
    b.levo = h == 0 ? o.x + r : h == 1 ? o.x - r - o.sirina : o.x - o.sirina / 2;
    b.gore = v == 0 ? o.y - r - o.visina : v == 1 ? o.y + r : o.y - o.visina / 2;
    b.desno = b.levo + o.sirina;
    b.dole = b.gore + o.visina;
    return b;
}

bool MozeUGranice(const TOznakaZaRaspored& o, const TOkvir& granice) {
    if (!std::isfinite(o.x) || !std::isfinite(o.y)) return false;
    // An anchor well off the visible part has no candidate inside it.
    const double r = o.razmak + DaljiPrsten;
    return !(o.x < granice.levo - o.sirina - r || o.x > granice.desno + o.sirina + r ||
             o.y < granice.gore - o.visina - r || o.y > granice.dole + o.visina + r);
}

std::vector<TPostavljenaOznaka> RasporediOznake(const std::vector<TOznakaZaRaspored>& oznake, TZauzeto& zauzeto,
                                                const TOkvir& granice) {
    std::vector<TPostavljenaOznaka> postavljene;
    for (size_t i = 0; i < oznake.size(); ++i) {
        const TOznakaZaRaspored& o = oznake[i];
        if (!MozeUGranice(o, granice)) continue;
        for (int k = 0; k < BrojPolozaja; ++k) {
            const TOkvir b = PolozajOznake(o, k);
            if (b.levo < granice.levo || b.desno > granice.desno || b.gore < granice.gore || b.dole > granice.dole)
                continue;
            if (!zauzeto.Slobodno(b)) continue;
            zauzeto.Dodaj(b);
            postavljene.push_back({i, b});
            break;
        }
    }
    return postavljene;
}
