// Geocentric longitudes of the Sun, Moon and planets for the chart moment and a day later.
#pragma once

#include "chart/chart_state.h"

namespace orvantis {

// Reads JulianDayNumber, TimeOfDay, CenturiesT, Obliquity (negated), Ascendant, MC, Cusps and
// TrueNodeLongitude; writes PlanetLong[1..15], PlanetLongNext[1..10], RetroMarks, SvpOffset,
// Ayanamsa and TrueNodeLongitude (only when it holds the sentinel -100.0). kNonFinite when any
// longitude is not finite.
ComputeStatus ComputeEphemeris(ChartState& chart);

}  // namespace orvantis
