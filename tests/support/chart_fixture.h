// The charts the tests share: the time step's angles fed in directly, and a set of longitudes
// whose aspects are known with the orbs of a customary orb file.
#pragma once

#include <array>
#include <cmath>

#include "aspects/orb_file.h"
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

namespace orvantis {

// A chart whose only exact aspects are Sun–Moon trine, Sun–Mercury and Moon–Mercury sextiles and
// the node opposition (checked by hand); under 2-degree orbs for every kind nothing else is an
// aspect either. Bodies 1..15 in the chart's numbering, index 0 unused.
inline std::array<double, 16> KnownChart() {
    return {0,     0,     60,  13.7, 101.3, 147.9, 211.1, 253.3,
            307.7, 333.3, 120, 17.1, 197.1, 280.9, 161.9, 77.7};
}

// Orbs 1..16 of a customary orb file: no two ranges overlap.
inline OrbValues CustomaryOrbs() {
    OrbValues orbs{};
    ReadOrbFile("8\n6\n8\n8\n8\n0\n2\n2\n2\n3\n1\n1\n2\n1\n2\n1\n", orbs);
    return orbs;
}

}  // namespace orvantis
