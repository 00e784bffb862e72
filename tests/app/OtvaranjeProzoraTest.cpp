// Opening a window on a file: the file read while the pages are built is the file as the window
// would read it, and resizing the plot gives the drawing a new drawing would give.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <sys/stat.h>

#include "CitanjeUnapred.h"
#include "DnevnikSnimanja.h"
#include "GlavniProzorPomocTest.h"
#include "ModelFajl.h"
#include "PlotChart.h"

namespace {

std::string KaoTekst(const TModel& m, const TPodesavanja& p) {
    TPodesavanja kopija = p;
    return ModelUTekst(m, kopija);
}

bool IstiCrtez(const TPlotPovrsina& a, const std::vector<TChartItem>& b) {
    if (a.Stavke().size() != b.size()) return false;
    for (size_t i = 0; i < b.size(); ++i) {
        const TChartItem &x = a.Stavke()[i], &y = b[i];
        if (x.ItemKind != y.ItemKind || x.x != y.x || x.y != y.y || x.x2 != y.x2 || x.y2 != y.y2 ||
            x.Color != y.Color || x.Text != y.Text)
            return false;
    }
    return true;
}

}  // namespace

TEST(OtvaranjeProzora, TheWindowStartsWithTheModelAndSettingsOfItsFile) {
    for (const char* ime : {"portalni-ram.velt", "resetka.velt", "kontinualna-greda.velt"}) {
        SCOPED_TRACE(ime);
        const QString put = QStringLiteral(VELT_EXAMPLES_DIR "/") + QString::fromLatin1(ime);
        TProzor p({put});
        TModel m;
        TPodesavanja s = p.w->Podesavanja();
        ProcitajModel(put.toStdString(), m, s);
        EXPECT_EQ(KaoTekst(p.w->Model(), p.w->Podesavanja()), KaoTekst(m, s));
        EXPECT_EQ(p.w->PutanjaDoFajla(), put);
        EXPECT_FALSE(p.d->zapisi.size());
    }
}

TEST(OtvaranjeProzora, AReadForOtherSettingsOrAnotherFileIsNotUsed) {
    const std::string put = VELT_EXAMPLES_DIR "/portalni-ram.velt";
    TPodesavanja pocetna;
    {
        TCitanjeUnapred c(put, pocetna, 0.001L);
        TModel m;
        TPodesavanja drugacija = pocetna;
        drugacija.zoomSve = pocetna.zoomSve + 1;
        EXPECT_FALSE(c.Preuzmi(put, m, drugacija));
        EXPECT_TRUE(m.nizCvorova.empty());
        EXPECT_FALSE(c.Preuzmi(put, m, pocetna));  // taken once only
    }
    {
        TCitanjeUnapred c(put, pocetna, 0.001L);
        TModel m;
        TPodesavanja s = pocetna;
        EXPECT_FALSE(c.Preuzmi(VELT_EXAMPLES_DIR "/resetka.velt", m, s));
        m.minRastojanjeCvorova = 0.01L;
        TCitanjeUnapred d(put, pocetna, 0.001L);
        EXPECT_FALSE(d.Preuzmi(put, m, s));
        m.minRastojanjeCvorova = 0.001L;
        TCitanjeUnapred e(put, pocetna, 0.001L);
        EXPECT_TRUE(e.Preuzmi(put, m, s));
        EXPECT_FALSE(m.nizStapova.empty());
    }
    // A file that cannot be read gives the reader's own error, and leaves the model as it was.
    QTemporaryDir dir;
    const QString los = dir.filePath(QStringLiteral("los.velt"));
    Zapisi(los, "MATERIJAL\n-\n0\nBeton\nnije broj\n");
    TCitanjeUnapred c(los.toStdString(), pocetna, 0.001L);
    TModel m;
    m.minRastojanjeCvorova = 0.001L;
    TPodesavanja s = pocetna;
    std::string poruka, ocekivana;
    try {
        c.Preuzmi(los.toStdString(), m, s);
    } catch (const std::exception& e) {
        poruka = e.what();
    }
    try {
        ProcitajModel(los.toStdString(), m, s);
    } catch (const std::exception& e) {
        ocekivana = e.what();
    }
    EXPECT_FALSE(ocekivana.empty());
    EXPECT_EQ(poruka, ocekivana);
    EXPECT_TRUE(m.nizCvorova.empty());
    // Unreadable at start-up: the window starts empty and says nothing, as before.
    TProzor p({los});
    EXPECT_TRUE(p.w->PutanjaDoFajla().isEmpty());
    EXPECT_TRUE(p.w->Model().nizCvorova.empty());
}

TEST(OtvaranjeProzora, AJournalLeftByACutSaveIsStillAskedAboutAtStartUp) {
    QTemporaryDir dir;
    std::string staro;
    const bool bilo = std::getenv("XDG_STATE_HOME");
    if (bilo) staro = std::getenv("XDG_STATE_HOME");
    ::setenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("stanje")).toStdString().c_str(), 1);
    const QByteArray ceo = Procitaj(primer);
    const QString put = dir.filePath(QStringLiteral("m.velt"));
    Zapisi(put, ceo.left(ceo.size() / 2));
    struct stat st {};
    ASSERT_EQ(::stat(put.toStdString().c_str(), &st), 0);
    UpisiDnevnik(put.toStdString(), st, ceo.toStdString(), nullptr);
    {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        dijalozi->odgovori = {true};
        TLazniDijalozi* d = dijalozi.get();
        TFormGlavniProzor w({put}, std::move(dijalozi));
        EXPECT_EQ(d->Vrste(), QStringList({"pitanje"}));
        EXPECT_EQ(Procitaj(put), ceo);
        EXPECT_FALSE(w.Model().nizStapova.empty());
    }
    bilo ? (void)::setenv("XDG_STATE_HOME", staro.c_str(), 1) : (void)::unsetenv("XDG_STATE_HOME");
}

TEST(OtvaranjeProzora, AResizedPlotShowsWhatANewDrawingWould) {
    TProzor p({primer});
    p.w->resize(1200, 800);
    p.w->show();
    QApplication::processEvents();
    TPlotChart& g = *p.w->PlotChartGrafik;
    auto provera = [&](const char* kada) {
        SCOPED_TRACE(kada);
        const std::vector<TChartItem> pre = g.Stavke();
        const double xL = g.Scale1X.RangeLow(), xH = g.Scale1X.RangeHigh();
        const double yL = g.Scale1Y.RangeLow(), yH = g.Scale1Y.RangeHigh();
        p.w->CrtajGrafikGlavni();
        EXPECT_TRUE(IstiCrtez(g, pre));
        EXPECT_EQ(g.Scale1X.RangeLow(), xL);
        EXPECT_EQ(g.Scale1X.RangeHigh(), xH);
        EXPECT_EQ(g.Scale1Y.RangeLow(), yL);
        EXPECT_EQ(g.Scale1Y.RangeHigh(), yH);
    };
    p.w->resize(900, 700);
    QApplication::processEvents();
    provera("fitted view");
    // The view kept where it is, zoomed in, with a diagram whose scale follows the view.
    p.w->CheckBoxZoomURealnomVremenu->setChecked(false);
    p.w->Dokument().IzmeniPodesavanja([](TPodesavanja& s) { s.prikaz.dijagram = TPrikaz::M; });
    QApplication::processEvents();
    const double c = (g.Scale1X.RangeLow() + g.Scale1X.RangeHigh()) / 2,
                 h = (g.Scale1X.RangeHigh() - g.Scale1X.RangeLow()) / 6;
    g.Scale1X.PostaviOpseg(c - h, c + h);
    p.w->resize(1000, 650);
    QApplication::processEvents();
    provera("zoomed view");
}
