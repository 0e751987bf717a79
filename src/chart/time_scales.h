// Civil moment and place to time scales, sidereal time, obliquity, MC and Ascendant.
#pragma once

#include "chart/chart_state.h"

namespace orvantis {

// Reads ChartMonth/Day/Year, ChartClock, ChartAmPm, ChartZone, ChartLong, ChartLat and
// LatDirection; writes TimeOfDay, UTFraction, JulianDayNumber, CenturiesT, SiderealDays, RAMC,
// Obliquity (negated), ObliquityDeg, MC, Ascendant, LatRadians, NegLatRadians, SidHours,
// SidMinutes, SidSeconds, LongitudeValue, LatitudeValue. kNonFinite when any result is not
// finite (a latitude of ±90°).
ComputeStatus ComputeTimeAndAngles(ChartState& chart);

}  // namespace orvantis
