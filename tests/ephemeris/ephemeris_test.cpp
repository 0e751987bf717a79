// The rules of the body table (retrograde marks, the day step, the entry points); the
// longitudes themselves are checked against Swiss Ephemeris and the positions table.
#include "ephemeris/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvantis {
namespace {

// 2000 January 1, 12:00 UT: T = 1 exactly.
Ephemeris J2000() {
    return ComputeEphemeris(2451545.0, 0.5);
}

// Signed difference a - b in degrees, taken the short way round.
double AngleDiff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

TEST(EphemerisJ2000, NextMomentIsOneDayLater) {
    // The day step is the chart computed a day later, except for Pluto: its drift correction
    // counts whole day numbers and is the chart day's at both moments.
    const Ephemeris chart = J2000();
    const Ephemeris later = ComputeEphemeris(2451546.0, 0.5);
    for (int body = kSun; body <= kMoon; ++body) {
        const double drift = body == kPluto ? 1.33 / 36525.0 : 0.0;
        EXPECT_NEAR(AngleDiff(later.PlanetLong[body], chart.PlanetLongNext[body]), drift, 1e-9)
            << body;
    }
}

// The entry point for a Julian date agrees with the chart's day number and fraction; both
// report a moment that is not finite.
TEST(EphemerisDriver, BodyLongitudesAtAJulianDateAreTheChartsOwnAndFinite) {
    const Ephemeris chart = ComputeEphemeris(2451545.0, 0.75);
    const BodyLongitudes bodies = BodyLongitudesAt(2451545.25);
    for (int body = kSun; body <= kMoon; ++body)
        EXPECT_EQ(bodies.longitude[body], chart.PlanetLong[body]) << body;
    EXPECT_EQ(bodies.mean_node, chart.PlanetLong[kNode]);
    EXPECT_EQ(bodies.true_node, chart.TrueNode);
    EXPECT_EQ(ComputeEphemeris(2451545.0, std::numeric_limits<double>::quiet_NaN()).status,
              ComputeStatus::kNonFinite);
    EXPECT_EQ(BodyLongitudesAt(std::numeric_limits<double>::infinity()).status,
              ComputeStatus::kNonFinite);
}

// At J2000 only Saturn is retrograde.
TEST(Retrograde, MotionIsComparedTheShortWayAcrossAries) {
    const RetrogradeMarks saturn{false, false, false, false, false, true};
    EXPECT_EQ(J2000().Retrograde, saturn);
    EXPECT_FALSE(IsRetrograde(359.5, 0.3));
    EXPECT_TRUE(IsRetrograde(0.3, 359.5));
    EXPECT_TRUE(IsRetrograde(10.5, 10.0));
    EXPECT_FALSE(IsRetrograde(123.4, 123.4));  // standing still is not retrograde
}

}  // namespace
}  // namespace orvantis
