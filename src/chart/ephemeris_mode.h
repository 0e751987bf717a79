// The chart's side of the ephemeris choice: which one the options ask for, and the time step
// each one takes.
#pragma once

#include "chart/time_scales.h"
#include "ephemeris/ephemeris_choice.h"
#include "settings/option_values.h"

namespace orvantis {

// Option line 132: 1 the precise ephemeris; any other value (0, a file without the line) the
// built-in series.
EphemerisChoice EphemerisOf(const OptionValues& options);

// The time step of a chart. The built-in series take ComputeTimeAndAngles as it is; the precise
// ephemeris takes the same moment and place with the apparent sidereal time and the true
// obliquity, so the houses stand where the apparent positions are measured from.
TimeAndAngles TimeAndAnglesFor(EphemerisChoice choice, const ChartMoment& moment);

// The Greenwich sidereal time (degrees [0, 360)) and the obliquity (radians) of that time step at
// the UT fraction `ut_fraction` of the civil day `julian_day_number`, whose chart has the time
// argument `centuries`: the election tool's minute-by-minute search takes them from here.
struct EarthAngles {
    double sidereal_degrees = 0;
    double obliquity = 0;
};
EarthAngles EarthAnglesFor(EphemerisChoice choice, double julian_day_number, double centuries,
                           double ut_fraction);

}  // namespace orvantis
