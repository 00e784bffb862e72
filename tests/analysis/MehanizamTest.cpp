// Unstable structures name the way they move, on both paths and with either rule for supports.
#include <gtest/gtest.h>

#include <cmath>

#include "Mehanizam.h"
#include "ProracunPomocTest.h"

namespace {

struct TSlucajMehanizma {
    const char* opis;
    TGraditeljModela g;
    std::string opisKretanja;  // as the log and stderr say it
};

// The classic mechanisms. Node IDs count from 0 in the order the nodes are made.
std::vector<TSlucajMehanizma> Mehanizmi() {
    std::vector<TSlucajMehanizma> m;
    {
        // Truss bar on two rollers: nothing holds it along its axis.
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, false, true);
        TCvor* b = g.Cvor(6, 0, false, true);
        g.Stap(a, b, tsProst);
        m.push_back({"beam on two rollers", std::move(g), "cvor 0 pomeranje X, cvor 1 pomeranje X"});
    }
    {
        // Two collinear bars between pins: the middle hinge is free across the line.
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(3, 0);
        TCvor* c = g.Cvor(7, 0, true, true);
        g.Stap(a, b, tsProst);
        g.Stap(b, c, tsProst);
        m.push_back({"three hinges in line", std::move(g), "cvor 1 pomeranje Z"});
    }
    {
        // Four bars round a square on a pin and a roller, no diagonal: the top sways.
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(4, 0, false, true);
        TCvor* c = g.Cvor(4, 4);
        TCvor* d = g.Cvor(0, 4);
        g.Stap(a, b, tsProst);
        g.Stap(b, c, tsProst);
        g.Stap(c, d, tsProst);
        g.Stap(d, a, tsProst);
        m.push_back({"truss square", std::move(g), "cvor 2 pomeranje X, cvor 3 pomeranje X"});
    }
    {
        // A portal with hinges at all four corners sways as a parallelogram.
        TGraditeljModela g;
        TCvor* a = g.Cvor(0, 0, true, true);
        TCvor* b = g.Cvor(0, 3);
        TCvor* c = g.Cvor(5, 3);
        TCvor* d = g.Cvor(5, 0, true, true);
        g.Stap(a, b, tsProst);
        g.Stap(b, c, tsProst);
        g.Stap(d, c, tsProst);
        b->SetPx(1);
        m.push_back({"hinged portal", std::move(g), "cvor 1 pomeranje X, cvor 2 pomeranje X"});
    }
    return m;
}

}  // namespace

TEST(Mehanizam, ClassicMechanismsNameTheirFreeMotionOnBothPathsAndBothRules) {
    for (bool opsta : {false, true})
        for (auto put : {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka})
            for (auto& s : Mehanizmi()) {
                TModel& m = s.g.m;
                m.opcijeAnalize.opstaStabilnost = opsta;
                TStanjeAnalize st;
                st.zahtevanaPutanja = put;
                TPosmatracBezEkrana p(m, st);
                p.datumVreme = "DT";
                const TRezultatProracuna r = PokreniAnalizu(m, st, p);
                ASSERT_EQ(r.ishod, TIshodProracuna::Greska) << s.opis;
                // The box keeps its text; the motion goes to the log, before the line that ends it.
                ASSERT_EQ(p.poruke.size(), 1u);
                EXPECT_EQ(p.poruke[0], PorukaLabilanSistem);
                ASSERT_TRUE(r.mehanizam) << s.opis;
                EXPECT_EQ(r.mehanizam->opis, s.opisKretanja) << s.opis << " opsta " << opsta;
                ASSERT_GE(p.log.size(), 2u);
                EXPECT_EQ(p.log[p.log.size() - 2], "labilno: " + s.opisKretanja + " - DT");
                EXPECT_EQ(p.log.back(), "Prekid proracuna zbog greske - DT");
            }
}

TEST(Mehanizam, ModeIsANullVectorScaledToUnitDisplacement) {
    // The square's sway: the two top nodes move together along X, everything else stands.
    auto slucajevi = Mehanizmi();
    TModel& m = slucajevi[2].g.m;
    TStanjeAnalize st;
    TPosmatracBezEkrana p(m, st);
    const TRezultatProracuna r = PokreniAnalizu(m, st, p);
    ASSERT_TRUE(r.mehanizam);
    ASSERT_EQ(r.mehanizam->cvorovi.size(), 2u);
    for (const auto& c : r.mehanizam->cvorovi) {
        EXPECT_TRUE(c.idCvora == 2 || c.idCvora == 3);
        EXPECT_NEAR(std::fabs(c.ux), 1.0, 1e-9);
        EXPECT_NEAR(c.uz, 0.0, 1e-9);
    }
    EXPECT_NEAR(r.mehanizam->cvorovi[0].ux, r.mehanizam->cvorovi[1].ux, 1e-9);
    // Kss times the mode vanishes against the size of Kss.
    const TMatrix K = st.matricaKssGKS->GustaKopija();
    const auto& y = r.mehanizam->oblik;
    for (int i = 1; i <= K.NrOfRows(); ++i) {
        double s = 0;
        for (int j = 1; j <= K.NrOfColumns(); ++j) s += K.Elem(j, i) * y[size_t(j - 1)];
        EXPECT_NEAR(s, 0.0, 1e-9 * E * A);
    }
}

TEST(Mehanizam, BeamMechanismNamesRotationsAndTheHinge) {
    // Rigid at the pins, hinged in the middle: the hinge drops while both halves turn about their pins.
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0);
    TCvor* c = g.Cvor(8, 0, true, true);
    g.Stap(a, b, tsIG);
    g.Stap(b, c, tsGK);
    g.m.opcijeAnalize.opstaStabilnost = true;
    TStanjeAnalize st;
    TPosmatracBezEkrana p(g.m, st);
    const TRezultatProracuna r = PokreniAnalizu(g.m, st, p);
    ASSERT_TRUE(r.mehanizam);
    EXPECT_EQ(r.mehanizam->opis, "cvor 0 obrtanje, cvor 1 pomeranje Z, cvor 2 obrtanje");
    // The halves turn rigidly: each pin's rotation is the hinge's drop over the half span.
    double fi0 = 0, fi2 = 0, w1 = 0;
    for (const auto& m : r.mehanizam->cvorovi) {
        if (m.idCvora == 0) fi0 = m.fiy;
        if (m.idCvora == 1) w1 = m.uz;
        if (m.idCvora == 2) fi2 = m.fiy;
    }
    EXPECT_NEAR(std::fabs(w1), 1.0, 1e-9);
    EXPECT_NEAR(std::fabs(fi0), 0.25, 1e-9);
    EXPECT_NEAR(fi0, -fi2, 1e-9);
}

TEST(Mehanizam, RegularMatrixHasNoNullVector) {
    TMatrix k = NovaMatrica(2, 2);
    k.SetElem(1, 1, 2);
    k.SetElem(2, 1, -1);
    k.SetElem(1, 2, -1);
    k.SetElem(2, 2, 2);
    EXPECT_FALSE(NultiVektor(TGustiIzvor(k)));
    // Singular only through the coupling: (1, 1) is its null direction, found to round-off.
    k.SetElem(1, 1, 1);
    k.SetElem(2, 2, 1);
    const auto y = NultiVektor(TGustiIzvor(k));
    ASSERT_TRUE(y);
    EXPECT_NEAR((*y)[0], (*y)[1], 1e-12);
}
