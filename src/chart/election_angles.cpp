#include "chart/election_angles.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "chart/ephemeris_mode.h"
#include "chart/time_scales.h"

namespace orvantis {
namespace {

// The minutes of clock time the search looks ahead of the current moment.
constexpr int kSearchMinutes = 70;

// The sidereal time and obliquity of the chart's own ephemeris at the UT fraction ut of its day.
EarthAngles EarthAnglesAt(const ChartState& chart, double ut) {
    return EarthAnglesFor(chart.ChartEphemeris, chart.JulianDayNumber, chart.CenturiesT, ut);
}

// The Ascendant (degrees) for the right ascension of the MC `ramc`, the latitude and the
// obliquity ε (radians): tan Asc = cos RAMC / -(sin RAMC cos ε + tan φ sin ε). The half of the
// circle follows the cosine of this RAMC; using the chart's stored RAMC there, which trails the
// stepped MC by up to seventy minutes of time, turned the Ascendant by 180° near RAMC 90° and 270°.
double ElectionAscendant(double ramc, double latitude, double obliquity) {
    const double across =
        -(std::sin(ramc) * std::cos(obliquity) + std::tan(latitude) * std::sin(obliquity));
    double c = std::atan(std::cos(ramc) / across);
    if (c < 0) c += kPi;
    if (std::cos(ramc) < 0) c += kPi;
    return Reduce360(RadToDeg(c));
}

// The distance of two longitudes the short way round: 359°50' and 0°10' are 20' apart.
double ArcDistance(double a, double b) {
    const double d = std::fabs(Reduce360(a) - Reduce360(b));
    return d > 180.0 ? 360.0 - d : d;
}

}  // namespace

ShownAngles ShownAnglesOf(const ChartState& chart) {
    ShownAngles shown;
    shown.ShownMC = chart.PlanetLong[kMCBody];
    shown.ShownAsc = chart.PlanetLong[kAscendantBody];
    // The driver moves PlanetLong into the chosen zodiac but keeps MC tropical.
    shown.ZodiacShift = Reduce360(chart.PlanetLong[kMCBody] - chart.MC);
    if (!std::isfinite(shown.ZodiacShift)) shown.ZodiacShift = 0;
    return shown;
}

std::string FormatZodiacPosition(double longitude) {
    if (!std::isfinite(longitude)) return {};
    const SignDegreeMinute s = SplitLongitude(Reduce360(longitude));
    const int sign = s.sign >= 1 && s.sign <= 12 ? s.sign : 1;
    char text[32];
    std::snprintf(text, sizeof text, "%02d %.*s %02d", s.degree, 3,
                  kSignAbbrevs.data() + 3 * (sign - 1), s.minute);
    return text;
}

double ElectionMC(double mc, double obliquity) {
    mc = Reduce360(mc);
    const double r = RadToDeg(std::atan(SinDeg(mc) * std::cos(obliquity) / CosDeg(mc)));
    if ((r >= 0 && mc <= 180) || (r < 0 && mc > 180)) return Reduce360(r);
    return r + 180.0;
}

double GreenwichSiderealDegrees(double centuries, double ut_fraction) {
    // 6h38m45.836s + 8640184.54 s T + 0.0929 s T², the same series as the chart's time step;
    // T already holds the time of day, the hours of the day are added in solar time.
    const double st0_hours =
        (23925.836 + 8640184.54 * centuries + 0.0929 * centuries * centuries) / 3600.0;
    const double sidereal_days = (ut_fraction * 24.0 + st0_hours) / 24.0;
    return (sidereal_days - std::floor(sidereal_days)) * 24.0 * 15.0;
}

void ComputeElectionAngles(ChartState& chart, ShownAngles& shown, int mc_step) {
    shown.MCStep = mc_step < 0 ? -1 : 1;
    shown.ShownMC = Reduce360(shown.ShownMC + shown.MCStep / 60.0);
    // The obliquity is a local here: the chart keeps -ε for its houses and ephemeris.
    const double obliquity = EarthAnglesAt(chart, chart.UTFraction).obliquity;
    const double tropical_mc = Reduce360(shown.ShownMC - shown.ZodiacShift);
    const double ramc = DegToRad(ElectionMC(tropical_mc, obliquity));
    shown.ShownAsc =
        Reduce360(ElectionAscendant(ramc, chart.LatRadians, obliquity) + shown.ZodiacShift);
    FindElectionTime(chart, shown);
}

void FindElectionTime(ChartState& chart, const ShownAngles& shown) {
    const double obliquity = EarthAnglesAt(chart, chart.UTFraction).obliquity;
    const double target = Reduce360(shown.ShownMC - shown.ZodiacShift);
    const double longitude = chart.Longitude;
    const auto ramc_at = [&](int k) {
        const double ut = chart.UTFraction + shown.MCStep * k / 1440.0;
        return DegToRad(Reduce360(EarthAnglesAt(chart, ut).sidereal_degrees - longitude));
    };
    double best_difference = 360.0;
    int best_k = 0;
    for (int k = 0; k <= kSearchMinutes; ++k) {
        // Measured the short way round, so a target just past 0° still finds a MC just below.
        const double difference = ArcDistance(MidheavenDegrees(ramc_at(k), obliquity), target);
        if (difference < best_difference) {
            best_difference = difference;
            best_k = k;
        }
    }
    // RAMC is left at the found moment, so UTFraction and RAMC describe the same instant.
    chart.RAMC = ramc_at(best_k);
    chart.UTFraction += shown.MCStep * best_k / 1440.0;
}

double MediumTimeValue(const ChartState& chart) {
    const double value = (chart.UTFraction * 24.0 - chart.ChartZone) / 24.0;
    return value - std::floor(value);
}

std::string FormatMediumTime(double day_fraction) {
    if (!std::isfinite(day_fraction)) return {};
    const double wrapped = day_fraction - std::floor(day_fraction);
    const long seconds = std::lround(wrapped * 86400.0) % 86400;
    const long hour24 = seconds / 3600, minute = seconds % 3600 / 60;
    const long hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld %s", hour12, minute, hour24 < 12 ? "AM" : "PM");
    return text;
}

}  // namespace orvantis
