// Geocentric longitudes of the Sun, Moon and planets for the chart moment and a day later.
#pragma once

#include "chart/chart_state.h"

namespace orvantis {

// The value the chart driver puts in TrueNodeLongitude before each chart: "not yet set".
inline constexpr double kTrueNodeUnset = -100.0;

// Reads JulianDayNumber, TimeOfDay, CenturiesT (Julian centuries from JD 2415020.0, the chart
// moment in UT), Ascendant, MC, Cusps[4] and TrueNodeLongitude. Writes, all in degrees:
//   PlanetLong[1..15]     the body table, each in [0, 360): Sun .. Pluto and the Moon
//                         (apparent geocentric longitudes), mean node, its opposite point, Part
//                         of Fortune, Ascendant (Cusps[4]) and MC
//   PlanetLongNext[1..10] the Sun .. Moon one day later (11..15 are left untouched)
//   RetroMarks            'R' at [i - 1] for each planet i = 2..9 moving backwards over that day
//   SvpOffset, Ayanamsa   the two sidereal offsets (SvpOffset reduced, Ayanamsa not)
//   TrueNodeLongitude     the true node in [0, 360), only when it holds kTrueNodeUnset on entry
// CenturiesT is read, not written: it still holds the chart moment on return, which is what the
// chart driver reports. Obliquity is not used. Every time argument is UT; no ΔT is applied.
// kNonFinite when any written value is not finite or Kepler's equation does not settle (the
// outputs are then written but must not be shown); kOk otherwise.
ComputeStatus ComputeEphemeris(ChartState& chart);

// Whether a body at longitude `now` and at `next` a day later (degrees, [0, 360)) is retrograde:
// the motion is taken the short way round, so 359°30′ then 0°18′ is direct. No motion is direct.
bool IsRetrograde(double now, double next);

}  // namespace orvantis
