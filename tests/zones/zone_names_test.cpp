// Named zones against the tz database (tzdata, read by zdump -v for the expected values), with
// the process's own zone set elsewhere: nothing may follow it.
#include "zones/zone_names.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "chart/election_steps.h"

namespace orvantis {
namespace {

class NamedZones : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
    }
};

enum Kind { kOne, kNone, kTwice };
struct Case {
    const char* zone;
    LocalDateTime local;
    Kind kind;
    float hours, second_hours;  // kOne: the offset; kNone: before and after; kTwice: both
};

TEST_F(NamedZones, LocalTimesAroundChangesOfOffset) {
    const Case cases[] = {
        {"Europe/London", {2024, 7, 1, 12, 0}, kOne, -1, 0},
        {"Europe/London", {2024, 3, 31, 1, 30}, kNone, 0, -1},
        {"Europe/London", {2024, 10, 27, 1, 30}, kTwice, -1, 0},
        {"Europe/London", {1800, 1, 1, 12, 0}, kOne, 75 / 3600.0f, 0},  // mean time, -0:01:15
        {"America/New_York", {2024, 3, 10, 2, 30}, kNone, 5, 4},
        {"America/New_York", {2024, 11, 3, 1, 30}, kTwice, 4, 5},
        {"Australia/Sydney", {2024, 4, 7, 2, 30}, kTwice, -11, -10},
        {"Australia/Sydney", {2024, 10, 6, 2, 30}, kNone, -10, -11},
        {"Asia/Kolkata", {2024, 6, 1, 12, 0}, kOne, -5.5, 0},
        {"Europe/Berlin", {1945, 9, 24, 2, 30}, kTwice, -3, -2},  // from double summer time
        // Base offsets changed: Samoa crossed the date line (30 December 2011 never was),
        // Pyongyang went back half an hour.
        {"Pacific/Apia", {2011, 12, 30, 12, 0}, kNone, 10, -14},
        {"Asia/Pyongyang", {2015, 8, 14, 23, 45}, kTwice, -9, -8.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << ", row " << &c - cases);
        const auto zone = NamedZone::Find(c.zone);
        ASSERT_TRUE(zone.has_value());
        const LocalTimeInZone found = zone->Resolve(c.local);
        ASSERT_EQ(found.index(), static_cast<std::size_t>(c.kind));
        if (const auto* one = std::get_if<OffsetInForce>(&found)) {
            EXPECT_FLOAT_EQ(one->hours, c.hours);
            // The instant read back gives the same offset.
            EXPECT_FLOAT_EQ(zone->HoursAt(InstantOf(c.local, one->hours)), c.hours);
        } else if (const auto* gap = std::get_if<NonexistentTime>(&found)) {
            EXPECT_EQ(std::tie(gap->hours_before, gap->hours_after),
                      std::tie(c.hours, c.second_hours));
            EXPECT_EQ(gap->gap_seconds, std::lround((c.hours - c.second_hours) * 3600));
        } else {
            const auto& twice = std::get<AmbiguousTime>(found);
            EXPECT_EQ(std::tie(twice.first_hours, twice.second_hours),
                      std::tie(c.hours, c.second_hours));
        }
    }
}

TEST_F(NamedZones, OnlyNamesOfTheDatabaseAreFound) {
    // QTimeZone alone would take "" as the process's zone and "Berlin" as a POSIX rule.
    for (const char* name : {"", "Berlin", "ABC5", "Europe/Londn", "../../etc/passwd", "Europe/",
                             "Europe/London/", "EST5EDT", "CET-1CEST,M3.5.0,M10.5.0/3"})
        EXPECT_FALSE(NamedZone::Find(name).has_value()) << name;
    EXPECT_EQ(NamedZone::Find("europe/london")->Name(), "Europe/London");
    EXPECT_EQ(NamedZone::Find(" UTC ")->Name(), "UTC");
    EXPECT_TRUE(ZoneNames().contains("America/Argentina/Buenos_Aires"));
}

// Update steps over a change move the clock by the step; the offset follows the new clock.
TEST_F(NamedZones, StepsKeepTheNameAndFollowTheOffset) {
    struct Step {
        const char* zone;
        std::int16_t year, month, day, hour, pm;  // before, at half past; the 12-hour clock
        void (*step)(ElectionData&);
        int direction;
        LocalDateTime after;
        float hours;
    };
    const Step steps[] = {
        // 1:30 + 1 hour is 2:30, which New York skipped: the clock reads on to 3:30.
        {"America/New_York", 2024, 3, 10, 1, 0, AddHour, 1, {2024, 3, 10, 3, 30}, 4},
        {"America/New_York", 2024, 3, 10, 3, 0, SubtractHour, -1, {2024, 3, 10, 1, 30}, 5},
        // Twice: forward steps take the first instant, backward steps the second.
        {"America/New_York", 2024, 11, 2, 1, 0, AddDay, 1, {2024, 11, 3, 1, 30}, 4},
        {"America/New_York", 2024, 11, 3, 2, 0, SubtractHour, -1, {2024, 11, 3, 1, 30}, 5},
        {"Pacific/Apia", 2011, 12, 29, 12, 1, AddDay, 1, {2011, 12, 31, 12, 30}, -14},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.zone << ", row " << &s - steps);
        ElectionData e;
        e.ElectZoneName = s.zone, e.ElectYear = s.year, e.ElectMonth = s.month, e.ElectDay = s.day;
        e.ElectHour = s.hour, e.ElectMinute = 30, e.ElectPM = s.pm;
        s.step(e);
        RezoneAfterStep(e, s.direction);
        const LocalDateTime t = LocalDateTimeOf(e);
        EXPECT_EQ(std::tie(t.year, t.month, t.day, t.hour, t.minute),
                  std::tie(s.after.year, s.after.month, s.after.day, s.after.hour, s.after.minute));
        EXPECT_EQ(e.ElectZone, s.hours);
        EXPECT_EQ(e.ElectZoneName, s.zone);
    }
}

}  // namespace
}  // namespace orvantis
