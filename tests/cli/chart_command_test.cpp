// The command line of orvantis-chart: its options, its refusals, and the election entry it
// builds for the election checks (which have their own tests with hostile text in every field).
#include "cli/chart_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <tuple>

#include "cli/chart_report.h"
#include "settings/option_lines.h"
#include "settings/text_lines.h"

namespace orvantis {
namespace {

ChartCommand Parsed(std::vector<std::string> args) {
    auto result = ParseChartCommand(args);
    if (auto* error = std::get_if<UsageError>(&result)) ADD_FAILURE() << error->message;
    return std::get<ChartCommand>(result);
}

TEST(ChartCommandLine, ReadsEveryOptionWithItsValue) {
    const auto c =
        Parsed({"--date",   "2000-01-01", "--time", "12:00",   "--zone",   "-1",         "--long",
                "0.00W",    "--lat",      "51.29N", "--event", "Test",     "--house",    "K",
                "--zodiac", "2",          "--node", "0",       "--node=1", "--data-dir", "/tmp",
                "--png",    "w.png",      "--size", "640x480", "--layout", "european",   "--orbs",
                "X.ORB",    "--pdf",      "p.pdf",  "--page",  "half",     "--paper",    "letter",
                "--json",   "--aspects"});
    EXPECT_EQ(std::tie(*c.date, *c.time, *c.zone, *c.longitude, *c.latitude, *c.event, c.data_dir,
                       *c.png, *c.orbs, *c.pdf),
              std::make_tuple("2000-01-01", "12:00", "-1", "0.00W", "51.29N", "Test", "/tmp",
                              "w.png", "X.ORB", "p.pdf"));
    // A value after "=" as after a space; given twice, the last one counts.
    EXPECT_EQ(std::tie(*c.house, *c.zodiac, *c.node, c.png_width, c.png_height, *c.layout),
              std::make_tuple('K', 2, 1, 640, 480, 1));
    EXPECT_TRUE(c.json && c.aspects && !c.help && !c.version);
    EXPECT_TRUE(c.page == PrintedPage::kHalf && c.paper == Paper::kLetter);
    EXPECT_TRUE(Parsed({"-h"}).help && Parsed({"--help"}).help);
    EXPECT_TRUE(Parsed({"-v"}).version && Parsed({"--version"}).version);
}

TEST(ChartCommandLine, RefusesWhatCannotRunWithItsMessage) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--date", "2000-01-01"}, "--date and --time go together"},
        {{"--zone", "5"}, "--zone, --long, --lat and --event describe an election chart"},
        {{"--orbs", "X.ORB"}, "--orbs goes with --aspects or --pdf"},
        {{"--house", "PP"}, "--house takes one of P R K C O E M I"},
        {{"--zodiac", "3"}, "--zodiac takes 0, 1 or 2"},
        {{"--node=-1"}, "--node takes 0 or 1"},
        {{"--size", "10x10"}, "--size takes WIDTHxHEIGHT, each 16 to 8192"},
        {{"--layout", "French"}, "--layout takes american or european"},
        {{"--tz", "5"}, "--tz takes a time zone name"},
        {{"--pdf", "p.pdf", "--page", "quarter"}, "--page takes full or half"},
        {{"--pdf", "p.pdf", "--paper", "A5"}, "--paper takes a4 or letter"},
        {{"--paper", "a4"}, "--page and --paper go with --pdf"},
        {{"--json", "--bogus"}, "Unknown option 'bogus'."},
        {{"--json=yes"}, "Unexpected value after '--json'."},
        {{"--date"}, "Missing value after '--date'."},
        {{"now"}, "Unexpected argument 'now'."},
    };
    for (const auto& [args, message] : cases) {
        const auto parsed = ParseChartCommand(args);
        const auto* usage = std::get_if<UsageError>(&parsed);
        ASSERT_NE(usage, nullptr) << args[0];
        EXPECT_EQ(usage->message.substr(0, message.size()), message);
    }
    EXPECT_TRUE(std::holds_alternative<ChartCommand>(
        ParseChartCommand({"--orbs", "X.ORB", "--pdf", "p.pdf"})));
}

// The manual page is written by hand: every option of the help text must be in it.
TEST(ChartCommandLine, ManualPageDescribesEveryOption) {
    const std::string page =
        ReadTextFile(ORVANTIS_DATA_DIR "/../desktop/orvantis-chart.1").value_or("");
    ASSERT_FALSE(page.empty());
    std::istringstream help(ChartCommandUsage());
    int options = 0;
    for (std::string line; std::getline(help, line);) {
        const auto dashes = line.find("--");
        if (line.rfind("  -", 0) != 0 || dashes == std::string::npos) continue;
        const std::string name = line.substr(dashes + 2, line.find(' ', dashes) - dashes - 2);
        std::string escaped;  // roff writes a dash as \-
        for (char c : "--" + name) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(page.find(escaped), std::string::npos) << name;
        ++options;
    }
    EXPECT_GT(options, 20);
}

ElectionEntry EntryFor(std::vector<std::string> args, OptionValues options = {}) {
    args.insert(args.begin(), {"--date", "2024-03-05"});
    if (std::find(args.begin(), args.end(), "--time") == args.end())
        args.insert(args.end(), {"--time", "10:00"});
    const auto entry = BuildElectionEntry(Parsed(args), options);
    if (auto* error = std::get_if<FieldError>(&entry)) ADD_FAILURE() << error->field;
    return std::get<ElectionEntry>(entry);
}

TEST(ChartCommandLine, TwentyFourHourTimeMapsToTheTwelveHourClock) {
    for (const auto& [time, hour, pm] : {std::tuple{"00:05", "12", false},
                                         {"11:59", "11", false},
                                         {"12:00", "12", true},
                                         {"13:30", "1", true},
                                         {"23:59", "11", true}}) {
        const auto e = EntryFor({"--time", time});
        EXPECT_EQ(std::tie(e.hour, e.pm), std::make_tuple(hour, pm)) << time;
    }
}

TEST(ChartCommandLine, PackedPlaceReadsDegreesAndMinutes) {
    const auto e = EntryFor({"--long", "12.3e", "--lat", "33.05S"});
    EXPECT_EQ(std::tie(e.long_deg, e.long_min, e.west), std::make_tuple("12", "30", false));
    EXPECT_EQ(std::tie(e.lat_deg, e.lat_min, e.south), std::make_tuple("33", "5", true));
    const auto whole = EntryFor({"--long", "74W"});
    EXPECT_EQ(std::tie(whole.long_deg, whole.long_min, whole.west),
              std::make_tuple("74", "0", true));
}

TEST(ChartCommandLine, HomeDataFillsWhatIsNotGiven) {
    OptionValues o{};
    o[kOptionHomeZone] = 5, o[kOptionHomeLongDeg] = 73, o[kOptionHomeLongMin] = 59;
    o[kOptionHomeLatDeg] = 40, o[kOptionHomeLatMin] = 42, o[kOptionHomeLatSouth] = -1;
    const auto e = EntryFor({}, o);
    EXPECT_EQ(std::tie(e.zone, e.long_deg, e.long_min, e.west, e.lat_deg, e.lat_min, e.south),
              std::make_tuple("5", "73", "59", true, "40", "42", true));

    // Found by the command-line fuzzer: a home longitude of -1e30 overflowed the int it was
    // rounded through, and a zone of 3e38 or 1e-45 overran the zone's 32-character buffer, so
    // the entry held bytes that were never written.
    const auto single = [](const std::string& text) {
        return static_cast<float>(std::strtod(text.c_str(), nullptr));
    };
    o[kOptionHomeZone] = 3e38f, o[kOptionHomeLongDeg] = -1e30f, o[kOptionHomeLongMin] = 59.5f;
    o[kOptionHomeLatDeg] = -0.0f, o[kOptionHomeLatMin] = 3e38f;
    const auto huge = EntryFor({}, o);
    EXPECT_EQ(single(huge.zone), 3e38f);
    EXPECT_EQ(single(huge.long_deg), -1e30f);
    EXPECT_EQ(huge.long_min, "60");
    EXPECT_EQ(huge.lat_deg, "0");
    EXPECT_EQ(single(huge.lat_min), 3e38f);
    o[kOptionHomeZone] = 1e-45f;
    EXPECT_EQ(single(EntryFor({}, o).zone), 1e-45f);
    // Such a place is refused by the election checks, never stored.
    EXPECT_FALSE(ValidateElectionData(huge, 'P').empty());
}

// What the command line cannot split into the entry's fields it refuses itself, naming the
// field; the rest reaches the election checks.
TEST(ChartCommandLine, RefusedElectionFieldsAreNamed) {
    const auto refused = [](const std::string& option, const std::string& value) {
        const std::vector<std::string> args = {"--date", "2024-03-05", "--time", "10:30",
                                               option,   value};  // the last value counts
        const auto entry = BuildElectionEntry(Parsed(args), {});
        if (const auto* error = std::get_if<FieldError>(&entry)) return error->field;
        std::set<std::string> fields;
        for (const auto& fault : ValidateElectionData(std::get<ElectionEntry>(entry), 'P'))
            fields.insert(fault.field);
        return fields.size() == 1 ? *fields.begin() : std::string("accepted");
    };
    for (const auto& [option, value, field] : {std::tuple{"--date", "2024/03/05", "date"},
                                               {"--time", "1000", "time"},
                                               {"--time", "24:00", "time"},
                                               {"--long", "12.345W", "longitude"},
                                               {"--long", "1e309W", "longitude"},
                                               {"--lat", "40.4E", "latitude"},
                                               {"--date", "2024-02-30", "date"}})
        EXPECT_EQ(refused(option, value), field) << option << " " << value;
}

TEST(ChartCommandLine, EventNameBecomesTheChartsEightBitText) {
    for (const auto& [utf8, latin1] : {
             std::pair{"Z\xc3\xbcrich", "Z\xfcrich"},             // UTF-8 ü is Latin-1 0xFC
             {"Sun \xe2\x98\x89 Moon", "Sun ? Moon"},             // beyond Latin-1
             {"caf\xe9", "caf\xe9"},                              // Latin-1 already
             {"\xc0\xaf \xed\xa0\x80", "\xc0\xaf \xed\xa0\x80"},  // overlong, surrogate
             {"\xe2\x98", "\xe2\x98"},                            // cut off
         })
        EXPECT_EQ(EntryFor({"--event", utf8}).event, latin1) << utf8;
    // And back to UTF-8 in what the command prints.
    ChartState chart;
    chart.CaptionLines[1] = "Z\xfcrich - election chart";
    EXPECT_NE(ChartTable(chart).find("Z\xc3\xbcrich - election chart\n"), std::string::npos);
    EXPECT_EQ(JsonString("Z\xfcrich\n"), "\"Z\xc3\xbcrich\\u000a\"");
}

}  // namespace
}  // namespace orvantis
