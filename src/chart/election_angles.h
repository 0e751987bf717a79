// The election window's angle tool: the MC and Ascendant of an election chart as the window shows
// them, stepping the MC by arc minutes and finding the clock time at which the stepped MC
// culminates. Pure functions over the chart record, so the window stays a thin shell.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_state.h"

namespace orvantis {

// The twelve three-letter sign abbreviations, Aries first.
inline constexpr std::string_view kSignAbbrevs = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";

// What the angle tool shows and remembers between presses of "+" and "-".
struct ShownAngles {
    double ShownMC = 0;   // degrees [0, 360), in the chart's zodiac
    double ShownAsc = 0;  // degrees [0, 360), in the chart's zodiac
    // The chart's zodiac minus the tropical one, in degrees (0 for the tropical zodiac). The
    // MC search runs on tropical values, so a sidereal MC is compared like with like.
    double ZodiacShift = 0;
    int MCStep = 1;  // +1 or -1: the direction of the last "+" or "-"
};

// The angles of a computed chart: ShownMC = PlanetLong[15], ShownAsc = PlanetLong[14] (both in
// the chart's zodiac) and the zodiac shift read off the chart (PlanetLong[15] against the
// tropical MC).
ShownAngles ShownAnglesOf(const ChartState& chart);

// "15 TAU 30" for 45.5°: degree within the sign and rounded minutes, two digits each. Empty for a
// longitude that is not finite.
std::string FormatZodiacPosition(double longitude);

// The right ascension in degrees [0, 360) of the ecliptic point at longitude `mc` (degrees, any
// value; reduced first) when it stands on the meridian; `obliquity` in radians, either sign. The
// result lies in the same half of the circle as the longitude.
double ElectionMC(double mc, double obliquity);

// Greenwich sidereal time in degrees [0, 360) at the Universal Time `ut_fraction` (days, may lie
// outside [0, 1)) of the civil day whose chart has the time argument `centuries` (Julian
// centuries from JD 2415020.0).
double GreenwichSiderealDegrees(double centuries, double ut_fraction);

// One press of "+" (mc_step +1) or "-" (-1): moves ShownMC by one arc minute, recomputes
// ShownAsc for the chart's latitude and runs FindElectionTime. Reads CenturiesT, LatRadians and
// Longitude of the chart; writes ShownMC, ShownAsc, MCStep, and UTFraction and RAMC of the chart.
void ComputeElectionAngles(ChartState& chart, ShownAngles& shown, int mc_step);

// Searches, in steps of one minute of clock time in the direction of MCStep (0 to 70 minutes from
// UTFraction), the moment whose MC is nearest to ShownMC, and moves the chart's UTFraction and
// RAMC to it. The election data record is not changed: the user reads the time and types it.
void FindElectionTime(ChartState& chart, const ShownAngles& shown);

// The local clock time of the chart's moment as a fraction of the day in [0, 1):
// (UTFraction · 24 - ChartZone) / 24, wrapped into the day.
double MediumTimeValue(const ChartState& chart);

// A fraction of the day as a 12-hour clock time without seconds, "03:07 PM" (rounded to the
// second first, so 14:59:59.7 reads "03:00 PM"). Empty for a value that is not finite.
std::string FormatMediumTime(double day_fraction);

}  // namespace orvantis
