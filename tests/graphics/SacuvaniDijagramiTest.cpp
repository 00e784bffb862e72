// The diagrams the main plot keeps between drawings: made once, the same numbers as made afresh,
// and never outliving the results they were made from.
#include <gtest/gtest.h>

#include "../analysis/IstiDijagrami.h"
#include "CrtanjeDijagrama.h"
#include "CrtanjeKonstrukcije.h"
#include "PomocniGrafika.h"
#include "Proracun.h"
#include "SacuvaniDijagrami.h"

namespace {

// A two-bay continuous beam under a load on each bay: two members with different diagrams.
struct TGredaUDvaPolja : TModelZaTest {
    TStanjeAnalize stanje;
    TGredaUDvaPolja() {
        Cvor(0, 0, true, true);
        Cvor(4, 0, false, true);
        Cvor(10, 0, false, true);
        Stap(0, 1, tsGK);  // hinged at the end supports, continuous over the middle one
        Stap(1, 2, tsIG);
        Opterecenje("q", 0);
        Opterecenje("q", 1);
        Analiziraj();
    }
    void Analiziraj() {
        TPosmatracBezEkrana posmatrac(model, stanje);
        const TRezultatProracuna r = PokreniAnalizu(model, stanje, posmatrac);
        EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
    }
};

TEST(SacuvaniDijagrami, MadeOnceAndDrawnAsWhenMadeAfresh) {
    Aplikacija();
    TGredaUDvaPolja m;
    TSacuvaniDijagrami sacuvani;
    struct TSlucaj {
        const char* naziv;
        int dijagram;
        bool linija, deformacija, simboli;
    };
    const TSlucaj slucajevi[] = {
        {"M", TPrikaz::M, false, false, false},           {"T", TPrikaz::T, false, false, false},
        {"N", TPrikaz::N, false, false, false},           {"M with symbols", TPrikaz::M, false, false, true},
        {"line alone", TPrikaz::Bez, true, false, false}, {"M on the deformed shape", TPrikaz::M, true, true, false},
    };
    std::shared_ptr<const std::vector<TDijagramiStapa>> prvi;
    for (const TSlucaj& s : slucajevi) {
        SCOPED_TRACE(s.naziv);
        TPodesavanja p;
        p.prikaz.dijagram = s.dijagram;
        p.prikaz.linijaDeformacije = s.linija;
        p.deformacijaNosaca = s.deformacija;
        p.prikaz.simboli = s.simboli;
        TPodesavanja pSveze = p;
        TPlotPovrsina sveze, izSacuvanih;
        CrtajGrafik(sveze, m.model, pSveze, &m.stanje);
        CrtajGrafik(izSacuvanih, m.model, p, &m.stanje, &sacuvani);
        EXPECT_TRUE(IsteStavke(sveze, izSacuvanih));
        ASSERT_NE(sacuvani.Sacuvani(), nullptr);
        if (!prvi) prvi = sacuvani.Sacuvani();
        EXPECT_EQ(sacuvani.Sacuvani(), prvi) << "made again without a change";
        EXPECT_TRUE(IstiDijagrami(*sacuvani.Sacuvani(), DijagramiSvihStapova(m.model, m.stanje)));
    }
}

TEST(SacuvaniDijagrami, NothingMadeUnlessDrawnAndNothingKeptWithoutResults) {
    TGredaUDvaPolja m;
    TSacuvaniDijagrami sacuvani;
    TPodesavanja p;
    EXPECT_TRUE(sacuvani.Za(m.model, p, &m.stanje).empty());
    EXPECT_EQ(sacuvani.Sacuvani(), nullptr);

    p.prikaz.dijagram = TPrikaz::M;
    EXPECT_EQ(sacuvani.Za(m.model, p, &m.stanje).size(), 2u);
    ASSERT_NE(sacuvani.Sacuvani(), nullptr);
    // Results cleared without a word to the holder: the next drawing finds them gone.
    m.stanje.ObrisiRezultate(m.model);
    EXPECT_TRUE(sacuvani.Za(m.model, p, &m.stanje).empty());
    EXPECT_EQ(sacuvani.Sacuvani(), nullptr);
    EXPECT_TRUE(sacuvani.Za(m.model, p, nullptr).empty());
}

TEST(SacuvaniDijagrami, AnotherRunOrStateGivesItsOwnDiagrams) {
    TGredaUDvaPolja m;
    TSacuvaniDijagrami sacuvani;
    TPodesavanja p;
    p.prikaz.dijagram = TPrikaz::M;
    const std::vector<TDijagramiStapa> stari = sacuvani.Za(m.model, p, &m.stanje);

    // Moving the middle support changes every member's moments: M over it is -q(a^3+b^3)/(8(a+b)).
    m.model.nizCvorova[1]->SetX(5);
    m.Analiziraj();
    sacuvani.Odbaci();
    const auto& novi = sacuvani.Za(m.model, p, &m.stanje);
    EXPECT_FALSE(IstiDijagrami(stari, novi));
    EXPECT_TRUE(IstiDijagrami(novi, DijagramiSvihStapova(m.model, m.stanje)));
    EXPECT_NEAR(double(novi[0].Vrednosti(5).M), -10.0 * (125 + 125) / (8 * 10), 1e-6);

    // Asked about another state, the holder does not hand over the first one's.
    TGredaUDvaPolja drugi;
    const auto& tudji = sacuvani.Za(drugi.model, p, &drugi.stanje);
    EXPECT_TRUE(IstiDijagrami(tudji, stari));
    EXPECT_NEAR(double(tudji[0].Vrednosti(4).M), -10.0 * (64 + 216) / (8 * 10), 1e-6);
}

}  // namespace
