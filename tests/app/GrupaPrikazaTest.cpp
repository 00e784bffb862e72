#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <memory>

#include "GrupaPrikaza.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"

namespace {

const QString primer = QStringLiteral(VELT_EXAMPLES_DIR "/portalni-ram.velt");

struct TProzor {
    TLazniDijalozi* d;
    std::unique_ptr<TFormGlavniProzor> w;
    explicit TProzor(const QStringList& argumenti = {}) {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(argumenti, std::move(dijalozi));
        // The window is never shown, so its layout never sizes the plot: give the surface a size.
        w->PlotChartGrafik->PostaviVelicinu(700, 500);
        w->CrtajGrafikGlavni();
    }
    void Meni(const char* ime) {
        QAction* a = w->findChild<QAction*>(QString::fromLatin1(ime));
        ASSERT_NE(a, nullptr) << ime;
        a->trigger();
    }
    QCheckBox* Kutija(const char* ime) { return w->findChild<QCheckBox*>(QString::fromLatin1(ime)); }
    int Oblika() const {
        int n = 0;
        for (const TChartItem& s : w->PlotChartGrafik->Stavke()) n += s.ItemKind == tkOblik;
        return n;
    }
};

}  // namespace

TEST(GrupaPrikaza, BoxesSetTheOptionsRedrawAndTravelWithTheModel) {
    QTemporaryDir dir;
    TProzor p({primer});
    auto* grupa = p.w->findChild<QGroupBox*>(QStringLiteral("GroupBoxPrikaz"));
    ASSERT_NE(grupa, nullptr);
    EXPECT_EQ(grupa->title(), QStringLiteral("Prikaz"));
    QCheckBox* razmera = p.Kutija("CheckBoxJednakaRazmera");
    QCheckBox* simboli = p.Kutija("CheckBoxSimboli");
    ASSERT_TRUE(razmera && simboli);
    EXPECT_EQ(razmera->text(), QStringLiteral("jednaka razmera"));
    EXPECT_EQ(simboli->text(), QStringLiteral("simboli"));
    EXPECT_FALSE(razmera->isChecked());
    EXPECT_FALSE(simboli->isChecked());
    EXPECT_EQ(p.Oblika(), 0);

    simboli->click();
    EXPECT_TRUE(p.w->Podesavanja().prikaz.simboli);
    EXPECT_GT(p.Oblika(), 5);
    razmera->click();
    EXPECT_TRUE(p.w->PlotChartGrafik->JednakaRazmera());
    const TPlotChart& g = *p.w->PlotChartGrafik;
    EXPECT_NEAR(1 / (g.PikselUX(1) - g.PikselUX(0)), -1 / (g.PikselUY(1) - g.PikselUY(0)), 1e-9);

    // Saved, started anew and read back: the boxes come back checked.
    const QString put = dir.filePath(QStringLiteral("ram.velt"));
    p.d->imenaFajlova = {put};
    p.Meni("Snimikao1");
    QFile f(put);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("PRIKAZ\r\n"));
    TProzor q({put});
    EXPECT_TRUE(q.Kutija("CheckBoxJednakaRazmera")->isChecked());
    EXPECT_TRUE(q.Kutija("CheckBoxSimboli")->isChecked());
    EXPECT_GT(q.Oblika(), 5);
}

TEST(GrupaPrikaza, SaveDrawingWritesTheChosenFormatOrSaysWhyNot) {
    QTemporaryDir dir;
    TProzor p({primer});
    for (const char* ime : {"grafik.svg", "grafik.pdf", "grafik"}) {
        p.d->imenaFajlova = {dir.filePath(QString::fromLatin1(ime))};
        p.Meni("Sacuvajgrafik1");
        EXPECT_EQ(p.d->zapisi.back().vrsta, QStringLiteral("snimi"));
    }
    auto pocetak = [&](const char* ime) {
        QFile f(dir.filePath(QString::fromLatin1(ime)));
        return f.open(QIODevice::ReadOnly) ? f.read(5) : QByteArray();
    };
    EXPECT_EQ(pocetak("grafik.svg"), QByteArray("<?xml"));
    EXPECT_EQ(pocetak("grafik.pdf"), QByteArray("%PDF-"));
    EXPECT_EQ(pocetak("grafik.png"), QByteArray("\x89PNG\r"));  // no extension: PNG

    const auto zapisa = p.d->zapisi.size();
    p.d->imenaFajlova = {QString()};  // cancelled
    p.Meni("Sacuvajgrafik1");
    EXPECT_EQ(p.d->zapisi.size(), zapisa + 1);

    const QString los = dir.filePath(QStringLiteral("nema/takvog/foldera.png"));
    p.d->imenaFajlova = {los};
    p.Meni("Sacuvajgrafik1");
    EXPECT_EQ(p.d->Vrste().last(), QStringLiteral("greska"));
    EXPECT_EQ(p.d->PoslednjiTekst(), QStringLiteral("Grafik nije sacuvan u ") + los + QStringLiteral("!!!"));
}

TEST(GrupaPrikaza, WheelOnThePlotZoomsAboutThePointer) {
    TProzor p({primer});
    TPlotChart& g = *p.w->PlotChartGrafik;
    const QPointF mis(200, 150);
    const double x = g.PikselUX(mis.x()), y = g.PikselUY(mis.y());
    const double sirina = g.Scale1X.RangeHigh() - g.Scale1X.RangeLow();
    QWheelEvent e(mis, g.mapToGlobal(mis), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                  false);
    QCoreApplication::sendEvent(&g, &e);
    EXPECT_NEAR(g.Scale1X.RangeHigh() - g.Scale1X.RangeLow(), sirina * 0.8, 1e-9 * sirina);
    EXPECT_NEAR(g.PikselUX(mis.x()), x, 1e-9 * sirina);
    EXPECT_NEAR(g.PikselUY(mis.y()), y, 1e-9 * sirina);
}
