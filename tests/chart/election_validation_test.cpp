#include "chart/election_validation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

TEST(ElectionValidation, LatitudeLimitYieldsToMeridianAndMorinus) {
    auto e = Good();
    e.lat_deg = "67", e.lat_min = "0";
    EXPECT_THAT(Groups(e, 'P'), ElementsAre(7));
    EXPECT_THAT(Groups(e, 'M'), IsEmpty());
    EXPECT_THAT(Groups(e, 'I'), IsEmpty());
    RecordingNotifier n;
    EXPECT_FALSE(StoreElectionData(e, 'K', n).has_value());
    EXPECT_THAT(n.Texts(), ElementsAre(::testing::HasSubstr("latitude is too high")));
}

TEST(ElectionValidation, DaysThatDoNotExistAreRefused) {
    auto e = Good();
    e.month = "2", e.day = "30";
    EXPECT_THAT(Groups(e), ElementsAre(13));
    e.day = "29", e.year = "2023";
    EXPECT_THAT(Groups(e), ElementsAre(13));
    e.year = "2024";
    EXPECT_THAT(Groups(e), IsEmpty());
    e.year = "1900";
    EXPECT_THAT(Groups(e), ElementsAre(13));
    e.month = "4", e.day = "31", e.year = "2024";
    EXPECT_THAT(Groups(e), ElementsAre(13));
}

TEST(ElectionValidation, HostileTextIsRefusedNeverStoredWrong) {
    const char* const hostile[] = {
        "abc",  "1e309",    "nan",     "inf",
        "-inf", "1 2",      "12\r\n3", "99999999999999999999999999999999999999999",
        "--",   "\xc3\xa9", "0x10",    "+5"};
    for (const char* text : hostile) {
        for (std::string ElectionEntry::*field :
             {&ElectionEntry::month, &ElectionEntry::day, &ElectionEntry::year,
              &ElectionEntry::hour, &ElectionEntry::minute, &ElectionEntry::zone,
              &ElectionEntry::long_deg, &ElectionEntry::long_min, &ElectionEntry::lat_deg,
              &ElectionEntry::lat_min}) {
            auto e = Good();
            e.*field = text;
            RecordingNotifier n;
            EXPECT_FALSE(StoreElectionData(e, 'P', n).has_value()) << text;
            EXPECT_FALSE(n.problems.empty()) << text;
        }
    }
    // Blanks around a number and a negative zero are harmless.
    auto e = Good();
    e.day = " 5 ", e.zone = "-0";
    RecordingNotifier n;
    const auto stored = StoreElectionData(e, 'P', n);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->ElectDay, 5);
    EXPECT_EQ(stored->ElectZone, 0.0f);
}

TEST(ElectionValidation, BlankAndSignedWholeNumbersAreRefused) {
    for (const char* text : {"", " ", "   ", "\t", "-0", "-5", "\r\n"}) {
        for (std::string ElectionEntry::*field :
             {&ElectionEntry::month, &ElectionEntry::day, &ElectionEntry::year,
              &ElectionEntry::hour, &ElectionEntry::minute, &ElectionEntry::long_deg,
              &ElectionEntry::long_min, &ElectionEntry::lat_deg, &ElectionEntry::lat_min}) {
            auto e = Good();
            e.*field = text;
            RecordingNotifier n;
            EXPECT_FALSE(StoreElectionData(e, 'P', n).has_value()) << "'" << text << "'";
            EXPECT_FALSE(n.problems.empty()) << "'" << text << "'";
        }
    }
    // The zone alone takes a sign; blank, it is refused with the time.
    auto e = Good();
    e.zone = " ";
    EXPECT_THAT(Groups(e), ElementsAre(3));
    e.zone = "-0.0";
    EXPECT_THAT(Groups(e), IsEmpty());
}

TEST(ElectionValidation, StoredRecordCarriesEveryField) {
    auto e = Good();
    e.pm = true, e.west = false, e.south = true, e.zone = "-5.5";
    RecordingNotifier n;
    const auto d = StoreElectionData(e, 'P', n);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->ElectEvent, "Opening");
    EXPECT_EQ(d->ElectYear, 2024);
    EXPECT_EQ(d->ElectHour, 9);
    EXPECT_EQ(d->ElectPM, 1);
    EXPECT_EQ(d->ElectZone, -5.5f);
    EXPECT_EQ(d->ElectWest, 0);
    EXPECT_EQ(d->ElectSouth, 1);
    EXPECT_EQ(d->ElectLongMin, 59);
}

}  // namespace
}  // namespace orvantis
