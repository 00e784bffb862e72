// A model that the analysis refuses: besides the message box, show where it is wrong.
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

#include "PlotChart.h"
#include "ProveraModela.h"
#include "UnitGlavniProzor.h"

namespace {

const QString ImeLinije = QStringLiteral("LabelUzrokOdbijanja");

// A widget of the status bar rather than its message: menus and tool tips clear a message as soon
// as the pointer passes over them, and the line has to stay until the next change.
QLabel* LinijaStatusa(QStatusBar* traka) {
    auto* linija = traka->findChild<QLabel*>(ImeLinije);
    if (!linija) {
        linija = new QLabel(traka);
        linija->setObjectName(ImeLinije);
        linija->setAccessibleDescription(ImeLinije);
        linija->setTextInteractionFlags(Qt::TextSelectableByMouse);
        traka->addWidget(linija, 1);
    }
    return linija;
}

}  // namespace

void TFormGlavniProzor::PokaziUzrokOdbijanja(const TRezultatProracuna& rezultat) {
    UkloniUzrokOdbijanja();
    if (rezultat.ishod != TIshodProracuna::Odbijen) {
        // The run's warnings stay in view on the same line until the next change.
        QStringList upozorenja;
        for (const std::string& u : rezultat.upozorenja) upozorenja << QString::fromStdString(u);
        if (!upozorenja.isEmpty()) LinijaStatusa(statusBar())->setText(upozorenja.join(QStringLiteral("; ")));
        return;
    }
    const TUzrokOdbijanja uzrok = UzrokOdbijanja(model);
    // Only when the reason found is the one the user was just shown.
    if (uzrok.poruka != rezultat.poruka || uzrok.savet.empty()) return;
    LinijaStatusa(statusBar())->setText(QString::fromStdString(uzrok.savet));
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

void TFormGlavniProzor::UkloniUzrokOdbijanja() {
    if (PlotChartGrafik) PlotChartGrafik->UkloniIsticanje();
    if (auto* linija = findChild<QLabel*>(ImeLinije)) linija->clear();
}
