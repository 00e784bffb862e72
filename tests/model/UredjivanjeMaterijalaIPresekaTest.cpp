#include <gtest/gtest.h>

#include "PomocUredjivanja.h"

#include <functional>

#include "Brojevi.h"
#include "Greska.h"
#include "ModelFajl.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjePreseka.h"

namespace {

const TPoljaMaterijala beton{"Materijal 1", "30000000.0", "0.2", "2500.0", "0.00001"};
const TPoljaPreseka pravougaonik{"Presek 1", "0.003125", "0.15", "0.5", "0.0"};

TPoljaMaterijala Mat(std::string ime, std::string E, std::string ni, std::string masa, std::string alfa) {
    return {std::move(ime), std::move(E), std::move(ni), std::move(masa), std::move(alfa)};
}

void DodajStapIzmedju(TModel& m, TMaterijal* mat, TPresek* pr) {
    for (int i = 0; i < 2; ++i)
        m.nizCvorova.push_back(std::make_unique<TCvor>(i, i, 0, false, false, false, 0, 0, 0, 0, 0, 0, 3 * i + 1,
                                                       3 * i + 2, 3 * i + 3, 0, 0, 0, 0, 0, 0));
    m.nizStapova.push_back(std::make_unique<TStap>(0, mat, pr, m.nizCvorova[0].get(), m.nizCvorova[1].get(), 0));
}

}  // namespace

TEST(UredjivanjeMaterijala, ChecksRunInOrderWithTheirMessages) {
    struct Slucaj {
        TPoljaMaterijala polja;
        std::string poruka;
    };
    const Slucaj slucajevi[] = {
        {Mat("", "abc", "0.2", "1", "1"), "Morate upisati ime materijala!!!"},
        {Mat("b", "abc", "x", "1", "1"), PorukaNeispravanReal("abc")},
        {Mat("b", "0", "x", "1", "1"), "Modul elasticnosti ne moze biti jednak ili manji od nule!!!"},
        {Mat("b", "-5", "0.2", "1", "1"), "Modul elasticnosti ne moze biti jednak ili manji od nule!!!"},
        {Mat("b", "1", "", "x", "1"), PorukaNeispravanReal("")},
        {Mat("b", "1", "-0.1", "x", "1"), "Poasonov koeficijent ne moze biti manji od nule!!!"},
        {Mat("b", "1", "0.51", "x", "1"), "Poasonov koeficijent ne moze imati vrednost vecu od 0.5!!!"},
        {Mat("b", "1", "0.5", "1,5", "1"), PorukaNeispravanReal("1,5")},
        {Mat("b", "1", "0.5", "-1", "x"), "Zapreminska masa ne moze biti manja od nule!!!"},
        {Mat("b", "1", "0.5", "0", "inf"), PorukaNeispravanReal("inf")},
        {Mat("b", "1", "0.5", "0", "-1e-9"), "Koeficijent toplotnog sirenja ne moze biti manji od nule!!!"},
        {Mat("b", "1", "0.5", "0", "0"), ""},
    };
    for (const auto& s : slucajevi) {
        for (TRezimIzmene rezim : {TRezimIzmene::Dodaj, TRezimIzmene::Promeni}) {
            TModel m;
            DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
            const std::string pre = Snimak(m);
            EXPECT_EQ(Poruka([&] { DodajIliPromeniMaterijal(m, rezim, 0, s.polja); }), s.poruka)
                << s.polja.ime << "|" << s.polja.modulElasticnosti << "|" << s.polja.poasonovKoeficijent;
            if (!s.poruka.empty()) {
                EXPECT_EQ(Snimak(m), pre);
            }
        }
    }
}

TEST(UredjivanjeMaterijala, ChangeNeedsAMaterialAndKeepsItsId) {
    TModel m;
    EXPECT_EQ(Poruka([&] { DodajIliPromeniMaterijal(m, TRezimIzmene::Promeni, 0, beton); }),
              "Prvo morate dodati materijal u spisak da bi ga mogli menjati!!!");
    // Even a faulty name is not reached when there is nothing to change.
    EXPECT_EQ(Poruka([&] { DodajIliPromeniMaterijal(m, TRezimIzmene::Promeni, 0, Mat("", "", "", "", "")); }),
              "Prvo morate dodati materijal u spisak da bi ga mogli menjati!!!");
    for (int i = 0; i < 3; ++i) DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
    ASSERT_TRUE(DodajIliPromeniMaterijal(m, TRezimIzmene::Promeni, 1, Mat("celik", "2.1e8", "0.3", "7850", "1.2e-5")));
    const TMaterijal& c = *m.nizMaterijala[1];
    EXPECT_EQ(c.ID(), 1);
    EXPECT_EQ(c.Ime(), "celik");
    EXPECT_EQ(c.E(), 2.1e8L);
    EXPECT_EQ(c.Poasonov(), 0.3L);
    EXPECT_EQ(c.Masa(), 7850);
    EXPECT_EQ(c.AlfaT(), 1.2e-5L);
    EXPECT_EQ(m.nizMaterijala.size(), 3u);
    EXPECT_FALSE(DodajIliPromeniMaterijal(m, TRezimIzmene::Promeni, 3, beton));
}

TEST(UredjivanjeMaterijala, IdsComeFromTheLastMaterial) {
    TModel m;
    for (int i = 0; i < 3; ++i) DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
    EXPECT_EQ(m.nizMaterijala.back()->ID(), 2);
    ASSERT_TRUE(ObrisiMaterijal(m, 2));
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
    EXPECT_EQ(m.nizMaterijala.back()->ID(), 2);
    ASSERT_TRUE(ObrisiMaterijal(m, 0));
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
    EXPECT_EQ(SpisakMaterijala(m), (std::vector<std::string>{"Materijal 1", "Materijal 1", "Materijal 1"}));
    EXPECT_EQ(m.nizMaterijala[0]->ID(), 1);
    EXPECT_EQ(m.nizMaterijala[2]->ID(), 3);
}

TEST(UredjivanjeMaterijala, ChangedMaterialIsSeenByItsMembersAndCannotBeDeleted) {
    TModel m;
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, pravougaonik);
    DodajStapIzmedju(m, m.nizMaterijala[1].get(), m.nizPreseka[0].get());
    DodajIliPromeniMaterijal(m, TRezimIzmene::Promeni, 1, Mat("x", "5", "0", "0", "0"));
    EXPECT_EQ(m.nizStapova[0]->Materijal()->E(), 5);
    EXPECT_EQ(Poruka([&] { ObrisiMaterijal(m, 1); }), "Materijal je pridruzen stapu. Ne mozete ga obrisati!!!");
    EXPECT_EQ(m.nizMaterijala.size(), 2u);
    EXPECT_TRUE(ObrisiMaterijal(m, 0));
    EXPECT_FALSE(ObrisiMaterijal(m, 1));  // index past the end: nothing selected
    EXPECT_EQ(m.nizMaterijala.size(), 1u);
    TModel prazan;
    EXPECT_FALSE(ObrisiMaterijal(prazan, -1));
}

TEST(UredjivanjePreseka, ChecksRunInOrderWithTheirMessages) {
    struct Slucaj {
        TPoljaPreseka polja;
        std::string poruka;
    };
    const Slucaj slucajevi[] = {
        {{"", "x", "x", "x", "x"}, "Morate upisati ime poprecnog preseka!!!"},
        {{"p", "x", "x", "x", "x"}, PorukaNeispravanReal("x")},
        {{"p", "0", "x", "x", "x"}, "Moment inercije ne moze biti jednak ili manji od nule!!!"},
        {{"p", "1", "0", "x", "x"}, "Povrsina poprecnog preseka ne moze biti jednaka ili manja od nule!!!"},
        {{"p", "1", "1", "-0.5", "x"}, "Visina poprecnog preseka ne moze biti jednaka ili manja od nule!!!"},
        {{"p", "1", "1", "1", "y"}, PorukaNeispravanReal("y")},
        {{"p", "1", "1", "1", "-1.2"}, "Koeficijent oblika ne moze biti manji od nule!!!"},
        {{"p", "1", "1", "1", "0"}, ""},
        {{"p", "1", "1", "1", "1.2"}, ""},
    };
    for (const auto& s : slucajevi) {
        TModel m;
        DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, pravougaonik);
        const std::string pre = Snimak(m);
        EXPECT_EQ(Poruka([&] { DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, s.polja); }), s.poruka)
            << s.polja.I << "|" << s.polja.Aaksijalno << "|" << s.polja.h << "|" << s.polja.k;
        if (!s.poruka.empty()) {
            EXPECT_EQ(Snimak(m), pre);
        }
    }
    TModel m;
    EXPECT_EQ(Poruka([&] { DodajIliPromeniPresek(m, TRezimIzmene::Promeni, 0, pravougaonik); }),
              "Prvo morate dodati poprecni presek u spisak da bi ga mogli menjati!!!");
}

TEST(UredjivanjePreseka, ChangeKeepsIdAndUsedSectionCannotBeDeleted) {
    TModel m;
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, beton);
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, pravougaonik);
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, pravougaonik);
    DodajStapIzmedju(m, m.nizMaterijala[0].get(), m.nizPreseka[0].get());
    ASSERT_TRUE(DodajIliPromeniPresek(m, TRezimIzmene::Promeni, 0, {"IPE", "2e-5", "3e-3", "0.2", "2.4"}));
    const TPresek& p = *m.nizStapova[0]->Presek();
    EXPECT_EQ(p.ID(), 0);
    EXPECT_EQ(p.Ime(), "IPE");
    EXPECT_EQ(p.I(), 2e-5L);
    EXPECT_EQ(p.Aaksijalno(), 3e-3L);
    EXPECT_EQ(p.h(), 0.2L);
    EXPECT_EQ(p.k(), 2.4L);
    EXPECT_EQ(Poruka([&] { ObrisiPresek(m, 0); }), "Presek je pridruzen stapu. Ne mozete ga obrisati!!!");
    EXPECT_TRUE(ObrisiPresek(m, 1));
    EXPECT_EQ(SpisakPreseka(m), std::vector<std::string>{"IPE"});
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, pravougaonik);
    EXPECT_EQ(m.nizPreseka.back()->ID(), 1);
}
