// The two table files HCDATA.DAT and RADIUS.DAT: what the parser reads and how it reports a
// damaged or missing file; and the shipped data files (tables and options) themselves.
#include "wheel/drawing_tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/options_file.h"
#include "settings/text_lines.h"

namespace orvantis {
namespace {

using ::testing::HasSubstr;

std::string Numbers(int count, int value = 7) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(value) + (i % 10 == 9 ? "\r\n" : ",");
    return text;
}

TEST(DrawingTables, DamagedOrMissingFilesAreReportedOnceEach) {
    const std::optional<std::string> gone, ok_h = Numbers(121), ok_r = Numbers(361);
    const struct {
        std::optional<std::string> hcdata, radius;
        std::size_t count;
        const char* report;  // what the first problem's text says
    } cases[] = {
        // Commas, line ends, blank lines and blanks around values are the format.
        {" -18 , 228\r\n\r\n12,\t-5\n" + Numbers(117), ok_r, 0, ""},
        {Numbers(20) + "1,2,x3,4\r\n" + Numbers(97), ok_r, 1,
         "line 3: \"x3\" is not a whole number."},
        {ok_h, "12.5," + Numbers(360), 1, "RADIUS.DAT is damaged, line 1: \"12.5\" is not"},
        {"32768,-32768,+5,+-5," + Numbers(117), ok_r, 1,
         "\"32768\" lies outside -32768 to 32767. There is 1 more"},
        {std::string(20, '9') + "," + Numbers(120), ok_r, 1, "\"99999999999999999999\" lies"},
        {ok_h, Numbers(365), 1, "RADIUS.DAT is damaged, line 37: more than 361 values;"},
        {Numbers(100), ok_r, 1, "HCDATA.DAT is damaged, only 100 of its 121 values are"},
        {gone, gone, 2,
         "The file HCDATA.DAT could not be read (gone). The wheel uses its built-in values for the "
         "entries concerned."},
        {ok_h, gone, 1, "RADIUS.DAT could not be read."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hcdata.value_or("(missing)").substr(0, 24));
        const DrawingTablesLoad load =
            LoadDrawingTables({"HCDATA.DAT", c.hcdata, "gone"}, {"RADIUS.DAT", c.radius, ""});
        ASSERT_EQ(load.problems.size(), c.count);
        for (const Problem& problem : load.problems)
            EXPECT_TRUE(problem.title == kWarningTitle && problem.icon == Icon::kExclamation);
        EXPECT_THAT(c.count ? load.problems[0].text : "", HasSubstr(c.report));
    }
    // The values are read in their places.
    const auto& table =
        LoadDrawingTables({"HCDATA.DAT", cases[0].hcdata, ""}, {"RADIUS.DAT", ok_r, ""})
            .tables.HouseCaptionTable;
    EXPECT_EQ(std::vector<int>(table.begin(), table.begin() + 5),
              (std::vector<int>{-18, 228, 12, -5, 7}));
}

TEST(ShippedData, FilesParseAndTheMasterEqualsTheOptions) {
    const auto file = [](const char* name) -> TableFileText {
        return {name, ReadTextFile(ORVANTIS_DATA_DIR "/" + std::string(name)), ""};
    };
    EXPECT_TRUE(LoadDrawingTables(file("HCDATA.DAT"), file("RADIUS.DAT")).problems.empty());
    const std::string text = file("OPTIONS.OPT").text.value_or("");
    EXPECT_EQ(file("OPTIONS.MAS").text, text);
    OptionValues values{};
    const OptionsReading r = ReadOptionsFile(text, values);
    EXPECT_TRUE(r.lines_read == 130 && !r.lines_left_over);
    EXPECT_EQ(ReadHomeZoneName(text), "");  // shipped without a name: option 18 as before
}

}  // namespace
}  // namespace orvantis
