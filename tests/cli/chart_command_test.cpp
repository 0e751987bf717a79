// The command line of orvantis-chart: its options, its refusals, and the election entry it
// builds for the election checks (which have their own tests with hostile text in every field).
#include "cli/chart_command.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

#include "chart/chart_driver.h"
#include "cli/chart_frames.h"
#include "cli/chart_report.h"
#include "recording_notifier.h"
#include "settings/option_lines.h"

namespace orvantis {
namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

ChartCommand Parsed(const std::string& args) {
    auto result = ParseChartCommand(Words(args));
    if (auto* error = std::get_if<UsageError>(&result)) ADD_FAILURE() << error->message;
    return std::get<ChartCommand>(result);
}

// The runs of the program read the other options; these it reads without showing them.
TEST(ChartCommandLine, ReadsOptionsWithTheirValues) {
    const auto c = Parsed(
        "--date 2000-01-01 --time 12:00 --event Test --zodiac=2 --node 0 --node=1 --pdf p.pdf "
        "--page half");
    EXPECT_EQ(std::tie(*c.time, *c.event, *c.zodiac, *c.node, *c.page),
              std::make_tuple("12:00", "Test", 2, 1, PrintedPage::kHalf));
    EXPECT_TRUE(Parsed("-h").help && Parsed("--help").help && !c.help && !c.version);
    EXPECT_TRUE(Parsed("-v").version && Parsed("--version").version);
}

TEST(ChartCommandLine, RefusesWhatCannotRunWithItsMessage) {
    const std::pair<const char*, std::string> cases[] = {
        {"--date 2000-01-01", "--date and --time go together"},
        {"--zone 5", "--zone, --long, --lat and --event describe an election chart"},
        {"--orbs X.ORB", "--orbs goes with --aspects or --pdf"},
        {"--house PP", "--house takes one of P R K C O E M I"},
        {"--zodiac 3", "--zodiac takes 0, 1 or 2"},
        {"--size 10x10", "--size takes WIDTHxHEIGHT, each 16 to 8192"},
        {"--layout French", "--layout takes american or european"},
        {"--tz 5", "--tz takes a time zone name"},
        {"--pdf p.pdf --paper A5", "--paper takes a4 or letter"},
        {"--paper a4", "--page and --paper go with --pdf"},
        {"now", "Unexpected argument 'now'."},
        {"--frames 3", "--frames writes PNG images"},
        {"--frames 3 --png f%d%d.png", "--png with --frames takes a pattern"},
        {"--frames 3 --png f%s.png", "--png with --frames takes a pattern"},
        {"--frames 3 --step 1w --png f%d.png", "--step takes a whole number"},
        {"--step 1h", "--step goes with --frames"},
    };
    for (const auto& [args, message] : cases) {
        const auto parsed = ParseChartCommand(Words(args));
        const auto* usage = std::get_if<UsageError>(&parsed);
        ASSERT_NE(usage, nullptr) << args;
        EXPECT_EQ(usage->message.substr(0, message.size()), message);
    }
    EXPECT_TRUE(
        std::holds_alternative<ChartCommand>(ParseChartCommand(Words("--orbs X.ORB --pdf p.pdf"))));
}

// The election entry of a command line on 5 March 2024 at 10:00 (a later value counts).
std::variant<ElectionEntry, FieldError> Built(const std::string& args, const OptionValues& home) {
    return BuildElectionEntry(Parsed("--date 2024-03-05 --time 10:00 " + args), home);
}

// The entry's hour and place ("1pm 12.30E 33.5S z0"), or the one field refused: by the command
// line, which cannot split it into the entry's fields, or by the election checks.
std::string Entry(const std::string& args, const OptionValues& home = {}) {
    const auto built = Built(args, home);
    if (const auto* error = std::get_if<FieldError>(&built)) return error->field;
    const ElectionEntry& e = std::get<ElectionEntry>(built);
    std::set<std::string> fields;
    for (const auto& fault : ValidateElectionData(e, 'P')) fields.insert(fault.field);
    if (!fields.empty()) return fields.size() == 1 ? *fields.begin() : "several fields";
    return e.hour + (e.pm ? "pm " : "am ") + e.long_deg + "." + e.long_min +
           (e.west ? "W " : "E ") + e.lat_deg + "." + e.lat_min + (e.south ? "S z" : "N z") +
           e.zone;
}

TEST(ChartCommandLine, ElectionEntryOnTheTwelveHourClockWithItsPlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"--time 00:05", "12am 0.0W 0.0N z0"},
        {"--time 11:59", "11am 0.0W 0.0N z0"},
        {"--time 12:00", "12pm 0.0W 0.0N z0"},
        {"--time 13:30", "1pm 0.0W 0.0N z0"},
        {"--time 23:59 --zone -3.5 --long 51.3e", "11pm 51.30E 0.0N z-3.5"},
        {"--long 12.3e --lat 33.05S", "10am 12.30E 33.5S z0"},
        {"--long 74W --lat 51.29N", "10am 74.0W 51.29N z0"},
        {"--date 2024/03/05", "date"},
        {"--date 2024-02-30", "date"},
        {"--time 1000", "time"},
        {"--time 24:00", "time"},
        {"--long 12.345W", "longitude"},
        {"--long 1e309W", "longitude"},
        {"--lat 40.4E", "latitude"},
    };
    for (const auto& [args, entry] : cases) EXPECT_EQ(Entry(args), entry) << args;
}

TEST(ChartCommandLine, HomeDataFillsWhatIsNotGiven) {
    OptionValues o{};
    o[kOptionHomeZone] = 5, o[kOptionHomeLongDeg] = 73, o[kOptionHomeLongMin] = 59;
    o[kOptionHomeLatDeg] = 40, o[kOptionHomeLatMin] = 42, o[kOptionHomeLatSouth] = -1;
    EXPECT_EQ(Entry("", o), "10am 73.59W 40.42S z5");

    // Found by the command-line fuzzer: a home longitude of -1e30 overflowed the int it was
    // rounded through, and a zone of 3e38 or 1e-45 overran the zone's 32-character buffer, so
    // the entry held bytes that were never written.
    const auto single = [](const std::string& text) {
        return static_cast<float>(std::strtod(text.c_str(), nullptr));
    };
    o[kOptionHomeZone] = 3e38f, o[kOptionHomeLongDeg] = -1e30f, o[kOptionHomeLongMin] = 59.5f;
    o[kOptionHomeLatDeg] = -0.0f, o[kOptionHomeLatMin] = 3e38f;
    const auto huge = std::get<ElectionEntry>(Built("", o));
    EXPECT_FALSE(ValidateElectionData(huge, 'P').empty());  // refused, never stored
    EXPECT_EQ(std::tuple(single(huge.zone), single(huge.long_deg), huge.long_min, huge.lat_deg,
                         single(huge.lat_min)),
              std::tuple(3e38f, -1e30f, "60", "0", 3e38f));
    o[kOptionHomeZone] = 1e-45f;
    EXPECT_EQ(single(std::get<ElectionEntry>(Built("", o)).zone), 1e-45f);
}

// Frame names come from the pattern without printf; steps read a count and a unit; the record of
// a computed chart gives back the moment, place and zone it was computed from.
TEST(ChartFrames, NamesStepsAndTheChartsOwnRecord) {
    EXPECT_EQ(FramePath("f%04d.png", 7), "f0007.png");
    EXPECT_EQ(FramePath("100%%-%d.png", 12345), "100%-12345.png");
    const std::pair<const char*, std::optional<std::pair<TravelUnit, int>>> steps[] = {
        {"15min", {{TravelUnit::kMinute, 15}}},
        {"-1d", {{TravelUnit::kDay, -1}}},
        {"2mo", {{TravelUnit::kMonth, 2}}},
        {"1y", {{TravelUnit::kYear, 1}}},
        {"0h", {}},
        {"1 h", {}},
        {"h", {}},
        {"201y", {}},
        {"1hh", {}},
    };
    for (const auto& [text, want] : steps) {
        const auto got = ParseFrameStep(text);
        EXPECT_EQ(got ? std::optional(std::pair(got->unit, got->count)) : std::nullopt, want)
            << text;
    }
    RecordingNotifier quiet;
    ElectionData e;
    e.ElectEvent = "Launch", e.ElectYear = 2031, e.ElectMonth = 3, e.ElectDay = 14;
    e.ElectHour = 9, e.ElectMinute = 59, e.ElectPM = 1, e.ElectZone = -1;
    e.ElectLongDeg = 13, e.ElectLongMin = 59, e.ElectWest = 0, e.ElectLatDeg = 33;
    e.ElectLatMin = 1, e.ElectSouth = 1, e.ElectZoneName = "Europe/Berlin";
    ChartState chart;
    ASSERT_TRUE(ComputeChart(chart, e, {}, {'P', false, {}, 0, 0, ""}, quiet));
    const ElectionData back = ElectionOfChart(chart);
    EXPECT_EQ(std::tie(back.ElectEvent, back.ElectYear, back.ElectMonth, back.ElectDay,
                       back.ElectHour, back.ElectMinute, back.ElectPM, back.ElectZone,
                       back.ElectZoneName, back.ElectLongDeg, back.ElectLongMin, back.ElectWest,
                       back.ElectLatDeg, back.ElectLatMin, back.ElectSouth),
              std::tie(e.ElectEvent, e.ElectYear, e.ElectMonth, e.ElectDay, e.ElectHour,
                       e.ElectMinute, e.ElectPM, e.ElectZone, e.ElectZoneName, e.ElectLongDeg,
                       e.ElectLongMin, e.ElectWest, e.ElectLatDeg, e.ElectLatMin, e.ElectSouth));
}

}  // namespace
}  // namespace orvantis
