// The charts the tests share: a civil moment and place as the driver sets them, a chart right
// after the time step, and a set of longitudes whose aspects are known.
#pragma once

#include <array>
#include <cmath>
#include <string>

#include "chart/angles.h"
#include "chart/chart_state.h"
#include "chart/time_scales.h"

namespace orvantis::testing_support {

struct Moment {
    int day, month, year;
    float clock;  // H.MM on the 12-hour clock
    bool pm;
    float zone = 0;       // hours, west positive
    float longitude = 0;  // D.MM, west positive
    float latitude = 0;   // D.MM, north positive
};

inline ChartState ChartAt(const Moment& m) {
    ChartState c;
    c.ChartDay = static_cast<std::int16_t>(m.day);
    c.ChartMonth = static_cast<std::int16_t>(m.month);
    c.ChartYear = static_cast<std::int16_t>(m.year);
    c.ChartClock = m.clock;
    c.ChartAmPm = m.pm ? "P.M." : "A.M.";
    c.ChartZone = m.zone;
    c.ChartLong = m.longitude;
    c.ChartLat = m.latitude;
    c.LongDirection = m.longitude < 0 ? "EAST" : "WEST";
    c.LatDirection = m.latitude < 0 ? "SOUTH" : "NORTH";
    return c;
}

// The chart record right after the time step, with the angles fed in directly: the sidereal
// angle ramc and latitude in degrees, the obliquity in degrees (stored negated, as the time
// step leaves it).
inline ChartState ChartWithAngles(double ramc_degrees, double latitude_degrees,
                                  double obliquity_degrees, char system) {
    ChartState c;
    c.HouseSystem = system;
    c.RAMC = DegToRad(ramc_degrees);
    const double eps = DegToRad(obliquity_degrees);
    c.Obliquity = -eps;
    c.ObliquityDeg = obliquity_degrees;
    c.LatRadians = DegToRad(latitude_degrees);
    c.NegLatRadians = latitude_degrees == 0 ? 1e-05 : -c.LatRadians;
    c.MC = MidheavenDegrees(c.RAMC, eps);
    c.Ascendant = AscendantDegrees(c.RAMC, c.LatRadians, c.Obliquity);
    return c;
}

// The distance of two longitudes along the circle, in degrees.
inline double ArcDistance(double a, double b) {
    const double d = std::fabs(Reduce360(a) - Reduce360(b));
    return d > 180 ? 360 - d : d;
}

}  // namespace orvantis::testing_support

namespace orvantis {

// A chart whose only exact aspects are Sun–Moon trine, Sun–Mercury and Moon–Mercury sextiles and
// the node opposition (checked by hand); under 2-degree orbs for every kind nothing else is an
// aspect either. Bodies 1..15 in the chart's numbering, index 0 unused.
inline std::array<double, 16> KnownChart() {
    return {0,     0,     60,  13.7, 101.3, 147.9, 211.1, 253.3,
            307.7, 333.3, 120, 17.1, 197.1, 280.9, 161.9, 77.7};
}

}  // namespace orvantis
