#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "CrtanjeKonstrukcije.h"
#include "GeneratorModela.h"

namespace {

TPodesavanja SveUkljuceno() {
    TPodesavanja p;
    p.prikaziOpterecenjeCvora = p.prikaziOpterecenjeStapa = true;
    return p;
}

const TModel& Model5000() {
    static const TModel m = GenerisiRamSaCvorova(5000);
    return m;
}

// Rebuilding the display list and fitting, with every label on.
void ListaPrikaza5000(benchmark::State& st) {
    TPlotPovrsina g;
    TPodesavanja p = SveUkljuceno();
    for (auto _ : st) {
        CrtajGrafik(g, Model5000(), p);
        benchmark::DoNotOptimize(g.Stavke().data());
    }
    st.counters["cvorova"] = double(Model5000().nizCvorova.size());
    st.counters["stapova"] = double(Model5000().nizStapova.size());
    st.counters["stavki"] = double(g.Stavke().size());
}

// One paint of the whole structure into a 1200 x 900 image, grid on.
void Slikanje5000(benchmark::State& st) {
    TPlotPovrsina g;
    g.PostaviVelicinu(1200, 900);
    g.SetGridStyle(gsDotLines);
    TPodesavanja p = SveUkljuceno();
    CrtajGrafik(g, Model5000(), p);
    QImage slika(1200, 900, QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter s(&slika);
        g.Nacrtaj(s, slika.rect());
    }
}

// One step of a pan drag: the ranges move and the plot repaints from the same display list.
void KorakPana5000(benchmark::State& st) {
    TPlotPovrsina g;
    g.PostaviVelicinu(1200, 900);
    TPodesavanja p = SveUkljuceno();
    CrtajGrafik(g, Model5000(), p);
    g.SetMouseAction(maPan);
    QImage slika(1200, 900, QImage::Format_RGB32);
    g.MisPomeren(600, 450, true);
    int korak = 0;
    for (auto _ : st) {
        g.MisPomeren(600 + (korak++ % 50), 450, true);
        QPainter s(&slika);
        g.Nacrtaj(s, slika.rect());
    }
}

// Zoomed in on one corner: most items fall outside and must cost little.
void SlikanjeUvecano5000(benchmark::State& st) {
    TPlotPovrsina g;
    g.PostaviVelicinu(1200, 900);
    TPodesavanja p = SveUkljuceno();
    CrtajGrafik(g, Model5000(), p);
    g.Scale1X.PostaviOpseg(-1, 20);
    g.Scale1Y.PostaviOpseg(-1, 12);
    QImage slika(1200, 900, QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter s(&slika);
        g.Nacrtaj(s, slika.rect());
    }
}

// The engineering drawing: symbols, and labels placed at every paint against what is drawn.
TPodesavanja SaSimbolima() {
    TPodesavanja p = SveUkljuceno();
    p.prikaz.simboli = true;
    p.prikaz.jednakaRazmera = true;
    return p;
}

void SlikanjeSimbola(benchmark::State& st) {
    const TModel m = GenerisiRamSaCvorova(int(st.range(0)));
    TPlotPovrsina g;
    g.PostaviVelicinu(1200, 900);
    g.SetGridStyle(gsDotLines);
    TPodesavanja p = SaSimbolima();
    CrtajGrafik(g, m, p);
    QImage slika(1200, 900, QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter s(&slika);
        g.Nacrtaj(s, slika.rect());
    }
    st.counters["cvorova"] = double(m.nizCvorova.size());
    st.counters["stavki"] = double(g.Stavke().size());
}

void ListaPrikazaSimbola5000(benchmark::State& st) {
    TPlotPovrsina g;
    TPodesavanja p = SaSimbolima();
    for (auto _ : st) {
        CrtajGrafik(g, Model5000(), p);
        benchmark::DoNotOptimize(g.Stavke().data());
    }
}

}  // namespace

BENCHMARK(SlikanjeSimbola)->Arg(300)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(ListaPrikazaSimbola5000)->Unit(benchmark::kMillisecond);
BENCHMARK(ListaPrikaza5000)->Unit(benchmark::kMillisecond);
BENCHMARK(Slikanje5000)->Unit(benchmark::kMillisecond);
BENCHMARK(KorakPana5000)->Unit(benchmark::kMillisecond);
BENCHMARK(SlikanjeUvecano5000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
