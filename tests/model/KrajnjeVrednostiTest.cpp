#include <gtest/gtest.h>

#include <cfloat>
#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "PomocUredjivanja.h"
#include "PravilaVrednosti.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjePreseka.h"

namespace {

// Texts at the edges of the 64-bit range: the largest value whose 15-digit form stays in range,
// values a little above it that are still doubles, and the smallest ones down to the subnormals.
const char* const prihvaceni[] = {"1.79769313486231e308",
                                  "1.7976931348623149e308",
                                  "-1.79769313486231E+308",
                                  "2.2250738585072014e-308",
                                  "4.9406564584124654e-324",
                                  "-4.9e-324",
                                  "1e-320"};
// Doubles (DBL_MAX itself among them) that the file would write as 1.79769313486232E+0308.
const std::vector<std::string> odbijeni = {"1.7976931348623157e308", "1.7976931348623152e308",
                                           "-1.7976931348623157E+308", "17976931348623157" + std::string(292, '0')};

// The model a field edit leaves, saved and read back, saved again: the same text.
void OcekujPovratak(const TModel& m, const std::string& opis) {
    TPodesavanja p;
    const std::string tekst = ModelUTekst(m, p);
    TModel procitan;
    TPodesavanja pp;
    ASSERT_EQ(Poruka([&] { ProcitajModelIzTeksta(tekst, procitan, pp); }), "") << opis;
    EXPECT_EQ(ModelUTekst(procitan, pp), tekst) << opis;
}

bool JePozitivan(const char* t) { return t[0] != '-'; }

// Every real field of the pages, each with a command that types `t` into it over a valid model.
struct TPolje {
    const char* ime;
    bool samoPozitivan;  // a rule of its own refuses negatives
    std::function<void(TModel&, const std::string&)> upisi;
};

std::vector<TPolje> SvaPolja() {
    auto mat = [](int i) {
        return [i](TModel& m, const std::string& t) {
            TPoljaMaterijala p{"b", "1", "0", "0", "0"};
            std::string* polja[] = {&p.modulElasticnosti, &p.poasonovKoeficijent, &p.zapreminskaMasa, &p.alfaT};
            *polja[i] = t;
            DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, p);
        };
    };
    auto pres = [](int i) {
        return [i](TModel& m, const std::string& t) {
            TPoljaPreseka p{"p", "1", "1", "1", "0"};
            std::string* polja[] = {&p.I, &p.Aaksijalno, &p.h, &p.k};
            *polja[i] = t;
            DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, p);
        };
    };
    auto cvor = [](int i) {
        return [i](TModel& m, const std::string& t) {
            DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, i == 0 ? t : "3", i == 1 ? t : "4");
        };
    };
    auto opt = [](int i) {
        return [i](TModel& m, const std::string& t) {
            TPoljaOpterecenjaCvora p{"0", "0", "0", "0", "0", "0"};
            std::string* polja[] = {&p.Px, &p.Pz, &p.My, &p.zadatoUx, &p.zadatoUz, &p.zadatoFiy};
            *polja[i] = t;
            PostaviOpterecenjeCvora(m, 0, p);
        };
    };
    auto teret = [](int tip) {
        return [tip](TModel& m, const std::string& t) { DodajOpterecenje(m, tip, "q", {t, "0", "1"}); };
    };
    return {
        {"E", true, mat(0)},      {"masa", true, mat(2)},     {"alfaT", true, mat(3)},  {"I", true, pres(0)},
        {"A", true, pres(1)},     {"h", true, pres(2)},       {"k", true, pres(3)},     {"x", false, cvor(0)},
        {"z", false, cvor(1)},    {"Px", false, opt(0)},      {"Pz", false, opt(1)},    {"My", false, opt(2)},
        {"Ux", false, opt(3)},    {"Uz", false, opt(4)},      {"Fiy", false, opt(5)},   {"V", false, teret(toV)},
        {"M", false, teret(toM)}, {"pn", false, teret(toPn)}, {"t", false, teret(toT)}, {"dt", false, teret(toDeltaT)},
        {"H", false, teret(toH)}, {"pt", false, teret(toPt)}};
}

TModel Osnova() {
    TModel m;
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "0", "0");
    return m;
}

}  // namespace

// Whatever a page accepts at the edge of the range is saved so that the file opens again with the
// same values; what would not read back is refused where it is typed, leaving the model as it was.
TEST(KrajnjeVrednosti, EveryFieldAcceptsOnlyWhatSavesAndReadsBack) {
    for (const TPolje& polje : SvaPolja()) {
        for (const char* t : prihvaceni) {
            if (polje.samoPozitivan && !JePozitivan(t)) continue;
            TModel m = Osnova();
            ASSERT_EQ(Poruka([&] { polje.upisi(m, t); }), "") << polje.ime << " " << t;
            OcekujPovratak(m, std::string(polje.ime) + " " + t);
        }
        for (const std::string& t : odbijeni) {
            TModel m = Osnova();
            const std::string pre = Snimak(m);
            EXPECT_EQ(Poruka([&] { polje.upisi(m, t); }), PorukaIzvanOpsega(t)) << polje.ime << " " << t;
            EXPECT_EQ(Snimak(m), pre) << polje.ime;
        }
    }
}

// The reader applies the same rule: DBL_MAX in a file is refused with its line, the largest value
// the writer produces is read.
TEST(KrajnjeVrednosti, TheReaderAppliesTheSameRule) {
    TModel m = Osnova();
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "1.79769313486231e308", "0");
    const std::string tekst = Snimak(m);
    const std::string zapis = " 1.79769313486231E+0308";
    const size_t gde = tekst.find(zapis);
    ASSERT_NE(gde, std::string::npos);
    TModel procitan;
    TPodesavanja p;
    EXPECT_EQ(Poruka([&] { ProcitajModelIzTeksta(tekst, procitan, p); }), "");
    EXPECT_EQ(procitan.nizCvorova[1]->X(), 1.79769313486231e308L);
    std::string vanOpsega = tekst;
    vanOpsega.replace(gde, zapis.size(), "1.7976931348623157e308");
    const int red = 1 + static_cast<int>(std::count(tekst.begin(), tekst.begin() + static_cast<long>(gde), '\n'));
    EXPECT_EQ(Poruka([&] { ProcitajModelIzTeksta(vanOpsega, procitan, p); }),
              "Red " + std::to_string(red) + ": " + PorukaIzvanOpsega("1.7976931348623157e308"));
}

// The range rule on its own, at the boundary the 15-digit rounding draws.
TEST(KrajnjeVrednosti, RangeRuleAtTheRoundingBoundary) {
    const struct {
        long double v;
        bool uOpsegu;
    } slucajevi[] = {
        {0.0L, true},
        {1.79769313486231e308L, true},
        {1.7976931348623149e308L, true},
        {static_cast<long double>(DBL_MAX), false},
        {-static_cast<long double>(DBL_MAX), false},
        {1.7976931348623152e308L, false},
        {1e309L, false},
        {static_cast<long double>(DBL_TRUE_MIN), true},
        {-1.79769313486231e308L, true},
        {std::numeric_limits<long double>::quiet_NaN(), false},
        {std::numeric_limits<long double>::infinity(), false},
        {-std::numeric_limits<long double>::infinity(), false},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(UOpseguProracuna(s.v), s.uOpsegu) << static_cast<double>(s.v);
}
