#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <memory>

#include "CekanjeAnalize.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"

namespace {

// The example beam with its second member made rigid at both ends: its end at node 2, which is
// only on rollers, then needs a clamp.
QByteArray OdbijenaGreda() {
    QFile f(QStringLiteral(VELT_EXAMPLES_DIR "/prosta-greda.velt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray s = f.readAll();
    const QByteArray stap = "-\r\n1\r\n0\r\n0\r\n1\r\n2\r\n";
    const qsizetype i = s.indexOf(stap + "1\r\n");
    EXPECT_GE(i, 0);
    s.replace(i, stap.size() + 3, stap + "0\r\n");
    return s;
}

}  // namespace

// The message box stays exactly as it is; beside it the node that breaks the check is ringed on
// the plot, chosen on the "Oslonac" page and named in the status bar, until the model changes.
TEST(OdbijenModel, MarksAndNamesTheNodeThatBreaksTheCheck) {
    OsigurajAplikaciju();
    QTemporaryDir dir;
    const QString put = dir.filePath("greda.velt");
    {
        QFile f(put);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(OdbijenaGreda());
    }
    auto d = std::make_unique<TLazniDijalozi>();
    TLazniDijalozi* dijalozi = d.get();
    TFormGlavniProzor w({put}, std::move(d));
    auto* pokreni = w.findChild<QPushButton*>("ButtonPokreniAnalizu");
    auto* cvorOslonca = w.findChild<QComboBox*>("ComboBoxSpisakCvorovaZaOslonce");
    ASSERT_TRUE(pokreni && cvorOslonca);
    EXPECT_FALSE(w.PlotChartGrafik->ImaIsticanje());

    pokreni->click();

    SacekajAnalizu(w);
    ASSERT_EQ(dijalozi->Vrste(), QStringList({"greska"}));
    EXPECT_EQ(dijalozi->PoslednjiTekst(), "Oslonci nisu korektno zadati!!!\r\nNije dopusteno!!!");
    EXPECT_TRUE(w.PlotChartGrafik->ImaIsticanje());
    EXPECT_EQ(cvorOslonca->currentIndex(), 2);
    auto* statusnaLinija = w.statusBar()->findChild<QLabel*>("LabelUzrokOdbijanja");
    ASSERT_NE(statusnaLinija, nullptr);
    const QString linija = statusnaLinija->text();
    EXPECT_TRUE(linija.startsWith("Cvor 2: kraj stapa 1 je tu krut")) << linija.toStdString();
    EXPECT_TRUE(linija.contains("ukljesten (Ofiy)")) << linija.toStdString();
    EXPECT_TRUE(linija.contains("tip \"ig\"")) << linija.toStdString();

    // The ring is on the node's pixel in the window's own picture.
    w.PlotChartGrafik->resize(500, 400);
    const QImage slika = w.PlotChartGrafik->grab().toImage();
    const int x = w.PlotChartGrafik->XUPiksel(6), y = w.PlotChartGrafik->YUPiksel(0);
    EXPECT_GT(slika.pixelColor(x + TPlotPovrsina::PoluprecnikIsticanja, y).red(), 200);
    EXPECT_LT(slika.pixelColor(x + TPlotPovrsina::PoluprecnikIsticanja, y).green(), 100);

    // Clamping node 2 is a change: the marks go, and the model is then accepted.
    w.findChild<QCheckBox*>("CheckBoxUkljestenje")->setChecked(true);
    w.findChild<QPushButton*>("ButtonPromeniOslonac")->click();
    EXPECT_FALSE(w.PlotChartGrafik->ImaIsticanje());
    EXPECT_TRUE(statusnaLinija->text().isEmpty());
    pokreni->click();
    SacekajAnalizu(w);
    EXPECT_EQ(dijalozi->Vrste(), QStringList({"greska"}));
    EXPECT_FALSE(w.PlotChartGrafik->ImaIsticanje());
}

// A run that goes on with a warning keeps it on the status line, and the analysis log has it.
TEST(OdbijenModel, ARunsWarningStaysOnTheStatusLine) {
    OsigurajAplikaciju();
    QFile izvor(QStringLiteral(VELT_EXAMPLES_DIR "/resetka.velt"));
    ASSERT_TRUE(izvor.open(QIODevice::ReadOnly));
    QByteArray s = izvor.readAll();
    // The first node's MkoncY line, the twelfth of its record.
    qsizetype red = s.indexOf("CVOR\r\n-\r\n") + 9;
    const QByteArray id = s.mid(red, s.indexOf("\r\n", red) - red);
    for (int i = 0; i < 11; ++i) red = s.indexOf("\r\n", red) + 2;
    s.replace(red, s.indexOf("\r\n", red) - red, " 5.00000000000000E+0000");
    QTemporaryDir dir;
    const QString put = dir.filePath("resetka.velt");
    {
        QFile f(put);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(s);
    }
    auto d = std::make_unique<TLazniDijalozi>();
    TLazniDijalozi* dijalozi = d.get();
    TFormGlavniProzor w({put}, std::move(d));
    w.findChild<QPushButton*>("ButtonPokreniAnalizu")->click();
    SacekajAnalizu(w);
    EXPECT_TRUE(dijalozi->Vrste().isEmpty());
    const QString upozorenje = QStringLiteral("Upozorenje: moment u cvoru ") + QString::fromLatin1(id) +
                               QStringLiteral(" se ne prenosi (u cvoru se sustizu samo zglobni krajevi)");
    auto* linija = w.statusBar()->findChild<QLabel*>("LabelUzrokOdbijanja");
    ASSERT_NE(linija, nullptr);
    EXPECT_EQ(linija->text(), upozorenje);
}
