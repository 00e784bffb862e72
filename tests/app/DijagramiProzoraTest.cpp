// The "Dijagrami" group of the "Grafik" page, the "Dijagrami" tab of "Ulaz/Izlaz", the settings in
// the model file and the print source.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>

#include "../analysis/IstiDijagrami.h"
#include "CekanjeAnalize.h"
#include "CrtanjeDijagrama.h"
#include "CrtanjeKonstrukcije.h"
#include "GrupaDijagrama.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "SacuvaniDijagrami.h"
#include "StranicaAnalize.h"
#include "StranicaAnalizePomocTest.h"
#include "TabDijagrami.h"
#include "TabelaMatrice.h"
#include "UnitGlavniProzor.h"
#include "UnitGrafik.h"

namespace {

struct TProzorSaDijagramima {
    TLazniDijalozi* d;
    std::unique_ptr<TFormGlavniProzor> w;
    explicit TProzorSaDijagramima(const QString& model) {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(QStringList{model}, std::move(dijalozi));
    }
    void Meni(const char* ime) {
        QAction* a = w->findChild<QAction*>(QString::fromLatin1(ime));
        ASSERT_NE(a, nullptr) << ime;
        a->trigger();
    }
    template <class T>
    T* K(const char* ime) {
        T* k = w->findChild<T*>(QString::fromLatin1(ime));
        EXPECT_NE(k, nullptr) << ime;
        return k;
    }
    size_t StavkiUBoji(TColor boja) const {
        size_t n = 0;
        for (const auto& s : w->PlotChartGrafik->Stavke()) n += s.Color == boja;
        return n;
    }
};

const QString greda = QStringLiteral(VELT_EXAMPLES_DIR "/prosta-greda.velt");

TEST(DijagramiProzora, ChoiceDrawsTheDiagramOnceThereAreResults) {
    TProzorSaDijagramima p(greda);
    auto* izbor = p.K<QComboBox>("ComboBoxDijagrami");
    ASSERT_NE(izbor, nullptr);
    EXPECT_EQ(izbor->count(), 4);
    EXPECT_EQ(izbor->itemText(0), "bez");
    izbor->setCurrentIndex(TPrikaz::M);
    EXPECT_EQ(p.w->Podesavanja().prikaz.dijagram, TPrikaz::M);
    EXPECT_EQ(p.StavkiUBoji(BojaDijagramaM), 0u);  // no results yet
    p.Meni("Pokrenianalizu1");
    SacekajAnalizu(*p.w);
    EXPECT_GT(p.StavkiUBoji(BojaDijagramaM), 0u);
    izbor->setCurrentIndex(TPrikaz::T);
    EXPECT_EQ(p.StavkiUBoji(BojaDijagramaM), 0u);
    EXPECT_GT(p.StavkiUBoji(BojaDijagramaT), 0u);

    // The deflected line in place of the two chords.
    p.K<QCheckBox>("CheckBoxDeformacijaNosaca")->click();
    const size_t tetive = p.StavkiUBoji(BojaDeformacije);
    p.K<QCheckBox>("CheckBoxLinijaDeformacije")->click();
    EXPECT_TRUE(p.w->Podesavanja().prikaz.linijaDeformacije);
    EXPECT_GT(p.StavkiUBoji(BojaDeformacije), tetive + 20);

    // A multiplier that is no number is put back to 1 by the drawing.
    auto* mnozilac = p.K<QLineEdit>("EditMnozilacDijagrama");
    mnozilac->setText("x");
    Q_EMIT mnozilac->textEdited("x");
    Q_EMIT mnozilac->returnPressed();
    EXPECT_EQ(mnozilac->text(), "1");

    // Printing draws from the same results.
    const TFormGrafikStampa::TIzvor i = p.w->FormGrafikStampa->izvor();
    EXPECT_EQ(i.stanje, &p.w->Stanje());
    EXPECT_EQ(i.podesavanja.prikaz.dijagram, TPrikaz::T);
}

// The bundled beam: span 6 on a pin and a roller, 20 down at mid-span, as two members of 3.
TEST(DijagramiProzora, TabShowsStationsAndExtremesOfTheSelectedMember) {
    TProzorSaDijagramima p(greda);
    auto* tab = p.K<TTabDijagrami>("TabSheetDijagrami");
    ASSERT_NE(tab, nullptr);
    auto* stap = p.K<QComboBox>("ComboBoxRezultatStap");
    tab->Osvezi();
    EXPECT_EQ(tab->StringGridDijagrami->Celija(0, 1), "");  // no results
    p.Meni("Pokrenianalizu1");
    SacekajAnalizu(*p.w);
    tab->SpinEditBrojTacakaDijagrama->setValue(4);
    stap->setCurrentIndex(0);
    tab->Osvezi();
    const TStringGrid& g = *tab->StringGridDijagrami;
    EXPECT_EQ(g.Tabela().BrojRedova(), 6);
    EXPECT_EQ(g.Celija(0, 0), "x");
    EXPECT_EQ(g.Celija(3, 0), "M");
    EXPECT_EQ(g.Celija(0, 3), "1.5");
    EXPECT_EQ(g.Celija(3, 3), "15");  // M = 20 * 1.5 / 2
    EXPECT_EQ(g.Celija(2, 3), "10");
    EXPECT_EQ(g.Celija(3, 5), "30");  // PL/4 under the load
    EXPECT_TRUE(tab->MemoEkstremiDijagrama->toPlainText().contains("M: max 30 (x = 3), min 0 (x = 0)"))
        << tab->MemoEkstremiDijagrama->toPlainText().toStdString();

    stap->setCurrentIndex(1);
    tab->Osvezi();
    EXPECT_EQ(g.Celija(3, 1), "30");
    EXPECT_EQ(g.Celija(2, 1), "-10");
}

TEST(DijagramiProzora, SettingsTravelWithTheModel) {
    QTemporaryDir folder;
    const QString put = folder.filePath("m.velt");
    {
        TProzorSaDijagramima p(greda);
        p.K<QComboBox>("ComboBoxDijagrami")->setCurrentIndex(TPrikaz::N);
        p.K<QCheckBox>("CheckBoxLinijaDeformacije")->click();
        auto* mnozilac = p.K<QLineEdit>("EditMnozilacDijagrama");
        mnozilac->setText("2.5");
        Q_EMIT mnozilac->textEdited("2.5");
        p.d->imenaFajlova.push_back(put);
        p.Meni("Snimikao1");
    }
    QFile f(put);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray sadrzaj = f.readAll();
    EXPECT_TRUE(sadrzaj.contains("\r\nPRIKAZ\r\ndijagram=N\r\nlinijaDeformacije=TRUE\r\nmnozilacDijagrama=2.5\r\n"))
        << sadrzaj.toStdString();

    TProzorSaDijagramima q(put);
    EXPECT_EQ(q.K<QComboBox>("ComboBoxDijagrami")->currentText(), "N");
    EXPECT_TRUE(q.K<QCheckBox>("CheckBoxLinijaDeformacije")->isChecked());
    EXPECT_EQ(q.K<QLineEdit>("EditMnozilacDijagrama")->text(), "2.5");
}

// The bundled beam on a pin and a roller, 20 down at x = 3: M = P a b / L under the load.
TEST(DijagramiProzora, KeptDiagramsFollowEditsRunsAndClears) {
    TProzorSaDijagramima p(greda);
    const TSacuvaniDijagrami& sacuvani = p.w->SacuvaniDijagrami();
    p.K<QComboBox>("ComboBoxDijagrami")->setCurrentIndex(TPrikaz::M);
    p.Meni("Pokrenianalizu1");
    SacekajAnalizu(*p.w);
    ASSERT_NE(sacuvani.Sacuvani(), nullptr);
    EXPECT_TRUE(IstiDijagrami(*sacuvani.Sacuvani(), DijagramiSvihStapova(p.w->Model(), p.w->Stanje())));
    EXPECT_NEAR(double(sacuvani.Sacuvani()->at(0).Vrednosti(3).M), 30, 1e-9);

    // Redrawing for the symbols, another kind or the view's scale reuses what is kept.
    const auto kept = sacuvani.Sacuvani();
    p.K<QCheckBox>("CheckBoxSimboli")->click();
    p.K<QComboBox>("ComboBoxDijagrami")->setCurrentIndex(TPrikaz::T);
    p.w->PlotChartGrafik->TockicMisa(p.w->PlotChartGrafik->width() / 2, p.w->PlotChartGrafik->height() / 2, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(sacuvani.Sacuvani(), kept);
    EXPECT_GT(p.StavkiUBoji(BojaDijagramaT), 0u);

    // An edit: the results and what was made from them go; the next run's are kept instead.
    ASSERT_TRUE(p.w->IzvrsiIzmenu("Izmeni cvor", [](TModel& m) {
        m.nizCvorova[2]->SetX(8);
        return true;
    }));
    EXPECT_EQ(sacuvani.Sacuvani(), nullptr);
    p.Meni("Pokrenianalizu1");
    SacekajAnalizu(*p.w);
    ASSERT_NE(sacuvani.Sacuvani(), nullptr);
    EXPECT_TRUE(IstiDijagrami(*sacuvani.Sacuvani(), DijagramiSvihStapova(p.w->Model(), p.w->Stanje())));
    EXPECT_NEAR(double(sacuvani.Sacuvani()->at(0).Vrednosti(3).M), 20.0 * 3 * 5 / 8, 1e-9);

    p.w->ObrisiRezultate();
    EXPECT_EQ(sacuvani.Sacuvani(), nullptr);
    EXPECT_EQ(p.StavkiUBoji(BojaDijagramaT), 0u);
}

// The run makes the diagrams of its results, so showing one afterwards makes nothing; results
// that do not describe the model (edited during the run) bring none in.
TEST(DijagramiProzora, RunBringsTheDiagramsOfItsResults) {
    TProzorSaDijagramima p(greda);
    const TSacuvaniDijagrami& sacuvani = p.w->SacuvaniDijagrami();
    p.Meni("Pokrenianalizu1");
    SacekajAnalizu(*p.w);
    const auto doneseni = sacuvani.Sacuvani();
    ASSERT_NE(doneseni, nullptr);
    EXPECT_TRUE(IstiDijagrami(*doneseni, DijagramiSvihStapova(p.w->Model(), p.w->Stanje())));
    p.K<QComboBox>("ComboBoxDijagrami")->setCurrentIndex(TPrikaz::M);
    QCoreApplication::processEvents();
    EXPECT_EQ(sacuvani.Sacuvani(), doneseni);
    EXPECT_GT(p.StavkiUBoji(BojaDijagramaM), 0u);

    auto* analiza = p.w->findChild<TStranicaAnalize*>();
    ASSERT_NE(analiza, nullptr);
    PokreniIZadrzi(*analiza, "Resavanje", [&] {
        ASSERT_TRUE(p.w->IzvrsiIzmenu("Izmeni cvor", [](TModel& m) {
            m.nizCvorova[2]->SetX(8);
            return true;
        }));
    });
    EXPECT_EQ(sacuvani.Sacuvani(), nullptr);
    EXPECT_EQ(p.StavkiUBoji(BojaDijagramaM), 0u);
    // Nor later: the undo brings back the model that run took, but not its results.
    p.Meni("Ponisti1");
    EXPECT_EQ(sacuvani.Sacuvani(), nullptr);
    EXPECT_EQ(p.StavkiUBoji(BojaDijagramaM), 0u);
}

}  // namespace
