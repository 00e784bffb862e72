#include <gtest/gtest.h>

#include "PomocUredjivanja.h"

#include <functional>

#include "Greska.h"
#include "ModelFajl.h"
#include "CrtanjeStapa.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjePreseka.h"
#include "UredjivanjeStapova.h"

namespace {

const std::string porukaPreko = "Izmedju cvorova je vec postoji stap!!!\r\nNije moguce dodati stap \"preko\" stapa!!!";
const std::string porukaIstiCvor = "Izmedju dva ista cvora nije moguce dodati stap!!!";

// Two materials, two sections and the nodes 0..n-1 along X.
TModel Osnova(int cvorova) {
    TModel m;
    for (int i = 0; i < 2; ++i) {
        DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, {"M", "1", "0", "0", "0"});
        DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, {"P", "1", "1", "1", "0"});
    }
    for (int i = 0; i < cvorova; ++i) DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, std::to_string(i), "0");
    return m;
}

}  // namespace

TEST(UredjivanjeStapova, AddDoesNothingWithoutMaterialSectionAndTwoNodes) {
    TModel m = Osnova(1);
    EXPECT_FALSE(DodajStap(m, {0, 0, 0, 0, 0}));  // one node: not even the same-node message
    TModel bezPreseka;
    DodajIliPromeniMaterijal(bezPreseka, TRezimIzmene::Dodaj, -1, {"M", "1", "0", "0", "0"});
    DodajIliPromeniCvor(bezPreseka, TRezimIzmene::Dodaj, -1, "0", "0");
    DodajIliPromeniCvor(bezPreseka, TRezimIzmene::Dodaj, -1, "1", "0");
    EXPECT_FALSE(DodajStap(bezPreseka, {0, -1, 0, 1, 0}));
    EXPECT_TRUE(bezPreseka.nizStapova.empty());
    TModel ok = Osnova(2);
    EXPECT_FALSE(DodajStap(ok, {0, 0, 0, 2, 0}));  // selection out of range
    EXPECT_FALSE(DodajStap(ok, {0, 0, 0, 1, 4}));  // no such member type
    EXPECT_TRUE(ok.nizStapova.empty());
}

TEST(UredjivanjeStapova, NoMemberOnOneNodeOrOverAnotherMember) {
    TModel m = Osnova(3);
    ASSERT_TRUE(DodajStap(m, {1, 0, 0, 1, tsIG}));
    const TStap& s = *m.nizStapova[0];
    EXPECT_EQ(s.ID(), 0);
    EXPECT_EQ(s.Materijal(), m.nizMaterijala[1].get());
    EXPECT_EQ(s.Presek(), m.nizPreseka[0].get());
    EXPECT_EQ(s.PocetniCvor(), m.nizCvorova[0].get());
    EXPECT_EQ(s.KrajnjiCvor(), m.nizCvorova[1].get());
    EXPECT_EQ(s.TipStapa(), tsIG);
    const std::string pre = Snimak(m);
    EXPECT_EQ(Poruka([&] { DodajStap(m, {0, 0, 2, 2, 0}); }), porukaIstiCvor);
    EXPECT_EQ(Poruka([&] { DodajStap(m, {0, 0, 0, 1, 0}); }), porukaPreko);
    EXPECT_EQ(Poruka([&] { DodajStap(m, {0, 0, 1, 0, 3}); }), porukaPreko);
    EXPECT_EQ(Snimak(m), pre);
    ASSERT_TRUE(DodajStap(m, {0, 1, 2, 1, tsProst}));
    EXPECT_EQ(SpisakStapova(m), (std::vector<std::string>{"Stap broj 0", "Stap broj 1"}));
}

TEST(UredjivanjeStapova, ChangeKeepsTheNodesWhenThePairIsTaken) {
    TModel m = Osnova(4);
    EXPECT_EQ(Poruka([&] {
                  PromeniStap(m, 0, {0, 0, 0, 1, 0});
              }),
              "Prvo morate dodati stap u spisak da bi ga mogli menjati!!!");
    DodajStap(m, {0, 0, 0, 1, tsK});
    DodajStap(m, {0, 0, 1, 2, tsK});
    // Same nodes: only the type, material and section change.
    ASSERT_TRUE(PromeniStap(m, 0, {1, 1, 0, 1, tsGK}));
    EXPECT_EQ(m.nizStapova[0]->TipStapa(), tsGK);
    EXPECT_EQ(m.nizStapova[0]->Materijal(), m.nizMaterijala[1].get());
    EXPECT_EQ(m.nizStapova[0]->Presek(), m.nizPreseka[1].get());
    // Onto the pair of member 1 (reversed): the other properties change, the nodes stay.
    ASSERT_TRUE(PromeniStap(m, 0, {0, 0, 2, 1, tsProst}));
    EXPECT_EQ(m.nizStapova[0]->TipStapa(), tsProst);
    EXPECT_EQ(m.nizStapova[0]->PocetniCvor()->ID(), 0);
    EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor()->ID(), 1);
    // A free pair moves it, keeping its ID.
    ASSERT_TRUE(PromeniStap(m, 0, {0, 0, 3, 2, tsK}));
    EXPECT_EQ(m.nizStapova[0]->ID(), 0);
    EXPECT_EQ(m.nizStapova[0]->PocetniCvor(), m.nizCvorova[3].get());
    EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor(), m.nizCvorova[2].get());
    const std::string pre = Snimak(m);
    EXPECT_EQ(Poruka([&] { PromeniStap(m, 0, {1, 1, 2, 2, tsIG}); }), porukaIstiCvor);
    EXPECT_EQ(Snimak(m), pre);
    const TIzborStapa iz = IzborZaStap(m, *m.nizStapova[0]);
    EXPECT_EQ(iz.materijal, 0);
    EXPECT_EQ(iz.pocetniCvor, 3);
    EXPECT_EQ(iz.krajnjiCvor, 2);
    EXPECT_EQ(iz.tip, tsK);
}

TEST(UredjivanjeStapova, DeletingAMemberUnassignsItsLoads) {
    TModel m = Osnova(3);
    DodajStap(m, {0, 0, 0, 1, tsK});
    DodajStap(m, {0, 0, 1, 2, tsK});
    for (const char* ime : {"a", "b", "c"}) DodajOpterecenje(m, toT, ime, {"10", "", ""});
    PridruziOpterecenje(m, 0, 0);
    PridruziOpterecenje(m, 1, 1);
    PridruziOpterecenje(m, 2, 1);
    EXPECT_EQ(SpisakOpterecenjaStapa(m, 1), (std::vector<std::string>{"b", "c"}));
    ASSERT_TRUE(ObrisiStap(m, 1));
    EXPECT_EQ(m.nizOpterecenja.size(), 3u);
    EXPECT_EQ(m.nizOpterecenja[0]->IDStapa(), 0);
    EXPECT_EQ(m.nizOpterecenja[1]->IDStapa(), -1);
    EXPECT_EQ(m.nizOpterecenja[2]->IDStapa(), -1);
    // The freed ID comes back; the new member does not inherit the old loads.
    DodajStap(m, {0, 0, 1, 2, tsK});
    EXPECT_EQ(m.nizStapova[1]->ID(), 1);
    EXPECT_TRUE(SpisakOpterecenjaStapa(m, 1).empty());
    EXPECT_FALSE(ObrisiStap(m, 5));
    TModel prazan;
    EXPECT_FALSE(ObrisiStap(prazan, 0));
}

// The member page names what is missing, first the material, then the section.
TEST(UredjivanjeStapova, AddingWithoutMaterialOrSectionSaysWhatIsMissing) {
    TModel m;
    auto poruka = [&]() -> std::string {
        try {
            ProveriMaterijalIPresekZaStap(m);
        } catch (const TGreska& g) {
            return g.what();
        }
        return "";
    };
    EXPECT_EQ(poruka(), "Prvo morate dodati materijal u spisak da bi mogli dodati stap!!!");
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, PodrazumevaniPresek);
    EXPECT_EQ(poruka(), "Prvo morate dodati materijal u spisak da bi mogli dodati stap!!!");
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, PodrazumevaniMaterijal);
    EXPECT_EQ(poruka(), "");
    m.nizPreseka.clear();
    EXPECT_EQ(poruka(), "Prvo morate dodati poprecni presek u spisak da bi mogli dodati stap!!!");
}
