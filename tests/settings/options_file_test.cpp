// OPTIONS.OPT: a value in the first seven characters of each line.
#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

TEST(ReadOptionsFile, StopsAtTheFirstEmptyLineAndKeepsTheRest) {
    OptionValues v{};
    v.fill(9.0f);
    const OptionsReading r = ReadOptionsFile("5\r\n-74\r\n\r\n40\r\n", v);
    EXPECT_EQ(r.lines_read, 2);
    EXPECT_EQ(v[1], 5.0f);
    EXPECT_EQ(v[2], -74.0f);
    EXPECT_EQ(v[3], 9.0f);  // not read: the caller's value stays
    EXPECT_EQ(v[0], 9.0f);  // element 0 is never written
}

TEST(ReadOptionsFile, ReadsAtMost130Lines) {
    OptionValues v{};
    const OptionsReading exact = ReadOptionsFile(Lines(130, "3"), v);
    EXPECT_EQ(exact.lines_read, 130);
    EXPECT_FALSE(exact.lines_left_over);

    v.fill(0.0f);
    const OptionsReading more = ReadOptionsFile(Lines(131, "4") + Lines(9869, "5", "\n"), v);
    EXPECT_EQ(more.lines_read, 130);
    EXPECT_TRUE(more.lines_left_over);
    EXPECT_EQ(v[130], 4.0f);
    EXPECT_EQ(v[0], 0.0f);

    const OptionsReading then_empty = ReadOptionsFile(Lines(130, "3") + "\r\n6\r\n", v);
    EXPECT_FALSE(then_empty.lines_left_over);
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
}

// A missing or cut-short OPTIONS.OPT takes the lines it lacks from OPTIONS.MAS, and says so.
TEST(ReadStartupOptions, TakesTheLinesTheFileLacksFromTheMaster) {
    const std::string master = Lines(130, "7");
    struct Case {
        std::optional<std::string> own, master;
        float line_2, line_100;
        const char* message;  // "" for none
    };
    const Case cases[] = {
        {Lines(130, "3"), master, 3, 3, ""},
        {std::nullopt, master, 7, 7,
         "OPTIONS.OPT File Not Found\nThe default settings of OPTIONS.MAS are used for every "
         "line."},
        {Lines(57, "3"), master, 3, 7,
         "OPTIONS.OPT ends after line 57.\nThe default settings of OPTIONS.MAS are used for lines "
         "58 to 130."},
        {"3\r\n3\r\n\r\n3\r\n", master, 3, 7,
         "OPTIONS.OPT ends after line 2.\nThe default settings of OPTIONS.MAS are used for lines 3 "
         "to 130."},
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
