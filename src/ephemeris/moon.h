// The Moon's apparent longitude and its mean and true ascending nodes.
#pragma once

namespace orvantis {

struct MoonPosition {
    double MoonLongitude = 0;  // apparent ecliptic longitude, degrees, not reduced
    double MoonMeanNode = 0;   // mean ascending node, degrees, [0, 360)
    double TrueNode = 0;       // true ascending node, degrees, not reduced
};

// The Moon at t1900, Julian centuries from 1900 January 0.5 (UT): a 71-term sine series in the
// mean elongation, the anomalies of the Moon and the Sun and the argument of latitude, plus
// nutation.
MoonPosition ComputeMoon(double t1900);

}  // namespace orvantis
