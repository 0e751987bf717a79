// OPTIONS.OPT: a value in the first seven characters of each line.
#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "settings/option_lines.h"

namespace orvantis {
namespace {

std::string Lines(int count, const std::string& line, const char* end = "\r\n") {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + end;
    return text;
}

TEST(ReadOptionsFile, ReadsTheFirstSevenCharactersOfEachLine) {
    OptionValues v{};
    const OptionsReading r = ReadOptionsFile(
        "-1     East longitude\r\n"
        "Placidus is 1\r\n"
        "1234567890 digits past the seventh character\r\n"
        "      5 six blanks and a digit\r\n"
        "       5 seven blanks, then a digit too late\r\n"
        "1e39   beyond single precision\r\n"
        "  \t\r\n",
        v);
    EXPECT_EQ(r.lines_read, 7);  // blanks only: a line, not an empty one
    EXPECT_FALSE(r.lines_left_over);
    const float expected[] = {0, -1, 0, 1234567, 5, 0, 0, 0};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(v[i], expected[i]) << i;
}

// Reading stops at the first empty line or after line 130; the caller's values stay for the
// lines not read, element 0 is never written.
TEST(ReadOptionsFile, StopsAtTheFirstEmptyLineOrAfterLine130) {
    struct Case {
        std::string text;
        int lines_read;
        bool left_over;
        std::array<float, 5> values;  // lines 0, 1, 2, 3 and 130
    };
    const Case cases[] = {{"5\r\n-74\r\n\r\n40\r\n", 2, false, {9, 5, -74, 9, 9}},
                          {Lines(130, "3"), 130, false, {9, 3, 3, 3, 3}},
                          {Lines(131, "4") + Lines(9869, "5", "\n"), 130, true, {9, 4, 4, 4, 4}},
                          {Lines(130, "3") + "\r\n6\r\n", 130, false, {9, 3, 3, 3, 3}}};
    for (const Case& c : cases) {
        OptionValues v;
        v.fill(9.0f);
        const OptionsReading r = ReadOptionsFile(c.text, v);
        EXPECT_EQ(std::tie(r.lines_read, r.lines_left_over), std::tie(c.lines_read, c.left_over));
        EXPECT_EQ((std::array<float, 5>{v[0], v[1], v[2], v[3], v[130]}), c.values) << c.lines_read;
    }
}

// Line 131 names the home zone; older files without it, or a line after a gap, name none.
TEST(ReadOptionsFile, HomeZoneNameIsTheFirstWordOfLine131) {
    const std::string values = Lines(130, "3      note");
    EXPECT_EQ(ReadHomeZoneName(values + "Europe/London  home zone\r\n"), "Europe/London");
    EXPECT_EQ(ReadHomeZoneName(values + "America/New_York"), "America/New_York");
    EXPECT_EQ(ReadHomeZoneName(values + "0      no name\r\n"), "");
    EXPECT_EQ(ReadHomeZoneName(values + " Europe/London\r\n"), "");
    EXPECT_EQ(ReadHomeZoneName(values), "");
    EXPECT_EQ(ReadHomeZoneName(Lines(129, "3") + "\r\nEurope/London\r\n"), "");
    OptionValues v{};
    EXPECT_FALSE(ReadOptionsFile(values + "Europe/London\r\n", v).lines_left_over);
    // Line 132, the ephemeris, is a value again; only a line after it is left over.
    EXPECT_FALSE(ReadOptionsFile(values + "0\r\n1      precise\r\n", v).lines_left_over);
    EXPECT_EQ(v[kOptionEphemeris], 1.0f);
    EXPECT_TRUE(ReadOptionsFile(values + "0\r\n0\r\n5\r\n", v).lines_left_over);
}

// A missing or cut-short OPTIONS.OPT takes the lines it lacks from OPTIONS.MAS, and says so.
TEST(ReadStartupOptions, TakesTheLinesTheFileLacksFromTheMaster) {
    const std::string master = Lines(130, "7");
    const std::string used = "\nThe default settings of OPTIONS.MAS are used for ";
    struct Case {
        std::optional<std::string> own, master;
        float line_2, line_100;
        std::string message;  // "" for none
    };
    const Case cases[] = {
        {Lines(130, "3"), master, 3, 3, ""},
        {std::nullopt, master, 7, 7, "OPTIONS.OPT File Not Found" + used + "every line."},
        {Lines(57, "3"), master, 3, 7,
         "OPTIONS.OPT ends after line 57." + used + "lines 58 to 130."},
        {Lines(57, "3"), std::nullopt, 3, 0,
         "OPTIONS.OPT ends after line 57.\nOPTIONS.MAS was not found either: the later options are "
         "0."},
        {Lines(130, "3"), std::nullopt, 3, 3, ""},
    };
    for (const Case& c : cases) {
        OptionValues v;
        v.fill(9.0f);
        const auto message = ReadStartupOptions(c.own, c.master, v);
        EXPECT_EQ(message.value_or(""), c.message);
        EXPECT_EQ(v[2], c.line_2) << c.message;
        EXPECT_EQ(v[100], c.line_100) << c.message;
    }
}

}  // namespace
}  // namespace orvantis
