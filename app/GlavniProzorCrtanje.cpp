// The "Crtanje" mouse action wired into the main window: its commands are undoable steps of the
// document, its messages go to the window's boxes, its position to the status bar.
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>

#include "Brojevi.h"
#include "Greska.h"
#include "PodelaStapa.h"
#include "CrtanjeMisem.h"
#include "Dijalozi.h"
#include "StraniceModela.h"
#include "UnitGlavniProzor.h"

void TFormGlavniProzor::UgradiCrtanje() {
    TKontekstCrtanja k;
    k.model = [this]() -> TModel& { return model; };
    k.izvrsi = [this](const std::string& naziv, const std::function<bool(TModel&)>& izmena) {
        // The pages, lists and plot follow the document's announcement.
        return dokument->Izvrsi(naziv, izmena);
    };
    k.greska = [this](const std::string& poruka) { dijalozi->Greska(this, QString::fromStdString(poruka)); };
    k.izborStapa = [this] { return stranice ? stranice->IzborZaCrtanje() : TIzborStapa{}; };
    k.korak = [this]() -> std::optional<double> {
        const auto v = ParsirajReal(EditKorakCrtanja->text().trimmed().toStdString());
        if (v && *v > 0) return static_cast<double>(*v);
        return std::nullopt;
    };
    k.status = [this](const QString& tekst) { statusBar()->showMessage(tekst); };
    k.otvori = [this](bool cvor, int indeks) {
        PageControlGlavniMeni->setCurrentIndex(cvor ? StranaCvor : StranaStap);
        if (!stranice) return;
        if (cvor) stranice->IzaberiCvor(indeks);
        else stranice->IzaberiStap(indeks);
    };
    k.meni = [this](int px, int py) { MeniNaGrafiku(px, py); };
    crtanje = std::make_unique<TCrtanjeMisem>(*PlotChartGrafik, std::move(k));
    PostaviCrtanje(AkcijaMisa() == 3);
}

void TFormGlavniProzor::PostaviCrtanje(bool ukljuceno) {
    if (!PlotChartGrafik || !crtanje) return;
    // The busy state takes the tool off the plot and gives it back afterwards.
    ukljuceno = ukljuceno && !Zauzet();
    if (ukljuceno == (PlotChartGrafik->Alat() == crtanje.get())) return;
    crtanje->Otkazi();
    // The status bar comes with the mode, so the plot does not shrink under the first click.
    if (ukljuceno) statusBar();
    PlotChartGrafik->PostaviAlat(ukljuceno ? crtanje.get() : nullptr);
    if (auto* traka = findChild<QStatusBar*>(); traka && !ukljuceno) traka->clearMessage();
}

void TFormGlavniProzor::PreseciStapove1Click() {
    if (!crtanje || Zauzet()) return;
    const TIzbor izbor = crtanje->Izbor().Izbor();
    std::vector<TPodelaStapa> podele;
    try {
        if (izbor.stapovi.size() != 2) throw TGreska("Izaberite dva stapa koji se seku!!!");
        dokument->Izvrsi("Preseci stapove", [&](TModel& m) {
            PreseciStapove(m, izbor.stapovi[0], izbor.stapovi[1], &podele);
            return true;
        });
    } catch (const std::exception& g) {
        dijalozi->Greska(this, QString::fromStdString(g.what()));
        return;
    }
    statusBar()->showMessage(OpisPodela(podele));
}
