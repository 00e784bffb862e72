#include "MerenjeProzora.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "GeneratorModela.h"
#include "ModelFajl.h"
#include "Podesavanja.h"

void TTihiDijalozi::Greska(QWidget*, const QString& t) { std::fprintf(stderr, "greska: %s\n", qPrintable(t)); }

double CpuMs() { return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC; }

bool TBrojacCrtanja::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::Paint) ++broj;
    return false;
}

void Izmeri(const char* naziv, int puta, const std::function<void(int)>& radnja, const TBrojacCrtanja* brojac) {
    QElapsedTimer sat;
    const int crtanja0 = brojac ? brojac->broj : 0;
    const double cpu0 = CpuMs();
    sat.start();
    for (int i = 0; i < puta; ++i) {
        radnja(i);
        QApplication::processEvents();
    }
    const double zid = double(sat.nsecsElapsed()) / 1e6 / puta, cpu = (CpuMs() - cpu0) / puta;
    std::printf("%-44s cpu %8.1f ms   wall %8.1f ms", naziv, cpu, zid);
    if (brojac) std::printf("   paints %.1f", double(brojac->broj - crtanja0) / puta);
    std::printf("\n");
}

int BrojCvorova(int argc, char** argv, const char* program) {
    const bool broj = argc > 1 && argv[1][0] >= '0' && argv[1][0] <= '9';
    const int cvorova = broj ? std::atoi(argv[1]) : 10000;
    if (cvorova >= 2) return cvorova;
    std::fprintf(stderr, "upotreba: %s BROJ_CVOROVA\n", program);
    return 0;
}

QString SnimiGenerisaniRam(const QTemporaryDir& folder, int cvorova) {
    const QString fajl = folder.filePath(QStringLiteral("ram.velt"));
    TPodesavanja p;
    SnimiModel(fajl.toStdString(), GenerisiRamSaCvorova(cvorova), p);
    return fajl;
}
