#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "DekadneCifre.h"

// Values whose decimal form is known exactly: binary fractions are exact ties, so they show
// the round-half-to-even rule; carries ripple into a new leading digit.
TEST(DekadneCifre, KnownDigitsTiesAndCarries) {
    const struct {
        long double v;
        int cifara;
        const char* tekst;
    } slucajevi[] = {
        {0.5L, 1, "0.5"},
        {2.5L, 1, "2"},
        {3.5L, 1, "4"},
        {1.25L, 2, "1.2"},
        {1.375L, 3, "1.38"},
        {0.125L, 2, "0.12"},
        {9.5L, 1, "1e+01"},
        {999.96L, 4, "1000"},
        {99999.5L, 5, "1e+05"},
        {-0.0001L, 17, "-0.0001"},
        {0.00001L, 3, "1e-05"},
        {1e16L, 17, "10000000000000000"},
        {1e17L, 17, "1e+17"},
        {123456789.0L, 17, "123456789"},
        {-6.0L, 17, "-6"},
        {1.0L / 3, 17, "0.33333333333333333"},
        {2.0L / 3, 17, "0.66666666666666667"},
        {1e-30L, 17, "1e-30"},
        {1e300L, 3, "1e+300"},
        {std::ldexp(1.0L, -100), 17, "7.8886090522101181e-31"},
        {std::ldexp(1.0L, 100), 17, "1.2676506002282294e+30"},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(FormatOpsti(s.v, s.cifara), s.tekst) << s.tekst;
}

TEST(DekadneCifre, DigitsAndExponentOfTheFirstDigit) {
    TDekadneCifre d;
    ASSERT_TRUE(DekadneCifre(-0.00123456L, 4, d));
    EXPECT_TRUE(d.negativan);
    EXPECT_EQ(d.cifre, "1235");
    EXPECT_EQ(d.eksponent, -3);
    ASSERT_TRUE(DekadneCifre(99.99L, 3, d));  // rounds up into a new digit
    EXPECT_EQ(d.cifre, "100");
    EXPECT_EQ(d.eksponent, 2);
    EXPECT_FALSE(DekadneCifre(0.0L, 5, d));
    EXPECT_FALSE(DekadneCifre(INFINITY, 5, d));
    EXPECT_FALSE(DekadneCifre(NAN, 5, d));
}

// The printed digits must stay exactly those of the C library across the whole range a frame's
// results take (and beyond, where the slow exact path and the library itself take over): values
// with all 64 bits of significand, values that are doubles, integers, and tiny or huge ones.
TEST(DekadneCifre, SameTextAsTheCLibrary) {
    std::mt19937_64 g(20261209);
    std::uniform_real_distribution<double> u(-1, 1);
    int razlika = 0;
    for (int i = 0; i < 60000; ++i) {
        long double x = static_cast<long double>(u(g)) * std::pow(10.0L, int(u(g) * 40));
        x += static_cast<long double>(u(g)) * 1e-19L * x;
        if (i % 5 == 0) x = static_cast<long double>(static_cast<double>(x));
        if (i % 7 == 0) x = std::ldexp(static_cast<long double>(g() >> 1), -int(g() % 400) + 100);
        if (i % 11 == 0) x = std::round(x * 1e-30L);
        for (int cifara : {1, 3, 15, 17, 18, 21}) {
            char buf[128];
            std::snprintf(buf, sizeof buf, "%.*Lg", cifara, x);
            if (FormatOpsti(x, cifara) != buf && ++razlika < 10)
                ADD_FAILURE() << buf << " != " << FormatOpsti(x, cifara) << " (" << cifara << ")";
        }
    }
    EXPECT_EQ(razlika, 0);
}
