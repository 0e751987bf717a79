// Civil moment and place to time scales, sidereal time, obliquity, MC and Ascendant.
#pragma once

#include "chart/chart_state.h"

namespace orvantis {

// Reads ChartMonth/Day/Year, ChartClock, ChartAmPm, ChartZone, ChartLong, ChartLat and
// LatDirection; writes TimeOfDay, UTFraction, JulianDayNumber, CenturiesT, SiderealDays, RAMC,
// Obliquity (negated), ObliquityDeg, MC, Ascendant, LatRadians, NegLatRadians, SidHours,
// SidMinutes, SidSeconds, LongitudeValue, LatitudeValue. kNonFinite when any result is not
// finite (a zone, clock or place that is not a finite number); the poles themselves give finite
// values, since π is held as 3.1415926535 and cos 90° is not exactly 0.
ComputeStatus ComputeTimeAndAngles(ChartState& chart);

// The pieces of the time step, for the election window and for tests. Angles in radians unless
// the name says degrees; results in degrees reduced to [0, 360).

// Greenwich sidereal time in days (only the fraction matters) for T in Julian centuries from
// JD 2415020.0 and the time of day (UT, fraction of a day) that T contains.
double SiderealDaysAt(double centuries, double time_of_day);

// Mean obliquity of the ecliptic in degrees, T in Julian centuries from JD 2415020.0.
double ObliquityDegreesAt(double centuries);

// The ecliptic longitude of the MC: tan MC = tan RAMC / cos ε, in the quadrant of RAMC.
double MidheavenDegrees(double ramc, double obliquity);

// The Ascendant for the local sidereal angle ramc and the latitude (north positive); the
// obliquity is passed negated (-ε), as the chart keeps it.
double AscendantDegrees(double ramc, double latitude, double negated_obliquity);

}  // namespace orvantis
