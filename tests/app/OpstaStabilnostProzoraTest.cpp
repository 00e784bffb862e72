// The window's side of general stability, of a structure that moves and of the support kinds.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

#include "CekanjeAnalize.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"

namespace {

void Zameni(QByteArray& s, const QByteArray& sta, const QByteArray& cime) {
    const qsizetype i = s.indexOf(sta);
    ASSERT_GE(i, 0) << sta.toStdString();
    s.replace(i, sta.size(), cime);
}

// The example beam (span 6, P = -20 at x = 3, EI = 3e7 * 3.125e-3) as a cantilever clamped at
// node 0, or on two rollers.
QString Greda(QTemporaryDir& dir, bool konzola) {
    QFile f(QStringLiteral(VELT_EXAMPLES_DIR "/prosta-greda.velt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray s = f.readAll();
    if (konzola) {
        Zameni(s, "TRUE\r\nTRUE\r\nFALSE\r\n", "TRUE\r\nTRUE\r\nTRUE\r\n");
        Zameni(s, "FALSE\r\nTRUE\r\nFALSE\r\n", "FALSE\r\nFALSE\r\nFALSE\r\n");
        Zameni(s, "0\r\n0\r\n0\r\n0\r\n1\r\n2\r\n", "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n");
        Zameni(s, "1\r\n0\r\n0\r\n1\r\n2\r\n1\r\n", "1\r\n0\r\n0\r\n1\r\n2\r\n0\r\n");
    } else {
        Zameni(s, "TRUE\r\nTRUE\r\nFALSE\r\n", "FALSE\r\nTRUE\r\nFALSE\r\n");
    }
    const QString put = dir.filePath(konzola ? "konzola.velt" : "valjci.velt");
    QFile o(put);
    EXPECT_TRUE(o.open(QIODevice::WriteOnly));
    o.write(s);
    return put;
}

QString LinijaStatusa(TFormGlavniProzor& w) {
    auto* l = w.statusBar()->findChild<QLabel*>("LabelUzrokOdbijanja");
    return l ? l->text() : QString();
}

}  // namespace

TEST(OpstaStabilnostProzora, CheckBoxIsAnUndoableEditAndCarriesTheCantilever) {
    OsigurajAplikaciju();
    QTemporaryDir dir;
    auto d = std::make_unique<TLazniDijalozi>();
    TLazniDijalozi* dijalozi = d.get();
    TFormGlavniProzor w({Greda(dir, true)}, std::move(d));
    auto* pokreni = w.findChild<QPushButton*>("ButtonPokreniAnalizu");
    auto* opsta = w.findChild<QCheckBox*>("CheckBoxOpstaStabilnost");
    ASSERT_TRUE(pokreni && opsta);
    EXPECT_EQ(opsta->text(), "Opsta stabilnost");
    EXPECT_FALSE(opsta->isChecked());

    // Refused as specified; the hint says the option would carry it.
    pokreni->click();
    SacekajAnalizu(w);
    EXPECT_EQ(dijalozi->PoslednjiTekst(), "Oslonci nisu korektno zadati!!!\r\nNije dopusteno!!!");
    EXPECT_TRUE(LinijaStatusa(w).endsWith(
        " Sa opcijom \"Opsta stabilnost\" (strana \"Analiza\") ovaj sistem bi bio prihvacen."))
        << LinijaStatusa(w).toStdString();

    opsta->click();
    EXPECT_TRUE(w.Model().opcijeAnalize.opstaStabilnost);
    EXPECT_TRUE(w.Dokument().Izmenjen());
    EXPECT_TRUE(LinijaStatusa(w).isEmpty());
    pokreni->click();
    SacekajAnalizu(w);
    ASSERT_EQ(dijalozi->zapisi.size(), 1u);
    const long double EI = 3e7L * 3.125e-3L;
    // Under the load Pa^3/3EI, at the tip Pa^2(3L - a)/6EI.
    EXPECT_NEAR(double(w.Model().nizCvorova[1]->Uz()), double(-20 * 27 / (3 * EI)), 1e-12);
    EXPECT_NEAR(double(w.Model().nizCvorova[2]->Uz()), double(-20 * 9 * 15 / (6 * EI)), 1e-12);

    // Undo takes the option back, with the box, and the results with it.
    ASSERT_TRUE(w.Dokument().Ponisti());
    EXPECT_FALSE(w.Model().opcijeAnalize.opstaStabilnost);
    EXPECT_FALSE(opsta->isChecked());
    EXPECT_FALSE(w.Stanje().nizKodnihBrojeva);
    ASSERT_TRUE(w.Dokument().Ponovi());
    EXPECT_TRUE(opsta->isChecked());
}

TEST(OpstaStabilnostProzora, MechanismIsNamedAndSwingsUntilTheNextChange) {
    OsigurajAplikaciju();
    QTemporaryDir dir;
    auto d = std::make_unique<TLazniDijalozi>();
    TLazniDijalozi* dijalozi = d.get();
    TFormGlavniProzor w({Greda(dir, false)}, std::move(d));
    w.findChild<QPushButton*>("ButtonPokreniAnalizu")->click();
    SacekajAnalizu(w);
    EXPECT_EQ(dijalozi->PoslednjiTekst(), "Sistem je labilan - matrica Kss je singularna!!!");
    EXPECT_EQ(LinijaStatusa(w), "labilno: cvor 0 pomeranje X, cvor 1 pomeranje X, cvor 2 pomeranje X");

    // The beam slides along itself: both dashed members stay on the line z = 0, shifted alike.
    const auto prvi = w.PlotChartGrafik->Preklop();
    ASSERT_EQ(prvi.size(), 2u);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const auto drugi = w.PlotChartGrafik->Preklop();
    ASSERT_EQ(drugi.size(), 2u);
    EXPECT_NE(prvi[0].x1, drugi[0].x1);
    for (const auto& s : drugi) {
        EXPECT_EQ(s.y1, 0);
        EXPECT_EQ(s.y2, 0);
        EXPECT_NEAR(s.x2 - s.x1, 3, 1e-12);
    }
    // Any edit ends it.
    w.findChild<QCheckBox*>("CheckBoxOpstaStabilnost")->click();
    EXPECT_TRUE(w.PlotChartGrafik->Preklop().empty());
    EXPECT_TRUE(LinijaStatusa(w).isEmpty());
}

TEST(OpstaStabilnostProzora, SupportKindSetsTheThreeBoxesInOneStep) {
    OsigurajAplikaciju();
    QTemporaryDir dir;
    TFormGlavniProzor w({QStringLiteral(VELT_EXAMPLES_DIR "/prosta-greda.velt")}, std::make_unique<TLazniDijalozi>());
    auto* cvor = w.findChild<QComboBox*>("ComboBoxSpisakCvorovaZaOslonce");
    auto* vrsta = w.findChild<QComboBox*>("ComboBoxVrstaOslonca");
    auto* x = w.findChild<QCheckBox*>("CheckBoxOslonacX");
    auto* z = w.findChild<QCheckBox*>("CheckBoxOslonacZ");
    auto* y = w.findChild<QCheckBox*>("CheckBoxUkljestenje");
    ASSERT_TRUE(cvor && vrsta && x && z && y);
    ASSERT_EQ(vrsta->count(), 9);
    const QStringList imena = {"slobodan",    "nepokretni zglob",     "pokretni oslonac X",   "pokretni oslonac Z",
                               "ukljestenje", "klizno ukljestenje X", "klizno ukljestenje Z", "samo obrtanje",
                               "po izboru"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(vrsta->itemText(i), imena[i]);

    // Node 0 is a pin, node 2 a roller moving along X.
    cvor->setCurrentIndex(0);
    EXPECT_EQ(vrsta->currentText(), "nepokretni zglob");
    cvor->setCurrentIndex(2);
    EXPECT_EQ(vrsta->currentText(), "pokretni oslonac X");

    struct {
        int indeks;
        bool x, z, y;
    } slucajevi[] = {{4, true, true, true},   {5, false, true, true},  {6, true, false, true},
                     {7, false, false, true}, {3, true, false, false}, {0, false, false, false}};
    for (const auto& s : slucajevi) {
        Q_EMIT vrsta->activated(s.indeks);
        const TCvor& c = *w.Model().nizCvorova[2];
        EXPECT_EQ(c.OslX(), s.x) << s.indeks;
        EXPECT_EQ(c.OslZ(), s.z) << s.indeks;
        EXPECT_EQ(c.UkljY(), s.y) << s.indeks;
        EXPECT_EQ(x->isChecked(), s.x);
        EXPECT_EQ(z->isChecked(), s.z);
        EXPECT_EQ(y->isChecked(), s.y);
        EXPECT_EQ(vrsta->currentIndex(), s.indeks);
    }
    // Each choice was one step: six undos bring the roller back.
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(w.Dokument().Ponisti());
    EXPECT_FALSE(w.Model().nizCvorova[2]->OslX());
    EXPECT_TRUE(w.Model().nizCvorova[2]->OslZ());
    EXPECT_EQ(vrsta->currentText(), "pokretni oslonac X");

    // A box ticked by hand names its kind at once, without changing the model.
    y->setChecked(true);
    EXPECT_EQ(vrsta->currentText(), "klizno ukljestenje X");
    EXPECT_FALSE(w.Model().nizCvorova[2]->UkljY());
    // "po izboru" changes nothing.
    Q_EMIT vrsta->activated(8);
    EXPECT_FALSE(w.Model().nizCvorova[2]->UkljY());
    EXPECT_EQ(vrsta->currentText(), "klizno ukljestenje X");
}
