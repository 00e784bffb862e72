// What the plot costs with a diagram shown on a generated frame of about N nodes: showing the
// moment diagram after a run, another kind, the deflected line, then a repaint, a wheel zoom and
// a pan step, first over the whole structure and then zoomed in on a few bays, each with and
// without the engineering symbols.
// Prints the CPU time of the process (the machine is shared) and the wall time of each action.
// Run by hand:
//   QT_QPA_PLATFORM=offscreen bench_prozor_dijagram 30000
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>

#include "MerenjeProzora.h"
#include "GrupaDijagrama.h"
#include "GrupaPrikaza.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "PracenjeRazmere.h"
#include "StranicaAnalize.h"
#include "UnitGlavniProzor.h"

namespace {

// Repaint, zoom and pan steps of the view as it stands, under `prefiks`.
void KoraciPogleda(TPlotChart& g, const char* prefiks) {
    char naziv[96];
    std::snprintf(naziv, sizeof naziv, "%s: repaint", prefiks);
    Izmeri(naziv, 5, [&](int) { g.repaint(); });
    std::snprintf(naziv, sizeof naziv, "%s: zoom step", prefiks);
    Izmeri(naziv, 6, [&](int i) {
        const int x = (g.Levo() + g.Desno()) / 2, y = (g.Gore() + g.Dole()) / 2;
        g.TockicMisa(x, y, i % 2 ? -1 : 1);
        g.repaint();
    });
    std::snprintf(naziv, sizeof naziv, "%s: pan step", prefiks);
    Izmeri(naziv, 6, [&](int i) {
        const double d = (g.Scale1X.RangeHigh() - g.Scale1X.RangeLow()) * (i % 2 ? -0.05 : 0.05);
        g.Scale1X.PostaviOpseg(g.Scale1X.RangeLow() + d, g.Scale1X.RangeHigh() + d);
        g.repaint();
    });
}

// Narrows both axes about their centres to `deo` of their width.
void Priblizi(TPlotChart& g, double deo) {
    auto suzi = [deo](TScaleProps& s) {
        const double c = (s.RangeLow() + s.RangeHigh()) / 2, h = (s.RangeHigh() - s.RangeLow()) * deo / 2;
        s.PostaviOpseg(c - h, c + h);
    };
    suzi(g.Scale1X);
    suzi(g.Scale1Y);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int cvorova = BrojCvorova(argc, argv, "bench_prozor_dijagram");
    if (!cvorova) return 64;
    QTemporaryDir folder;
    const QString fajl = SnimiGenerisaniRam(folder, cvorova);
    std::printf("cvorova %d\n", cvorova);
    TFormGlavniProzor w({fajl}, std::make_unique<TTihiDijalozi>());
    w.resize(1400, 950);
    w.show();
    QApplication::processEvents();
    auto* analiza = w.findChild<TStranicaAnalize*>();
    bool gotovo = false;
    analiza->posleProracuna = [&](const TRezultatProracuna&) { gotovo = true; };
    analiza->ButtonPokreniAnalizu->click();
    while (!gotovo) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    w.PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaGrafik);
    QApplication::processEvents();
    TPlotChart& g = *w.PlotChartGrafik;
    QComboBox& dijagram = *w.GrupaDijagrama->ComboBoxDijagrami;
    QCheckBox& simboli = *w.findChild<TGrupaPrikaza*>()->CheckBoxSimboli;

    simboli.setChecked(false);
    QApplication::processEvents();
    Izmeri("showing M", 1, [&](int) {
        dijagram.setCurrentIndex(dijagram.findText(QStringLiteral("M")));
        QApplication::processEvents();
        g.repaint();
    });
    KoraciPogleda(g, "M, whole structure");
    Izmeri("switching to T and back to M", 2, [&](int i) {
        dijagram.setCurrentIndex(dijagram.findText(QString::fromLatin1(i % 2 ? "M" : "T")));
        QApplication::processEvents();
        g.repaint();
    });
    QCheckBox& linija = *w.GrupaDijagrama->CheckBoxLinijaDeformacije;
    Izmeri("deflected line on and off (M shown)", 2, [&](int i) {
        linija.setChecked(i % 2 == 0);
        QApplication::processEvents();
        g.repaint();
    });
    Izmeri("symbols on (M shown)", 1, [&](int) {
        simboli.setChecked(true);
        QApplication::processEvents();
        g.repaint();
    });
    KoraciPogleda(g, "M and symbols, whole structure");
    // The view must stay where it is put when the symbols are switched off below.
    w.CheckBoxZoomURealnomVremenu->setChecked(false);
    QApplication::processEvents();
    Priblizi(g, 0.02);
    KoraciPogleda(g, "M and symbols, a few bays");
    simboli.setChecked(false);
    QApplication::processEvents();
    KoraciPogleda(g, "M, a few bays");
    // Each step narrows or widens the view a little, so the diagram is made again for its scale
    // (what the window does once the wheel has rested).
    Izmeri("M, a few bays: the redraw at the view's scale", 4, [&](int i) {
        Priblizi(g, i % 2 ? 1 / 0.9 : 0.9);
        w.PracenjeRazmere()->Proveri();
        g.repaint();
    });
    return 0;
}
