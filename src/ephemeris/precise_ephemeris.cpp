#include "ephemeris/precise_ephemeris.h"

#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/nutation.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/sidereal_time.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <cmath>
#include <iterator>

#include "ephemeris/orbits.h"

namespace orvantis {
namespace {

// Full double π here: these positions are compared with other ephemerides to the milliarcsecond.
constexpr double kRad = 3.14159265358979323846 / 180.0;
constexpr double kArcsec = kRad / 3600.0;
constexpr double kAuKm = 149597870.7;
constexpr double kLightAuPerDay = 173.1446326846693;
constexpr double kJ2000 = 2451545.0;
constexpr double kGaussSquared = 2.959122082855911e-4;  // k², AU³ per day² (the Sun's GM)
// ELP terms smaller than this are left out: the Moon moves by less than 0.25" and costs a
// fiftieth of the whole series.
constexpr double kLunarPrecision = 1e-7;
// The steps over which the Earth's and the Moon's velocities are taken, days: short enough that
// the curvature of the path moves the aberration and the Moon's osculating node by less than
// 0.01" and 1".
constexpr double kVelocityStep = 0.01;
constexpr double kMoonVelocityStep = 0.0005;

struct Vec {
    double x = 0, y = 0, z = 0;
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double Norm() const { return std::sqrt(x * x + y * y + z * z); }
};

// ΔT at the start of each year 1973 .. 2025, seconds (IERS: 32.184 s + TAI-UTC - (UT1-UTC)).
constexpr int kFirstObservedYear = 1973;
constexpr double kObservedDeltaT[] = {
    43.4724, 44.4841, 45.4761, 46.4567, 47.5214, 48.5344, 49.5861, 50.5387, 51.3808,
    52.1668, 52.9565, 53.7882, 54.3427, 54.8712, 55.3222, 55.8197, 56.3000, 56.8553,
    57.5653, 58.3092, 59.1218, 59.9845, 60.7853, 61.6287, 62.2950, 62.9659, 63.4673,
    63.8285, 64.0908, 64.2998, 64.4734, 64.5736, 64.6876, 64.8452, 65.1464, 65.4574,
    65.7768, 66.0699, 66.3246, 66.6030, 66.9069, 67.2810, 67.6439, 68.1024, 68.5927,
    68.9677, 69.2202, 69.3612, 69.3594, 69.2945, 69.2039, 69.1752, 69.1400};
constexpr int kLastObservedYear =
    kFirstObservedYear + static_cast<int>(std::size(kObservedDeltaT)) - 1;

// Espenak and Meeus' polynomials, y the decimal year.
double PolynomialDeltaT(double y) {
    if (y < 1800) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * t * t * t -
               0.00037436 * std::pow(t, 4) + 0.0000121272 * std::pow(t, 5) -
               0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    if (y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

// Heliocentric ecliptic rectangular coordinates (AU, J2000 ecliptic and equinox) from libnova's
// spherical ones.
Vec Rectangular(const ln_helio_posn& p) {
    const double l = p.L * kRad, b = p.B * kRad;
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

using HelioFunction = void (*)(double, ln_helio_posn*);

HelioFunction HelioOf(int body) {
    switch (body) {
        case kMercury:
            return ln_get_mercury_helio_coords;
        case kVenus:
            return ln_get_venus_helio_coords;
        case kMars:
            return ln_get_mars_helio_coords;
        case kJupiter:
            return ln_get_jupiter_helio_coords;
        case kSaturn:
            return ln_get_saturn_helio_coords;
        case kUranus:
            return ln_get_uranus_helio_coords;
        case kNeptune:
            return ln_get_neptune_helio_coords;
        case kPluto:
            return ln_get_pluto_helio_coords;
        default:
            return ln_get_earth_helio_coords;
    }
}

Vec HelioAt(int body, double jd_tt) {
    ln_helio_posn p{};
    HelioOf(body)(jd_tt, &p);
    return Rectangular(p);
}

// The Moon from the Earth's centre, AU, J2000 ecliptic and equinox.
Vec MoonAt(double jd_tt) {
    ln_rect_posn m{};
    ln_get_lunar_geo_posn(jd_tt, &m, kLunarPrecision);
    return Vec{m.X, m.Y, m.Z} * (1.0 / kAuKm);
}

// Nutation in longitude and the true obliquity, degrees. libnova keeps its last result for a
// tenth of a day and hands it back for any moment that close; asking first for a moment far away
// makes it compute afresh, so a position never depends on what was asked before it.
struct Nutation {
    double longitude = 0;
    double true_obliquity = 0;
};
Nutation NutationAt(double jd_tt) {
    ln_nutation n{};
    ln_get_nutation(jd_tt + 1000.0, &n);
    ln_get_nutation(jd_tt, &n);
    // The mean obliquity of IAU 2006, like the precession; libnova gives the nutation in it.
    const double t = (jd_tt - kJ2000) / 36525.0;
    const double mean = (84381.406 + (-46.836769 + (-0.0001831 + 0.00200340 * t) * t) * t) / 3600.0;
    return {n.longitude, mean + n.obliquity};
}

// The ecliptic precession from J2000 to the mean ecliptic and equinox of date (IAU 2006 angles
// of Capitaine, Wallace and Chapront 2003), applied to a vector: its longitude (degrees, not
// reduced) and latitude in the frame of date.
struct Direction {
    double longitude = 0;
    double latitude = 0;
};
struct Precession {
    double cos_eta, sin_eta, cos_pi, sin_pi, pi_plus_p;  // radians for the last
};
Precession PrecessionAt(double jd_tt) {
    const double t = (jd_tt - kJ2000) / 36525.0;
    const double eta = (46.998973 + (-0.0334926 + (-0.00012559) * t) * t) * t * kArcsec;
    const double node = (629546.7936 + (-867.95758 + (0.157992 - 0.0005371 * t) * t) * t) * kArcsec;
    const double p = (5028.796195 + (1.1054348 + 0.00007964 * t) * t) * t * kArcsec;
    return {std::cos(eta), std::sin(eta), std::cos(node), std::sin(node), node + p};
}
Direction OfDate(const Precession& pr, const Vec& v) {
    const double across = pr.sin_pi * v.x - pr.cos_pi * v.y;
    const double a = pr.cos_eta * across - pr.sin_eta * v.z;
    const double b = pr.cos_pi * v.x + pr.sin_pi * v.y;
    const double c = pr.cos_eta * v.z + pr.sin_eta * across;
    return {(pr.pi_plus_p - std::atan2(a, b)) / kRad, std::atan2(c, std::hypot(a, b)) / kRad};
}

// The rate of the longitude (degrees per day) of a vector moving with velocity w.
double LongitudeRate(const Vec& v, const Vec& w) {
    return (v.x * w.y - v.y * w.x) / (v.x * v.x + v.y * v.y) / kRad;
}
// The general precession in longitude, degrees per day: what the frame of date adds to a rate
// taken in the J2000 frame.
constexpr double kPrecessionRate = 5028.796195 / 3600.0 / 36525.0;

double Reduce(double degrees) {
    const double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// What every body needs of one moment: the Earth now and its velocity, the frame of date.
struct Observer {
    double jd_tt;
    Vec earth;
    Vec earth_velocity;      // AU per day
    Vec earth_acceleration;  // AU per day²
    Precession precession;
    Nutation nutation;
    double nutation_rate = 0;  // degrees per day
};
Observer ObserverAt(double jd_tt) {
    const Vec earth = HelioAt(0, jd_tt);
    const Vec before = HelioAt(0, jd_tt - kVelocityStep);
    // The Sun's pull, which also takes the backward difference to the moment itself.
    const Vec acceleration = earth * (-kGaussSquared / std::pow(earth.Norm(), 3));
    const Vec velocity =
        (earth - before) * (1.0 / kVelocityStep) + acceleration * (kVelocityStep / 2);
    // The nutation moves every longitude by up to 0.2" a day (its fortnightly term above all).
    const double nutation_rate =
        (NutationAt(jd_tt + 0.05).longitude - NutationAt(jd_tt - 0.05).longitude) / 0.1;
    return {jd_tt,        earth, velocity, acceleration, PrecessionAt(jd_tt), NutationAt(jd_tt),
            nutation_rate};
}

// Apparent longitude and its rate for a geocentric vector already corrected for light time.
// Aberration: the direction moves towards the Earth's velocity by v / c.
struct Apparent {
    double longitude;
    double speed;
};
Apparent ApparentOf(const Observer& o, const Vec& geo, const Vec& geo_velocity, bool aberration) {
    Vec seen = geo, seen_velocity = geo_velocity;
    if (aberration) {
        // The shift changes with the Earth's velocity by up to 0.35" a day: left out of the
        // speed, it would time an outer planet's station hours away from its longitude's.
        const double distance = geo.Norm();
        const double distance_rate =
            (geo.x * geo_velocity.x + geo.y * geo_velocity.y + geo.z * geo_velocity.z) / distance;
        seen = geo + o.earth_velocity * (distance / kLightAuPerDay);
        seen_velocity =
            geo_velocity + (o.earth_acceleration * distance + o.earth_velocity * distance_rate) *
                               (1.0 / kLightAuPerDay);
    }
    const Direction d = OfDate(o.precession, seen);
    return {Reduce(d.longitude + o.nutation.longitude),
            LongitudeRate(seen, seen_velocity) + kPrecessionRate + o.nutation_rate};
}

// The built-in series' heliocentric place of a planet, AU, in that series' own frame: a first
// guess, good to about a thousandth of the distance.
Vec BuiltinHelio(int body, double jd_tt) {
    const PlanetResult p = body <= kMars
                               ? ComputeInnerPlanet(body, (jd_tt - kJ2000) / 36525.0, {})
                               : ComputeOuterPlanet(body, (jd_tt - 2415020.0) / 36525.0, {});
    const double l = p.helio.longitude * kRad, b = p.helio.latitude * kRad;
    const double r = p.helio.radius / kAuKm;
    return {r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b)};
}

// The guess's velocity turned about the ecliptic pole by the angle from the guessed place to the
// precise one, which takes up the difference of frames and most of the guess's own error.
Vec Aligned(const Vec& velocity, const Vec& guess, const Vec& precise) {
    const double turn = std::atan2(precise.y, precise.x) - std::atan2(guess.y, guess.x);
    const double c = std::cos(turn), s = std::sin(turn);
    return {c * velocity.x - s * velocity.y, s * velocity.x + c * velocity.y, velocity.z};
}

// Near a station the guessed velocity could give the speed the wrong sign: there the velocity is
// taken from a second evaluation of the theory. Degrees per day by body, five times the largest
// speed error of the guess over 1900-2100 (Pluto's guess is the theory itself).
constexpr double kFallbackStep = 1e-4;
constexpr double kStationMargin[] = {0, 0, 0.002, 0.002, 0.002, 5e-4, 5e-4, 5e-4, 5e-4, 0};

// A planet: where it was when the light now arriving left it. The light time is taken from the
// guess, the theory evaluated once at that moment, and the place carried over the few seconds
// by which the guess missed at the guessed velocity.
Apparent PlanetAt(const Observer& o, int body) {
    const double step = 0.01;
    // Pluto's theory is cheap enough to be its own guess.
    const auto guess_at = [body](double t) {
        return body == kPluto ? HelioAt(body, t) : BuiltinHelio(body, t);
    };
    const Vec guess = guess_at(o.jd_tt);
    const Vec guess_velocity = (guess - guess_at(o.jd_tt - step)) * (1.0 / step);
    const double guessed_tau =
        (guess - guess_velocity * ((guess - o.earth).Norm() / kLightAuPerDay) - o.earth).Norm() /
        kLightAuPerDay;
    const Vec at = HelioAt(body, o.jd_tt - guessed_tau);
    Vec velocity = Aligned(guess_velocity, guess - guess_velocity * guessed_tau, at);
    const double tau = (at - o.earth).Norm() / kLightAuPerDay;
    Vec then = at + velocity * (guessed_tau - tau);
    Apparent seen = ApparentOf(o, then - o.earth, velocity - o.earth_velocity, true);
    if (std::fabs(seen.speed) < kStationMargin[body]) {
        velocity =
            (at - HelioAt(body, o.jd_tt - guessed_tau - kFallbackStep)) * (1.0 / kFallbackStep);
        then = at + velocity * (guessed_tau - tau);
        seen = ApparentOf(o, then - o.earth, velocity - o.earth_velocity, true);
    }
    return seen;
}

// The Sun: fixed at the heliocentric origin, so only aberration moves it.
Apparent SunAt(const Observer& o) {
    return ApparentOf(o, o.earth * -1.0, o.earth_velocity * -1.0, true);
}

// The Moon shares the Earth's motion about the Sun, so its apparent place is its geocentric place
// when the light left it, without annual aberration.
struct MoonState {
    Vec position, velocity;
};
MoonState MoonStateAt(double jd_tt) {
    const Vec now = MoonAt(jd_tt);
    const Vec before = MoonAt(jd_tt - kMoonVelocityStep);
    return {now, (now - before) * (1.0 / kMoonVelocityStep)};
}
Apparent MoonApparent(const Observer& o, const MoonState& m) {
    const Vec then = m.position - m.velocity * (m.position.Norm() / kLightAuPerDay);
    return ApparentOf(o, then, m.velocity, false);
}

// The node of the Moon's osculating geocentric orbit, on the ecliptic of date with nutation.
double TrueNodeOf(const Observer& o, const MoonState& m) {
    const Vec r = m.position, v = m.velocity;
    const Vec h{r.y * v.z - r.z * v.y, r.z * v.x - r.x * v.z, r.x * v.y - r.y * v.x};
    // The ascending node lies 90° ahead of the orbit's pole h, on the ecliptic of date.
    const Direction pole = OfDate(o.precession, h);
    return Reduce(pole.longitude + 90.0 + o.nutation.longitude);
}

// The mean node: the polynomial of ELP 2000-82B (Chapront-Touzé and Chapront) as Meeus gives it,
// on the true equinox of date.
double MeanNodeOf(const Observer& o) {
    const double t = (o.jd_tt - kJ2000) / 36525.0;
    const double node = 125.0445479 - 1934.1362891 * t + 0.0020754 * t * t + t * t * t / 467441.0 -
                        t * t * t * t / 60616000.0;
    return Reduce(node + o.nutation.longitude);
}

double TerrestrialTime(double jd_ut) {
    return jd_ut + DeltaTSeconds(jd_ut) / 86400.0;
}

}  // namespace

double DeltaTSeconds(double jd_ut) {
    const double y = 2000.0 + (jd_ut - 2451544.5) / 365.2425;
    if (y >= kFirstObservedYear && y < kLastObservedYear) {
        const int i = static_cast<int>(std::floor(y)) - kFirstObservedYear;
        const double f = y - std::floor(y);
        return kObservedDeltaT[i] + (kObservedDeltaT[i + 1] - kObservedDeltaT[i]) * f;
    }
    if (y >= kLastObservedYear && y < 2050) {
        const double shift =
            kObservedDeltaT[std::size(kObservedDeltaT) - 1] - PolynomialDeltaT(kLastObservedYear);
        return PolynomialDeltaT(y) + shift * (2050 - y) / (2050 - kLastObservedYear);
    }
    return PolynomialDeltaT(y);
}

PreciseBodies PreciseBodiesAt(double jd_ut) {
    PreciseBodies set;
    const Observer o = ObserverAt(TerrestrialTime(jd_ut));
    const Apparent sun = SunAt(o);
    set.longitude[kSun] = sun.longitude;
    set.speed[kSun] = sun.speed;
    for (int body = kMercury; body <= kPluto; ++body) {
        const Apparent planet = PlanetAt(o, body);
        set.longitude[body] = planet.longitude;
        set.speed[body] = planet.speed;
    }
    const MoonState moon = MoonStateAt(o.jd_tt);
    const Apparent seen = MoonApparent(o, moon);
    set.longitude[kMoon] = seen.longitude;
    set.speed[kMoon] = seen.speed;
    set.mean_node = MeanNodeOf(o);
    set.true_node = TrueNodeOf(o, moon);

    bool finite = std::isfinite(set.mean_node) && std::isfinite(set.true_node);
    for (int body = kSun; body <= kMoon; ++body)
        finite = finite && std::isfinite(set.longitude[body]) && std::isfinite(set.speed[body]);
    if (!finite) set.status = ComputeStatus::kNonFinite;
    return set;
}

PreciseMoon PreciseMoonAt(double jd_ut) {
    const double jd_tt = TerrestrialTime(jd_ut);
    const Observer o{jd_tt, {}, {}, {}, PrecessionAt(jd_tt), NutationAt(jd_tt)};
    const MoonState moon = MoonStateAt(jd_tt);
    return {MoonApparent(o, moon).longitude, TrueNodeOf(o, moon)};
}

PreciseEarthAngles PreciseEarthAnglesAt(double jd_ut) {
    const double jd_tt = TerrestrialTime(jd_ut);
    const Nutation n = NutationAt(jd_tt);
    // The Earth rotation angle and the IAU 2006 mean sidereal time, consistent with the
    // precession the positions take; then the equation of the equinoxes.
    const double days = jd_ut - kJ2000;
    const double rotation =
        360.0 * (std::fmod(days, 1.0) + 0.7790572732640 + 0.00273781191135448 * days);
    const double t = (jd_tt - kJ2000) / 36525.0;
    const double precession =
        (0.014506 + (4612.156534 + (1.3915817 + (-0.00000044 - 0.000029956 * t) * t) * t) * t) /
        3600.0;
    return {n.true_obliquity,
            Reduce(rotation + precession + n.longitude * std::cos(n.true_obliquity * kRad))};
}

}  // namespace orvantis
