// What the event finder asks of the chart computation: the body longitudes and the two angles at
// one moment, from the same formulas the chart uses. The one place that knows how the ephemeris
// and the time step are called.
#pragma once

#include <array>

#include "ephemeris/ephemeris_choice.h"
#include "settings/option_values.h"

namespace orvantis {

// A moment as the chart's formulas take it: the Julian day number of a UT date and the time of
// day, UT, as a fraction of that day (it may leave [0, 1): a moment half a day earlier on the
// same day number). The day number matters apart from the moment itself: Pluto's equinox term
// counts whole day numbers, so the chart's daily motion keeps it fixed across the day.
struct SkyMoment {
    double julian_day_number = 0;
    double time_of_day = 0;
};

// Tropical longitudes in degrees, [0, 360), by body number (Sun 1 .. Moon 10, 11 the mean node;
// other entries 0), the true node, and the two sidereal offsets (SvpOffset reduced to [0, 360),
// Ayanamsa not). finite is false when a value is not finite.
struct SkyLongitudes {
    std::array<double, 12> longitude{};
    double true_node = 0;
    double svp_offset = 0;
    double ayanamsa = 0;
    bool finite = true;
};
SkyLongitudes LongitudesAt(const SkyMoment& moment);

// A place as the time step takes it: degrees, longitude west positive, latitude north positive.
struct SkyPlace {
    double west_longitude = 0;
    double latitude = 0;
    bool operator==(const SkyPlace&) const = default;
};

// The home place of the options file (lines 19 .. 24), read as the chart driver reads it.
SkyPlace HomeSkyPlace(const OptionValues& options);

// Tropical Ascendant and MC in degrees, [0, 360), in the time step of the chosen ephemeris.
struct SkyAngles {
    double ascendant = 0;
    double mc = 0;
};
SkyAngles AnglesAt(const SkyMoment& moment, const SkyPlace& place,
                   EphemerisChoice ephemeris = EphemerisChoice::kBuiltin);

}  // namespace orvantis
