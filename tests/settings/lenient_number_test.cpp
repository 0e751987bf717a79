// The lenient number rule and the 16-bit rounding shared by every settings reader.
#include "settings/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvantis {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    std::string text;
    double expected;
};

TEST(LenientNumber, ReadsTheNumberAtTheStartAndStopsWhereItEnds) {
    const Case cases[] = {
        {"-1   Longitude direction", -1},
        {"12.5xyz", 12.5},
        {"Placidus", 0},
        {"", 0},
        {"  \t 7", 7},
        {"+3", 3},
        {"-.5", -0.5},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"- 5", 0},  // blanks only before the sign
        {"1.2.3", 1.2},
        {"1,5", 1},  // the decimal point is "." whatever the regional settings say
        {"1e3", 1000},
        {"2.5E-2x", 0.025},
        {"12e", 12},
        {"12e+", 12},
        {"12 34", 12},
        {"0x10", 0},
        {"nan", 0},
        {"inf", 0},
        {"-infinity", 0},
        {std::string("4\0"
                     "2",
                     3),
         4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LenientNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(LenientNumber, OverflowGivesInfinityAndUnderflowZero) {
    EXPECT_EQ(LenientNumber("1e999"), kInf);
    EXPECT_EQ(LenientNumber("-1e999"), -kInf);
    EXPECT_EQ(LenientNumber("1e99999999999999999999999"), kInf);
    EXPECT_EQ(LenientNumber("1e-999"), 0.0);
    EXPECT_EQ(LenientNumber("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(LenientNumber(std::string(400, '9')), kInf);
    EXPECT_EQ(LenientNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(LenientNumber("0.000001e310"), 1e304);
}

TEST(RoundToInt16, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(2.5000001), 3);
    EXPECT_EQ(RoundToInt16(-0.4), 0);
}

TEST(RoundToInt16, RefusesWhatDoesNotFitSixteenBits) {
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);       // rounds to the even -32768
    EXPECT_EQ(RoundToInt16(-32768.6), std::nullopt);
    EXPECT_EQ(RoundToInt16(kInf), std::nullopt);
    EXPECT_EQ(RoundToInt16(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace orvantis
