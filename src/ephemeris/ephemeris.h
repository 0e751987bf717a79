// Geocentric ecliptic longitudes of the Sun, Moon and planets for a moment and a day later.
#pragma once

#include <array>
#include <string>

#include "astro/bodies.h"

namespace orvantis {

// The bodies at one moment. Longitudes in degrees [0, 360), by body number: 1 Sun, 2..9
// Mercury .. Pluto, 10 Moon (the Sun and Moon apparent, the planets geometric; equinox of date).
struct BodyLongitudes {
    std::array<double, 11> longitude{};  // index 0 unused
    double mean_node = 0;                // the Moon's mean ascending node
    double true_node = 0;                // the Moon's true ascending node
    // kNonFinite when a value is not finite or Kepler's equation did not settle.
    ComputeStatus status = ComputeStatus::kOk;
};

// The bodies at the moment `ut_fraction` (Universal Time as a fraction of the day, may lie
// outside [0, 1)) of the civil day with the whole Julian day number `julian_day_number`; the
// time step gives both. No ΔT is applied: every time argument is UT. Valid over 1900 to 2099.
BodyLongitudes BodyLongitudesAt(double julian_day_number, double ut_fraction);

// The same for a Julian date in UT (JD 2451545.0 is 2000 January 1, 12:00 UT), split into the
// day number and the fraction of the civil day at Greenwich. Cheap enough to call thousands of
// times in a search over time.
BodyLongitudes BodyLongitudesAt(double jd_ut);

// The ephemeris of a chart.
struct Ephemeris {
    std::array<double, 13> PlanetLong{};      // 1..10 the bodies, 11 mean node, 12 opposite point
    std::array<double, 11> PlanetLongNext{};  // 1..10 the bodies one day (1/36525 century) later
    RetrogradeMarks Retrograde{};             // planets moving backwards over that day
    double SvpOffset = 0;                     // sidereal offset of the first kind, degrees [0, 360)
    double Ayanamsa = 0;  // sidereal offset of the second kind, degrees, not reduced
    double TrueNode = 0;  // the Moon's true node, degrees [0, 360)
    ComputeStatus status = ComputeStatus::kOk;
};

// The chart's bodies now and a day later, the retrograde marks and the sidereal offsets, for the
// moment of BodyLongitudesAt(julian_day_number, ut_fraction).
Ephemeris ComputeEphemeris(double julian_day_number, double ut_fraction);

// SvpOffset and Ayanamsa alone, as ComputeEphemeris gives them for the same moment.
struct SiderealOffsets {
    double svp_offset = 0;
    double ayanamsa = 0;
};
SiderealOffsets SiderealOffsetsAt(double julian_day_number, double ut_fraction);

// What the zodiac of option line 123 adds to a tropical longitude: 0 for the tropical zodiac (0),
// the SVP offset for the first sidereal kind (1), minus the ayanamsa for the second (2).
double ZodiacShift(int zodiac, double svp_offset, double ayanamsa);

// Whether a body at longitude `now` and at `next` a day later (degrees, [0, 360)) is retrograde:
// the motion is taken the short way round, so 359°30′ then 0°18′ is direct. No motion is direct.
bool IsRetrograde(double now, double next);

}  // namespace orvantis
