// A model that the analysis refuses: besides the message box, show where it is wrong.
#include <QComboBox>
#include <QStatusBar>

#include "PlotChart.h"
#include "ProveraModela.h"
#include "UnitGlavniProzor.h"

void TFormGlavniProzor::PokaziUzrokOdbijanja(const TRezultatProracuna& rezultat) {
    UkloniUzrokOdbijanja();
    if (rezultat.ishod != TIshodProracuna::Odbijen)
        return;
    const TUzrokOdbijanja uzrok = UzrokOdbijanja(model);
    // Only when the reason found is the one the user was just shown.
    if (uzrok.poruka != rezultat.poruka || uzrok.savet.empty())
        return;
    statusBar()->showMessage(QString::fromStdString(uzrok.savet));
    if (uzrok.idCvora < 0)
        return;
    for (size_t i = 0; i < model.nizCvorova.size(); ++i) {
        const TCvor& c = *model.nizCvorova[i];
        if (c.ID() != uzrok.idCvora)
            continue;
        if (PlotChartGrafik)
            PlotChartGrafik->IstakniTacku(double(c.X()), double(c.Z()));
        if (auto* cvorovi = findChild<QComboBox*>(QStringLiteral("ComboBoxSpisakCvorovaZaOslonce")))
            cvorovi->setCurrentIndex(int(i));
        break;
    }
}

void TFormGlavniProzor::UkloniUzrokOdbijanja() {
    if (PlotChartGrafik)
        PlotChartGrafik->UkloniIsticanje();
    // A window that never had a status bar does not get an empty one.
    if (auto* s = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        s->clearMessage();
}
