// What the event finder and the transit finder share when they scan the sky: the clock in whole
// seconds, the scan step of the bodies and the separations at which a major aspect is exact.
#pragma once

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>

#include "aspects/aspect_kind.h"

namespace orvantis::sky_scan {

using Seconds = std::int64_t;  // since 1970-01-01 00:00 UT

inline constexpr Seconds kDay = 86400;
// The scan step of the bodies. Nothing but the Moon moves more than 8 degrees in it, and the
// Moon never turns, so each target is crossed at most once a step; where a planet turns within
// a step near a target, the step is split at the turn.
inline constexpr Seconds kBodyStep = kDay / 2;

// Separation (moving body less the other) at which an aspect is exact, and its kind.
struct AspectAngle {
    double angle;
    int kind;
};
inline constexpr std::array<AspectAngle, 8> kAspectAngles = {{{0, kConjunction},
                                                              {60, kSextile},
                                                              {90, kSquare},
                                                              {120, kTrine},
                                                              {180, kOpposition},
                                                              {240, kTrine},
                                                              {270, kSquare},
                                                              {300, kSextile}}};

inline double Wrap180(double degrees) {
    return std::remainder(degrees, 360.0);
}

inline std::chrono::sys_seconds Moment(Seconds at) {
    return std::chrono::sys_seconds{std::chrono::seconds{at}};
}

}  // namespace orvantis::sky_scan
