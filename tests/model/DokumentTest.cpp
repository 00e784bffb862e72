#include <gtest/gtest.h>

#include "PomocUredjivanja.h"

#include <functional>
#include <string>
#include <vector>

#include "Dokument.h"
#include "Greska.h"
#include "KopijaModela.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjePreseka.h"
#include "UredjivanjeStapova.h"

namespace {

struct TKorak {
    const char* naziv;
    std::function<bool(TModel&)> izmena;
};

// Every kind of editing command, in an order that builds a small frame and then takes parts of it
// away again, so each step changes identifiers, references, assignments or list order.
std::vector<TKorak> SviKoraci() {
    const auto D = TRezimIzmene::Dodaj;
    const auto P = TRezimIzmene::Promeni;
    return {
        {"Dodaj materijal",
         [=](TModel& m) {
             return DodajIliPromeniMaterijal(m, D, -1, {"M1", "3e7", "0.2", "2500", "1e-5"});
         }},
        {"Dodaj materijal",
         [=](TModel& m) {
             return DodajIliPromeniMaterijal(m, D, -1, {"M2", "2e8", "0.3", "7850", "1.2e-5"});
         }},
        {"Promeni materijal",
         [=](TModel& m) {
             return DodajIliPromeniMaterijal(m, P, 1, {"Celik", "2.1e8", "0.3", "7850", "1.2e-5"});
         }},
        {"Dodaj presek",
         [=](TModel& m) {
             return DodajIliPromeniPresek(m, D, -1, {"P1", "0.003125", "0.15", "0.5", "0"});
         }},
        {"Dodaj cvor", [=](TModel& m) { return DodajIliPromeniCvor(m, D, -1, "0", "0"); }},
        {"Dodaj cvor", [=](TModel& m) { return DodajIliPromeniCvor(m, D, -1, "4", "0"); }},
        {"Dodaj cvor", [=](TModel& m) { return DodajIliPromeniCvor(m, D, -1, "4", "3"); }},
        {"Promeni cvor", [=](TModel& m) { return DodajIliPromeniCvor(m, P, 2, "4.5", "3.25"); }},
        {"Dodaj stap",
         [=](TModel& m) {
             return DodajStap(m, {0, 0, 0, 1, tsK});
         }},
        {"Dodaj stap",
         [=](TModel& m) {
             return DodajStap(m, {1, 0, 1, 2, tsIG});
         }},
        {"Promeni stap",
         [=](TModel& m) {
             return PromeniStap(m, 1, {0, 0, 2, 0, tsProst});
         }},
        {"Promeni oslonac", [=](TModel& m) { return PostaviOslonce(m, 0, true, true, true); }},
        {"Promeni opterecenje cvora",
         [=](TModel& m) {
             return PostaviOpterecenjeCvora(m, 2, {"10", "-5", "2", "0", "0", "0"});
         }},
        {"Promeni opterecenje cvora",
         [=](TModel& m) {
             return PostaviOpterecenjeCvora(m, 0, {"0", "0", "0", "0.01", "-0.02", "0.001"});
         }},
        {"Dodaj opterecenje",
         [=](TModel& m) {
             return DodajOpterecenje(m, toPn, "q", {"-10", "0", "1"});
         }},
        {"Dodaj opterecenje",
         [=](TModel& m) {
             return DodajOpterecenje(m, toV, "F", {"5", "0.5", ""});
         }},
        {"Promeni opterecenje",
         [=](TModel& m) {
             return PromeniOpterecenje(m, 1, toH, "H", {"3", "0.25", ""});
         }},
        {"Dodaj opterecenje",
         [=](TModel& m) {
             return DodajOpterecenje(m, toLinearno, "trougao", {"0", "-6", "0.2", "0.9"});
         }},
        {"Promeni opterecenje",
         [=](TModel& m) {
             return PromeniOpterecenje(m, 2, toLinearno, "trapez", {"-1", "-6", "0", "1"});
         }},
        {"Opruge stapa", [=](TModel& m) { return PostaviOprugeStapa(m, 0, "5000", "1e4"); }},
        {"Opruge stapa", [=](TModel& m) { return PostaviOprugeStapa(m, 0, "", "2e4"); }},
        {"Dodaj sopstvenu tezinu svim stapovima",
         [=](TModel& m) { return DodajSopstvenuTezinuSvimStapovima(m, "0.00981"); }},
        {"Obrisi opterecenje", [=](TModel& m) { return ObrisiOpterecenje(m, 4); }},
        {"Obrisi opterecenje", [=](TModel& m) { return ObrisiOpterecenje(m, 3); }},
        {"Obrisi opterecenje", [=](TModel& m) { return ObrisiOpterecenje(m, 2); }},
        {"Pridruzi opterecenje stapu", [=](TModel& m) { return PridruziOpterecenje(m, 0, 1); }},
        {"Pridruzi opterecenje stapu", [=](TModel& m) { return PridruziOpterecenje(m, 1, 1); }},
        {"Obrisi opterecenje sa stapa", [=](TModel& m) { return UkloniOpterecenjeSaStapa(m, 1, 1); }},
        {"Promeni oslonac", [=](TModel& m) { return PostaviOslonce(m, 0, true, false, false); }},
        {"Obrisi stap", [=](TModel& m) { return ObrisiStap(m, 1); }},
        {"Obrisi opterecenje", [=](TModel& m) { return ObrisiOpterecenje(m, 0); }},
        {"Obrisi cvor", [=](TModel& m) { return ObrisiCvor(m, 2); }},
        {"Obrisi materijal", [=](TModel& m) { return ObrisiMaterijal(m, 1); }},
        {"Obrisi presek", [=](TModel& m) { return ObrisiStap(m, 0) && ObrisiPresek(m, 0); }},
    };
}

// Every member refers to entities that the model's own lists hold.
bool ReferenceUModelu(const TModel& m) {
    auto ima = [](const auto& lista, const auto* e) {
        for (const auto& x : lista)
            if (x.get() == e) return true;
        return false;
    };
    for (const auto& s : m.nizStapova)
        if (!ima(m.nizMaterijala, s->Materijal()) || !ima(m.nizPreseka, s->Presek()) ||
            !ima(m.nizCvorova, s->PocetniCvor()) || !ima(m.nizCvorova, s->KrajnjiCvor()))
            return false;
    return true;
}

}  // namespace

TEST(Dokument, UndoAndRedoOfEveryCommandRestoreTheModelExactly) {
    TDokument d;
    std::vector<std::string> stanja{Snimak(d.Model())};
    for (const TKorak& k : SviKoraci()) {
        ASSERT_TRUE(d.Izvrsi(k.naziv, k.izmena)) << k.naziv;
        EXPECT_EQ(d.NazivPonistavanja(), k.naziv);
        stanja.push_back(Snimak(d.Model()));
        ASSERT_NE(stanja.back(), stanja[stanja.size() - 2]) << k.naziv;
    }
    const size_t n = stanja.size() - 1;
    ASSERT_EQ(d.BrojKoraka(), n);
    for (size_t i = n; i > 0; --i) {
        ASSERT_TRUE(d.Ponisti());
        EXPECT_EQ(Snimak(d.Model()), stanja[i - 1]) << "undo of step " << i;
        EXPECT_TRUE(ReferenceUModelu(d.Model()));
    }
    EXPECT_FALSE(d.Ponisti());
    for (size_t i = 1; i <= n; ++i) {
        ASSERT_TRUE(d.Ponovi());
        EXPECT_EQ(Snimak(d.Model()), stanja[i]) << "redo of step " << i;
        EXPECT_TRUE(ReferenceUModelu(d.Model()));
    }
    EXPECT_FALSE(d.Ponovi());
}

TEST(Dokument, RefusedNoOpAndHalfDoneEditsLeaveNoStep) {
    TDokument d;
    d.Izvrsi("Dodaj cvor", [](TModel& m) { return DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "0", "0"); });
    const std::string pre = Snimak(d.Model());

    // A refused command: its message passes through, nothing is recorded.
    EXPECT_EQ(Poruka([&] {
                  d.Izvrsi("Dodaj cvor",
                           [](TModel& m) { return DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "0.001", "0"); });
              }),
              "Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova iznosi 0.001!!!");
    // An edit of several parts that fails after its first part is rolled back whole.
    EXPECT_EQ(Poruka([&] {
                  d.Izvrsi("Crtaj stap", [](TModel& m) {
                      DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "5", "0");
                      return DodajStap(m, {0, 0, 0, 0, tsK}) || (throw TGreska("bez materijala"), false);
                  });
              }),
              "bez materijala");
    // A command that reports success but changes nothing ("Promeni" with the same values).
    d.Izvrsi("Promeni opterecenje cvora", [](TModel& m) {
        return PostaviOpterecenjeCvora(m, 0, {"0", "0", "0", "0", "0", "0"});
    });
    EXPECT_EQ(Snimak(d.Model()), pre);
    EXPECT_EQ(d.BrojKoraka(), 1u);
    EXPECT_EQ(d.NazivPonistavanja(), "Dodaj cvor");
}

TEST(Dokument, ModifiedFlagFollowsTheSavedState) {
    TDokument d;
    auto dodaj = [&](const char* x) {
        d.Izvrsi("Dodaj cvor", [x](TModel& m) { return DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, x, "0"); });
    };
    EXPECT_FALSE(d.Izmenjen());
    dodaj("0");
    EXPECT_TRUE(d.Izmenjen());
    d.OznaciSnimljen();
    EXPECT_FALSE(d.Izmenjen());
    dodaj("1");
    EXPECT_TRUE(d.Izmenjen());
    d.Ponisti();
    EXPECT_FALSE(d.Izmenjen());  // back at the saved state
    d.Ponisti();
    EXPECT_TRUE(d.Izmenjen());
    d.Ponovi();
    EXPECT_FALSE(d.Izmenjen());
    // A new step from before the saved state makes the saved state unreachable.
    d.Ponisti();
    dodaj("2");
    EXPECT_TRUE(d.Izmenjen());
    EXPECT_FALSE(d.MozePonovi());
    d.Ponisti();
    EXPECT_TRUE(d.Izmenjen());
    d.NovaIstorija();
    EXPECT_FALSE(d.Izmenjen());
    EXPECT_FALSE(d.MozePonisti());
}

TEST(Dokument, HistoryDropsItsOldestStepsBeyondItsBounds) {
    TDokument d;
    d.najviseKoraka = 3;
    for (int i = 0; i < 5; ++i) {
        const std::string x = std::to_string(i);
        d.Izvrsi("Dodaj cvor", [x](TModel& m) { return DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, x, "0"); });
    }
    EXPECT_EQ(d.BrojKoraka(), 3u);
    int ponisteno = 0;
    while (d.Ponisti()) ++ponisteno;
    EXPECT_EQ(ponisteno, 3);
    EXPECT_EQ(d.Model().nizCvorova.size(), 2u);
    EXPECT_TRUE(d.Izmenjen());  // the saved (empty) state was dropped
}

TEST(Dokument, CopiedModelIsEqualButIndependent) {
    TModel m;
    DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, {"M", "1", "0", "0", "0"});
    DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, {"P", "1", "1", "1", "0"});
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "0", "0");
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "1", "0");
    DodajStap(m, {0, 0, 1, 0, tsGK});
    auto k = KopirajModel(m);
    EXPECT_TRUE(IstiModeli(m, *k));
    EXPECT_TRUE(ReferenceUModelu(*k));
    EXPECT_EQ(k->nizStapova[0]->PocetniCvor(), k->nizCvorova[1].get());
    k->nizCvorova[0]->SetX(2);
    EXPECT_FALSE(IstiModeli(m, *k));
    EXPECT_EQ(m.nizCvorova[0]->X(), 0);
    // Results carried by the nodes are not part of the input.
    auto r = KopirajModel(m);
    r->nizCvorova[0]->SetUx(0.5);
    EXPECT_TRUE(IstiModeli(m, *r));
}
