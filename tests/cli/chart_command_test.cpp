#include "cli/chart_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
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

// The texts a user may type or paste into any field: each is refused naming its field, or stored
// as the election window would store it.
const std::vector<std::string> kHostile = {
    "",
    " ",
    "   ",
    "abc",
    "12\r\n",
    "7\n8",
    "1234567890123456789012345678901234567890",
    "1e309",
    "-0",
    "nan",
    "inf",
    "-inf",
    "0x10",
    "+5",
    "\xc3\xa9",                  // é
    "\xef\xbc\x91\xef\xbc\x92",  // full-width 12
    "\xd9\xa3",                  // Arabic-Indic 3
};

// The election record the command below stores, and the same record with one field changed.
const std::vector<std::string> kGoodElection = {"--date", "2024-03-05", "--time",  "10:30",
                                                "--zone", "5",          "--long",  "74.00W",
                                                "--lat",  "40.43N",     "--event", "Test"};

auto Fields(const ElectionData& e) {
    return std::tie(e.ElectEvent, e.ElectMonth, e.ElectDay, e.ElectYear, e.ElectHour, e.ElectMinute,
                    e.ElectPM, e.ElectZone, e.ElectLongDeg, e.ElectLongMin, e.ElectWest,
                    e.ElectLatDeg, e.ElectLatMin, e.ElectSouth);
}

// What became of a command line: refused (with the fields named by its messages) or stored.
struct Outcome {
    std::set<std::string> refused_fields;
    std::optional<ElectionData> stored;
};

Outcome RunCommand(const std::vector<std::string>& args) {
    Outcome outcome;
    const auto parsed = ParseChartCommand(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        outcome.refused_fields.insert("usage: " + usage->message);
        return outcome;
    }
    const auto entry = BuildElectionEntry(std::get<ChartCommand>(parsed), OptionValues{});
    if (const auto* error = std::get_if<FieldError>(&entry)) {
        EXPECT_FALSE(error->detail.empty());
        outcome.refused_fields.insert(error->field);
        return outcome;
    }
    const auto& typed = std::get<ElectionEntry>(entry);
    for (const auto& fault : ValidateElectionData(typed, 'P'))
        outcome.refused_fields.insert(fault.field);
    RecordingNotifier messages;
    outcome.stored = StoreElectionData(typed, 'P', messages);
    EXPECT_EQ(outcome.stored.has_value(), outcome.refused_fields.empty());
    EXPECT_EQ(messages.problems.empty(), outcome.refused_fields.empty());
    return outcome;
}

TEST(ChartCommandLine, HostileTextInEveryElectionFieldIsRefusedOrStoredRight) {
    const auto good = RunCommand(kGoodElection);
    ASSERT_TRUE(good.stored.has_value());

    // Where the hostile text goes: an option and the part of its value it takes.
    struct Slot {
        const char* name;
        const char* option;
        std::function<std::string(const std::string&)> value;
        std::set<std::string> fields;  // the fields a refusal may name
    };
    const auto whole = [](const std::string& v) { return v; };
    const std::vector<Slot> slots = {
        {"date", "--date", whole, {"date"}},
        {"year", "--date", [](const std::string& v) { return v + "-03-05"; }, {"date"}},
        {"month", "--date", [](const std::string& v) { return "2024-" + v + "-05"; }, {"date"}},
        {"day", "--date", [](const std::string& v) { return "2024-03-" + v; }, {"date"}},
        {"time", "--time", whole, {"time"}},
        {"hour", "--time", [](const std::string& v) { return v + ":30"; }, {"time"}},
        {"minute", "--time", [](const std::string& v) { return "10:" + v; }, {"time"}},
        // An empty zone is refused with the blank hour and minute (the time group).
        {"zone", "--zone", whole, {"zone", "time"}},
        {"long", "--long", whole, {"longitude"}},
        {"long degrees", "--long", [](const std::string& v) { return v + ".30W"; }, {"longitude"}},
        {"long minutes",
         "--long",
         [](const std::string& v) { return "74." + v + "W"; },
         {"longitude"}},
        {"lat", "--lat", whole, {"latitude"}},
        {"lat degrees", "--lat", [](const std::string& v) { return v + ".43N"; }, {"latitude"}},
        {"lat minutes",
         "--lat",
         [](const std::string& v) { return "40." + v + "N"; },
         {"latitude"}},
        {"event", "--event", whole, {}},
    };
    // The few that are stored, and how: the change they make to the good record.
    using Change = std::function<void(ElectionData&, const std::string&)>;
    const std::map<std::pair<std::string, std::string>, Change> stored = {
        {{"zone", "-0"}, [](ElectionData& e, const std::string&) { e.ElectZone = 0; }},
        // "74.W" is 74 degrees and no minutes.
        {{"long minutes", ""}, [](ElectionData& e, const std::string&) { e.ElectLongMin = 0; }},
        {{"lat minutes", ""}, [](ElectionData& e, const std::string&) { e.ElectLatMin = 0; }},
    };

    for (const Slot& slot : slots) {
        for (const std::string& v : kHostile) {
            std::vector<std::string> args = kGoodElection;
            for (std::size_t i = 0; i + 1 < args.size(); i += 2)
                if (args[i] == slot.option) args[i + 1] = slot.value(v);
            const std::string which = std::string(slot.name) + " '" + v + "'";
            const Outcome outcome = RunCommand(args);

            ElectionData expected = *good.stored;
            bool accepted = false;
            if (std::string(slot.name) == "event") {
                // The event name is free text, kept as given in the charts' 8-bit text.
                const std::map<std::string, std::string> eight_bit = {
                    {"\xc3\xa9", "\xe9"}, {"\xef\xbc\x91\xef\xbc\x92", "??"}, {"\xd9\xa3", "?"}};
                const auto converted = eight_bit.find(v);
                expected.ElectEvent = converted == eight_bit.end() ? v : converted->second;
                accepted = true;
            } else if (const auto change = stored.find({slot.name, v}); change != stored.end()) {
                change->second(expected, v);
                accepted = true;
            }
            if (accepted) {
                ASSERT_TRUE(outcome.stored.has_value()) << which;
                EXPECT_EQ(Fields(*outcome.stored), Fields(expected)) << which;
                EXPECT_FALSE(std::signbit(outcome.stored->ElectZone)) << which;
            } else {
                EXPECT_FALSE(outcome.stored.has_value()) << which;
                ASSERT_FALSE(outcome.refused_fields.empty()) << which;
                for (const std::string& field : outcome.refused_fields)
                    EXPECT_TRUE(slot.fields.count(field)) << which << " refused as " << field;
            }
        }
    }
}

TEST(ChartCommandLine, HostileTextInTheOtherOptionsIsRefusedWithItsMessage) {
    for (const char* option : {"--house", "--zodiac", "--node", "--size", "--layout"}) {
        for (const std::string& v : kHostile) {
            const auto parsed = ParseChartCommand({option, v});
            const auto* usage = std::get_if<UsageError>(&parsed);
            ASSERT_NE(usage, nullptr) << option << " '" << v << "'";
            EXPECT_EQ(usage->message.rfind(option, 0), 0u) << usage->message;
        }
    }
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
