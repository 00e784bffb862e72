#include <gtest/gtest.h>

#include "PomocUredjivanja.h"

#include <functional>
#include <string>
#include <vector>

#include "CrtanjeStapa.h"
#include "Dokument.h"
#include "KopijaModela.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjePreseka.h"
#include "UredjivanjeStapova.h"

namespace {

const auto D = TRezimIzmene::Dodaj;
const auto P = TRezimIzmene::Promeni;

// Two materials, one section, three nodes (IDs 0, 1, 2), two members (0: 0-1, 1: 1-2) and a load on
// member 0: every list has something to change, add or remove.
std::unique_ptr<TModel> Okvir() {
    auto m = std::make_unique<TModel>();
    DodajIliPromeniMaterijal(*m, D, -1, {"M1", "3e7", "0.2", "2500", "1e-5"});
    DodajIliPromeniMaterijal(*m, D, -1, {"M2", "2e8", "0.3", "7850", "1.2e-5"});
    DodajIliPromeniPresek(*m, D, -1, {"P1", "0.003125", "0.15", "0.5", "0"});
    for (const char* x : {"0", "4", "8"}) DodajIliPromeniCvor(*m, D, -1, x, "0");
    DodajStap(*m, {0, 0, 0, 1, tsK});
    DodajStap(*m, {0, 0, 1, 2, tsK});
    DodajOpterecenje(*m, toPn, "q", {"-10", "0", "1"});
    PridruziOpterecenje(*m, 0, 0);
    return m;
}

struct TSlucajRazlike {
    const char* opis;
    std::function<void(TModel&)> izmena;
    unsigned delovi;
    int id;
};

}  // namespace

TEST(RazlikaModela, NamesTheListsAndTheOneEntityAChangeTouched) {
    const std::vector<TSlucajRazlike> slucajevi = {
        {"nothing", [](TModel&) {}, 0, -1},
        {"a material changed in place",
         [](TModel& m) {
             DodajIliPromeniMaterijal(m, P, 1, {"Celik", "2e8", "0.3", "7850", "1e-5"});
         },
         ddMaterijali, 1},
        {"a section added",
         [](TModel& m) {
             DodajIliPromeniPresek(m, D, -1, {"P2", "1", "1", "1", "0"});
         },
         ddPreseci, 1},
        {"a node moved", [](TModel& m) { DodajIliPromeniCvor(m, P, 2, "9", "1"); }, ddCvorovi, 2},
        {"a node load",
         [](TModel& m) {
             PostaviOpterecenjeCvora(m, 1, {"10", "0", "0", "0", "0", "0"});
         },
         ddCvorovi, 1},
        {"an unused node added", [](TModel& m) { DodajIliPromeniCvor(m, D, -1, "0", "5"); }, ddCvorovi, 3},
        {"the last member removed", [](TModel& m) { ObrisiStap(m, 1); }, ddStapovi, 1},
        // Its load stays in the list, unassigned.
        {"the loaded member removed", [](TModel& m) { ObrisiStap(m, 0); }, ddStapovi | ddOpterecenja, -1},
        {"a load unassigned", [](TModel& m) { UkloniOpterecenjeSaStapa(m, 0, 0); }, ddOpterecenja, 0},
        {"a member and its nodes drawn",
         [](TModel& m) {
             NacrtajStap(m, {-1, 0, 9}, {-1, 4, 9}, {});
         },
         ddCvorovi | ddStapovi, -1},
        {"the node distance", [](TModel& m) { m.minRastojanjeCvorova = 0.5L; }, ddCvorovi, -1},
        {"two materials changed",
         [](TModel& m) {
             DodajIliPromeniMaterijal(m, P, 0, {"A", "1", "0.2", "1", "0"});
             DodajIliPromeniMaterijal(m, P, 1, {"B", "1", "0.2", "1", "0"});
         },
         ddMaterijali, -1},
    };
    for (const auto& s : slucajevi) {
        const auto pre = Okvir();
        auto posle = KopirajModel(*pre);
        s.izmena(*posle);
        const TIzmena r = RazlikaModela(*pre, *posle);
        EXPECT_EQ(r.delovi, s.delovi) << s.opis;
        EXPECT_EQ(r.id, s.id) << s.opis;
        // No bits exactly when the models hold the same input.
        EXPECT_EQ(r.delovi == 0, IstiModeli(*pre, *posle)) << s.opis;
    }
}

TEST(RazlikaModela, MembersAreComparedByTheIdsTheyJoin) {
    // An unused node first in the list: taking it away moves every other node up one position.
    const auto pre = Okvir();
    pre->nizCvorova.insert(pre->nizCvorova.begin(), std::make_unique<TCvor>(*pre->nizCvorova[2]));
    pre->nizCvorova.front()->SetID(9);
    auto posle = KopirajModel(*pre);
    posle->nizCvorova.erase(posle->nizCvorova.begin());
    const TIzmena r = RazlikaModela(*pre, *posle);
    EXPECT_EQ(r.delovi, unsigned(ddCvorovi));
    EXPECT_EQ(r.id, 9);
}

TEST(RazlikaModela, AMemberMovedBetweenNodesOfTheSameIdIsAChange) {
    const auto pre = Okvir();
    // Two nodes with ID 1: only the positions tell the member's end apart.
    pre->nizCvorova.push_back(std::make_unique<TCvor>(*pre->nizCvorova[1]));
    auto posle = KopirajModel(*pre);
    posle->nizStapova[0]->SetKrajnjiCvor(posle->nizCvorova[3].get());
    EXPECT_FALSE(IstiModeli(*pre, *posle));
    EXPECT_EQ(RazlikaModela(*pre, *posle).delovi, unsigned(ddStapovi));
}

TEST(Dokument, StepsTellWhatTheyChangedBothWays) {
    TDokument d;
    PrepisiModel(*Okvir(), d.Model());
    d.NovaIstorija();
    TIzmena r;
    EXPECT_TRUE(d.Izvrsi(
        "Promeni cvor", [](TModel& m) { return DodajIliPromeniCvor(m, P, 1, "4", "2"); }, &r));
    EXPECT_EQ(r.delovi, unsigned(ddCvorovi));
    EXPECT_EQ(r.id, 1);
    r = {};
    EXPECT_TRUE(d.Ponisti(&r));
    EXPECT_EQ(r.delovi, unsigned(ddCvorovi));
    EXPECT_EQ(r.id, 1);
    r = {};
    EXPECT_TRUE(d.Ponovi(&r));
    EXPECT_EQ(r.delovi, unsigned(ddCvorovi));
    // A command that changes nothing reports no list.
    r.delovi = ddSve;
    EXPECT_TRUE(d.Izvrsi(
        "Promeni opterecenje cvora",
        [](TModel& m) {
            return PostaviOpterecenjeCvora(m, 0, {"0", "0", "0", "0", "0", "0"});
        },
        &r));
    EXPECT_EQ(r.delovi, 0u);
    EXPECT_EQ(d.BrojKoraka(), 1u);
}

TEST(RazlikaPodesavanja, GroupsTheSettingsByWhoActsOnThem) {
    struct TSlucaj {
        const char* opis;
        std::function<void(TPodesavanja&)> izmena;
        unsigned delovi;
    };
    const std::vector<TSlucaj> slucajevi = {
        {"nothing", [](TPodesavanja&) {}, 0},
        {"factor", [](TPodesavanja& p) { p.vrednostIspredMatricaKrutosti = "2"; }, dpFaktor},
        {"displacement multiplier", [](TPodesavanja& p) { p.mnozilacPomeranja = "7"; }, dpMnozilac},
        {"diagram multiplier", [](TPodesavanja& p) { p.prikaz.mnozilacDijagrama = "3"; }, dpMnozilac},
        {"grid", [](TPodesavanja& p) { p.mrezaGrafika = false; }, dpMreza},
        {"deformation", [](TPodesavanja& p) { p.deformacijaNosaca = true; }, dpCrtez},
        {"node numbers", [](TPodesavanja& p) { p.prikaziBrojCvora = false; }, dpCrtez},
        {"member loads", [](TPodesavanja& p) { p.prikaziOpterecenjeStapa = true; }, dpCrtez},
        {"diagram", [](TPodesavanja& p) { p.prikaz.dijagram = TPrikaz::M; }, dpCrtez},
        {"equal scale", [](TPodesavanja& p) { p.prikaz.jednakaRazmera = true; }, dpCrtez},
        {"scale follows the view", [](TPodesavanja& p) { p.prikaz.prilagodiRazmeru = false; }, dpRazmeraPrikaza},
        {"scale and symbols",
         [](TPodesavanja& p) {
             p.prikaz.prilagodiRazmeru = false;
             p.prikaz.simboli = true;
         },
         dpCrtez | dpRazmeraPrikaza},
        {"zoom factor", [](TPodesavanja& p) { p.zoomSve = 9; }, dpZoom},
        {"real-time zoom", [](TPodesavanja& p) { p.zoomURealnomVremenu = false; }, dpZoom},
        {"mouse action", [](TPodesavanja& p) { p.akcijeMisa = 3; }, dpAkcijaMisa},
        {"two groups",
         [](TPodesavanja& p) {
             p.mrezaGrafika = false;
             p.akcijeMisa = 1;
         },
         dpMreza | dpAkcijaMisa},
    };
    for (const auto& s : slucajevi) {
        TPodesavanja b;
        s.izmena(b);
        EXPECT_EQ(RazlikaPodesavanja(TPodesavanja{}, b), s.delovi) << s.opis;
        EXPECT_EQ(RazlikaPodesavanja(TPodesavanja{}, b) == 0, TPodesavanja{} == b) << s.opis;
    }
}

TEST(NacrtajStap, AddsTheNodesItNeedsAndTheDefaultsInOneEdit) {
    TModel m;
    ASSERT_TRUE(NacrtajStap(m, {-1, 0, 0}, {-1, 0.3, 4}, {}));
    ASSERT_EQ(m.nizMaterijala.size(), 1u);
    EXPECT_EQ(m.nizMaterijala[0]->Ime(), "Materijal 1");
    ASSERT_EQ(m.nizPreseka.size(), 1u);
    EXPECT_EQ(m.nizPreseka[0]->Ime(), "Presek 1");
    ASSERT_EQ(m.nizCvorova.size(), 2u);
    // The position goes through its shortest text, as typed on the node page.
    EXPECT_EQ(m.nizCvorova[1]->X(), 0.3L);
    ASSERT_EQ(m.nizStapova.size(), 1u);
    EXPECT_EQ(m.nizStapova[0]->TipStapa(), tsK);

    // From an existing node (by ID) with the selections of the member page; out-of-range ones fall
    // back to the first material and section.
    DodajIliPromeniMaterijal(m, D, -1, {"M2", "2e8", "0.3", "7850", "1e-5"});
    ASSERT_TRUE(NacrtajStap(m, {1, 0, 0}, {-1, 5, 4}, {1, 7, -1, -1, tsProst}));
    ASSERT_EQ(m.nizCvorova.size(), 3u);
    const TStap& s = *m.nizStapova[1];
    EXPECT_EQ(s.PocetniCvor()->ID(), 1);
    EXPECT_EQ(s.KrajnjiCvor()->ID(), 2);
    EXPECT_EQ(s.Materijal()->Ime(), "M2");
    EXPECT_EQ(s.Presek()->Ime(), "Presek 1");
    EXPECT_EQ(s.TipStapa(), tsProst);
}

TEST(NacrtajStap, RefusalsLeaveTheDocumentAsItWas) {
    struct TSlucaj {
        const char* opis;
        TTackaStapa a, b;
    };
    const std::vector<TSlucaj> slucajevi = {
        {"the same new point twice", {-1, 2, 2}, {-1, 2, 2}},
        {"the same node twice", {0, 0, 0}, {0, 0, 0}},
        {"onto a member that is there", {-1, 0, 0}, {1, 9, 9}},
        {"a new node onto an existing one", {0, 0, 0}, {-1, 0.0005, 0}},
    };
    for (const auto& s : slucajevi) {
        TDokument d;
        for (const char* x : {"0", "4"})
            d.Izvrsi("Dodaj cvor", [x](TModel& m) { return DodajIliPromeniCvor(m, D, -1, x, "0"); });
        d.Izvrsi("Crtaj stap", [](TModel& m) { return NacrtajStap(m, {0, 0, 0}, {1, 0, 0}, {}); });
        const std::string pre = Snimak(d.Model());
        const std::string poruka =
            Poruka([&] { d.Izvrsi("Crtaj stap", [&](TModel& m) { return NacrtajStap(m, s.a, s.b, {}); }); });
        EXPECT_FALSE(poruka.empty()) << s.opis;
        EXPECT_EQ(Snimak(d.Model()), pre) << s.opis;
        EXPECT_EQ(d.BrojKoraka(), 3u) << s.opis;
    }
}
