#include "CrtanjeMisem.h"

#include <QPainter>

#include <cmath>

#include "Brojevi.h"
#include "CrtanjeStapa.h"
#include "PodelaStapa.h"
#include "Greska.h"
#include "UredjivanjeCvorova.h"

namespace {

// Pixel distance from (px, py) to the segment a-b.
double DoDuzi(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay, d2 = dx * dx + dy * dy;
    double t = d2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / d2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

std::string Tekst(double v) { return FormatBroja(static_cast<long double>(v)); }

}  // namespace

TCrtanjeMisem::TCrtanjeMisem(TPlotChart& plot, TKontekstCrtanja kontekst)
    : plot(plot),
      k(std::move(kontekst)),
      izbor(
          plot, k.model,
          [this](const char* naziv, const std::function<bool(TModel&)>& izmena) { return Izvrsi(naziv, izmena); },
          [this](double v, bool osaX) { return Zaokruzi(v, osaX); }) {}

double TCrtanjeMisem::Zaokruzi(double v, bool osaX) const {
    double korak = 0;
    if (const auto zadat = k.korak ? k.korak() : std::nullopt) {
        korak = *zadat;
    } else {
        TPlotPovrsina::TPodeoci x, z;
        plot.PodeociOsa(x, z);
        const auto& p = osaX ? x.glavni : z.glavni;
        if (p.size() >= 2) korak = p[1] - p[0];
    }
    if (!(korak > 0) || !std::isfinite(korak)) return v;
    const double r = std::round(v / korak) * korak;
    // Through the shortest decimal text, so 3 * 0.1 lands on 0.3 and not next to it.
    return static_cast<double>(ParsirajReal(Tekst(r)).value_or(r));
}

int TCrtanjeMisem::CvorNa(int px, int py) const {
    const TModel& m = k.model();
    int najblizi = -1;
    double najmanje = TolerancijaCvora + 0.5;
    for (size_t i = 0; i < m.nizCvorova.size(); ++i) {
        const TCvor& c = *m.nizCvorova[i];
        const double d = std::hypot(plot.XUPiksel(double(c.X())) - px, plot.YUPiksel(double(c.Z())) - py);
        if (d < najmanje) {
            najmanje = d;
            najblizi = static_cast<int>(i);
        }
    }
    return najblizi;
}

int TCrtanjeMisem::StapNa(int px, int py) const {
    const TModel& m = k.model();
    int najblizi = -1;
    double najmanje = TolerancijaStapa + 0.5;
    for (size_t i = 0; i < m.nizStapova.size(); ++i) {
        const TStap& s = *m.nizStapova[i];
        if (!s.PocetniCvor() || !s.KrajnjiCvor()) continue;
        const double d =
            DoDuzi(px, py, plot.XUPiksel(double(s.PocetniCvor()->X())), plot.YUPiksel(double(s.PocetniCvor()->Z())),
                   plot.XUPiksel(double(s.KrajnjiCvor()->X())), plot.YUPiksel(double(s.KrajnjiCvor()->Z())));
        if (d < najmanje) {
            najmanje = d;
            najblizi = static_cast<int>(i);
        }
    }
    return najblizi;
}

TCrtanjeMisem::TTacka TCrtanjeMisem::Uhvati(int px, int py) const {
    TTacka t;
    t.cvor = CvorNa(px, py);
    if (t.cvor >= 0) {
        const TCvor& c = *k.model().nizCvorova[static_cast<size_t>(t.cvor)];
        t.id = c.ID();
        t.x = double(c.X());
        t.z = double(c.Z());
    } else if (const int s = StapNa(px, py); s >= 0) {
        return NaStapu(s, px, py);
    } else {
        t.x = Zaokruzi(plot.PikselUX(px), true);
        t.z = Zaokruzi(plot.PikselUY(py), false);
    }
    return t;
}

TCrtanjeMisem::TTacka TCrtanjeMisem::NaStapu(int stap, int px, int py) const {
    const TStap& s = *k.model().nizStapova[static_cast<size_t>(stap)];
    const double ax = double(s.PocetniCvor()->X()), az = double(s.PocetniCvor()->Z());
    const double bx = double(s.KrajnjiCvor()->X()), bz = double(s.KrajnjiCvor()->Z());
    auto piksela = [&](double x, double z) { return std::hypot(plot.XUPiksel(x) - px, plot.YUPiksel(z) - py); };
    TTacka t;
    t.stap = s.ID();
    const double sx = (ax + bx) / 2, sz = (az + bz) / 2;
    const double gx = Zaokruzi(plot.PikselUX(px), true), gz = Zaokruzi(plot.PikselUY(py), false);
    const TPolozajNaStapu g = NajblizaTackaStapa(s, gx, gz);
    if (piksela(sx, sz) <= TolerancijaCvora) {
        t.x = sx, t.z = sz;
    } else if (g.rastojanje <= 1e-9 * std::max(1.0, std::hypot(bx - ax, bz - az)) &&
               piksela(gx, gz) <= TolerancijaCvora) {
        t.x = gx, t.z = gz;
    } else {
        const TPolozajNaStapu n = NajblizaTackaStapa(s, plot.PikselUX(px), plot.PikselUY(py));
        t.x = ax + n.t * (bx - ax), t.z = az + n.t * (bz - az);
    }
    return t;
}

QString TCrtanjeMisem::DuzinaIUgao(const TTacka& kraj) const {
    if (!pocetak) return {};
    const double dx = kraj.x - pocetak->x, dz = kraj.z - pocetak->z;
    const double ugao = std::atan2(dz, dx) * 180 / 3.14159265358979323846;
    return QStringLiteral("L = %1   ugao = %2")
        .arg(QString::fromStdString(FormatFiksno(std::hypot(dx, dz), 3)),
             QString::fromStdString(FormatFiksno(ugao, 1)));
}

void TCrtanjeMisem::PrikaziPoziciju(const TTacka& t) {
    if (!k.status) return;
    QString s =
        QStringLiteral("X = %1   Z = %2").arg(QString::fromStdString(Tekst(t.x)), QString::fromStdString(Tekst(t.z)));
    if (t.cvor >= 0)
        s += QStringLiteral("   (Cvor broj %1)").arg(k.model().nizCvorova[static_cast<size_t>(t.cvor)]->ID());
    else if (t.stap >= 0) s += QStringLiteral("   (na stapu broj %1)").arg(t.stap);
    if (pocetak && (t.x != pocetak->x || t.z != pocetak->z)) s += QStringLiteral("   ") + DuzinaIUgao(t);
    k.status(s);
}

bool TCrtanjeMisem::Izvrsi(const char* naziv, const std::function<bool(TModel&)>& izmena) {
    try {
        return k.izvrsi(naziv, izmena);
    } catch (const std::exception& g) {
        if (k.greska) k.greska(g.what());
    }
    return false;
}

void TCrtanjeMisem::Pritisnut(int px, int py, Qt::MouseButton dugme) {
    if (!plot.UPovrsini(px, py)) return;
    if (dugme == Qt::RightButton) {
        DesniKlik(px, py);
        return;
    }
    if (dugme != Qt::LeftButton) return;
    if (!pocetak && (plot.Modifikatori() & Qt::ControlModifier)) {
        // Picking members one by one; the release that follows draws nothing.
        if (const int s = StapNa(px, py); s >= 0 && CvorNa(px, py) < 0) {
            izbor.PrebaciStap(s);
            return;
        }
    }
    levoPritisnuto = true;
    pritisakX = px;
    pritisakY = py;
    vucem = false;
    pritisnutCvor = pocetak ? -1 : CvorNa(px, py);
    // A press on the selection moves it; the single node's drag then stays out.
    if (!pocetak && izbor.Pritisnut(px, py, pritisnutCvor, StapNa(px, py))) pritisnutCvor = -1;
}

void TCrtanjeMisem::Pomeren(int px, int py, Qt::MouseButtons dugmad) {
    if (levoPritisnuto && (dugmad & Qt::LeftButton) && izbor.Pomeren(px, py)) return;
    if (levoPritisnuto && pritisnutCvor >= 0 && (dugmad & Qt::LeftButton) &&
        std::abs(px - pritisakX) + std::abs(py - pritisakY) > 3)
        vucem = true;
    TTacka t = Uhvati(px, py);
    if (vucem) {
        // The dragged node itself must not catch the mouse.
        t.cvor = -1;
        t.x = Zaokruzi(plot.PikselUX(px), true);
        t.z = Zaokruzi(plot.PikselUY(py), false);
    }
    mis = t;
    PrikaziPoziciju(t);
    plot.Refresh();
}

void TCrtanjeMisem::Pusten(int px, int py, Qt::MouseButton dugme) {
    if (dugme != Qt::LeftButton || !levoPritisnuto) return;
    levoPritisnuto = false;
    if (izbor.Pusten(px, py)) return;
    if (vucem) {
        vucem = false;
        const int cvor = pritisnutCvor;
        pritisnutCvor = -1;
        PomeriCvor(cvor, {-1, -1, Zaokruzi(plot.PikselUX(px), true), Zaokruzi(plot.PikselUY(py), false)});
        return;
    }
    pritisnutCvor = -1;
    if (!plot.UPovrsini(px, py)) return;
    const TTacka t = Uhvati(px, py);
    if (!pocetak) {
        pocetak = t;
        mis = t;
        PrikaziPoziciju(t);
        plot.Refresh();
        return;
    }
    DodajStapDo(t);
}

void TCrtanjeMisem::DvostrukiKlik(int px, int py) {
    // The first click of the pair started a member; the double click means something else.
    Otkazi();
    if (!k.otvori) return;
    if (const int c = CvorNa(px, py); c >= 0) k.otvori(true, c);
    else if (const int s = StapNa(px, py); s >= 0) k.otvori(false, s);
}

bool TCrtanjeMisem::Taster(int kljuc) {
    if (izbor.Taster(kljuc)) return true;
    if (kljuc != Qt::Key_Escape) return false;
    Otkazi();
    return true;
}

void TCrtanjeMisem::Napusten() {
    // The marker goes with the mouse; a started member waits for it to come back.
    if (vucem) return;
    mis.reset();
    plot.Refresh();
}

void TCrtanjeMisem::Otkazi() {
    pocetak.reset();
    mis.reset();
    vucem = false;
    levoPritisnuto = false;
    izbor.Otkazi();
    pritisnutCvor = -1;
    plot.Refresh();
}

void TCrtanjeMisem::DodajStapDo(const TTacka& kraj) {
    const TTacka poc = *pocetak;
    pocetak.reset();
    const TIzborStapa izbor = k.izborStapa ? k.izborStapa() : TIzborStapa{};
    // The nodes are found again by ID: the list may have changed since the first click.
    std::vector<TPodelaStapa> podele;
    const bool uradjeno = Izvrsi("Crtaj stap", [&](TModel& m) {
        return NacrtajStapNaStapove(m, {poc.id, poc.x, poc.z}, poc.stap, {kraj.id, kraj.x, kraj.z}, kraj.stap, izbor,
                                    &podele);
    });
    if (uradjeno && k.status && !podele.empty()) k.status(OpisPodela(podele));
    plot.Refresh();
}

void TCrtanjeMisem::PomeriCvor(int indeks, const TTacka& cilj) {
    if (indeks < 0) return;
    Izvrsi("Pomeri cvor", [&](TModel& m) {
        return DodajIliPromeniCvor(m, TRezimIzmene::Promeni, indeks, Tekst(cilj.x), Tekst(cilj.z));
    });
    plot.Refresh();
}

void TCrtanjeMisem::DesniKlik(int px, int py) {
    // With a member started the right button only takes it back.
    if (pocetak) Otkazi();
    else if (k.meni && NaIzboru(px, py)) k.meni(px, py);
    else Obrisi(px, py);
}

bool TCrtanjeMisem::NaIzboru(int px, int py) const {
    if (const int c = CvorNa(px, py); c >= 0) return izbor.Izabran(true, c);
    return izbor.Izabran(false, StapNa(px, py));
}

void TCrtanjeMisem::Obrisi(int px, int py) {
    if (const int c = CvorNa(px, py); c >= 0) {
        Izvrsi("Obrisi cvor", [c](TModel& m) { return ObrisiCvor(m, c); });
    } else if (const int s = StapNa(px, py); s >= 0) {
        Izvrsi("Obrisi stap", [s](TModel& m) { return ObrisiStap(m, s); });
    }
}

void TCrtanjeMisem::CrtajPreko(QPainter& p) const {
    izbor.CrtajPreko(p);
    if (!mis) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF kraj(plot.XUPiksel(mis->x), plot.YUPiksel(mis->z));
    QPen olovka(QColor(0, 90, 200), 1, Qt::DashLine);
    p.setPen(olovka);
    if (pocetak) {
        p.drawLine(QPointF(plot.XUPiksel(pocetak->x), plot.YUPiksel(pocetak->z)), kraj);
        p.setPen(QColor(0, 90, 200));
        p.drawText(kraj + QPointF(10, -8), DuzinaIUgao(*mis));
        p.setPen(olovka);
    }
    // A dragged node: from where it is to where it would go.
    const TModel& m = k.model();
    if (vucem && pritisnutCvor >= 0 && static_cast<size_t>(pritisnutCvor) < m.nizCvorova.size()) {
        const TCvor& c = *m.nizCvorova[static_cast<size_t>(pritisnutCvor)];
        p.drawLine(QPointF(plot.XUPiksel(double(c.X())), plot.YUPiksel(double(c.Z()))), kraj);
    }
    p.setPen(QPen(QColor(0, 90, 200), 1));
    p.setBrush(Qt::NoBrush);
    // A ring on a node that will be used, a small cross on a snap point.
    if (mis->cvor >= 0) {
        p.drawEllipse(kraj, TolerancijaCvora, TolerancijaCvora);
    } else if (mis->stap >= 0) {
        // A diamond on a member: drawing there splits it.
        const QPointF romb[4] = {kraj + QPointF(-5, 0), kraj + QPointF(0, -5), kraj + QPointF(5, 0),
                                 kraj + QPointF(0, 5)};
        p.drawPolygon(romb, 4);
    } else {
        p.drawLine(kraj + QPointF(-4, 0), kraj + QPointF(4, 0));
        p.drawLine(kraj + QPointF(0, -4), kraj + QPointF(0, 4));
    }
    p.restore();
}
