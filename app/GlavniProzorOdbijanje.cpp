// A model that the analysis refuses, or a structure that moves: besides the message box, show
// where it is wrong and how it moves.
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

#include "Mehanizam.h"
#include "PlotChart.h"
#include "PrikazMehanizma.h"
#include "ProbaOpsteStabilnosti.h"
#include "ProveraModela.h"
#include "UnitGlavniProzor.h"

namespace {

const QString ImeLinije = QStringLiteral("LabelUzrokOdbijanja");

const char* const SavetOpsteStabilnosti =
    " Sa opcijom \"Opsta stabilnost\" (strana \"Analiza\") ovaj sistem bi bio prihvacen.";

}  // namespace

QLabel* TFormGlavniProzor::LinijaUzroka() {
    // A widget of the status bar rather than its message: menus and tool tips clear a message
    // as soon as the pointer passes over them, and the line has to stay until the next change.
    auto* linija = statusBar()->findChild<QLabel*>(ImeLinije);
    if (!linija) {
        linija = new QLabel(statusBar());
        linija->setObjectName(ImeLinije);
        linija->setAccessibleDescription(ImeLinije);
        linija->setTextInteractionFlags(Qt::TextSelectableByMouse);
        statusBar()->addWidget(linija, 1);
    }
    return linija;
}

void TFormGlavniProzor::PokaziUzrokOdbijanja(const TRezultatProracuna& rezultat) {
    UkloniUzrokOdbijanja();
    if (rezultat.mehanizam) PokaziMehanizam(*rezultat.mehanizam);
    if (rezultat.ishod != TIshodProracuna::Odbijen) {
        // The run's warnings stay in view on the same line until the next change.
        QStringList upozorenja;
        for (const std::string& u : rezultat.upozorenja) upozorenja << QString::fromStdString(u);
        if (!upozorenja.isEmpty() && !rezultat.mehanizam) LinijaUzroka()->setText(upozorenja.join(QStringLiteral("; ")));
        return;
    }
    const TUzrokOdbijanja uzrok = UzrokOdbijanja(model);
    // Only when the reason found is the one the user was just shown.
    if (uzrok.poruka != rezultat.poruka || uzrok.savet.empty()) return;
    std::string savet = uzrok.savet;
    if (OpstaStabilnostBiPrihvatila(model)) savet += SavetOpsteStabilnosti;
    LinijaUzroka()->setText(QString::fromStdString(savet));
    if (uzrok.idCvora < 0) return;
    for (size_t i = 0; i < model.nizCvorova.size(); ++i) {
        const TCvor& c = *model.nizCvorova[i];
        if (c.ID() != uzrok.idCvora) continue;
        if (PlotChartGrafik) PlotChartGrafik->IstakniTacku(double(c.X()), double(c.Z()));
        if (auto* cvorovi = findChild<QComboBox*>(QStringLiteral("ComboBoxSpisakCvorovaZaOslonce")))
            cvorovi->setCurrentIndex(int(i));
        break;
    }
}

void TFormGlavniProzor::PokaziMehanizam(const TMehanizam& m) {
    LinijaUzroka()->setText(QString::fromStdString(m.Linija()));
    if (!PlotChartGrafik) return;
    if (!prikazMehanizma) prikazMehanizma = new TPrikazMehanizma(*PlotChartGrafik, this);
    prikazMehanizma->Pokazi(model, m);
}

void TFormGlavniProzor::UkloniUzrokOdbijanja() {
    if (prikazMehanizma) prikazMehanizma->Ukloni();
    if (PlotChartGrafik) PlotChartGrafik->UkloniIsticanje();
    if (auto* linija = findChild<QLabel*>(ImeLinije)) linija->clear();
}
