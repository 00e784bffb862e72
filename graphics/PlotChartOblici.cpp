// Painting of the engineering drawing's figures and placed labels on the plot surface.
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "PlotChartRaspored.h"

namespace {

// The screen frame of a world direction: the first axis along it as it shows on screen (with free
// scales not the angle the world vector has in the model), the second a quarter turn
// counter-clockwise from it.
struct TOkvirSmera {
    double ex, ey, fx, fy;
};
TOkvirSmera OkvirSmera(double smerX, double smerY, const TRaspored& r) {
    const double kx = (r.desno - r.levo) / (r.xH - r.xL), ky = (r.dole - r.gore) / (r.yH - r.yL);
    double ex = smerX * kx, ey = -smerY * ky;
    const double d = std::hypot(ex, ey);
    if (d > 0 && std::isfinite(d)) {
        ex /= d;
        ey /= d;
    } else {
        ex = 1;
        ey = 0;
    }
    return {ex, ey, ey, -ex};
}

QPointF UPiksel(double x, double y, float a, float b, const TOkvirSmera& f, const TRaspored& r) {
    return QPointF(r.X(x) + a * f.ex + b * f.fx, r.Y(y) + a * f.ey + b * f.fy);
}

}  // namespace

std::vector<QPointF> TackeOblika(const TOblik& o, const TRaspored& r) {
    const TOkvirSmera f = OkvirSmera(o.smerX, o.smerY, r);
    std::vector<QPointF> t;
    t.reserve(o.tacke.size());
    for (const TTackaOblika& k : o.tacke) t.push_back(UPiksel(k.x, k.y, k.a, k.b, f, r));
    return t;
}

size_t KopijeOblikaU(const TOblik& o, const TRaspored& r, std::vector<QPointF>& tacke) {
    tacke.clear();
    if (o.tacke.empty()) return 0;
    const TOkvirSmera f = OkvirSmera(o.smerX, o.smerY, r);
    if (!(o.korak > 0)) {
        for (const TTackaOblika& k : o.tacke) tacke.push_back(UPiksel(k.x, k.y, k.a, k.b, f, r));
        return o.tacke.size();
    }
    const double x0 = o.tacke.front().x, y0 = o.tacke.front().y;
    const double duzina = std::hypot(double(r.X(o.doX) - r.X(x0)), double(r.Y(o.doY) - r.Y(y0)));
    // Bounded, so a deep zoom does not ask for millions of copies.
    const double koliko = duzina / o.korak;
    const int n = koliko < 400 ? std::max(1, PikselUOpsegu(koliko)) : 400;
    tacke.reserve(size_t(n + 1) * o.tacke.size());
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        for (const TTackaOblika& k : o.tacke)
            tacke.push_back(UPiksel(k.x + t * (o.doX - x0), k.y + t * (o.doY - y0), k.a, k.b, f, r));
    }
    return o.tacke.size();
}

std::vector<std::vector<QPointF>> KopijeOblika(const TOblik& o, const TRaspored& r) {
    std::vector<QPointF> tacke;
    const size_t n = KopijeOblikaU(o, r, tacke);
    std::vector<std::vector<QPointF>> k;
    for (size_t i = 0; n > 0 && i < tacke.size(); i += n) k.emplace_back(tacke.begin() + i, tacke.begin() + i + n);
    return k;
}

namespace {

bool Vidljiv(const QPointF* t, size_t n, const TRaspored& r) {
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (size_t i = 0; i < n; ++i) {
        minX = std::min(minX, t[i].x());
        maxX = std::max(maxX, t[i].x());
        minY = std::min(minY, t[i].y());
        maxY = std::max(maxY, t[i].y());
    }
    return maxX >= r.levo - 2 && minX <= r.desno + 2 && maxY >= r.gore - 2 && minY <= r.dole + 2 && maxX - minX < 1e6 &&
           maxY - minY < 1e6;
}

}  // namespace

bool NacrtajOblik(QPainter& p, const TOblik& o, const std::vector<QPointF>& kopije, size_t poKopiji, const TRaspored& r,
                  bool glatko) {
    if (poKopiji == 0) return false;
    bool ista = false;
    for (size_t i = 0; !ista && i < kopije.size(); i += poKopiji) ista = Vidljiv(&kopije[i], poKopiji, r);
    if (!ista) return false;
    // No save and restore per figure: the caller resets what it relies on after the figures.
    if (!glatko) p.setRenderHint(QPainter::Antialiasing, true);
    QPen olovka(BojaIzTColor(o.boja), o.debljina);
    olovka.setCapStyle(Qt::FlatCap);
    olovka.setJoinStyle(Qt::MiterJoin);
    p.setPen(olovka);
    if (o.ispunjen) p.setBrush(BojaIzTColor(o.ispuna));
    else p.setBrush(Qt::NoBrush);
    for (size_t i = 0; i < kopije.size(); i += poKopiji) {
        const QPointF* t = &kopije[i];
        if (!Vidljiv(t, poKopiji, r)) continue;
        if (poKopiji == 1) p.drawPoint(*t);
        else if (o.zatvoren) p.drawPolygon(t, int(poKopiji));
        else p.drawPolyline(t, int(poKopiji));
    }
    return true;
}

namespace {

void DodajPreprekeKopije(TZauzeto& z, const TOblik& o, const QPointF* t, size_t n, const TRaspored& r) {
    if (n == 0 || !Vidljiv(t, n, r)) return;
    for (size_t i = 1; i < n; ++i) z.Dodaj(TDuz{t[i - 1].x(), t[i - 1].y(), t[i].x(), t[i].y()});
    if (o.zatvoren || o.ispunjen) {
        TOkvir b{t[0].x(), t[0].y(), t[0].x(), t[0].y()};
        for (size_t i = 0; i < n; ++i) {
            b.levo = std::min(b.levo, t[i].x());
            b.desno = std::max(b.desno, t[i].x());
            b.gore = std::min(b.gore, t[i].y());
            b.dole = std::max(b.dole, t[i].y());
        }
        z.Dodaj(b);
    } else if (n == 1) {
        z.Dodaj(TOkvir{t[0].x() - 1, t[0].y() - 1, t[0].x() + 1, t[0].y() + 1});
    }
}

}  // namespace

QPointF SidroOznake(const TChartItem& s, const TRaspored& r) {
    return UPiksel(s.x, s.y, s.PomakA, s.PomakB, OkvirSmera(s.x2, s.y2, r), r);
}

bool OznakeZaCrtanje(const std::vector<const TChartItem*>& oznake, const TRaspored& r) {
    const TOkvir granice{double(r.levo), double(r.gore), double(r.desno), double(r.dole)};
    size_t uVidu = 0;
    for (const TChartItem* s : oznake) {
        const QPointF t = SidroOznake(*s, r);
        if (t.x() >= granice.levo && t.x() <= granice.desno && t.y() >= granice.gore && t.y() <= granice.dole) ++uVidu;
    }
    return OznakeCitljive(uVidu, granice);
}

void DodajPrepreke(TZauzeto& z, const TOblik& o, const std::vector<QPointF>& kopije, size_t poKopiji,
                   const TRaspored& r) {
    if (!o.prepreka || poKopiji == 0) return;
    for (size_t i = 0; i < kopije.size(); i += poKopiji) DodajPreprekeKopije(z, o, &kopije[i], poKopiji, r);
}

void NacrtajOznake(QPainter& p, const std::vector<const TChartItem*>& oznake, TZauzeto& zauzeto, const TRaspored& r) {
    // A box around a member number, and a pixel of air around every label.
    constexpr int okvirStapa = 2, vazduh = 1;
    std::vector<TOznakaZaRaspored> zahtevi;
    zahtevi.reserve(oznake.size());
    // One measure per font size, not one per label.
    struct TMera {
        QFontMetrics m;
        double znak;  // twice the widest character: a text is never wider than this per character
    };
    std::map<int, TMera> mere;
    auto mera = [&](int velicina) -> const TMera& {
        auto it = mere.find(velicina);
        if (it == mere.end()) {
            const QFontMetrics m(FontPlota(velicina), p.device());
            it = mere.emplace(velicina, TMera{m, 2.0 * std::max(m.maxWidth(), m.height())}).first;
        }
        return it->second;
    };
    const TOkvir granice{double(r.levo), double(r.gore), double(r.desno), double(r.dole)};
    for (const TChartItem* s : oznake) {
        const TMera& m = mera(s->SizeOrAngle);
        const int okvir = s->MarkOrAlign == ozBrojStapa ? okvirStapa + 1 : 0;
        TOznakaZaRaspored z;
        const QPointF t = SidroOznake(*s, r);
        z.x = t.x();
        z.y = t.y();
        z.visina = m.m.height() + 2 * vazduh + (okvir ? 2 : 0);
        z.razmak = s->MarkOrAlign == ozVrednost ? 3 : 5;
        // Measured only when even its widest form could find a place in the view; the placer
        // passes over the rest without looking at their width.
        z.sirina = double(s->Text.size()) * m.znak + 2 * (okvir + vazduh);
        if (MozeUGranice(z, granice)) z.sirina = m.m.horizontalAdvance(s->Text) + 2 * (okvir + vazduh);
        else z.x = std::numeric_limits<double>::quiet_NaN();
        zahtevi.push_back(z);
    }
    const std::vector<TPostavljenaOznaka> postavljene = RasporediOznake(zahtevi, zauzeto, granice);
    int velicina = -1;
    for (const TPostavljenaOznaka& po : postavljene) {
        const TChartItem& s = *oznake[po.indeks];
        if (s.SizeOrAngle != velicina) {
            velicina = s.SizeOrAngle;
            p.setFont(FontPlota(velicina));
        }
        const QRectF b(po.okvir.levo + vazduh, po.okvir.gore + vazduh, po.okvir.Sirina() - 2 * vazduh,
                       po.okvir.Visina() - 2 * vazduh);
        if (s.MarkOrAlign == ozBrojStapa) {
            p.setPen(QPen(BojaIzTColor(s.Color), 0));
            p.setBrush(Qt::white);
            p.drawRect(b.adjusted(0, 0, -1, -1));
            p.setBrush(Qt::NoBrush);
        }
        p.setPen(BojaIzTColor(s.Color));
        p.drawText(b, Qt::AlignCenter, s.Text);
    }
}
