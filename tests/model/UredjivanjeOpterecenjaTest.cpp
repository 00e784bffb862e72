#include <gtest/gtest.h>

#include "PomocUredjivanja.h"

#include <functional>

#include "Brojevi.h"
#include "Greska.h"
#include "ModelFajl.h"
#include "UredjivanjeOpterecenja.h"

namespace {

const std::string sila = "Relativna pozicija koncentrisane sile mora biti izmedju nule i jedinice!!!";
const std::string moment = "Relativna pozicija koncentrisanog momenta mora biti izmedju nule i jedinice!!!";
const std::string pocetak = "Relativna pozicija pocetka raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!";
const std::string kraj = "Relativna pozicija kraja raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!";
const std::string redosled =
    "Relativna pozicija pocetka raspodeljenog opterecenja mora biti manja od relativne pozicije kraja "
    "raspodeljenog opterecenja!!!";

// Members 0 -> 1 -> 2 -> ... (two unless asked), nothing else needed by the load commands.
struct TModelSaStapovima {
    TModel m;
    TMaterijal mat{0, "m", 1, 0, 0, 0};
    TPresek pr{0, "p", 1, 1, 1, 0};
    explicit TModelSaStapovima(int stapova = 2) {
        for (int i = 0; i <= stapova; ++i)
            m.nizCvorova.push_back(std::make_unique<TCvor>(i, i, 0, false, false, false, 0, 0, 0, 0, 0, 0, 3 * i + 1,
                                                           3 * i + 2, 3 * i + 3, 0, 0, 0, 0, 0, 0));
        for (int i = 0; i < stapova; ++i)
            m.nizStapova.push_back(std::make_unique<TStap>(i, &mat, &pr, m.nizCvorova[size_t(i)].get(),
                                                           m.nizCvorova[size_t(i) + 1].get(), 0));
    }
    ~TModelSaStapovima() { m.Isprazni(); }
};

}  // namespace

TEST(UredjivanjeOpterecenja, PositionChecksOfEveryKind) {
    struct Slucaj {
        int tip;
        TPoljaOpterecenja polja;
        std::string poruka;
    };
    const Slucaj slucajevi[] = {
        {toV, {"-10", "0", ""}, ""},
        {toV, {"10", "1", ""}, ""},
        {toV, {"10", "1.0001", ""}, sila},
        {toV, {"10", "-0.0001", ""}, sila},
        {toV, {"x", "7", ""}, PorukaNeispravanReal("x")},  // all fields are converted before any check
        {toV, {"0", "p", ""}, PorukaNeispravanReal("p")},
        {toH, {"0", "2", ""}, sila},
        {toH, {"-3", "0.25", ""}, ""},
        {toM, {"5", "1.5", ""}, moment},
        {toM, {"5", "0", ""}, ""},
        {toPn, {"-7", "0.3", "0.3"}, ""},
        {toPn, {"-7", "0.6", "0.4"}, redosled},
        {toPn, {"-7", "-0.1", "2"}, pocetak},
        {toPn, {"-7", "0", "1.1"}, kraj},
        {toPn, {"-7", "9", "k"}, PorukaNeispravanReal("k")},
        {toPt, {"1", "0.9", "0.1"}, redosled},
        {toPt, {"1", "1.2", "0.1"}, pocetak},
        {toPt, {"1", "0.5", "-1"}, kraj},
        {toPt, {"1", "0", "1"}, ""},
        {toT, {"-25", "ignored", ""}, ""},
        {toT, {"t", "", ""}, PorukaNeispravanReal("t")},
        {toDeltaT, {"40", "", ""}, ""},
    };
    for (const auto& s : slucajevi) {
        TModel m;
        const std::string pre = Snimak(m);
        EXPECT_EQ(Poruka([&] { DodajOpterecenje(m, s.tip, "o", s.polja); }), s.poruka)
            << s.tip << ": " << s.polja[0] << "|" << s.polja[1] << "|" << s.polja[2];
        if (!s.poruka.empty()) {
            EXPECT_EQ(Snimak(m), pre);
        }
        // Changing runs the same checks.
        DodajOpterecenje(m, toT, "t", {"1", "", ""});
        const std::string pre2 = Snimak(m);
        const size_t poslednje = m.nizOpterecenja.size() - 1;
        EXPECT_EQ(Poruka([&] { PromeniOpterecenje(m, int(poslednje), s.tip, "o", s.polja); }), s.poruka);
        if (!s.poruka.empty()) {
            EXPECT_EQ(Snimak(m), pre2);
        }
    }
}

TEST(UredjivanjeOpterecenja, NameMessagesDifferBetweenAddAndChange) {
    TModel m;
    EXPECT_EQ(Poruka([&] { DodajOpterecenje(m, toV, "", {"x", "x", ""}); }), "Ime opterecenja nije korektno zadano!!!");
    EXPECT_TRUE(m.nizOpterecenja.empty());
    EXPECT_FALSE(PromeniOpterecenje(m, 0, toV, "", {"x", "x", ""}));  // no loads: nothing happens
    DodajOpterecenje(m, toV, "a", {"1", "0.5", ""});
    EXPECT_EQ(Poruka([&] {
                  PromeniOpterecenje(m, 0, toV, "", {"x", "x", ""});
              }),
              "Ime opterecenja nije korektno zadato!!!");
    EXPECT_FALSE(DodajOpterecenje(m, 9, "a", {"1", "0.5", ""}));
}

TEST(UredjivanjeOpterecenja, NewLoadHasOnlyItsKindsValues) {
    TModel m;
    const TPoljaOpterecenja polja[] = {{"1", "0.1", ""}, {"2", "0.2", ""}, {"3", "0.3", "0.4"}, {"4", "", ""},
                                       {"5", "", ""},    {"6", "0.6", ""}, {"7", "0.7", "0.8"}};
    for (int tip = toV; tip <= toPt; ++tip)
        ASSERT_TRUE(DodajOpterecenje(m, tip, "o" + std::to_string(tip), polja[tip]));
    const std::vector<std::vector<long double>> ocekivano = {{1, 0.1L}, {2, 0.2L}, {3, 0.3L, 0.4L}, {4},
                                                             {5},       {6, 0.6L}, {7, 0.7L, 0.8L}};
    for (int tip = toV; tip <= toPt; ++tip) {
        const TOpterecenje& o = *m.nizOpterecenja[size_t(tip)];
        EXPECT_EQ(o.ID(), tip);
        EXPECT_EQ(o.Tip(), tip);
        EXPECT_EQ(o.IDStapa(), -1);
        EXPECT_EQ(VrednostiOpterecenja(o), ocekivano[size_t(tip)]);
        EXPECT_EQ(BrojPoljaOpterecenja(tip), int(ocekivano[size_t(tip)].size()));
    }
    // Every field outside the kind is 0: the sum of all of them equals the sum of the kind's own.
    const TOpterecenje& pn = *m.nizOpterecenja[toPn];
    EXPECT_EQ(pn.KoncentrisanaSila() + pn.PozicijaKoncentrisaneSile() + pn.KoncentrisaniMoment() +
                  pn.PozicijaKoncentrisanogMomenta() + pn.TemperaturnaPromena() + pn.TemperaturnaRazlika() +
                  pn.KoncentrisanaSilaUPravcuOse() + pn.PozicijaKoncentrisaneSileUPravcuOse() +
                  pn.RaspodeljenoOpterecenjeUPravcuOse() + pn.PocetakRaspodeljenogUPravcuOse() +
                  pn.KrajRaspodeljenogUPravcuOse(),
              0);
    EXPECT_EQ(SpisakOpterecenja(m).front(), "o0");
}

TEST(UredjivanjeOpterecenja, ChangingTheKindKeepsOldValuesAndTheMember) {
    TModelSaStapovima t;
    DodajOpterecenje(t.m, toV, "sila", {"12", "0.25", ""});
    PridruziOpterecenje(t.m, 0, 1);
    ASSERT_TRUE(PromeniOpterecenje(t.m, 0, toPt, "smicanje", {"-3", "0.1", "0.9"}));
    const TOpterecenje& o = *t.m.nizOpterecenja[0];
    EXPECT_EQ(o.Ime(), "smicanje");
    EXPECT_EQ(o.Tip(), toPt);
    EXPECT_EQ(o.IDStapa(), 1);
    EXPECT_EQ(o.KoncentrisanaSila(), 12);
    EXPECT_EQ(o.PozicijaKoncentrisaneSile(), 0.25L);
    EXPECT_EQ(VrednostiOpterecenja(o), (std::vector<long double>{-3, 0.1L, 0.9L}));
    EXPECT_EQ(o.ID(), 0);
}

TEST(UredjivanjeOpterecenja, AssignAndUnassign) {
    TModelSaStapovima t;
    TModel& m = t.m;
    EXPECT_FALSE(PridruziOpterecenje(m, 0, 0));  // no loads
    for (const char* ime : {"a", "b"}) DodajOpterecenje(m, toDeltaT, ime, {"5", "", ""});
    ASSERT_TRUE(PridruziOpterecenje(m, 0, 1));
    EXPECT_EQ(m.nizOpterecenja[0]->IDStapa(), 1);
    const std::string pre = Snimak(m);
    const std::string vec =
        "Selektovano opterecenje je pridruzeno stapu ID=1!!!\r\nPrvo se mora obrisati sa drugog stapa!!!";
    EXPECT_EQ(Poruka([&] { PridruziOpterecenje(m, 0, 0); }), vec);
    EXPECT_EQ(Poruka([&] { PridruziOpterecenje(m, 0, 1); }), vec);  // also to its own member
    EXPECT_EQ(Poruka([&] { UkloniOpterecenjeSaStapa(m, 0, 0); }),
              "Selektovano opterecenje nije pridruzeno selektovanom stapu!!!");
    EXPECT_EQ(Poruka([&] { UkloniOpterecenjeSaStapa(m, 1, 1); }),
              "Selektovano opterecenje nije pridruzeno selektovanom stapu!!!");
    EXPECT_EQ(Snimak(m), pre);
    ASSERT_TRUE(UkloniOpterecenjeSaStapa(m, 0, 1));
    EXPECT_EQ(m.nizOpterecenja[0]->IDStapa(), -1);
    ASSERT_TRUE(PridruziOpterecenje(m, 0, 0));
    // A load that names a member no longer in the model counts as free.
    m.nizOpterecenja[1]->SetIDStapa(42);
    ASSERT_TRUE(PridruziOpterecenje(m, 1, 0));
    EXPECT_EQ(SpisakOpterecenjaStapa(m, 0), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(PridruziOpterecenje(m, 2, 0));
    EXPECT_FALSE(UkloniOpterecenjeSaStapa(m, 0, 2));
}

TEST(UredjivanjeOpterecenja, DeleteRemovesTheLoadWhereverItIs) {
    TModelSaStapovima t;
    for (const char* ime : {"a", "b", "c"}) DodajOpterecenje(t.m, toT, ime, {"1", "", ""});
    PridruziOpterecenje(t.m, 1, 0);
    ASSERT_TRUE(ObrisiOpterecenje(t.m, 1));
    EXPECT_EQ(SpisakOpterecenja(t.m), (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(SpisakOpterecenjaStapa(t.m, 0).empty());
    EXPECT_EQ(t.m.nizOpterecenja[1]->ID(), 2);
    DodajOpterecenje(t.m, toT, "d", {"1", "", ""});
    EXPECT_EQ(t.m.nizOpterecenja.back()->ID(), 3);
    EXPECT_FALSE(ObrisiOpterecenje(t.m, 3));
}

TEST(UredjivanjeOpterecenja, OneDefinitionOntoSeveralMembersMakesOneLoadEach) {
    TModelSaStapovima t(3);
    TModel& m = t.m;
    DodajOpterecenje(m, toV, "P", {"10", "0.25", ""});
    DodajOpterecenje(m, toT, "t", {"5", "", ""});
    ASSERT_EQ(PridruziOpterecenjeStapovima(m, 0, {0, 1, 2}), 3);
    ASSERT_EQ(m.nizOpterecenja.size(), 4u);
    const std::vector<std::pair<size_t, int>> ocekivano = {{0, 0}, {2, 1}, {3, 2}};  // load index, member ID
    for (const auto& [i, stap] : ocekivano) {
        const TOpterecenje& o = *m.nizOpterecenja[i];
        EXPECT_EQ(o.IDStapa(), stap);
        EXPECT_EQ(o.Tip(), toV);
        EXPECT_EQ(o.Ime(), "P");
        EXPECT_EQ(o.KoncentrisanaSila(), 10);
        EXPECT_EQ(o.PozicijaKoncentrisaneSile(), 0.25L);
    }
    EXPECT_EQ(m.nizOpterecenja[2]->ID(), 2);
    EXPECT_EQ(m.nizOpterecenja[3]->ID(), 3);
    EXPECT_EQ(m.nizOpterecenja[1]->IDStapa(), -1);  // the other definition is untouched
    for (int s = 0; s < 3; ++s) EXPECT_EQ(SpisakOpterecenjaStapa(m, s), (std::vector<std::string>{"P"}));
}

TEST(UredjivanjeOpterecenja, SeveralMembersPassOverRepeatsTheOwnMemberAndUnknownOnes) {
    TModelSaStapovima t(3);
    TModel& m = t.m;
    DodajOpterecenje(m, toT, "t", {"5", "", ""});
    PridruziOpterecenje(m, 0, 1);
    const std::string pre = Snimak(m);
    EXPECT_EQ(PridruziOpterecenjeStapovima(m, 0, {1, -1, 3}), 0);
    EXPECT_EQ(PridruziOpterecenjeStapovima(m, 1, {0}), 0);  // no such load
    EXPECT_EQ(PridruziOpterecenjeStapovima(m, 0, {}), 0);
    EXPECT_EQ(Snimak(m), pre);
    // An assigned definition stays where it is; the others get copies, each member once.
    ASSERT_EQ(PridruziOpterecenjeStapovima(m, 0, {2, 1, 2, 0}), 2);
    ASSERT_EQ(m.nizOpterecenja.size(), 3u);
    EXPECT_EQ(m.nizOpterecenja[0]->IDStapa(), 1);
    EXPECT_EQ(m.nizOpterecenja[1]->IDStapa(), 2);
    EXPECT_EQ(m.nizOpterecenja[2]->IDStapa(), 0);
    EXPECT_EQ(m.nizOpterecenja[2]->TemperaturnaPromena(), 5);
}
