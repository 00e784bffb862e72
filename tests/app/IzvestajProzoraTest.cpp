// "Izvestaj" in the window: the report of a model reaches the engine, the preview and the PDF
// whole, page after page; a missing or broken project file ends in the one error box.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include "CekanjeAnalize.h"
#include "GeneratorModela.h"
#include "ModelFajl.h"
#include "PomocniProzora.h"
#include "ReportPreview.h"
#include "UnitGlavniProzor.h"

namespace {

const QString ProjekatIzAsseta = QStringLiteral(VELT_ASSETS_DIR "/ProjectIzvestajAnalize.vrp");
const QString Primer = QStringLiteral(VELT_EXAMPLES_DIR "/portalni-ram.velt");
const QString Poruka = QStringLiteral("Izvestaj nije moguce formirati!!!");

// The window with its "program folder" in a temporary directory, and every preview saved as PDF
// through the preview's own save command.
struct TIzvestajUProzoru {
    QTemporaryDir folder;
    QString staraFascikla = QDir::currentPath();
    TLazniDijalozi* d = nullptr;
    std::unique_ptr<TFormGlavniProzor> w;
    QString pdf;
    int pregleda = 0;
    int strana = 0;

    explicit TIzvestajUProzoru(const QStringList& argumenti, bool saProjektom = true) {
        OsigurajAplikaciju();
        if (saProjektom) QFile::copy(ProjekatIzAsseta, folder.filePath("ProjectIzvestajAnalize.vrp"));
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(argumenti, std::move(dijalozi));
        w->pokreniNovuInstancu = [] { return false; };
        w->folderPrograma = folder.path();
        pdf = folder.filePath("izvestaj.pdf");
        w->naPregledIzvestaja = [this](TReportPreview& p) {
            ++pregleda;
            strana = p.PageCount();
            EXPECT_EQ(p.windowTitle(), QStringLiteral("Izgled izvestaja"));
            d->imenaFajlova.push_back(pdf);
            EXPECT_TRUE(p.SaveAsPdf());
        };
    }
    ~TIzvestajUProzoru() { QDir::setCurrent(staraFascikla); }

    void Meni(const char* ime) {
        QAction* a = w->findChild<QAction*>(QString::fromLatin1(ime));
        ASSERT_NE(a, nullptr) << ime;
        a->trigger();
    }
    void Izvestaj() { w->findChild<QPushButton*>(QStringLiteral("ButtonFormirajIzvestaj"))->click(); }
    QStringList Greske() const {
        QStringList g;
        for (const auto& z : d->zapisi)
            if (z.vrsta == "greska") g << z.tekst;
        return g;
    }
};

QString BezRazmaka(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s+"))); }

// The report's lines that show ink, without their spacing.
QStringList RedoviTeksta(const QString& tekst) {
    QStringList r;
    for (const QString& red : tekst.split(QStringLiteral("\r\n")))
        if (!BezRazmaka(red).isEmpty()) r << BezRazmaka(red);
    return r;
}

struct TProcitanPdf {
    bool imaAlat = false;
    QStringList redovi;     // the bodies, wrapped tails joined again
    QStringList zaglavlja;  // first line of each page
    QStringList podnozja;   // last line of each page
};

TProcitanPdf ProcitajPdf(const QString& pdf) {
    TProcitanPdf r;
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    r.imaAlat = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!r.imaAlat) return r;
    QStringList strane = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!strane.isEmpty() && strane.back().trimmed().isEmpty()) strane.pop_back();
    const QString nastavak = QString::fromUtf8("»");
    for (const QString& strana : strane) {
        QStringList l;
        for (const QString& red : strana.split('\n'))
            if (!red.trimmed().isEmpty()) l << red;
        if (l.size() < 2) {
            r.zaglavlja << QString();
            r.podnozja << QString();
            continue;
        }
        r.zaglavlja << l.front().simplified();
        r.podnozja << l.back().simplified();
        for (qsizetype i = 1; i + 1 < l.size(); ++i) {
            const QString red = l[i].trimmed();
            if (red.startsWith(nastavak) && !r.redovi.isEmpty())
                r.redovi.back() += BezRazmaka(red.mid(nastavak.size()));
            else r.redovi << BezRazmaka(red);
        }
    }
    return r;
}

// Every page carries the header and "Strana N od M" with N counting up to M = the page count;
// the bodies hold the report's lines in order, none missing, none cut.
void ProveriPdf(const QString& pdf, const QString& tekst, int strana) {
    const TProcitanPdf r = ProcitajPdf(pdf);
    if (!r.imaAlat) GTEST_SKIP() << "pdftotext is not available";
    ASSERT_EQ(r.podnozja.size(), strana);
    for (int i = 0; i < strana; ++i) {
        EXPECT_TRUE(r.zaglavlja[i].startsWith("VELT - Izvestaj analize ravnog nosaca")) << r.zaglavlja[i].toStdString();
        EXPECT_TRUE(r.podnozja[i].endsWith(QStringLiteral("Strana %1 od %2").arg(i + 1).arg(strana)))
            << r.podnozja[i].toStdString();
    }
    const QStringList ocekivano = RedoviTeksta(tekst);
    ASSERT_EQ(r.redovi.size(), ocekivano.size());
    for (qsizetype i = 0; i < ocekivano.size(); ++i)
        ASSERT_EQ(r.redovi[i].toStdString(), ocekivano[i].toStdString()) << "line " << i;
}

}  // namespace

TEST(IzvestajProzora, ReportOfTheAnalysedExampleReachesThePdfWhole) {
    TIzvestajUProzoru t({Primer});
    t.Meni("Pokrenianalizu1");
    SacekajAnalizu(*t.w);
    ASSERT_NE(t.w->Stanje().matricaKGKS, nullptr);
    t.Meni("Izvestaj1");
    ASSERT_TRUE(t.Greske().isEmpty()) << t.Greske().join('|').toStdString();
    ASSERT_EQ(t.pregleda, 1);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(t.folder.path()).canonicalPath());

    // The row holds the input part, then the output part, as the builder writes them.
    EXPECT_TRUE(t.w->izvestajAnalizeUlaz.startsWith("ULAZNI PODACI\r\n"));
    EXPECT_TRUE(t.w->izvestajAnalizeIzlaz.startsWith(
        "IZLAZNI PODACI\r\n\r\nKodni brojevi: --4--5--6--7--8--9--1--2--3--10--11--"));
    EXPECT_TRUE(t.w->izvestajAnalizeIzlaz.contains("Ro - GKS - ukupno"));
    EXPECT_TRUE(t.w->izvestajAnalizeIzlaz.contains("IZLAZNI PODACI ZA STAP: "));
    EXPECT_GT(t.strana, 1);
    ProveriPdf(t.pdf, t.w->izvestajAnalizeUlaz + t.w->izvestajAnalizeIzlaz, t.strana);

    // A second run starts from empty texts: the same report, not two of them.
    const QString ulaz = t.w->izvestajAnalizeUlaz, izlaz = t.w->izvestajAnalizeIzlaz;
    t.Izvestaj();
    EXPECT_EQ(t.pregleda, 2);
    EXPECT_EQ(t.w->izvestajAnalizeUlaz, ulaz);
    EXPECT_EQ(t.w->izvestajAnalizeIzlaz, izlaz);
}

TEST(IzvestajProzora, ReportBeforeAnyAnalysisStillRuns) {
    // Without results the output part is short, but the command runs through to the preview.
    TIzvestajUProzoru t({Primer});
    t.Izvestaj();
    ASSERT_TRUE(t.Greske().isEmpty());
    ASSERT_EQ(t.pregleda, 1);
    EXPECT_TRUE(t.w->izvestajAnalizeUlaz.contains("ULAZNI PODACI - STAPOVI"));
    EXPECT_TRUE(t.w->izvestajAnalizeIzlaz.startsWith("IZLAZNI PODACI"));
    ProveriPdf(t.pdf, t.w->izvestajAnalizeUlaz + t.w->izvestajAnalizeIzlaz, t.strana);
}

TEST(IzvestajProzora, LargeFrameGivesManyNumberedPages) {
    QTemporaryDir dir;
    const QString model = dir.filePath("ram.velt");
    {
        // 3 bays, 4 storeys: 20 nodes, a 60 x 60 global stiffness matrix whose rows wrap.
        const TModel m = GenerisiRam(3, 4);
        TPodesavanja p;
        SnimiModel(QFile::encodeName(model).toStdString(), m, p);
    }
    TIzvestajUProzoru t({model});
    ASSERT_EQ(t.w->Model().nizCvorova.size(), 20u);
    t.Meni("Pokrenianalizu1");
    SacekajAnalizu(*t.w);
    ASSERT_NE(t.w->Stanje().matricaKGKS, nullptr);
    t.Izvestaj();
    ASSERT_TRUE(t.Greske().isEmpty());
    ASSERT_EQ(t.pregleda, 1);
    EXPECT_GE(t.strana, 20);
    ProveriPdf(t.pdf, t.w->izvestajAnalizeUlaz + t.w->izvestajAnalizeIzlaz, t.strana);
}

TEST(IzvestajProzora, ProjectThatCannotBeRunGivesTheOneBox) {
    const struct {
        const char* slucaj;
        const char* sadrzaj;  // null: no project file at all
    } slucajevi[] = {
        {"missing", nullptr},
        {"empty", ""},
        {"not a report project", "MATERIJAL\r\n-\r\n"},
        {"unknown column", "VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = ReportConnection1\nKolona = Tekst\n"},
        {"unknown connection", "VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = Druga\nKolona = Podaci\n"},
        {"bad value",
         "VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = ReportConnection1\nKolona = Podaci\n"
         "[Strana]\nFormat = B7\n"},
    };
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.slucaj);
        TIzvestajUProzoru t({Primer}, false);
        if (s.sadrzaj) {
            QFile f(t.folder.filePath("ProjectIzvestajAnalize.vrp"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(s.sadrzaj);
        }
        t.Meni("Izvestaj1");
        EXPECT_EQ(t.d->Vrste(), QStringList{"greska"});
        EXPECT_EQ(t.Greske(), QStringList{Poruka});
        EXPECT_EQ(t.pregleda, 0);
        EXPECT_FALSE(QFile::exists(t.pdf));
        // The texts keep what was built until the next run.
        EXPECT_TRUE(t.w->izvestajAnalizeUlaz.startsWith("ULAZNI PODACI"));
    }
}

TEST(IzvestajProzora, ProjectFileIsLookedForInTheProgramFolder) {
    // A project in the current directory but not in the program folder does not count.
    TIzvestajUProzoru t({Primer}, false);
    QTemporaryDir drugi;
    QFile::copy(ProjekatIzAsseta, drugi.filePath("ProjectIzvestajAnalize.vrp"));
    QDir::setCurrent(drugi.path());
    t.Izvestaj();
    EXPECT_EQ(t.Greske(), QStringList{Poruka});
    // Once it is there, the same window makes the report.
    QFile::copy(ProjekatIzAsseta, t.folder.filePath("ProjectIzvestajAnalize.vrp"));
    t.d->zapisi.clear();
    t.Izvestaj();
    EXPECT_TRUE(t.Greske().isEmpty());
    EXPECT_EQ(t.pregleda, 1);
}

// velt-cli renders through the same engine and project file, without a window.
TEST(IzvestajProzora, CommandLinePdfHoldsTheSameReport) {
    if (!QFile::exists(QStringLiteral(VELT_CLI))) GTEST_SKIP() << "velt-cli is not built";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("cli.pdf");
    QProcess tekst;
    tekst.start(QStringLiteral(VELT_CLI), {QStringLiteral("report"), Primer});
    ASSERT_TRUE(tekst.waitForFinished(60000));
    ASSERT_EQ(tekst.exitCode(), 0);
    const QString izvestaj = QString::fromUtf8(tekst.readAllStandardOutput());

    QProcess p;
    p.start(QStringLiteral(VELT_CLI), {QStringLiteral("report"), Primer, QStringLiteral("--pdf"), pdf});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    const TProcitanPdf r = ProcitajPdf(pdf);
    if (!r.imaAlat) GTEST_SKIP() << "pdftotext is not available";
    ProveriPdf(pdf, izvestaj, int(r.podnozja.size()));

    // A PDF that cannot be written is a failure, with the message on stderr.
    QProcess los;
    los.start(QStringLiteral(VELT_CLI),
              {QStringLiteral("report"), Primer, QStringLiteral("--pdf"), dir.filePath("nema/fascikle/x.pdf")});
    ASSERT_TRUE(los.waitForFinished(60000));
    EXPECT_EQ(los.exitCode(), 1);
    EXPECT_TRUE(los.readAllStandardError().contains("Izvestaj nije moguce formirati!!!"));
}
