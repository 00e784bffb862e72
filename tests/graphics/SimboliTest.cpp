#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CrtanjeSimbola.h"
#include "GeneratorModela.h"
#include "PlotChartRaspored.h"
#include "PomocniGrafika.h"
#include "SimboliOpterecenja.h"
#include "SimboliOslonaca.h"

namespace {

// The pixel box of a set of figures on a surface fitted to [-10, 10] on both axes.
struct TPikseli {
    double levo = 1e9, gore = 1e9, desno = -1e9, dole = -1e9;
};

TRaspored Raspored() { return TRaspored{0, 400, 0, 400, -10, 10, -10, 10}; }

TPikseli Okvir(const std::vector<TOblik>& o) {
    TPikseli b;
    for (const TOblik& f : o)
        for (const QPointF& t : TackeOblika(f, Raspored())) {
            b.levo = std::min(b.levo, t.x());
            b.desno = std::max(b.desno, t.x());
            b.gore = std::min(b.gore, t.y());
            b.dole = std::max(b.dole, t.y());
        }
    return b;
}



// Each combination of restraints has its own figure, on the side away from the structure. The node
// (0, 0) is at pixel (200, 200); the structure leaves it upwards unless said otherwise.
TEST(SimboliOslonaca, EveryCombinationGivesItsSymbolAwayFromTheStructure) {
    struct {
        bool x, z, y;
        TVrstaOslonca vrsta;
        double kaX, kaZ;
        // Which side of the node the figure lies on: -1 / +1, 0 both sides.
        int stranaX, stranaY;
    } slucajevi[] = {
        {true, true, false, TVrstaOslonca::Nepokretan, 0, 1, 0, 1},    // under the node
        {true, true, false, TVrstaOslonca::Nepokretan, 0, -1, 0, -1},  // a hanging structure: above
        {false, true, false, TVrstaOslonca::KliziPoX, 1, 0, 0, 1},     // a beam end: still under
        {true, false, false, TVrstaOslonca::KliziPoZ, 1, 0, -1, 0},    // the structure to the right: left
        {true, false, false, TVrstaOslonca::KliziPoZ, -1, 0, 1, 0},
        {true, true, true, TVrstaOslonca::Ukljesten, 0, 1, 0, 1},   // a column: bar under its foot
        {true, true, true, TVrstaOslonca::Ukljesten, 1, 0, -1, 0},  // a cantilever: bar on its left
        {false, true, true, TVrstaOslonca::VodjenPoX, 0, 1, 0, 1},
        {true, false, true, TVrstaOslonca::VodjenPoZ, 1, 0, -1, 0},
        {false, false, true, TVrstaOslonca::SamoObrtanje, 0, 1, 0, 0},
    };
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(int(s.vrsta));
        EXPECT_EQ(VrstaOslonca(s.x, s.z, s.y), s.vrsta);
        const auto o = SimbolOslonca(s.vrsta, 0, 0, s.kaX, s.kaZ);
        ASSERT_FALSE(o.empty());
        const TPikseli b = Okvir(o);
        // Fixed pixel size: a dozen or two pixels, whatever the zoom.
        EXPECT_LT(b.desno - b.levo, 40);
        EXPECT_LT(b.dole - b.gore, 40);
        EXPECT_GT(std::max(b.desno - b.levo, b.dole - b.gore), 12);
        if (s.stranaX < 0) {
            EXPECT_LE(b.desno, 201);
        }
        if (s.stranaX > 0) {
            EXPECT_GE(b.levo, 199);
        }
        if (s.stranaY > 0) {
            EXPECT_GE(b.gore, 199);
        }  // screen rows grow downwards
        if (s.stranaY < 0) {
            EXPECT_LE(b.dole, 201);
        }
        if (s.stranaX == 0 && s.stranaY == 0) {
            EXPECT_TRUE(b.levo < 200 && b.desno > 200 && b.gore < 200 && b.dole > 200);
        }
    }
    EXPECT_EQ(VrstaOslonca(false, false, false), TVrstaOslonca::Nema);
    EXPECT_TRUE(SimbolOslonca(TVrstaOslonca::Nema, 0, 0, 0, 1).empty());
    // A roller stands on a line set apart from its triangle: it reaches further than a pin.
    EXPECT_GT(Okvir(SimbolOslonca(TVrstaOslonca::KliziPoX, 0, 0, 0, 1)).dole,
              Okvir(SimbolOslonca(TVrstaOslonca::Nepokretan, 0, 0, 0, 1)).dole + 2);
}

TEST(SimboliOslonaca, AFigureKeepsItsPixelSizeAndTurnsWithItsMember) {
    // A hinge circle at the start of a member going up and right at 45 degrees in the world; the
    // X axis shows 20 units and Z 10 over the same 400 pixels, so on screen the member rises at
    // atan(2): the circle's centre lies on that screen line.
    const TOblik z = SimbolZgloba(0, 0, 1, 1);
    const TRaspored r{0, 400, 0, 400, -10, 10, -5, 5};
    double cx = 0, cy = 0;
    const auto t = TackeOblika(z, r);
    for (const QPointF& q : t) {
        cx += q.x() / t.size();
        cy += q.y() / t.size();
    }
    EXPECT_NEAR(std::atan2(200 - cy, cx - 200), std::atan(2.0), 1e-3);
    EXPECT_NEAR(std::hypot(cx - 200, cy - 200), PoluprecnikZgloba + 3, 1e-3);
}

TEST(CrtanjeSimbola, SymbolsReplaceTheTextsAndOffLeavesTheSpecifiedList) {
    TModelZaTest m;
    m.Cvor(0, 0, true, true, false);
    m.Cvor(6, 0, false, true, false);
    m.Stap(0, 1, tsIG);
    m.Opterecenje("q", 0);
    TPodesavanja p;
    p.prikaziOpterecenjeStapa = true;
    TPlotPovrsina g;
    CrtajGrafik(g, m.model, p);
    for (const TChartItem& s : g.Stavke()) EXPECT_TRUE(s.ItemKind != tkOblik && s.ItemKind != tkOznaka);

    p.prikaz.simboli = true;
    CrtajGrafik(g, m.model, p);
    int oznaka = 0, oblika = 0;
    for (const TChartItem& s : g.Stavke()) {
        oznaka += s.ItemKind == tkOznaka;
        oblika += s.ItemKind == tkOblik;
        EXPECT_NE(s.ItemKind, tkTextOfs);  // no "Ox", "Oz", no load names
        EXPECT_NE(s.ItemKind, tkMarkAt);   // the 7-pixel hinge circle is gone too
    }
    EXPECT_EQ(oznaka, 2 + 1 + 1);  // two node numbers, a member number, the load's value
    EXPECT_GT(oblika, 6);
    bool vrednost = false;
    for (const TChartItem& s : g.Stavke())
        if (s.ItemKind == tkOznaka && s.MarkOrAlign == ozVrednost) vrednost = s.Text == QStringLiteral("q=10");
    EXPECT_TRUE(vrednost);
}

// An arrow points the way its force acts, in the world: the screen direction from the tail of the
// shaft to the tip of the head, with screen rows turned back to Z up.
TEST(SimboliOpterecenja, ArrowsPointTheWayTheForceActs) {
    auto smer = [](const TSimbolSaVrednoscu& s) {
        EXPECT_GE(s.oblici.size(), 2u);
        const QPointF rep = TackeOblika(s.oblici[0], Raspored()).front();
        const QPointF vrh = TackeOblika(s.oblici[1], Raspored()).front();
        const double dx = vrh.x() - rep.x(), dz = -(vrh.y() - rep.y()), d = std::hypot(dx, dz);
        return std::pair{dx / d, dz / d};
    };
    struct {
        long double px, pz;
        double x, z;
        const char* tekst;
    } cvorovi[] = {
        {15, 0, 1, 0, "Px=15"}, {-15, 0, -1, 0, "Px=15"}, {0, 20, 0, 1, "Pz=20"}, {0, -2.5L, 0, -1, "Pz=2.5"}};
    for (const auto& c : cvorovi) {
        TCvor cvor(0, 0, 0, false, false, false, 0, 0, 0, c.px, c.pz, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0);
        const auto s = SimboliOpterecenjaCvora(cvor);
        ASSERT_EQ(s.size(), 1u);
        const auto [x, z] = smer(s[0]);
        EXPECT_NEAR(x, c.x, 1e-6) << c.tekst;
        EXPECT_NEAR(z, c.z, 1e-6) << c.tekst;
        EXPECT_EQ(s[0].tekst, QString::fromLatin1(c.tekst));
    }
    // V acts along the member's local y: the member's direction turned a quarter turn from X
    // toward Z. On a member from (0, 0) to (0, 4) +y is -X; on one from (0, 0) to (4, 0) it is +Z.
    struct {
        double x2, z2;
        long double v;
        double x, z;
    } stapovi[] = {{0, 4, 8, -1, 0}, {0, 4, -8, 1, 0}, {4, 0, -10, 0, -1}, {4, 0, 3, 0, 1}};
    for (const auto& s : stapovi) {
        TOpterecenje o(0, "V", toV, 0, s.v, 0.5L, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        const auto [x, z] = smer(SimbolOpterecenjaStapa(o, 0, 0, s.x2, s.z2));
        EXPECT_NEAR(x, s.x, 1e-6);
        EXPECT_NEAR(z, s.z, 1e-6);
    }
    // A uniform load q = -10 on a beam from (0, 0) to (4, 0): its arrows point down, over the
    // loaded part only, with the value "q=10".
    TOpterecenje q(0, "q", toPn, 0, 0, 0, 0, 0, -10, 0.25L, 0.75L, 0, 0, 0, 0, 0, 0, 0);
    const TSimbolSaVrednoscu s = SimbolOpterecenjaStapa(q, 0, 0, 4, 0);
    EXPECT_EQ(s.tekst, QStringLiteral("q=10"));
    const auto [x, z] = smer(s);
    EXPECT_NEAR(z, -1, 1e-6);
    EXPECT_NEAR(x, 0, 1e-6);
    for (const TOblik& f : s.oblici)
        for (const auto& k : KopijeOblika(f, Raspored()))
            for (const QPointF& t : k) {
                EXPECT_GE(t.x(), 200 + 20 * 1 - 5);  // x = 1 is 20 pixels right of the centre
                EXPECT_LE(t.x(), 200 + 20 * 3 + 5);
            }
}

// A turned support: the roller's figure follows the node's axes (its ground sits under the node
// turned by the angle), an angle of 0 draws the figure exactly as before, and springs lie along the
// node's axes on the side away from the structure.
TEST(SimboliOslonaca, TurnedRollerAndSpringsFollowTheNodeAxes) {
    const auto ravan = SimbolOslonca(TVrstaOslonca::KliziPoX, 0, 0, 0, 1);
    const auto nula = SimbolOslonca(TVrstaOslonca::KliziPoX, 0, 0, 0, 1, 1, 0);
    ASSERT_EQ(ravan.size(), nula.size());
    for (size_t i = 0; i < ravan.size(); ++i) {
        EXPECT_EQ(ravan[i].smerX, nula[i].smerX);
        EXPECT_EQ(ravan[i].smerY, nula[i].smerY);
    }
    // Turned by 30 degrees the roller's base swings to the right of the node, still under it.
    const double a = 30 * 3.14159265358979323846 / 180;
    const TPikseli kos = Okvir(SimbolOslonca(TVrstaOslonca::KliziPoX, 0, 0, 0, 1, std::cos(a), std::sin(a)));
    const TPikseli pravo = Okvir(ravan);
    EXPECT_GT(kos.desno, pravo.desno);
    EXPECT_GT(kos.dole, 200);

    // A vertical spring below a beam's node, a horizontal one beside a column's foot.
    const TPikseli kz = Okvir(SimboliOpruga(false, true, false, 0, 0, 1, 0, 1, 0));
    EXPECT_GT(kz.dole, 225);
    EXPECT_LT(kz.desno - kz.levo, 30);
    const TPikseli kx = Okvir(SimboliOpruga(true, false, false, 0, 0, 0, 1, 1, 0));
    EXPECT_GT(std::max(200 - kx.levo, kx.desno - 200), 25);
    EXPECT_LT(kx.dole - kx.gore, 30);
    // A coil around the node for a rotational spring, and nothing for no spring.
    const TPikseli kfi = Okvir(SimboliOpruga(false, false, true, 0, 0, 0, 1, 1, 0));
    EXPECT_LT(kfi.levo, 190);
    EXPECT_GT(kfi.desno, 210);
    EXPECT_TRUE(SimboliOpruga(false, false, false, 0, 0, 0, 1, 1, 0).empty());
}

// The dot of every node and the orientation mark of every member go the way of texts too crowded
// to read; the supports, hinges and loads stay, and zoomed in among them the marks come back.
TEST(Simboli, NodeAndOrientationMarksTooCrowdedToTellApartAreLeftOut) {
    const TModel ram = GenerisiRamSaCvorova(2000);
    auto slika = [&](bool znaci, double deo) {
        TPlotPovrsina g;
        g.PostaviVelicinu(500, 400);
        TPodesavanja p;
        p.prikaz.simboli = true;
        p.prikaziSimbolCvora = p.prikaziOrjentacijuStapa = znaci;
        CrtajGrafik(g, ram, p);
        auto suzi = [deo](TScaleProps& s) {
            const double c = (s.RangeLow() + s.RangeHigh()) / 2, h = (s.RangeHigh() - s.RangeLow()) * deo / 2;
            EXPECT_TRUE(s.PostaviOpseg(c - h, c + h));
        };
        suzi(g.Scale1X);
        suzi(g.Scale1Y);
        return Slika(g);
    };
    EXPECT_EQ(slika(true, 1), slika(false, 1));      // 2,000 dots and 3,900 marks in 140,000 pixels
    EXPECT_NE(slika(true, 0.1), slika(false, 0.1));  // a few dozen of each in view
}

}  // namespace
