#pragma once
#include <QAbstractTableModel>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QTableView>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "IzvorMatrice.h"
#include "Matrix.h"
#include "MeracSirine.h"

// How a grid shows the numbers of a matrix: as computed, divided or multiplied by the factor in
// front of the matrices.
enum class TSkaliranje { KaoIzracunato, Podeljeno, Pomnozeno };

// The cells of one result grid, addressed (column, row) from 0 as the grids are everywhere else.
//
// Matrices of a thousand-node frame have millions of elements, so nothing is stored per cell:
// a grid holds blocks (a matrix placed at a column offset, a list of code numbers down a column or
// across a row, a few loose texts) and formats a cell only when it is asked for. A global matrix is
// shared with the analysis state through its source; a vector block refers to the state's own
// slot, so a block whose vector has been freed or replaced by one of another size reads as empty
// instead of reading freed memory.
class TTabelaMatrice : public QAbstractTableModel {
    Q_OBJECT
public:
    // With `fiksniPrviRed` row 0 is the fixed header row: the view shows it as its header.
    explicit TTabelaMatrice(bool fiksniPrviRed, QObject* parent = nullptr);

    int BrojKolona() const { return kolona; }
    int BrojRedova() const { return redova; }
    bool FiksniPrviRed() const { return fiksniPrviRed; }
    QString Celija(int k, int r) const;
    // The cell with its number in full: 17 significant digits, so it reads back to the same bits
    // (the value as shown, after the factor); texts and integers as they are.
    QString TacnaCelija(int k, int r) const;
    // Significant digits of the shown reals; 0 (the default) for the program's usual number form.
    void PostaviBrojCifara(int cifara);
    int BrojCifara() const { return cifara; }

    // One empty cell; a grid with a header row keeps it and gets one empty row below it.
    void Isprazni();
    // Never below one column and one row. Contents outside the new size are dropped.
    void PostaviVelicinu(int brojKolona, int brojRedova);
    // Empties the cells of one row (the header row too, if asked).
    void IsprazniRed(int r);

    // The matrix in `slot` placed with its element (1, 1) at cell (k0, r0).
    void PostaviMatricu(int k0, int r0, const std::unique_ptr<TMatrix>& slot,
                        TSkaliranje s = TSkaliranje::KaoIzracunato, long double c = 1.0L);
    // A matrix read through its source, whatever its form (dense, sparse, the inverse of Kss solved
    // column by column); the grid shares the source, so it stays readable until emptied.
    void PostaviIzvor(int k0, int r0, std::shared_ptr<const TIzvorMatrice> izvor,
                      TSkaliranje s = TSkaliranje::KaoIzracunato, long double c = 1.0L);
    // A matrix of the grid's own (the member matrices, which nobody else keeps).
    void PostaviSopstvenuMatricu(int k0, int r0, TMatrix m, TSkaliranje s = TSkaliranje::KaoIzracunato,
                                 long double c = 1.0L);
    // Reals down column k from row r0.
    void PostaviRealneUKolonu(int k, int r0, std::vector<long double> v);
    // Integers down column k from row r0, or across row r from column k0.
    void PostaviCeleUKolonu(int k, int r0, std::vector<int> v);
    void PostaviCeleURed(int r, int k0, std::vector<int> v);
    void PostaviTekst(int k, int r, const QString& t);

    // The running width of the column-fitting rule: the larger of `w` and the text width of every
    // cell of column k in the font of `fm`. Cells that cannot be wider than `w` are not formatted.
    int SirinaKolone(int k, int w, const class TMeracSirine& merac) const;

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    // What a cell holds: a loose text, an integer or a real (as shown), or nothing.
    struct TSadrzaj {
        const QString* tekst = nullptr;
        std::optional<int> ceo;
        std::optional<long double> realan;
    };
    TSadrzaj Sadrzaj(int k, int r) const;

    struct TBlokMatrice {
        const std::unique_ptr<TMatrix>* slot = nullptr;
        std::shared_ptr<const TMatrix> sopstvena;
        std::shared_ptr<const TIzvorMatrice> izvor;
        const TMatrix* ocekivana = nullptr;  // the matrix that was in the slot when placed
        int k0 = 0, r0 = 0, brojKolona = 0, brojRedova = 0;
        TSkaliranje skaliranje = TSkaliranje::KaoIzracunato;
        long double c = 1.0L;
        const TMatrix* Matrica() const;
        long double Vrednost(double v) const;
    };
    struct TBlokBrojeva {
        int k0 = 0, r0 = 0;
        bool vodoravno = false;
        std::vector<long double> realni;
        std::vector<int> celi;
        int Duzina() const { return static_cast<int>(realni.empty() ? celi.size() : realni.size()); }
    };

    int SirinaKoloneIzvora(const TBlokMatrice& b, int mk, int w, const TMeracSirine& merac) const;
    void Promena(const std::function<void()>& f);
    void Odseci();
    bool UGranicama(int k, int r) const { return k >= 0 && k < kolona && r >= 0 && r < redova; }

    QString Realan(long double v) const;

    bool fiksniPrviRed;
    int cifara = 0;
    int kolona = 1, redova = 1;
    std::vector<TBlokMatrice> matrice;
    std::vector<TBlokBrojeva> brojevi;
    std::map<std::pair<int, int>, QString> tekstovi;
};

// A result grid: a read-only table view over its own TTabelaMatrice, named for tests and
// assistive tools. Ctrl+C and its context menu copy the selected cells, tab-separated, with full
// precision; the context menu also offers the grid's export when the page has set one.
class TStringGrid : public QTableView {
    Q_OBJECT
public:
    TStringGrid(const QString& ime, bool fiksniPrviRed, int sirinaKolone, QWidget* parent = nullptr);
    TTabelaMatrice& Tabela() { return *tabela; }
    const TTabelaMatrice& Tabela() const { return *tabela; }
    QString Celija(int k, int r) const { return tabela->Celija(k, r); }
    int SirinaKolone(int k) const { return columnWidth(k); }
    // The column-fitting rule over this grid's columns, from the running width `w`; returns the
    // new running width.
    // `zajednicki`, when given for this grid's font, spares setting up a meter of its own (that
    // measures over a thousand texts).
    int PodesiSirine(int w, const TMeracSirine* zajednicki = nullptr);
    // Column k as wide as column k of `matrica`, for labels standing over its columns.
    void PreuzmiSirine(const TStringGrid& matrica);

    // The text Ctrl+C puts on the clipboard: the selection's bounding rows and columns, cells
    // separated by tabs, rows ended by newlines; empty without a selection.
    QString TekstIzbora() const;
    // The context menu's export items; none when unset.
    std::function<void()> izvozMatrice;
    std::function<void()> izvozSvih;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void Kopiraj();
    TTabelaMatrice* tabela;
};
