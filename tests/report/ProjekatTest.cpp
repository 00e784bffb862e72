#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Pomocnici.h"
#include "ReportLayout.h"
#include "ReportPreview.h"
#include "ReportProject.h"

namespace {

const QByteArray OSNOVA = "VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = ReportConnection1\nKolona = Podaci\n";

void Upisi(const QString& putanja, const QByteArray& sadrzaj) {
    QFile f(putanja);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(sadrzaj);
}

// The main window's connection: one text column, one row with the whole text.
struct Konekcija {
    TReportConnection k{QStringLiteral("ReportConnection1")};
    QString tekst = QStringLiteral("ULAZNI PODACI\r\nBroj cvora: 0\r\n");
    int pozivaRed = 0;
    Konekcija() {
        k.OnGetCols = [](TReportConnection& c) { c.AddColumn("Podaci", TFieldType::String, 100, "Podaci", ""); };
        k.OnOpen = [](TReportConnection& c) { c.SetRowCount(1); };
        k.OnGetRow = [this](TReportConnection& c, int) {
            ++pozivaRed;
            c.SetValue(0, tekst, QVariant());
        };
    }
};

TEST(ProjekatIzvestaja, ShippedProjectReadsTheMainWindowsConnection) {
    const TReportSettings s = ReadReportProject(ProjekatIzAsseta());
    EXPECT_EQ(s.ConnectionName, "ReportConnection1");
    EXPECT_EQ(s.ColumnName, "Podaci");
    EXPECT_EQ(s.PageSize, QPageSize::A4);
    EXPECT_EQ(s.Orientation, QPageLayout::Portrait);
    EXPECT_EQ(s.ContinuationMarker, QString::fromUtf8("» "));
    EXPECT_TRUE(s.Footer.Right.contains("{N}") && s.Footer.Right.contains("{M}"));
    EXPECT_LT(s.BodyMinSizePt, s.BodySizePt);
}

TEST(ProjekatIzvestaja, KeysAndValuesParse) {
    const TReportSettings s = ParseReportProject(
        "# komentar\n\n  VELT-IZVESTAJ 1  \n[podaci]\nKONEKCIJA = K2\nkolona=Tekst\n"
        "[Strana]\nFormat = a3\nOrijentacija = Polozeno\nMarginaLevo = 25.5\n"
        "[Tekst]\nVelicina = 10\nNajmanjaVelicina = 7\nOznakaNastavka = \" > \"\nNaglasiNaslove = Ne\n"
        "[Podnozje]\nSredina = # {N} #\nLinija = ne\n",
        "p.vrp");
    EXPECT_EQ(s.ConnectionName, "K2");
    EXPECT_EQ(s.ColumnName, "Tekst");
    EXPECT_EQ(s.PageSize, QPageSize::A3);
    EXPECT_EQ(s.Orientation, QPageLayout::Landscape);
    EXPECT_DOUBLE_EQ(s.MarginLeftMm, 25.5);
    EXPECT_DOUBLE_EQ(s.MarginRightMm, 15);
    EXPECT_DOUBLE_EQ(s.BodySizePt, 10);
    EXPECT_EQ(s.ContinuationMarker, " > ");
    EXPECT_FALSE(s.BoldHeadings);
    EXPECT_EQ(s.Footer.Center, "# {N} #");
    EXPECT_FALSE(s.Footer.Rule);
    EXPECT_TRUE(s.Header.Empty());
}

TEST(ProjekatIzvestaja, MalformedProjectsAreRefusedWithTheLine) {
    struct Slucaj {
        QByteArray sadrzaj;
        const char* deo;  // part of the message
    };
    const Slucaj slucajevi[] = {
        {"", "prazan"},
        {"# samo komentar\n", "prazan"},
        {"VELT-IZVESTAJ 2\n", "(red 1): fajl ne pocinje"},
        {"[Podaci]\nKonekcija = K\n", "fajl ne pocinje"},
        {"VELT-IZVESTAJ 1\nKonekcija = K\n", "(red 2): kljuc van sekcije"},
        {OSNOVA + "[Boje]\n", "(red 5): nepoznata sekcija"},
        {OSNOVA + "[Strana\n", "nezatvorena sekcija"},
        {OSNOVA + "[Podaci]\n", "ponovljena"},
        {OSNOVA + "Konekcija = X\n", "(red 5): kljuc \"konekcija\" je ponovljen"},
        {OSNOVA + "Filter = x\n", "nepoznat kljuc \"filter\""},
        {OSNOVA + "[Strana]\nsamo tekst\n", "ocekuje se Kljuc = vrednost"},
        {OSNOVA + "[Strana]\nFormat = B7\n", "nepoznat format"},
        {OSNOVA + "[Strana]\nOrijentacija = koso\n", "Uspravno ili Polozeno"},
        {OSNOVA + "[Strana]\nMarginaLevo = 20mm\n", "\"20mm\" nije broj"},
        {OSNOVA + "[Strana]\nMarginaDole = 120\n", "nije broj od 0 do 80"},
        {OSNOVA + "[Tekst]\nVelicina = nan\n", "nije broj"},
        {OSNOVA + "[Tekst]\nVelicina = 8\nNajmanjaVelicina = 9\n", "najmanja velicina"},
        {OSNOVA + "[Tekst]\nOznakaNastavka = \"\"\n", "oznaka nastavka"},
        {OSNOVA + "[Tekst]\nFont =\n", "font nije naveden"},
        {OSNOVA + "[Tekst]\nNaglasiNaslove = mozda\n", "nije Da ili Ne"},
        {OSNOVA + "[Zaglavlje]\nVelicina = 100\n", "nije broj"},
        {"VELT-IZVESTAJ 1\n[Podaci]\nKolona = Podaci\n", "nije navedena konekcija"},
        {"VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = K\n", "nije navedena kolona"},
        {"VELT-IZVESTAJ 1\n# \xff\xfe\n", "nije UTF-8"},
        {QByteArray("\x00\x01\x02\x03", 4), "fajl ne pocinje"},
    };
    for (const auto& s : slucajevi) {
        try {
            ParseReportProject(s.sadrzaj, "p.vrp");
            ADD_FAILURE() << "accepted: " << s.sadrzaj.toStdString();
        } catch (const TReportError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(s.deo))) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().endsWith("!!!"));
        }
    }
}

// Every way the run can fail ends in false with a message, and no preview is shown.
TEST(ProjekatIzvestaja, ExecuteReportsEveryFailure) {
    OsigurajAplikaciju();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dobar = dir.filePath("dobar.vrp");
    Upisi(dobar, OSNOVA);
    Upisi(dir.filePath("druga.vrp"), "VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = ReportConnection2\nKolona = Podaci\n");
    Upisi(dir.filePath("kolona.vrp"), "VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = ReportConnection1\nKolona = Tekst\n");
    Upisi(dir.filePath("losa.vrp"), "nesto sasvim drugo\n");
    Upisi(dir.filePath("margine.vrp"), OSNOVA + "[Strana]\nFormat = A5\nMarginaLevo = 70\nMarginaDesno = 70\n");
    Upisi(dir.filePath("veliki.vrp"), QByteArray(300 * 1024, '#'));
    QDir(dir.path()).mkdir("folder.vrp");

    struct Slucaj {
        QString projekat;
        std::function<void(Konekcija&)> pokvari;
        const char* deo;
    };
    const Slucaj slucajevi[] = {
        {dir.filePath("nema.vrp"), nullptr, "ne postoji"},
        {QString(), nullptr, "nije zadat"},
        {dir.filePath("folder.vrp"), nullptr, "nije moguce procitati"},
        {dir.filePath("veliki.vrp"), nullptr, "prevelik"},
        {dir.filePath("losa.vrp"), nullptr, "neispravan"},
        {dir.filePath("druga.vrp"), nullptr, "ReportConnection2"},
        {dir.filePath("kolona.vrp"), nullptr, "nema kolonu \"Tekst\""},
        {dir.filePath("margine.vrp"), nullptr, "nema mesta"},
        {dobar, [](Konekcija& k) { k.k.OnOpen = nullptr; }, "nije povezana"},
        {dobar, [](Konekcija& k) { k.k.OnOpen = [](TReportConnection&) {}; }, "nije otvorena"},
        {dobar,
         [](Konekcija& k) {
             k.k.OnGetCols = [](TReportConnection& c) { c.AddColumn("Podaci", TFieldType::Integer, 4, "", ""); };
         },
         "nije tekst"},
        {dobar,
         [](Konekcija& k) { k.k.OnGetRow = [](TReportConnection&, int) { throw std::runtime_error("pukao red"); }; },
         "pukao red"},
        {dobar, [](Konekcija& k) { k.k.OnGetRow = [](TReportConnection& c, int) { c.SetValue(3, "x"); }; },
         "nema kolonu broj 3"},
    };
    for (const auto& s : slucajevi) {
        Konekcija k;
        if (s.pokvari) s.pokvari(k);
        TReportProject p;
        p.SetProjectFile(s.projekat);
        p.AddConnection(&k.k);
        bool prikazan = false;
        p.SetPreviewHook([&](TReportPreview&) { prikazan = true; });
        QString greska;
        EXPECT_FALSE(p.Execute(nullptr, &greska)) << s.deo;
        EXPECT_TRUE(greska.contains(QString::fromUtf8(s.deo))) << s.deo << " / " << greska.toStdString();
        EXPECT_FALSE(prikazan);
        EXPECT_EQ(p.Document(), nullptr);
    }
}

TEST(ProjekatIzvestaja, ExecutePullsTheOneRowAndShowsThePreview) {
    OsigurajAplikaciju();
    Konekcija k;
    k.tekst = "ULAZNI PODACI\r\nBroj cvora: 7\r\nIZLAZNI PODACI";
    TReportProject p;
    p.SetProjectFile(ProjekatIzAsseta());
    p.AddConnection(&k.k);
    QString naslov;
    int strana = -1;
    p.SetPreviewHook([&](TReportPreview& pregled) {
        naslov = pregled.windowTitle();
        strana = pregled.PageCount();
    });
    QString greska;
    ASSERT_TRUE(p.Execute(nullptr, &greska)) << greska.toStdString();
    EXPECT_EQ(k.pozivaRed, 1);
    EXPECT_EQ(naslov, "Izgled izvestaja");
    EXPECT_EQ(strana, 1);
    ASSERT_NE(p.Document(), nullptr);
    const auto& redovi = p.Document()->Pages()[0].Lines;
    ASSERT_EQ(redovi.size(), 3u);
    EXPECT_EQ(redovi[1].Text, "Broj cvora: 7");

    // A second run replaces the document: the text is pulled again.
    k.tekst = "drugi";
    ASSERT_TRUE(p.Execute(nullptr));
    EXPECT_EQ(k.pozivaRed, 2);
    EXPECT_EQ(p.Document()->Pages()[0].Lines[0].Text, "drugi");
}

TEST(ProjekatIzvestaja, RowsOfSeveralRowConnectionsJoinWithLineEnds) {
    TReportConnection k("K");
    k.OnGetCols = [](TReportConnection& c) {
        c.AddColumn("Broj", TFieldType::Integer, 5, "", "");
        c.AddColumn("Podaci", TFieldType::String, 100, "", "");
    };
    k.OnOpen = [](TReportConnection& c) { c.SetRowCount(3); };
    k.OnGetRow = [](TReportConnection& c, int red) {
        if (red != 1) c.SetValue("podaci", QString("red %1").arg(red));  // row 1 leaves it unset
        c.SetValue(0, QString::number(red), red);
    };
    EXPECT_EQ(k.Pull("Podaci"), "red 0\r\n\r\nred 2");
    EXPECT_EQ(k.NativeValue(0).toInt(), 2);
}

}  // namespace
