// What each window action costs on a generated frame of about N nodes: opening the file, showing
// the moment diagram, a repaint, a wheel zoom and a pan step, an edit and its undo, and switching
// through the pages. Prints the CPU time of the process (the machine is shared) and the wall time
// of each action. Run by hand:
//   QT_QPA_PLATFORM=offscreen bench_prozor 30000
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "MerenjeProzora.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "UnitGlavniProzor.h"
#include "UredjivanjeCvorova.h"

namespace {

TBrojacCrtanja brojacCrtanja;

void IzmeriSaCrtanjima(const char* naziv, int puta, const std::function<void(int)>& radnja) {
    Izmeri(naziv, puta, radnja, &brojacCrtanja);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int cvorova = BrojCvorova(argc, argv, "bench_prozor");
    if (!cvorova) return 64;
    QTemporaryDir folder;
    const QString fajl = SnimiGenerisaniRam(folder, cvorova);
    std::printf("cvorova %d\n", cvorova);
    std::unique_ptr<TFormGlavniProzor> w;
    IzmeriSaCrtanjima("opening the file (window shown)", 1, [&](int) {
        w = std::make_unique<TFormGlavniProzor>(QStringList{fajl}, std::make_unique<TTihiDijalozi>());
        w->PlotChartGrafik->installEventFilter(&brojacCrtanja);
        w->resize(1400, 950);
        w->show();
    });
    // "BROJ samo-otvaranje" stops here, for profiling the opening alone.
    if (argc > 2 && std::string(argv[2]) == "samo-otvaranje") return 0;
    TFormGlavniProzor& p = *w;
    p.PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaGrafik);
    QApplication::processEvents();
    TPlotChart& g = *p.PlotChartGrafik;
    IzmeriSaCrtanjima("repaint of the plot", 5, [&](int) { g.repaint(); });
    IzmeriSaCrtanjima("zoom step (range and repaint)", 5, [&](int i) {
        const double s = i % 2 ? 1.25 : 0.8, c = (g.Scale1X.RangeLow() + g.Scale1X.RangeHigh()) / 2,
                     h = (g.Scale1X.RangeHigh() - g.Scale1X.RangeLow()) * s / 2;
        g.Scale1X.PostaviOpseg(c - h, c + h);
        g.repaint();
    });
    IzmeriSaCrtanjima("pan step (range and repaint)", 5, [&](int i) {
        const double d = (g.Scale1X.RangeHigh() - g.Scale1X.RangeLow()) * (i % 2 ? -0.05 : 0.05);
        g.Scale1X.PostaviOpseg(g.Scale1X.RangeLow() + d, g.Scale1X.RangeHigh() + d);
        g.repaint();
    });
    auto izmena = [&](int i) {
        const std::string z = std::to_string(1000 + i);
        p.IzvrsiIzmenu("Promeni opterecenje cvora", [&](TModel& m) {
            return PostaviOpterecenjeCvora(m, 10, {z, "0", "0", "0", "0", "0"});
        });
    };
    IzmeriSaCrtanjima("edit and its undo (with repaints)", 3, [&](int i) {
        izmena(i);
        QApplication::processEvents();
        g.repaint();
        p.Ponisti1Click();
        QApplication::processEvents();
        g.repaint();
    });
    // The line above paints twice per step (the paint the step asks for, then a forced one); a
    // user sees the one the step asks for.
    IzmeriSaCrtanjima("  the edit alone (its paint)", 3, [&](int i) { izmena(i); });
    IzmeriSaCrtanjima("  the undo alone (its paint)", 3, [&](int) { p.Ponisti1Click(); });
    // Through the page, as the user does it: the page refreshes its own lists after the step.
    auto* x = p.findChild<QLineEdit*>(QStringLiteral("EditXkoordinataCvora"));
    auto* promeni = p.findChild<QPushButton*>(QStringLiteral("ButtonPromeniCvor"));
    IzmeriSaCrtanjima("  a node moved on its page", 3, [&](int i) {
        x->setText(QString::number(-1 - i));
        promeni->click();
    });
    IzmeriSaCrtanjima("  and undone", 3, [&](int) { p.Ponisti1Click(); });
    // The first visit of a page lays it out with its lists full; later visits only show it.
    auto strane = [&](const char* kako, bool svaka) {
        const double cpu0 = CpuMs();
        for (int s = 0; s < TFormGlavniProzor::BrojStrana; ++s) {
            const std::string naziv = std::string("  ") + kako + p.PageControlGlavniMeni->tabText(s).toStdString();
            if (svaka) IzmeriSaCrtanjima(naziv.c_str(), 1, [&](int) { p.PageControlGlavniMeni->setCurrentIndex(s); });
            else {
                p.PageControlGlavniMeni->setCurrentIndex(s);
                QApplication::processEvents();
            }
        }
        return CpuMs() - cpu0;
    };
    const double prvi = strane("first time to ", true);
    std::printf("%-34s cpu %8.1f ms\n", "page switch (each page once)", prvi);
    // Once more, after an edit made on the plot's page.
    p.PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaGrafik);
    izmena(7);
    QApplication::processEvents();
    std::printf("%-34s cpu %8.1f ms\n", "pages again after an edit", strane("", false));
    return 0;
}
