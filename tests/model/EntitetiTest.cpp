#include <gtest/gtest.h>

#include <climits>

#include "Greska.h"
#include "Model.h"

TEST(Materijal, ShearModulusFollowsEAndPoisson) {
    TMaterijal m(0, "beton", 30e6L, 0.5L, 2500, 1e-5L);
    EXPECT_EQ(m.G(), 30e6L / 3);
    m.SetPoasonov(0);
    EXPECT_EQ(m.G(), 30e6L / 2);
    m.SetE(210e6L);
    EXPECT_EQ(m.G(), 105e6L);
}

namespace {
TCvor* DodajCvor(TModel& m, long double x, long double z) {
    const TKodniBrojeviCvora kb = KodniBrojeviNovogCvora(m);
    m.nizCvorova.push_back(std::make_unique<TCvor>(NoviID(m.nizCvorova), x, z, false, false, false, 0, 0, 0, 0, 0, 0,
                                                   kb.x, kb.z, kb.y, 0, 0, 0, 0, 0, 0));
    return m.nizCvorova.back().get();
}
}  // namespace

TEST(Model, NodeIdsAndCodeNumbersComeFromTheLastNode) {
    TModel m;
    TCvor* a = DodajCvor(m, 0, 0);
    EXPECT_EQ(a->ID(), 0);
    EXPECT_EQ(a->BrPomeranjaX(), 1);
    EXPECT_EQ(a->BrPomeranjaZ(), 2);
    EXPECT_EQ(a->BrObrtanjaY(), 3);
    TCvor* b = DodajCvor(m, 1, 0);
    EXPECT_EQ(b->ID(), 1);
    EXPECT_EQ(b->BrPomeranjaX(), 4);
    EXPECT_EQ(b->BrObrtanjaY(), 6);
    m.nizCvorova.pop_back();  // deleting the last node frees its ID and code numbers again
    TCvor* c = DodajCvor(m, 2, 0);
    EXPECT_EQ(c->ID(), 1);
    EXPECT_EQ(c->BrPomeranjaX(), 4);
    // Deleting the first node leaves gaps; new nodes still continue from the last one.
    m.nizCvorova.erase(m.nizCvorova.begin());
    TCvor* d = DodajCvor(m, 3, 0);
    EXPECT_EQ(d->ID(), 2);
    EXPECT_EQ(d->BrPomeranjaX(), 7);
}

TEST(Model, IdentifiersRiseFromTheLastEntityAndNeverOverflow) {
    TModel m;
    EXPECT_EQ(NoviID(m.nizMaterijala), 0);
    for (int i = 0; i < 3; ++i)
        m.nizMaterijala.push_back(std::make_unique<TMaterijal>(NoviID(m.nizMaterijala), "m", 1, 0, 0, 0));
    m.nizMaterijala.erase(m.nizMaterijala.begin());
    EXPECT_EQ(m.nizMaterijala.front()->ID(), 1);
    EXPECT_EQ(NoviID(m.nizMaterijala), 3);
    m.nizMaterijala.back()->SetID(INT_MAX);
    EXPECT_THROW(NoviID(m.nizMaterijala), TGreska);
}

TEST(Model, LookupsFindTheFirstEntityWithTheId) {
    TModel m;
    DodajCvor(m, 0, 0);
    DodajCvor(m, 5, 0);
    EXPECT_EQ(NadjiCvor(m, 1)->X(), 5);
    EXPECT_EQ(NadjiCvor(m, 7), nullptr);
    EXPECT_EQ(NadjiStap(m, 0), nullptr);
}
