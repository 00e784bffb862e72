// "prilagodi razmeru prikazu" in the window: a zoom redraws the diagram for the view shown, a pan
// does not, the box keeps the view, "Zoom" brings back the whole structure's drawing, the file
// keeps the box.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cmath>

#include "CekanjeAnalize.h"
#include "CrtanjeDijagrama.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "PracenjeRazmere.h"
#include "UnitGlavniProzor.h"

namespace {

struct TProzor {
    TLazniDijalozi* d;
    std::unique_ptr<TFormGlavniProzor> w;
    explicit TProzor(const QString& model) {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(QStringList{model}, std::move(dijalozi));
        w->PlotChartGrafik->PostaviVelicinu(700, 500);
        w->CrtajGrafikGlavni();
    }
    void Meni(const char* ime) {
        QAction* a = w->findChild<QAction*>(QString::fromLatin1(ime));
        ASSERT_NE(a, nullptr) << ime;
        a->trigger();
    }
    QCheckBox* Kutija() { return w->findChild<QCheckBox*>(QStringLiteral("CheckBoxPrilagodiRazmeruPrikazu")); }
    TPlotChart& G() { return *w->PlotChartGrafik; }
    // The beam lies along Z = 0: its moment ordinates are the outline's distances from it.
    double NajvecaOrdinata() {
        double v = 0;
        for (const TChartItem& s : G().Stavke())
            if (s.Color == BojaDijagramaM && s.ItemKind == tkLineto) v = std::max(v, std::fabs(s.y));
        return v;
    }
    double SirinaX() { return G().Scale1X.RangeHigh() - G().Scale1X.RangeLow(); }
    // The moment diagram of the analysed beam, at the fitted view.
    void PrikaziM() {
        w->findChild<QComboBox*>(QStringLiteral("ComboBoxDijagrami"))->setCurrentIndex(TPrikaz::M);
        Meni("Pokrenianalizu1");
        SacekajAnalizu(*w);
        w->CrtajGrafikGlavni();
    }
};

const QString greda = QStringLiteral(VELT_EXAMPLES_DIR "/prosta-greda.velt");

bool IsteStavke(const std::vector<TChartItem>& a, const std::vector<TChartItem>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].ItemKind != b[i].ItemKind || a[i].x != b[i].x || a[i].y != b[i].y || a[i].Text != b[i].Text)
            return false;
    return true;
}

TEST(RazmeraPrikazaProzora, BoxIsOnByDefaultAndTravelsWithTheFile) {
    QTemporaryDir dir;
    TProzor p(greda);
    QCheckBox* k = p.Kutija();
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->text(), QStringLiteral("prilagodi razmeru prikazu"));
    EXPECT_TRUE(k->isChecked());  // the file has no such key
    k->click();
    EXPECT_FALSE(p.w->Podesavanja().prikaz.prilagodiRazmeru);
    const QString put = dir.filePath(QStringLiteral("greda.velt"));
    p.d->imenaFajlova = {put};
    p.Meni("Snimikao1");
    QFile f(put);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("prilagodiRazmeru=FALSE\r\n"));
    TProzor q(put);
    EXPECT_FALSE(q.Kutija()->isChecked());
}

TEST(RazmeraPrikazaProzora, ZoomRedrawsForTheViewPanDoesNot) {
    TProzor p(greda);
    ASSERT_TRUE(p.w->Podesavanja().zoomURealnomVremenu);
    p.PrikaziM();
    const std::vector<TChartItem> ceo = p.G().Stavke();
    const double pun = p.NajvecaOrdinata(), sirina = p.SirinaX();
    ASSERT_GT(pun, 0);

    // Three wheel notches in: the view is 0.8^3 of the fit, and after the pause the diagram too.
    TPlotChart& g = p.G();
    g.TockicMisa((g.Levo() + g.Desno()) / 2, (g.Gore() + g.Dole()) / 2, 3);
    const double f = std::pow(TPlotPovrsina::FaktorKoraka, 3);
    EXPECT_NEAR(p.SirinaX(), sirina * f, 1e-9 * sirina);
    TPracenjeRazmere& pr = *p.w->PracenjeRazmere();
    EXPECT_TRUE(pr.Tajmer().isActive());
    EXPECT_NEAR(p.NajvecaOrdinata(), pun, 1e-12);  // nothing redrawn before the pause
    pr.Proveri();
    EXPECT_NEAR(p.NajvecaOrdinata(), pun * f, 1e-9 * pun);
    EXPECT_NEAR(p.SirinaX(), sirina * f, 1e-9 * sirina);  // the redraw keeps the zoom
    EXPECT_TRUE(pr.NacrtanoZaDrugiPrikaz());

    // A pan: the share is the same, the display list stays as it is.
    const std::vector<TChartItem> zumirano = g.Stavke();
    const double d = 0.3 * p.SirinaX();
    ASSERT_TRUE(g.Scale1X.PostaviOpseg(g.Scale1X.RangeLow() + d, g.Scale1X.RangeHigh() + d));
    pr.Proveri();
    EXPECT_TRUE(IsteStavke(g.Stavke(), zumirano));
    // Far past the region drawn in detail, the pause redraws at the same scale (both members away
    // from the view, so sampled as at the fit); back at the zoomed view, the same list again.
    const double levo = g.Scale1X.RangeLow(), desno = g.Scale1X.RangeHigh();
    ASSERT_TRUE(g.Scale1X.PostaviOpseg(levo + 10 * d, desno + 10 * d));
    pr.Proveri();
    EXPECT_LT(g.Stavke().size(), zumirano.size());
    EXPECT_NEAR(p.NajvecaOrdinata(), pun * f, 1e-9 * pun);
    ASSERT_TRUE(g.Scale1X.PostaviOpseg(levo, desno));
    pr.Proveri();
    EXPECT_TRUE(IsteStavke(g.Stavke(), zumirano));

    // The box off and on at the zoomed view: the view stays, the scale goes and comes back.
    const double xL = g.Scale1X.RangeLow();
    p.Kutija()->click();
    EXPECT_EQ(g.Scale1X.RangeLow(), xL);
    EXPECT_NEAR(p.NajvecaOrdinata(), pun, 1e-12);
    pr.Proveri();  // off: nothing follows the view
    EXPECT_NEAR(p.NajvecaOrdinata(), pun, 1e-12);
    p.Kutija()->click();
    EXPECT_EQ(g.Scale1X.RangeLow(), xL);
    EXPECT_NEAR(p.NajvecaOrdinata(), pun * f, 1e-9 * pun);

    // "Zoom": the whole structure with its own drawing, bit for bit as at first.
    p.w->findChild<QPushButton*>(QStringLiteral("ButtonZumSve"))->click();
    EXPECT_NEAR(p.SirinaX(), sirina, 1e-12 * sirina);
    EXPECT_TRUE(IsteStavke(g.Stavke(), ceo));
    EXPECT_FALSE(pr.NacrtanoZaDrugiPrikaz());
    pr.Proveri();
    EXPECT_TRUE(IsteStavke(g.Stavke(), ceo));
}

}  // namespace
