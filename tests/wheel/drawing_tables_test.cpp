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
    const std::optional<std::string> missing;
    struct Case {
        std::optional<std::string> hcdata, radius;
        std::vector<std::string> reports;  // what each problem's text says
    } cases[] = {
        // Commas, line ends, blank lines and blanks around values are the format.
        {" -18 , 228\r\n\r\n12,\t-5\n" + Numbers(117), Numbers(361), {}},
        {Numbers(20) + "1,2,x3,4\r\n" + Numbers(97),
         Numbers(361),
         {"HCDATA.DAT is damaged, line 3: \"x3\" is not a whole number."}},
        {Numbers(121), "12.5," + Numbers(360), {"RADIUS.DAT is damaged, line 1: \"12.5\" is not"}},
        {"32768,-32768,+5,+-5," + Numbers(117),
         Numbers(361),
         {"line 1: \"32768\" lies outside -32768 to 32767. There is 1 more fault"}},
        {std::string(20, '9') + "," + Numbers(120),
         Numbers(361),
         {"\"99999999999999999999\" lies"}},
        {Numbers(121), Numbers(365), {"RADIUS.DAT is damaged, line 37: more than 361 values;"}},
        {Numbers(100), Numbers(361), {"HCDATA.DAT is damaged, only 100 of its 121 values are"}},
        {missing,
         missing,
         {"The file HCDATA.DAT could not be read (gone). The wheel uses its built-in values for "
          "the entries concerned.",
          "RADIUS.DAT could not be read."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hcdata.value_or("(missing)").substr(0, 24));
        const DrawingTablesLoad load =
            LoadDrawingTables({"HCDATA.DAT", c.hcdata, "gone"}, {"RADIUS.DAT", c.radius, ""});
        ASSERT_EQ(load.problems.size(), c.reports.size());
        for (std::size_t i = 0; i < c.reports.size(); ++i) {
            EXPECT_EQ(load.problems[i].title, kWarningTitle);
            EXPECT_EQ(load.problems[i].icon, Icon::kExclamation);
            EXPECT_THAT(load.problems[i].text, HasSubstr(c.reports[i]));
        }
    }
    // The values are read in their places.
    const DrawingTablesLoad read =
        LoadDrawingTables({"HCDATA.DAT", cases[0].hcdata, ""}, {"RADIUS.DAT", cases[0].radius, ""});
    const auto& table = read.tables.HouseCaptionTable;
    EXPECT_EQ(std::vector<int>(table.begin(), table.begin() + 5),
              (std::vector<int>{-18, 228, 12, -5, 7}));
}

std::string ReadData(const std::string& name) {
    return ReadTextFile(ORVANTIS_DATA_DIR "/" + name).value_or("");
}

TEST(ShippedData, FilesParseAndTheMasterEqualsTheOptions) {
    EXPECT_TRUE(LoadDrawingTables({"HCDATA.DAT", ReadData("HCDATA.DAT"), ""},
                                  {"RADIUS.DAT", ReadData("RADIUS.DAT"), ""})
                    .problems.empty());
    const std::string text = ReadData("OPTIONS.OPT");
    EXPECT_EQ(text, ReadData("OPTIONS.MAS"));
    OptionValues values{};
    const OptionsReading r = ReadOptionsFile(text, values);
    EXPECT_EQ(r.lines_read, 130);
    EXPECT_FALSE(r.lines_left_over);
    EXPECT_EQ(ReadHomeZoneName(text), "");  // shipped without a name: option 18 as before
}

}  // namespace
}  // namespace orvantis
