// Apparent geocentric ecliptic longitudes of date from libnova's theories: VSOP87 for the Sun and
// the planets, ELP 2000-82B for the Moon, the Meeus series for Pluto. Light time, aberration and
// nutation are applied here, and the theories run in Terrestrial Time: a moment is given in UT
// and moved by ΔT first.
#pragma once

#include <array>

#include "astro/bodies.h"

namespace orvantis {

// TT - UT in seconds for a Julian date in UT. Observed yearly values from 1973 to 2025 (IERS
// Earth orientation data, start of each year) with the polynomials of Espenak and Meeus (NASA
// Five Millennium Canon of Solar Eclipses, 2006) before and after them; after 2025 the
// polynomial is shifted to meet the last observed value and the shift fades out by 2050.
double DeltaTSeconds(double jd_ut);

// The bodies at one moment. Longitudes in degrees [0, 360) of the true equinox and ecliptic of
// date, speeds in degrees per day, by body number 1 Sun .. 9 Pluto, 10 Moon.
struct PreciseBodies {
    std::array<double, 11> longitude{};
    std::array<double, 11> speed{};
    double mean_node = 0;  // the Moon's mean ascending node
    double true_node = 0;  // the osculating node of the Moon's geocentric orbit
    ComputeStatus status = ComputeStatus::kOk;
};

// Every body at the Julian date jd_ut (UT).
PreciseBodies PreciseBodiesAt(double jd_ut);

// The Moon's apparent longitude and its true node alone (degrees [0, 360)), for a table of the
// Moon over a span that needs it far more often than the slower bodies.
struct PreciseMoon {
    double longitude = 0;
    double true_node = 0;
};
PreciseMoon PreciseMoonAt(double jd_ut);

// The true obliquity of the ecliptic (degrees) and the apparent sidereal time at Greenwich
// (degrees [0, 360)) at jd_ut: what the houses take in this mode.
struct PreciseEarthAngles {
    double true_obliquity = 0;
    double apparent_sidereal_time = 0;
};
PreciseEarthAngles PreciseEarthAnglesAt(double jd_ut);

}  // namespace orvantis
