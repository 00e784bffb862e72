#include <gtest/gtest.h>

#include "GeneratorModela.h"
#include "PomocniGrafika.h"
#include "RasporedOznaka.h"

TEST(RasporedOznaka, SegmentsAndBoxes) {
    const TOkvir o{10, 10, 20, 20};
    EXPECT_TRUE(DuzSeceOkvir({0, 15, 30, 15}, o));
    EXPECT_TRUE(DuzSeceOkvir({12, 12, 13, 13}, o));  // wholly inside
    EXPECT_FALSE(DuzSeceOkvir({0, 0, 30, 5}, o));
    EXPECT_FALSE(DuzSeceOkvir({0, 10, 30, 10}, o));  // along an edge only
    EXPECT_TRUE(DuzSeceOkvir({0, 30, 30, 0}, o));    // the diagonal through the middle
    EXPECT_FALSE(Preklapaju(o, {20, 10, 30, 20}));   // touching
    EXPECT_TRUE(Preklapaju(o, {19, 19, 30, 30}));
}

TEST(RasporedOznaka, TakesTheFirstFreePlaceOrLeavesTheLabelOut) {
    const TOkvir granice{0, 0, 200, 200};
    TZauzeto z;
    TOznakaZaRaspored o{100, 100, 20, 10, 4};
    // Free all round: right above.
    auto r = RasporediOznake({o}, z, granice);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].okvir.levo, PolozajOznake(o, 0).levo);
    EXPECT_GT(r[0].okvir.levo, 100);
    EXPECT_LT(r[0].okvir.dole, 100);
    // The same anchor again: that place is taken now, so left above.
    r = RasporediOznake({o}, z, granice);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_LT(r[0].okvir.desno, 100);
    EXPECT_LT(r[0].okvir.dole, 100);
    // A line crossing all the places round the anchor: nothing fits.
    TZauzeto puno;
    for (int y = 60; y <= 140; y += 4) puno.Dodaj(TDuz{50, double(y), 150, double(y)});
    EXPECT_TRUE(RasporediOznake({o}, puno, granice).empty());
    // A label that would stick out of the plot is moved inside or left out.
    TZauzeto prazno;
    r = RasporediOznake({TOznakaZaRaspored{195, 5, 20, 10, 4}}, prazno, granice);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_LE(r[0].okvir.desno, 200);
    EXPECT_GE(r[0].okvir.gore, 0);
}

// Every node and member of a dense frame asks for a label at the fitted view: the placed boxes
// never overlap each other or a member line, and zooming in places more of them.
TEST(RasporedOznaka, DenseFrameNeverGetsOverlappingLabels) {
    const TModel m = GenerisiRamSaCvorova(300);
    TPodesavanja p;
    auto postavi = [&](int faktor) {
        p.zoomSve = faktor;
        TPlotPovrsina g;
        g.PostaviVelicinu(900, 650);
        PodesiKrajnjeGraniceGrafika(g, m, p);
        TZauzeto z;
        std::vector<TDuz> linije;
        for (const auto& s : m.nizStapova) {
            const TCvor* a = s->PocetniCvor();
            const TCvor* b = s->KrajnjiCvor();
            linije.push_back({double(g.XUPiksel(double(a->X()))), double(g.YUPiksel(double(a->Z()))),
                              double(g.XUPiksel(double(b->X()))), double(g.YUPiksel(double(b->Z())))});
            z.Dodaj(linije.back());
        }
        std::vector<TOznakaZaRaspored> oznake;
        for (const auto& c : m.nizCvorova)
            oznake.push_back({double(g.XUPiksel(double(c->X()))), double(g.YUPiksel(double(c->Z()))), 22, 14, 5});
        for (const TDuz& d : linije) oznake.push_back({(d.x1 + d.x2) / 2, (d.y1 + d.y2) / 2, 26, 16, 5});
        const TOkvir granice{double(g.Levo()), double(g.Gore()), double(g.Desno()), double(g.Dole())};
        const auto r = RasporediOznake(oznake, z, granice);
        size_t unutra = 0;  // anchors well inside the view
        for (const TOznakaZaRaspored& o : oznake)
            unutra += o.x > granice.levo + 40 && o.x < granice.desno - 40 && o.y > granice.gore + 40 &&
                      o.y < granice.dole - 40;
        for (size_t i = 0; i < r.size(); ++i) {
            const TOkvir& a = r[i].okvir;
            EXPECT_TRUE(a.levo >= granice.levo && a.desno <= granice.desno && a.gore >= granice.gore &&
                        a.dole <= granice.dole);
            for (size_t k = i + 1; k < r.size(); ++k) EXPECT_FALSE(Preklapaju(a, r[k].okvir)) << i << " " << k;
            for (const TDuz& d : linije) EXPECT_FALSE(DuzSeceOkvir(d, a));
        }
        return std::pair{r.size(), unutra};
    };
    const auto [celo, celoUnutra] = postavi(4);
    EXPECT_GT(celo, 60u);         // readable at a glance
    EXPECT_LT(celo, celoUnutra);  // but not everything fits
    const auto [blizu, blizuUnutra] = postavi(0);
    EXPECT_GE(blizu, blizuUnutra);  // zoomed in, every label in view has its place
}

// The cell size only decides how fast a check is: on a dense frame with labels that straddle
// cell borders, fine and coarse grids place exactly the same boxes.
TEST(RasporedOznaka, CellSizeDoesNotChangeThePlacement) {
    const TOkvir granice{0, 0, 400, 300};
    std::vector<TDuz> linije;
    for (int i = 0; i < 400; ++i) {
        const double x = (i * 37) % 400, y = (i * 53) % 300;
        linije.push_back({x, y, x + (i % 7) - 3, y + (i % 5) * 9 - 18});
    }
    std::vector<TOznakaZaRaspored> oznake;
    for (int i = 0; i < 300; ++i) oznake.push_back({double((i * 29) % 400), double((i * 31) % 300), 17, 11, 4});
    auto postavi = [&](double celija) {
        TZauzeto z(celija);
        for (const TDuz& d : linije) z.Dodaj(d);
        return RasporediOznake(oznake, z, granice);
    };
    const auto grubo = postavi(32), fino = postavi(8), najfinije = postavi(3);
    ASSERT_GT(grubo.size(), 20u);
    for (const auto* r : {&fino, &najfinije}) {
        ASSERT_EQ(r->size(), grubo.size());
        for (size_t i = 0; i < grubo.size(); ++i) {
            EXPECT_EQ((*r)[i].indeks, grubo[i].indeks);
            EXPECT_EQ((*r)[i].okvir.levo, grubo[i].okvir.levo);
            EXPECT_EQ((*r)[i].okvir.gore, grubo[i].okvir.gore);
        }
    }
}

TEST(RasporedOznaka, CellsShrinkOnlyForADenseDrawing) {
    const TOkvir ekran{0, 0, 800, 600};
    const struct {
        size_t stavki;
        double celija;
    } slucajevi[] = {{0, 32}, {100, 32}, {7500, 32}, {30000, 16}, {1300000, 8}};
    for (const auto& s : slucajevi) EXPECT_DOUBLE_EQ(VelicinaCelije(s.stavki, ekran), s.celija) << s.stavki;
}

// A segment wholly beside the box, on each side, and ones that end on the box's edge.
TEST(RasporedOznaka, SegmentsBesideTheBox) {
    const TOkvir o{10, 10, 20, 20};
    const struct {
        TDuz d;
        bool sece;
    } slucajevi[] = {{{0, 0, 10, 30}, false},  {{20, 0, 30, 30}, false}, {{0, 0, 30, 10}, false},
                     {{0, 20, 30, 30}, false}, {{5, 15, 10, 15}, false}, {{5, 15, 11, 15}, true},
                     {{15, 25, 15, 19}, true}, {{21, 0, 21, 30}, false}};
    for (const auto& s : slucajevi) EXPECT_EQ(DuzSeceOkvir(s.d, o), s.sece) << s.d.x1 << "," << s.d.y1;
}

// Kept to the visible area, the obstacles still block every box inside it exactly as before,
// including a segment whose two ends lie outside but which crosses the area.
TEST(RasporedOznaka, ObstaclesOutsideTheAreaAreDroppedWithoutChangingAnyAnswer) {
    const TOkvir vidljivo{0, 0, 100, 100};
    TZauzeto sve(8), ograniceno(8);
    ograniceno.SamoUnutar(vidljivo);
    const TDuz duzi[] = {{-50, 50, 150, 50}, {-30, -30, -10, -10}, {200, 0, 200, 100}, {-20, 120, 120, -20}};
    const TOkvir okviri[] = {{-40, -40, -1, -1}, {95, 95, 130, 130}, {101, 0, 140, 40}, {40, -30, 60, -5}};
    for (const TDuz& d : duzi) sve.Dodaj(d), ograniceno.Dodaj(d);
    for (const TOkvir& o : okviri) sve.Dodaj(o), ograniceno.Dodaj(o);
    EXPECT_EQ(ograniceno.BrojOkvira(), 1u);  // only the box reaching into the corner
    for (double x = 0; x + 10 <= 100; x += 5)
        for (double y = 0; y + 10 <= 100; y += 5) {
            const TOkvir b{x, y, x + 10, y + 10};
            EXPECT_EQ(ograniceno.Slobodno(b), sve.Slobodno(b)) << x << "," << y;
        }
    EXPECT_FALSE(ograniceno.Slobodno({40, 45, 50, 55}));  // the long horizontal crossing
    EXPECT_FALSE(ograniceno.Slobodno({45, 45, 55, 55}));  // the long diagonal crossing
}

// Labels are given up only when they could not all fit even at their smallest: 150 square
// pixels each over the area.
TEST(RasporedOznaka, LabelsAreReadableUpToOneSmallestLabelPerSpot) {
    const struct {
        size_t oznaka;
        TOkvir povrsina;
        bool citljive;
    } slucajevi[] = {{0, {0, 0, 0, 0}, true},       {1, {0, 0, 0, 0}, false},        {1, {0, 0, 15, 10}, true},
                     {2, {0, 0, 15, 10}, false},    {6400, {0, 0, 1200, 800}, true}, {6401, {0, 0, 1200, 800}, false},
                     {100, {50, 50, 40, 40}, false}};
    for (const auto& s : slucajevi)
        EXPECT_EQ(OznakeCitljive(s.oznaka, s.povrsina), s.citljive) << s.oznaka << " " << s.povrsina.Sirina();
}
