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

}  // namespace orvantis
