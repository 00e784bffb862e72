#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PomocModela.h"
#include "StanjeAnalize.h"

// The code numbers each local degree of freedom takes; the nodes' numbers have gaps, so a
// position taken from the wrong node or direction shows.
TEST(KodniBrojeviStapa, EachTypeTakesItsNodesCodeNumbersInLocalOrder) {
    TGraditeljModela g;
    g.Cvor(0, 0);
    TCvor* i = g.Cvor(0, 0);  // 4 5 6
    g.Cvor(1, 0);
    TCvor* k = g.Cvor(4, 3);  // 10 11 12, after the gap the deleted node leaves
    g.m.nizCvorova.erase(g.m.nizCvorova.begin() + 2);
    ASSERT_EQ(k->BrPomeranjaX(), 10);

    struct TSlucaj {
        int tip;
        std::vector<int> kodovi;
    };
    const TSlucaj slucajevi[] = {
        {tsK, {4, 5, 6, 10, 11, 12}},
        {tsIG, {4, 5, 6, 10, 11}},
        {tsGK, {4, 5, 10, 11, 12}},
        {tsProst, {4, 5, 10, 11}},
        {-1, {}},
        {4, {}},
    };
    for (const TSlucaj& s : slucajevi) {
        SCOPED_TRACE("type " + std::to_string(s.tip));
        const TStap* st = g.Stap(i, k, s.tip);
        EXPECT_EQ(KodniBrojeviStapa(*st), s.kodovi);
        EXPECT_EQ(BrojStepeniSlobode(s.tip), static_cast<int>(s.kodovi.size()));
    }
    // Reversing a member swaps which node gives the first numbers.
    EXPECT_EQ(KodniBrojeviStapa(*g.Stap(k, i, tsGK)), (std::vector<int>{10, 11, 4, 5, 6}));
}
