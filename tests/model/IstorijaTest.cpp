#include <gtest/gtest.h>

#include "PomocUredjivanja.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "Dokument.h"
#include "Greska.h"
#include "KopijaModela.h"
#include "SnimakModela.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjePreseka.h"
#include "UredjivanjeStapova.h"

namespace {

const auto D = TRezimIzmene::Dodaj;
const auto P = TRezimIzmene::Promeni;

// One random editing command of any kind; most are valid, some are refused by the model's rules
// (deleting a used node, an index past the end), which must leave no step and no trace.
bool SlucajnaIzmena(TModel& m, std::mt19937& g) {
    auto broj = [&](int n) { return n <= 0 ? 0 : static_cast<int>(g() % static_cast<unsigned>(n)); };
    auto tekst = [&](int n) { return std::to_string(broj(n) + 1); };
    const int nm = static_cast<int>(m.nizMaterijala.size()), np = static_cast<int>(m.nizPreseka.size());
    const int nc = static_cast<int>(m.nizCvorova.size()), ns = static_cast<int>(m.nizStapova.size());
    const int no = static_cast<int>(m.nizOpterecenja.size());
    switch (broj(16)) {
        case 0: return DodajIliPromeniMaterijal(m, D, -1, {"M" + tekst(9), tekst(9) + "e7", "0.2", "2500", "1e-5"});
        case 1: return DodajIliPromeniMaterijal(m, P, broj(nm), {"N", tekst(9) + "e8", "0.3", "7850", "1.2e-5"});
        case 2: return ObrisiMaterijal(m, broj(nm + 1));
        case 3: return DodajIliPromeniPresek(m, D, -1, {"P" + tekst(9), "0.003", "0." + tekst(9), "0.5", "0"});
        case 4: return ObrisiPresek(m, broj(np + 1));
        case 5:
        case 6: return DodajIliPromeniCvor(m, D, -1, tekst(20), tekst(20));
        case 7: return DodajIliPromeniCvor(m, P, broj(nc), tekst(20), "0." + tekst(9));
        case 8: return ObrisiCvor(m, broj(nc + 1));
        case 9: return PostaviOslonce(m, broj(nc), broj(2) == 0, broj(2) == 0, broj(2) == 0);
        case 10: return PostaviOpterecenjeCvora(m, broj(nc), {tekst(50), "-" + tekst(9), "0", "0", "0", "0"});
        case 11: return DodajStap(m, {broj(nm), broj(np), broj(nc), broj(nc), broj(2) == 0 ? tsK : tsIG});
        case 12:
            return broj(2) == 0 ? ObrisiStap(m, broj(ns + 1)) : PostaviOprugeStapa(m, broj(ns), tekst(9) + "000", "");
        case 13: return DodajOpterecenje(m, toPn, "q" + tekst(9), {"-" + tekst(9), "0", "1", ""});
        case 14: return PridruziOpterecenje(m, broj(no), broj(ns));
        default:
            return broj(2) == 0 ? ObrisiOpterecenje(m, broj(no + 1)) : UkloniOpterecenjeSaStapa(m, broj(no), broj(ns));
    }
}

// A row of `n` nodes joined by members, with one material and one section.
TModel Niz(int n) {
    TModel m;
    DodajIliPromeniMaterijal(m, D, -1, {"M", "3e7", "0.2", "2500", "1e-5"});
    DodajIliPromeniPresek(m, D, -1, {"P", "0.003125", "0.15", "0.5", "0"});
    for (int i = 0; i < n; ++i) DodajIliPromeniCvor(m, D, -1, std::to_string(i), "0");
    for (int i = 0; i + 1 < n; ++i) DodajStap(m, {0, 0, i, i + 1, tsK});
    return m;
}

}  // namespace

// Seeded random runs of edits, undos and redos: after every move the model's text equals the text
// recorded when that state was first reached, and a redo branch cut by a new edit is gone.
TEST(Istorija, RandomEditsUndoAndRedoReturnEveryStateByteForByte) {
    for (unsigned seme : {1u, 7u, 42u, 2024u}) {
        std::mt19937 g(seme);
        TDokument d;
        std::vector<std::string> stanja{Snimak(d.Model())};
        size_t tu = 0;
        for (int korak = 0; korak < 600; ++korak) {
            const unsigned potez = g() % 10;
            if (potez < 6) {
                const size_t koraka = d.BrojKoraka();
                bool promenjeno = false;
                const std::string pre = Snimak(d.Model());
                if (!Poruka([&] { d.Izvrsi("Izmena", [&](TModel& m) { return SlucajnaIzmena(m, g); }); }).empty()) {
                    ASSERT_EQ(Snimak(d.Model()), pre) << "seed " << seme << " move " << korak;
                    ASSERT_EQ(d.BrojKoraka(), koraka);
                    continue;
                }
                const std::string posle = Snimak(d.Model());
                promenjeno = posle != pre;
                if (!promenjeno) continue;
                stanja.resize(tu + 1);
                stanja.push_back(posle);
                ++tu;
                ASSERT_FALSE(d.MozePonovi());
            } else if (potez < 8) {
                ASSERT_EQ(d.Ponisti(), tu > 0);
                if (tu > 0) --tu;
            } else {
                const bool moze = tu + 1 < stanja.size();
                ASSERT_EQ(d.Ponovi(), moze);
                if (moze) ++tu;
            }
            ASSERT_EQ(Snimak(d.Model()), stanja[tu]) << "seed " << seme << " move " << korak;
        }
        EXPECT_GT(stanja.size(), 50u) << "seed " << seme;  // the run did build something
    }
}

// States share what a step did not change: small edits of a large model stay within a bound that
// would not hold even three whole copies, and each one comes back exactly.
TEST(Istorija, SmallEditsOfALargeModelKeepManySteps) {
    TDokument d;
    d.Model() = Niz(3000);
    d.NovaIstorija();
    d.najviseEntiteta = 3 * 6000;
    std::vector<std::string> stanja{Snimak(d.Model())};
    for (int i = 0; i < 120; ++i) {
        const std::string px = std::to_string(i + 1);
        ASSERT_TRUE(d.Izvrsi("Promeni opterecenje cvora", [&](TModel& m) {
            return PostaviOpterecenjeCvora(m, (i * 37) % 3000, {px, "0", "0", "0", "0", "0"});
        }));
        stanja.push_back(Snimak(d.Model()));
    }
    EXPECT_EQ(d.BrojKoraka(), 120u);
    for (size_t i = stanja.size() - 1; i > 0; --i) {
        ASSERT_TRUE(d.Ponisti());
        ASSERT_EQ(Snimak(d.Model()), stanja[i - 1]) << "undo to " << i - 1;
    }
    EXPECT_FALSE(d.Ponisti());
}

// Deleting an entity early in a list shifts every later position; the states before and after
// both come back whole, members still joining the same nodes.
TEST(Istorija, DeletingAtTheHeadOfAListRestoresEveryReference) {
    TDokument d;
    d.Model() = Niz(600);
    ASSERT_TRUE(d.Izvrsi("Obrisi stap", [](TModel& m) { return ObrisiStap(m, 0); }));
    ASSERT_TRUE(d.Izvrsi("Obrisi cvor", [](TModel& m) { return ObrisiCvor(m, 0); }));
    ASSERT_TRUE(d.Izvrsi("Dodaj cvor", [](TModel& m) { return DodajIliPromeniCvor(m, D, -1, "-1", "2"); }));
    const std::string kraj = Snimak(d.Model());
    while (d.Ponisti()) {
    }
    EXPECT_EQ(Snimak(d.Model()), Snimak(Niz(600)));
    EXPECT_EQ(d.Model().nizStapova[5]->PocetniCvor(), d.Model().nizCvorova[5].get());
    while (d.Ponovi()) {
    }
    EXPECT_EQ(Snimak(d.Model()), kraj);
    EXPECT_EQ(d.Model().nizStapova[0]->PocetniCvor(), d.Model().nizCvorova[0].get());
    EXPECT_EQ(d.Model().nizStapova[0]->KrajnjiCvor(), d.Model().nizCvorova[1].get());
}

// A step that changes every node costs all their copies, so the bound still holds the memory: the
// oldest state weighs 1001 entities + 1001/16 slots = 1063, a step 500 nodes + two pieces of 16 = 532,
// and (4000 - 1063) / 532 leaves 5 steps.
TEST(Istorija, LargeStepsStillHitTheMemoryBound) {
    TDokument d;
    d.Model() = Niz(500);
    d.NovaIstorija();
    d.najviseEntiteta = 4000;
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(d.Izvrsi("Promeni cvorove", [i](TModel& m) {
            for (auto& c : m.nizCvorova) c->SetZ(static_cast<long double>(i + 1));
            return true;
        }));
    EXPECT_EQ(d.BrojKoraka(), 5u);
}

// A state taken after an edit shares every piece the edit did not reach and holds exactly what it
// changed; built anew it is the edited model. Edits at the head, in the middle, at piece edges
// and at the tail, of one length and of another.
TEST(Istorija, AStateSharesEveryPieceAnEditDidNotReach) {
    struct TSlucaj {
        const char* opis;
        std::function<void(TModel&)> izmena;
        size_t razlicitihKomada;  // node pieces not shared with the state before
    };
    const std::vector<TSlucaj> slucajevi = {
        {"nothing", [](TModel&) {}, 0},
        {"first node", [](TModel& m) { DodajIliPromeniCvor(m, P, 0, "-1", "1"); }, 1},
        {"last of a piece", [](TModel& m) { DodajIliPromeniCvor(m, P, 255, "-1", "1"); }, 1},
        {"first of a piece", [](TModel& m) { DodajIliPromeniCvor(m, P, 256, "-1", "1"); }, 1},
        {"last node", [](TModel& m) { DodajIliPromeniCvor(m, P, 999, "-1", "1"); }, 1},
        {"a node added", [](TModel& m) { DodajIliPromeniCvor(m, D, -1, "-1", "1"); }, 1},
        {"the first node deleted",
         [](TModel& m) {
             m.nizStapova.erase(m.nizStapova.begin());
             ObrisiCvor(m, 0);
         },
         4},
        {"an unused node added and the first node deleted",
         [](TModel& m) {
             DodajIliPromeniCvor(m, D, -1, "-1", "1");
             m.nizStapova.erase(m.nizStapova.begin());
             ObrisiCvor(m, 0);
         },
         4},
    };
    for (const TSlucaj& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        TModel m = Niz(1000);
        const auto pre = SnimiModel(m, nullptr);
        s.izmena(m);
        const auto posle = SnimiModel(m, pre.get());
        size_t razlicitih = 0;
        for (size_t k = 0; k < posle->cvorovi.komadi.size(); ++k)
            razlicitih += k >= pre->cvorovi.komadi.size() || posle->cvorovi.komadi[k] != pre->cvorovi.komadi[k];
        EXPECT_EQ(razlicitih, s.razlicitihKomada);
        EXPECT_EQ(posle->isti, s.razlicitihKomada == 0);
        EXPECT_TRUE(IstiModeli(*IzgradiModel(*posle), m));
    }
}
