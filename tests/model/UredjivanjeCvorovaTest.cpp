#include <gtest/gtest.h>

#include "PomocUredjivanja.h"

#include <functional>

#include "Brojevi.h"
#include "Greska.h"
#include "ModelFajl.h"
#include "UredjivanjeCvorova.h"

namespace {

const std::string porukaRastojanja =
    "Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova iznosi 0.001!!!";

void Dodaj(TModel& m, const std::string& x, const std::string& z) {
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, x, z);
}

}  // namespace

TEST(UredjivanjeCvorova, MinimumDistanceIsPerAxisAndInclusive) {
    struct Slucaj {
        const char* x;
        const char* z;
        bool prihvacen;
    };
    const Slucaj slucajevi[] = {
        {"0.001", "0.001", false}, {"-0.001", "0", false}, {"0.0005", "-0.0009", false}, {"0", "0", false},
        {"0.0011", "0", true},     {"0", "5", true},       {"0", "-0.0011", true},       {"1e3", "1e3", true},
    };
    for (const auto& s : slucajevi) {
        TModel m;
        Dodaj(m, "0", "0");
        const std::string pre = Snimak(m);
        const std::string p = Poruka([&] { Dodaj(m, s.x, s.z); });
        EXPECT_EQ(p, s.prihvacen ? "" : porukaRastojanja) << s.x << ", " << s.z;
        EXPECT_EQ(m.nizCvorova.size(), s.prihvacen ? 2u : 1u);
        if (!s.prihvacen) {
            EXPECT_EQ(Snimak(m), pre);
        }
    }
}

TEST(UredjivanjeCvorova, ConversionComesBeforeTheDistanceCheck) {
    TModel m;
    Dodaj(m, "0", "0");
    EXPECT_EQ(Poruka([&] { Dodaj(m, "x", "0"); }), PorukaNeispravanReal("x"));
    EXPECT_EQ(Poruka([&] { Dodaj(m, "0", "z"); }), PorukaNeispravanReal("z"));
    EXPECT_EQ(Poruka([&] { DodajIliPromeniCvor(m, TRezimIzmene::Promeni, 0, "q", "0"); }), PorukaNeispravanReal("q"));
    TModel prazan;
    EXPECT_EQ(Poruka([&] { DodajIliPromeniCvor(prazan, TRezimIzmene::Promeni, 0, "q", "0"); }),
              "Prvo morate dodati cvor u spisak da bi ga mogli menjati!!!");
}

TEST(UredjivanjeCvorova, IdsAndCodeNumbersOfNewNodes) {
    TModel m;
    Dodaj(m, "0", "0");
    Dodaj(m, "1", "0");
    EXPECT_EQ(SpisakCvorova(m), (std::vector<std::string>{"Cvor broj 0", "Cvor broj 1"}));
    EXPECT_EQ(m.nizCvorova[1]->BrPomeranjaX(), 4);
    EXPECT_EQ(m.nizCvorova[1]->BrObrtanjaY(), 6);
    ASSERT_TRUE(ObrisiCvor(m, 1));
    Dodaj(m, "2", "0");
    EXPECT_EQ(m.nizCvorova[1]->ID(), 1);
    EXPECT_EQ(m.nizCvorova[1]->BrPomeranjaX(), 4);
    Dodaj(m, "3", "0");
    ASSERT_TRUE(ObrisiCvor(m, 0));  // the others keep their numbers
    EXPECT_EQ(m.nizCvorova[0]->ID(), 1);
    EXPECT_EQ(m.nizCvorova[0]->BrPomeranjaZ(), 5);
    EXPECT_EQ(m.nizCvorova[1]->ID(), 2);
    EXPECT_EQ(m.nizCvorova[1]->BrObrtanjaY(), 9);
    const TCvor& c = *m.nizCvorova[1];
    EXPECT_EQ(c.X(), 3);
    EXPECT_FALSE(c.OslX() || c.OslZ() || c.UkljY());
    EXPECT_EQ(c.Px() + c.Pz() + c.MkoncY() + c.ZadatoUx() + c.ZadatoUz() + c.ZadatoFiy(), 0);
}

TEST(UredjivanjeCvorova, ChangeMovesTheNodeAndItsMembersButComparesWithItself) {
    TModel m;
    Dodaj(m, "0", "0");
    Dodaj(m, "4", "0");
    TMaterijal mat(0, "m", 1, 0, 0, 0);
    TPresek pr(0, "p", 1, 1, 1, 0);
    m.nizStapova.push_back(std::make_unique<TStap>(0, &mat, &pr, m.nizCvorova[0].get(), m.nizCvorova[1].get(), 0));
    EXPECT_EQ(Poruka([&] { DodajIliPromeniCvor(m, TRezimIzmene::Promeni, 1, "4", "0"); }), porukaRastojanja);
    EXPECT_EQ(Poruka([&] { DodajIliPromeniCvor(m, TRezimIzmene::Promeni, 1, "4.0005", "0"); }), porukaRastojanja);
    EXPECT_EQ(Poruka([&] { DodajIliPromeniCvor(m, TRezimIzmene::Promeni, 1, "0", "0.001"); }), porukaRastojanja);
    ASSERT_TRUE(DodajIliPromeniCvor(m, TRezimIzmene::Promeni, 1, "3", "-4"));
    EXPECT_EQ(m.nizCvorova[1]->ID(), 1);
    EXPECT_EQ(m.nizCvorova[1]->BrPomeranjaX(), 4);
    EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor()->X(), 3);
    EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor()->Z(), -4);
    // Nodes that a member uses stay; the refusal leaves the list alone.
    EXPECT_EQ(Poruka([&] { ObrisiCvor(m, 0); }), "Cvor je pridruzen stapu. Ne mozete ga obrisati!!!");
    EXPECT_EQ(Poruka([&] { ObrisiCvor(m, 1); }), "Cvor je pridruzen stapu. Ne mozete ga obrisati!!!");
    EXPECT_EQ(m.nizCvorova.size(), 2u);
    m.nizStapova.clear();
}

TEST(UredjivanjeCvorova, ClearedSupportsDropTheirPrescribedValuesEverywhere) {
    TModel m;
    EXPECT_EQ(Poruka([&] { PostaviOslonce(m, 0, true, true, true); }),
              "Morate dodati cvorove u listu da bi mogli da im zadajete oslonce!!!");
    Dodaj(m, "0", "0");
    Dodaj(m, "1", "0");
    ASSERT_TRUE(PostaviOslonce(m, 0, true, true, true));
    ASSERT_TRUE(PostaviOpterecenjeCvora(m, 0, {"10", "-20", "30", "0.01", "-0.02", "0.003"}));
    TCvor& c = *m.nizCvorova[0];
    EXPECT_EQ(c.Px(), 10);
    EXPECT_EQ(c.Pz(), -20);
    EXPECT_EQ(c.MkoncY(), 30);
    EXPECT_EQ(c.ZadatoUx(), 0.01L);
    EXPECT_EQ(c.ZadatoUz(), -0.02L);
    EXPECT_EQ(c.ZadatoFiy(), 0.003L);
    // A node whose flag was cleared behind the command's back is tidied as well.
    c.SetOslZ(false);
    ASSERT_TRUE(PostaviOslonce(m, 1, false, true, false));
    EXPECT_EQ(c.ZadatoUx(), 0.01L);
    EXPECT_EQ(c.ZadatoUz(), 0);
    EXPECT_EQ(c.ZadatoFiy(), 0.003L);
    ASSERT_TRUE(PostaviOslonce(m, 0, false, false, true));
    EXPECT_EQ(c.ZadatoUx(), 0);
    EXPECT_EQ(c.ZadatoFiy(), 0.003L);
    EXPECT_TRUE(m.nizCvorova[1]->OslZ());
    const TZadataPomeranja z = ZadataPomeranjaZaPrikaz(c);
    EXPECT_FALSE(z.x);
    EXPECT_FALSE(z.z);
    EXPECT_TRUE(z.y);
    EXPECT_EQ(z.ux, 0);
    EXPECT_EQ(z.fiy, 0.003L);
}

TEST(UredjivanjeCvorova, NodeLoadsConvertInOrderAndChangeNothingOnFailure) {
    TModel m;
    EXPECT_EQ(Poruka([&] {
                  PostaviOpterecenjeCvora(m, 0, {"1", "1", "1", "0", "0", "0"});
              }),
              "Morate dodati cvorove u listu da bi mogli da im zadajete opterecenje!!!");
    Dodaj(m, "0", "0");
    PostaviOslonce(m, 0, true, true, true);
    const std::string pre = Snimak(m);
    const std::array<TPoljaOpterecenjaCvora, 6> neispravni = {{
        {"a", "b", "c", "d", "e", "f"},
        {"1", "b", "c", "d", "e", "f"},
        {"1", "2", "c", "d", "e", "f"},
        {"1", "2", "3", "d", "e", "f"},
        {"1", "2", "3", "4", "e", "f"},
        {"1", "2", "3", "4", "5", "f"},
    }};
    const char* ocekivano[] = {"a", "b", "c", "d", "e", "f"};
    for (size_t i = 0; i < neispravni.size(); ++i) {
        EXPECT_EQ(Poruka([&] { PostaviOpterecenjeCvora(m, 0, neispravni[i]); }), PorukaNeispravanReal(ocekivano[i]));
        EXPECT_EQ(Snimak(m), pre);
    }
    // Without its support a prescribed displacement cannot be set.
    PostaviOslonce(m, 0, false, true, false);
    ASSERT_TRUE(PostaviOpterecenjeCvora(m, 0, {"0", "0", "0", "1", "2", "3"}));
    EXPECT_EQ(m.nizCvorova[0]->ZadatoUx(), 0);
    EXPECT_EQ(m.nizCvorova[0]->ZadatoUz(), 2);
    EXPECT_EQ(m.nizCvorova[0]->ZadatoFiy(), 0);
}
