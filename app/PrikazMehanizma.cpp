#include "PrikazMehanizma.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

#include "Mehanizam.h"
#include "Model.h"

TPrikazMehanizma::TPrikazMehanizma(TPlotPovrsina& plot, QObject* parent)
    : QObject(parent),
      plot(plot),
      tajmer(new QTimer(this)) {
    tajmer->setInterval(KorakMs);
    connect(tajmer, &QTimer::timeout, this, [this] { Korak(); });
}

void TPrikazMehanizma::Pokazi(const TModel& model, const TMehanizam& m) {
    Ukloni();
    std::map<int, const TPomeranjeCvoraMehanizma*> pomeranja;
    for (const auto& p : m.cvorovi) pomeranja[p.idCvora] = &p;
    double xMin = 0, xMax = 0, zMin = 0, zMax = 0;
    bool prvi = true;
    for (const auto& c : model.nizCvorova) {
        const double x = double(c->X()), z = double(c->Z());
        xMin = prvi ? x : std::min(xMin, x), xMax = prvi ? x : std::max(xMax, x);
        zMin = prvi ? z : std::min(zMin, z), zMax = prvi ? z : std::max(zMax, z);
        prvi = false;
    }
    const double velicina = std::max(xMax - xMin, zMax - zMin);
    const double a = UdeoVelicine * (velicina > 0 ? velicina : 1.0);
    auto pomeranje = [&](const TCvor* c, double& ux, double& uz) {
        auto it = c ? pomeranja.find(c->ID()) : pomeranja.end();
        ux = it == pomeranja.end() ? 0 : a * it->second->ux;
        uz = it == pomeranja.end() ? 0 : a * it->second->uz;
    };
    for (const auto& s : model.nizStapova) {
        const TCvor* p = s->PocetniCvor();
        const TCvor* k = s->KrajnjiCvor();
        if (!p || !k) continue;
        TStapUPokretu st{double(p->X()), double(p->Z()), double(k->X()), double(k->Z()), 0, 0, 0, 0};
        pomeranje(p, st.ux1, st.uz1);
        pomeranje(k, st.ux2, st.uz2);
        stapovi.push_back(st);
    }
    // A mode of rotations alone moves no member end; there is nothing to swing then.
    if (stapovi.empty()) return;
    faza = 0;
    tajmer->start();
    Korak();
}

void TPrikazMehanizma::Ukloni() {
    tajmer->stop();
    stapovi.clear();
    plot.UkloniPreklop();
}

bool TPrikazMehanizma::Aktivan() const { return tajmer->isActive(); }

std::vector<TPlotPovrsina::TDuzPreklopa> TPrikazMehanizma::Duzi(double f) const {
    const double s = std::sin(f);
    std::vector<TPlotPovrsina::TDuzPreklopa> d;
    d.reserve(stapovi.size());
    for (const auto& st : stapovi)
        d.push_back({st.x1 + s * st.ux1, st.z1 + s * st.uz1, st.x2 + s * st.ux2, st.z2 + s * st.uz2});
    return d;
}

void TPrikazMehanizma::Korak() {
    constexpr double dvaPi = 6.283185307179586;
    faza = std::fmod(faza + dvaPi * KorakMs / (1000.0 * PeriodS), dvaPi);
    plot.PostaviPreklop(Duzi(faza));
}
