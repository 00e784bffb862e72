// Painting of the engineering drawing's figures and placed labels on the plot surface.
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <map>

#include "PlotChartRaspored.h"

std::vector<QPointF> TackeOblika(const TOblik& o, const TRaspored& r) {
    // The screen direction of the frame's world direction; with free scales it is not the angle
    // the world vector has in the model.
    const double kx = (r.desno - r.levo) / (r.xH - r.xL), ky = (r.dole - r.gore) / (r.yH - r.yL);
    double ex = o.smerX * kx, ey = -o.smerY * ky;
    const double d = std::hypot(ex, ey);
    if (d > 0 && std::isfinite(d)) {
        ex /= d;
        ey /= d;
    } else {
        ex = 1;
        ey = 0;
    }
    // Second axis: the first turned a quarter turn counter-clockwise as seen on screen.
    const double fx = ey, fy = -ex;
    std::vector<QPointF> t;
    t.reserve(o.tacke.size());
    for (const TTackaOblika& k : o.tacke)
        t.emplace_back(r.X(k.x) + k.a * ex + k.b * fx, r.Y(k.y) + k.a * ey + k.b * fy);
    return t;
}

std::vector<std::vector<QPointF>> KopijeOblika(const TOblik& o, const TRaspored& r) {
    std::vector<std::vector<QPointF>> k;
    if (o.tacke.empty()) return k;
    if (!(o.korak > 0)) {
        k.push_back(TackeOblika(o, r));
        return k;
    }
    const double x0 = o.tacke.front().x, y0 = o.tacke.front().y;
    const double duzina = std::hypot(double(r.X(o.doX) - r.X(x0)), double(r.Y(o.doY) - r.Y(y0)));
    // Bounded, so a deep zoom does not ask for millions of copies.
    const double koliko = duzina / o.korak;
    const int n = koliko < 400 ? std::max(1, PikselUOpsegu(koliko)) : 400;
    TOblik kopija = o;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        for (size_t j = 0; j < o.tacke.size(); ++j) {
            kopija.tacke[j].x = o.tacke[j].x + t * (o.doX - x0);
            kopija.tacke[j].y = o.tacke[j].y + t * (o.doY - y0);
        }
        k.push_back(TackeOblika(kopija, r));
    }
    return k;
}

namespace {

bool Vidljiv(const std::vector<QPointF>& t, const TRaspored& r) {
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (const QPointF& q : t) {
        minX = std::min(minX, q.x());
        maxX = std::max(maxX, q.x());
        minY = std::min(minY, q.y());
        maxY = std::max(maxY, q.y());
    }
    return maxX >= r.levo - 2 && minX <= r.desno + 2 && maxY >= r.gore - 2 && minY <= r.dole + 2 && maxX - minX < 1e6 &&
           maxY - minY < 1e6;
}

}  // namespace

void NacrtajOblik(QPainter& p, const TOblik& o, const TRaspored& r) {
    const auto kopije = KopijeOblika(o, r);
    bool ista = false;
    for (const auto& t : kopije) ista = ista || (!t.empty() && Vidljiv(t, r));
    if (!ista) return;
    // No save and restore per figure: the caller resets what it relies on after the figures.
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen olovka(BojaIzTColor(o.boja), o.debljina);
    olovka.setCapStyle(Qt::FlatCap);
    olovka.setJoinStyle(Qt::MiterJoin);
    p.setPen(olovka);
    if (o.ispunjen) p.setBrush(BojaIzTColor(o.ispuna));
    else p.setBrush(Qt::NoBrush);
    for (const auto& t : kopije) {
        if (t.empty() || !Vidljiv(t, r)) continue;
        if (t.size() == 1) p.drawPoint(t.front());
        else if (o.zatvoren) p.drawPolygon(t.data(), int(t.size()));
        else p.drawPolyline(t.data(), int(t.size()));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
}

namespace {

void DodajPreprekeKopije(TZauzeto& z, const TOblik& o, const std::vector<QPointF>& t, const TRaspored& r) {
    if (t.empty() || !Vidljiv(t, r)) return;
    for (size_t i = 1; i < t.size(); ++i) z.Dodaj(TDuz{t[i - 1].x(), t[i - 1].y(), t[i].x(), t[i].y()});
    if (o.zatvoren || o.ispunjen) {
        TOkvir b{t[0].x(), t[0].y(), t[0].x(), t[0].y()};
        for (const QPointF& q : t) {
            b.levo = std::min(b.levo, q.x());
            b.desno = std::max(b.desno, q.x());
            b.gore = std::min(b.gore, q.y());
            b.dole = std::max(b.dole, q.y());
        }
        z.Dodaj(b);
    } else if (t.size() == 1) {
        z.Dodaj(TOkvir{t[0].x() - 1, t[0].y() - 1, t[0].x() + 1, t[0].y() + 1});
    }
}

}  // namespace

QPointF SidroOznake(const TChartItem& s, const TRaspored& r) {
    TOblik sidro;
    sidro.smerX = s.x2;
    sidro.smerY = s.y2;
    sidro.tacke.push_back({s.x, s.y, s.PomakA, s.PomakB});
    return TackeOblika(sidro, r).front();
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

void DodajPrepreke(TZauzeto& z, const TOblik& o, const TRaspored& r) {
    if (!o.prepreka) return;
    for (const auto& t : KopijeOblika(o, r)) DodajPreprekeKopije(z, o, t, r);
}

void NacrtajOznake(QPainter& p, const std::vector<const TChartItem*>& oznake, TZauzeto& zauzeto, const TRaspored& r) {
    // A box around a member number, and a pixel of air around every label.
    constexpr int okvirStapa = 2, vazduh = 1;
    std::vector<TOznakaZaRaspored> zahtevi;
    zahtevi.reserve(oznake.size());
    // One measure per font size, not one per label.
    std::map<int, QFontMetrics> mere;
    auto mera = [&](int velicina) -> const QFontMetrics& {
        auto it = mere.find(velicina);
        if (it == mere.end()) it = mere.emplace(velicina, QFontMetrics(FontPlota(velicina), p.device())).first;
        return it->second;
    };
    for (const TChartItem* s : oznake) {
        const QFontMetrics& m = mera(s->SizeOrAngle);
        const int okvir = s->MarkOrAlign == ozBrojStapa ? okvirStapa + 1 : 0;
        TOznakaZaRaspored z;
        const QPointF t = SidroOznake(*s, r);
        z.x = t.x();
        z.y = t.y();
        z.sirina = m.horizontalAdvance(s->Text) + 2 * (okvir + vazduh);
        z.visina = m.height() + 2 * vazduh + (okvir ? 2 : 0);
        z.razmak = s->MarkOrAlign == ozVrednost ? 3 : 5;
        zahtevi.push_back(z);
    }
    const TOkvir granice{double(r.levo), double(r.gore), double(r.desno), double(r.dole)};
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
