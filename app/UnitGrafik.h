#pragma once
#include <QDialog>

#include <functional>

#include "Model.h"
#include "Podesavanja.h"
#include "PlotChart.h"

struct TStanjeAnalize;

class QPrinter;
class TDijalozi;

// The hidden print window "Grafik": the structure is drawn afresh on its own plot, with the main
// plot's model and settings, and the window's image goes onto one printer page. It is never shown.
class TFormGrafikStampa : public QDialog {
    Q_OBJECT
public:
    // What the print plot is drawn from, asked for at every print: the settings as the "Grafik"
    // page shows them and the grid style of the main plot.
    struct TIzvor {
        const TModel* model = nullptr;
        TPodesavanja podesavanja;
        TGridStyle mreza = gsNone;
        const TStanjeAnalize* stanje = nullptr;  // the results the diagrams are drawn from
    };

    // `dijalozi` (not owned) shows the print dialog.
    explicit TFormGrafikStampa(TDijalozi& dijalozi, QWidget* parent = nullptr);

    TPlotChart* PlotChartGrafikZaStampu = nullptr;
    std::function<TIzvor()> izvor;

    // Prints the plot with the window at an outer size of sirina x visina pixels. False when the
    // dialog was cancelled or the page could not be printed.
    bool Stampaj(int sirina, int visina);

    // The client area of the design the plot's margins are laid out in.
    static constexpr int DizajnSirina = 405, DizajnVisina = 283;
    static constexpr int GrafikLevo = 52, GrafikGore = 35, GrafikDesno = 4, GrafikDole = 3;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // Keeps the plot anchored on all four sides, also while the window is hidden and receives
    // no resize events.
    void RasporediGrafik();
    // Outer minus client size: the border and caption the window would get on screen.
    QSize Okvir() const;
    bool StampajSliku(QPrinter& stampac);

    TDijalozi& dijalozi;
};
