#include "cli/chart_command.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvantis {
namespace {

ChartCommand Parsed(std::vector<std::string> args) {
    auto result = ParseChartCommand(args);
    if (auto* error = std::get_if<UsageError>(&result)) ADD_FAILURE() << error->message;
    return std::get<ChartCommand>(result);
}

bool Refused(std::vector<std::string> args) {
    return std::holds_alternative<UsageError>(ParseChartCommand(args));
}

TEST(ChartCommandLine, ReadsEveryOption) {
    const auto c =
        Parsed({"--date",   "2000-01-01", "--time", "12:00",   "--zone",   "0",          "--long",
                "0.00W",    "--lat",      "51.29N", "--event", "Test",     "--house",    "K",
                "--zodiac", "2",          "--node", "1",       "--json",   "--data-dir", "/tmp",
                "--png",    "w.png",      "--size", "640x480", "--layout", "european"});
    EXPECT_EQ(*c.date, "2000-01-01");
    EXPECT_EQ(*c.house, 'K');
    EXPECT_EQ(*c.zodiac, 2);
    EXPECT_EQ(*c.node, 1);
    EXPECT_TRUE(c.json);
    EXPECT_EQ(c.data_dir, "/tmp");
    EXPECT_EQ(c.png_width, 640);
    EXPECT_EQ(c.png_height, 480);
    EXPECT_EQ(*c.layout, 1);
}

TEST(ChartCommandLine, RefusesWhatCannotRun) {
    EXPECT_TRUE(Refused({"--date", "2000-01-01"}));  // time missing
    EXPECT_TRUE(Refused({"--time", "12:00"}));       // date missing
    EXPECT_TRUE(Refused({"--zone", "5"}));           // place without a moment
    EXPECT_TRUE(Refused({"--house", "X"}));
    EXPECT_TRUE(Refused({"--house", "PP"}));
    EXPECT_TRUE(Refused({"--zodiac", "3"}));
    EXPECT_TRUE(Refused({"--node", "-1"}));
    EXPECT_TRUE(Refused({"--size", "10x10"}));
    EXPECT_TRUE(Refused({"--size", "800"}));
    EXPECT_TRUE(Refused({"--layout", "french"}));
    EXPECT_TRUE(Refused({"--json", "--bogus"}));
    EXPECT_TRUE(Refused({"--date"}));           // value missing
    EXPECT_TRUE(Refused({"--orbs", "X.ORB"}));  // orbs without aspects
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

TEST(ChartCommandLine, MalformedFieldsAreNamed) {
    const auto field = [](std::vector<std::string> args) {
        const auto entry = BuildElectionEntry(Parsed(args), {});
        const auto* error = std::get_if<FieldError>(&entry);
        return error ? error->field : std::string("accepted");
    };
    EXPECT_EQ(field({"--date", "2024/03/05", "--time", "10:00"}), "date");
    EXPECT_EQ(field({"--date", "2024-03-05", "--time", "1000"}), "time");
    EXPECT_EQ(field({"--date", "2024-03-05", "--time", "24:00"}), "time");
    EXPECT_EQ(field({"--date", "2024-03-05", "--time", "10:00", "--long", "12.3"}), "longitude");
    EXPECT_EQ(field({"--date", "2024-03-05", "--time", "10:00", "--long", "12.345W"}), "longitude");
    EXPECT_EQ(field({"--date", "2024-03-05", "--time", "10:00", "--lat", "x.10N"}), "latitude");
    EXPECT_EQ(field({"--date", "2024-03-05", "--time", "10:00", "--lat", "40.4E"}), "latitude");
}

}  // namespace
}  // namespace orvantis
