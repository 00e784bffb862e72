// Every member's diagrams made on several threads: the same numbers, bit for bit, as one after
// another, whatever the thread count.
#include <gtest/gtest.h>

#include "GeneratorModela.h"
#include "IstiDijagrami.h"
#include "PomocModela.h"
#include "Proracun.h"

namespace {

struct TAnaliziran {
    TModel m;
    TStanjeAnalize stanje;
    explicit TAnaliziran(TModel model) : m(std::move(model)) {
        TPosmatracBezEkrana posmatrac(m, stanje);
        const TRezultatProracuna r = PokreniAnalizu(m, stanje, posmatrac);
        EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
    }
};

TEST(DijagramiUNitima, GeneratedFrameIsTheSameOnAnyThreadCount) {
    TAnaliziran a(GenerisiRamSaCvorova(5000));
    ASSERT_GT(a.m.nizStapova.size(), 4000u);
    const auto jedna = DijagramiSvihStapova(a.m, a.stanje, 1);
    ASSERT_EQ(jedna.size(), a.m.nizStapova.size());
    for (int niti : {2, 3, 7, 0, -4}) {
        SCOPED_TRACE(niti);
        EXPECT_TRUE(IstiDijagrami(DijagramiSvihStapova(a.m, a.stanje, niti), jedna));
    }
    EXPECT_TRUE(IstiDijagrami(DijagramiSvihStapova(a.m, a.stanje), jedna));
}

// A beam of span 6 on a pin and a roller as two members joined at 3, 12 down at x = 4: more threads
// than members, and still M = P a b / L under the load and P b x / L at the joint.
TEST(DijagramiUNitima, MoreThreadsThanMembers) {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(3, 0);
    TCvor* c = g.Cvor(6, 0, false, true);
    g.Stap(a, b, tsGK);
    g.Stap(b, c, tsIG);
    g.Opt(toV, 1, -12, 1.0L / 3);
    TAnaliziran r(std::move(g.m));
    const auto jedna = DijagramiSvihStapova(r.m, r.stanje, 1);
    const auto osam = DijagramiSvihStapova(r.m, r.stanje, 8);
    ASSERT_TRUE(IstiDijagrami(osam, jedna));
    EXPECT_NEAR(double(osam[1].Vrednosti(1).M), 12.0 * 4 * 2 / 6, 1e-9);
    EXPECT_NEAR(double(osam[0].Vrednosti(3).M), 12.0 * 2 * 3 / 6, 1e-9);
}

TEST(DijagramiUNitima, NoResultsIsRefusedOnAnyThreadCount) {
    TGraditeljModela g;
    g.Stap(g.Cvor(0, 0, true, true), g.Cvor(4, 0, false, true), tsGK);
    TStanjeAnalize st;
    for (int niti : {1, 2}) EXPECT_THROW(DijagramiSvihStapova(g.m, st, niti), std::exception);
}

}  // namespace
