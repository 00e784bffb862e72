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
#include <QKeySequence>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "CitanjeUnapred.h"
#include "CrtanjeKonstrukcije.h"
#include "GrupaDijagrama.h"
#include "Dijalozi.h"
#include "GlavniProzorPomoc.h"
#include "JezicciUViseRedova.h"
#include "Greska.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "StranicaAnalize.h"
#include "StranicaAnalizeProzor.h"
#include "StranicaRezultata.h"
#include "UnitPomoc.h"
#include "StraniceModela.h"
#include "ZastitaTockica.h"
#include "Zauzetost.h"
#include "CrtanjeMisem.h"
#include "DijagramiStapa.h"
#include "PracenjeRazmere.h"

using namespace glavni_prozor;

namespace {

// What the start-up and "Nov..." set before a model is read (Inicijalizuj): the first mouse action,
// the fifth zoom factor, the least distance between two nodes.
constexpr int PocetnaAkcijaMisa = 0;
constexpr int PocetniZoom = 4;
constexpr long double PocetnoMinRastojanje = 0.001L;

}  // namespace

TFormGlavniProzor::TFormGlavniProzor(const QStringList& argumenti, std::unique_ptr<TDijalozi> d, QWidget* parent)
    : QMainWindow(parent),
      dijalozi(d ? std::move(d) : std::make_unique<TPraviDijalozi>()),
      dokument(std::make_unique<TDokumentModela>()),
      model(dokument->Model()),
      podesavanja(dokument->Podesavanja()),
      stanje(dokument->Stanje()),
      putanjaDoFajla(dokument->putanjaDoFajla) {
    zauzetost = new TZauzetost(this);
    if (!argumenti.isEmpty()) {
        // The settings the start-up below leaves before it reads. Should they differ, the window
        // reads the file itself.
        TPodesavanja pri = podesavanja;
        pri.akcijeMisa = PocetnaAkcijaMisa;
        pri.zoomSve = PocetniZoom;
        citanjeUnapred = std::make_unique<TCitanjeUnapred>(UPutanju(argumenti.first()), pri, PocetnoMinRastojanje);
    }
    UgradiZastituTockica();
    setObjectName(QStringLiteral("FormGlavniProzor"));
    setWindowTitle(QStringLiteral("VELT"));
    resize(918, 561);
    NapraviMeni();
    NapraviStrane();
    // The "Grafik" page was filled before the plot existed; the plot takes its grid from it now.
    PlotChartGrafik->SetGridStyle(podesavanja.mrezaGrafika ? gsDotLines : gsNone);
    UgradiCrtanje();
    UgradiMeniGrafika();
    connect(zauzetost, &TZauzetost::promenjena, this, [this] { PrimeniZauzetost(); });
    UgradiStraniceAnalize(*this).analiza->posleProracuna = [this](const TRezultatProracuna& r) {
        PokaziUzrokOdbijanja(r);
    };
    // The factor field of the result page changes its setting through the document.
    if (auto* rezultati = findChild<TStranicaRezultata*>())
        rezultati->naPromenuFaktora = [this](const std::string& t) {
            dokument->IzmeniPodesavanja([&](TPodesavanja& p) { p.vrednostIspredMatricaKrutosti = t; });
        };
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
    connect(dokument.get(), &TDokumentModela::izmenjen, this, &TFormGlavniProzor::NaIzmenuDokumenta);
    connect(dokument.get(), &TDokumentModela::izmenjen, stranice, [this](const TIzmena& i) { stranice->NaIzmenu(i); });
    // The first announcement shows the model the window starts with everywhere.
    dokument->NovModel();
    setWindowState(windowState() | Qt::WindowMaximized);
}

TFormGlavniProzor::~TFormGlavniProzor() {
    // The pages hold indices into the model; they go before it.
    delete centralWidget();
}

void TFormGlavniProzor::NapraviMeni() {
    QMenuBar* GlavniMeni = Imenuj(menuBar(), QStringLiteral("GlavniMeni"));
    // The "&" marks each caption's Alt key letter; the captions themselves are unchanged.
    auto stavka = [this](QMenu* meni, const char* ime, const char* tekst, void (TFormGlavniProzor::*rukovalac)()) {
        QAction* a = meni->addAction(Tekst(tekst));
        a->setObjectName(Tekst(ime));
        connect(a, &QAction::triggered, this, rukovalac);
        return a;
    };
    QMenu* datoteka = Imenuj(GlavniMeni->addMenu(QStringLiteral("&Datoteka")), QStringLiteral("Datoteka1"));
    stavka(datoteka, "Nov1", "&Nov...", &TFormGlavniProzor::Nov1Click)->setShortcut(QKeySequence::New);
    datoteka->addSeparator();
    stavka(datoteka, "Otvori1", "&Otvori...", &TFormGlavniProzor::Otvori1Click)->setShortcut(QKeySequence::Open);
    stavka(datoteka, "Snimi1", "&Snimi...", &TFormGlavniProzor::Snimi1Click)->setShortcut(QKeySequence::Save);
    stavka(datoteka, "Snimikao1", "Snimi &kao...", &TFormGlavniProzor::Snimikao1Click);
    datoteka->addSeparator();
    stavka(datoteka, "Stampajgrafik1", "S&tampaj grafik (A4)", &TFormGlavniProzor::Stampajgrafik1Click);
    stavka(datoteka, "Sacuvajgrafik1", "Sac&uvaj grafik...", &TFormGlavniProzor::Sacuvajgrafik1Click);
    datoteka->addSeparator();
    stavka(datoteka, "Izlaz1", "&Izlaz", &TFormGlavniProzor::Izlaz1Click);

    NapraviMeniUredi(Imenuj(GlavniMeni->addMenu(QStringLiteral("&Uredi")), QStringLiteral("Uredi1")));

    QMenu* analiza = Imenuj(GlavniMeni->addMenu(QStringLiteral("&Analiza")), QStringLiteral("Analiza1"));
    stavka(analiza, "Pokrenianalizu1", "&Pokreni analizu", &TFormGlavniProzor::Pokrenianalizu1Click);
    stavka(analiza, "Stop1", "&Stop", &TFormGlavniProzor::Stop1Click);
    stavka(analiza, "Izvestaj1", "&Izvestaj...", &TFormGlavniProzor::Izvestaj1Click);

    QMenu* pomoc = Imenuj(GlavniMeni->addMenu(QStringLiteral("&Pomoc")), QStringLiteral("Pomoc2"));
    stavka(pomoc, "Pomoc1", "&Pomoc...", &TFormGlavniProzor::Pomoc1Click);
    stavka(pomoc, "Oprogramu1", "&O programu...", &TFormGlavniProzor::Oprogramu1Click);
}

namespace {

// Puts the splitter at the pages' width when it is first shown: it can divide its width only once
// it has one, and a window that is never shown keeps its children's sizes untouched.
class TPocetnaPodela : public QObject {
public:
    TPocetnaPodela(QSplitter* delilac, int levo) : QObject(delilac), delilac(delilac), levo(levo) {
        delilac->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == delilac && e->type() == QEvent::Show) {
            delilac->removeEventFilter(this);
            delilac->setSizes({levo, std::max(1, delilac->width() - levo - delilac->handleWidth())});
            deleteLater();
        }
        return false;
    }

private:
    QSplitter* delilac;
    int levo;
};

}  // namespace

void TFormGlavniProzor::NapraviStrane() {
    auto* sredina = new QWidget(this);
    sredina->setObjectName(QStringLiteral("PanelGlavni"));
    auto* raspored = new QHBoxLayout(sredina);
    raspored->setContentsMargins(2, 2, 2, 2);
    raspored->setSpacing(4);

    // The pages and the plot share the width through a splitter: the pages start at their
    // specified 385 pixels and may be widened to read wide matrices; the splitter keeps where it
    // was put for as long as the window lives.
    auto* delilac = new QSplitter(Qt::Horizontal, sredina);
    delilac->setObjectName(QStringLiteral("SplitterStranaIGrafika"));
    delilac->setChildrenCollapsible(false);
    auto* levo = new QWidget(delilac);
    levo->setMinimumWidth(385);
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
        if (i <= StranaOpterecenje) strana = stranice->Stranica(i);
        if (i == StranaGrafik) strana = NapraviStranuGrafik();
        if (!strana) strana = new QWidget;
        if (strana->objectName().isEmpty()) strana->setObjectName(Tekst(strane[i].ime));
        if (strana->accessibleDescription().isEmpty()) strana->setAccessibleDescription(Tekst(strane[i].ime));
        *strane[i].polje = strana;
        PageControlGlavniMeni->addTab(strana, Tekst(strane[i].naslov));
    }
    connect(PageControlGlavniMeni, &QTabWidget::currentChanged, this, &TFormGlavniProzor::PageControlGlavniMeniChange);

    levoRaspored->addWidget(new TJezicciUViseRedova(PageControlGlavniMeni, 385, levo));
    levoRaspored->addWidget(PageControlGlavniMeni, 1);
    delilac->addWidget(levo);

    PlotChartGrafik = Imenuj(new TPlotChart(delilac), QStringLiteral("PlotChartGrafik"));
    PlotChartGrafik->OnResize = [this] { PlotChartGrafikResize(); };
    // Without results no diagram or line is drawn, whatever the view.
    pracenjeRazmere = new TPracenjeRazmere(
        *PlotChartGrafik, [this]() -> const TPodesavanja& { return podesavanja; },
        [this] {
            if (ImaRezultata(stanje)) NacrtajGrafik(false);
        },
        PlotChartGrafik);
    delilac->addWidget(PlotChartGrafik);
    delilac->setStretchFactor(0, 0);
    delilac->setStretchFactor(1, 1);
    new TPocetnaPodela(delilac, 385);
    raspored->addWidget(delilac, 1);
    setCentralWidget(sredina);
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
    korak([&] { model.minRastojanjeCvorova = PocetnoMinRastojanje; });
    korak([&] { stanje.Inicijalizuj(); });
    korak([&] { PostaviAkcijuMisa(PocetnaAkcijaMisa); });
    korak([&] { ComboBoxZoomSve->setCurrentIndex(PocetniZoom); });
    korak([&] { zauzetost->Postavi(false); });
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

void TFormGlavniProzor::OsveziNaslov() {
    // An asterisk marks changes not yet saved.
    setWindowTitle(QStringLiteral("VELT - ") + putanjaDoFajla +
                   (dokument->Izmenjen() ? QStringLiteral("*") : QString()));
}

bool TFormGlavniProzor::Zauzet() const { return zauzetost->Aktivna(); }

void TFormGlavniProzor::PostaviRadimProracun(bool da) { zauzetost->Postavi(da); }

void TFormGlavniProzor::PrimeniZauzetost() {
    const bool z = Zauzet();
    for (QWidget* strana :
         {TabSheetMaterijal, TabSheetPresek, TabSheetCvor, TabSheetStap, TabSheetOslonac, TabSheetOpterecenje})
        if (strana) strana->setEnabled(!z);
    OsveziMeniUredi();
    PostaviCrtanje(AkcijaMisa() == 3);
}

void TFormGlavniProzor::PorukaZauzet() { dijalozi->Informacija(this, Tekst(PorukaProracunUToku)); }

void TFormGlavniProzor::ObrisiRezultate() { dokument->ObrisiRezultate(); }

void TFormGlavniProzor::PosleIzmeneModela() {
    // A refused command: the results go and the lists and plot are shown afresh, as after one
    // that ran.
    ObrisiRezultate();
    if (naOsvezavanjeListiRezultata) naOsvezavanjeListiRezultata();
    CrtajGrafikGlavni();
}

void TFormGlavniProzor::CrtajGrafikGlavni() {
    if (!PlotChartGrafik) return;
    NacrtajGrafik(UklapaPrikaz());
}

bool TFormGlavniProzor::UklapaPrikaz() const {
    // While drawing with the mouse the user places the view: a new member must not move it.
    return podesavanja.zoomURealnomVremenu && !(crtanje && PlotChartGrafik->Alat() == crtanje.get());
}

void TFormGlavniProzor::NacrtajGrafik(bool uklopi) {
    if (!PlotChartGrafik) return;
    // The drawing replaces a multiplier that is not a number; the replacement goes back through
    // the document, whose announcement shows it in its field.
    TPodesavanja p = podesavanja;
    p.zoomURealnomVremenu = uklopi;
    CrtajGrafik(*PlotChartGrafik, model, p, &stanje, &sacuvaniDijagrami);
    izvorCrteza = {true, p, stanje.vektor_qsGKS.get()};
    izvorCrteza.podesavanja.zoomURealnomVremenu = podesavanja.zoomURealnomVremenu;
    if (pracenjeRazmere) pracenjeRazmere->Nacrtano();
    p.zoomURealnomVremenu = podesavanja.zoomURealnomVremenu;
    dokument->PostaviPodesavanja(p);
}

void TFormGlavniProzor::PrikaziProzorPreseka() {
    if (formPreseci) formPreseci->exec();
}

// ---- analysis menu: the same as the buttons of the "Analiza" page ----

void TFormGlavniProzor::KlikniDugme(const char* ime) {
    if (!TabSheetParametriAnalize) return;
    if (auto* dugme = TabSheetParametriAnalize->findChild<QAbstractButton*>(Tekst(ime))) dugme->click();
}

void TFormGlavniProzor::Pokrenianalizu1Click() { KlikniDugme("ButtonPokreniAnalizu"); }

void TFormGlavniProzor::Stop1Click() {
    if (TabSheetParametriAnalize &&
        TabSheetParametriAnalize->findChild<QAbstractButton*>(QStringLiteral("ButtonPrekiniAnalizu")))
        KlikniDugme("ButtonPrekiniAnalizu");
    else zauzetost->Postavi(false);
}

void TFormGlavniProzor::Izvestaj1Click() { KlikniDugme("ButtonFormirajIzvestaj"); }

// ---- help ----

void TFormGlavniProzor::Pomoc1Click() {
    if (formPomoc) formPomoc->exec();
}

void TFormGlavniProzor::Oprogramu1Click() {
    dijalozi->Informacija(this, QStringLiteral("Staticki proracun nosaca u ravni primenom VELT\r\n"
                                               "Verzija 1.0.0.0\r\n"
                                               "Razvoj: tim programa VELT"));
}
