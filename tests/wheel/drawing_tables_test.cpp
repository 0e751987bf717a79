// The two table files: the parser's reports, the fallback to built-in values, and the shipped
// data files (tables and options) themselves.
#include "wheel/drawing_tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "astro/angles.h"
#include "settings/options_file.h"
#include "wheel_charts.h"

namespace orvantis::test {
namespace {

using ::testing::HasSubstr;

std::string Numbers(int count, int value = 7) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(value) + (i % 10 == 9 ? "\r\n" : ",");
    return text;
}

TableFileText Hc(std::optional<std::string> text) {
    return {"HCDATA.DAT", std::move(text), ""};
}
TableFileText Rd(std::optional<std::string> text) {
    return {"RADIUS.DAT", std::move(text), ""};
}

TEST(DrawingTables, CommasLineEndsAndBlanks) {
    const DrawingTablesLoad load =
        LoadDrawingTables(Hc(" -18 , 228\r\n\r\n12,\t-5\n" + Numbers(117)), Rd(Numbers(361, 200)));
    for (const Problem& p : load.problems) ADD_FAILURE() << p.text;
    const auto& hc = load.tables.HouseCaptionTable;
    EXPECT_EQ(std::vector<int>(hc.begin(), hc.begin() + 4), (std::vector<int>{-18, 228, 12, -5}));
    EXPECT_EQ(hc[120], 7);
    EXPECT_DOUBLE_EQ(load.tables.GlyphRadius(359.6), 200);
}

TEST(DrawingTables, NotANumberIsReportedWithItsLine) {
    const DrawingTablesLoad load =
        LoadDrawingTables(Hc(Numbers(20) + "1,2,x3,4\r\n" + Numbers(97)), Rd(Numbers(361, 200)));
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_EQ(load.problems[0].title, "Warning!");
    EXPECT_EQ(load.problems[0].icon, Icon::kExclamation);
    EXPECT_THAT(load.problems[0].text,
                HasSubstr("HCDATA.DAT is damaged, line 3: \"x3\" is not a whole number"));
    // The entry that failed is not used; the ones after it are read in their places.
    EXPECT_FALSE(load.tables.caption_read[22]);
    EXPECT_DOUBLE_EQ(load.tables.CaptionEntry(22), BuiltInCaptionEntry(22));
    EXPECT_TRUE(load.tables.caption_read[23]);
    EXPECT_EQ(load.tables.HouseCaptionTable[23], 4);
}

TEST(DrawingTables, DecimalsAndOutOfRangeValues) {
    DrawingTablesLoad load = LoadDrawingTables(Hc(Numbers(121)), Rd("12.5," + Numbers(360)));
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_THAT(load.problems[0].text,
                HasSubstr("RADIUS.DAT is damaged, line 1: \"12.5\" is not a whole"));
    EXPECT_DOUBLE_EQ(load.tables.GlyphRadius(0), BuiltInGlyphRadius(0));

    load = LoadDrawingTables(Hc("32768,-32768,+5,+-5," + Numbers(117)), Rd(Numbers(361)));
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_THAT(load.problems[0].text, HasSubstr("\"32768\" lies outside -32768 to 32767"));
    EXPECT_THAT(load.problems[0].text, HasSubstr("1 more fault"));
    EXPECT_FALSE(load.tables.caption_read[0]);
    EXPECT_EQ(load.tables.HouseCaptionTable[1], -32768);
    EXPECT_EQ(load.tables.HouseCaptionTable[2], 5);
    EXPECT_FALSE(load.tables.caption_read[3]);
}

TEST(DrawingTables, TooManyAndTooFewValues) {
    DrawingTablesLoad load = LoadDrawingTables(Hc(Numbers(121)), Rd(Numbers(365)));
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_THAT(load.problems[0].text, HasSubstr("RADIUS.DAT is damaged, line 37: more than 361"));
    EXPECT_TRUE(load.tables.radius_read[360]);

    load = LoadDrawingTables(Hc(Numbers(100)), Rd(Numbers(361)));
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_THAT(load.problems[0].text, HasSubstr("only 100 of its 121 values"));
    EXPECT_TRUE(load.tables.caption_read[99]);
    EXPECT_FALSE(load.tables.caption_read[100]);
    EXPECT_DOUBLE_EQ(load.tables.CaptionEntry(100), BuiltInCaptionEntry(100));
}

TEST(DrawingTables, MissingFilesFallBackEntirely) {
    const DrawingTablesLoad load = LoadDrawingTables(
        {"HCDATA.DAT", std::nullopt, "No such file or directory"}, Rd(std::nullopt));
    ASSERT_EQ(load.problems.size(), 2u);
    EXPECT_EQ(load.problems[0].text,
              "The file HCDATA.DAT could not be read (No such file or directory). The wheel uses "
              "its built-in values for the entries concerned.");
    EXPECT_THAT(load.problems[1].text, HasSubstr("RADIUS.DAT could not be read."));
    for (int i = 0; i < kHouseCaptionTableSize; ++i)
        EXPECT_DOUBLE_EQ(load.tables.CaptionEntry(i), BuiltInCaptionEntry(i));
    for (int d = 0; d <= 360; ++d)
        EXPECT_DOUBLE_EQ(load.tables.GlyphRadius(d), BuiltInGlyphRadius(d));
}

TEST(DrawingTables, RadiusLookupRoundsAndWraps) {
    DrawingTables t = BuiltInDrawingTables();
    for (int d = 0; d <= 360; ++d) t.RadiusTable[d] = static_cast<std::int16_t>(d);
    EXPECT_DOUBLE_EQ(t.GlyphRadius(359.6), 360);  // its own entry
    EXPECT_DOUBLE_EQ(t.GlyphRadius(2.5), 2);      // halves to even
    EXPECT_DOUBLE_EQ(t.GlyphRadius(367), 7);      // a crowded slot past a full turn
}

TEST(BuiltInTables, GlyphCellsStayInsideTheRingBand) {
    // The cell the radii were made for (11 × 13 units hanging right and down from the top-left
    // corner) keeps clear of the outer ring and far from the inner one at every degree.
    for (int d = 0; d <= 360; ++d) {
        const double r = BuiltInGlyphRadius(d);
        const double x = r * CosDeg(d), y = r * SinDeg(d);
        for (const auto& [cx, cy] :
             {std::pair{0.0, 0.0}, {11.0, 0.0}, {0.0, -13.0}, {11.0, -13.0}}) {
            const double distance = std::hypot(x + cx, y + cy);
            EXPECT_LE(distance, 215.01) << d;
            EXPECT_GE(distance, 180) << d;
        }
    }
}

TEST(BuiltInTables, CuspLabelsClearTheRingAndTheWindow) {
    // Each label block (29 × 9 units from its first item) lies outside the outer ring and inside
    // the ±228 band a landscape window shows.
    const DrawingTables t = BuiltInDrawingTables();
    for (int i = 1; i <= 12; ++i) {
        const double left = t.HouseCaptionTable[10 * i - 10];
        const double top = t.HouseCaptionTable[10 * i - 9];
        EXPECT_LE(top, 228) << i;
        EXPECT_GE(top - 9, -228) << i;
        const double nx = std::clamp(0.0, left, left + 29), ny = std::clamp(0.0, top - 9, top);
        EXPECT_GE(std::hypot(nx, ny), 217) << i;
        EXPECT_GE(left, -249) << i;  // the page shows x from -249 to 250
        EXPECT_LE(left + 29, 250) << i;
    }
}

std::string ReadData(const std::string& name) {
    std::ifstream file(std::string(ORVANTIS_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(ShippedData, FilesParseAndTheMasterEqualsTheOptions) {
    EXPECT_TRUE(
        LoadDrawingTables(Hc(ReadData("HCDATA.DAT")), Rd(ReadData("RADIUS.DAT"))).problems.empty());
    const std::string text = ReadData("OPTIONS.OPT");
    EXPECT_EQ(text, ReadData("OPTIONS.MAS"));
    OptionValues values{};
    const OptionsReading r = ReadOptionsFile(text, values);
    EXPECT_EQ(r.lines_read, 130);
    EXPECT_FALSE(r.lines_left_over);
}

}  // namespace
}  // namespace orvantis::test
