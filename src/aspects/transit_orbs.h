// The orbs of transits: TRANSIT.ORB in the layout of every orb file. Lines 1 .. 5 hold the orbs of
// the conjunction .. opposition for the transiting planets and node, and line 6, which no
// classification reads, the transiting Moon's orb for all five.
#pragma once

#include <algorithm>
#include <cmath>

#include "aspects/aspect_kind.h"
#include "aspects/orb_file.h"
#include "astro/bodies.h"

namespace orvantis {

inline constexpr int kTransitMoonOrbLine = 6;
// Beyond this an orb is taken as this: a wider one would keep a slow planet in orb for decades.
inline constexpr double kWidestTransitOrb = 10.0;

// The orb in degrees of a transiting body's aspect (kConjunction .. kOpposition), within
// [0, kWidestTransitOrb]; a value that is not a number counts as 0.
inline double TransitOrb(const OrbValues& orbs, int body, int aspect) {
    const double orb = body == kMoon ? orbs[kTransitMoonOrbLine] : orbs[aspect - kConjunction + 1];
    return std::isnan(orb) ? 0.0 : std::clamp(orb, 0.0, kWidestTransitOrb);
}

}  // namespace orvantis
