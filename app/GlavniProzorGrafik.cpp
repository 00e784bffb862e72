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
#include "PracenjeRazmere.h"
#include "StraniceModelaPomoc.h"
#include "UnitGlavniProzor.h"

using namespace glavni_prozor;

// Each box changes its own setting through the document; what it shows follows the announcement.
QCheckBox* TFormGlavniProzor::NapraviPrekidac(QWidget* roditelj, QLayout* u, const char* ime, const char* naslov,
                                              bool TPodesavanja::*polje) {
    auto* c = Imenuj(new QCheckBox(Tekst(naslov), roditelj), Tekst(ime));
    if (u) u->addWidget(c);
    prekidaci.emplace_back(c, polje);
    connect(c, &QCheckBox::toggled, this, [this, polje](bool da) {
        if (!punimKontrole) dokument->IzmeniPodesavanja([&](TPodesavanja& p) { p.*polje = da; });
    });
    return c;
}

QLayout* TFormGlavniProzor::NapraviGrupeSimbola(QWidget* strana) {
    auto* cvor = new QGroupBox(QStringLiteral("Cvor"), strana);
    auto* cvorR = new QVBoxLayout(cvor);
    CheckBoxPrikaziSimbolCvora =
        NapraviPrekidac(cvor, cvorR, "CheckBoxPrikaziSimbolCvora", "simbol", &TPodesavanja::prikaziSimbolCvora);
    CheckBoxPrikaziBrojCvora =
        NapraviPrekidac(cvor, cvorR, "CheckBoxPrikaziBrojCvora", "broj", &TPodesavanja::prikaziBrojCvora);
    CheckBoxPrikaziOslonceCvora =
        NapraviPrekidac(cvor, cvorR, "CheckBoxPrikaziOslonceCvora", "oslonac", &TPodesavanja::prikaziOslonceCvora);
    CheckBoxPrikaziOpterecenjeCvora = NapraviPrekidac(cvor, cvorR, "CheckBoxPrikaziOpterecenjeCvora", "opterecenje",
                                                      &TPodesavanja::prikaziOpterecenjeCvora);

    auto* stap = new QGroupBox(QStringLiteral("Stap"), strana);
    auto* stapR = new QVBoxLayout(stap);
    CheckBoxPrikaziSimbolStapa =
        NapraviPrekidac(stap, stapR, "CheckBoxPrikaziSimbolStapa", "simbol", &TPodesavanja::prikaziSimbolStapa);
    CheckBoxPrikaziBrojStapa =
        NapraviPrekidac(stap, stapR, "CheckBoxPrikaziBrojStapa", "broj", &TPodesavanja::prikaziBrojStapa);
    CheckBoxPrikaziOrjentacijuStapa = NapraviPrekidac(stap, stapR, "CheckBoxPrikaziOrjentacijuStapa", "orjentacija",
                                                      &TPodesavanja::prikaziOrjentacijuStapa);
    CheckBoxPrikaziOpterecenjeStapa = NapraviPrekidac(stap, stapR, "CheckBoxPrikaziOpterecenjeStapa", "opterecenje",
                                                      &TPodesavanja::prikaziOpterecenjeStapa);

    auto* grupe = new QHBoxLayout;
    grupe->addWidget(cvor);
    grupe->addWidget(stap);
    return grupe;
}

QGroupBox* TFormGlavniProzor::NapraviKarakteristike(QWidget* strana) {
    auto* karakteristike = new QGroupBox(QStringLiteral("Karakteristike grafika"), strana);
    auto* karR = new QGridLayout(karakteristike);
    CheckBoxMrezaGrafika =
        NapraviPrekidac(karakteristike, nullptr, "CheckBoxMrezaGrafika", "mreza", &TPodesavanja::mrezaGrafika);
    CheckBoxDeformacijaNosaca = NapraviPrekidac(karakteristike, nullptr, "CheckBoxDeformacijaNosaca", "pomeranja",
                                                &TPodesavanja::deformacijaNosaca);
    auto* labelaMnozilac = new QLabel(QStringLiteral("mnozilac pomeranja"), karakteristike);
    labelaMnozilac->setObjectName(QStringLiteral("LabelMnozilacPomeranja"));
    EditMnozilacPomeranja = Imenuj(new QLineEdit(karakteristike), QStringLiteral("EditMnozilacPomeranja"));
    labelaMnozilac->setBuddy(EditMnozilacPomeranja);
    EditMnozilacPomeranja->setAccessibleName(labelaMnozilac->text());
    // Kept as typed; "Prikazi" applies it.
    connect(EditMnozilacPomeranja, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!punimKontrole)
            dokument->IzmeniPodesavanja([&](TPodesavanja& p) { p.mnozilacPomeranja = t.toStdString(); });
    });
    ButtonOsveziPomeranja =
        Imenuj(new QPushButton(QStringLiteral("Prikazi"), karakteristike), QStringLiteral("ButtonOsveziPomeranja"));
    connect(ButtonOsveziPomeranja, &QPushButton::clicked, this, &TFormGlavniProzor::ButtonOsveziPomeranjaClick);
    karR->addWidget(CheckBoxMrezaGrafika, 0, 0);
    karR->addWidget(CheckBoxDeformacijaNosaca, 1, 0);
    karR->addWidget(labelaMnozilac, 2, 0);
    karR->addWidget(EditMnozilacPomeranja, 2, 1);
    karR->addWidget(ButtonOsveziPomeranja, 3, 1);
    return karakteristike;
}

QGroupBox* TFormGlavniProzor::NapraviAkcijeMisa(QWidget* strana) {
    RadioGroupAkcijeMisa =
        Imenuj(new QGroupBox(QStringLiteral("Akcije misa"), strana), QStringLiteral("RadioGroupAkcijeMisa"));
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
    return RadioGroupAkcijeMisa;
}

// "zoom u realnom vremenu" over the zoom factor and its button.
QLayout* TFormGlavniProzor::NapraviZoom(QWidget* strana) {
    CheckBoxZoomURealnomVremenu = Imenuj(new QCheckBox(QStringLiteral("zoom u realnom vremenu"), strana),
                                         QStringLiteral("CheckBoxZoomURealnomVremenu"));
    // Read by the drawing only; no redraw of its own.
    connect(CheckBoxZoomURealnomVremenu, &QCheckBox::toggled, this, [this](bool da) {
        if (!punimKontrole) dokument->IzmeniPodesavanja([&](TPodesavanja& p) { p.zoomURealnomVremenu = da; });
    });

    auto* zoom = new QVBoxLayout;
    zoom->addWidget(CheckBoxZoomURealnomVremenu);
    auto* red = new QHBoxLayout;
    zoom->addLayout(red);
    auto* labelaZoom = new QLabel(QStringLiteral("zoom"), strana);
    ComboBoxZoomSve = Imenuj(new QComboBox(strana), QStringLiteral("ComboBoxZoomSve"));
    for (const char* t : TekstoviFaktoraZooma) ComboBoxZoomSve->addItem(Tekst(t));
    ComboBoxZoomSve->setEditable(false);
    labelaZoom->setBuddy(ComboBoxZoomSve);
    connect(ComboBoxZoomSve, &QComboBox::currentIndexChanged, this, &TFormGlavniProzor::ComboBoxZoomSveChange);
    ButtonZumSve = Imenuj(new QPushButton(QStringLiteral("Zoom"), strana), QStringLiteral("ButtonZumSve"));
    connect(ButtonZumSve, &QPushButton::clicked, this, &TFormGlavniProzor::ButtonZumSveClick);
    red->addWidget(labelaZoom);
    red->addWidget(ComboBoxZoomSve, 1);
    red->addWidget(ButtonZumSve);
    return zoom;
}

QWidget* TFormGlavniProzor::NapraviStranuGrafik() {
    auto* strana = new QWidget;
    strana->setObjectName(QStringLiteral("TabSheetGrafik"));
    auto* raspored = stranice_modela::SadrzajSaKlizacem(strana);
    raspored->addLayout(NapraviGrupeSimbola(strana));
    raspored->addWidget(NapraviKarakteristike(strana));
    raspored->addWidget(GrupaDijagrama = new TGrupaDijagrama(*this, strana));
    raspored->addWidget(NapraviAkcijeMisa(strana));
    raspored->addLayout(NapraviZoom(strana));
    GrupaPrikaza = new TGrupaPrikaza(
        podesavanja.prikaz,
        [this](bool TPrikaz::*polje, bool da) {
            dokument->IzmeniPodesavanja([&](TPodesavanja& p) { p.prikaz.*polje = da; });
        },
        strana);
    raspored->addWidget(GrupaPrikaza);
    raspored->addStretch(1);

    // Start-up state of the controls: the default settings.
    dokument->PostaviPodesavanja(TPodesavanja{});
    PodesavanjaUKontrole();
    return strana;
}

// ---- settings <-> controls ----

QLineEdit* TFormGlavniProzor::EditVrednostIspredMatrica() const {
    return TabSheetRezultat
               ? TabSheetRezultat->findChild<QLineEdit*>(QStringLiteral("EditVrednostIspredMatricaKrutosti"))
               : nullptr;
}

namespace {

void PostaviTekst(QLineEdit* polje, const std::string& tekst) {
    const QString t = QString::fromStdString(tekst);
    if (polje && polje->text() != t) polje->setText(t);
}

}  // namespace

void TFormGlavniProzor::PodesavanjaUKontrole() {
    const TPodesavanja& p = podesavanja;
    punimKontrole = true;
    PostaviTekst(EditVrednostIspredMatrica(), p.vrednostIspredMatricaKrutosti);
    PostaviTekst(EditMnozilacPomeranja, p.mnozilacPomeranja);
    for (const auto& [kutija, polje] : prekidaci) kutija->setChecked(p.*polje);
    CheckBoxZoomURealnomVremenu->setChecked(p.zoomURealnomVremenu);
    ComboBoxZoomSve->setCurrentIndex(p.zoomSve >= 0 && p.zoomSve < BrojFaktoraZooma ? p.zoomSve : -1);
    if (QAbstractButton* b = akcijeMisa->button(p.akcijeMisa); !b || !b->isChecked()) PostaviAkcijuMisa(p.akcijeMisa);
    if (GrupaDijagrama) GrupaDijagrama->PrikazUKontrole(p.prikaz);
    if (GrupaPrikaza) GrupaPrikaza->IzPodesavanja();
    punimKontrole = false;
    if (PlotChartGrafik) PlotChartGrafik->SetGridStyle(p.mrezaGrafika ? gsDotLines : gsNone);
    // A zoom index or mouse action that names no item is shown as none, and kept as none.
    dokument->IzmeniPodesavanja([this](TPodesavanja& n) {
        n.zoomSve = ComboBoxZoomSve->currentIndex();
        n.akcijeMisa = AkcijaMisa();
    });
}

void TFormGlavniProzor::NaIzmenuPodesavanja(unsigned delovi) {
    // While the controls are being filled they already show the settings.
    if (!punimKontrole) PodesavanjaUKontrole();
    if (delovi & dpAkcijaMisa) PrimeniAkcijuMisa();
    if (delovi & dpCrtez) CrtajGrafikGlavni();
    // The box is about the view shown: it is kept.
    else if (delovi & dpRazmeraPrikaza) NacrtajGrafik(false);
}

int TFormGlavniProzor::AkcijaMisa() const { return akcijeMisa->checkedId(); }

void TFormGlavniProzor::PostaviAkcijuMisa(int indeks) {
    if (QAbstractButton* b = akcijeMisa->button(indeks)) {
        b->setChecked(true);
    } else {
        // An index from a file that names no item: nothing selected, as the file says.
        akcijeMisa->setExclusive(false);
        for (QAbstractButton* r : akcijeMisa->buttons()) r->setChecked(false);
        akcijeMisa->setExclusive(true);
    }
    RadioGroupAkcijeMisaClick();
}

void TFormGlavniProzor::PrimeniAkcijuMisa() {
    if (!PlotChartGrafik) return;
    switch (podesavanja.akcijeMisa) {
        case 0: PlotChartGrafik->SetMouseAction(maPan); break;
        case 1: PlotChartGrafik->SetMouseAction(maZoomDrag); break;
        case 2: PlotChartGrafik->SetMouseAction(maNone); break;
        case 3: PlotChartGrafik->SetMouseAction(maNone); break;
        default: break;
    }
    PostaviCrtanje(podesavanja.akcijeMisa == 3);
}

// ---- "Grafik" page ----

void TFormGlavniProzor::ButtonOsveziPomeranjaClick() { CrtajGrafikGlavni(); }

void TFormGlavniProzor::RadioGroupAkcijeMisaClick() {
    const int akcija = AkcijaMisa();
    if (akcija == podesavanja.akcijeMisa) {
        PrimeniAkcijuMisa();
        return;
    }
    dokument->IzmeniPodesavanja([akcija](TPodesavanja& p) { p.akcijeMisa = akcija; });
}

void TFormGlavniProzor::ComboBoxZoomSveChange() {
    const int zoom = ComboBoxZoomSve->currentIndex();
    if (!punimKontrole) dokument->IzmeniPodesavanja([zoom](TPodesavanja& p) { p.zoomSve = zoom; });
}

void TFormGlavniProzor::ButtonZumSveClick() {
    // A drawing made for a zoomed view is made again for the whole structure, which the fit frames.
    if (pracenjeRazmere && pracenjeRazmere->NacrtanoZaDrugiPrikaz()) NacrtajGrafik(true);
    else PodesiKrajnjeGraniceGrafika(*PlotChartGrafik, model, podesavanja);
}

void TFormGlavniProzor::PlotChartGrafikResize() {
    if (!PlotChartGrafik) return;
    const bool uklopi = UklapaPrikaz();
    if (!CrtezIstiZa(uklopi)) CrtajGrafikGlavni();
    else if (uklopi) PodesiKrajnjeGraniceGrafika(*PlotChartGrafik, model, podesavanja);
    else PlotChartGrafik->Refresh();
}

bool TFormGlavniProzor::CrtezIstiZa(bool uklopi) const {
    const TIzvorCrteza& i = izvorCrteza;
    return i.tekuci && i.podesavanja == podesavanja && i.rezultati == stanje.vektor_qsGKS.get() && pracenjeRazmere &&
           pracenjeRazmere->CrtezVazi(uklopi);
}

void TFormGlavniProzor::PageControlGlavniMeniChange() {
    // While an analysis runs only its log may be in view.
    if (Zauzet() && PageControlGlavniMeni->currentIndex() != StranaAnaliza)
        PageControlGlavniMeni->setCurrentIndex(StranaAnaliza);
}
