#include "chart/election_validation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "recording_notifier.h"

namespace orvantis {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

ElectionEntry Good() {
    ElectionEntry e;
    e.event = "Opening";
    e.month = "3", e.day = "5", e.year = "2024";
    e.hour = "9", e.minute = "15", e.zone = "5";
    e.long_deg = "73", e.long_min = "59", e.lat_deg = "40", e.lat_min = "42";
    e.west = true;
    return e;
}

std::vector<int> Groups(const ElectionEntry& e, char house = 'P') {
    std::vector<int> groups;
    for (const auto& f : ValidateElectionData(e, house)) groups.push_back(f.group);
    return groups;
}

using Field = std::string ElectionEntry::*;
constexpr Field kEvent = &ElectionEntry::event, kMonth = &ElectionEntry::month,
                kDay = &ElectionEntry::day, kYear = &ElectionEntry::year,
                kHour = &ElectionEntry::hour, kMinute = &ElectionEntry::minute,
                kZone = &ElectionEntry::zone, kLongDeg = &ElectionEntry::long_deg,
                kLongMin = &ElectionEntry::long_min, kLatDeg = &ElectionEntry::lat_deg,
                kLatMin = &ElectionEntry::lat_min;

// Each field at its bounds is accepted, one step beyond them refused by its group; a day that
// does not exist (Gregorian from 15 October 1582) by the thirteenth.
TEST(ElectionValidation, EachFieldIsRefusedByItsGroupBeyondItsBounds) {
    struct Case {
        std::vector<std::pair<Field, const char*>> set;
        std::vector<int> groups;
        bool east = false;
        char house = 'P';
    };
    const Case cases[] = {
        {{}, {}},
        {{{kMonth, "12"}, {kDay, "31"}, {kYear, "2099"}, {kHour, "12"}, {kMinute, "59"}}, {}},
        {{{kLongDeg, "180"}, {kLongMin, "59"}, {kLatDeg, "66"}, {kLatMin, "0"}}, {}},
        {{{kZone, "-2"}}, {}},  // the lowest zone with a west longitude
        {{{kZone, "-13"}}, {}, true},
        {{{kEvent, ""}}, {}},
        {{{kMonth, "13"}}, {8}},
        {{{kDay, "32"}}, {8}},
        {{{kYear, "2100"}}, {8}},
        {{{kMinute, "60"}}, {9}},
        {{{kZone, "13"}}, {10}},
        {{{kZone, "-14"}}, {10}, true},
        {{{kZone, "-3"}}, {6}},
        {{{kLongDeg, "181"}}, {11}},
        {{{kLongMin, "60"}}, {11}},
        {{{kLatMin, "60"}}, {12}},
        {{{kLatDeg, "66"}, {kLatMin, "1"}}, {7}},
        {{{kDay, "0"}}, {1}},
        {{{kMonth, ""}}, {1, 2}},
        {{{kZone, ""}}, {3}},
        {{{kZone, " "}}, {3}},
        {{{kMonth, "2"}, {kDay, "30"}}, {13}},
        {{{kMonth, "2"}, {kDay, "29"}, {kYear, "2023"}}, {13}},
        {{{kMonth, "2"}, {kDay, "29"}}, {}},
        {{{kMonth, "2"}, {kDay, "29"}, {kYear, "1900"}}, {13}},
        {{{kMonth, "4"}, {kDay, "31"}}, {13}},
        {{{kMonth, "10"}, {kDay, "4"}, {kYear, "1582"}}, {}},
        {{{kMonth, "10"}, {kDay, "5"}, {kYear, "1582"}}, {13}},
        {{{kMonth, "10"}, {kDay, "14"}, {kYear, "1582"}}, {13}},
        {{{kMonth, "10"}, {kDay, "15"}, {kYear, "1582"}}, {}},
        // Above 66°00' only Meridian and Morinus cast houses; at the pole none does, beyond it
        // is no place.
        {{{kLatDeg, "67"}}, {7}},
        {{{kLatDeg, "67"}}, {}, false, 'M'},
        {{{kLatDeg, "89"}, {kLatMin, "59"}}, {}, false, 'I'},
        {{{kLatDeg, "90"}, {kLatMin, "0"}}, {7}, false, 'M'},
        {{{kLatDeg, "90"}, {kLatMin, "0"}}, {7}, false, 'I'},
        {{{kLatDeg, "90"}, {kLatMin, "1"}}, {7, 12}, false, 'M'},
        {{{kLatDeg, "91"}}, {7, 12}},
        {{{kLatDeg, "91"}}, {7, 12}, false, 'I'},
    };
    for (const Case& c : cases) {
        auto e = Good();
        e.west = !c.east;
        std::string trace;
        for (const auto& [field, text] : c.set) e.*field = text, trace += std::string(text) + " ";
        EXPECT_EQ(Groups(e, c.house), c.groups) << trace << c.house;
    }
}

// Hostile text in any field, and blank or signed text in a whole-number field, is refused with
// a message and never stored as some other number.
TEST(ElectionValidation, HostileTextIsRefusedNeverStoredWrong) {
    const char* const hostile[] = {
        "abc",  "1e309",    "nan",     "inf",
        "-inf", "1 2",      "12\r\n3", "99999999999999999999999999999999999999999",
        "--",   "\xc3\xa9", "0x10",    "+5",
        "",     " ",        "\t",      "-0",
        "-5"};
    for (const char* text : hostile) {
        for (std::string ElectionEntry::*field :
             {&ElectionEntry::month, &ElectionEntry::day, &ElectionEntry::year,
              &ElectionEntry::hour, &ElectionEntry::minute, &ElectionEntry::zone,
              &ElectionEntry::long_deg, &ElectionEntry::long_min, &ElectionEntry::lat_deg,
              &ElectionEntry::lat_min}) {
            // A zone of -0 is the one harmless case (-5 is refused with a west longitude).
            const bool signed_zone =
                field == &ElectionEntry::zone && std::string_view(text) == "-0";
            auto e = Good();
            e.*field = text;
            RecordingNotifier n;
            EXPECT_EQ(StoreElectionData(e, 'P', n).has_value(), signed_zone) << "'" << text << "'";
            EXPECT_EQ(n.problems.empty(), signed_zone) << "'" << text << "'";
        }
    }
}

// Blanks around a number are harmless; the zone alone takes a sign. A refusal says why.
TEST(ElectionValidation, StoredRecordCarriesEveryField) {
    auto e = Good();
    e.pm = true, e.west = false, e.south = true, e.zone = "-5.5", e.day = " 5 ";
    RecordingNotifier n;
    const auto d = StoreElectionData(e, 'P', n);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->ElectEvent, "Opening");
    EXPECT_EQ(std::tie(d->ElectYear, d->ElectDay, d->ElectHour, d->ElectPM, d->ElectWest,
                       d->ElectSouth, d->ElectLongMin),
              std::make_tuple(2024, 5, 9, 1, 0, 1, 59));
    EXPECT_EQ(d->ElectZone, -5.5f);
    e.lat_deg = "67";
    EXPECT_FALSE(StoreElectionData(e, 'K', n).has_value());
    EXPECT_THAT(n.Texts(), ElementsAre(::testing::HasSubstr("latitude is too high")));
}

}  // namespace
}  // namespace orvantis
