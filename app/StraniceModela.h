#pragma once
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "Izmena.h"
#include "PoljaOpterecenja.h"
#include "UredjivanjeStapova.h"
#include "UredjivanjeZajednicko.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class TKontekstUredjivanja;
class TModelSpiska;

// The six editing pages of the main window ("Materijal", "Presek", "Cvor", "Stap", "Oslonac",
// "Opterecenje"). The handlers only gather the field texts, run the editing command over the
// model, show its message and refresh; every rule lives in the model's editing commands.
class TStraniceModela : public QObject {
public:
    TStraniceModela(TKontekstUredjivanja& kontekst, QObject* roditelj = nullptr);
    ~TStraniceModela() override;
    // Pages 0..5 of PageControlGlavniMeni: "Materijal" (TabSheetMaterijal), "Presek"
    // (TabSheetPresek), "Cvor" (TabSheetCvor), "Stap" (TabSheetStap), "Oslonac"
    // (TabSheetOslonac), "Opterecenje" (TabSheetOpterecenje, with its sub-pages "Cvor" and "Stap").
    QWidget* Stranica(int indeks);
    // Refresh every list on these pages from the model (after a load or New).
    void OsveziSve();
    // The lists of the model lists named by `liste` (ddListe bits), each keeping the item it showed
    // while there is one (after an undo, a redo or a drawing step).
    void OsveziZadrziIzbor(unsigned liste = ddListe);
    // The pages' part of a document change: a new model refreshes every list; a step that did not
    // come from these pages (the mouse, the history) refreshes the lists it touched. A command of these pages refreshes
    // its lists by its own rule once it returns.
    void NaIzmenu(const TIzmena& izmena);
    // Select a node or member on its page and show it (a double click on the plot).
    void IzaberiCvor(int indeks);
    void IzaberiStap(int indeks);
    // The material, section and type selected on the "Stap" page, for a member drawn on the plot.
    TIzborStapa IzborZaCrtanje() const;
    // The kind of member load whose tab is in front.
    int VrstaOpterecenjaStapa() const;
    // The members picked in "Vise stapova" follow the plot's selection and lead it: the list shows
    // the members with these IDs without telling back, and a pick in the list is told by
    // naIzboruStapova (member IDs, in list order).
    void IzaberiStapoveZaOpterecenje(const std::vector<int>& idStapova);
    std::function<void(const std::vector<int>& idStapova)> naIzboruStapova;

private:
    void NapraviStranicuMaterijal();
    void NapraviStranicuPresek();
    void NapraviStranicuCvor();
    void NapraviStranicuStap();
    void NapraviStranicuOslonac();
    void NapraviStranicuOpterecenje();
    QWidget* NapraviStranicuOpterecenjaCvora();
    QWidget* NapraviStranicuOpterecenjaStapa();

    // Runs one editing command; a TGreska goes into an error box and leaves the model as it was.
    enum class TIshod { Uradjeno, Nista, Greska };
    // The command runs as one undoable step named `naziv`.
    TIshod Izvrsi(const char* naziv, const std::function<bool(TModel&)>& komanda);
    void PrikaziGresku(const std::string& poruka);
    void PosleIzmene();

    // List refreshes, one per entity kind.
    void OsveziMaterijale();
    void OsveziPreseke();
    void OsveziCvorove();
    void OsveziStapove();
    void OsveziOpterecenja();
    // Show operations of the selected entity.
    void PrikaziMaterijal();
    void PrikaziPresek();
    void PrikaziCvor();
    void PrikaziOslonceCvora();
    void PrikaziOpterecenjeCvora();
    void PrikaziStap();
    void PrikaziOpterecenjaStapa();
    void PrikaziOpterecenje();

    // Handlers.
    void ComboBoxSpisakImenaMaterijalaChange();
    void ButtonDodajMaterijalClick();
    void ButtonPromeniMaterijalClick();
    void ButtonObrisiMaterijalClick();
    void DodajIliPromeniMaterijal(TRezimIzmene rezim);

    void ComboBoxSpisakImenaPresekaChange();
    void ButtonDodajPresekClick();
    void ButtonPromeniPresekClick();
    void ButtonObrisiPresekClick();
    void ButtonKoeficijentKZaPresekPomocClick();
    void ButtonPreseciClick();
    void DodajIliPromeniPresek(TRezimIzmene rezim);

    void ComboBoxSpisakCvorovaChange();
    void ButtonDodajCvorClick();
    void ButtonPromeniCvorClick();
    void ButtonObrisiCvorClick();
    void DodajIliPromeniCvor(TRezimIzmene rezim);

    void ComboBoxSpisakStapovaChange();
    void ButtonDodajStapClick();
    void ButtonPromeniStapClick();
    void ButtonObrisiStapClick();

    void ComboBoxSpisakCvorovaZaOslonceChange();
    void ButtonPromeniOslonacClick();
    void ComboBoxVrstaOsloncaChange(int indeks);
    bool PoljaElasticnogOsloncaPrazna() const;
    // The kind the three boxes form, shown without changing anything.
    void PrikaziVrstuOslonca();

    void ComboBoxSpisakCvorovaZaOpterecenjeChange();
    void ButtonPromeniOpterecenjeCvoraClick();

    void ComboBoxSpisakOpterecenjaStapovaChange();
    void ComboBoxSpisakStapovaZaOpterecenjeChange();
    void ButtonObrisiOpterecenjeStapaClick();
    void ButtonPridruziOpterecenjeStapuClick();
    void ButtonPridruziIzabranimStapovimaClick();
    void ListBoxStapoviZaOpterecenjeChange();
    // Refills "Vise stapova" with the members' texts, keeping the members picked by ID.
    void PopuniStapoveZaOpterecenje(const std::vector<std::string>& tekstovi);
    std::vector<int> stapoviZaOpterecenje;
    void PosleDodele(int opterecenje, int stap);
    void ButtonObrisiOpterecenjeSaStapaClick();
    void ButtonDodajOpterecenjeVClick();
    void ButtonPromeniOpterecenjeVClick();
    void ButtonDodajOpterecenjeMClick();
    void ButtonPromeniOpterecenjeMClick();
    void ButtonDodajOpterecenjePnClick();
    void ButtonPromeniOpterecenjePnClick();
    void ButtonDodajOpterecenjeTClick();
    void ButtonPromeniOpterecenjeTClick();
    void ButtonDodajOpterecenjeDeltaTClick();
    void ButtonPromeniOpterecenjeDeltaTClick();
    void ButtonDodajOpterecenjeHClick();
    void ButtonPromeniOpterecenjeHClick();
    void ButtonDodajOpterecenjePtClick();
    void ButtonPromeniOpterecenjePtClick();
    void DodajIliPromeniOpterecenje(int tip, TRezimIzmene rezim);
    // The pages of the linearly varying load and the self-weight, and the member's end springs.
    void NapraviStraniceDodatnihVrsta();
    void NapraviPoljaOpruga(QVBoxLayout* v);
    void PrikaziOpruge(const TStap& s);
    void ButtonPostaviOprugeClick();
    void ButtonSopstvenaTezinaSvimStapovimaClick();

    TKontekstUredjivanja& kontekst;
    // The texts of the selection lists, each held once for the lists of every page that show it.
    void NapraviSpiskove();
    TModelSpiska* spisakMaterijala = nullptr;
    TModelSpiska* spisakPreseka = nullptr;
    TModelSpiska* spisakCvorova = nullptr;
    TModelSpiska* spisakStapova = nullptr;
    TModelSpiska* spisakOpterecenja = nullptr;
    // Set while a command of these pages runs.
    bool izvrsavam = false;
    // The pages go to the main window's page control, which then owns them; until then (and in
    // tests) they are ours to free.
    QPointer<QWidget> stranice[6];

    // "Materijal"
    QWidget* TabSheetMaterijal = nullptr;
    QComboBox* ComboBoxSpisakImenaMaterijala = nullptr;
    QLineEdit* EditIDMaterijala = nullptr;
    QLineEdit* EditImeMaterijala = nullptr;
    QLineEdit* EditModulElasticnosti = nullptr;
    QLineEdit* EditPoasonovKoeficijent = nullptr;
    QLineEdit* EditZapreminskaMasa = nullptr;
    QLineEdit* EditAlfaT = nullptr;
    QPushButton* ButtonDodajMaterijal = nullptr;
    QPushButton* ButtonPromeniMaterijal = nullptr;
    QPushButton* ButtonObrisiMaterijal = nullptr;

    // "Presek"
    QWidget* TabSheetPresek = nullptr;
    QComboBox* ComboBoxSpisakImenaPreseka = nullptr;
    QLineEdit* EditIDPreseka = nullptr;
    QLineEdit* EditImePoprecnogPreseka = nullptr;
    QLineEdit* EditAksijalniMomentInercije = nullptr;
    QLineEdit* EditAksijalnaPovrsinaPoprecnogPreseka = nullptr;
    QLineEdit* EditVisinaPoprecnogPreseka = nullptr;
    QLineEdit* EditKoeficijentOblikaPoprecnogPreseka = nullptr;
    QPushButton* ButtonDodajPresek = nullptr;
    QPushButton* ButtonPromeniPresek = nullptr;
    QPushButton* ButtonObrisiPresek = nullptr;
    QPushButton* ButtonKoeficijentKZaPresekPomoc = nullptr;
    QPushButton* ButtonPreseci = nullptr;

    // "Cvor"
    QWidget* TabSheetCvor = nullptr;
    QComboBox* ComboBoxSpisakCvorova = nullptr;
    QLineEdit* EditXkoordinataCvora = nullptr;
    QLineEdit* EditZkoordinataCvora = nullptr;
    QPushButton* ButtonDodajCvor = nullptr;
    QPushButton* ButtonPromeniCvor = nullptr;
    QPushButton* ButtonObrisiCvor = nullptr;

    // "Stap"
    QWidget* TabSheetStap = nullptr;
    QComboBox* ComboBoxSpisakStapova = nullptr;
    QComboBox* ComboBoxSpisakMaterijalaZaStap = nullptr;
    QComboBox* ComboBoxSpisakPoprecnihPresekaZaStap = nullptr;
    QComboBox* ComboBoxSpisakCvorovaZaPocetniCvorStapa = nullptr;
    QComboBox* ComboBoxSpisakCvorovaZaKrajnjiCvorStapa = nullptr;
    QComboBox* ComboBoxTipStapa = nullptr;
    QPushButton* ButtonDodajStap = nullptr;
    QPushButton* ButtonPromeniStap = nullptr;
    QPushButton* ButtonObrisiStap = nullptr;
    QLineEdit* EditOprugaPocetka = nullptr;
    QLineEdit* EditOprugaKraja = nullptr;
    QPushButton* ButtonPostaviOpruge = nullptr;

    // "Oslonac"
    QWidget* TabSheetOslonac = nullptr;
    QComboBox* ComboBoxSpisakCvorovaZaOslonce = nullptr;
    // "Vrsta oslonca": the eight named kinds and "po izboru"; a kind sets the three boxes below and
    // changes the support in one step.
    QComboBox* ComboBoxVrstaOslonca = nullptr;
    QCheckBox* CheckBoxOslonacX = nullptr;
    QCheckBox* CheckBoxOslonacZ = nullptr;
    QLineEdit* EditOprugaKx = nullptr;
    QLineEdit* EditOprugaKz = nullptr;
    QLineEdit* EditOprugaKfi = nullptr;
    QLineEdit* EditUgaoOslonca = nullptr;
    QCheckBox* CheckBoxUkljestenje = nullptr;
    QPushButton* ButtonPromeniOslonac = nullptr;

    // "Opterecenje" with the sub-pages "Cvor" and "Stap"
    QWidget* TabSheetOpterecenje = nullptr;
    QTabWidget* PageControlOpterecenje = nullptr;
    QWidget* TabSheetOpterecenjeCvora = nullptr;
    QWidget* TabSheetOpterecenjeStapa = nullptr;

    QComboBox* ComboBoxSpisakCvorovaZaOpterecenje = nullptr;
    TPoljaCvornogOpterecenja cvorna;
    QPushButton* ButtonPromeniOpterecenjeCvora = nullptr;

    QComboBox* ComboBoxSpisakOpterecenjaStapova = nullptr;
    QLineEdit* EditImeOpterecenjaZaStap = nullptr;
    QPushButton* ButtonObrisiOpterecenjeStapa = nullptr;
    std::unique_ptr<TPoljaVrstaOpterecenja> vrste;
    QPushButton* ButtonDodajOpterecenjeV = nullptr;
    QPushButton* ButtonPromeniOpterecenjeV = nullptr;
    QPushButton* ButtonDodajOpterecenjeM = nullptr;
    QPushButton* ButtonPromeniOpterecenjeM = nullptr;
    QPushButton* ButtonDodajOpterecenjePn = nullptr;
    QPushButton* ButtonPromeniOpterecenjePn = nullptr;
    QPushButton* ButtonDodajOpterecenjeT = nullptr;
    QPushButton* ButtonPromeniOpterecenjeT = nullptr;
    QPushButton* ButtonDodajOpterecenjeDeltaT = nullptr;
    QPushButton* ButtonPromeniOpterecenjeDeltaT = nullptr;
    QPushButton* ButtonDodajOpterecenjeH = nullptr;
    QPushButton* ButtonPromeniOpterecenjeH = nullptr;
    QPushButton* ButtonDodajOpterecenjePt = nullptr;
    QPushButton* ButtonPromeniOpterecenjePt = nullptr;
    QPushButton* ButtonDodajOpterecenjeLinearno = nullptr;
    QPushButton* ButtonPromeniOpterecenjeLinearno = nullptr;
    QPushButton* ButtonDodajOpterecenjeSopstvenaTezina = nullptr;
    QPushButton* ButtonPromeniOpterecenjeSopstvenaTezina = nullptr;
    QPushButton* ButtonSopstvenaTezinaSvimStapovima = nullptr;
    QComboBox* ComboBoxSpisakStapovaZaOpterecenje = nullptr;
    QListWidget* ListBoxSpisakPridruzenihOpterecenjaStapu = nullptr;
    QPushButton* ButtonPridruziOpterecenjeStapu = nullptr;
    QListWidget* ListBoxStapoviZaOpterecenje = nullptr;
    QPushButton* ButtonPridruziIzabranimStapovima = nullptr;
    QPushButton* ButtonObrisiOpterecenjeSaStapa = nullptr;
};
