#include "IzborMisem.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "PodelaStapa.h"

namespace {

// Fewer pixels than this between press and mouse is a click, not a drag.
constexpr int PragVucenja = 4;

bool Sadrzi(const std::vector<int>& v, int id) { return std::find(v.begin(), v.end(), id) != v.end(); }

}  // namespace

QString OpisPodela(const std::vector<TPodelaStapa>& podele) {
    QString s;
    for (const TPodelaStapa& p : podele)
        s += QStringLiteral("Stap je podeljen cvorom %1 (novi stap %2, premestenih opterecenja %3, podeljenih %4). ")
                 .arg(p.idCvora)
                 .arg(p.idNovogStapa)
                 .arg(p.premestenih)
                 .arg(p.podeljenih);
    return s.trimmed();
}

bool TIzborMisem::Izabran(bool cvor, int indeks) const {
    const TModel& m = model();
    if (indeks < 0) return false;
    if (cvor) return size_t(indeks) < m.nizCvorova.size() && Sadrzi(izbor.cvorovi, m.nizCvorova[size_t(indeks)]->ID());
    return size_t(indeks) < m.nizStapova.size() && Sadrzi(izbor.stapovi, m.nizStapova[size_t(indeks)]->ID());
}

bool TIzborMisem::Pritisnut(int px, int py, int cvor, int stap) {
    x0 = x1 = px;
    y0 = y1 = py;
    if (Izabran(true, cvor) || (cvor < 0 && Izabran(false, stap))) {
        rad = TRad::CekamPomeranje;
        return true;
    }
    // A node not selected keeps its own drag.
    rad = cvor < 0 ? TRad::Cekam : TRad::Nista;
    return false;
}

bool TIzborMisem::Pomeren(int px, int py) {
    if (rad == TRad::Nista) return false;
    x1 = px;
    y1 = py;
    const bool daleko = std::abs(px - x0) + std::abs(py - y0) >= PragVucenja;
    if (rad == TRad::Cekam && daleko) rad = TRad::Pravougaonik;
    if (rad == TRad::CekamPomeranje && daleko) rad = TRad::Pomeranje;
    if (rad != TRad::Pravougaonik && rad != TRad::Pomeranje) return false;
    plot.Refresh();
    return true;
}

bool TIzborMisem::Pusten(int px, int py) {
    const TRad bio = rad;
    rad = TRad::Nista;
    if (bio == TRad::Pravougaonik) {
        izbor =
            IzborUPravougaoniku(model(), plot.PikselUX(x0), plot.PikselUY(y0), plot.PikselUX(px), plot.PikselUY(py));
        Izmenjen();
        plot.Refresh();
        return true;
    }
    if (bio != TRad::Pomeranje) return false;
    // Snapped at both ends, so a selection on the grid stays on it.
    const long double dx = zaokruzi(plot.PikselUX(px), true) - zaokruzi(plot.PikselUX(x0), true);
    const long double dz = zaokruzi(plot.PikselUY(py), false) - zaokruzi(plot.PikselUY(y0), false);
    const TIzbor iz = izbor;
    izvrsi("Pomeri izbor", [&](TModel& m) { return PomeriIzbor(m, iz, dx, dz); });
    plot.Refresh();
    return true;
}

bool TIzborMisem::Taster(int kljuc) {
    if (izbor.Prazan()) return false;
    if (kljuc == Qt::Key_Delete) {
        const TIzbor iz = izbor;
        if (izvrsi("Obrisi izbor", [&](TModel& m) { return ObrisiIzbor(m, iz); })) {
            izbor = {};
            Izmenjen();
        }
        plot.Refresh();
        return true;
    }
    if (kljuc != Qt::Key_Escape) return false;
    izbor = {};
    Izmenjen();
    plot.Refresh();
    return false;  // Escape also cancels a started member
}

void TIzborMisem::Otkazi() { rad = TRad::Nista; }

void TIzborMisem::PrebaciStap(int stap) {
    const TModel& m = model();
    if (stap < 0 || size_t(stap) >= m.nizStapova.size()) return;
    const int id = m.nizStapova[size_t(stap)]->ID();
    auto& s = izbor.stapovi;
    if (const auto i = std::find(s.begin(), s.end(), id); i != s.end()) s.erase(i);
    else s.push_back(id);
    Izmenjen();
    plot.Refresh();
}

void TIzborMisem::Izmenjen() const {
    if (naIzmenu) naIzmenu();
}

void TIzborMisem::CrtajIzabrane(QPainter& p) const {
    const TModel& m = model();
    const double dx = rad == TRad::Pomeranje ? x1 - x0 : 0, dy = rad == TRad::Pomeranje ? y1 - y0 : 0;
    auto tacka = [&](const TCvor& c) {
        return QPointF(plot.XUPiksel(double(c.X())) + dx, plot.YUPiksel(double(c.Z())) + dy);
    };
    // Sets, so a large selection costs one look-up per entity, not a search of the selection.
    const std::unordered_set<int> stapovi(izbor.stapovi.begin(), izbor.stapovi.end()),
        cvorovi(izbor.cvorovi.begin(), izbor.cvorovi.end());
    p.setPen(QPen(QColor(230, 120, 0), 3));
    for (const auto& s : m.nizStapova)
        if (s->PocetniCvor() && s->KrajnjiCvor() && stapovi.count(s->ID()))
            p.drawLine(tacka(*s->PocetniCvor()), tacka(*s->KrajnjiCvor()));
    p.setPen(QPen(QColor(230, 120, 0), 2));
    for (const auto& c : m.nizCvorova)
        if (cvorovi.count(c->ID())) p.drawRect(QRectF(tacka(*c) - QPointF(5, 5), QSizeF(10, 10)));
}

void TIzborMisem::CrtajPreko(QPainter& p) const {
    p.save();
    p.setBrush(Qt::NoBrush);
    CrtajIzabrane(p);
    if (rad == TRad::Pravougaonik) {
        p.setPen(QPen(QColor(230, 120, 0), 1, Qt::DashLine));
        p.setBrush(QColor(230, 120, 0, 30));
        p.drawRect(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1))));
    }
    p.restore();
}
