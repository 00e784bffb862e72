// The "Uredi" menu of the main window and what the window does when its document changes.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "GlavniProzorPomoc.h"
#include "StraniceModela.h"
#include "UnitGlavniProzor.h"

using namespace glavni_prozor;

void TFormGlavniProzor::NapraviMeniUredi(QMenu* uredi) {
    Ponisti1 = uredi->addAction(QStringLiteral("&Ponisti"));
    Ponisti1->setObjectName(QStringLiteral("Ponisti1"));
    Ponisti1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(Ponisti1, &QAction::triggered, this, &TFormGlavniProzor::Ponisti1Click);
    Ponovi1 = uredi->addAction(QStringLiteral("P&onovi"));
    Ponovi1->setObjectName(QStringLiteral("Ponovi1"));
    Ponovi1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Ponovi1, &QAction::triggered, this, &TFormGlavniProzor::Ponovi1Click);
    OsveziMeniUredi();
}

void TFormGlavniProzor::OsveziMeniUredi() {
    if (!Ponisti1 || !dokument)
        return;
    const TDokument& d = dokument->Jezgro();
    // A run takes its copy of the model at the start; an undo under it would leave the results
    // it brings without a model to describe.
    const bool z = Zauzet();
    Ponisti1->setEnabled(d.MozePonisti() && !z);
    Ponisti1->setText(d.MozePonisti() ? QStringLiteral("&Ponisti: ") + QString::fromStdString(d.NazivPonistavanja())
                                      : QStringLiteral("&Ponisti"));
    Ponovi1->setEnabled(d.MozePonovi() && !z);
    Ponovi1->setText(d.MozePonovi() ? QStringLiteral("P&onovi: ") + QString::fromStdString(d.NazivPonavljanja())
                                    : QStringLiteral("P&onovi"));
}

bool TFormGlavniProzor::IzvrsiIzmenu(const std::string& naziv, const std::function<bool(TModel&)>& izmena) {
    return dokument->Izvrsi(naziv, izmena);
}

void TFormGlavniProzor::Ponisti1Click() { dokument->Ponisti(); }

void TFormGlavniProzor::Ponovi1Click() { dokument->Ponovi(); }

void TFormGlavniProzor::NaIzmenuDokumenta(TVrstaIzmene vrsta) {
    OsveziMeniUredi();
    if (vrsta != TVrstaIzmene::Snimanje)
        UkloniUzrokOdbijanja();
    switch (vrsta) {
    case TVrstaIzmene::Komanda:
        // The page that ran the command refreshes its own lists as it always has.
        PosleIzmeneModela();
        OsveziNaslov();
        break;
    case TVrstaIzmene::Istorija:
        if (stranice)
            stranice->OsveziSveZadrziIzbor();
        PosleIzmeneModela();
        OsveziNaslov();
        break;
    case TVrstaIzmene::Snimanje:
        OsveziNaslov();
        break;
    case TVrstaIzmene::Rezultati:
        // The analysis page shows what it installed.
        break;
    case TVrstaIzmene::NoviModel:
        // Reading and "Nov..." refresh the pages and the caption themselves.
        break;
    }
}
