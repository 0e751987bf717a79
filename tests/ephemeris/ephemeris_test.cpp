// The ephemeris driver and its body procedures against the values the reference charts print,
// and the rules of the body table (retrograde marks, derived points, the true-node sentinel).
#include "ephemeris/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/angles.h"
#include "chart/chart_state.h"
#include "ephemeris/moon.h"

namespace orvantis {
namespace {

constexpr double kArcMinute = 1.0 / 60.0;

// A chart record as the time step and the houses would leave it, built by hand so that these
// tests do not depend on the time-scale code. Ascendant and MC are arbitrary test values.
ChartState ChartAt(double julian_day_number, double time_of_day) {
    ChartState chart;
    chart.JulianDayNumber = julian_day_number;
    chart.TimeOfDay = time_of_day;
    chart.CenturiesT = (julian_day_number - 2415020.0 + time_of_day - 0.5) / 36525.0;
    chart.Obliquity = -DegToRad(23.439);
    chart.Ascendant = 100.0;
    chart.MC = 10.0;
    chart.Cusps[4] = chart.Ascendant;
    chart.TrueNodeLongitude = kTrueNodeUnset;
    return chart;
}

// 2000 January 1, 12:00 UT: T = 1 exactly.
ChartState J2000() {
    return ChartAt(2451545.0, 0.5);
}

// Signed difference a - b in degrees, taken the short way round.
double AngleDiff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

double Dm(int degrees, int minutes) {
    return degrees + minutes / 60.0;
}

// Reference charts' body table for 2000 January 1, 12:00 UT, printed to the minute. The printed
// minute is not always the nearest one (Mercury computes to 271°54.4′), hence one full minute.
TEST(EphemerisJ2000, BodyTableMatchesThePrintedChart) {
    struct Row {
        int body;
        double longitude;
    };
    const Row rows[] = {
        {kSun, Dm(280, 22)},    {kMercury, Dm(271, 55)}, {kVenus, Dm(241, 35)},
        {kMars, Dm(327, 59)},   {kJupiter, Dm(25, 16)},  {kSaturn, Dm(40, 24)},
        {kUranus, Dm(314, 49)}, {kNeptune, Dm(303, 13)}, {kPluto, Dm(251, 27)},
        {kMoon, Dm(223, 19)},
    };
    ChartState chart = J2000();
    ASSERT_EQ(ComputeEphemeris(chart), ComputeStatus::kOk);
    for (const Row& row : rows) {
        EXPECT_NEAR(AngleDiff(chart.PlanetLong[row.body], row.longitude), 0.0, kArcMinute)
            << "body " << row.body << " at " << chart.PlanetLong[row.body];
    }
}

TEST(EphemerisJ2000, OnlySaturnIsRetrograde) {
    ChartState chart = J2000();
    ASSERT_EQ(ComputeEphemeris(chart), ComputeStatus::kOk);
    EXPECT_EQ(chart.RetroMarks, "     R         ");
}

TEST(EphemerisJ2000, DerivedPointsAreReduced) {
    ChartState chart = J2000();
    chart.Ascendant = 20.0;  // Moon + Ascendant - Sun is about -37°
    chart.Cusps[4] = 21.5;   // the body table copies the cusp, not Ascendant
    chart.MC = 291.25;
    ASSERT_EQ(ComputeEphemeris(chart), ComputeStatus::kOk);
    const auto& p = chart.PlanetLong;
    EXPECT_DOUBLE_EQ(p[kOppositeNode], Reduce360(p[kNode] + 180.0));
    EXPECT_DOUBLE_EQ(p[kFortune], Reduce360(p[kMoon] + 20.0 - p[kSun]));
    EXPECT_GT(p[kFortune], 180.0);
    EXPECT_EQ(p[kAscendantBody], 21.5);
    EXPECT_EQ(p[kMCBody], 291.25);
    for (int body = kSun; body <= kBodyCount; ++body) {
        EXPECT_GE(p[body], 0.0) << body;
        EXPECT_LT(p[body], 360.0) << body;
    }
}

TEST(EphemerisJ2000, NextMomentIsOneDayLater) {
    ChartState chart = J2000();
    ASSERT_EQ(ComputeEphemeris(chart), ComputeStatus::kOk);
    // The Sun moves about 1°01′ a day in January and the Moon about 12° to 15°.
    const double sun = AngleDiff(chart.PlanetLongNext[kSun], chart.PlanetLong[kSun]);
    const double moon = AngleDiff(chart.PlanetLongNext[kMoon], chart.PlanetLong[kMoon]);
    EXPECT_NEAR(sun, 1.019, 0.005);
    EXPECT_GT(moon, 11.5);
    EXPECT_LT(moon, 15.5);
    // The day step is the same for the chart computed a day later, except for Pluto: its drift
    // correction counts whole day numbers and is the chart day's at both moments.
    ChartState later = ChartAt(2451546.0, 0.5);
    ASSERT_EQ(ComputeEphemeris(later), ComputeStatus::kOk);
    for (int body = kSun; body <= kMoon; ++body) {
        const double drift = body == kPluto ? 1.33 / 36525.0 : 0.0;
        EXPECT_NEAR(AngleDiff(later.PlanetLong[body], chart.PlanetLongNext[body]), drift, 1e-9)
            << body;
    }
}

TEST(EphemerisDriver, TrueNodeIsSetOnlyOverTheSentinel) {
    ChartState unset = J2000();
    ASSERT_EQ(ComputeEphemeris(unset), ComputeStatus::kOk);
    EXPECT_NEAR(unset.TrueNodeLongitude, Dm(123, 55), kArcMinute);

    for (const double kept : {5.0, -100.0000001, 0.0}) {
        ChartState chart = J2000();
        chart.TrueNodeLongitude = kept;
        ASSERT_EQ(ComputeEphemeris(chart), ComputeStatus::kOk);
        EXPECT_EQ(chart.TrueNodeLongitude, kept);
    }
}

TEST(EphemerisDriver, ReportsANonFiniteMomentOrAngle) {
    ChartState chart = J2000();
    chart.TimeOfDay = std::numeric_limits<double>::quiet_NaN();
    chart.CenturiesT = chart.TimeOfDay;
    EXPECT_EQ(ComputeEphemeris(chart), ComputeStatus::kNonFinite);
    chart = J2000();
    chart.MC = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ComputeEphemeris(chart), ComputeStatus::kNonFinite);
}

TEST(Retrograde, MotionIsComparedTheShortWayAcrossAries) {
    EXPECT_FALSE(IsRetrograde(Dm(359, 30), Dm(0, 18)));
    EXPECT_TRUE(IsRetrograde(Dm(0, 18), Dm(359, 30)));
    EXPECT_TRUE(IsRetrograde(10.5, 10.0));
    EXPECT_FALSE(IsRetrograde(123.4, 123.4));  // standing still is not retrograde
}

// The Moon at T = 1 (2000 January 1, 12:00 UT), as the reference charts print it.
TEST(Moon, LongitudeAndNodesAtJ2000) {
    const MoonPosition moon = ComputeMoon(1.0);
    EXPECT_NEAR(Reduce360(moon.MoonLongitude), Dm(223, 19), kArcMinute);
    EXPECT_NEAR(moon.MoonMeanNode, Dm(125, 2), kArcMinute);
    EXPECT_NEAR(Reduce360(moon.TrueNode), Dm(123, 55), kArcMinute);
}

}  // namespace
}  // namespace orvantis
