#include <gtest/gtest.h>

#include "PomocUredjivanja.h"
#include "PravilaVrednosti.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjePreseka.h"

namespace {

std::string Slova(size_t n, const char* slovo) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += slovo;
    return s;
}

const std::string predugacko = "Ime je predugacko (najvise 16384 znaka)!!!";

}  // namespace

// Names: the limit counts characters, whatever their UTF-8 length; every page that takes a name
// refuses one more, leaving the model as it was.
TEST(PravilaVrednosti, NameLengthOnEveryPage) {
    for (const char* slovo : {"a", "\xc4\x8d", "\xe2\x82\xac", "\xf0\x9f\x98\x80"}) {
        const std::string najduze = Slova(NajvecaDuzinaImena, slovo), previse = najduze + slovo;
        TModel m;
        EXPECT_EQ(Poruka([&] {
                      DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, {najduze, "1", "0", "0", "0"});
                  }),
                  "");
        EXPECT_EQ(Poruka([&] {
                      DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, {najduze, "1", "1", "1", "0"});
                  }),
                  "");
        EXPECT_EQ(Poruka([&] { DodajOpterecenje(m, toT, najduze, {"1", "", ""}); }), "");
        const std::string pre = Snimak(m);
        EXPECT_EQ(Poruka([&] {
                      DodajIliPromeniMaterijal(m, TRezimIzmene::Promeni, 0, {previse, "1", "0", "0", "0"});
                  }),
                  predugacko);
        EXPECT_EQ(Poruka([&] {
                      DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, {previse, "1", "1", "1", "0"});
                  }),
                  predugacko);
        EXPECT_EQ(Poruka([&] { DodajOpterecenje(m, toT, previse, {"1", "", ""}); }), predugacko);
        EXPECT_EQ(Poruka([&] { PromeniOpterecenje(m, 0, toT, previse, {"1", "", ""}); }), predugacko);
        EXPECT_EQ(Snimak(m), pre);
    }
}

// A number beyond the analysis's 64-bit range is refused where it is typed, with the field's text.
TEST(PravilaVrednosti, NumbersBeyondTheAnalysisRangeAreRefusedByThePages) {
    TModel m;
    ASSERT_EQ(Poruka([&] { DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "0", "0"); }), "");
    const std::string pre = Snimak(m);
    const struct {
        std::function<void()> komanda;
        std::string tekst;
    } slucajevi[] = {
        {[&] {
             DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, {"b", "1e400", "0", "0", "0"});
         },
         "1e400"},
        {[&] {
             DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, {"b", "1", "0", "2e308", "0"});
         },
         "2e308"},
        {[&] {
             DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, {"p", "1", "1.8e308", "1", "0"});
         },
         "1.8e308"},
        {[&] { DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "5", "-1e309"); }, "-1e309"},
        {[&] {
             PostaviOpterecenjeCvora(m, 0, {"0", "1e4000", "0", "0", "0", "0"});
         },
         "1e4000"},
        {[&] {
             DodajOpterecenje(m, toV, "V", {"-9e999", "0.5", ""});
         },
         "-9e999"},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(Poruka(s.komanda), PorukaIzvanOpsega(s.tekst)) << s.tekst;
    EXPECT_EQ(Snimak(m), pre);
    // The largest 64-bit real is still a value.
    EXPECT_EQ(Poruka([&] {
                  DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, {"b", "1.7e308", "0", "0", "0"});
              }),
              "");
}
