#pragma once
#include <QWidget>

#include <optional>

#include "DijagramiStapa.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class TKontekstAnalize;
class TStringGrid;

// Small plots of N, T, M and w along one member, each on its own band: positive N, T and w up,
// positive M down (the stretched side of a member drawn from left to right).
class TMaliDijagrami : public QWidget {
    Q_OBJECT
public:
    explicit TMaliDijagrami(QWidget* parent = nullptr);
    void Postavi(std::optional<TDijagramiStapa> d);
    QSize sizeHint() const override { return {360, 300}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::optional<TDijagramiStapa> dijagrami;
};

// The "Dijagrami" tab of "Ulaz/Izlaz": for the member selected in the member selector, the small
// plots, a table of N, T, M, u, w and fi at equally spaced stations (their number editable) and
// the extremes with their positions and the values on both sides of every concentrated action.
// It reads the results when it is shown and when the member or the number of stations changes.
class TTabDijagrami : public QWidget {
    Q_OBJECT
public:
    TTabDijagrami(TKontekstAnalize& kontekst, QComboBox& izborStapa, QWidget* parent = nullptr);

    QSpinBox* SpinEditBrojTacakaDijagrama = nullptr;
    TMaliDijagrami* PaintBoxDijagrami = nullptr;
    TStringGrid* StringGridDijagrami = nullptr;
    QPlainTextEdit* MemoEkstremiDijagrama = nullptr;

    void Osvezi();

protected:
    void showEvent(QShowEvent* e) override;

private:
    TKontekstAnalize& kontekst;
    QComboBox& izborStapa;
};
