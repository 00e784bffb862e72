#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "IzvozGrafika.h"
#include "ModelFajl.h"
#include "PomocniGrafika.h"

namespace {

std::string Privremeni(const std::string& ime) {
    return (std::filesystem::temp_directory_path() / (ime + "_" + std::to_string(getpid()))).string();
}

std::string Izlaz(const std::string& komanda) {
    std::string t;
    if (FILE* f = popen(komanda.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0) t.append(buf, n);
        pclose(f);
    }
    return t;
}

// The portal frame in symbols with its member numbers.
void Nacrtano(TPlotPovrsina& g) {
    TModelZaTest m;
    m.Cvor(0, 0, true, true, true);
    m.Cvor(0, 4);
    m.Cvor(6, 4, true, true, false);
    m.Stap(0, 1);
    m.Stap(1, 2, tsIG);
    TPodesavanja p;
    p.prikaz.simboli = true;
    p.prikaz.jednakaRazmera = true;
    g.PostaviVelicinu(640, 480);
    CrtajGrafik(g, m.model, p);
}

}  // namespace

TEST(IzvozGrafika, FormatFollowsTheExtension) {
    EXPECT_EQ(FormatSlike(QStringLiteral("a/b.SVG")), TFormatSlike::Svg);
    EXPECT_EQ(FormatSlike(QStringLiteral("b.pdf")), TFormatSlike::Pdf);
    EXPECT_EQ(FormatSlike(QStringLiteral("b.png")), TFormatSlike::Png);
    EXPECT_EQ(FormatSlike(QStringLiteral("b")), TFormatSlike::Png);
}

TEST(IzvozGrafika, SvgIsWellFormedAndHoldsTheDrawingAndTitleBlock) {
    Aplikacija();
    TPlotPovrsina g;
    Nacrtano(g);
    const QString put = QString::fromStdString(Privremeni("grafik") + ".svg");
    ASSERT_TRUE(SacuvajGrafik(g, put, 640, 480, QStringLiteral("ram.velt")).isEmpty());
    QFile f(put);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader x(&f);
    int crteza = 0;
    QStringList tekstovi;
    QString sirina, visina;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        if (x.name() == QLatin1String("svg")) {
            sirina = x.attributes().value(QLatin1String("width")).toString();
            visina = x.attributes().value(QLatin1String("height")).toString();
        }
        if (x.name() == QLatin1String("path") || x.name() == QLatin1String("polyline") ||
            x.name() == QLatin1String("polygon") || x.name() == QLatin1String("line"))
            ++crteza;
        if (x.name() == QLatin1String("text")) tekstovi << x.readElementText().trimmed();
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    f.close();
    QFile::remove(put);
    EXPECT_GT(crteza, 20);
    EXPECT_TRUE(tekstovi.contains(QStringLiteral("VELT - ram.velt")));
    for (const char* t : {"0", "1", "2"}) EXPECT_TRUE(tekstovi.contains(QString::fromLatin1(t))) << t;
    EXPECT_TRUE(sirina.startsWith(QStringLiteral("169")));  // 640 pixels at 96 per inch, in mm
    EXPECT_FALSE(visina.isEmpty());
}

TEST(IzvozGrafika, PdfIsAVectorPageWithTheDrawing) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
    Aplikacija();
    TPlotPovrsina g;
    Nacrtano(g);
    const std::string put = Privremeni("grafik") + ".pdf";
    ASSERT_TRUE(SacuvajGrafik(g, QString::fromStdString(put), 640, 480, QStringLiteral("ram.velt")).isEmpty());
    const std::string tekst = Izlaz("pdftotext -layout '" + put + "' -");
    EXPECT_NE(tekst.find("VELT - ram.velt"), std::string::npos) << tekst;
    const std::string info = Izlaz("pdfinfo '" + put + "'");
    // One page the size of the drawing and its title block: 640 x (480 + 36) pixels at 96 per inch.
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("480 x 387 pts"), std::string::npos) << info;
    // Read back as pixels: the clamp's bar and the members are there, in black.
    const std::string png = Privremeni("grafik_strana");
    ASSERT_EQ(std::system(("pdftoppm -r 96 -png -singlefile '" + put + "' '" + png + "'").c_str()), 0);
    QImage s;
    ASSERT_TRUE(s.load(QString::fromStdString(png + ".png")));
    std::filesystem::remove(put);
    std::filesystem::remove(png + ".png");
    EXPECT_EQ(s.size(), QSize(640, 480 + VisinaZaglavlja));
    int crnih = 0;
    for (int y = g.Gore() + 2; y < g.Dole() - 1; ++y)
        for (int x = g.Levo() + 2; x < g.Desno() - 1; ++x) crnih += qGray(s.pixel(x, y)) < 80;
    EXPECT_GT(crnih, 300);
}

// velt-cli writes all three formats, and a square drawn with --equal-scale into 900 x 600 is
// square on the picture.
TEST(RenderKomanda, FormatsByExtensionAndEqualScaleSquare) {
    namespace fs = std::filesystem;
    if (!fs::exists(VELT_CLI)) GTEST_SKIP() << "velt-cli is not built";
    TModelZaTest m;
    m.Cvor(0, 0, true, true, true);
    m.Cvor(3, 0);
    m.Cvor(3, 3);
    m.Cvor(0, 3);
    m.Stap(0, 1);
    m.Stap(1, 2);
    m.Stap(2, 3);
    m.Stap(3, 0);
    TPodesavanja p;
    p.prikaziSimbolCvora = p.prikaziBrojCvora = p.prikaziOslonceCvora = false;
    p.prikaziBrojStapa = p.prikaziOrjentacijuStapa = false;
    p.mrezaGrafika = false;
    const std::string model = Privremeni("kvadrat") + ".velt";
    SnimiModel(model, m.model, p);
    const std::string cli = std::string(VELT_CLI) + " render '" + model + "' ";
    const std::string png = Privremeni("kvadrat") + ".png";
    ASSERT_EQ(std::system((cli + "-o '" + png + "' --width 900 --height 600 --equal-scale 2>/dev/null").c_str()), 0);
    Aplikacija();
    QImage s;
    ASSERT_TRUE(s.load(QString::fromStdString(png)));
    TPlotPovrsina g;
    g.PostaviVelicinu(900, 600);
    auto okvir = [&] {
        int levo = 9999, desno = -1, gore = 9999, dole = -1;
        for (int y = g.Gore() + 1; y < g.Dole(); ++y)
            for (int x = g.Levo() + 1; x < g.Desno(); ++x)
                if (BojaPiksela(s, x, y) == clBlack) {
                    levo = std::min(levo, x);
                    desno = std::max(desno, x);
                    gore = std::min(gore, y);
                    dole = std::max(dole, y);
                }
        return std::pair{desno - levo, dole - gore};
    };
    const auto [sirina, visina] = okvir();
    EXPECT_GT(sirina, 200);
    EXPECT_NEAR(sirina, visina, 1);
    // Without the option the free fit stretches it to the plot area's shape: 825 x 535 pixels
    // each show 4.2 units.
    ASSERT_EQ(std::system((cli + "-o '" + png + "' --width 900 --height 600 2>/dev/null").c_str()), 0);
    ASSERT_TRUE(s.load(QString::fromStdString(png)));
    const auto [sirinaSlobodno, visinaSlobodno] = okvir();
    EXPECT_NEAR(sirinaSlobodno, 825 * 3 / 4.2, 2);
    EXPECT_NEAR(visinaSlobodno, 535 * 3 / 4.2, 2);

    for (const char* ekst : {".svg", ".pdf"}) {
        const std::string put = Privremeni("kvadrat") + ekst;
        EXPECT_EQ(std::system((cli + "-o '" + put + "' --symbols --diagram M --deflected 2>/dev/null").c_str()), 0);
        std::ifstream f(put, std::ios::binary);
        std::string pocetak(5, '\0');
        f.read(pocetak.data(), 5);
        EXPECT_EQ(pocetak, std::string(ekst) == ".svg" ? "<?xml" : "%PDF-") << ekst;
        fs::remove(put);
    }
    EXPECT_NE(std::system((cli + "-o x.png --diagram Q 2>/dev/null").c_str()), 0);
    fs::remove(png);
    fs::remove(model);
}
