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
    // Blanks only before the sign; the decimal point is "." whatever the regional settings say.
    using Row = std::pair<std::string, double>;
    for (const auto& [text, expected] : {Row{"-1   Longitude direction", -1},
                                         Row{"12.5xyz", 12.5},
                                         Row{"Placidus", 0},
                                         Row{"", 0},
                                         Row{"  \t 7", 7},
                                         Row{"-.5", -0.5},
                                         Row{".", 0},
                                         Row{"- 5", 0},
                                         Row{"1.2.3", 1.2},
                                         Row{"1,5", 1},
                                         Row{"2.5E-2x", 0.025},
                                         Row{"12e+", 12},
                                         Row{"0x10", 0},
                                         Row{"nan", 0},
                                         Row{"-infinity", 0},
                                         Row{std::string("4\0002", 3), 4},
                                         Row{"1e999", kInf},
                                         Row{"-1e999", -kInf},
                                         Row{"1e-99999999999999999999999", 0},
                                         Row{std::string(400, '9'), kInf},
                                         Row{"0." + std::string(400, '0') + "1", 0},
                                         Row{"0.000001e310", 1e304}})
        EXPECT_EQ(LenientNumber(text), expected) << text;
}

TEST(RoundToInt16, HalvesToEvenAndRefusesWhatDoesNotFitSixteenBits) {
    using Row = std::pair<double, std::optional<std::int16_t>>;
    for (const auto& [x, expected] :
         {Row{2.5, 2}, Row{3.5, 4}, Row{-2.5, -2}, Row{2.5000001, 3}, Row{32767.4, 32767},
          Row{32767.5, std::nullopt}, Row{-32768.5, -32768}, Row{-32768.6, std::nullopt},
          Row{kInf, std::nullopt}, Row{std::nan(""), std::nullopt}})
        EXPECT_EQ(RoundToInt16(x), expected) << x;
}

}  // namespace
}  // namespace orvantis
