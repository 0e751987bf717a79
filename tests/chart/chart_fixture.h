// Building the time step's angles for the house tests.
#pragma once

#include <cmath>

#include "astro/angles.h"
#include "chart/time_scales.h"

namespace orvantis::testing_support {

// The time step's result with the angles fed in directly: the sidereal angle ramc, the latitude
// and the obliquity in degrees.
inline TimeAndAngles AnglesAt(double ramc_degrees, double latitude_degrees,
                              double obliquity_degrees) {
    TimeAndAngles t;
    t.RAMC = DegToRad(ramc_degrees);
    t.Obliquity = DegToRad(obliquity_degrees);
    t.ObliquityDeg = obliquity_degrees;
    t.LatRadians = DegToRad(latitude_degrees);
    t.MC = MidheavenDegrees(t.RAMC, t.Obliquity);
    t.Ascendant = AscendantDegrees(t.RAMC, t.LatRadians, t.Obliquity);
    return t;
}

// The distance of two longitudes along the circle, in degrees.
inline double ArcDistance(double a, double b) {
    const double d = std::fabs(Reduce360(a) - Reduce360(b));
    return d > 180 ? 360 - d : d;
}

}  // namespace orvantis::testing_support
