// The ephemeris a chart is computed with, and the one seam through which the chart driver, the
// wheel, the aspects and the event finder take their positions: none of them knows which of the
// two is in use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/ephemeris.h"

namespace orvantis {

// kBuiltin: the analytic series of this program (the default; its charts never change).
// kPrecise: apparent positions from libnova's theories with ΔT (ephemeris/precise_ephemeris.h).
enum class EphemerisChoice { kBuiltin, kPrecise };

// "builtin" or "precise": the word of the command line and of the JSON.
std::string_view EphemerisWord(EphemerisChoice choice);
std::optional<EphemerisChoice> EphemerisFromWord(std::string_view word);

// The years an ephemeris is trusted over. The built-in series are fitted to 1900-2099; in the
// precise one Pluto's series holds 1885-2099 while VSOP87 and ELP 2000-82B hold far wider.
struct EphemerisRange {
    int first_year;
    int last_year;
};
EphemerisRange RangeOf(EphemerisChoice choice);

// The warning for a chart or span whose years [first_year, last_year] leave the range; nullopt
// inside it.
std::optional<std::string> RangeWarning(EphemerisChoice choice, int first_year, int last_year);

// The chart's bodies now and a day later, the retrograde marks and the sidereal offsets at the
// moment of the time step (whole Julian day number, UT fraction of that civil day). In the
// precise mode PlanetLongNext holds each longitude moved by a day at the moment's speed, and the
// marks follow the sign of that speed; the sidereal offsets are the same in both modes.
Ephemeris ComputeEphemeris(EphemerisChoice choice, double julian_day_number, double ut_fraction);

}  // namespace orvantis
