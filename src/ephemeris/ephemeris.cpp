#include "ephemeris/ephemeris.h"

#include <array>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/calendar.h"
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

// The three time arguments of one moment: Julian centuries from 1900 January 0.5 for the Sun and
// Moon and for Jupiter .. Pluto, from J2000 for Mercury, Venus and Mars.
struct TimeArguments {
    double sun_moon;
    double inner;
    double outer;
};

TimeArguments ArgumentsAt(double julian_day_number, double ut_fraction) {
    const double t1900 = CenturiesSince1900(julian_day_number, ut_fraction);
    const double t2000 = (julian_day_number - 2451545.0 + ut_fraction - 0.5) / 36525.0;
    return {t1900, t2000, t1900};
}

void Merge(ComputeStatus status, BodyLongitudes& set) {
    if (status != ComputeStatus::kOk) set.status = status;
}

BodyLongitudes ComputeBodies(const TimeArguments& t, double julian_day_number) {
    BodyLongitudes set;
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
    bool finite = std::isfinite(set.mean_node) && std::isfinite(set.true_node);
    for (int body = kSun; body <= kMoon; ++body)
        finite = finite && std::isfinite(set.longitude[body]);
    if (!finite) set.status = ComputeStatus::kNonFinite;
    return set;
}

// SvpOffset and Ayanamsa at the moment, with nutation in longitude from the Moon's mean node and
// the Sun's mean longitude; t in Julian centuries from JD 2415020.0.
void ComputeSiderealOffsets(double t, double julian_date, Ephemeris& e) {
    const double sun_mean_longitude = 279.696678 + 36000.768925 * t + 0.0003025 * t * t;
    const double node = 259.183275 - 1934.142008 * t + 0.002078 * t * t + 0.0000022 * t * t * t;
    const double nutation_longitude =
        (-(17.2327 + 0.01737 * t) * SinDeg(node) - 1.273 * SinDeg(2.0 * sun_mean_longitude)) /
        3600.0;
    // 360° less 84038.27″ at 1900 advanced by the general precession; this nutation term has no
    // T part.
    e.SvpOffset = Reduce360((17.2327 * SinDeg(node) + 1.273 * SinDeg(2.0 * sun_mean_longitude) -
                             (5025.64 + 1.11 * t) * t - 84038.27) /
                            3600.0);
    e.Ayanamsa = 22.46045833333 + (julian_date - 2415020.0) / 365.25 / 71.61 + nutation_longitude;
}

}  // namespace

SiderealOffsets SiderealOffsetsAt(double julian_day_number, double ut_fraction) {
    Ephemeris e;
    ComputeSiderealOffsets(ArgumentsAt(julian_day_number, ut_fraction).sun_moon,
                           julian_day_number + ut_fraction - 0.5, e);
    return {e.SvpOffset, e.Ayanamsa};
}

double ZodiacShift(int zodiac, double svp_offset, double ayanamsa) {
    if (zodiac == 1) return Reduce360(svp_offset);
    if (zodiac == 2) return -Reduce360(ayanamsa);
    return 0.0;
}

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

BodyLongitudes BodyLongitudesAt(double julian_day_number, double ut_fraction) {
    return ComputeBodies(ArgumentsAt(julian_day_number, ut_fraction), julian_day_number);
}

BodyLongitudes BodyLongitudesAt(double jd_ut) {
    const double julian_day_number = std::floor(jd_ut + 0.5);
    return BodyLongitudesAt(julian_day_number, jd_ut + 0.5 - julian_day_number);
}

Ephemeris ComputeEphemeris(double julian_day_number, double ut_fraction) {
    Ephemeris e;
    const TimeArguments now = ArgumentsAt(julian_day_number, ut_fraction);
    ComputeSiderealOffsets(now.sun_moon, julian_day_number + ut_fraction - 0.5, e);

    // A day later in every time argument at once, so that both move by exactly 1/36525.
    const TimeArguments next{now.sun_moon + kOneDay, now.inner + kOneDay, now.outer + kOneDay};
    const BodyLongitudes first = ComputeBodies(now, julian_day_number);
    const BodyLongitudes second = ComputeBodies(next, julian_day_number);

    for (int body = kSun; body <= kMoon; ++body) {
        e.PlanetLong[body] = first.longitude[body];
        e.PlanetLongNext[body] = second.longitude[body];
    }
    e.TrueNode = first.true_node;
    e.PlanetLong[kNode] = first.mean_node;
    e.PlanetLong[kOppositeNode] = Reduce360(first.mean_node + 180.0);
    for (int body = kMercury; body <= kPluto; ++body) {
        if (IsRetrograde(e.PlanetLong[body], e.PlanetLongNext[body])) e.Retrograde[body - 1] = true;
    }

    bool finite = first.status == ComputeStatus::kOk && second.status == ComputeStatus::kOk &&
                  std::isfinite(e.SvpOffset) && std::isfinite(e.Ayanamsa) &&
                  std::isfinite(e.PlanetLong[kOppositeNode]);
    e.status = finite ? ComputeStatus::kOk : ComputeStatus::kNonFinite;
    return e;
}

}  // namespace orvantis
