#include <gtest/gtest.h>

#include <cmath>

#include "CrtanjeStapa.h"
#include "PodelaStapa.h"
#include "PomocUredjivanja.h"
#include "TipoviStapa.h"

namespace {

// A 10 m member along x from (0, 0), of the given type, with one load of every kind.
TModel Greda(int tip) {
    TModel m;
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, PodrazumevaniMaterijal);
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, PodrazumevaniPresek);
    NacrtajStap(m, {-1, 0, 0}, {-1, 10, 0}, {0, 0, 0, 0, tip});
    const int id = m.nizStapova[0]->ID();
    auto opt = [&](int vrsta, long double a, long double b, long double c) {
        auto o = std::make_unique<TOpterecenje>(NoviID(m.nizOpterecenja), "o", vrsta, id, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                0, 0, 0, 0);
        switch (vrsta) {
            case toV: o->SetKoncentrisanaSila(a), o->SetPozicijaKoncentrisaneSile(b); break;
            case toM: o->SetKoncentrisaniMoment(a), o->SetPozicijaKoncentrisanogMomenta(b); break;
            case toH: o->SetKoncentrisanaSilaUPravcuOse(a), o->SetPozicijaKoncentrisaneSileUPravcuOse(b); break;
            case toPn:
                o->SetRaspodeljenoOpterecenje(a), o->SetPocetakRaspodeljenog(b), o->SetKrajRaspodeljenog(c);
                break;
            case toPt:
                o->SetRaspodeljenoOpterecenjeUPravcuOse(a), o->SetPocetakRaspodeljenogUPravcuOse(b),
                    o->SetKrajRaspodeljenogUPravcuOse(c);
                break;
            default: o->SetTemperaturnaPromena(a); break;
        }
        m.nizOpterecenja.push_back(std::move(o));
    };
    opt(toV, -20, 0.3L, 0);      // at x = 3
    opt(toM, 5, 0.8L, 0);        // at x = 8
    opt(toPn, -10, 0.2L, 0.7L);  // from x = 2 to 7
    opt(toPt, 4, 0.6L, 0.9L);    // from x = 6 to 9
    opt(toH, 7, 0.4L, 0);        // at x = 4, the split point itself
    opt(toT, 15, 0, 0);
    return m;
}

}  // namespace

// Split at x = 4 (t = 0.4): the first half is 4 m, the second 6 m; every position is the load's
// x over the length of its half, measured from that half's start.
TEST(PodelaStapa, LoadsGoToTheirHalfWithPositionsRecomputed) {
    TModel m = Greda(tsK);
    TPodelaStapa ishod;
    ASSERT_TRUE(PodeliStap(m, 0, 0.4, &ishod));
    ASSERT_EQ(m.nizCvorova.size(), 3u);
    EXPECT_EQ(m.nizCvorova[2]->X(), 4.0L);
    EXPECT_EQ(m.nizCvorova[2]->Z(), 0.0L);
    ASSERT_EQ(m.nizStapova.size(), 2u);
    const TStap& prva = *m.nizStapova[0];
    const TStap& druga = *m.nizStapova[1];
    EXPECT_EQ(prva.KrajnjiCvor(), m.nizCvorova[2].get());
    EXPECT_EQ(druga.PocetniCvor(), m.nizCvorova[2].get());
    EXPECT_EQ(druga.KrajnjiCvor(), m.nizCvorova[1].get());
    EXPECT_EQ(druga.Materijal(), prva.Materijal());
    EXPECT_EQ(druga.Presek(), prva.Presek());
    EXPECT_EQ(ishod.idNovogStapa, druga.ID());
    EXPECT_EQ(ishod.premestenih, 2);  // the moment and the axial distributed load
    EXPECT_EQ(ishod.podeljenih, 2);   // the distributed load across x = 4 and the temperature
    ASSERT_EQ(m.nizOpterecenja.size(), 8u);
    const auto& o = m.nizOpterecenja;
    const double e = 1e-15;
    EXPECT_EQ(o[0]->IDStapa(), prva.ID());
    EXPECT_NEAR(double(o[0]->PozicijaKoncentrisaneSile()), 3.0 / 4, e);
    EXPECT_EQ(o[1]->IDStapa(), druga.ID());
    EXPECT_NEAR(double(o[1]->PozicijaKoncentrisanogMomenta()), 4.0 / 6, e);
    EXPECT_EQ(o[2]->IDStapa(), prva.ID());
    EXPECT_NEAR(double(o[2]->PocetakRaspodeljenog()), 2.0 / 4, e);
    EXPECT_EQ(o[2]->KrajRaspodeljenog(), 1.0L);
    EXPECT_EQ(o[3]->IDStapa(), druga.ID());
    EXPECT_NEAR(double(o[3]->PocetakRaspodeljenogUPravcuOse()), 2.0 / 6, e);
    EXPECT_NEAR(double(o[3]->KrajRaspodeljenogUPravcuOse()), 5.0 / 6, e);
    EXPECT_EQ(o[4]->IDStapa(), prva.ID());  // on the point: the end of the first half
    EXPECT_NEAR(double(o[4]->PozicijaKoncentrisaneSileUPravcuOse()), 1.0, e);
    EXPECT_EQ(o[5]->IDStapa(), prva.ID());
    // The copies: the rest of the distributed load from x = 4 to 7, the temperature.
    EXPECT_EQ(o[6]->IDStapa(), druga.ID());
    EXPECT_EQ(o[6]->Tip(), toPn);
    EXPECT_EQ(o[6]->RaspodeljenoOpterecenje(), -10.0L);
    EXPECT_EQ(o[6]->PocetakRaspodeljenog(), 0.0L);
    EXPECT_NEAR(double(o[6]->KrajRaspodeljenog()), 3.0 / 6, e);
    EXPECT_EQ(o[7]->IDStapa(), druga.ID());
    EXPECT_EQ(o[7]->TemperaturnaPromena(), 15.0L);
    EXPECT_NE(o[6]->ID(), o[7]->ID());
    // The distributed load's total is kept: 10 kN/m over 5 m before, over 2 m + 3 m after.
    const double ukupno = (1 - double(o[2]->PocetakRaspodeljenog())) * 4 + double(o[6]->KrajRaspodeljenog()) * 6;
    EXPECT_NEAR(ukupno, 5.0, 1e-14);
}

// The original ends keep their connection; at the new node both halves are rigid.
TEST(PodelaStapa, HalvesKeepTheOuterEndsAndAreRigidAtTheNewNode) {
    const struct {
        int tip, prva, druga;
    } slucajevi[] = {{tsK, tsK, tsK}, {tsIG, tsK, tsIG}, {tsGK, tsGK, tsK}, {tsProst, tsGK, tsIG}};
    for (const auto& s : slucajevi) {
        TModel m = Greda(s.tip);
        ASSERT_TRUE(PodeliStap(m, 0, 0.25));
        EXPECT_EQ(m.nizStapova[0]->TipStapa(), s.prva) << s.tip;
        EXPECT_EQ(m.nizStapova[1]->TipStapa(), s.druga) << s.tip;
    }
}

TEST(PodelaStapa, RefusesWhatCannotBeSplit) {
    TModel m = Greda(tsK);
    const std::string pre = Snimak(m);
    EXPECT_FALSE(PodeliStap(m, 0, 0));
    EXPECT_FALSE(PodeliStap(m, 0, 1));
    EXPECT_FALSE(PodeliStap(m, 0, std::nan("")));
    EXPECT_FALSE(PodeliStap(m, 7, 0.5));
    // Closer than the nodes' minimal distance to the start node: the node page's refusal.
    EXPECT_NE(Poruka([&] { PodeliStap(m, 0, 0.00005); }), "");
    EXPECT_EQ(Snimak(m), pre);
}

TEST(PodelaStapa, NearestPointOnAMember) {
    TModel m = Greda(tsK);
    const TStap& s = *m.nizStapova[0];
    const struct { double x, z, t, d; } slucajevi[] = {{4, 3, 0.4, 3}, {-3, 4, 0, 5}, {13, -4, 1, 5}, {10, 0, 1, 0}};
    for (const auto& c : slucajevi) {
        const TPolozajNaStapu t = NajblizaTackaStapa(s, c.x, c.z);
        EXPECT_DOUBLE_EQ(t.t, c.t);
        EXPECT_DOUBLE_EQ(t.rastojanje, c.d);
    }
}

// Drawing onto members: an end inside a member splits it, an end on a member's node takes the
// node, and two ends on one member split it twice, the second on the half the first left.
TEST(PodelaStapa, DrawnEndsOnMembers) {
    TModel m = Greda(tsK);
    m.nizOpterecenja.clear();
    NacrtajStap(m, {-1, 5, -5}, {-1, 5, 5}, {0, 0, 0, 0, tsK});
    std::vector<TPodelaStapa> podele;
    // From inside the beam to the top node of the upright: one split, the node taken as it is.
    ASSERT_TRUE(NacrtajStapNaStapove(m, {-1, 3, 0}, 0, {-1, 5, 5}, 1, {0, 0, 0, 0, tsK}, &podele));
    ASSERT_EQ(podele.size(), 1u);
    ASSERT_EQ(m.nizCvorova.size(), 5u);
    EXPECT_EQ(m.nizCvorova[4]->X(), 3.0L);
    const TStap& nacrtan = *m.nizStapova.back();
    EXPECT_EQ(nacrtan.PocetniCvor(), m.nizCvorova[4].get());
    EXPECT_EQ(nacrtan.KrajnjiCvor(), m.nizCvorova[3].get());
    // Between two points of the beam's second half (3..10): it splits at 6, then the part 6..10
    // at 8, and the drawn member would lie over the half 6..8: the member check refuses it.
    EXPECT_THROW(NacrtajStapNaStapove(m, {-1, 6, 0}, podele[0].idNovogStapa, {-1, 8, 0}, podele[0].idNovogStapa,
                                      {0, 0, 0, 0, tsK}, &podele),
                 TGreska);
    // Across the upright: from the beam at 8 to the upright at z = 2, two different members.
    TModel n = Greda(tsK);
    NacrtajStap(n, {-1, 5, -5}, {-1, 5, 5}, {0, 0, 0, 0, tsK});
    ASSERT_TRUE(NacrtajStapNaStapove(n, {-1, 8, 0}, 0, {-1, 5, 2}, 1, {0, 0, 0, 0, tsK}, &podele));
    ASSERT_EQ(podele.size(), 2u);
    EXPECT_EQ(n.nizStapova.size(), 5u);
    EXPECT_EQ(n.nizCvorova.back()->Z(), 2.0L);
}
