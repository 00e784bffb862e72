// "Stampaj grafik (A4)": the hidden print window draws the structure afresh, fitted to the whole
// model, and puts the window's image on one page. The page is printed to PDF and read back as
// pixels at four times 96 dpi, where one window pixel is a block of 4 x 4 page pixels (from four
// times up the rasteriser no longer smooths the image).
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

#include "CekanjeAnalize.h"
#include "CrtanjeDijagrama.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"
#include "UnitGrafik.h"

namespace {

const QString Primer = QStringLiteral(VELT_EXAMPLES_DIR "/portalni-ram.velt");

// Confirms the print dialog with a PDF printer writing into `pdf`, or cancels it.
class TDijaloziStampe : public TLazniDijalozi {
public:
    QString pdf;
    bool potvrdi = true;
    QPointF pocetakStrane;  // top-left of the printable area, in 96-dpi page pixels

    bool Stampanje(QWidget* r, QPrinter& p) override {
        TLazniDijalozi::Stampanje(r, p);
        if (!potvrdi) return false;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        pocetakStrane = p.pageLayout().paintRect(QPageLayout::Inch).topLeft() * 96.0;
        return true;
    }
};

struct TStampa {
    QTemporaryDir dir;
    TDijaloziStampe* d = nullptr;
    std::unique_ptr<TFormGlavniProzor> w;

    explicit TStampa(const QStringList& argumenti = {}) {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TDijaloziStampe>();
        d = dijalozi.get();
        d->pdf = dir.filePath("grafik.pdf");
        w = std::make_unique<TFormGlavniProzor>(argumenti, std::move(dijalozi));
        w->pokreniNovuInstancu = [] { return false; };
    }
    void Meni(const char* ime) {
        QAction* a = w->findChild<QAction*>(QString::fromLatin1(ime));
        ASSERT_NE(a, nullptr) << ime;
        a->trigger();
    }
    void Postavi(QCheckBox* c, bool da) {
        if (c->isChecked() != da) c->click();
    }
    const TPlotChart& Plot() const { return *w->FormGrafikStampa->PlotChartGrafikZaStampu; }
};

int BrojStrana(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return -1;
    for (const QByteArray& red : p.readAllStandardOutput().split('\n'))
        if (red.startsWith("Pages:")) return red.mid(6).trimmed().toInt();
    return -1;
}

constexpr int Uvecanje = 4;

QImage Slika(const QString& pdf, const QTemporaryDir& dir) {
    QProcess p;
    const QString izlaz = dir.filePath("strana");
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(96 * Uvecanje), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, izlaz});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QImage(izlaz + ".png").convertToFormat(QImage::Format_RGB32);
}

// What the page shows at a point of the window's client area.
struct TStrana {
    QImage slika;
    QPointF pocetak;  // in 96-dpi pixels

    // The middle of the block a window pixel became.
    QRgb Piksel(int x, int y) const {
        const int px = int(std::floor((pocetak.x() + x + 0.5) * Uvecanje));
        const int py = int(std::floor((pocetak.y() + y + 0.5) * Uvecanje));
        return slika.valid(px, py) ? slika.pixel(px, py) : qRgb(255, 255, 255);
    }
    static bool Tamno(QRgb c) { return qGray(c) < 64; }
    static bool Sivo(QRgb c) { return qGray(c) > 96 && qGray(c) < 170 && std::abs(qRed(c) - qBlue(c)) < 30; }
    // Whether any pixel within `r` of (x, y) passes `uslov`: a line's end points are rounded,
    // so a pixel between them may lie one off the exact line.
    template <class F>
    bool Blizu(int x, int y, F uslov, int r = 1) const {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (uslov(Piksel(x + dx, y + dy))) return true;
        return false;
    }
    // The centre of a 7 x 7 node square.
    bool PunKvadrat(int x, int y, bool (*uslov)(QRgb)) const {
        int pogodaka = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) pogodaka += uslov(Piksel(x + dx, y + dy));
        return pogodaka == 9;
    }
};

// Window pixel of a world point on the print plot.
QPoint UProzoru(const TPlotChart& g, double x, double z) {
    return {TFormGrafikStampa::GrafikLevo + g.XUPiksel(x), TFormGrafikStampa::GrafikGore + g.YUPiksel(z)};
}

bool ImaAlate(const TStampa&) {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

TStrana Odstampaj(TStampa& t) {
    t.Meni("Stampajgrafik1");
    EXPECT_EQ(t.d->Vrste(), QStringList{"stampa"});
    EXPECT_EQ(BrojStrana(t.d->pdf), 1);
    TStrana s{Slika(t.d->pdf, t.dir), t.d->pocetakStrane};
    EXPECT_FALSE(s.slika.isNull());
    return s;
}

}  // namespace

TEST(StampaGrafika, CancelledDialogPrintsNothing) {
    TStampa t({Primer});
    t.d->potvrdi = false;
    t.Meni("Stampajgrafik1");
    EXPECT_EQ(t.d->Vrste(), QStringList{"stampa"});
    EXPECT_FALSE(QFile::exists(t.d->pdf));
}

TEST(StampaGrafika, RefusedWhileAnAnalysisRuns) {
    TStampa t({Primer});
    t.w->PostaviRadimProracun(true);
    t.Meni("Stampajgrafik1");
    t.w->PostaviRadimProracun(false);
    EXPECT_EQ(t.d->Vrste(), QStringList{"informacija"});
    EXPECT_EQ(t.d->PoslednjiTekst(), QString::fromLatin1(PorukaProracunUToku));
}

TEST(StampaGrafika, PageShowsTheWholeStructureWhateverTheMainPlotShows) {
    TStampa t({Primer});
    if (!ImaAlate(t)) GTEST_SKIP() << "poppler tools are not available";
    // The main plot looks far away and does not follow the model.
    t.Postavi(t.w->CheckBoxZoomURealnomVremenu, false);
    ASSERT_TRUE(t.w->PlotChartGrafik->Scale1X.PostaviOpseg(1000, 1010));
    ASSERT_TRUE(t.w->PlotChartGrafik->Scale1Y.PostaviOpseg(-500, -490));
    const TStrana s = Odstampaj(t);
    ASSERT_FALSE(s.slika.isNull());

    // The window was sized from its 750 x 600 outer size; the plot keeps its margins.
    const TFormGrafikStampa& f = *t.w->FormGrafikStampa;
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Grafik"));
    EXPECT_GT(f.width(), 700);
    EXPECT_LE(f.width(), 750);
    EXPECT_GT(f.height(), 540);
    EXPECT_LE(f.height(), 600);
    const TPlotChart& g = t.Plot();
    EXPECT_EQ(g.width(), f.width() - 56);
    EXPECT_EQ(g.height(), f.height() - 38);
    // The main plot was left where it was.
    EXPECT_EQ(t.w->PlotChartGrafik->Scale1X.RangeLow(), 1000);

    // The frame of the plot area at 52 + 50 and 52 + width - 20 pixels of the window, the
    // surround white.
    const int levo = 52 + 50, desno = 52 + g.width() - 20, gore = 35 + 20, dole = 35 + g.height() - 40;
    const int sredinaY = (gore + dole) / 2, sredinaX = (levo + desno) / 2;
    EXPECT_TRUE(s.Blizu(levo, sredinaY, TStrana::Tamno));
    EXPECT_TRUE(s.Blizu(desno, sredinaY, TStrana::Tamno));
    EXPECT_TRUE(s.Blizu(sredinaX, gore, TStrana::Tamno));
    EXPECT_TRUE(s.Blizu(sredinaX, dole, TStrana::Tamno));
    EXPECT_EQ(qGray(s.Piksel(20, sredinaY)), 255);
    EXPECT_EQ(qGray(s.Piksel(desno + 3, sredinaY)), 255);
    EXPECT_EQ(qGray(s.Piksel(f.width() + 5, sredinaY)), 255);

    // Every node is a black square inside the plot area; the members are black lines.
    for (const auto& c : t.w->Model().nizCvorova) {
        const QPoint p = UProzoru(g, double(c->X()), double(c->Z()));
        SCOPED_TRACE(c->ID());
        EXPECT_GT(p.x(), levo);
        EXPECT_LT(p.x(), desno);
        EXPECT_GT(p.y(), gore);
        EXPECT_LT(p.y(), dole);
        EXPECT_TRUE(s.PunKvadrat(p.x(), p.y(), TStrana::Tamno));
    }
    for (const auto& st : t.w->Model().nizStapova) {
        const TCvor* a = st->PocetniCvor();
        const TCvor* b = st->KrajnjiCvor();
        const double u = 0.3;  // away from the midpoint's labels and arrow
        const QPoint p = UProzoru(g, double(a->X() + u * (b->X() - a->X())), double(a->Z() + u * (b->Z() - a->Z())));
        EXPECT_TRUE(s.Blizu(p.x(), p.y(), TStrana::Tamno)) << "member " << st->ID();
    }
}

TEST(StampaGrafika, GridOnlyWhenCheckedAndDottedBlack) {
    // An empty model: the plot area holds nothing but the grid.
    for (bool mreza : {true, false}) {
        SCOPED_TRACE(mreza);
        TStampa t;
        if (!ImaAlate(t)) GTEST_SKIP() << "poppler tools are not available";
        t.Postavi(t.w->CheckBoxMrezaGrafika, mreza);
        const TStrana s = Odstampaj(t);
        ASSERT_FALSE(s.slika.isNull());
        const TPlotChart& g = t.Plot();
        EXPECT_EQ(g.Scale1X.RangeLow(), -1);
        EXPECT_EQ(g.Scale1X.RangeHigh(), 1);
        const int levo = 52 + 50, desno = 52 + g.width() - 20, gore = 35 + 20, dole = 35 + g.height() - 40;
        int tamnih = 0, sivih = 0;
        for (int y = gore + 3; y <= dole - 3; ++y)
            for (int x = levo + 3; x <= desno - 3; ++x) {
                const QRgb c = s.Piksel(x, y);
                tamnih += TStrana::Tamno(c);
                sivih += qGray(c) < 250 && !TStrana::Tamno(c);
            }
        if (!mreza) {
            EXPECT_EQ(tamnih + sivih, 0);
            continue;
        }
        EXPECT_GT(tamnih, 500);
        // The world origin lies on a grid line both ways; along it every other pixel is black.
        const QPoint o = UProzoru(g, 0, 0);
        int y0 = -1;
        for (int dy = -1; dy <= 1 && y0 < 0; ++dy) {
            int naizmenicno = 0;
            for (int x = levo + 10; x < levo + 60; ++x)
                naizmenicno += TStrana::Tamno(s.Piksel(x, o.y() + dy)) != TStrana::Tamno(s.Piksel(x + 1, o.y() + dy));
            if (naizmenicno >= 45) y0 = o.y() + dy;
        }
        EXPECT_GE(y0, 0) << "no dotted line through the origin";
    }
}

TEST(StampaGrafika, DeformedShapeInGreyWhenChecked) {
    for (bool pomeranja : {true, false}) {
        SCOPED_TRACE(pomeranja);
        TStampa t({Primer});
        if (!ImaAlate(t)) GTEST_SKIP() << "poppler tools are not available";
        t.Meni("Pokrenianalizu1");
        SacekajAnalizu(*t.w);
        t.d->zapisi.clear();
        t.Postavi(t.w->CheckBoxDeformacijaNosaca, pomeranja);
        const TStrana s = Odstampaj(t);
        ASSERT_FALSE(s.slika.isNull());
        const TPlotChart& g = t.Plot();
        const double m = 100;  // the multiplier's default
        int pomerenih = 0;
        for (const auto& c : t.w->Model().nizCvorova) {
            const QPoint p = UProzoru(g, double(c->X()), double(c->Z()));
            const QPoint d = UProzoru(g, double(c->X() + m * c->Ux()), double(c->Z() + m * c->Uz()));
            // The black structure lies over the grey shape where they meet.
            EXPECT_TRUE(s.PunKvadrat(p.x(), p.y(), TStrana::Tamno));
            if (std::abs(d.x() - p.x()) < 12 && std::abs(d.y() - p.y()) < 12) continue;
            ++pomerenih;
            // Grey fills the displaced node's square except where a black line of the structure
            // or a grid dot crosses it.
            int sivih = 0;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) sivih += TStrana::Sivo(s.Piksel(d.x() + dx, d.y() + dy));
            if (pomeranja) EXPECT_GE(sivih, 30) << "node " << c->ID();
            else EXPECT_LE(sivih, 3) << "node " << c->ID();
        }
        // The sway of the frame's top moves both of its upper nodes well away.
        EXPECT_GE(pomerenih, 2);
    }
}

// The page draws with the same settings as the main plot: the chosen diagram, in its red, on
// the beam's own outline points.
TEST(StampaGrafika, ChosenDiagramIsPrintedToo) {
    for (int dijagram : {TPrikaz::Bez, TPrikaz::M}) {
        SCOPED_TRACE(dijagram);
        TStampa t({Primer});
        if (!ImaAlate(t)) GTEST_SKIP() << "poppler tools are not available";
        t.Meni("Pokrenianalizu1");
        SacekajAnalizu(*t.w);
        t.w->findChild<QComboBox*>(QStringLiteral("ComboBoxDijagrami"))->setCurrentIndex(dijagram);
        t.d->zapisi.clear();
        const TStrana s = Odstampaj(t);
        ASSERT_FALSE(s.slika.isNull());
        auto crveno = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; };
        int tacaka = 0, crvenih = 0;
        for (const TChartItem& i : t.Plot().Stavke()) {
            if (i.ItemKind != tkLineto || i.Color != BojaDijagramaM) continue;
            const QPoint p = UProzoru(t.Plot(), i.x, i.y);
            ++tacaka;
            crvenih += s.Blizu(p.x(), p.y(), crveno);
        }
        if (dijagram == TPrikaz::Bez) {
            EXPECT_EQ(tacaka, 0);
        } else {
            EXPECT_GT(tacaka, 20);
            EXPECT_GT(crvenih, tacaka * 9 / 10);
        }
    }
}
