#include "events/sky_at.h"

#include <cmath>

#include "chart/angles.h"
#include "chart/chart_state.h"
#include "chart/time_scales.h"
#include "ephemeris/ephemeris.h"

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
    ChartState chart;
    chart.JulianDayNumber = moment.julian_day_number;
    chart.TimeOfDay = moment.time_of_day;
    chart.CenturiesT = CenturiesAt(moment);
    chart.TrueNodeLongitude = kTrueNodeUnset;
    SkyLongitudes sky;
    sky.finite = ComputeEphemeris(chart) == ComputeStatus::kOk;
    for (int body = kSun; body <= kNode; ++body) sky.longitude[body] = chart.PlanetLong[body];
    sky.true_node = chart.TrueNodeLongitude;
    sky.svp_offset = chart.SvpOffset;
    sky.ayanamsa = chart.Ayanamsa;
    return sky;
}

SkyPlace HomeSkyPlace(const OptionValues& options) {
    auto longitude = static_cast<float>(options[19] + options[20] / 100.0);
    if (options[21] == -1) longitude = -longitude;
    auto latitude = static_cast<float>(options[22] + options[23] / 100.0);
    if (options[24] == -1) latitude = -latitude;
    return {SignedDmm(longitude), SignedDmm(latitude)};
}

SkyAngles AnglesAt(const SkyMoment& moment, const SkyPlace& place) {
    const double t = CenturiesAt(moment);
    const double days = SiderealDaysAt(t, moment.time_of_day);
    const double ramc =
        DegToRad(Reduce360((days - std::floor(days)) * 24.0 * 15.0 - place.west_longitude));
    const double obliquity = DegToRad(ObliquityDegreesAt(t));
    return {AscendantDegrees(ramc, DegToRad(place.latitude), -obliquity),
            MidheavenDegrees(ramc, obliquity)};
}

}  // namespace orvantis
