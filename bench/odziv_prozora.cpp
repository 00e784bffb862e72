// How the window answers while an analysis runs: starts "Pokreni analizu" on a generated frame
// of about N nodes and measures, with a 10 ms timer, how late the window's event loop gets to its
// events during the run, besides the time of the start command itself, the wall time of the run
// and the time the window takes to show the outcome. Run by hand:
//   QT_QPA_PLATFORM=offscreen bench_odziv_prozora 30000 [dense|sparse|auto]
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "MerenjeProzora.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "StranicaAnalize.h"
#include "UnitGlavniProzor.h"
#include "Zauzetost.h"

namespace {

double Procenat(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int cvorova = argc > 1 ? std::atoi(argv[1]) : 30000;
    const auto putanja = ParsirajPutanju(argc > 2 ? argv[2] : "auto");
    if (cvorova < 2 || !putanja) {
        std::fprintf(stderr, "upotreba: bench_odziv_prozora BROJ_CVOROVA [dense|sparse|auto]\n");
        return 64;
    }
    QTemporaryDir folder;
    const QString fajl = SnimiGenerisaniRam(folder, cvorova);
    TFormGlavniProzor w({fajl}, std::make_unique<TTihiDijalozi>());
    w.Stanje().zahtevanaPutanja = *putanja;
    w.show();
    QApplication::processEvents();
    auto* analiza = w.findChild<TStranicaAnalize*>();

    QElapsedTimer sat;
    std::vector<double> kasnjenja;  // ms past the 10 ms period, while busy
    double poslednji = 0, krajZauzetosti = -1, krajPrikaza = -1, najvece = 0;
    QString korak, korakNajveceg;  // the last log line, and the one before the longest pause
    analiza->posleLinijeLoga = [&](const QString& l) { korak = l.left(l.indexOf(QStringLiteral(" - "))); };
    QTimer tajmer;
    tajmer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tajmer, &QTimer::timeout, [&] {
        const double t = static_cast<double>(sat.nsecsElapsed()) / 1e6;
        if (w.Zauzet()) {
            kasnjenja.push_back(std::max(0.0, t - poslednji - 10));
            if (kasnjenja.back() > najvece) najvece = kasnjenja.back(), korakNajveceg = korak;
        }
        poslednji = t;
    });
    QObject::connect(&w.Zauzetost(), &TZauzetost::promenjena, [&](bool z) {
        if (!z) krajZauzetosti = static_cast<double>(sat.nsecsElapsed()) / 1e6;
    });
    analiza->posleProracuna = [&](const TRezultatProracuna&) {
        krajPrikaza = static_cast<double>(sat.nsecsElapsed()) / 1e6;
    };

    sat.start();
    tajmer.start(10);
    analiza->ButtonPokreniAnalizu->click();
    const double klik = static_cast<double>(sat.nsecsElapsed()) / 1e6;
    poslednji = klik;
    while (krajPrikaza < 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    // For comparison: one repaint of the plot, which the start's clear asks for during the run.
    QElapsedTimer crtanje;
    crtanje.start();
    w.PlotChartGrafik->repaint();
    const double jednoCrtanje = static_cast<double>(crtanje.nsecsElapsed()) / 1e6;

    std::printf("cvorova %d, putanja %s, ishod %d\n", cvorova, argc > 2 ? argv[2] : "auto",
                static_cast<int>(analiza->PoslednjiRezultat().ishod));
    std::printf("start command (copy of the model, worker started): %.1f ms\n", klik);
    std::printf("run, click to outcome: %.0f ms\n", krajZauzetosti);
    std::printf("outcome shown (install, grids, plot): %.1f ms\n", krajPrikaza - krajZauzetosti);
    std::printf("timer ticks while busy: %zu; lateness past 10 ms: median %.1f, p99 %.1f, max %.1f ms\n",
                kasnjenja.size(), Procenat(kasnjenja, 0.5), Procenat(kasnjenja, 0.99), najvece);
    std::printf("longest pause after the log line \"%s\"\n", qPrintable(korakNajveceg));
    std::printf("one repaint of the plot: %.1f ms\n", jednoCrtanje);
    return 0;
}
