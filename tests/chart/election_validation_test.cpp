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

using E = ElectionEntry;

// Each field at its bounds is accepted, one step beyond them refused by its group; a day that
// does not exist (Gregorian from 15 October 1582) by the thirteenth.
TEST(ElectionValidation, EachFieldIsRefusedByItsGroupBeyondItsBounds) {
    struct Case {
        std::vector<std::pair<std::string E::*, const char*>> set;
        std::vector<int> groups;
        bool east = false;
        char house = 'P';
    };
    const Case cases[] = {
        {{}, {}},
        {{{&E::month, "12"}, {&E::day, "31"}, {&E::year, "2099"}}, {}},
        {{{&E::hour, "12"}, {&E::minute, "59"}}, {}},
        {{{&E::long_deg, "180"}, {&E::long_min, "59"}}, {}},
        {{{&E::lat_deg, "66"}, {&E::lat_min, "0"}}, {}},
        {{{&E::zone, "-2"}}, {}},  // the lowest zone with a west longitude
        {{{&E::zone, "-13"}}, {}, true},
        {{{&E::event, ""}}, {}},
        {{{&E::month, "13"}}, {8}},
        {{{&E::day, "32"}}, {8}},
        {{{&E::year, "2100"}}, {8}},
        {{{&E::minute, "60"}}, {9}},
        {{{&E::zone, "13"}}, {10}},
        {{{&E::zone, "-14"}}, {10}, true},
        {{{&E::zone, "-3"}}, {6}},
        {{{&E::long_deg, "181"}}, {11}},
        {{{&E::long_min, "60"}}, {11}},
        {{{&E::lat_min, "60"}}, {12}},
        {{{&E::lat_deg, "66"}, {&E::lat_min, "1"}}, {7}},
        {{{&E::day, "0"}}, {1}},
        {{{&E::month, ""}}, {1, 2}},
        {{{&E::zone, ""}}, {3}},
        {{{&E::zone, " "}}, {3}},
        {{{&E::month, "2"}, {&E::day, "30"}}, {13}},
        {{{&E::month, "2"}, {&E::day, "29"}, {&E::year, "2023"}}, {13}},
        {{{&E::month, "2"}, {&E::day, "29"}}, {}},
        {{{&E::month, "2"}, {&E::day, "29"}, {&E::year, "1900"}}, {13}},
        {{{&E::month, "4"}, {&E::day, "31"}}, {13}},
        {{{&E::month, "10"}, {&E::day, "4"}, {&E::year, "1582"}}, {}},
        {{{&E::month, "10"}, {&E::day, "5"}, {&E::year, "1582"}}, {13}},
        {{{&E::month, "10"}, {&E::day, "14"}, {&E::year, "1582"}}, {13}},
        {{{&E::month, "10"}, {&E::day, "15"}, {&E::year, "1582"}}, {}},
        // Above 66°00' only Meridian and Morinus cast houses; at the pole none does, beyond it
        // is no place.
        {{{&E::lat_deg, "67"}}, {7}},
        {{{&E::lat_deg, "67"}}, {}, false, 'M'},
        {{{&E::lat_deg, "89"}, {&E::lat_min, "59"}}, {}, false, 'I'},
        {{{&E::lat_deg, "90"}, {&E::lat_min, "0"}}, {7}, false, 'M'},
        {{{&E::lat_deg, "90"}, {&E::lat_min, "0"}}, {7}, false, 'I'},
        // Beyond the pole, a change of house system would not help: one refusal.
        {{{&E::lat_deg, "90"}, {&E::lat_min, "1"}}, {12}, false, 'M'},
        {{{&E::lat_deg, "91"}}, {12}},
        {{{&E::lat_deg, "91"}}, {12}, false, 'I'},
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
        for (std::string E::*field : {&E::month, &E::day, &E::year, &E::hour, &E::minute, &E::zone,
                                      &E::long_deg, &E::long_min, &E::lat_deg, &E::lat_min}) {
            // A zone of -0 is the one harmless case (-5 is refused with a west longitude).
            const bool signed_zone = field == &E::zone && std::string_view(text) == "-0";
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

// One message names every box at fault and why; an empty box refused by two groups is said once.
TEST(ElectionValidation, OneMessageNamesEachBoxAndWhy) {
    auto e = Good();
    e.month = "13", e.minute = "", e.lat_deg = "91";
    RecordingNotifier n;
    EXPECT_FALSE(StoreElectionData(e, 'M', n).has_value());
    e = Good();
    e.month = "10", e.day = "10", e.year = "1582";
    EXPECT_FALSE(StoreElectionData(e, 'P', n).has_value());
    const std::string head = std::string(kElectionDataError) + "\n";
    EXPECT_THAT(n.Texts(), ElementsAre(head + "Birth Month 13: a month is 1 to 12\n"
                                              "Birth Minute: it must be filled in\n"
                                              "Lat Degrees 91: the latitude goes up to 90 degrees "
                                              "00 minutes",
                                       head + "Birth Day 10: 5 to 14 October 1582 were skipped by "
                                              "the change of calendar"));
}

}  // namespace
}  // namespace orvantis
