#include "events/sky_at.h"

#include <cmath>

#include "astro/angles.h"
#include "chart/time_scales.h"
#include "ephemeris/ephemeris.h"
#include "settings/option_lines.h"

namespace orvantis {
namespace {

double CenturiesAt(const SkyMoment& m) {
    return (m.julian_day_number - 2415020.0 + m.time_of_day - 0.5) / 36525.0;
}

double Sign(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// A D.MM value with its sign, held as the chart keeps it (a single), to decimal degrees.
double SignedDmm(float dmm) {
    return Sign(dmm) * DmmToDecimal(std::fabs(static_cast<double>(dmm)));
}

}  // namespace

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
    auto longitude = static_cast<float>(home.long_degrees + home.long_minutes / 100.0);
    if (!home.west) longitude = -longitude;
    auto latitude = static_cast<float>(home.lat_degrees + home.lat_minutes / 100.0);
    if (home.south) latitude = -latitude;
    return {SignedDmm(longitude), SignedDmm(latitude)};
}

SkyAngles AnglesAt(const SkyMoment& moment, const SkyPlace& place) {
    const double t = CenturiesAt(moment);
    const double days = SiderealDaysAt(t, moment.time_of_day);
    const double ramc =
        DegToRad(Reduce360((days - std::floor(days)) * 24.0 * 15.0 - place.west_longitude));
    const double obliquity = DegToRad(ObliquityDegreesAt(t));
    return {AscendantDegrees(ramc, DegToRad(place.latitude), obliquity),
            MidheavenDegrees(ramc, obliquity)};
}

}  // namespace orvantis
