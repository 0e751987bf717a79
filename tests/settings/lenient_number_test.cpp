// The lenient number rule and the 16-bit rounding shared by every settings reader.
#include "settings/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvantis {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(LenientNumber, ReadsTheNumberAtTheStartAndStopsWhereItEnds) {
    const std::pair<std::string, double> cases[] = {
        {"-1   Longitude direction", -1},
        {"12.5xyz", 12.5},
        {"Placidus", 0},
        {"", 0},
        {"  \t 7", 7},
        {"-.5", -0.5},
        {".", 0},
        {"- 5", 0},  // blanks only before the sign
        {"1.2.3", 1.2},
        {"1,5", 1},  // the decimal point is "." whatever the regional settings say
        {"2.5E-2x", 0.025},
        {"12e+", 12},
        {"0x10", 0},
        {"nan", 0},
        {"-infinity", 0},
        {std::string("4\0"
                     "2",
                     3),
         4},
        {"1e999", kInf},
        {"-1e999", -kInf},
        {"1e-99999999999999999999999", 0},
        {std::string(400, '9'), kInf},
        {"0." + std::string(400, '0') + "1", 0},
        {"0.000001e310", 1e304},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(LenientNumber(text), expected) << text;
}

TEST(RoundToInt16, HalvesToEvenAndRefusesWhatDoesNotFitSixteenBits) {
    const std::pair<double, std::optional<std::int16_t>> cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {2.5000001, 3},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {kInf, std::nullopt},
        {std::nan(""), std::nullopt},
    };
    for (const auto& [x, expected] : cases) EXPECT_EQ(RoundToInt16(x), expected) << x;
}

}  // namespace
}  // namespace orvantis
