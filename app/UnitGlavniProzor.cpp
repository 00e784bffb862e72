#include "UnitGlavniProzor.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

#include "CrtanjeKonstrukcije.h"
#include "Dijalozi.h"
#include "Greska.h"
#include "GrupaPrikaza.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "StranicaAnalizeProzor.h"
#include "UnitPomoc.h"
#include "StraniceModela.h"

namespace {

// Names a control the way the rest of the program and assistive tools find it.
template <class W>
W* Imenuj(W* w, const QString& ime) {
    w->setObjectName(ime);
    w->setAccessibleDescription(ime);
    return w;
}

std::string UPutanju(const QString& putanja) { return QFile::encodeName(putanja).toStdString(); }

QString Tekst(const char* t) { return QString::fromLatin1(t); }

// A tab row that wraps onto as many lines as the page control's width needs: the toolkit's own tab
// bar scrolls instead, which would hide pages of the 385-pixel-wide control.
class TJezicciUViseRedova : public QWidget {
public:
    TJezicciUViseRedova(QTabWidget* strane, int sirina, QWidget* parent) : QWidget(parent), strane(strane) {
        setObjectName(QStringLiteral("JezicciGlavnogMenija"));
        grupa = new QButtonGroup(this);
        grupa->setExclusive(true);
        auto* redovi = new QVBoxLayout(this);
        redovi->setContentsMargins(0, 0, 0, 0);
        redovi->setSpacing(0);
        QHBoxLayout* red = nullptr;
        int zauzeto = 0;
        for (int i = 0; i < strane->count(); ++i) {
            auto* jezicak = new QToolButton(this);
            jezicak->setText(strane->tabText(i));
            jezicak->setCheckable(true);
            jezicak->setAutoRaise(false);
            jezicak->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            jezicak->setAccessibleName(strane->tabText(i));
            const int w = jezicak->sizeHint().width() + 14;
            if (!red || zauzeto + w > sirina) {
                red = new QHBoxLayout;
                red->setSpacing(0);
                redovi->addLayout(red);
                zauzeto = 0;
            }
            red->addWidget(jezicak);
            zauzeto += w;
            grupa->addButton(jezicak, i);
        }
        connect(grupa, &QButtonGroup::idClicked, strane, &QTabWidget::setCurrentIndex);
        connect(strane, &QTabWidget::currentChanged, this, [this](int i) { Oznaci(i); });
        Oznaci(strane->currentIndex());
    }

    void Oznaci(int i) {
        if (auto* b = grupa->button(i))
            b->setChecked(true);
    }

private:
    QTabWidget* strane;
    QButtonGroup* grupa;
};

}  // namespace

TFormGlavniProzor::TFormGlavniProzor(const QStringList& argumenti, std::unique_ptr<TDijalozi> d, QWidget* parent)
    : QMainWindow(parent), dijalozi(d ? std::move(d) : std::make_unique<TPraviDijalozi>()) {
    setObjectName(QStringLiteral("FormGlavniProzor"));
    setWindowTitle(QStringLiteral("VELT"));
    resize(918, 561);
    NapraviMeni();
    NapraviStrane();
    // The "Grafik" page was filled before the plot existed; the plot takes its grid from it now.
    PlotChartGrafik->SetGridStyle(podesavanja.mrezaGrafika ? gsDotLines : gsNone);
    UgradiStraniceAnalize(*this);
    UgradiIzvestajIStampu();
    Inicijalizuj();

    if (!argumenti.isEmpty()) {
        pokrenutSaFajlom = true;
        putanjaDoFajla = argumenti.first();
        try {
            UcitajModel();
        } catch (const std::exception&) {
            // A model that cannot be read at start-up is not reported: the program simply starts
            // empty, without a current file.
            putanjaDoFajla.clear();
        }
        OsveziNaslov();
    }
    CrtajGrafikGlavni();
    setWindowState(windowState() | Qt::WindowMaximized);
}

TFormGlavniProzor::~TFormGlavniProzor() {
    // The pages hold indices into the model; they go before it.
    delete centralWidget();
}

void TFormGlavniProzor::NapraviMeni() {
    QMenuBar* GlavniMeni = Imenuj(menuBar(), QStringLiteral("GlavniMeni"));
    auto stavka = [this](QMenu* meni, const char* ime, const char* tekst, void (TFormGlavniProzor::*rukovalac)()) {
        QAction* a = meni->addAction(Tekst(tekst));
        a->setObjectName(Tekst(ime));
        connect(a, &QAction::triggered, this, rukovalac);
        return a;
    };
    QMenu* datoteka = Imenuj(GlavniMeni->addMenu(QStringLiteral("Datoteka")), QStringLiteral("Datoteka1"));
    stavka(datoteka, "Nov1", "Nov...", &TFormGlavniProzor::Nov1Click);
    datoteka->addSeparator();
    stavka(datoteka, "Otvori1", "Otvori...", &TFormGlavniProzor::Otvori1Click);
    stavka(datoteka, "Snimi1", "Snimi...", &TFormGlavniProzor::Snimi1Click);
    stavka(datoteka, "Snimikao1", "Snimi kao...", &TFormGlavniProzor::Snimikao1Click);
    datoteka->addSeparator();
    stavka(datoteka, "Stampajgrafik1", "Stampaj grafik (A4)", &TFormGlavniProzor::Stampajgrafik1Click);
    stavka(datoteka, "Sacuvajgrafik1", "Sacuvaj grafik...", &TFormGlavniProzor::Sacuvajgrafik1Click);
    datoteka->addSeparator();
    stavka(datoteka, "Izlaz1", "Izlaz", &TFormGlavniProzor::Izlaz1Click);

    QMenu* analiza = Imenuj(GlavniMeni->addMenu(QStringLiteral("Analiza")), QStringLiteral("Analiza1"));
    stavka(analiza, "Pokrenianalizu1", "Pokreni analizu", &TFormGlavniProzor::Pokrenianalizu1Click);
    stavka(analiza, "Stop1", "Stop", &TFormGlavniProzor::Stop1Click);
    stavka(analiza, "Izvestaj1", "Izvestaj...", &TFormGlavniProzor::Izvestaj1Click);

    QMenu* pomoc = Imenuj(GlavniMeni->addMenu(QStringLiteral("Pomoc")), QStringLiteral("Pomoc2"));
    stavka(pomoc, "Pomoc1", "Pomoc...", &TFormGlavniProzor::Pomoc1Click);
    stavka(pomoc, "Oprogramu1", "O programu...", &TFormGlavniProzor::Oprogramu1Click);
}

void TFormGlavniProzor::NapraviStrane() {
    auto* sredina = new QWidget(this);
    sredina->setObjectName(QStringLiteral("PanelGlavni"));
    auto* raspored = new QHBoxLayout(sredina);
    raspored->setContentsMargins(2, 2, 2, 2);
    raspored->setSpacing(4);

    auto* levo = new QWidget(sredina);
    levo->setFixedWidth(385);
    auto* levoRaspored = new QVBoxLayout(levo);
    levoRaspored->setContentsMargins(0, 0, 0, 0);
    levoRaspored->setSpacing(0);

    PageControlGlavniMeni = Imenuj(new QTabWidget(levo), QStringLiteral("PageControlGlavniMeni"));
    PageControlGlavniMeni->tabBar()->hide();

    struct TStrana {
        const char* naslov;
        const char* ime;
        QWidget** polje;
    };
    const TStrana strane[BrojStrana] = {
        {"Materijal", "TabSheetMaterijal", &TabSheetMaterijal},
        {"Presek", "TabSheetPresek", &TabSheetPresek},
        {"Cvor", "TabSheetCvor", &TabSheetCvor},
        {"Stap", "TabSheetStap", &TabSheetStap},
        {"Oslonac", "TabSheetOslonac", &TabSheetOslonac},
        {"Opterecenje", "TabSheetOpterecenje", &TabSheetOpterecenje},
        {"Analiza", "TabSheetParametriAnalize", &TabSheetParametriAnalize},
        {"Ulaz/Izlaz", "TabSheetRezultat", &TabSheetRezultat},
        {"Grafik", "TabSheetGrafik", &TabSheetGrafik},
    };
    stranice = new TStraniceModela(*this, this);
    for (int i = 0; i < BrojStrana; ++i) {
        QWidget* strana = nullptr;
        if (i <= StranaOpterecenje)
            strana = stranice->Stranica(i);
        if (i == StranaGrafik)
            strana = NapraviStranuGrafik();
        if (!strana)
            strana = new QWidget;
        if (strana->objectName().isEmpty())
            strana->setObjectName(Tekst(strane[i].ime));
        if (strana->accessibleDescription().isEmpty())
            strana->setAccessibleDescription(Tekst(strane[i].ime));
        *strane[i].polje = strana;
        PageControlGlavniMeni->addTab(strana, Tekst(strane[i].naslov));
    }
    connect(PageControlGlavniMeni, &QTabWidget::currentChanged, this, &TFormGlavniProzor::PageControlGlavniMeniChange);

    levoRaspored->addWidget(new TJezicciUViseRedova(PageControlGlavniMeni, 385, levo));
    levoRaspored->addWidget(PageControlGlavniMeni, 1);
    raspored->addWidget(levo);

    PlotChartGrafik = Imenuj(new TPlotChart(sredina), QStringLiteral("PlotChartGrafik"));
    PlotChartGrafik->OnResize = [this] { PlotChartGrafikResize(); };
    raspored->addWidget(PlotChartGrafik, 1);
    setCentralWidget(sredina);
}

QWidget* TFormGlavniProzor::NapraviStranuGrafik() {
    auto* strana = new QWidget;
    auto* raspored = new QVBoxLayout(strana);

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

    RadioGroupAkcijeMisa = Imenuj(new QGroupBox(QStringLiteral("Akcije misa"), strana),
                                  QStringLiteral("RadioGroupAkcijeMisa"));
    auto* akcijeR = new QVBoxLayout(RadioGroupAkcijeMisa);
    akcijeMisa = new QButtonGroup(RadioGroupAkcijeMisa);
    const char* akcije[] = {"Pan", "Zoom", "Klik na cvor ili sredinu stapa"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(Tekst(akcije[i]), RadioGroupAkcijeMisa);
        r->setObjectName(QStringLiteral("RadioGroupAkcijeMisa%1").arg(i));
        akcijeR->addWidget(r);
        akcijeMisa->addButton(r, i);
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

// ---- state shared by start-up and "Nov..." ----

void TFormGlavniProzor::Inicijalizuj() {
    // Each step on its own: a failure in one must not keep the next from running.
    auto korak = [](auto&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    };
    korak([&] { model.Isprazni(); });
    korak([&] { model.minRastojanjeCvorova = 0.001L; });
    korak([&] { stanje.Inicijalizuj(); });
    korak([&] { PostaviAkcijuMisa(0); });
    korak([&] { ComboBoxZoomSve->setCurrentIndex(4); });
    korak([&] { stanje.radimProracun = false; });
    korak([&] { putanjaDoFajla.clear(); });
    korak([&] {
        izvestajAnalizeUlaz.clear();
        izvestajAnalizeIzlaz.clear();
    });
    korak([&] { stanje.brojIspredMatriceKrutosti = 1.0L; });
}

void TFormGlavniProzor::PostaviPomocneProzore(TFormPomoc* pomoc, TFormFormGeometrijskeKarakteristikePreseka* preseci) {
    formPomoc = pomoc;
    formPreseci = preseci;
}

void TFormGlavniProzor::OsveziNaslov() { setWindowTitle(QStringLiteral("VELT - ") + putanjaDoFajla); }

void TFormGlavniProzor::PorukaZauzet() { dijalozi->Informacija(this, Tekst(PorukaProracunUToku)); }

void TFormGlavniProzor::ObrisiRezultate() {
    stanje.ObrisiRezultate(model);
    if (naBrisanjeRezultata)
        naBrisanjeRezultata();
}

void TFormGlavniProzor::PosleIzmeneModela() {
    ObrisiRezultate();
    if (naOsvezavanjeListiRezultata)
        naOsvezavanjeListiRezultata();
    CrtajGrafikGlavni();
}

void TFormGlavniProzor::CrtajGrafikGlavni() {
    if (!PlotChartGrafik)
        return;
    PodesavanjaIzKontrola();
    CrtajGrafik(*PlotChartGrafik, model, podesavanja);
    // The drawing replaces a multiplier that is not a number.
    const QString mnozilac = QString::fromStdString(podesavanja.mnozilacPomeranja);
    if (EditMnozilacPomeranja->text() != mnozilac)
        EditMnozilacPomeranja->setText(mnozilac);
}

void TFormGlavniProzor::PrikaziProzorPreseka() {
    if (formPreseci)
        formPreseci->exec();
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
    default: break;
    }
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

// ---- file commands ----

void TFormGlavniProzor::UcitajModel() {
    // The reader replaces the model and the settings only when the whole file was read.
    ProcitajModel(UPutanju(putanjaDoFajla), model, podesavanja);
    ObrisiRezultate();
    PodesavanjaUKontrole();
    if (stranice)
        stranice->OsveziSve();
    if (naOsvezavanjeListiRezultata)
        naOsvezavanjeListiRezultata();
    CrtajGrafikGlavni();
    PodesiKrajnjeGraniceGrafika(*PlotChartGrafik, model, podesavanja);
}

void TFormGlavniProzor::SnimiModelUFajl() {
    PodesavanjaIzKontrola();
    SnimiModel(UPutanju(putanjaDoFajla), model, podesavanja);
    // The writer puts "1.0" in place of a factor or multiplier that it could not use.
    if (QLineEdit* faktor = EditVrednostIspredMatrica())
        faktor->setText(QString::fromStdString(podesavanja.vrednostIspredMatricaKrutosti));
    EditMnozilacPomeranja->setText(QString::fromStdString(podesavanja.mnozilacPomeranja));
}

void TFormGlavniProzor::Otvori1Click() {
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    const QString ime = dijalozi->OtvoriFajl(this, QStringLiteral("Ucitavanje podataka!"), Tekst(FilterFajla));
    if (!ime.isNull()) {
        // A failed open keeps the model and the current file it had, so a later "Snimi..." cannot
        // write over the file that failed or over the previous one with something half read.
        const QString prethodna = putanjaDoFajla;
        try {
            putanjaDoFajla = ime;
            if (ime.isEmpty())
                throw TGreska("Ime fajla nije korektno zadato!!!");
            UcitajModel();
        } catch (const std::exception& e) {
            putanjaDoFajla = prethodna;
            dijalozi->Greska(this, QString::fromStdString(e.what()) + QStringLiteral("\r\nGreska pri ucitavanju fajla!!!"));
        }
    }
    OsveziNaslov();
}

void TFormGlavniProzor::Snimi(bool uvekPitaj) {
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    const QString zapamcena = putanjaDoFajla;
    try {
        if (!uvekPitaj && !putanjaDoFajla.isEmpty()) {
            SnimiModelUFajl();
        } else {
            const QString ime = dijalozi->SnimiFajl(this, QStringLiteral("Snimanje podataka!"), Tekst(FilterFajla));
            if (!ime.isNull()) {
                putanjaDoFajla = ime;
                if (ime.isEmpty())
                    throw TGreska("Ime fajla nije korektno zadato!!!");
                SnimiModelUFajl();
            }
        }
    } catch (const std::exception& e) {
        putanjaDoFajla = zapamcena;
        dijalozi->Greska(this, QString::fromStdString(e.what()) + QStringLiteral("\r\nGreska pri snimanju fajla!!!"));
    }
    OsveziNaslov();
}

void TFormGlavniProzor::Snimi1Click() { Snimi(false); }

void TFormGlavniProzor::Snimikao1Click() { Snimi(true); }

void TFormGlavniProzor::Nov1Click() {
    // Starting over under a running analysis would pull the model from under it.
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    if (pokrenutSaFajlom && pokreniNovuInstancu && pokreniNovuInstancu()) {
        // The fresh instance takes over; this one ends without the closing question.
        zatvaranjeBezPitanja = true;
        close();
        return;
    }
    auto korak = [](auto&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    };
    korak([&] { putanjaDoFajla.clear(); });
    korak([&] { OsveziNaslov(); });
    korak([&] {
        if (!TabSheetParametriAnalize)
            return;
        if (auto* log = TabSheetParametriAnalize->findChild<QPlainTextEdit*>(QStringLiteral("MemoPorukaTrenutnogStanjaAnalize")))
            log->clear();
        else if (auto* log2 = TabSheetParametriAnalize->findChild<QTextEdit*>(QStringLiteral("MemoPorukaTrenutnogStanjaAnalize")))
            log2->clear();
    });
    korak([&] { ObrisiRezultate(); });
    korak([&] { Inicijalizuj(); });
    korak([&] { CrtajGrafikGlavni(); });
    korak([&] {
        if (stranice)
            stranice->OsveziSve();
    });
    korak([&] {
        if (naOsvezavanjeListiRezultata)
            naOsvezavanjeListiRezultata();
    });
}

void TFormGlavniProzor::Stampajgrafik1Click() {
    if (naStampanjeGrafika)
        naStampanjeGrafika(750, 600);
}

void TFormGlavniProzor::Izlaz1Click() {
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    close();
}

// ---- analysis menu: the same as the buttons of the "Analiza" page ----

void TFormGlavniProzor::KlikniDugme(const char* ime) {
    if (!TabSheetParametriAnalize)
        return;
    if (auto* dugme = TabSheetParametriAnalize->findChild<QAbstractButton*>(Tekst(ime)))
        dugme->click();
}

void TFormGlavniProzor::Pokrenianalizu1Click() { KlikniDugme("ButtonPokreniAnalizu"); }

void TFormGlavniProzor::Stop1Click() {
    if (TabSheetParametriAnalize &&
        TabSheetParametriAnalize->findChild<QAbstractButton*>(QStringLiteral("ButtonPrekiniAnalizu")))
        KlikniDugme("ButtonPrekiniAnalizu");
    else
        stanje.radimProracun = false;
}

void TFormGlavniProzor::Izvestaj1Click() { KlikniDugme("ButtonFormirajIzvestaj"); }

// ---- help ----

void TFormGlavniProzor::Pomoc1Click() {
    if (formPomoc)
        formPomoc->exec();
}

void TFormGlavniProzor::Oprogramu1Click() {
    dijalozi->Informacija(this, QStringLiteral("Staticki proracun nosaca u ravni primenom VELT\r\n"
                                               "Verzija 1.0.0.0\r\n"
                                               "Razvoj: tim programa VELT"));
}

// ---- closing ----

void TFormGlavniProzor::closeEvent(QCloseEvent* e) {
    if (zatvaranjeBezPitanja) {
        e->accept();
        return;
    }
    if (Zauzet()) {
        e->ignore();
        return;
    }
    if (!dijalozi->Pitanje(this, Tekst(PitanjeZatvaranja))) {
        e->ignore();
        return;
    }
    stanje.ObrisiRezultate(model);
    model.Isprazni();
    if (stranice)
        stranice->OsveziSve();
    e->accept();
}
