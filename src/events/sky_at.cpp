#include "events/sky_at.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "chart/time_scales.h"
#include "ephemeris/ephemeris.h"
#include "ephemeris/precise_ephemeris.h"
#include "settings/option_lines.h"

namespace orvantis {
SkyLongitudes LongitudesAt(const SkyMoment& moment) {
    const Ephemeris e = ComputeEphemeris(moment.julian_day_number, moment.time_of_day);
    SkyLongitudes sky;
    sky.finite = e.status == ComputeStatus::kOk;
    for (int body = kSun; body <= kNode; ++body) sky.longitude[body] = e.PlanetLong[body];
    sky.true_node = e.TrueNode;
    sky.svp_offset = e.SvpOffset;
    sky.ayanamsa = e.Ayanamsa;
    return sky;
}

SkyPlace HomeSkyPlace(const OptionValues& options) {
    const HomeLocation home = HomePlace(options);
    return {SignedDmmToDecimal(home.PackedLongitude()), SignedDmmToDecimal(home.PackedLatitude())};
}

SkyAngles AnglesAt(const SkyMoment& moment, const SkyPlace& place, EphemerisChoice ephemeris) {
    if (ephemeris == EphemerisChoice::kPrecise) {
        const PreciseEarthAngles earth =
            PreciseEarthAnglesAt(moment.julian_day_number + moment.time_of_day - 0.5);
        const double ramc = RamcRadians(earth.apparent_sidereal_time / 360.0, place.west_longitude);
        const double obliquity = DegToRad(earth.true_obliquity);
        return {AscendantDegrees(ramc, DegToRad(place.latitude), obliquity),
                MidheavenDegrees(ramc, obliquity)};
    }
    const double t = CenturiesSince1900(moment.julian_day_number, moment.time_of_day);
    const double ramc = RamcRadians(SiderealDaysAt(t, moment.time_of_day), place.west_longitude);
    const double obliquity = DegToRad(ObliquityDegreesAt(t));
    return {AscendantDegrees(ramc, DegToRad(place.latitude), obliquity),
            MidheavenDegrees(ramc, obliquity)};
}

}  // namespace orvantis
