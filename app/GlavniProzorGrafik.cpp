// The "Grafik" page of the main window: display settings, mouse action and zoom, and the way the
// settings travel between its controls and the document.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "CrtanjeKonstrukcije.h"
#include "GlavniProzorPomoc.h"
#include "GrupaDijagrama.h"
#include "GrupaPrikaza.h"
#include "PlotChart.h"
#include "StraniceModelaPomoc.h"
#include "UnitGlavniProzor.h"

using namespace glavni_prozor;

QWidget* TFormGlavniProzor::NapraviStranuGrafik() {
    auto* strana = new QWidget;
    strana->setObjectName(QStringLiteral("TabSheetGrafik"));
    auto* raspored = stranice_modela::SadrzajSaKlizacem(strana);

    auto prekidac = [this](QWidget* roditelj, QLayout* u, const char* ime, const char* naslov, bool crtaj) {
        auto* c = Imenuj(new QCheckBox(Tekst(naslov), roditelj), Tekst(ime));
        u->addWidget(c);
        if (crtaj)
            connect(c, &QCheckBox::clicked, this, &TFormGlavniProzor::CheckBoxPrikaziClick);
        return c;
    };

    auto* cvor = new QGroupBox(QStringLiteral("Cvor"), strana);
    auto* cvorR = new QVBoxLayout(cvor);
    CheckBoxPrikaziSimbolCvora = prekidac(cvor, cvorR, "CheckBoxPrikaziSimbolCvora", "simbol", true);
    CheckBoxPrikaziBrojCvora = prekidac(cvor, cvorR, "CheckBoxPrikaziBrojCvora", "broj", true);
    CheckBoxPrikaziOslonceCvora = prekidac(cvor, cvorR, "CheckBoxPrikaziOslonceCvora", "oslonac", true);
    CheckBoxPrikaziOpterecenjeCvora = prekidac(cvor, cvorR, "CheckBoxPrikaziOpterecenjeCvora", "opterecenje", true);

    auto* stap = new QGroupBox(QStringLiteral("Stap"), strana);
    auto* stapR = new QVBoxLayout(stap);
    CheckBoxPrikaziSimbolStapa = prekidac(stap, stapR, "CheckBoxPrikaziSimbolStapa", "simbol", true);
    CheckBoxPrikaziBrojStapa = prekidac(stap, stapR, "CheckBoxPrikaziBrojStapa", "broj", true);
    CheckBoxPrikaziOrjentacijuStapa = prekidac(stap, stapR, "CheckBoxPrikaziOrjentacijuStapa", "orjentacija", true);
    CheckBoxPrikaziOpterecenjeStapa = prekidac(stap, stapR, "CheckBoxPrikaziOpterecenjeStapa", "opterecenje", true);

    auto* grupe = new QHBoxLayout;
    grupe->addWidget(cvor);
    grupe->addWidget(stap);
    raspored->addLayout(grupe);

    auto* karakteristike = new QGroupBox(QStringLiteral("Karakteristike grafika"), strana);
    auto* karR = new QGridLayout(karakteristike);
    CheckBoxMrezaGrafika = Imenuj(new QCheckBox(QStringLiteral("mreza"), karakteristike),
                                  QStringLiteral("CheckBoxMrezaGrafika"));
    connect(CheckBoxMrezaGrafika, &QCheckBox::clicked, this, &TFormGlavniProzor::CheckBoxMrezaGrafikaClick);
    CheckBoxDeformacijaNosaca = Imenuj(new QCheckBox(QStringLiteral("pomeranja"), karakteristike),
                                       QStringLiteral("CheckBoxDeformacijaNosaca"));
    connect(CheckBoxDeformacijaNosaca, &QCheckBox::clicked, this, &TFormGlavniProzor::CheckBoxPrikaziClick);
    auto* labelaMnozilac = new QLabel(QStringLiteral("mnozilac pomeranja"), karakteristike);
    labelaMnozilac->setObjectName(QStringLiteral("LabelMnozilacPomeranja"));
    EditMnozilacPomeranja = Imenuj(new QLineEdit(karakteristike), QStringLiteral("EditMnozilacPomeranja"));
    labelaMnozilac->setBuddy(EditMnozilacPomeranja);
    EditMnozilacPomeranja->setAccessibleName(labelaMnozilac->text());
    connect(EditMnozilacPomeranja, &QLineEdit::textEdited, this,
            [this](const QString& t) { podesavanja.mnozilacPomeranja = t.toStdString(); });
    ButtonOsveziPomeranja = Imenuj(new QPushButton(QStringLiteral("Prikazi"), karakteristike),
                                   QStringLiteral("ButtonOsveziPomeranja"));
    connect(ButtonOsveziPomeranja, &QPushButton::clicked, this, &TFormGlavniProzor::ButtonOsveziPomeranjaClick);
    karR->addWidget(CheckBoxMrezaGrafika, 0, 0);
    karR->addWidget(CheckBoxDeformacijaNosaca, 1, 0);
    karR->addWidget(labelaMnozilac, 2, 0);
    karR->addWidget(EditMnozilacPomeranja, 2, 1);
    karR->addWidget(ButtonOsveziPomeranja, 3, 1);
    raspored->addWidget(karakteristike);
    raspored->addWidget(GrupaDijagrama = new TGrupaDijagrama(*this, strana));

    RadioGroupAkcijeMisa = Imenuj(new QGroupBox(QStringLiteral("Akcije misa"), strana),
                                  QStringLiteral("RadioGroupAkcijeMisa"));
    auto* akcijeR = new QVBoxLayout(RadioGroupAkcijeMisa);
    akcijeMisa = new QButtonGroup(RadioGroupAkcijeMisa);
    const char* akcije[] = {"Pan", "Zoom", "Klik na cvor ili sredinu stapa", "Crtanje"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(Tekst(akcije[i]), RadioGroupAkcijeMisa);
        r->setObjectName(QStringLiteral("RadioGroupAkcijeMisa%1").arg(i));
        akcijeMisa->addButton(r, i);
        if (i < 3) {
            akcijeR->addWidget(r);
            continue;
        }
        // The drawing mode with its snap step beside it; empty snaps to the plot's grid.
        auto* red = new QHBoxLayout;
        red->addWidget(r);
        auto* labelaKorak = new QLabel(QStringLiteral("korak"), RadioGroupAkcijeMisa);
        EditKorakCrtanja = Imenuj(new QLineEdit(RadioGroupAkcijeMisa), QStringLiteral("EditKorakCrtanja"));
        EditKorakCrtanja->setPlaceholderText(QStringLiteral("mreza"));
        EditKorakCrtanja->setToolTip(QStringLiteral("Korak hvatanja tacaka; prazno: mreza grafika"));
        labelaKorak->setBuddy(EditKorakCrtanja);
        red->addStretch(1);
        red->addWidget(labelaKorak);
        red->addWidget(EditKorakCrtanja);
        akcijeR->addLayout(red);
    }
    connect(akcijeMisa, &QButtonGroup::idClicked, this, &TFormGlavniProzor::RadioGroupAkcijeMisaClick);
    raspored->addWidget(RadioGroupAkcijeMisa);

    CheckBoxZoomURealnomVremenu = Imenuj(new QCheckBox(QStringLiteral("zoom u realnom vremenu"), strana),
                                         QStringLiteral("CheckBoxZoomURealnomVremenu"));
    // Read by the drawing only; no redraw of its own.
    connect(CheckBoxZoomURealnomVremenu, &QCheckBox::toggled, this,
            [this](bool da) { podesavanja.zoomURealnomVremenu = da; });
    raspored->addWidget(CheckBoxZoomURealnomVremenu);

    auto* zoom = new QHBoxLayout;
    auto* labelaZoom = new QLabel(QStringLiteral("zoom"), strana);
    ComboBoxZoomSve = Imenuj(new QComboBox(strana), QStringLiteral("ComboBoxZoomSve"));
    for (const char* t : TekstoviFaktoraZooma)
        ComboBoxZoomSve->addItem(Tekst(t));
    ComboBoxZoomSve->setEditable(false);
    labelaZoom->setBuddy(ComboBoxZoomSve);
    connect(ComboBoxZoomSve, &QComboBox::currentIndexChanged, this, &TFormGlavniProzor::ComboBoxZoomSveChange);
    ButtonZumSve = Imenuj(new QPushButton(QStringLiteral("Zoom"), strana), QStringLiteral("ButtonZumSve"));
    connect(ButtonZumSve, &QPushButton::clicked, this, &TFormGlavniProzor::ButtonZumSveClick);
    zoom->addWidget(labelaZoom);
    zoom->addWidget(ComboBoxZoomSve, 1);
    zoom->addWidget(ButtonZumSve);
    raspored->addLayout(zoom);
    GrupaPrikaza = new TGrupaPrikaza(podesavanja.prikaz, [this] { CheckBoxPrikaziClick(); }, strana);
    raspored->addWidget(GrupaPrikaza);
    raspored->addStretch(1);

    // Start-up state of the controls: the default settings.
    podesavanja = TPodesavanja{};
    PodesavanjaUKontrole();
    return strana;
}

// ---- settings <-> controls ----

QLineEdit* TFormGlavniProzor::EditVrednostIspredMatrica() const {
    return TabSheetRezultat ? TabSheetRezultat->findChild<QLineEdit*>(QStringLiteral("EditVrednostIspredMatricaKrutosti"))
                            : nullptr;
}

void TFormGlavniProzor::PodesavanjaIzKontrola() {
    if (QLineEdit* faktor = EditVrednostIspredMatrica())
        podesavanja.vrednostIspredMatricaKrutosti = faktor->text().toStdString();
    podesavanja.mnozilacPomeranja = EditMnozilacPomeranja->text().toStdString();
    podesavanja.mrezaGrafika = CheckBoxMrezaGrafika->isChecked();
    podesavanja.deformacijaNosaca = CheckBoxDeformacijaNosaca->isChecked();
    podesavanja.prikaziSimbolStapa = CheckBoxPrikaziSimbolStapa->isChecked();
    podesavanja.prikaziBrojStapa = CheckBoxPrikaziBrojStapa->isChecked();
    podesavanja.prikaziOrjentacijuStapa = CheckBoxPrikaziOrjentacijuStapa->isChecked();
    podesavanja.prikaziOpterecenjeStapa = CheckBoxPrikaziOpterecenjeStapa->isChecked();
    podesavanja.prikaziSimbolCvora = CheckBoxPrikaziSimbolCvora->isChecked();
    podesavanja.prikaziBrojCvora = CheckBoxPrikaziBrojCvora->isChecked();
    podesavanja.prikaziOslonceCvora = CheckBoxPrikaziOslonceCvora->isChecked();
    podesavanja.prikaziOpterecenjeCvora = CheckBoxPrikaziOpterecenjeCvora->isChecked();
    podesavanja.zoomURealnomVremenu = CheckBoxZoomURealnomVremenu->isChecked();
    podesavanja.zoomSve = ComboBoxZoomSve->currentIndex();
    podesavanja.akcijeMisa = AkcijaMisa();
}

void TFormGlavniProzor::PodesavanjaUKontrole() {
    const TPodesavanja p = podesavanja;  // the controls' handlers write back into `podesavanja`
    punimKontrole = true;
    if (QLineEdit* faktor = EditVrednostIspredMatrica())
        faktor->setText(QString::fromStdString(p.vrednostIspredMatricaKrutosti));
    EditMnozilacPomeranja->setText(QString::fromStdString(p.mnozilacPomeranja));
    CheckBoxMrezaGrafika->setChecked(p.mrezaGrafika);
    CheckBoxDeformacijaNosaca->setChecked(p.deformacijaNosaca);
    CheckBoxPrikaziSimbolStapa->setChecked(p.prikaziSimbolStapa);
    CheckBoxPrikaziBrojStapa->setChecked(p.prikaziBrojStapa);
    CheckBoxPrikaziOrjentacijuStapa->setChecked(p.prikaziOrjentacijuStapa);
    CheckBoxPrikaziOpterecenjeStapa->setChecked(p.prikaziOpterecenjeStapa);
    CheckBoxPrikaziSimbolCvora->setChecked(p.prikaziSimbolCvora);
    CheckBoxPrikaziBrojCvora->setChecked(p.prikaziBrojCvora);
    CheckBoxPrikaziOslonceCvora->setChecked(p.prikaziOslonceCvora);
    CheckBoxPrikaziOpterecenjeCvora->setChecked(p.prikaziOpterecenjeCvora);
    CheckBoxZoomURealnomVremenu->setChecked(p.zoomURealnomVremenu);
    ComboBoxZoomSve->setCurrentIndex(p.zoomSve >= 0 && p.zoomSve < BrojFaktoraZooma ? p.zoomSve : -1);
    PostaviAkcijuMisa(p.akcijeMisa);
    if (GrupaDijagrama)
        GrupaDijagrama->PrikazUKontrole(p.prikaz);
    if (GrupaPrikaza)
        GrupaPrikaza->IzPodesavanja();
    punimKontrole = false;
    podesavanja = p;
    if (PlotChartGrafik)
        PlotChartGrafik->SetGridStyle(p.mrezaGrafika ? gsDotLines : gsNone);
}

int TFormGlavniProzor::AkcijaMisa() const { return akcijeMisa->checkedId(); }

void TFormGlavniProzor::PostaviAkcijuMisa(int indeks) {
    if (QAbstractButton* b = akcijeMisa->button(indeks)) {
        b->setChecked(true);
    } else {
        // An index from a file that names no item: nothing selected, as the file says.
        akcijeMisa->setExclusive(false);
        for (QAbstractButton* r : akcijeMisa->buttons())
            r->setChecked(false);
        akcijeMisa->setExclusive(true);
    }
    RadioGroupAkcijeMisaClick();
}

// ---- "Grafik" page ----

void TFormGlavniProzor::CheckBoxPrikaziClick() {
    if (!punimKontrole)
        CrtajGrafikGlavni();
}

void TFormGlavniProzor::CheckBoxMrezaGrafikaClick() {
    podesavanja.mrezaGrafika = CheckBoxMrezaGrafika->isChecked();
    if (PlotChartGrafik)
        PlotChartGrafik->SetGridStyle(podesavanja.mrezaGrafika ? gsDotLines : gsNone);
}

void TFormGlavniProzor::ButtonOsveziPomeranjaClick() { CrtajGrafikGlavni(); }

void TFormGlavniProzor::RadioGroupAkcijeMisaClick() {
    podesavanja.akcijeMisa = AkcijaMisa();
    if (!PlotChartGrafik)
        return;
    switch (podesavanja.akcijeMisa) {
    case 0: PlotChartGrafik->SetMouseAction(maPan); break;
    case 1: PlotChartGrafik->SetMouseAction(maZoomDrag); break;
    case 2: PlotChartGrafik->SetMouseAction(maNone); break;
    case 3: PlotChartGrafik->SetMouseAction(maNone); break;
    default: break;
    }
    PostaviCrtanje(podesavanja.akcijeMisa == 3);
}

void TFormGlavniProzor::ComboBoxZoomSveChange() { podesavanja.zoomSve = ComboBoxZoomSve->currentIndex(); }

void TFormGlavniProzor::ButtonZumSveClick() {
    PodesavanjaIzKontrola();
    PodesiKrajnjeGraniceGrafika(*PlotChartGrafik, model, podesavanja);
}

void TFormGlavniProzor::PlotChartGrafikResize() { CrtajGrafikGlavni(); }

void TFormGlavniProzor::PageControlGlavniMeniChange() {
    // While an analysis runs only its log may be in view.
    if (Zauzet() && PageControlGlavniMeni->currentIndex() != StranaAnaliza)
        PageControlGlavniMeni->setCurrentIndex(StranaAnaliza);
}

