#include "ephemeris/ephemeris.h"

#include <array>
#include <cmath>
#include <string>

#include "chart/angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/orbits.h"
#include "ephemeris/sun.h"

namespace orvantis {

namespace {

// One day in Julian centuries.
constexpr double kOneDay = 1.0 / 36525.0;

// Pluto's series keeps the equinox of 1950 (JD 2433283, January 1.5); 1.33° a century, close to
// the general precession, carries it to the equinox of date. It counts whole day numbers, so it
// is the chart day's at both moments.
double PlutoDrift(double julian_day_number) {
    return (julian_day_number - 2433283.0) * 1.33 / 36525.0;
}

// Sun .. Moon at one moment, by body number (index 0 unused), and the Moon's nodes.
struct BodySet {
    std::array<double, 11> longitude{};
    double mean_node = 0;
    double true_node = 0;
    ComputeStatus status = ComputeStatus::kOk;
};

// The three time arguments of one moment: Julian centuries from 1900 January 0.5 for the Sun and
// Moon and for Jupiter .. Pluto, from J2000 for Mercury, Venus and Mars.
struct TimeArguments {
    double sun_moon;
    double inner;
    double outer;
};

void Merge(ComputeStatus status, BodySet& set) {
    if (status != ComputeStatus::kOk) set.status = status;
}

BodySet ComputeBodies(const TimeArguments& t, double julian_day_number) {
    BodySet set;
    set.longitude[kSun] = Reduce360(ComputeSun(t.sun_moon));
    const MoonPosition moon = ComputeMoon(t.sun_moon);
    set.longitude[kMoon] = Reduce360(moon.MoonLongitude);
    set.mean_node = Reduce360(moon.MoonMeanNode);
    set.true_node = Reduce360(moon.TrueNode);

    // Each group starts with the Earth, whose position the geocentric step of the others needs.
    const PlanetResult inner_earth = ComputeInnerPlanet(1, t.inner, {});
    Merge(inner_earth.status, set);
    for (int body = kMercury; body <= kMars; ++body) {
        const PlanetResult planet = ComputeInnerPlanet(body, t.inner, inner_earth.helio);
        Merge(planet.status, set);
        set.longitude[body] = Reduce360(planet.GeoLongitude);
    }

    const PlanetResult outer_earth = ComputeOuterPlanet(1, t.outer, {});
    Merge(outer_earth.status, set);
    for (int body = kJupiter; body <= kPluto; ++body) {
        const PlanetResult planet = ComputeOuterPlanet(body, t.outer, outer_earth.helio);
        Merge(planet.status, set);
        double longitude = Reduce360(planet.GeoLongitude);
        if (body == kUranus || body == kNeptune) longitude += planet.LongitudeCorrection;
        if (body == kPluto) longitude += PlutoDrift(julian_day_number);
        set.longitude[body] = Reduce360(longitude);
    }
    return set;
}

// SvpOffset and Ayanamsa at the chart moment, with nutation in longitude from the Moon's mean
// node and the Sun's mean longitude.
void ComputeSiderealOffsets(ChartState& chart) {
    const double t = chart.CenturiesT;
    const double julian_date = chart.JulianDayNumber + chart.TimeOfDay - 0.5;
    const double sun_mean_longitude = 279.696678 + 36000.768925 * t + 0.0003025 * t * t;
    const double node = 259.183275 - 1934.142008 * t + 0.002078 * t * t + 0.0000022 * t * t * t;
    const double NutationLongitude =
        (-(17.2327 + 0.01737 * t) * SinDeg(node) - 1.273 * SinDeg(2.0 * sun_mean_longitude)) /
        3600.0;
    // 360° less 84038.27″ at 1900 advanced by the general precession; this nutation term has no
    // T part.
    chart.SvpOffset = Reduce360((17.2327 * SinDeg(node) + 1.273 * SinDeg(2.0 * sun_mean_longitude) -
                                 (5025.64 + 1.11 * t) * t - 84038.27) /
                                3600.0);
    chart.Ayanamsa =
        22.46045833333 + (julian_date - 2415020.0) / 365.25 / 71.61 + NutationLongitude;
}

void SetRetroMarks(ChartState& chart) {
    chart.RetroMarks = std::string(kBodyCount, ' ');
    for (int body = kMercury; body <= kPluto; ++body) {
        if (IsRetrograde(chart.PlanetLong[body], chart.PlanetLongNext[body])) {
            chart.RetroMarks[body - 1] = 'R';
        }
    }
}

bool OutputsFinite(const ChartState& chart) {
    bool finite = std::isfinite(chart.SvpOffset) && std::isfinite(chart.Ayanamsa) &&
                  std::isfinite(chart.TrueNodeLongitude);
    for (int body = kSun; body <= kBodyCount; ++body) {
        finite = finite && std::isfinite(chart.PlanetLong[body]);
    }
    for (int body = kSun; body <= kMoon; ++body) {
        finite = finite && std::isfinite(chart.PlanetLongNext[body]);
    }
    return finite;
}

}  // namespace

bool IsRetrograde(double now, double next) {
    if (std::abs(now - next) >= 180.0) {
        if (now > next) {
            next += 360.0;
        } else {
            now += 360.0;
        }
    }
    return now > next;
}

ComputeStatus ComputeEphemeris(ChartState& chart) {
    const double t = chart.CenturiesT;
    ComputeSiderealOffsets(chart);

    // Mercury to Mars take centuries from J2000. The outer group recomputes T from the day number
    // and the time of day, as the time step defines it.
    const double t2000 = (chart.JulianDayNumber - 2451545.0 + chart.TimeOfDay - 0.5) / 36525.0;
    const double t_outer = (chart.JulianDayNumber - 2415020.0 + chart.TimeOfDay - 0.5) / 36525.0;
    const TimeArguments now{t, t2000, t_outer};
    const TimeArguments next{t + kOneDay, t2000 + kOneDay, t_outer + kOneDay};
    const BodySet first = ComputeBodies(now, chart.JulianDayNumber);
    const BodySet second = ComputeBodies(next, chart.JulianDayNumber);

    for (int body = kSun; body <= kMoon; ++body) {
        chart.PlanetLong[body] = first.longitude[body];
        chart.PlanetLongNext[body] = second.longitude[body];
    }
    if (chart.TrueNodeLongitude == kTrueNodeUnset) chart.TrueNodeLongitude = first.true_node;
    chart.PlanetLong[kNode] = first.mean_node;
    chart.PlanetLong[kOppositeNode] = Reduce360(first.mean_node + 180.0);
    chart.PlanetLong[kFortune] =
        Reduce360(chart.PlanetLong[kMoon] + chart.Ascendant - chart.PlanetLong[kSun]);
    // The Ascendant itself: in Morinus and Meridian houses the 1st cusp is another point.
    chart.PlanetLong[kAscendantBody] = chart.Ascendant;
    chart.PlanetLong[kMCBody] = chart.MC;
    SetRetroMarks(chart);

    if (first.status != ComputeStatus::kOk || second.status != ComputeStatus::kOk) {
        return ComputeStatus::kNonFinite;
    }
    return OutputsFinite(chart) ? ComputeStatus::kOk : ComputeStatus::kNonFinite;
}

}  // namespace orvantis
