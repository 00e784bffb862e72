// Zoomed in with the view-following scale, members away from the view are sampled as at the
// fitted view: what the view shows stays the same pixel for pixel, for far fewer items.
#include <gtest/gtest.h>

#include "CrtanjeDijagrama.h"
#include "GeneratorModela.h"
#include "PodrucjeDetalja.h"
#include "PomocniGrafika.h"
#include "Proracun.h"

namespace {

struct TRam {
    TModel model = GenerisiRamSaCvorova(600);
    TStanjeAnalize stanje;
    TRam() {
        TPosmatracBezEkrana posmatrac(model, stanje);
        const TRezultatProracuna r = PokreniAnalizu(model, stanje, posmatrac);
        EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
    }
};

// The frame fitted in an 800 x 600 plot, then the view `deo` of the fit about its centre.
void Zumiraj(TPlotPovrsina& g, const TRam& r, TPodesavanja p, double deo) {
    g.PostaviVelicinu(800, 600);
    p.zoomURealnomVremenu = true;
    CrtajGrafik(g, r.model, p, &r.stanje);
    const TPlotPovrsina::TOpsezi u = *g.Uklapanje();
    const double cx = (u.xL + u.xH) / 2, cz = (u.yL + u.yH) / 2;
    ASSERT_TRUE(g.Scale1X.PostaviOpseg(cx - (u.xH - u.xL) * deo / 2, cx + (u.xH - u.xL) * deo / 2));
    ASSERT_TRUE(g.Scale1Y.PostaviOpseg(cz - (u.yH - u.yL) * deo / 2, cz + (u.yH - u.yL) * deo / 2));
}

// An empty plot with the view of `g`.
void IstiPrikaz(TPlotPovrsina& kopija, const TPlotPovrsina& g) {
    kopija.PostaviVelicinu(g.Sirina(), g.Visina());
    kopija.SetJednakaRazmera(g.JednakaRazmera());
    ASSERT_TRUE(kopija.Scale1X.PostaviOpseg(g.Scale1X.RangeLow(), g.Scale1X.RangeHigh()));
    ASSERT_TRUE(kopija.Scale1Y.PostaviOpseg(g.Scale1Y.RangeLow(), g.Scale1Y.RangeHigh()));
}

TEST(PodrucjeDetalja, FarMembersSampledAsAtTheFitShowTheSameView) {
    const TRam r;
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    p.prikaz.linijaDeformacije = true;
    p.zoomURealnomVremenu = false;
    const auto dijagrami = DijagramiSvihStapova(r.model, r.stanje);
    // The second multiplier lifts the ordinates several views high: members whose axes lie far
    // outside the view reach into it and must be sampled finely too.
    for (const char* mnozilac : {"1", "40"}) {
        SCOPED_TRACE(mnozilac);
        p.prikaz.mnozilacDijagrama = mnozilac;
        TPlotPovrsina g;
        Zumiraj(g, r, p, 0.05);
        const double udeo = UdeoPrikaza(g, p);
        ASSERT_NEAR(udeo, 0.05, 1e-9);
        const TPodrucjeDetalja podrucje = PodrucjeZaCrtanje(g, p);
        ASSERT_FALSE(podrucje.svuda);
        EXPECT_TRUE(PrikazUPodrucju(g, podrucje));

        TPlotPovrsina deo, sve;
        IstiPrikaz(deo, g);
        IstiPrikaz(sve, g);
        CrtajDijagram(deo, r.model, p, dijagrami, udeo, podrucje);
        CrtajDijagram(sve, r.model, p, dijagrami, udeo, {});
        EXPECT_LT(3 * deo.Stavke().size(), sve.Stavke().size());
        EXPECT_EQ(Slika(deo), Slika(sve));

        TPlotPovrsina linijaDeo, linijaSve;
        IstiPrikaz(linijaDeo, g);
        IstiPrikaz(linijaSve, g);
        const long double m = 200 * std::stold(mnozilac);
        ASSERT_TRUE(CrtajLinijuDeformacije(linijaDeo, r.model, p, dijagrami, m, udeo, podrucje));
        ASSERT_TRUE(CrtajLinijuDeformacije(linijaSve, r.model, p, dijagrami, m, udeo, {}));
        EXPECT_LT(linijaDeo.Stavke().size(), linijaSve.Stavke().size());
        EXPECT_EQ(Slika(linijaDeo), Slika(linijaSve));
    }
}

TEST(PodrucjeDetalja, RegionIsTheViewWidenedByItselfAndEverywhereWithoutAZoom) {
    const TRam r;
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    TPlotPovrsina g;
    Zumiraj(g, r, p, 0.1);
    p.zoomURealnomVremenu = false;
    const TPodrucjeDetalja podrucje = PodrucjeZaCrtanje(g, p);
    ASSERT_FALSE(podrucje.svuda);
    const double sirina = g.Scale1X.RangeHigh() - g.Scale1X.RangeLow();
    auto pomeri = [&](double koliko) {
        ASSERT_TRUE(g.Scale1X.PostaviOpseg(g.Scale1X.RangeLow() + koliko * sirina,
                                           g.Scale1X.RangeHigh() + koliko * sirina));
    };
    pomeri(0.9);
    EXPECT_TRUE(PrikazUPodrucju(g, podrucje));
    pomeri(0.2);
    EXPECT_FALSE(PrikazUPodrucju(g, podrucje));
    pomeri(-1.1);

    // A drawing that refits, the option off, or a view zoomed out: detail everywhere.
    p.zoomURealnomVremenu = true;
    EXPECT_TRUE(PodrucjeZaCrtanje(g, p).svuda);
    p.zoomURealnomVremenu = false;
    p.prikaz.prilagodiRazmeru = false;
    EXPECT_TRUE(PodrucjeZaCrtanje(g, p).svuda);
    EXPECT_TRUE(PodrucjeDetalja(g, 1).svuda);
    EXPECT_TRUE(PodrucjeDetalja(g, 3).svuda);
}

}  // namespace
