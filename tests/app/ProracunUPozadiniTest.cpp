// The run as a job on a copy: the window stays live while it goes, edits never reach the worker,
// and closing or deleting the window under a run is safe. Run under ThreadSanitizer as well.
#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>

#include "CekanjeAnalize.h"
#include "GeneratorModela.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "StranicaAnalizePomocTest.h"

namespace {

// A window over a generated frame, solved on the exact dense path: the run takes a while and
// answers Stop inside the inversion.
struct TProzorSaRamom {
    QTemporaryDir folder;
    TLazniDijalozi* d = nullptr;
    std::unique_ptr<TFormGlavniProzor> w;
    TStranicaAnalize* analiza = nullptr;

    explicit TProzorSaRamom(int cvorova) {
        OsigurajAplikaciju();
        TModel m = GenerisiRamSaCvorova(cvorova);
        TPodesavanja p;
        const QString put = folder.filePath(QStringLiteral("ram.velt"));
        SnimiModel(put.toStdString(), m, p);
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(QStringList{put}, std::move(dijalozi));
        w->pokreniNovuInstancu = [] { return false; };
        w->Stanje().zahtevanaPutanja = TPutanjaResavanja::Gusta;
        analiza = w->findChild<TStranicaAnalize*>();
    }
    TModel& Model() { return w->Model(); }
    bool Pomeri(long double dx) {
        return w->Dokument().Izvrsi("pomeri", [dx](TModel& m) {
            m.nizCvorova[1]->SetX(m.nizCvorova[1]->X() + dx);
            return true;
        });
    }
    QString Log() const { return analiza->MemoPorukaTrenutnogStanjaAnalize->toPlainText(); }
    // Handles the window's events until the log shows a line that begins with `tekst`.
    bool CekajRed(const QString& tekst, int sekundi = 120) {
        QElapsedTimer t;
        t.start();
        while (!Log().contains(QLatin1Char('\n') + tekst) && w->Zauzet() && t.elapsed() < sekundi * 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return Log().contains(QLatin1Char('\n') + tekst);
    }
};

}  // namespace

TEST(ProracunUPozadini, BusyStateDisablesEditingUntilTheOutcomeIsShown) {
    TProzorSaRamom t(40);
    ASSERT_TRUE(t.Pomeri(0.5L));
    t.w->PostaviAkcijuMisa(3);
    ASSERT_NE(t.w->PlotChartGrafik->Alat(), nullptr);
    int rezultata = 0;
    QObject::connect(&t.w->Dokument(), &TDokumentModela::izmenjen,
                     [&](const TIzmena& v) { rezultata += v.vrsta == TVrstaIzmene::Rezultati; });
    const size_t koraka = t.w->Dokument().Jezgro().BrojKoraka();

    struct {
        bool zauzet, ponisti, cvorovi, opterecenja, alat, stop;
    } tokom{};
    PokreniIZadrzi(*t.analiza, "Formiranje K u GKS - ", [&] {
        tokom = {t.w->Zauzet(),
                 t.w->Ponisti1->isEnabled(),
                 t.w->TabSheetCvor->isEnabled(),
                 t.w->TabSheetOpterecenje->isEnabled(),
                 t.w->PlotChartGrafik->Alat() != nullptr,
                 t.analiza->ButtonPrekiniAnalizu->isEnabled()};
        // A disabled action ignores even an explicit trigger.
        t.w->Ponisti1->trigger();
        EXPECT_EQ(rezultata, 0);
    });
    EXPECT_TRUE(tokom.zauzet);
    EXPECT_FALSE(tokom.ponisti);
    EXPECT_FALSE(tokom.cvorovi);
    EXPECT_FALSE(tokom.opterecenja);
    EXPECT_FALSE(tokom.alat);
    EXPECT_TRUE(tokom.stop);
    EXPECT_EQ(t.w->Dokument().Jezgro().BrojKoraka(), koraka);
    EXPECT_TRUE(t.w->Dokument().Jezgro().MozePonisti());

    // The outcome shown: everything is back, and the results came in one announced step.
    EXPECT_EQ(t.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Uspeh);
    EXPECT_EQ(rezultata, 1);
    EXPECT_FALSE(t.w->Zauzet());
    EXPECT_TRUE(t.w->Ponisti1->isEnabled());
    EXPECT_TRUE(t.w->TabSheetCvor->isEnabled());
    EXPECT_NE(t.w->PlotChartGrafik->Alat(), nullptr);
    ASSERT_TRUE(t.w->Stanje().vektor_qsGKS);
    EXPECT_GT(t.w->Stanje().vektor_qsGKS->NrOfRows(), 1);
}

// An edit under a run changes the model the window shows, never the worker's copy; the run's
// results then describe another model and are dropped. Undoing the edit before the run ends
// gives the copied model back, and the results are installed as if nothing had happened.
TEST(ProracunUPozadini, EditUnderARunNeverReachesItsCopy) {
    TProzorSaRamom bez(40);
    bez.analiza->ButtonPokreniAnalizu->click();
    SacekajAnalizu(*bez.w);
    ASSERT_EQ(bez.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Uspeh);

    struct Slucaj {
        const char* opis;
        bool ponisti;
        TIshodProracuna ishod;
    };
    for (const Slucaj s : {Slucaj{"izmena", false, TIshodProracuna::Prekinut},
                           Slucaj{"izmena pa ponistavanje", true, TIshodProracuna::Uspeh}}) {
        SCOPED_TRACE(s.opis);
        TProzorSaRamom t(40);
        PokreniIZadrzi(*t.analiza, "Formiranje Kss - ", [&] {
            ASSERT_TRUE(t.Pomeri(1));
            if (s.ponisti) {
                ASSERT_TRUE(t.w->Dokument().Ponisti());
            }
        });
        EXPECT_EQ(t.analiza->PoslednjiRezultat().ishod, s.ishod);
        EXPECT_FALSE(t.w->Zauzet());
        for (size_t i = 0; i < t.Model().nizCvorova.size(); ++i) {
            const TCvor& c = *t.Model().nizCvorova[i];
            const TCvor& b = *bez.Model().nizCvorova[i];
            EXPECT_EQ(c.Ux(), s.ponisti ? b.Ux() : 0) << i;
            EXPECT_EQ(c.Rz(), s.ponisti ? b.Rz() : 0) << i;
        }
        EXPECT_EQ(static_cast<bool>(t.w->Stanje().vektor_qsGKS), s.ponisti);
    }
}

// A run long enough to be caught in the middle: the window keeps handling its events, edits and
// undoes, refuses to close, and Stop ends the run with nothing of it left (the model it copied
// was edited meanwhile).
TEST(ProracunUPozadini, WindowStaysLiveUnderALargeRunAndStopLeavesNothing) {
    TProzorSaRamom t(700);
    int otkucaja = 0;
    QTimer sat;
    QObject::connect(&sat, &QTimer::timeout, [&] { ++otkucaja; });
    sat.start(5);
    t.analiza->ButtonPokreniAnalizu->click();
    EXPECT_TRUE(t.w->Zauzet());
    ASSERT_TRUE(t.CekajRed(QStringLiteral("Formiranje K u GKS - ")));

    ASSERT_TRUE(t.Pomeri(1));
    EXPECT_TRUE(t.w->Dokument().Ponisti());
    EXPECT_TRUE(t.Pomeri(2));
    t.d->zapisi.clear();
    EXPECT_FALSE(t.w->close());
    EXPECT_TRUE(t.d->zapisi.empty());
    t.w->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaCvor);
    EXPECT_EQ(t.w->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaAnaliza);
    const int pre = otkucaja;
    QElapsedTimer cekanje;
    cekanje.start();
    while (otkucaja == pre && cekanje.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_GT(otkucaja, pre);

    t.w->Stop1Click();
    SacekajAnalizu(*t.w);
    EXPECT_EQ(t.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Prekinut);
    EXPECT_FALSE(t.w->Stanje().matricaKGKS);
    EXPECT_FALSE(t.w->Stanje().vektor_qsGKS);
    EXPECT_EQ(t.Model().nizCvorova[0]->Rx(), 0);
    EXPECT_TRUE(t.d->zapisi.empty());
    EXPECT_EQ(t.analiza->ProgressBarAnalize->text(), QString());
}

// Deleting the window while its run goes stops the run and waits for the worker, whatever step
// it is in; nothing the worker posted reaches the deleted pages.
TEST(ProracunUPozadini, DeletingTheWindowUnderARunIsSafe) {
    for (const char* korak : {"Priprema za proracun - ", "Formiranje K u GKS - ", "Resavanje sistema - "}) {
        SCOPED_TRACE(korak);
        TProzorSaRamom t(500);
        t.analiza->ButtonPokreniAnalizu->click();
        ASSERT_TRUE(t.CekajRed(QString::fromLatin1(korak)));
        EXPECT_TRUE(t.w->Zauzet());
        t.w.reset();
        QCoreApplication::processEvents();
    }
}
