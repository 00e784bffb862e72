#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "ModelFajl.h"
#include "PomocniGrafika.h"

namespace {

// An item as the tests write it down: kind, world point, and what matters for its kind.
struct TOcekivano {
    TItemKind kind;
    double x, y;
    double x2 = 0, y2 = 0;  // arrow end, or text offsets
    QString tekst = {};
    int broj = 0;  // mark kind, text size or head size
    TColor boja = clBlack;
};

void Uporedi(const std::vector<TChartItem>& stavke, const std::vector<TOcekivano>& ocekivano) {
    ASSERT_EQ(stavke.size(), ocekivano.size());
    for (size_t i = 0; i < stavke.size(); ++i) {
        const TChartItem& s = stavke[i];
        const TOcekivano& o = ocekivano[i];
        SCOPED_TRACE("stavka " + std::to_string(i));
        EXPECT_EQ(s.ItemKind, o.kind);
        EXPECT_NEAR(s.x, o.x, 1e-12);
        EXPECT_NEAR(s.y, o.y, 1e-12);
        EXPECT_EQ(s.Color, o.boja);
        switch (o.kind) {
            case tkMarkAt: EXPECT_EQ(s.MarkOrAlign, o.broj); break;
            case tkTextOfs:
                EXPECT_EQ(s.Text, o.tekst);
                EXPECT_EQ(s.x2, o.x2);
                EXPECT_EQ(s.y2, o.y2);
                EXPECT_EQ(s.SizeOrAngle, 11);
                EXPECT_EQ(s.MarkOrAlign, taLeftJustify);
                break;
            case tkArrow:
                EXPECT_NEAR(s.x2, o.x2, 1e-12);
                EXPECT_NEAR(s.y2, o.y2, 1e-12);
                EXPECT_EQ(s.SizeOrAngle, o.broj);
                EXPECT_EQ(s.FillColor, clSilver);
                break;
            default: break;
        }
    }
}

TOcekivano Oznaka(double x, double y, int mk, TColor b = clBlack) { return {tkMarkAt, x, y, 0, 0, {}, mk, b}; }
TOcekivano Natpis(double x, double y, const char* t, int dy, int dx = 5) {
    return {tkTextOfs, x, y, double(dx), double(dy), QString::fromUtf8(t)};
}

// Where a support label starts when `pre` labels stand before it on its line.
int PomakOslonca(std::initializer_list<const char*> pre) {
    int dx = 5;
    for (const char* t : pre)
        dx += TPlotPovrsina::SirinaTeksta(QString::fromLatin1(t), 11) +
              TPlotPovrsina::SirinaTeksta(QStringLiteral(" "), 11);
    return dx;
}

TPodesavanja SamoCvorovi() {
    TPodesavanja p;
    p.prikaziSimbolStapa = p.prikaziBrojStapa = p.prikaziOrjentacijuStapa = false;
    return p;
}

}  // namespace

TEST(CrtanjeKonstrukcije, NodeWithSupportsAndLoads) {
    TModelZaTest m;
    TCvor& c = m.Cvor(2, 3, true, true, true);
    c.SetPz(10);
    c.SetMkoncY(5.5);
    TPlotPovrsina g;
    TPodesavanja p = SamoCvorovi();
    p.prikaziOpterecenjeCvora = true;
    CrtajGrafik(g, m.model, p);
    Uporedi(
        g.Stavke(),
        {Oznaka(2, 3, 9), Natpis(2, 3, "0", -15), Natpis(2, 3, "Ox", 15), Natpis(2, 3, "Oz", 15, PomakOslonca({"Ox"})),
         Natpis(2, 3, "Ofiy", 15, PomakOslonca({"Ox", "Oz"})), Natpis(2, 3, "Pz=10", 30), Natpis(2, 3, "My=5.5", 45)});

    // Support labels off: the load lines start at the first line.
    p.prikaziOslonceCvora = false;
    p.prikaziSimbolCvora = p.prikaziBrojCvora = false;
    c.SetPx(-1.25);
    CrtajGrafik(g, m.model, p);
    Uporedi(g.Stavke(), {Natpis(2, 3, "Px=-1.25", 15), Natpis(2, 3, "Pz=10", 30), Natpis(2, 3, "My=5.5", 45)});
}

// Each support label starts a blank's width after the measured end of the ones before it.
TEST(CrtanjeKonstrukcije, SupportLabelSpacingDependsOnTheLabelsBefore) {
    Aplikacija();
    const struct {
        bool x, z, y;
        std::vector<TOcekivano> natpisi;
    } slucajevi[] = {
        {false, true, false, {Natpis(0, 0, "Oz", 15)}},
        {false, false, true, {Natpis(0, 0, "Ofiy", 15)}},
        {true, false, true, {Natpis(0, 0, "Ox", 15), Natpis(0, 0, "Ofiy", 15, PomakOslonca({"Ox"}))}},
        {false, true, true, {Natpis(0, 0, "Oz", 15), Natpis(0, 0, "Ofiy", 15, PomakOslonca({"Oz"}))}},
        {true, true, false, {Natpis(0, 0, "Ox", 15), Natpis(0, 0, "Oz", 15, PomakOslonca({"Ox"}))}},
    };
    for (const auto& s : slucajevi) {
        TModelZaTest m;
        m.Cvor(0, 0, s.x, s.z, s.y);
        TPlotPovrsina g;
        TPodesavanja p = SamoCvorovi();
        p.prikaziSimbolCvora = p.prikaziBrojCvora = false;
        CrtajGrafik(g, m.model, p);
        Uporedi(g.Stavke(), s.natpisi);
    }
}

// On the picture the three labels of a clamped node are three separate words.
TEST(CrtanjeKonstrukcije, SupportLabelsDoNotTouch) {
    Aplikacija();
    TModelZaTest m;
    m.Cvor(0, 0, true, true, true);
    TPlotPovrsina g;
    g.PostaviVelicinu(400, 300);
    TPodesavanja p = SamoCvorovi();
    p.prikaziSimbolCvora = p.prikaziBrojCvora = false;
    CrtajGrafik(g, m.model, p);
    const QImage s = Slika(g);
    // The label line is centred 15 px below the node; gather ink columns right of it.
    const int x0 = g.XUPiksel(0), y0 = g.YUPiksel(0) + 15;
    std::vector<std::pair<int, int>> reci;
    for (int x = x0; x < x0 + 150; ++x) {
        bool mastilo = false;
        for (int y = y0 - 9; y <= y0 + 9 && !mastilo; ++y) mastilo = qGray(s.pixel(x, y)) < 160;
        if (!mastilo) continue;
        if (reci.empty() || x - reci.back().second > 2) reci.push_back({x, x});
        else reci.back().second = x;
    }
    // "Ofiy" may split at the narrow "i"; the first two words and the third's start are apart.
    ASSERT_GE(reci.size(), 3u);
    EXPECT_GE(reci[1].first - reci[0].second, 3);
    EXPECT_GE(reci[2].first - reci[1].second, 3);
}

TEST(CrtanjeKonstrukcije, MembersHingesNumbersArrowsAndLoadNames) {
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(10, 0);
    m.Cvor(10, 4);
    m.Stap(0, 1, tsProst);
    m.Stap(2, 1, tsIG);
    m.Stap(1, 2, tsGK);
    m.Opterecenje("Sneg", 1);
    m.Opterecenje("Nije dodeljeno", -1);
    m.Opterecenje("Vrlo dugacko ime opterecenja", 1);
    m.Opterecenje("Vetar", 0);
    TPlotPovrsina g;
    TPodesavanja p;
    p.prikaziSimbolCvora = p.prikaziBrojCvora = false;
    p.prikaziOpterecenjeStapa = true;
    CrtajGrafik(g, m.model, p);
    Uporedi(g.Stavke(), {
                            {tkMoveTo, 0, 0},
                            {tkLineto, 10, 0},
                            Oznaka(0.5, 0, 17),
                            Oznaka(9.5, 0, 17),
                            {tkMoveTo, 10, 4},
                            {tkLineto, 10, 0},
                            Oznaka(10, 0.2, 17),
                            {tkMoveTo, 10, 0},
                            {tkLineto, 10, 4},
                            Oznaka(10, 0.2, 17),
                            Natpis(5, 0, "0", -15),
                            Natpis(10, 2, "1", -15),
                            Natpis(10, 2, "2", -15),
                            {tkArrow, 0, 0, 2.5, 0, {}, 15},
                            {tkArrow, 10, 4, 10, 3, {}, 15},
                            {tkArrow, 10, 0, 10, 1, {}, 15},
                            Natpis(5, 0, "Vetar", 15),
                            Natpis(10, 2, "Sneg", 15),
                            Natpis(10, 2, "Vrlo dugacko im", 30),
                        });
}

TEST(CrtanjeKonstrukcije, DeformedShapeComesFirstInGrey) {
    TModelZaTest m;
    m.Cvor(0, 0);
    TCvor& b = m.Cvor(4, 0);
    b.SetUx(0.01);
    b.SetUz(-0.02);
    m.Stap(0, 1);
    TPlotPovrsina g;
    TPodesavanja p;
    p.prikaziBrojCvora = p.prikaziBrojStapa = p.prikaziOrjentacijuStapa = false;
    p.deformacijaNosaca = true;
    p.mnozilacPomeranja = "50";
    CrtajGrafik(g, m.model, p);
    Uporedi(g.Stavke(), {Oznaka(0, 0, 9, clGray),
                         Oznaka(4.5, -1, 9, clGray),
                         {tkMoveTo, 0, 0, 0, 0, {}, 0, clGray},
                         {tkLineto, 4.5, -1, 0, 0, {}, 0, clGray},
                         Oznaka(0, 0, 9),
                         Oznaka(4, 0, 9),
                         {tkMoveTo, 0, 0},
                         {tkLineto, 4, 0}});
    EXPECT_EQ(p.mnozilacPomeranja, "50");

    // A multiplier that is not a number draws with 100 and puts "100.0" back into the field.
    p.mnozilacPomeranja = "abc";
    p.prikaziSimbolStapa = false;
    CrtajGrafik(g, m.model, p);
    EXPECT_EQ(p.mnozilacPomeranja, "100.0");
    Uporedi(g.Stavke(), {Oznaka(0, 0, 9, clGray), Oznaka(5, -2, 9, clGray), Oznaka(0, 0, 9), Oznaka(4, 0, 9)});
}

TEST(CrtanjeKonstrukcije, FitFramesTheNodes) {
    const struct {
        std::vector<std::pair<double, double>> cvorovi;
        int faktor;
        double xL, xH, zL, zH;
    } slucajevi[] = {
        {{}, 4, -1, 1, -1, 1},
        {{{0, 0}}, 4, -1, 1, -1, 1},
        {{{0, 0}, {10, 5}}, 4, -2, 12, -1, 6},
        {{{0, 5}, {10, 0}}, 9, -9, 19, -4.5, 9.5},
        {{{0, 0}, {10, 5}}, 0, 3.6, 6.4, 1.8, 3.2},   // t = 0.2: 0.2 * 14 wide
        {{{0, 0}, {6, 0}}, 4, -1.2, 7.2, -1, 1},      // all on the X axis
        {{{0, -2}, {0, 3}}, 13, -1, 1, -34.5, 35.5},  // all on the Z axis, t = 10
        // One shared coordinate other than 0: +-1 around it.
        {{{2, 3}}, 4, 1, 3, 2, 4},
        {{{5, 0}, {5, 4}}, 4, 4, 6, -0.8, 4.8},
    };
    for (const auto& s : slucajevi) {
        TModelZaTest m;
        for (auto [x, z] : s.cvorovi) m.Cvor(x, z);
        TPlotPovrsina g;
        TPodesavanja p;
        p.zoomSve = s.faktor;
        PodesiKrajnjeGraniceGrafika(g, m.model, p);
        SCOPED_TRACE(std::to_string(s.cvorovi.size()) + " cvorova, faktor " + std::to_string(s.faktor));
        EXPECT_NEAR(g.Scale1X.RangeLow(), s.xL, 1e-12);
        EXPECT_NEAR(g.Scale1X.RangeHigh(), s.xH, 1e-12);
        EXPECT_NEAR(g.Scale1Y.RangeLow(), s.zL, 1e-12);
        EXPECT_NEAR(g.Scale1Y.RangeHigh(), s.zH, 1e-12);
    }
}

TEST(CrtanjeKonstrukcije, WithoutRealTimeFittingThePannedViewStays) {
    TModelZaTest m;
    m.Cvor(0, 0);
    m.Cvor(10, 5);
    TPlotPovrsina g;
    TPodesavanja p;
    CrtajGrafik(g, m.model, p);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), -2);
    g.Scale1X.PostaviOpseg(100, 200);
    p.zoomURealnomVremenu = false;
    p.prikaziBrojCvora = false;
    CrtajGrafik(g, m.model, p);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), 100);
    p.zoomURealnomVremenu = true;
    CrtajGrafik(g, m.model, p);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), -2);
}

TEST(CrtanjeKonstrukcije, SingleNodeSitsInTheMiddleOfTheImage) {
    TModelZaTest m;
    m.Cvor(0, 0, true, true, false);
    TPlotPovrsina g;
    g.PostaviVelicinu(505, 405);  // plot area 50..480 x 20..360: the centre is (265, 190)
    TPodesavanja p;
    CrtajGrafik(g, m.model, p);
    const QImage s = Slika(g);
    for (int d = -3; d <= 3; ++d) {
        EXPECT_EQ(BojaPiksela(s, 265 + d, 190 + d), clBlack);
        EXPECT_EQ(BojaPiksela(s, 265 - d, 190 + d), clBlack);
    }
    // Its number above right, its support labels below right: ink in both places, none left of it.
    auto tinta = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += qGray(s.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_GT(tinta(270, 168, 285, 182), 5);
    EXPECT_GT(tinta(270, 198, 310, 212), 10);
    EXPECT_EQ(tinta(230, 160, 260, 185), 0);
}

TEST(RenderKomanda, DrawsTheExampleWithNodesWhereTheMappingPutsThem) {
    namespace fs = std::filesystem;
    if (!fs::exists(VELT_CLI)) GTEST_SKIP() << "velt-cli is not built";
    const std::string model = std::string(VELT_EXAMPLES_DIR) + "/portalni-ram.velt";
    if (!fs::exists(model)) GTEST_SKIP() << "no example model";
    const std::string izlaz = (fs::temp_directory_path() / ("render_" + std::to_string(getpid()) + ".png")).string();
    const std::string komanda =
        std::string(VELT_CLI) + " render '" + model + "' -o '" + izlaz + "' --width 640 --height 480 2>&1";
    ASSERT_EQ(std::system(komanda.c_str()), 0);
    QImage s;
    Aplikacija();
    ASSERT_TRUE(s.load(QString::fromStdString(izlaz)));
    fs::remove(izlaz);
    EXPECT_EQ(s.size(), QSize(640, 480));

    TModel mod;
    TPodesavanja p;
    ProcitajModel(model, mod, p);
    TPlotPovrsina g;
    g.PostaviVelicinu(640, 480);
    PodesiKrajnjeGraniceGrafika(g, mod, p);
    for (const auto& c : mod.nizCvorova) {
        const int x = g.XUPiksel(double(c->X())), y = g.YUPiksel(double(c->Z()));
        for (auto [dx, dy] : {std::pair{-3, -3}, {3, 3}, {-3, 3}, {3, -3}})
            EXPECT_EQ(BojaPiksela(s, x + dx, y + dy), clBlack);
    }
    EXPECT_EQ(BojaPiksela(s, g.Desno() + 3, g.Dole()), clGray);  // shadow

    EXPECT_NE(std::system((std::string(VELT_CLI) + " render '" + model + "' 2>/dev/null").c_str()), 0);
    EXPECT_NE(
        std::system((std::string(VELT_CLI) + " render '" + model + "' -o x.png --factor-index 14 2>/dev/null").c_str()),
        0);
}

TEST(RenderKomanda, DeformedShapeIsDrawnInGreyAfterTheAnalysis) {
    namespace fs = std::filesystem;
    if (!fs::exists(VELT_CLI)) GTEST_SKIP() << "velt-cli is not built";
    const std::string model = std::string(VELT_EXAMPLES_DIR) + "/resetka.velt";
    if (!fs::exists(model)) GTEST_SKIP() << "no example model";
    const std::string izlaz =
        (fs::temp_directory_path() / ("render_def_" + std::to_string(getpid()) + ".png")).string();
    auto sivih = [&](const std::string& opcije) {
        const std::string komanda =
            std::string(VELT_CLI) + " render '" + model + "' -o '" + izlaz + "' " + opcije + " 2>&1";
        EXPECT_EQ(std::system(komanda.c_str()), 0) << opcije;
        Aplikacija();
        QImage s;
        EXPECT_TRUE(s.load(QString::fromStdString(izlaz)));
        fs::remove(izlaz);
        TPlotPovrsina g;
        g.PostaviVelicinu(s.width(), s.height());
        int n = 0;  // grey inside the plot area (the shadow outside it is grey too)
        for (int y = g.Gore() + 1; y < g.Dole(); ++y)
            for (int x = g.Levo() + 1; x < g.Desno(); ++x) n += BojaPiksela(s, x, y) == clGray;
        return n;
    };
    EXPECT_LT(sivih(""), 20);  // a few anti-aliased text pixels at most
    EXPECT_GT(sivih("--deformed --multiplier 500"), 100);
}

// An analysis that fails still gives the picture of the structure, without the deformed shape;
// the reason is on stderr and the exit status is not 0.
TEST(RenderKomanda, AFailingAnalysisStillDrawsTheStructure) {
    namespace fs = std::filesystem;
    if (!fs::exists(VELT_CLI)) GTEST_SKIP() << "velt-cli is not built";
    Aplikacija();
    TModelZaTest m;
    m.Cvor(0, 0, true, true);
    m.Cvor(4, 0, false, true);
    m.Cvor(8, 3);  // no member ends here
    m.Stap(0, 1, tsProst);
    TPodesavanja p;
    p.deformacijaNosaca = true;
    const std::string osnova = (fs::temp_directory_path() / ("render_los_" + std::to_string(getpid()))).string();
    SnimiModel(osnova + ".velt", m.model, p);
    const std::string komanda = std::string(VELT_CLI) + " render '" + osnova + ".velt' -o '" + osnova +
                                ".png' --width 640 --height 480 2>'" + osnova + ".txt'";
    EXPECT_NE(std::system(komanda.c_str()), 0);
    std::ifstream f(osnova + ".txt");
    const std::string greske((std::istreambuf_iterator<char>(f)), {});
    QImage s;
    const bool ima = s.load(QString::fromStdString(osnova + ".png"));
    for (const char* e : {".velt", ".png", ".txt"}) fs::remove(osnova + e);
    EXPECT_NE(greske.find("Postoje cvorovi bez stapova!!!"), std::string::npos) << greske;
    EXPECT_NE(greske.find("Cvor 2 nije kraj nijednog stapa"), std::string::npos) << greske;
    ASSERT_TRUE(ima);

    TPlotPovrsina g;
    g.PostaviVelicinu(640, 480);
    PodesiKrajnjeGraniceGrafika(g, m.model, p);
    int sivih = 0;
    for (int y = g.Gore() + 1; y < g.Dole(); ++y)
        for (int x = g.Levo() + 1; x < g.Desno(); ++x) sivih += BojaPiksela(s, x, y) == clGray;
    EXPECT_LT(sivih, 20);
    for (const auto& c : m.model.nizCvorova)
        EXPECT_EQ(BojaPiksela(s, g.XUPiksel(double(c->X())) + 3, g.YUPiksel(double(c->Z())) - 3), clBlack);
}
