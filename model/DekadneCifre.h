#pragma once
// The correctly rounded decimal digits of a long double, without going through printf: the
// command line prints hundreds of thousands of results, and formatting them was a good part of
// its time. The digits are exactly those printf gives (round to nearest, ties to even).
#include <string>

struct TDekadneCifre {
    bool negativan = false;
    std::string cifre;  // exactly the asked number of digits, the first non-zero
    int eksponent = 0;  // of the first digit: v = d1.d2d3... * 10^eksponent
};

// False for zero, a value that is not finite, or one so large or small that printf is left to
// do it (far outside any quantity of a frame).
bool DekadneCifre(long double v, int cifara, TDekadneCifre& d);

// "%.<cifara>Lg" (cifara from 1 to 40), identical text, for every value.
std::string FormatOpsti(long double v, int cifara);
