#include <gtest/gtest.h>

#include <string>

#include "CitacRedova.h"
#include "Greska.h"

namespace {

// The message a reading of one boolean line gives, or "" when it reads.
std::string CitajLogicku(const std::string& red, bool& v) {
    TCitacRedova c(red);
    try {
        v = c.Logicka();
        return "";
    } catch (const TGreska& g) {
        return g.what();
    }
}

}  // namespace

// A boolean line: TRUE or FALSE in any case with blanks anywhere in it, else a number (non-zero is
// true); any other word, a longer one included, refuses the line.
TEST(CitacRedova, BooleanLines) {
    const struct {
        const char* red;
        bool v;
    } citaju[] = {
        {"TRUE", true},     {"FALSE", false}, {"true", true},       {"False", false},
        {"  TRUE\t", true}, {"T RUE", true},  {"F A L S E", false}, {"\tfalse  ", false},
        {"1", true},        {"0", false},     {"-2.5", true},       {" 0.00000000000000E+0000", false},
    };
    for (const auto& s : citaju) {
        SCOPED_TRACE(s.red);
        bool v = !s.v;
        EXPECT_EQ(CitajLogicku(s.red, v), "");
        EXPECT_EQ(v, s.v);
    }
    const char* odbijaju[] = {"da", "TRUEE", "FALSEX", "TRUE FALSE", "FALSEFALSE", "TRU", "1,0", "INF"};
    for (const char* red : odbijaju) {
        SCOPED_TRACE(red);
        bool v = false;
        EXPECT_EQ(CitajLogicku(red, v),
                  std::string("Red 1: ocekivan je logicka vrednost (TRUE ili FALSE), a procitano je '") + red + "'!!!");
    }
}
