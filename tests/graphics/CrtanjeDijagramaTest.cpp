#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CrtanjeDijagrama.h"
#include "PomocniGrafika.h"
#include "Proracun.h"

namespace {

// A clamped beam of span 6 along X under 10 down: M = -30 at the clamps, +15 at mid-span, and the
// mid-span sag qL^4/(384 EI) with EI = 2e5.
struct TUkljestenaGreda : TModelZaTest {
    TStanjeAnalize stanje;
    TUkljestenaGreda() {
        Cvor(0, 0, true, true, true);
        Cvor(6, 0, true, true, true);
        Stap(0, 1);
        Opterecenje("q", 0);
        TPosmatracBezEkrana posmatrac(model, stanje);
        EXPECT_EQ(PokreniAnalizu(model, stanje, posmatrac).ishod, TIshodProracuna::Uspeh);
    }
};

std::vector<const TChartItem*> UBoji(const TPlotPovrsina& g, TColor boja, TItemKind vrsta) {
    std::vector<const TChartItem*> r;
    for (const auto& s : g.Stavke())
        if (s.Color == boja && s.ItemKind == vrsta) r.push_back(&s);
    return r;
}

TEST(CrtanjeDijagrama, WithoutDiagramOrLineTheDrawingIsAsBefore) {
    Aplikacija();
    TUkljestenaGreda m;
    for (bool deformacija : {false, true}) {
        TPodesavanja p;
        p.deformacijaNosaca = deformacija;
        TPlotPovrsina bez, sa;
        CrtajGrafik(bez, m.model, p);
        CrtajGrafik(sa, m.model, p, &m.stanje);
        EXPECT_TRUE(IsteStavke(bez, sa));
    }
    // Asked for, but without results: nothing of it either.
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    TStanjeAnalize prazno;
    TPlotPovrsina bez, sa;
    TPodesavanja p0;
    CrtajGrafik(bez, m.model, p0);
    CrtajGrafik(sa, m.model, p, &prazno);
    EXPECT_TRUE(IsteStavke(bez, sa));
}

TEST(CrtanjeDijagrama, MomentOrdinatesScaleAndLieOnTheStretchedSide) {
    Aplikacija();
    TUkljestenaGreda m;
    // The beam's view spans 2 across it (a straight beam is fitted to +-1), so the largest ordinate,
    // 30 at the clamps, is 0.15 * 2 times the multiplier; the sagging 15 hangs below the beam.
    const struct {
        const char* mnozilac;
        double najveca;
        const char* posle;
    } slucajevi[] = {{"1", 0.3, "1"}, {"2", 0.6, "2"}, {"abc", 0.3, "1"}, {"-1", 0.3, "1"}};
    for (const auto& s : slucajevi) {
        TPodesavanja p;
        p.prikaz.dijagram = TPrikaz::M;
        p.prikaz.mnozilacDijagrama = s.mnozilac;
        TPlotPovrsina g;
        CrtajGrafik(g, m.model, p, &m.stanje);
        SCOPED_TRACE(s.mnozilac);
        EXPECT_EQ(p.prikaz.mnozilacDijagrama, s.posle);
        const auto obris = UBoji(g, BojaDijagramaM, tkLineto);
        ASSERT_FALSE(obris.empty());
        double gore = 0, dole = 0, xDole = 0;
        for (const TChartItem* t : obris) {
            gore = std::max(gore, t->y);
            if (t->y < dole) dole = t->y, xDole = t->x;
        }
        EXPECT_NEAR(gore, s.najveca, 1e-9);
        EXPECT_NEAR(dole, -s.najveca / 2, 1e-9);
        EXPECT_NEAR(xDole, 3, 1e-9);
        // The clamp value once per end, the mid-span value once.
        QStringList tekstovi;
        for (const TChartItem* t : UBoji(g, BojaDijagramaM, tkTextOfs)) tekstovi << t->Text;
        EXPECT_EQ(tekstovi.count(QStringLiteral("-30")), 2) << tekstovi.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(tekstovi.count(QStringLiteral("15")), 1) << tekstovi.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(UBoji(g, 0xE8A9A9, tkLineto).empty());  // the hatching, a lighter red
    }
}

// The hatching against a plain reference: at each step an ordinate from the axis to the value of
// the whole set of section values there, for each diagram and at a zoomed view's share; and the
// list was made room for once, ahead of the diagram.
TEST(CrtanjeDijagrama, HatchingIsTheOrdinateOfTheValuesAtEachStep) {
    Aplikacija();
    TUkljestenaGreda m;
    const auto dijagrami = DijagramiSvihStapova(m.model, m.stanje);
    const struct {
        int vrsta;
        double udeo;
        long double TVrednostiPreseka::*polje;
        double strana;
    } slucajevi[] = {{TPrikaz::M, 1, &TVrednostiPreseka::M, -1},
                     {TPrikaz::M, 0.01, &TVrednostiPreseka::M, -1},
                     {TPrikaz::T, 1, &TVrednostiPreseka::T, 1},
                     {TPrikaz::T, 0.3, &TVrednostiPreseka::T, 1}};
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.udeo);
        TPodesavanja p;
        p.prikaz.dijagram = s.vrsta;
        TPlotPovrsina g;
        CrtajDijagram(g, m.model, p, dijagrami, s.udeo);
        const TDijagramiStapa& d = dijagrami[0];
        const long double najveca = std::max(std::fabs(d.Vrednosti(0).*s.polje), std::fabs(d.Vrednosti(3).*s.polje));
        const double velicina = VelicinaZaDijagram(m.model, p) * s.udeo;
        const double razmera = double(UdeoDijagrama * velicina / najveca);
        const int srafura = std::clamp(int(double(d.L) / (velicina / 120)), 2, 200);
        TPlotPovrsina ref;
        for (int k = 1; k < srafura; ++k) {
            const long double x = d.L * k / srafura;
            ref.MoveTo(double(x), 0);
            ref.DrawTo(double(x), double(d.Vrednosti(x).*s.polje) * razmera * s.strana);
        }
        ASSERT_GE(g.Stavke().size(), ref.Stavke().size());
        bool iste = true;
        for (size_t i = 0; i < ref.Stavke().size(); ++i) {
            const TChartItem &a = g.Stavke()[i], &b = ref.Stavke()[i];
            iste = iste && a.ItemKind == b.ItemKind && a.x == b.x && a.y == b.y;
        }
        EXPECT_TRUE(iste);
        EXPECT_GE(g.Kapacitet(), g.Stavke().size());
        EXPECT_LE(g.Kapacitet(), (g.Stavke().size() + 4) * 3 / 2);
    }
}

TEST(CrtanjeDijagrama, DeflectedLineReplacesTheChords) {
    Aplikacija();
    TUkljestenaGreda m;
    TPodesavanja p;
    p.deformacijaNosaca = true;
    p.mnozilacPomeranja = "100";
    TPlotPovrsina tetive, linija;
    CrtajGrafik(tetive, m.model, p, &m.stanje);
    EXPECT_EQ(UBoji(tetive, BojaDeformacije, tkLineto).size(), 1u);
    p.prikaz.linijaDeformacije = true;
    CrtajGrafik(linija, m.model, p, &m.stanje);
    const auto tacke = UBoji(linija, BojaDeformacije, tkLineto);
    ASSERT_GT(tacke.size(), 8u);
    const auto najniza = std::min_element(tacke.begin(), tacke.end(), [](auto a, auto b) { return a->y < b->y; });
    EXPECT_NEAR((*najniza)->x, 3, 1e-9);
    EXPECT_NEAR((*najniza)->y, -100 * 10 * 1296 / (384 * 2e5), 1e-12);
}

// "linija deformacije" alone: the clamped beam's exact line w(x) = q x^2 (L - x)^2 / (24 EI),
// scaled so that its largest value, at mid-span, is a tenth of the 6 m span (times the multiplier
// over 100): y(x) = -0.6 * x^2 (6 - x)^2 / 81.
TEST(CrtanjeDijagrama, DeflectedLineOnItsOwnScalesItself) {
    Aplikacija();
    TUkljestenaGreda m;
    const struct {
        const char* mnozilac;
        double sredina;
    } slucajevi[] = {{"100", -0.6}, {"200", -1.2}, {"x", -0.6}};
    for (const auto& s : slucajevi) {
        TPodesavanja p;
        p.prikaz.linijaDeformacije = true;
        p.mnozilacPomeranja = s.mnozilac;
        TPlotPovrsina g;
        CrtajGrafik(g, m.model, p, &m.stanje);
        const auto tacke = UBoji(g, BojaDeformacije, tkLineto);
        ASSERT_GT(tacke.size(), 8u) << s.mnozilac;
        for (const TChartItem* t : tacke)
            EXPECT_NEAR(t->y, s.sredina * t->x * t->x * (6 - t->x) * (6 - t->x) / 81, 1e-9) << t->x;
        EXPECT_TRUE(UBoji(g, BojaDeformacije, tkMarkAt).empty());  // no displaced nodes without "pomeranja"
    }
    TPodesavanja bez;
    TPlotPovrsina g;
    CrtajGrafik(g, m.model, bez, &m.stanje);
    EXPECT_TRUE(UBoji(g, BojaDeformacije, tkLineto).empty());
}

TEST(CrtanjeDijagrama, PointUnderTheMouseNamesTheValuesThere) {
    Aplikacija();
    TUkljestenaGreda m;
    TPodesavanja p;
    TPlotPovrsina g;
    g.PostaviVelicinu(800, 600);
    CrtajGrafik(g, m.model, p, &m.stanje);
    const auto t = StapPodTackom(g, m.model, g.XUPiksel(3), g.YUPiksel(0) + 2);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->stap, 0u);
    EXPECT_NEAR(double(t->x), 3, 0.05);
    const auto d = DijagramiSvihStapova(m.model, m.stanje);
    const std::string tekst = OpisTackeNaStapu(m.model, TTackaNaStapu{0, 3}, d[0]);
    EXPECT_EQ(tekst.rfind("Stap 0, x = 3: N = 0, T = ", 0), 0u) << tekst;
    EXPECT_NE(tekst.find(", M = 15, w = -0.0001688"), std::string::npos) << tekst;
    EXPECT_FALSE(StapPodTackom(g, m.model, g.XUPiksel(3), g.YUPiksel(0) + 40).has_value());
}

}  // namespace
