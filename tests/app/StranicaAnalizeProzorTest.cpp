#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "InspekcijaKlika.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "CekanjeAnalize.h"
#include "StranicaAnalizePomocTest.h"
#include "UnitGlavniProzor.h"

namespace {

struct TProzorZaTest {
    QStringList dogadjaji;
    std::unique_ptr<TFormGlavniProzor> prozor;
    TStranicaAnalize* analiza = nullptr;
    TStranicaRezultata* rezultati = nullptr;

    explicit TProzorZaTest(const QString& model = QString::fromLatin1(VELT_EXAMPLES_DIR "/portalni-ram.velt")) {
        AplikacijaZaTestove();
        prozor =
            std::make_unique<TFormGlavniProzor>(QStringList{model}, std::make_unique<TZapisaniDijalozi>(dogadjaji));
        // Never a real second instance of the test program.
        prozor->pokreniNovuInstancu = [] { return false; };
        analiza = prozor->findChild<TStranicaAnalize*>();
        rezultati = prozor->findChild<TStranicaRezultata*>();
    }
    void Meni(const char* ime) { prozor->findChild<QAction*>(QString::fromLatin1(ime))->trigger(); }
};

}  // namespace

TEST(StranicaAnalizeProzor, PagesSitInTheirTabSheetsAndTheMenuDrivesThem) {
    TProzorZaTest t;
    ASSERT_TRUE(t.analiza);
    ASSERT_TRUE(t.rezultati);
    EXPECT_TRUE(t.prozor->TabSheetParametriAnalize->isAncestorOf(t.analiza));
    EXPECT_TRUE(t.prozor->TabSheetRezultat->isAncestorOf(t.rezultati));
    // The model read at start-up filled the selectors.
    EXPECT_EQ(t.rezultati->ComboBoxRezultatCvor->count(), static_cast<int>(t.prozor->Model().nizCvorova.size()));

    t.prozor->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaGrafik);
    t.Meni("Pokrenianalizu1");
    SacekajAnalizu(*t.prozor);
    EXPECT_EQ(t.prozor->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaAnaliza);
    EXPECT_TRUE(
        t.analiza->MemoPorukaTrenutnogStanjaAnalize->toPlainText().split('\n').back().startsWith("Kraj analize - "));
    EXPECT_NE(t.rezultati->Celija("StringGridK", 0, 0), QString());

    // A change of the model clears the global grids through the window.
    t.prozor->PosleIzmeneModela();
    EXPECT_EQ(t.rezultati->Celija("StringGridK", 0, 0), QString());
    EXPECT_FALSE(t.prozor->Stanje().matricaKGKS);

    // "Nov..." empties the log.
    t.Meni("Nov1");
    EXPECT_TRUE(t.analiza->MemoPorukaTrenutnogStanjaAnalize->toPlainText().isEmpty());
    EXPECT_EQ(t.rezultati->ComboBoxRezultatCvor->count(), 0);
}

TEST(StranicaAnalizeProzor, WhileBusyTheWindowRefusesAndKeepsTheAnalysisPage) {
    TProzorZaTest t;
    const QString busy = QStringLiteral("I:Proracun je u toku!!!\r\nNije dopustena akcija!!!");
    QStringList tokom;
    int cvorova = -1;
    bool proslo = false;
    PokreniIZadrzi(*t.analiza, "Formiranje Kss - ", [&] {
        t.prozor->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaCvor);
        tokom << QString::number(t.prozor->PageControlGlavniMeni->currentIndex());
        t.dogadjaji.clear();
        t.Meni("Nov1");
        t.Meni("Otvori1");
        t.Meni("Snimi1");
        t.Meni("Izlaz1");
        t.Meni("Pokrenianalizu1");
        tokom << t.dogadjaji;
        cvorova = static_cast<int>(t.prozor->Model().nizCvorova.size());
        // A plot click in the inspection mode does nothing while busy.
        t.prozor->PostaviAkcijuMisa(2);
        t.dogadjaji.clear();
        if (t.prozor->PlotChartGrafik->OnClick) t.prozor->PlotChartGrafik->OnClick();
        proslo = t.dogadjaji.isEmpty();
        t.Meni("Stop1");
    });
    EXPECT_EQ(tokom, QStringList({"6", busy, busy, busy, busy, "G:Proracun je vec pokrenut!!!"}));
    EXPECT_GT(cvorova, 0);
    EXPECT_EQ(static_cast<int>(t.prozor->Model().nizCvorova.size()), cvorova);
    EXPECT_TRUE(proslo);
    EXPECT_FALSE(t.prozor->Zauzet());
    // Stopped before the solution: no "Kraj analize - ".
    EXPECT_TRUE(t.analiza->MemoPorukaTrenutnogStanjaAnalize->toPlainText().split('\n').back().startsWith(
        "Resavanje sistema - "));
    t.prozor->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaGrafik);
    EXPECT_EQ(t.prozor->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaGrafik);
}

TEST(StranicaAnalizeProzor, PlotClickInInspectionModeShowsTheMemberOnTheResultPage) {
    TProzorZaTest t;
    TModel& m = t.prozor->Model();
    ASSERT_GE(m.nizStapova.size(), 1u);
    t.Meni("Pokrenianalizu1");
    SacekajAnalizu(*t.prozor);
    const TStap& s = *m.nizStapova.back();
    const double mx = static_cast<double>(s.PocetniCvor()->X() + (s.KrajnjiCvor()->X() - s.PocetniCvor()->X()) / 2);
    const double mz = static_cast<double>(s.PocetniCvor()->Z() + (s.KrajnjiCvor()->Z() - s.PocetniCvor()->Z()) / 2);
    t.prozor->showNormal();
    t.prozor->resize(1200, 800);
    QApplication::processEvents();
    // Put the mouse over the member's midpoint.
    TPlotChart* plot = t.prozor->PlotChartGrafik;
    ASSERT_TRUE(plot->UPovrsini(plot->XUPiksel(mx), plot->YUPiksel(mz)));
    plot->MisPomeren(plot->XUPiksel(mx), plot->YUPiksel(mz), false);
    t.dogadjaji.clear();

    t.prozor->PostaviAkcijuMisa(0);
    plot->OnClick();
    EXPECT_TRUE(t.dogadjaji.isEmpty());

    t.prozor->PostaviAkcijuMisa(2);
    plot->OnClick();
    ASSERT_FALSE(t.dogadjaji.isEmpty());

    EXPECT_TRUE(t.dogadjaji.back().startsWith("I:PODACI O SELEKTOVANOM STAPU:"));
    EXPECT_EQ(t.prozor->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaRezultat);
    EXPECT_EQ(t.rezultati->PageControlUlazIzlaz->currentIndex(), TStranicaRezultata::TabSileStapa);
    EXPECT_EQ(t.rezultati->ComboBoxRezultatStap->currentIndex(), static_cast<int>(m.nizStapova.size()) - 1);
    EXPECT_NE(t.rezultati->Celija("StringGridR", 2, 1), QString());

    // The page, grabbed for a look.
    t.rezultati->PageControlUlazIzlaz->setCurrentIndex(4);
    QApplication::processEvents();
    const QImage slika = t.prozor->grab().toImage();
    EXPECT_FALSE(slika.isNull());
    slika.save(QStringLiteral("/tmp/velt_stranica_rezultata.png"));
}
