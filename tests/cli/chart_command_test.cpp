#include "cli/chart_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <tuple>

#include "cli/chart_report.h"
#include "recording_notifier.h"

namespace orvantis {
namespace {

ChartCommand Parsed(std::vector<std::string> args) {
    auto result = ParseChartCommand(args);
    if (auto* error = std::get_if<UsageError>(&result)) ADD_FAILURE() << error->message;
    return std::get<ChartCommand>(result);
}

TEST(ChartCommandLine, ReadsEveryOptionWithItsValueAfterASpaceOrAnEqualsSign) {
    for (const bool joined : {false, true}) {
        std::vector<std::string> args;
        for (const auto& [option, value] :
             std::vector<std::pair<std::string, std::string>>{{"--date", "2000-01-01"},
                                                              {"--time", "12:00"},
                                                              {"--zone", "-1"},
                                                              {"--long", "0.00W"},
                                                              {"--lat", "51.29N"},
                                                              {"--event", "Test"},
                                                              {"--house", "K"},
                                                              {"--zodiac", "2"},
                                                              {"--node", "1"},
                                                              {"--data-dir", "/tmp"},
                                                              {"--png", "w.png"},
                                                              {"--size", "640x480"},
                                                              {"--layout", "european"},
                                                              {"--orbs", "X.ORB"},
                                                              {"--pdf", "p.pdf"},
                                                              {"--page", "half"},
                                                              {"--paper", "letter"}}) {
            if (joined)
                args.push_back(option + "=" + value);
            else
                args.insert(args.end(), {option, value});
        }
        args.insert(args.end(), {"--json", "--aspects"});
        const auto c = Parsed(args);
        EXPECT_EQ(std::tie(*c.date, *c.time, *c.zone, *c.longitude, *c.latitude, *c.event,
                           c.data_dir, *c.png, *c.orbs, *c.pdf),
                  std::make_tuple("2000-01-01", "12:00", "-1", "0.00W", "51.29N", "Test", "/tmp",
                                  "w.png", "X.ORB", "p.pdf"));
        EXPECT_EQ(std::tie(*c.house, *c.zodiac, *c.node, c.png_width, c.png_height, *c.layout),
                  std::make_tuple('K', 2, 1, 640, 480, 1));
        EXPECT_TRUE(c.json && c.aspects && !c.help && !c.version);
        EXPECT_TRUE(c.page == PrintedPage::kHalf && c.paper == Paper::kLetter);
    }
    EXPECT_TRUE(Parsed({"-h"}).help && Parsed({"--help"}).help);
    EXPECT_TRUE(Parsed({"-v"}).version && Parsed({"--version"}).version);
    EXPECT_EQ(*Parsed({"--node", "0", "--node=1"}).node, 1);  // the last one counts
}

TEST(ChartCommandLine, RefusesWhatCannotRunWithItsMessage) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--date", "2000-01-01"}, "--date and --time go together"},
        {{"--time", "12:00"}, "--date and --time go together"},
        {{"--zone", "5"}, "--zone, --long, --lat and --event describe an election chart"},
        {{"--orbs", "X.ORB"}, "--orbs goes with --aspects or --pdf"},
        {{"--house", "PP"}, "--house takes one of P R K C O E M I"},
        {{"--zodiac", "3"}, "--zodiac takes 0, 1 or 2"},
        {{"--node=-1"}, "--node takes 0 or 1"},
        {{"--size", "10x10"}, "--size takes WIDTHxHEIGHT, each 16 to 8192"},
        {{"--layout", "French"}, "--layout takes american or european"},
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
}

TEST(ChartCommandLine, HelpListsEveryOption) {
    const std::string help = ChartCommandUsage();
    for (const char* option : {"--date YYYY-MM-DD", "--json", "--data-dir DIR", "-h, --help",
                               "-v, --version", "Exit status"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    EXPECT_EQ(ChartCommandVersion().rfind("orvantis-chart 2.", 0), 0u);
}

// The manual page is written by hand: every option of the help text must be in it.
TEST(ChartCommandLine, ManualPageDescribesEveryOption) {
    std::ifstream in(ORVANTIS_DATA_DIR "/../desktop/orvantis-chart.1");
    const std::string page(std::istreambuf_iterator<char>(in), {});
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
    const auto entry = BuildElectionEntry(Parsed(args), options);
    if (auto* error = std::get_if<FieldError>(&entry)) ADD_FAILURE() << error->field;
    return std::get<ElectionEntry>(entry);
}

TEST(ChartCommandLine, TwentyFourHourTimeMapsToTheTwelveHourClock) {
    struct Case {
        const char* time;
        const char* hour;
        bool pm;
    };
    for (const Case c :
         {Case{"00:05", "12", false}, Case{"11:59", "11", false}, Case{"12:00", "12", true},
          Case{"13:30", "1", true}, Case{"23:59", "11", true}}) {
        const auto e = EntryFor({"--date", "2024-03-05", "--time", c.time});
        EXPECT_EQ(e.hour, c.hour) << c.time;
        EXPECT_EQ(e.pm, c.pm) << c.time;
    }
}

TEST(ChartCommandLine, PackedPlaceReadsDegreesAndMinutes) {
    auto e =
        EntryFor({"--date", "2024-03-05", "--time", "10:00", "--long", "12.3e", "--lat", "33.05S"});
    EXPECT_EQ(e.long_deg, "12");
    EXPECT_EQ(e.long_min, "30");
    EXPECT_FALSE(e.west);
    EXPECT_EQ(e.lat_deg, "33");
    EXPECT_EQ(e.lat_min, "5");
    EXPECT_TRUE(e.south);

    e = EntryFor({"--date", "2024-03-05", "--time", "10:00", "--long", "74W"});
    EXPECT_EQ(e.long_deg, "74");
    EXPECT_EQ(e.long_min, "0");
    EXPECT_TRUE(e.west);
}

TEST(ChartCommandLine, HomeDataFillsWhatIsNotGiven) {
    OptionValues o{};
    o[18] = 5, o[19] = 73, o[20] = 59, o[21] = 0, o[22] = 40, o[23] = 42, o[24] = -1;
    const auto e = EntryFor({"--date", "2024-03-05", "--time", "10:00"}, o);
    EXPECT_EQ(e.zone, "5");
    EXPECT_EQ(e.long_deg, "73");
    EXPECT_EQ(e.long_min, "59");
    EXPECT_TRUE(e.west);
    EXPECT_EQ(e.lat_min, "42");
    EXPECT_TRUE(e.south);
}

TEST(ChartCommandLine, HomeDataOfAnySizeIsWrittenWhole) {
    // Found by the command-line fuzzer: a home longitude of -1e30 overflowed the int it was
    // rounded through, and a zone of 3e38 or 1e-45 overran the zone's 32-character buffer, so
    // the entry held bytes that were never written.
    const auto single = [](const std::string& text) {
        return static_cast<float>(std::strtod(text.c_str(), nullptr));
    };
    OptionValues o{};
    o[18] = 3e38f, o[19] = -1e30f, o[20] = 59.5f, o[22] = -0.0f, o[23] = 3e38f;
    auto e = EntryFor({"--date", "2024-03-05", "--time", "10:00"}, o);
    EXPECT_EQ(single(e.zone), 3e38f);
    EXPECT_EQ(single(e.long_deg), -1e30f);
    EXPECT_EQ(e.long_min, "60");
    EXPECT_EQ(e.lat_deg, "0");
    EXPECT_EQ(single(e.lat_min), 3e38f);
    o[18] = 1e-45f;
    e = EntryFor({"--date", "2024-03-05", "--time", "10:00"}, o);
    EXPECT_EQ(single(e.zone), 1e-45f);
    // Such a place is refused by the election checks, never stored.
    EXPECT_FALSE(ValidateElectionData(e, 'P').empty());
}

// Malformed fields are refused by the command line itself; the election checks have their own
// tests with hostile text in every field, and one case per field shows the command reaches them.
TEST(ChartCommandLine, RefusedElectionFieldsAreNamed) {
    const std::vector<std::string> good = {"--date", "2024-03-05", "--time", "10:30", "--zone",
                                           "5",      "--long",     "74.00W", "--lat", "40.43N"};
    const auto refused = [&](const std::string& option, const std::string& value) {
        std::vector<std::string> args = good;
        args.insert(args.end(), {option, value});  // the last value counts
        const auto entry = BuildElectionEntry(Parsed(args), {});
        if (const auto* error = std::get_if<FieldError>(&entry)) return error->field;
        std::set<std::string> fields;
        for (const auto& fault : ValidateElectionData(std::get<ElectionEntry>(entry), 'P'))
            fields.insert(fault.field);
        return fields.size() == 1 ? *fields.begin() : std::string("accepted");
    };
    EXPECT_EQ(refused("--date", "2024/03/05"), "date");
    EXPECT_EQ(refused("--time", "1000"), "time");
    EXPECT_EQ(refused("--time", "24:00"), "time");
    EXPECT_EQ(refused("--long", "12.3"), "longitude");
    EXPECT_EQ(refused("--long", "12.345W"), "longitude");
    EXPECT_EQ(refused("--lat", "x.10N"), "latitude");
    EXPECT_EQ(refused("--lat", "40.4E"), "latitude");
    EXPECT_EQ(refused("--date", "2024-02-30"), "date");
    EXPECT_EQ(refused("--date", "2024-\xd9\xa3-05"), "date");  // Arabic-Indic 3
    EXPECT_EQ(refused("--time", "10:60"), "time");
    EXPECT_EQ(refused("--zone", "nan"), "zone");
    EXPECT_EQ(refused("--long", "1e309W"), "longitude");
    EXPECT_EQ(refused("--lat", "40.60N"), "latitude");
}

TEST(ChartCommandLine, EventNameBecomesTheChartsEightBitText) {
    const auto event = [](const std::string& name) {
        return EntryFor({"--date", "2024-03-05", "--time", "10:00", "--event", name}).event;
    };
    EXPECT_EQ(event("Z\xc3\xbcrich"), "Z\xfcrich");                      // UTF-8 ü is Latin-1 0xFC
    EXPECT_EQ(event("Sun \xe2\x98\x89 Moon"), "Sun ? Moon");             // beyond Latin-1
    EXPECT_EQ(event("caf\xe9"), "caf\xe9");                              // Latin-1 already
    EXPECT_EQ(event("\xc0\xaf \xed\xa0\x80"), "\xc0\xaf \xed\xa0\x80");  // overlong, surrogate
    EXPECT_EQ(event("\xe2\x98"), "\xe2\x98");                            // cut off
    // And back to UTF-8 in what the command prints.
    ChartState chart;
    chart.CaptionLines[1] = "Z\xfcrich - election chart";
    EXPECT_NE(ChartTable(chart).find("Z\xc3\xbcrich - election chart\n"), std::string::npos);
    EXPECT_EQ(JsonString("Z\xfcrich\n"), "\"Z\xc3\xbcrich\\u000a\"");
}

}  // namespace
}  // namespace orvantis
