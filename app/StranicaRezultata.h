#pragma once
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "KontekstAnalize.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TModelSpiska;
class TNavigatorRezultata;
class TStringGrid;

// The "Ulaz/Izlaz" page: node and member texts, the factor in front of the matrices and the
// result pages (member matrices, global matrices and vectors, code-number lists) in two groups.
class TStranicaRezultata : public QWidget {
    Q_OBJECT
public:
    explicit TStranicaRezultata(TKontekstAnalize& kontekst, QWidget* parent = nullptr);

    QComboBox* ComboBoxRezultatCvor = nullptr;
    QPlainTextEdit* MemoRezultatCvor = nullptr;
    QComboBox* ComboBoxRezultatStap = nullptr;
    QPlainTextEdit* MemoRezultatStap = nullptr;
    QLabel* LabelVrednostIspredMatricaKrutosti = nullptr;
    QLineEdit* EditVrednostIspredMatricaKrutosti = nullptr;
    QPushButton* ButtonPreracunajPonovoMatriceSaBrojemIspred = nullptr;
    QTabWidget* PageControlUlazIzlaz = nullptr;
    QComboBox* ComboBoxSpisakOpterecenjaZaQ = nullptr;
    // The one line over the inverse of Kss when it is read column by column (the sparse path).
    QLabel* LabelInvKssNaZahtev = nullptr;

    // Tab index of "R - sile".
    static constexpr int TabSileStapa = 15;
    // The two levels over the pages: the selected member's pages, and those of the whole system.
    static constexpr int GrupaStap = 0;
    static constexpr int GrupaSistem = 1;
    TNavigatorRezultata* NavigatorRezultata = nullptr;
    // A page added after the specified ones, at the end of the page control, in group `grupa`.
    void DodajStranu(QWidget* strana, const QString& natpis, int grupa);

    // A grid by its name (nullptr for an unknown name) and the text of its cell (column, row).
    TStringGrid* Grid(const QString& ime) const;
    QString Celija(const QString& grid, int k, int r) const;
    // Every grid name, in the order the column fitting visits them.
    static const std::vector<const char*>& ImenaGridovaPoRedu();

    // The grid part of ObrisiRezultate: every global grid down to one empty cell, StringGridR down
    // to its header and one empty row. The member grids keep their contents.
    void ObrisiRezultate();
    // Refills the three selectors from the model, selects their first items and shows them.
    void OsveziListe();
    // Puts the factor text from the settings into the edit field (after a model was read).
    void PrimeniPodesavanja();
    // Where the factor field's text goes as it changes: the owner of the settings, which announces
    // it. Without it the field writes the context's settings itself.
    std::function<void(const std::string&)> naPromenuFaktora;

    // The display operations. Absent results are nothing to show; the program's own errors (TGreska)
    // end an operation silently with what it has filled. Any other failure passes on, to the
    // handler that shows it.
    void PrikaziRezultate();
    void PrikaziSileStapa();
    void PrikaziRezultatStapa();
    void PrikaziRezultatCvora();
    void PodesiSirineKolona();

    void ComboBoxRezultatCvorChange();
    void ComboBoxRezultatStapChange();
    void ComboBoxSpisakOpterecenjaZaQChange();
    void ButtonPreracunajPonovoMatriceSaBrojemIspredClick();

    // A member picked on the plot: page "Ulaz/Izlaz", tab "R - sile", the member selected and
    // its change handler run.
    void PrikaziStapSaGrafika(int indeksStapa);

private:
    std::optional<long double> Faktor() const;
    // Runs display operations for a handler: a failure that is not the program's own is shown in an
    // error box with its text, after `poruka` when one is given.
    void Rukuj(const std::function<void()>& operacije, const QString& poruka = {});
    // The parts of the display operations, inside their handling of TGreska.
    bool PrikaziGlobalneRezultate(long double c);
    void PopuniListe();
    void PrikaziIzabraniStap(long double c);
    bool PrikaziQStapa(const TStap& s, const std::vector<int>& kodovi);
    void PrikaziIzabraniCvor();
    TStringGrid& G(const char* ime) const;
    TStringGrid* NoviGrid(const char* ime, bool fiksniPrviRed = false, int sirinaKolone = 20);
    QWidget* NapraviTabove();
    QWidget* NapraviBrojCifara();
    void PrikaziNapomenuInverza();

    TKontekstAnalize& kontekst;
    // The texts of the three selectors.
    TModelSpiska* spisakCvorova = nullptr;
    TModelSpiska* spisakStapova = nullptr;
    TModelSpiska* spisakOpterecenja = nullptr;
    std::map<QString, TStringGrid*> gridovi;
};
