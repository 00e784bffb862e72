#include <gtest/gtest.h>

#include "CrtanjeStapa.h"
#include "PodelaStapa.h"
#include "PomocUredjivanja.h"
#include "UredjivanjeIzbora.h"

namespace {

struct TDuz {
    double x1, z1, x2, z2;
};

TModel Model(std::initializer_list<TDuz> duzi) {
    TModel m;
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, PodrazumevaniMaterijal);
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, PodrazumevaniPresek);
    for (const TDuz& d : duzi) {
        auto id = [&](double x, double z) {
            for (const auto& c : m.nizCvorova)
                if (c->X() == x && c->Z() == z) return c->ID();
            return -1;
        };
        NacrtajStap(m, {id(d.x1, d.z1), d.x1, d.z1}, {id(d.x2, d.z2), d.x2, d.z2}, {0, 0, 0, 0, 0});
    }
    return m;
}

void DodajSilu(TModel& m, int idStapa, long double sila, long double pozicija) {
    auto o = std::make_unique<TOpterecenje>(NoviID(m.nizOpterecenja), "o", toV, idStapa, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                            0, 0, 0, 0);
    o->SetKoncentrisanaSila(sila);
    o->SetPozicijaKoncentrisaneSile(pozicija);
    m.nizOpterecenja.push_back(std::move(o));
}

// Two bays: nodes 0 (0,0), 1 (4,0), 2 (8,0), 3 (4,3); members 0: 0-1, 1: 1-2, 2: 1-3.
TModel DvaPolja() { return Model({{0, 0, 4, 0}, {4, 0, 8, 0}, {4, 0, 4, 3}}); }

}  // namespace

TEST(IzborUPravougaoniku, MemberIsInOnlyWithBothNodes) {
    const TModel m = DvaPolja();
    struct {
        double x1, z1, x2, z2;
        std::vector<int> cvorovi, stapovi;
    } slucajevi[] = {
        {-1, -1, 5, 1, {0, 1}, {0}},              // left bay only
        {5, 1, -1, -1, {0, 1}, {0}},              // corners in the other order
        {3, -1, 5, 4, {1, 3}, {2}},               // the column
        {-1, -1, 9, 4, {0, 1, 2, 3}, {0, 1, 2}},  // all
        {1, 1, 2, 2, {}, {}},                     // nothing
    };
    for (const auto& s : slucajevi) {
        const TIzbor iz = IzborUPravougaoniku(m, s.x1, s.z1, s.x2, s.z2);
        EXPECT_EQ(iz.cvorovi, s.cvorovi);
        EXPECT_EQ(iz.stapovi, s.stapovi);
    }
}

TEST(ObrisiIzbor, NodeTakesItsMembersAndTheirLoadsAreUnassigned) {
    TModel m = DvaPolja();
    DodajSilu(m, 1, -10, 0.5L);
    ASSERT_TRUE(ObrisiIzbor(m, {{1}, {}}));
    EXPECT_TRUE(m.nizStapova.empty());
    ASSERT_EQ(m.nizCvorova.size(), 3u);
    EXPECT_EQ(m.nizCvorova[0]->ID(), 0);
    EXPECT_EQ(m.nizCvorova[1]->ID(), 2);
    EXPECT_EQ(m.nizCvorova[2]->ID(), 3);
    ASSERT_EQ(m.nizOpterecenja.size(), 1u);
    EXPECT_EQ(m.nizOpterecenja[0]->IDStapa(), -1);
}

TEST(ObrisiIzbor, MembersAloneLeaveTheirNodes) {
    TModel m = DvaPolja();
    ASSERT_TRUE(ObrisiIzbor(m, {{}, {0, 2}}));
    ASSERT_EQ(m.nizStapova.size(), 1u);
    EXPECT_EQ(m.nizStapova[0]->ID(), 1);
    EXPECT_EQ(m.nizCvorova.size(), 4u);
    EXPECT_FALSE(ObrisiIzbor(m, {{42}, {7}}));
    EXPECT_FALSE(ObrisiIzbor(m, {}));
}

TEST(PomeriIzbor, MembersCarryTheirNodesAndSharedNodesMoveOnce) {
    TModel m = DvaPolja();
    ASSERT_TRUE(PomeriIzbor(m, {{1}, {0, 2}}, 1, 2));
    const long double ocekivano[4][2] = {{1, 2}, {5, 2}, {8, 0}, {5, 5}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m.nizCvorova[size_t(i)]->X(), ocekivano[i][0]) << i;
        EXPECT_EQ(m.nizCvorova[size_t(i)]->Z(), ocekivano[i][1]) << i;
    }
    // Member 1 follows its moved start: now from (5, 2) to (8, 0).
    EXPECT_EQ(m.nizStapova[1]->PocetniCvor()->X(), 5.0L);
    EXPECT_FALSE(PomeriIzbor(m, {{1}, {}}, 0, 0));
    EXPECT_FALSE(PomeriIzbor(m, {}, 1, 1));
}

TEST(PomeriIzbor, OntoANodeLeftInPlaceIsRefusedAndChangesNothing) {
    TModel m = DvaPolja();
    const std::string pre = Snimak(m);
    // Node 3 (4, 3) moved by (4, -3) lands on node 2 (8, 0); within the minimum distance too.
    for (long double dx : {4.0L, 4.0005L}) {
        EXPECT_EQ(Poruka([&] {
                      PomeriIzbor(m, {{0, 3}, {}}, dx, -3);
                  }),
                  "Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova iznosi 0.001!!!");
        EXPECT_EQ(Snimak(m), pre);
    }
    // The whole structure moved onto itself shifted by one bay is fine: no node stays behind.
    EXPECT_TRUE(PomeriIzbor(m, {{0, 1, 2, 3}, {}}, 4, 0));
}

// Beam 0 along x from (0, 0) to (10, 0), column 1 from (4, -3) to (4, 5): they cross at (4, 0),
// at 0.4 of the beam and 3/8 of the column.
TEST(PreseciStapove, CrossingMembersShareOneNewNodeAndLoadsFollow) {
    TModel m = Model({{0, 0, 10, 0}, {4, -3, 4, 5}});
    DodajSilu(m, 0, -20, 0.3L);  // x = 3: 3/4 of the first half
    DodajSilu(m, 1, -5, 0.5L);   // z = 1: 1 m into the upper half, 1/5 of its 5 m
    std::vector<TPodelaStapa> podele;
    PreseciStapove(m, 0, 1, &podele);
    ASSERT_EQ(m.nizCvorova.size(), 5u);
    const TCvor& c = *m.nizCvorova[4];
    EXPECT_EQ(c.X(), 4.0L);
    EXPECT_EQ(c.Z(), 0.0L);
    ASSERT_EQ(m.nizStapova.size(), 4u);
    for (const auto& s : m.nizStapova) EXPECT_TRUE(s->PocetniCvor() == &c || s->KrajnjiCvor() == &c) << s->ID();
    ASSERT_EQ(podele.size(), 2u);
    EXPECT_EQ(podele[0].idCvora, c.ID());
    EXPECT_EQ(podele[1].idCvora, c.ID());
    EXPECT_EQ(m.nizOpterecenja[0]->IDStapa(), 0);
    EXPECT_NEAR(double(m.nizOpterecenja[0]->PozicijaKoncentrisaneSile()), 0.75, 1e-12);
    EXPECT_EQ(m.nizOpterecenja[1]->IDStapa(), podele[1].idNovogStapa);
    EXPECT_NEAR(double(m.nizOpterecenja[1]->PozicijaKoncentrisaneSile()), 0.2, 1e-12);
}

// A member whose end lies on the middle of the other: only the other is split, at that end node.
TEST(PreseciStapove, EndOnTheOtherSplitsOnlyTheOther) {
    for (bool obrnuto : {false, true}) {
        TModel m = Model({{0, 0, 10, 0}, {4, 0, 4, 5}});
        obrnuto ? PreseciStapove(m, 1, 0) : PreseciStapove(m, 0, 1);
        EXPECT_EQ(m.nizCvorova.size(), 4u);
        ASSERT_EQ(m.nizStapova.size(), 3u);
        EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor(), m.nizCvorova[2].get());
        EXPECT_EQ(m.nizStapova[2]->PocetniCvor(), m.nizCvorova[2].get());
        EXPECT_EQ(m.nizStapova[2]->KrajnjiCvor()->X(), 10.0L);
    }
}

TEST(PreseciStapove, RefusesMembersThatDoNotCrossAndChangesNothing) {
    struct {
        TDuz druga;
        const char* poruka;
    } slucajevi[] = {
        {{0, 2, 10, 2}, "Izabrani stapovi se ne seku!!!"},               // parallel
        {{12, -3, 12, 3}, "Izabrani stapovi se ne seku!!!"},             // the lines cross past the end
        {{4, 1, 4, 5}, "Izabrani stapovi se ne seku!!!"},                // stops short
        {{10, 0, 10, 5}, "Izabrani stapovi se vec sastaju u cvoru!!!"},  // already joined
    };
    for (const auto& s : slucajevi) {
        TModel m = Model({{0, 0, 10, 0}, s.druga});
        const std::string pre = Snimak(m);
        EXPECT_EQ(Poruka([&] { PreseciStapove(m, 0, 1); }), s.poruka);
        EXPECT_EQ(Snimak(m), pre);
    }
    TModel m = Model({{0, 0, 10, 0}});
    EXPECT_EQ(Poruka([&] { PreseciStapove(m, 0, 0); }), "Izaberite dva stapa koji se seku!!!");
    EXPECT_EQ(Poruka([&] { PreseciStapove(m, 0, 5); }), "Izaberite dva stapa koji se seku!!!");
}
