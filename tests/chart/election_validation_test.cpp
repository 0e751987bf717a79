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

TEST(ElectionValidation, BoundaryValuesAreAccepted) {
    EXPECT_THAT(Groups(Good()), IsEmpty());
    auto e = Good();
    e.month = "12", e.day = "31", e.year = "2099", e.hour = "12", e.minute = "59";
    e.zone = "-2";  // the lowest zone with a west longitude
    e.long_deg = "180", e.long_min = "59", e.lat_deg = "66", e.lat_min = "0";
    EXPECT_THAT(Groups(e), IsEmpty());
    e.west = false, e.zone = "-13";
    EXPECT_THAT(Groups(e), IsEmpty());
    e.event = "";  // an empty event name is fine
    EXPECT_THAT(Groups(e), IsEmpty());
}

TEST(ElectionValidation, EachOutOfRangeFieldIsRefusedByItsGroup) {
    const auto with = [](auto change) {
        auto e = Good();
        change(e);
        return Groups(e);
    };
    EXPECT_THAT(with([](auto& e) { e.month = "13"; }), ElementsAre(8));
    EXPECT_THAT(with([](auto& e) { e.day = "32"; }), ElementsAre(8));
    EXPECT_THAT(with([](auto& e) { e.year = "2100"; }), ElementsAre(8));
    EXPECT_THAT(with([](auto& e) { e.minute = "60"; }), ElementsAre(9));
    EXPECT_THAT(with([](auto& e) { e.zone = "13"; }), ElementsAre(10));
    EXPECT_THAT(with([](auto& e) { e.zone = "-14", e.west = false; }), ElementsAre(10));
    EXPECT_THAT(with([](auto& e) { e.zone = "-3"; }), ElementsAre(6));
    EXPECT_THAT(with([](auto& e) { e.long_deg = "181"; }), ElementsAre(11));
    EXPECT_THAT(with([](auto& e) { e.long_min = "60"; }), ElementsAre(11));
    EXPECT_THAT(with([](auto& e) { e.lat_min = "60"; }), ElementsAre(12));
    EXPECT_THAT(with([](auto& e) { e.lat_deg = "66", e.lat_min = "1"; }), ElementsAre(7));
    EXPECT_THAT(with([](auto& e) { e.day = "0"; }), ElementsAre(1));
    EXPECT_THAT(with([](auto& e) { e.month = ""; }), ElementsAre(1, 2));
    EXPECT_THAT(with([](auto& e) { e.zone = ""; }), ElementsAre(3));
}

// Above 66°00' only Meridian and Morinus cast houses; at the pole none does, beyond it is no place.
TEST(ElectionValidation, LatitudeLimitYieldsToMeridianAndMorinusUpToThePole) {
    const std::tuple<const char*, const char*, std::vector<int>, std::vector<int>> cases[] = {
        {"67", "0", {7}, {}},
        {"89", "59", {7}, {}},
        {"90", "0", {7}, {7}},
        {"90", "1", {7, 12}, {7, 12}},
        {"91", "0", {7, 12}, {7, 12}}};
    auto e = Good();
    for (const auto& [degrees, minutes, placidus, meridian] : cases) {
        e.lat_deg = degrees, e.lat_min = minutes;
        EXPECT_EQ(Groups(e, 'P'), placidus) << degrees;
        EXPECT_EQ(Groups(e, 'M'), meridian) << degrees;
        EXPECT_EQ(Groups(e, 'I'), meridian) << degrees;
    }
    e.lat_deg = "67";
    RecordingNotifier n;
    EXPECT_FALSE(StoreElectionData(e, 'K', n).has_value());
    EXPECT_THAT(n.Texts(), ElementsAre(::testing::HasSubstr("latitude is too high")));
}

TEST(ElectionValidation, DaysThatDoNotExistAreRefused) {
    struct Case {
        const char *month, *day, *year;
        bool exists;
    };
    for (const Case c : {Case{"2", "30", "2024", false}, Case{"2", "29", "2023", false},
                         Case{"2", "29", "2024", true}, Case{"2", "29", "1900", false},
                         Case{"4", "31", "2024", false}, Case{"10", "4", "1582", true},
                         Case{"10", "5", "1582", false}, Case{"10", "14", "1582", false},
                         Case{"10", "15", "1582", true}}) {
        auto e = Good();
        e.month = c.month, e.day = c.day, e.year = c.year;
        EXPECT_EQ(Groups(e), c.exists ? std::vector<int>{} : std::vector<int>{13}) << c.day;
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
    // Blanks around a number are harmless; the zone alone takes a sign, blank it is refused.
    auto e = Good();
    e.day = " 5 ", e.zone = "-0";
    RecordingNotifier n;
    const auto stored = StoreElectionData(e, 'P', n);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->ElectDay, 5);
    EXPECT_EQ(stored->ElectZone, 0.0f);
    e.zone = " ";
    EXPECT_THAT(Groups(e), ElementsAre(3));
}

TEST(ElectionValidation, StoredRecordCarriesEveryField) {
    auto e = Good();
    e.pm = true, e.west = false, e.south = true, e.zone = "-5.5";
    RecordingNotifier n;
    const auto d = StoreElectionData(e, 'P', n);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->ElectEvent, "Opening");
    EXPECT_EQ(std::tie(d->ElectYear, d->ElectHour, d->ElectPM, d->ElectWest, d->ElectSouth,
                       d->ElectLongMin),
              std::make_tuple(2024, 9, 1, 0, 1, 59));
    EXPECT_EQ(d->ElectZone, -5.5f);
}

}  // namespace
}  // namespace orvantis
