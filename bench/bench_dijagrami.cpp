// Diagrams of every member of a 5000-node frame, and the redraw of the plot with a diagram shown.
//
// A 5000-node frame is beyond the dense solution, so the results are a displacement of every
// degree of freedom made up here: the diagrams cost the same whatever the displacements are.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

#include "CrtanjeKonstrukcije.h"
#include "DijagramiStapa.h"
#include "GeneratorModela.h"

namespace {

struct TOkvir {
    TModel model;
    TStanjeAnalize stanje;
    explicit TOkvir(int cvorova = 5000) : model(GenerisiRamSaCvorova(cvorova)) {
        // Every node free, displaced a little: the s list holds every code number, the o list none.
        std::vector<int> s;
        for (const auto& c : model.nizCvorova)
            s.insert(s.end(), {c->BrPomeranjaX(), c->BrPomeranjaZ(), c->BrObrtanjaY()});
        stanje.nizKodnihBrojevaNepoznatihPomeranja = s;
        stanje.nizKodnihBrojevaPoznatihPomeranja = std::vector<int>{};
        stanje.vektor_qsGKS = std::make_unique<TMatrix>();
        stanje.vektor_qsGKS->Resize(1, int(s.size()));
        for (int i = 1; i <= int(s.size()); ++i) stanje.vektor_qsGKS->SetElem(1, i, 1e-3 * std::sin(0.37 * i));
        stanje.vektor_qoGKS = std::make_unique<TMatrix>();
    }
};

const TOkvir& Okvir() {
    static const TOkvir o;
    return o;
}

void DijagramiSvihStapova5000(benchmark::State& st) {
    const TOkvir& o = Okvir();
    double zbir = 0;
    for (auto _ : st) {
        const auto d = DijagramiSvihStapova(o.model, o.stanje);
        // 21 stations of every member, as velt-cli diagrams prints them.
        for (const auto& dd : d)
            for (long double x : dd.Stanice(20)) zbir += double(dd.NaStanici(x).M);
        benchmark::DoNotOptimize(zbir);
    }
    st.counters["stapova"] = double(o.model.nizStapova.size());
}

TPodesavanja SaDijagramom() {
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    p.deformacijaNosaca = p.prikaz.linijaDeformacije = true;
    return p;
}

// A redraw as the window does it (the display list keeps its room from the previous drawing):
// the display list with the moment diagram and the exact deflected line, then one paint.
void GrafikSaDijagramom5000(benchmark::State& st) {
    const TOkvir& o = Okvir();
    TPlotPovrsina g;
    g.PostaviVelicinu(1200, 900);
    TPodesavanja p = SaDijagramom();
    CrtajGrafik(g, o.model, p, &o.stanje);
    QImage slika(1200, 900, QImage::Format_RGB32);
    for (auto _ : st) {
        CrtajGrafik(g, o.model, p, &o.stanje);
        QPainter s(&slika);
        g.Nacrtaj(s, slika.rect());
    }
    st.counters["stavki"] = double(g.Stavke().size());
}

// The first drawing on a fresh plot, whose display list grows in blocks of 1000 items.
void PrvoCrtanjeSaDijagramom5000(benchmark::State& st) {
    const TOkvir& o = Okvir();
    TPodesavanja p = SaDijagramom();
    for (auto _ : st) {
        TPlotPovrsina g;
        CrtajGrafik(g, o.model, p, &o.stanje);
        benchmark::DoNotOptimize(g.Stavke().data());
    }
}

// The paint alone (a pan or zoom step) with that display list.
void SlikanjeSaDijagramom5000(benchmark::State& st) {
    const TOkvir& o = Okvir();
    TPlotPovrsina g;
    g.PostaviVelicinu(1200, 900);
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    CrtajGrafik(g, o.model, p, &o.stanje);
    QImage slika(1200, 900, QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter s(&slika);
        g.Nacrtaj(s, slika.rect());
    }
}

// The large frames with the engineering drawing and the moment diagram: every member's diagrams,
// a fresh display list (showing M), and a paint of the whole fitted view (a repaint, a pan or zoom
// step). Three sizes, to show how each grows.
const TOkvir& VelikiOkvir(int cvorova) {
    static std::map<int, std::unique_ptr<TOkvir>> okviri;
    auto& o = okviri[cvorova];
    if (!o) o = std::make_unique<TOkvir>(cvorova);
    return *o;
}

void DijagramiVelikog(benchmark::State& st) {
    const TOkvir& o = VelikiOkvir(int(st.range(0)));
    size_t bajtova = 0;
    for (auto _ : st) {
        const auto d = DijagramiSvihStapova(o.model, o.stanje);
        bajtova = d.capacity() * sizeof(TDijagramiStapa);
        for (const auto& s : d)
            bajtova += s.delovi.capacity() * sizeof(TDeoDijagrama) + s.skokovi.capacity() * sizeof(TSkok);
    }
    st.counters["stapova"] = double(o.model.nizStapova.size());
    st.counters["MB"] = double(bajtova) / 1e6;  // what a window keeps of them
}

TPodesavanja SaSimbolimaIM() {
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    p.prikaz.simboli = p.prikaz.jednakaRazmera = true;
    p.prikaziOpterecenjeStapa = p.prikaziOpterecenjeCvora = true;
    return p;
}

void PrikazM(benchmark::State& st) {
    const TOkvir& o = VelikiOkvir(int(st.range(0)));
    TPodesavanja p = SaSimbolimaIM();
    for (auto _ : st) {
        TPlotPovrsina g;
        g.PostaviVelicinu(1200, 900);
        CrtajGrafik(g, o.model, p, &o.stanje);
        benchmark::DoNotOptimize(g.Stavke().data());
    }
}

void SlikanjeM(benchmark::State& st) {
    const TOkvir& o = VelikiOkvir(int(st.range(0)));
    TPlotPovrsina g;
    g.PostaviVelicinu(1200, 900);
    TPodesavanja p = SaSimbolimaIM();
    CrtajGrafik(g, o.model, p, &o.stanje);
    QImage slika(1200, 900, QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter s(&slika);
        g.Nacrtaj(s, slika.rect());
    }
    st.counters["stavki"] = double(g.Stavke().size());
}

}  // namespace

BENCHMARK(DijagramiVelikog)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(PrikazM)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(SlikanjeM)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK(DijagramiSvihStapova5000)->Unit(benchmark::kMillisecond);
BENCHMARK(GrafikSaDijagramom5000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrvoCrtanjeSaDijagramom5000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(SlikanjeSaDijagramom5000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
