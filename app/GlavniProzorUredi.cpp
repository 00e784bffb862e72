// The "Uredi" menu of the main window and what the window does when its document changes.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "GlavniProzorPomoc.h"
#include "PoslovProracuna.h"
#include "StraniceModela.h"
#include "CrtanjeMisem.h"
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
    uredi->addSeparator();
    PreseciStapove1 = uredi->addAction(QStringLiteral("Pr&eseci stapove"));
    PreseciStapove1->setObjectName(QStringLiteral("PreseciStapove1"));
    connect(PreseciStapove1, &QAction::triggered, this, &TFormGlavniProzor::PreseciStapove1Click);
    OsveziMeniUredi();
}

void TFormGlavniProzor::OsveziMeniUredi() {
    if (!Ponisti1 || !dokument) return;
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

bool TFormGlavniProzor::PostaviRezultate(TPoslovProracuna& posao) {
    sacuvaniDijagrami.Ponudi(posao.Dijagrami());
    const bool postavljeni = dokument->PostaviRezultate(posao);
    sacuvaniDijagrami.Ponudi(nullptr);
    return postavljeni;
}

void TFormGlavniProzor::Ponisti1Click() { dokument->Ponisti(); }

void TFormGlavniProzor::Ponovi1Click() { dokument->Ponovi(); }

void TFormGlavniProzor::NaIzmenuDokumenta(const TIzmena& izmena) {
    const bool komanda = izmena.vrsta == TVrstaIzmene::Komanda || izmena.vrsta == TVrstaIzmene::Istorija;
    izvorCrteza.tekuci = false;
    // Before anything below redraws: the kept diagrams describe the results and model as they were.
    if (izmena.vrsta != TVrstaIzmene::Podesavanja && izmena.vrsta != TVrstaIzmene::Snimanje)
        sacuvaniDijagrami.Odbaci();
    if (izmena.Dotice(ddIstorija)) OsveziMeniUredi();
    // A refused analysis stays marked until the model changes.
    if (komanda || izmena.vrsta == TVrstaIzmene::NoviModel) UkloniUzrokOdbijanja();
    if (izmena.vrsta == TVrstaIzmene::NoviModel) {
        NaNoviModel();
        return;
    }
    if (izmena.vrsta == TVrstaIzmene::Podesavanja) NaIzmenuPodesavanja(izmena.podesavanja);
    // Results that went empty the grids; results a run installs are shown by their own path.
    if (izmena.Dotice(ddRezultati) && !stanje.nizKodnihBrojeva && naBrisanjeRezultata) naBrisanjeRezultata();
    // The result page lists every node, member and load, and its member text names materials and
    // sections; every command refills it, as the editing pages' own lists are.
    if ((komanda || izmena.Dotice(ddListe)) && naOsvezavanjeListiRezultata) naOsvezavanjeListiRezultata();
    // Results alone matter to the plot only while it draws them (the deformed shape, a diagram).
    const bool crtaRezultate = podesavanja.deformacijaNosaca || podesavanja.prikaz.dijagram != TPrikaz::Bez;
    if (komanda || izmena.Dotice(ddListe) || (izmena.Dotice(ddRezultati) && crtaRezultate)) CrtajGrafikGlavni();
    if (izmena.Dotice(ddPutanja)) OsveziNaslov();
}

void TFormGlavniProzor::NaNoviModel() {
    // A selection is kept by IDs, which in another model name other nodes and members.
    if (crtanje) crtanje->Izbor().Postavi({});
    // The caption is left to the command: at start-up without a file it shows the program alone.
    // The settings were read with the model.
    PodesavanjaUKontrole();
    PrimeniAkcijuMisa();
    if (naOsvezavanjeListiRezultata) naOsvezavanjeListiRezultata();
    CrtajGrafikGlavni();
}
