// Loads from the plot: the context menu on a node or member, its load dialog, and the members
// selected on the plot kept in step with "Vise stapova" of the member-load page.
#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

#include "CrtanjeMisem.h"
#include "DijalogOpterecenja.h"
#include "PlotChart.h"
#include "StraniceModela.h"
#include "UnitGlavniProzor.h"
#include "UredjivanjeOpterecenja.h"

namespace {

// "Opterecenje N" with the smallest N no load of the model is named.
QString SlobodnoIme(const TModel& m) {
    for (int n = 1;; ++n) {
        const std::string ime = "Opterecenje " + std::to_string(n);
        if (std::none_of(m.nizOpterecenja.begin(), m.nizOpterecenja.end(),
                         [&](const auto& o) { return o->Ime() == ime; }))
            return QString::fromStdString(ime);
    }
}

QString OpisStapova(const TModel& m, const std::vector<int>& stapovi) {
    if (stapovi.size() == 1)
        return QStringLiteral("Stap broj %1").arg(m.nizStapova[static_cast<size_t>(stapovi[0])]->ID());
    return QStringLiteral("Izabranih stapova: %1 - svaki dobija svoje opterecenje").arg(stapovi.size());
}

}  // namespace

void TFormGlavniProzor::UgradiMeniGrafika() {
    PlotChartGrafik->OnDesniKlik = [this](int px, int py) { MeniNaGrafiku(px, py); };
    if (!crtanje || !stranice) return;
    crtanje->Izbor().naIzmenu = [this] { stranice->IzaberiStapoveZaOpterecenje(crtanje->Izbor().Izbor().stapovi); };
    stranice->naIzboruStapova = [this](const std::vector<int>& id) {
        TIzbor iz = crtanje->Izbor().Izbor();
        iz.stapovi = id;
        crtanje->Izbor().Postavi(std::move(iz));
        PlotChartGrafik->Refresh();
    };
}

void TFormGlavniProzor::MeniNaGrafiku(int px, int py) {
    if (!crtanje || !PlotChartGrafik->UPovrsini(px, py)) return;
    const int cvor = crtanje->CvorNa(px, py);
    const int stap = cvor < 0 ? crtanje->StapNa(px, py) : -1;
    if (cvor < 0 && stap < 0) return;
    QMenu meni(this);
    meni.setObjectName(QStringLiteral("MeniGrafika"));
    QAction* dodaj = meni.addAction(QStringLiteral("Dodaj opterecenje..."));
    dodaj->setObjectName(QStringLiteral("AkcijaDodajOpterecenje"));
    if (dijalozi->Meni(meni, PlotChartGrafik->mapToGlobal(QPoint(px, py))) != dodaj) return;
    // A run may have started while the menu was open.
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    if (cvor >= 0) DodajOpterecenjeCvoru(cvor);
    else DodajOpterecenjeStapovima(StapoviZaMeni(stap));
}

std::vector<int> TFormGlavniProzor::StapoviZaMeni(int stap) const {
    const TIzborMisem& izbor = crtanje->Izbor();
    if (!izbor.Izabran(false, stap)) return {stap};
    std::vector<int> stapovi;
    for (size_t i = 0; i < model.nizStapova.size(); ++i)
        if (izbor.Izabran(false, static_cast<int>(i))) stapovi.push_back(static_cast<int>(i));
    return stapovi;
}

void TFormGlavniProzor::DodajOpterecenjeCvoru(int cvor) {
    TCvor& c = *model.nizCvorova[static_cast<size_t>(cvor)];
    TDijalogOpterecenja d(this, QStringLiteral("Cvor broj %1").arg(c.ID()));
    d.ZaCvor(c);
    d.primeni = [&] {
        const TPoljaOpterecenjaCvora polja = d.Cvorna()->Tekstovi();
        try {
            dokument->Izvrsi("Promeni opterecenje cvora",
                             [&](TModel& m) { return PostaviOpterecenjeCvora(m, cvor, polja); });
        } catch (const std::exception& g) {
            dijalozi->Greska(&d, QString::fromStdString(g.what()));
            return false;
        }
        return true;
    };
    dijalozi->Dijalog(d);
}

void TFormGlavniProzor::DodajOpterecenjeStapovima(const std::vector<int>& stapovi) {
    if (stapovi.empty()) return;
    TDijalogOpterecenja d(this, OpisStapova(model, stapovi));
    d.ZaStap(SlobodnoIme(model), stranice ? stranice->VrstaOpterecenjaStapa() : toV);
    d.primeni = [&] {
        const int tip = d.Vrste()->Vrsta();
        const TPoljaOpterecenja polja = d.Vrste()->Tekstovi(tip);
        const std::string ime = d.Ime()->text().toStdString();
        // The definition and its assignments are one step: one undo takes them all back.
        try {
            dokument->Izvrsi("Dodaj opterecenje", [&](TModel& m) {
                if (!DodajOpterecenje(m, tip, ime, polja)) return false;
                const int novo = static_cast<int>(m.nizOpterecenja.size()) - 1;
                return PridruziOpterecenjeStapovima(m, novo, stapovi) > 0;
            });
        } catch (const std::exception& g) {
            dijalozi->Greska(&d, QString::fromStdString(g.what()));
            return false;
        }
        return true;
    };
    dijalozi->Dijalog(d);
}
