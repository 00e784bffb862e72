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

#include "GeneratorModela.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "UnitGlavniProzor.h"
#include "UredjivanjeCvorova.h"

namespace {

class TTihiDijalozi : public TDijalozi {
public:
    void Greska(QWidget*, const QString& t) override { std::fprintf(stderr, "greska: %s\n", qPrintable(t)); }
    void Informacija(QWidget*, const QString&) override {}
    bool Pitanje(QWidget*, const QString&) override { return false; }
    QString OtvoriFajl(QWidget*, const QString&, const QString&) override { return {}; }
    QString SnimiFajl(QWidget*, const QString&, const QString&) override { return {}; }
    bool Stampanje(QWidget*, QPrinter&) override { return false; }
};

double CpuMs() { return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC; }

// Counts the paints of the plot, so each line can say how many an action cost.
struct TBrojacCrtanja : QObject {
    int broj = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++broj;
        return false;
    }
};
TBrojacCrtanja brojacCrtanja;

// Runs the action and the events it leaves behind, `puta` times; prints the mean per run.
void Izmeri(const char* naziv, int puta, const std::function<void(int)>& radnja) {
    QElapsedTimer sat;
    const int crtanja0 = brojacCrtanja.broj;
    const double cpu0 = CpuMs();
    sat.start();
    for (int i = 0; i < puta; ++i) {
        radnja(i);
        QApplication::processEvents();
    }
    const double zid = double(sat.nsecsElapsed()) / 1e6 / puta, cpu = (CpuMs() - cpu0) / puta;
    std::printf("%-34s cpu %8.1f ms   wall %8.1f ms   paints %.1f\n", naziv, cpu, zid,
                double(brojacCrtanja.broj - crtanja0) / puta);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // Options meant for the other benchmarks (scripts/bench.sh passes them to all) leave the default.
    const bool broj = argc > 1 && argv[1][0] >= '0' && argv[1][0] <= '9';
    const int cvorova = broj ? std::atoi(argv[1]) : 10000;
    if (cvorova < 2) {
        std::fprintf(stderr, "upotreba: bench_prozor BROJ_CVOROVA\n");
        return 64;
    }
    QTemporaryDir folder;
    const QString fajl = folder.filePath(QStringLiteral("ram.velt"));
    {
        TPodesavanja p;
        SnimiModel(fajl.toStdString(), GenerisiRamSaCvorova(cvorova), p);
    }
    std::printf("cvorova %d\n", cvorova);
    std::unique_ptr<TFormGlavniProzor> w;
    Izmeri("opening the file (window shown)", 1, [&](int) {
        w = std::make_unique<TFormGlavniProzor>(QStringList{fajl}, std::make_unique<TTihiDijalozi>());
        w->PlotChartGrafik->installEventFilter(&brojacCrtanja);
        w->resize(1400, 950);
        w->show();
    });
    TFormGlavniProzor& p = *w;
    p.PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaGrafik);
    QApplication::processEvents();
    TPlotChart& g = *p.PlotChartGrafik;
    Izmeri("repaint of the plot", 5, [&](int) { g.repaint(); });
    Izmeri("zoom step (range and repaint)", 5, [&](int i) {
        const double s = i % 2 ? 1.25 : 0.8, c = (g.Scale1X.RangeLow() + g.Scale1X.RangeHigh()) / 2,
                     h = (g.Scale1X.RangeHigh() - g.Scale1X.RangeLow()) * s / 2;
        g.Scale1X.PostaviOpseg(c - h, c + h);
        g.repaint();
    });
    Izmeri("pan step (range and repaint)", 5, [&](int i) {
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
    Izmeri("edit and its undo (with repaints)", 3, [&](int i) {
        izmena(i);
        QApplication::processEvents();
        g.repaint();
        p.Ponisti1Click();
        QApplication::processEvents();
        g.repaint();
    });
    // The line above paints twice per step (the paint the step asks for, then a forced one); a
    // user sees the one the step asks for.
    Izmeri("  the edit alone (its paint)", 3, [&](int i) { izmena(i); });
    Izmeri("  the undo alone (its paint)", 3, [&](int) { p.Ponisti1Click(); });
    // Through the page, as the user does it: the page refreshes its own lists after the step.
    auto* x = p.findChild<QLineEdit*>(QStringLiteral("EditXkoordinataCvora"));
    auto* promeni = p.findChild<QPushButton*>(QStringLiteral("ButtonPromeniCvor"));
    Izmeri("  a node moved on its page", 3, [&](int i) {
        x->setText(QString::number(-1 - i));
        promeni->click();
    });
    Izmeri("  and undone", 3, [&](int) { p.Ponisti1Click(); });
    // The first visit of a page lays it out with its lists full; later visits only show it.
    auto strane = [&](const char* kako, bool svaka) {
        const double cpu0 = CpuMs();
        for (int s = 0; s < TFormGlavniProzor::BrojStrana; ++s) {
            const std::string naziv = std::string("  ") + kako + p.PageControlGlavniMeni->tabText(s).toStdString();
            if (svaka) Izmeri(naziv.c_str(), 1, [&](int) { p.PageControlGlavniMeni->setCurrentIndex(s); });
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
