#pragma once
#include <QStringList>
#include <QWidget>

#include <vector>

class QButtonGroup;
class QTabBar;
class QTabWidget;

// The result pages in two levels: a row of groups and under it the pages of the chosen group,
// wrapping onto as many lines as the width needs. It drives a page control whose own tab bar is
// hidden, so every page keeps its index and title there; a page shown from code brings up its
// group. A group chosen shows the page last seen in it (at first its first page).
class TNavigatorRezultata : public QWidget {
    Q_OBJECT
public:
    TNavigatorRezultata(QTabWidget* strane, const QStringList& grupe, QWidget* parent = nullptr);
    // Page `indeks` of the control, already added, goes into group `grupa` after its pages so far.
    void DodajStranu(int indeks, int grupa);
    int PrikazanaGrupa() const;

private:
    void Prati(int indeks);
    void IzaberiGrupu(int grupa);
    void PrikaziDugmad(int grupa);
    int GrupaStrane(int indeks) const;

    QTabWidget* strane;
    QTabBar* redGrupa;
    QWidget* redStrana;
    QButtonGroup* dugmad;
    std::vector<int> grupaStrane;      // by page index; -1 for a page in no group
    std::vector<int> poslednjaUGrupi;  // by group; -1 before any of its pages was shown
};
