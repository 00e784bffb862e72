#include "PracenjeRazmere.h"

#include <cmath>

#include "CrtanjeDijagrama.h"
#include "PlotChart.h"

TPracenjeRazmere::TPracenjeRazmere(TPlotPovrsina& g, TPodesavanjaF podesavanja, std::function<void()> precrtaj,
                                   QObject* roditelj)
    : QObject(roditelj),
      g(g),
      podesavanja(std::move(podesavanja)),
      precrtaj(std::move(precrtaj)) {
    tajmer.setSingleShot(true);
    tajmer.setInterval(OdlaganjeMs);
    connect(&tajmer, &QTimer::timeout, this, &TPracenjeRazmere::Proveri);
    // The axes keep announcing to the plot (its repaint); the timer is started beside that.
    for (TScaleProps* osa : {static_cast<TScaleProps*>(&g.Scale1X), static_cast<TScaleProps*>(&g.Scale1Y)}) {
        auto ranije = osa->naPromenu;
        osa->naPromenu = [this, ranije] {
            if (ranije) ranije();
            if (this->podesavanja().prikaz.prilagodiRazmeru) tajmer.start();
        };
    }
}

void TPracenjeRazmere::Nacrtano() {
    nacrtanoZa = UdeoPrikaza(g, podesavanja());
    podrucje = PodrucjeDetalja(g, nacrtanoZa);
}

bool TPracenjeRazmere::CrtezVazi(bool uklopi) const {
    if (uklopi) return nacrtanoZa == 1;
    return std::fabs(UdeoPrikaza(g, podesavanja()) / nacrtanoZa - 1) < 1e-6 && PrikazUPodrucju(g, podrucje);
}

void TPracenjeRazmere::Proveri() {
    tajmer.stop();
    const TPodesavanja& p = podesavanja();
    if (!p.prikaz.prilagodiRazmeru || !CrtezPratiPrikaz(p)) return;
    if (!CrtezVazi(false)) precrtaj();
}
