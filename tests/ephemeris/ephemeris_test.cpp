// The rules of the body table (retrograde marks, the opposite node, the day step); the
// longitudes themselves are checked against Swiss Ephemeris and the positions table.
#include "ephemeris/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/angles.h"

namespace orvantis {
namespace {

constexpr double kArcMinute = 1.0 / 60.0;

// 2000 January 1, 12:00 UT: T = 1 exactly.
Ephemeris J2000() {
    return ComputeEphemeris(2451545.0, 0.5);
}

// Signed difference a - b in degrees, taken the short way round.
double AngleDiff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

double Dm(int degrees, int minutes) {
    return degrees + minutes / 60.0;
}

TEST(EphemerisJ2000, OnlySaturnIsRetrograde) {
    EXPECT_EQ(J2000().RetroMarks, "     R         ");
}

TEST(EphemerisJ2000, TheOppositeNodeIsReducedAndTheTrueNodeSet) {
    const Ephemeris chart = J2000();
    const auto& p = chart.PlanetLong;
    EXPECT_DOUBLE_EQ(p[kOppositeNode], Reduce360(p[kNode] + 180.0));
    EXPECT_LT(p[kOppositeNode], 360.0);
    EXPECT_NEAR(chart.TrueNode, Dm(123, 55), kArcMinute);
}

TEST(EphemerisJ2000, NextMomentIsOneDayLater) {
    const Ephemeris chart = J2000();
    // The Sun moves about 1°01′ a day in January and the Moon about 12° to 15°.
    const double sun = AngleDiff(chart.PlanetLongNext[kSun], chart.PlanetLong[kSun]);
    const double moon = AngleDiff(chart.PlanetLongNext[kMoon], chart.PlanetLong[kMoon]);
    EXPECT_NEAR(sun, 1.019, 0.005);
    EXPECT_GT(moon, 11.5);
    EXPECT_LT(moon, 15.5);
    // The day step is the same for the chart computed a day later, except for Pluto: its drift
    // correction counts whole day numbers and is the chart day's at both moments.
    const Ephemeris later = ComputeEphemeris(2451546.0, 0.5);
    for (int body = kSun; body <= kMoon; ++body) {
        const double drift = body == kPluto ? 1.33 / 36525.0 : 0.0;
        EXPECT_NEAR(AngleDiff(later.PlanetLong[body], chart.PlanetLongNext[body]), drift, 1e-9)
            << body;
    }
}

TEST(EphemerisDriver, ReportsANonFiniteMoment) {
    EXPECT_EQ(ComputeEphemeris(2451545.0, std::numeric_limits<double>::quiet_NaN()).status,
              ComputeStatus::kNonFinite);
    EXPECT_EQ(BodyLongitudesAt(std::numeric_limits<double>::infinity()).status,
              ComputeStatus::kNonFinite);
}

// The entry point for a Julian date agrees with the chart's day number and fraction.
TEST(EphemerisDriver, BodyLongitudesAtAJulianDateAreTheChartsOwn) {
    const Ephemeris chart = ComputeEphemeris(2451545.0, 0.75);
    const BodyLongitudes bodies = BodyLongitudesAt(2451545.25);
    for (int body = kSun; body <= kMoon; ++body)
        EXPECT_EQ(bodies.longitude[body], chart.PlanetLong[body]) << body;
    EXPECT_EQ(bodies.mean_node, chart.PlanetLong[kNode]);
    EXPECT_EQ(bodies.true_node, chart.TrueNode);
}

TEST(Retrograde, MotionIsComparedTheShortWayAcrossAries) {
    EXPECT_FALSE(IsRetrograde(Dm(359, 30), Dm(0, 18)));
    EXPECT_TRUE(IsRetrograde(Dm(0, 18), Dm(359, 30)));
    EXPECT_TRUE(IsRetrograde(10.5, 10.0));
    EXPECT_FALSE(IsRetrograde(123.4, 123.4));  // standing still is not retrograde
}

}  // namespace
}  // namespace orvantis
