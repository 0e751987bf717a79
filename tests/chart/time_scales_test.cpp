// The time step: Universal Time, T, sidereal time, obliquity, MC and Ascendant.
#include "chart/time_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "astro/angles.h"

namespace orvantis {
namespace {

// Noon UT of 2000 January 1 is T = 1. Almanac values for 0h UT
// that day: mean sidereal time 6h39m52.3s at Greenwich and mean obliquity 23°26'21.4". A zone
// that is not a number is reported.
TEST(TimeScales, TheFirstOfJanuary2000) {
    const TimeAndAngles c = ComputeTimeAndAngles({1, 1, 2000, 12, 0});
    ASSERT_EQ(c.status, ComputeStatus::kOk);
    EXPECT_EQ(c.JulianDayNumber, 2451545);
    EXPECT_DOUBLE_EQ(c.UTFraction, 0.5);
    EXPECT_DOUBLE_EQ(c.CenturiesT, 1.0);
    const TimeAndAngles midnight = ComputeTimeAndAngles({1, 1, 2000, 0, 0});
    EXPECT_EQ(std::tie(midnight.SidHours, midnight.SidMinutes, midnight.SidSeconds),
              std::make_tuple(6, 39, 52));
    EXPECT_NEAR(midnight.ObliquityDeg, 23 + 26 / 60.0 + 21.4 / 3600.0, 0.5 / 3600.0);
    EXPECT_NEAR(ComputeTimeAndAngles({1, 1, 2000, 0, 30}).UTFraction, 0.5 / 24, 1e-7);
    ChartMoment m{5, 3, 2024, 15, 15};
    m.zone = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(ComputeTimeAndAngles(m).status, ComputeStatus::kNonFinite);
}

TEST(TimeScales, TheZoneMayCarryTheMomentIntoTheNextDay) {
    const TimeAndAngles late = ComputeTimeAndAngles({1, 1, 2000, 23, 0, 5.0f});
    const TimeAndAngles next = ComputeTimeAndAngles({2, 1, 2000, 4, 0, 0.0f});
    EXPECT_DOUBLE_EQ(late.UTFraction, 28.0 / 24);
    EXPECT_NEAR(late.CenturiesT, next.CenturiesT, 1e-15);
    EXPECT_NEAR(late.RAMC, next.RAMC, 1e-9);
}

TEST(TimeScales, SouthernCaptionIsTwelveHoursAhead) {
    const TimeAndAngles north =
        ComputeTimeAndAngles({5, 3, 2024, 15, 15, 0, 0, DmmToDecimal(33.52f)});
    const TimeAndAngles south =
        ComputeTimeAndAngles({5, 3, 2024, 15, 15, 0, 0, -DmmToDecimal(33.52f)});
    EXPECT_EQ(north.RAMC, south.RAMC);
    const double n = north.SidHours * 3600 + north.SidMinutes * 60 + north.SidSeconds;
    const double s = south.SidHours * 3600 + south.SidMinutes * 60 + south.SidSeconds;
    EXPECT_NEAR(std::fmod(s - n + 86400, 86400), 43200, 1);
    EXPECT_NEAR(n, RadToDeg(north.RAMC) * 240, 1);  // the north shows the houses' own RAMC
    EXPECT_DOUBLE_EQ(south.LatRadians, -DegToRad(DmmToDecimal(33.52f)));
}

}  // namespace
}  // namespace orvantis
