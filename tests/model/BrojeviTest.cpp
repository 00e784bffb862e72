#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "Brojevi.h"
#include "Greska.h"

TEST(FormatBroja, ShortestTextWithFifteenDigits) {
    struct {
        long double v;
        const char* tekst;
    } slucajevi[] = {
        {0, "0"},
        {-0.0L, "0"},
        {1, "1"},
        {-2.5L, "-2.5"},
        {30000000, "30000000"},
        {0.2L, "0.2"},
        {0.1L + 0.2L, "0.3"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {0.00001L, "0.00001"},
        {0.0000123L, "0.0000123"},
        {0.0000099L, "9.9E-6"},
        {1.5e-10L, "1.5E-10"},
        {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {1e20L, "1E20"},
        {-1e-7L, "-1E-7"},
        {0.1L, "0.1"},
        {12.5L, "12.5"},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(FormatBroja(s.v), s.tekst) << static_cast<double>(s.v);
}

TEST(FormatFiksno, GivesExactlyTheDecimalsAsked) {
    EXPECT_EQ(FormatFiksno(1, 6), "1.000000");
    EXPECT_EQ(FormatFiksno(-2.5L, 12), "-2.500000000000");
    EXPECT_EQ(FormatFiksno(1.0L / 3, 6), "0.333333");
    EXPECT_EQ(FormatFiksno(-0.0000001L, 6), "0.000000");
    EXPECT_EQ(FormatFiksno(123456.78901251L, 6), "123456.789013");
}

TEST(FormatRealaZaFajl, TwentyThreeCharacters) {
    EXPECT_EQ(FormatRealaZaFajl(30000000), " 3.00000000000000E+0007");
    EXPECT_EQ(FormatRealaZaFajl(-0.15L), "-1.50000000000000E-0001");
    EXPECT_EQ(FormatRealaZaFajl(0), " 0.00000000000000E+0000");
    EXPECT_EQ(FormatRealaZaFajl(0.2L), " 2.00000000000000E-0001");
    EXPECT_EQ(FormatRealaZaFajl(1e-5L), " 1.00000000000000E-0005");
    EXPECT_EQ(FormatRealaZaFajl(1.0L / 3), " 3.33333333333333E-0001");
    EXPECT_EQ(FormatRealaZaFajl(1e300L).size(), 23u);
    EXPECT_EQ(FormatRealaZaFajl(-1e-4000L), "-1.00000000000000E-4000");
    EXPECT_THROW(FormatRealaZaFajl(std::numeric_limits<long double>::infinity()), TGreska);
}

TEST(ParsirajReal, AcceptsPlainAndScientificTextOnly) {
    struct {
        const char* tekst;
        bool ok;
        long double v;
    } slucajevi[] = {
        {"1", true, 1},
        {"  -2.5  ", true, -2.5L},
        {"+3", true, 3},
        {" 3.00000000000000E+0007", true, 3e7L},
        {"1e-3", true, 1e-3L},
        {".5", true, 0.5L},
        {"5.", true, 5},
        {"1E5000", false, 0},
        {"1e-6000", true, 0},
        {"0.0001e-4940", true, 0},
        {"100000e4930", false, 0},
        {"abc", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"1,5", false, 0},
        {"1e", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {"0x10", false, 0},
        {"1 2", false, 0},
        {"-", false, 0},
        {".", false, 0},
        // The file's fixed form, one character off.
        {"1.0000000000000xE+0000", false, 0},
        {"1.00000000000000E+00a0", false, 0},
        {"1.00000000000000E*0000", false, 0},
        {"1.00000000000000E+9999", false, 0},
        {"1.00000000000000E-9999", true, 0},
    };
    for (const auto& s : slucajevi) {
        auto v = ParsirajReal(s.tekst);
        EXPECT_EQ(v.has_value(), s.ok) << s.tekst;
        if (v && s.ok) {
            EXPECT_EQ(*v, s.v) << s.tekst;
        }
    }
}

namespace {
// The same long double bit for bit: value and sign of zero.
bool IstiBitovi(long double a, long double b) { return a == b && std::signbit(a) == std::signbit(b); }
}  // namespace

// Every accepted text reads to the correctly rounded value, as the C library's own reading gives
// it: the file's 15-digit form, short and long mantissas, exponents at and past the exact powers,
// zeros with signs, digits beyond what a 64-bit integer holds.
TEST(ParsirajReal, ReadsTheCorrectlyRoundedValue) {
    std::vector<std::string> tekstovi = {"0",
                                         "-0",
                                         "0.0",
                                         "-0.000E+0005",
                                         "1",
                                         "0.1",
                                         "-0.3",
                                         "2.5",
                                         "1e27",
                                         "1e28",
                                         "1e-27",
                                         "1e-28",
                                         "123456789e-27",
                                         "9999999999999999999",
                                         "99999999999999999999",
                                         "18446744073709551615",
                                         "18446744073709551616",
                                         "0.30000000000000004",
                                         "1.7976931348623E+0308",
                                         "4.9E-0324",
                                         " 2.00000000000000E+0003",
                                         "-1.23456789012345E-0011",
                                         "30000000.0",
                                         "0.00001",
                                         "0.003125",
                                         "000123.4500",
                                         ".5",
                                         "5.",
                                         "7E+0027",
                                         "7E-0027",
                                         "1234567890123456789E8",
                                         "1234567890123456789E-8",
                                         "3.14159265358979E+0000",
                                         "0.50000000000000E+0000",
                                         "-0.00000000000000E+0000",
                                         "09.9999999999999E+0003",
                                         "9.99999999999999E+0027",
                                         "9.99999999999999E+0028",
                                         "1.00000000000001E-0013",
                                         "1.00000000000001E-0014"};
    // The file's own form of values across the range.
    unsigned long long x = 88172645463325252ULL;
    for (int i = 0; i < 2000; ++i) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        const double mantisa = double(x % 1000000007ULL) / 1000000007.0;
        const long double v = (i % 2 ? -1.0L : 1.0L) * mantisa * std::pow(10.0L, int(x % 61) - 30);
        tekstovi.push_back(FormatRealaZaFajl(v));
        tekstovi.push_back(FormatBroja(v));
    }
    for (const std::string& t : tekstovi) {
        SCOPED_TRACE(t);
        const auto v = ParsirajReal(t);
        ASSERT_TRUE(v.has_value());
        EXPECT_TRUE(IstiBitovi(*v, std::strtold(t.c_str(), nullptr))) << double(*v);
    }
}

TEST(ParsirajCeo, AcceptsThirtyTwoBitDecimalsOnly) {
    EXPECT_EQ(ParsirajCeo("17"), 17);
    EXPECT_EQ(ParsirajCeo(" -1 "), -1);
    EXPECT_EQ(ParsirajCeo("2147483647"), 2147483647);
    EXPECT_FALSE(ParsirajCeo("2147483648"));
    EXPECT_FALSE(ParsirajCeo("1.0"));
    EXPECT_FALSE(ParsirajCeo(""));
    EXPECT_FALSE(ParsirajCeo("x1"));
}

TEST(TekstUReal, RefusesWithTheConversionMessage) {
    EXPECT_EQ(TekstUReal("2.5"), 2.5L);
    try {
        TekstUReal("abc");
        FAIL();
    } catch (const TGreska& g) {
        EXPECT_STREQ(g.what(), "'abc' nije ispravan realan broj!!!");
    }
    EXPECT_THROW(TekstUReal("1e99999"), TGreska);
    EXPECT_THROW(TekstUCeo("1.5"), TGreska);
}

// A decimal comma gets a hint only when the text is a number with a point in its place.
TEST(TekstUReal, DecimalCommaGetsAHint) {
    const struct {
        const char* tekst;
        const char* poruka;
    } slucajevi[] = {
        {"0,2", "'0,2' nije ispravan realan broj!!!\r\nZa decimale koristite tacku."},
        {"-1,5e3", "'-1,5e3' nije ispravan realan broj!!!\r\nZa decimale koristite tacku."},
        {"1,2,3", "'1,2,3' nije ispravan realan broj!!!"},
        {",", "',' nije ispravan realan broj!!!"},
        {"abc", "'abc' nije ispravan realan broj!!!"},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(PorukaNeispravanReal(s.tekst), s.poruka) << s.tekst;
}
