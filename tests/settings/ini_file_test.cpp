// ORVANTIS.INI: reading the scale, the layout and the window geometry, and writing the file.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <tuple>

#include "settings/text_lines.h"

namespace orvantis {
namespace {

constexpr const char* kOrdered =
    "[Orvantis] - Do NOT change the order of these variables.\r\n"
    "StartScale=300\r\n"
    "TypeChart=1\r\n"
    "OrvantisTop=1155\r\n"
    "OrvantisLeft=-45\r\n"
    "OrvantisHeight=6000\r\n"
    "OrvantisWidth=9000.5\r\n"
    "OrvantisScaleHeight=-480\r\n"
    "OrvantisScaleWidth=700\r\n";

// The same lines in reverse order, LF only, the last without an end.
std::string Shuffled() {
    std::string text;
    for (const std::string_view line : SplitLines(kOrdered)) text = std::string(line) + "\n" + text;
    text.pop_back();
    return text;
}

auto Fields(const WindowGeometry& g) {
    return std::make_tuple(g.top, g.left, g.height, g.width, g.scale_height, g.scale_width);
}

// The file as written, CR LF and in order; shuffled LF-only lines read the same.
TEST(ReadIni, ShuffledLfOnlyLinesReadLikeTheWrittenFile) {
    const WindowGeometry g{1155, -45, 6000, 9000.5f, -480, 700};
    EXPECT_EQ(WriteSettingsIni(300, 1, g), kOrdered);
    for (const std::string& text : {std::string(kOrdered), Shuffled()}) {
        const IniScaleAndChart s = ReadIniScaleAndChart(text);
        EXPECT_EQ(std::tie(s.StartScale, s.TypeChart), std::make_tuple(300, 1));
        EXPECT_EQ(Fields(ReadIniWindowGeometry(text)), Fields(g));
    }
}

TEST(ReadIni, SizesMustBePositiveButTheScaleHeightMayBeNegative) {
    const WindowGeometry g = ReadIniWindowGeometry(
        "OrvantisHeight=0\r\nOrvantisWidth=-100\r\nOrvantisScaleWidth=0\r\n"
        "OrvantisScaleHeight=-480\r\nOrvantisTop=-300\r\nOrvantisLeft=0\r\n");
    EXPECT_EQ(Fields(g), Fields({-300, 0, 7200, 8490, -480, 640}));
    EXPECT_EQ(ReadIniWindowGeometry("OrvantisScaleHeight=0").scale_height, 480);
}

// Above the halfway point to 2^128 a value would round to infinity: ignored.
TEST(ReadIni, KeysAreCaseSensitivePrefixesAndTheLastValueWins) {
    const IniScaleAndChart s = ReadIniScaleAndChart(
        "startscale=100\nStartScale=200\nStartScale=250.5\nTypeChart\nStartScaleX=260 extra\n");
    EXPECT_EQ(s.StartScale, 260);
    EXPECT_EQ(s.TypeChart, 0);  // no "=": the whole line is the value, which has no digits
    EXPECT_EQ(ReadIniScaleAndChart("StartScale=251.5").StartScale, 252);  // halves to even
    std::string many;
    for (int i = 0; i < 10000; ++i) many += "OrvantisTop=" + std::to_string(i) + "\r\n";
    EXPECT_EQ(ReadIniWindowGeometry(many).top, 9999);
    EXPECT_EQ(ReadIniWindowGeometry("OrvantisTop=5\nOrvantisTop=3.4028236e38\n").top, 5);
}

TEST(ReadIni, ASixteenBitOverflowEndsTheReadingThere) {
    const IniScaleAndChart s =
        ReadIniScaleAndChart("TypeChart=1\r\nStartScale=40000\r\nTypeChart=2\r\nStartScale=5\r\n");
    EXPECT_EQ(std::tie(s.StartScale, s.TypeChart), std::make_tuple(287, 1));
    // The geometry reader does not look at those keys.
    EXPECT_EQ(ReadIniWindowGeometry("StartScale=40000\nOrvantisTop=10").top, 10);
}

// Found by the INI fuzzer: a scale height of -3.4028235e+38 (the largest single, as written at
// exit) was taken for a value beyond single precision and the default came back instead.
TEST(WriteSettingsIni, WhatIsWrittenReadsBackExactly) {
    constexpr float kLargest = std::numeric_limits<float>::max();
    std::mt19937 random(7);
    std::uniform_real_distribution<float> any(-20000.0f, 20000.0f);
    for (int i = 0; i < 500; ++i) {
        WindowGeometry g{any(random),
                         any(random),
                         std::abs(any(random)) + 1,
                         std::abs(any(random)) + 1,
                         any(random),
                         std::abs(any(random)) + 1};
        if (i == 0) g.top = 3.4e38f, g.scale_height = -kLargest, g.width = kLargest;
        if (i == 1) g.left = 1.5e-9f;
        if (g.scale_height == 0) g.scale_height = 1;
        const std::string text = WriteSettingsIni(static_cast<std::int16_t>(i), 1, g);
        EXPECT_EQ(Fields(ReadIniWindowGeometry(text)), Fields(g)) << i;
        EXPECT_EQ(ReadIniScaleAndChart(text).StartScale, i);
    }
}

}  // namespace
}  // namespace orvantis
