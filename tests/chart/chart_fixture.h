// Building chart records for the tests: a civil moment and place as the driver sets them.
#pragma once

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
