// Travelling the chart's moment: calendar steps, the span's ends, the 1582 reform, and the
// election record of an instant under a zone that changes as the moment plays on.
#include "chart/time_travel.h"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

using namespace std::chrono;

// UT instants from the day numbers (checked against the almanac in the calendar tests).
sys_seconds At(int year, int month, int day, int hour = 12, int minute = 0) {
    const auto d =
        static_cast<long long>(JulianDayNumberOf(day, month, year)) - kUnixEpochDayNumber;
    return sys_seconds{seconds{d * 86400 + hour * 3600 + minute * 60}};
}

TEST(TimeTravel, StepsKeepTheCalendarAndTheSpan) {
    const TravelSpan wide{At(1000, 1, 1), At(3000, 1, 1)};
    const struct {
        sys_seconds from;
        TravelStep step;
        sys_seconds to;
        TravelSpan span;
    } cases[] = {
        {At(2024, 1, 31), {TravelUnit::kMonth, 1}, At(2024, 2, 29), {}},
        {At(2023, 3, 31, 9, 5), {TravelUnit::kMonth, -1}, At(2023, 2, 28, 9, 5), {}},
        {At(2024, 2, 29), {TravelUnit::kYear, 1}, At(2025, 2, 28), {}},
        {At(1900, 2, 28, 23, 30), {TravelUnit::kHour, 1}, At(1900, 3, 1, 0, 30), {}},
        {At(2000, 1, 1, 0, 5), {TravelUnit::kMinute, -10}, At(1999, 12, 31, 23, 55), {}},
        {At(2024, 3, 30, 1, 30), {TravelUnit::kDay, 1}, At(2024, 3, 31, 1, 30), {}},
        // The span's ends hold, and a moment outside it comes in at the nearer end.
        {At(2099, 12, 31, 23, 0), {TravelUnit::kHour, 1}, At(2099, 12, 31, 23, 59), {}},
        {At(1900, 1, 1, 0, 30), {TravelUnit::kYear, -1}, At(1900, 1, 1, 0, 0), {}},
        {At(1582, 10, 4), {TravelUnit::kMinute, 1}, At(1900, 1, 1, 0, 1), {}},
        // The reform: 4 October 1582 was followed by 15 October; Julian leap years before it.
        {At(1582, 10, 4, 23, 0), {TravelUnit::kHour, 1}, At(1582, 10, 15, 0, 0), wide},
        {At(1582, 9, 10), {TravelUnit::kMonth, 1}, At(1582, 10, 15), wide},
        {At(1582, 11, 10), {TravelUnit::kMonth, -1}, At(1582, 10, 4), wide},
        {At(1500, 2, 29), {TravelUnit::kYear, 100}, At(1600, 2, 29), wide},
        {At(1600, 2, 29), {TravelUnit::kYear, 100}, At(1700, 2, 28), wide},
    };
    for (const auto& c : cases) {
        const auto got = StepMoment(c.from, c.step, c.span);
        EXPECT_EQ(got, c.to) << CivilMomentOf(c.from).date.year << " "
                             << static_cast<int>(c.step.unit) << " " << c.step.count << " gave "
                             << (got - c.to).count() << " s off";
    }
    EXPECT_EQ(AdvanceMoment(At(2050, 1, 1), 1e300), TravelSpan{}.last);
    EXPECT_EQ(AdvanceMoment(At(2050, 1, 1), -86400.9), At(2049, 12, 31));
}

// A play's frames through a spring and an autumn change of a named zone (one hour east, two in
// summer), and through the reform: every frame's record names an existing day, reads back as
// its own instant, and its clock jumps only where the zone changes.
TEST(TimeTravel, ElectionRecordsOfPlayedFramesReadBackAsTheirInstants) {
    const sys_seconds spring = At(2024, 3, 31, 1, 0), autumn = At(2024, 10, 27, 1, 0);
    const auto zone = [&](sys_seconds t) { return t >= spring && t < autumn ? -2.0f : -1.0f; };
    ElectionData place;
    place.ElectZoneName = "Europe/Berlin";
    for (const sys_seconds start : {spring, autumn, At(1582, 10, 4, 20, 0), At(2099, 12, 31, 22)}) {
        const sys_seconds from = start - hours{3};
        for (sys_seconds t = from; t < from + hours{30}; t += seconds{437}) {
            const ElectionData e = ElectionAt(place, t, zone(t));
            ASSERT_TRUE(DayExists(e.ElectDay, e.ElectMonth, e.ElectYear));
            ASSERT_EQ(InstantOfElection(e), floor<minutes>(t));
            ASSERT_EQ(e.ElectZoneName, "Europe/Berlin");
        }
    }
    const auto clock = [&](sys_seconds t) {
        const ElectionData e = ElectionAt(place, t, zone(t));
        return (e.ElectHour % 12 + 12 * e.ElectPM) * 100 + e.ElectMinute;
    };
    EXPECT_EQ(clock(spring - minutes{1}), 159);
    EXPECT_EQ(clock(spring), 300);
    EXPECT_EQ(clock(autumn - minutes{1}), 259);
    EXPECT_EQ(clock(autumn), 200);
}

}  // namespace
}  // namespace orvantis
