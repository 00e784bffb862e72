#pragma once
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "Dijalozi.h"
#include "DokumentModela.h"
#include "KontekstUredjivanja.h"
#include "Model.h"
#include "Podesavanja.h"
#include "Proracun.h"
#include "ReportPreview.h"
#include "ReportProject.h"
#include "SacuvaniDijagrami.h"
#include "StanjeAnalize.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QLabel;
class TFormFormGeometrijskeKarakteristikePreseka;
class TPrikazMehanizma;
struct TMehanizam;
class TFormGrafikStampa;
class TCrtanjeMisem;
class TPracenjeRazmere;
class TGrupaDijagrama;
class TFormPomoc;
class TGrupaPrikaza;
class TPlotChart;
class TStraniceModela;
class TZauzetost;
class TCitanjeUnapred;
class TPoslovProracuna;

// The main window: a shell of handlers around its document (TDokumentModela), which owns the
// model with its undo history, the display settings, the analysis state and the current file
// path. The editing pages work through TKontekstUredjivanja; the analysis and result pages are
// filled by their own code through the public hooks below.
class TFormGlavniProzor : public QMainWindow, public TKontekstUredjivanja {
    Q_OBJECT
public:
    // Page indices of PageControlGlavniMeni.
    enum {
        StranaMaterijal,
        StranaPresek,
        StranaCvor,
        StranaStap,
        StranaOslonac,
        StranaOpterecenje,
        StranaAnaliza,
        StranaRezultat,
        StranaGrafik,
        BrojStrana
    };

    // `argumenti` are the command-line arguments after the program name; the first one, if any,
    // names a model read at start-up. `dijalozi` may be null for the real boxes and dialogs.
    explicit TFormGlavniProzor(const QStringList& argumenti = {}, std::unique_ptr<TDijalozi> dijalozi = nullptr,
                               QWidget* parent = nullptr);
    ~TFormGlavniProzor() override;

    // TKontekstUredjivanja
    TModel& Model() override { return model; }
    bool IzvrsiIzmenu(const std::string& naziv, const std::function<bool(TModel&)>& izmena) override;
    TDijalozi& Dijalozi() override { return *dijalozi; }
    QWidget* ProzorZaPoruke() override { return this; }
    void PosleIzmeneModela() override;
    void PrikaziProzorPreseka() override;

    // The windows created after this one at start-up.
    void PostaviPomocneProzore(TFormPomoc* pomoc, TFormFormGeometrijskeKarakteristikePreseka* preseci);

    TDokumentModela& Dokument() { return *dokument; }
    // Installs a run's results into the model they describe; the diagrams the run made beside
    // them are what the plot draws from then on.
    bool PostaviRezultate(TPoslovProracuna& posao);

    // Hooks for the analysis and result pages.
    TStanjeAnalize& Stanje() { return stanje; }
    // The main plot's diagrams as kept between drawings.
    const TSacuvaniDijagrami& SacuvaniDijagrami() const { return sacuvaniDijagrami; }
    TPodesavanja& Podesavanja() { return podesavanja; }
    // The busy state (radimProracun of the window): held by a run from its start until its
    // outcome is shown. While it is set the editing pages, undo and redo and the drawing with
    // the mouse are disabled, and the guarded commands answer with the busy message.
    TZauzetost& Zauzetost() { return *zauzetost; }
    bool Zauzet() const;
    bool RadimProracun() const { return Zauzet(); }
    void PostaviRadimProracun(bool da);
    // Clears the analysis state and node results through the document, which announces it; the
    // result page empties its grids on that.
    void ObrisiRezultate();
    // CrtajGrafik on PlotChartGrafik with the document's settings.
    void CrtajGrafikGlavni();
    // The diagram scale that follows the view: redraws after a zoom.
    TPracenjeRazmere* PracenjeRazmere() const { return pracenjeRazmere; }
    // How the result page takes part in the document's changes: emptying its grids when the
    // results went, refilling its selection lists when the model's lists changed.
    std::function<void()> naBrisanjeRezultata;
    std::function<void()> naOsvezavanjeListiRezultata;
    // "Stampaj grafik (A4)" hands its two arguments to the print window once there is one.
    std::function<void(int, int)> naStampanjeGrafika;
    // "Nov..." after a start with a file argument starts a fresh instance through this and ends
    // this one; it returns false when no instance could be started. Only the program's start-up
    // sets it: a window without it (tests, embedding) starts over in place.
    std::function<bool()> pokreniNovuInstancu;

    const QString& PutanjaDoFajla() const { return putanjaDoFajla; }
    QString izvestajAnalizeUlaz;
    QString izvestajAnalizeIzlaz;

    // The report (IzvestajProzora.cpp): "Izvestaj" and "Izvestaj..." run the handler; the engine
    // pulls the text through the connection.
    void ButtonFormirajIzvestajClick();
    TReportConnection ReportConnection1{QStringLiteral("ReportConnection1")};
    void ReportConnection1GetCols(TReportConnection& konekcija);
    void ReportConnection1Open(TReportConnection& konekcija);
    void ReportConnection1GetRow(TReportConnection& konekcija, int red);
    // The folder the report project is read from and made current: the executable's folder
    // unless set (tests point it elsewhere).
    QString folderPrograma;
    // Receives the preview instead of showing it modally (tests).
    std::function<void(TReportPreview&)> naPregledIzvestaja;
    // The hidden print window of "Stampaj grafik (A4)", created with this window.
    TFormGrafikStampa* FormGrafikStampa = nullptr;

    // Controls named as they are referred to everywhere else.
    QTabWidget* PageControlGlavniMeni = nullptr;
    QWidget* TabSheetMaterijal = nullptr;
    QWidget* TabSheetPresek = nullptr;
    QWidget* TabSheetCvor = nullptr;
    QWidget* TabSheetStap = nullptr;
    QWidget* TabSheetOslonac = nullptr;
    QWidget* TabSheetOpterecenje = nullptr;
    QWidget* TabSheetParametriAnalize = nullptr;
    QWidget* TabSheetRezultat = nullptr;
    QWidget* TabSheetGrafik = nullptr;
    TPlotChart* PlotChartGrafik = nullptr;

    QCheckBox* CheckBoxPrikaziSimbolCvora = nullptr;
    QCheckBox* CheckBoxPrikaziBrojCvora = nullptr;
    QCheckBox* CheckBoxPrikaziOslonceCvora = nullptr;
    QCheckBox* CheckBoxPrikaziOpterecenjeCvora = nullptr;
    QCheckBox* CheckBoxPrikaziSimbolStapa = nullptr;
    QCheckBox* CheckBoxPrikaziBrojStapa = nullptr;
    QCheckBox* CheckBoxPrikaziOrjentacijuStapa = nullptr;
    QCheckBox* CheckBoxPrikaziOpterecenjeStapa = nullptr;
    QCheckBox* CheckBoxMrezaGrafika = nullptr;
    QCheckBox* CheckBoxDeformacijaNosaca = nullptr;
    QLineEdit* EditMnozilacPomeranja = nullptr;
    QPushButton* ButtonOsveziPomeranja = nullptr;
    QGroupBox* RadioGroupAkcijeMisa = nullptr;
    QLineEdit* EditKorakCrtanja = nullptr;
    QCheckBox* CheckBoxZoomURealnomVremenu = nullptr;
    QComboBox* ComboBoxZoomSve = nullptr;
    QPushButton* ButtonZumSve = nullptr;
    TGrupaDijagrama* GrupaDijagrama = nullptr;  // "Dijagrami"
    TGrupaPrikaza* GrupaPrikaza = nullptr;      // "Prikaz": equal scale, symbols

    // The item index of RadioGroupAkcijeMisa (-1 when none is selected).
    int AkcijaMisa() const;
    void PostaviAkcijuMisa(int indeks);

    // Menu handlers.
    void Nov1Click();
    void Otvori1Click();
    void Snimi1Click();
    void Snimikao1Click();
    void Stampajgrafik1Click();
    void Sacuvajgrafik1Click();  // SacuvajGrafik.cpp
    void Izlaz1Click();
    void Pokrenianalizu1Click();
    void Stop1Click();
    void Izvestaj1Click();
    void Pomoc1Click();
    void Oprogramu1Click();
    // "Uredi": undo and redo of the editing steps.
    void Ponisti1Click();
    void Ponovi1Click();
    QAction* Ponisti1 = nullptr;
    QAction* Ponovi1 = nullptr;
    // Joins the two members selected on the plot where they cross.
    void PreseciStapove1Click();
    QAction* PreseciStapove1 = nullptr;
    // The "Crtanje" mouse action, with its selection.
    TCrtanjeMisem* Crtanje() const { return crtanje.get(); }
    // The plot's context menu on the node or member at these plot pixels ("Dodaj opterecenje...").
    void MeniNaGrafiku(int px, int py);

    // "Grafik" page handlers.
    void ButtonOsveziPomeranjaClick();
    void RadioGroupAkcijeMisaClick();
    void ComboBoxZoomSveChange();
    void ButtonZumSveClick();
    void PageControlGlavniMeniChange();
    void PlotChartGrafikResize();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // A refused analysis: the node that breaks the check ringed on the plot, selected on the
    // "Oslonac" page and named in the status bar, until the next change (GlavniProzorOdbijanje.cpp).
    // An unstable structure's free motion the same way: named there and swinging on the plot.
    void PokaziUzrokOdbijanja(const TRezultatProracuna& rezultat);
    void UkloniUzrokOdbijanja();
    void PokaziMehanizam(const TMehanizam& m);
    QLabel* LinijaUzroka();
    TPrikazMehanizma* prikazMehanizma = nullptr;
    void NapraviMeni();
    void NapraviMeniUredi(QMenu* uredi);
    // The "Crtanje" mouse action (GlavniProzorCrtanje.cpp).
    void UgradiCrtanje();
    void PostaviCrtanje(bool ukljuceno);
    // The context menu and the selection shared by the plot and the member-load page
    // (GlavniProzorOpterecenje.cpp).
    void UgradiMeniGrafika();
    void DodajOpterecenjeCvoru(int cvor);
    void DodajOpterecenjeStapovima(const std::vector<int>& stapovi);
    // The members a load from the menu goes onto: the whole selection when `stap` is in it.
    std::vector<int> StapoviZaMeni(int stap) const;
    std::unique_ptr<TCrtanjeMisem> crtanje;
    // The drawing made again for the view shown, refitted afterwards or not.
    void NacrtajGrafik(bool uklopi);
    TPracenjeRazmere* pracenjeRazmere = nullptr;  // a child of the plot, whose axes it follows
    // Everything the window does when its document changes (GlavniProzorUredi.cpp).
    void NaIzmenuDokumenta(const TIzmena& izmena);
    void NaIzmenuPodesavanja(unsigned delovi);
    void NaNoviModel();
    void OsveziMeniUredi();
    // Before "Nov...", "Otvori..." and closing: asks about unsaved changes and saves on "Da".
    // False when the command must not go on.
    bool SacuvajIzmene();
    void NapraviStrane();
    // What the busy state disables, set to its current value.
    void PrimeniZauzetost();
    TZauzetost* zauzetost = nullptr;
    // The file the window starts with, read while the pages are built.
    std::unique_ptr<TCitanjeUnapred> citanjeUnapred;
    QWidget* NapraviStranuGrafik();
    // The parts of the "Grafik" page (GlavniProzorGrafik.cpp).
    QCheckBox* NapraviPrekidac(QWidget* roditelj, QLayout* u, const char* ime, const char* naslov,
                               bool TPodesavanja::*polje);
    QLayout* NapraviGrupeSimbola(QWidget* strana);
    QGroupBox* NapraviKarakteristike(QWidget* strana);
    QGroupBox* NapraviAkcijeMisa(QWidget* strana);
    QLayout* NapraviZoom(QWidget* strana);
    void Inicijalizuj();
    void OsveziNaslov();
    void PorukaZauzet();
    // Reads the model named by putanjaDoFajla and brings every page and the plot up to date.
    void UcitajModel();
    // Writes the model with the document's settings to putanjaDoFajla.
    void SnimiModelUFajl();
    // True when the model was written.
    bool Snimi(bool uvekPitaj);
    // The "Grafik" page's controls (and the factor field) show the document's settings; only the
    // controls whose value differs are set, so a field being typed in keeps its cursor.
    void PodesavanjaUKontrole();
    // The mouse action of the settings on the plot.
    void PrimeniAkcijuMisa();
    QLineEdit* EditVrednostIspredMatrica() const;
    void KlikniDugme(const char* ime);

    std::unique_ptr<TDijalozi> dijalozi;
    // Goes after the pages (destroyed in the destructor's body) and before the children that
    // only hold references to it.
    std::unique_ptr<TDokumentModela> dokument;
    TModel& model;
    TPodesavanja& podesavanja;
    TStanjeAnalize& stanje;
    QString& putanjaDoFajla;
    bool pokrenutSaFajlom = false;
    // Set while the window closes itself on purpose ("Nov..." with a fresh instance).
    bool zatvaranjeBezPitanja = false;
    // Set while the controls are filled from the settings, so their handlers write nothing back.
    bool punimKontrole = false;
    // The check boxes of the "Grafik" page, each with the setting it shows.
    std::vector<std::pair<QCheckBox*, bool TPodesavanja::*>> prekidaci;

    // The main plot's diagrams of the results shown; dropped on every change but of the display
    // settings or the file path.
    TSacuvaniDijagrami sacuvaniDijagrami;
    // What the plot's drawing was made from, besides the view it was made for (which the scale
    // follower keeps). A resize of the plot changes none of it, and then only refits or repaints
    // instead of making the drawing again; any announcement marks it stale.
    struct TIzvorCrteza {
        bool tekuci = false;
        TPodesavanja podesavanja;
        const void* rezultati = nullptr;
    } izvorCrteza;
    // Whether a drawing made now would be made from the same as the one shown.
    bool CrtezIstiZa(bool uklopi) const;
    // Whether a drawing made now refits the view ("zoom u realnom vremenu", but not while drawing
    // with the mouse).
    bool UklapaPrikaz() const;
    TStraniceModela* stranice = nullptr;
    QButtonGroup* akcijeMisa = nullptr;
    TFormPomoc* formPomoc = nullptr;
    // Report and plot printing wiring (IzvestajProzora.cpp).
    void UgradiIzvestajIStampu();
    std::unique_ptr<TReportDialogs> dijaloziIzvestaja;
    std::unique_ptr<TReportProject> projekatIzvestaja;
    TFormFormGeometrijskeKarakteristikePreseka* formPreseci = nullptr;
};

// The texts the window shows.
inline constexpr const char* PorukaProracunUToku = "Proracun je u toku!!!\r\nNije dopustena akcija!!!";
inline constexpr const char* PitanjeZatvaranja = "Zatvori program?";
inline constexpr const char* FilterFajla = "velt fajl (*.velt)";
inline constexpr const char* PitanjeIzmena = "Model je izmenjen. Da li zelite da sacuvate izmene?";
