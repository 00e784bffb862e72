#pragma once
#include <QDialog>

#include <functional>
#include <vector>

#include "KoraciSklapanja.h"
#include "OpisKoraka.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TKontekstAnalize;

// "Korak po korak": the walk through the method for the model the results describe. The step
// list jumps to a step, "Napred" and "Nazad" go one step; an assembly step shows K after its member
// with the cells the member adds to lit, the load vector Q beside it with the entries its loads
// land on lit alike, and the text of its matrices; "Stampaj korake" writes
// the whole walk as a PDF through the report engine. Made from the results when it opens; the
// window keeps its own copy of every step.
class TProzorKoraka : public QDialog {
    Q_OBJECT
public:
    // Throws TGreska when there are no results or the model is too large for the walk.
    TProzorKoraka(TKontekstAnalize& kontekst, QWidget* parent = nullptr);

    int BrojKoraka() const { return static_cast<int>(koraci.size()); }
    int TrenutniKorak() const;
    void IdiNaKorak(int i);
    // Called with the member index (or -1) each time a step is shown: the plot marks it.
    std::function<void(int)> naIzborStapa;

    QListWidget* ListaKoraka = nullptr;
    QPlainTextEdit* MemoKoraka = nullptr;
    QTableWidget* TabelaKorakaK = nullptr;
    QTableWidget* TabelaKorakaQ = nullptr;
    QPushButton* ButtonNazad = nullptr;
    QPushButton* ButtonNapred = nullptr;
    QPushButton* ButtonStampajKorake = nullptr;

private:
    void Prikazi(int i);
    void PrikaziK(const TKorakSklapanja& k);
    void PrikaziQ(const TKorakSklapanja& k);
    void Stampaj();

    TKontekstAnalize& kontekst;
    std::vector<TKorakSklapanja> sklapanje;
    std::vector<TKorakMetode> koraci;
};

// Opens the walk for the window's results, or says why it cannot.
void OtvoriKorakPoKorak(TKontekstAnalize& kontekst, QWidget* roditelj, const std::function<void(int)>& naIzborStapa);
