// The result page of a large frame: filling the grids after a run, fitting the columns, and
// painting the big matrices while they scroll.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <memory>

#include "Dijalozi.h"
#include "GeneratorModela.h"
#include "KontekstAnalize.h"
#include "Proracun.h"
#include "StranicaRezultata.h"
#include "TabelaMatrice.h"

namespace {

class TTiho : public TDijalozi {
public:
    void Greska(QWidget*, const QString&) override {}
    void Informacija(QWidget*, const QString&) override {}
    bool Pitanje(QWidget*, const QString&) override { return true; }
    QString OtvoriFajl(QWidget*, const QString&, const QString&) override { return {}; }
    QString SnimiFajl(QWidget*, const QString&, const QString&) override { return {}; }
    bool Stampanje(QWidget*, QPrinter&) override { return false; }
};

struct TOkruzenje : TKontekstAnalize {
    TModel model;
    TStanjeAnalize stanje;
    TPodesavanja podesavanja;
    TTiho dijalozi;
    std::unique_ptr<QWidget> prozor = std::make_unique<QWidget>();
    TStranicaRezultata* rezultati = nullptr;

    TModel& Model() override { return model; }
    TStanjeAnalize& Stanje() override { return stanje; }
    TPodesavanja& Podesavanja() override { return podesavanja; }
    TDijalozi& Dijalozi() override { return dijalozi; }
    QWidget* ProzorZaPoruke() override { return prozor.get(); }
    void CrtajGrafik() override {}
    void PrikaziGlavnuStranu(int) override {}
};

// One analysed frame for all benchmarks of a size.
TOkruzenje& Okruzenje(int cvorova) {
    static std::map<int, std::unique_ptr<TOkruzenje>> okruzenja;
    auto& o = okruzenja[cvorova];
    if (!o) {
        o = std::make_unique<TOkruzenje>();
        o->model = GenerisiRamSaCvorova(cvorova);
        o->rezultati = new TStranicaRezultata(*o, o->prozor.get());
        o->rezultati->OsveziListe();
        TPosmatracBezEkrana bez(o->model, o->stanje);
        o->stanje.radimProracun = true;
        IzvrsiProracun(o->model, o->stanje, bez);
        o->prozor->resize(1000, 800);
    }
    return *o;
}

void PrikaziRezultate(benchmark::State& st) {
    TOkruzenje& o = Okruzenje(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        o.rezultati->PrikaziRezultate();
        o.rezultati->PrikaziSileStapa();
    }
    st.counters["nepoznatih"] = o.stanje.nizKodnihBrojevaNepoznatihPomeranja->size();
}

void PodesiSirineKolona(benchmark::State& st) {
    TOkruzenje& o = Okruzenje(static_cast<int>(st.range(0)));
    o.rezultati->PrikaziRezultate();
    for (auto _ : st) o.rezultati->PodesiSirineKolona();
}

// What the pipeline's last steps add after the solution: the grids, the end forces, the widths.
void OdResenjaDoPopunjeneStrane(benchmark::State& st) {
    TOkruzenje& o = Okruzenje(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        o.rezultati->ObrisiRezultate();
        o.rezultati->PrikaziRezultate();
        o.rezultati->PrikaziSileStapa();
        o.rezultati->PodesiSirineKolona();
    }
}

// One repaint of a 800 x 600 view of a big grid after a scroll step. At 10,000 nodes the matrices
// are sparse and the inverse of Kss is solved column by column as the view reaches it.
void SkrolovanjeGrida(benchmark::State& st, const char* ime, int cvorova) {
    TOkruzenje& o = Okruzenje(cvorova);
    o.rezultati->PrikaziRezultate();
    o.rezultati->PodesiSirineKolona();
    TStringGrid* g = o.rezultati->Grid(QString::fromLatin1(ime));
    g->setParent(nullptr);
    g->resize(800, 600);
    g->show();
    QImage slika(800, 600, QImage::Format_RGB32);
    int korak = 0;
    for (auto _ : st) {
        korak = (korak + 37) % std::max(1, g->Tabela().BrojKolona() - 100);
        g->verticalScrollBar()->setValue(korak);
        g->horizontalScrollBar()->setValue(korak);
        QPainter p(&slika);
        g->render(&p);
    }
    st.counters["kolona"] = g->Tabela().BrojKolona();
}

}  // namespace

BENCHMARK(PrikaziRezultate)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PodesiSirineKolona)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(OdResenjaDoPopunjeneStrane)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SkrolovanjeGrida, K, "StringGridK", 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SkrolovanjeGrida, Kss, "StringGridKss", 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SkrolovanjeGrida, InvKss, "StringGridInvKss", 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SkrolovanjeGrida, K_10000, "StringGridK", 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SkrolovanjeGrida, InvKss_10000, "StringGridInvKss", 10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
