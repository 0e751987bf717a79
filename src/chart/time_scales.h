// Civil moment and place to time scales, sidereal time, obliquity, MC and Ascendant.
#pragma once

#include "astro/bodies.h"

namespace orvantis {

// The civil moment and place of a chart, in the chart record's own units.
struct ChartMoment {
    int day = 1, month = 1, year = 2000;
    int hour = 0, minute = 0;  // the local clock, 0..23 and 0..59
    float zone = 0;            // hours, west positive, added to the clock to give UT
    double longitude = 0;      // degrees, west positive
    double latitude = 0;       // degrees, north positive
};

// What the time step gives the houses, the ephemeris and the chart record.
struct TimeAndAngles {
    double UTFraction = 0;         // Universal Time as a fraction of the civil day; may lie outside
                                   // [0, 1) when the zone carries the moment into another day
    double JulianDayNumber = 0;    // whole day number of the civil date
    double CenturiesT = 0;         // Julian centuries from JD 2415020.0 to the moment (UT)
    double SiderealDays = 0;       // Greenwich sidereal time in days; only the fraction matters
    double RAMC = 0;               // local sidereal angle, radians [0, 2π)
    double Obliquity = 0;          // ε, radians
    double ObliquityDeg = 0;       // ε, degrees
    double LatRadians = 0;         // φ, radians, north positive
    double MC = 0, Ascendant = 0;  // degrees [0, 360)
    // The sidereal time of the caption, whole numbers: south of the equator twelve hours ahead
    // of RAMC, the upper meridian of that hemisphere.
    double SidHours = 0, SidMinutes = 0, SidSeconds = 0;
    // kNonFinite when any value above is not finite (a zone, clock or place that is not a
    // finite number); the poles themselves give finite values, since π is held as
    // 3.1415926535 and cos 90° is not exactly 0.
    ComputeStatus status = ComputeStatus::kOk;
};

TimeAndAngles ComputeTimeAndAngles(const ChartMoment& moment);

// Sets the caption's sidereal time parts from RAMC and the latitude, and the status from every
// value: the last step of the time step, also after another ephemeris replaced its angles.
void SetCaptionSiderealTime(TimeAndAngles& t);

// The pieces of the time step, for the election window and for tests. Angles in radians unless
// the name says degrees; results in degrees reduced to [0, 360).

// Greenwich sidereal time in days (only the fraction matters) for T in Julian centuries from
// JD 2415020.0 and the time of day (UT, fraction of a day) that T contains.
double SiderealDaysAt(double centuries, double time_of_day);

// Right ascension of the meridian in radians from the Greenwich sidereal days (only the fraction
// matters) and the longitude in decimal degrees, west positive: west of Greenwich the local
// sidereal time is behind.
double RamcRadians(double sidereal_days, double west_longitude);

// Mean obliquity of the ecliptic in degrees, T in Julian centuries from JD 2415020.0.
double ObliquityDegreesAt(double centuries);

// The ecliptic longitude of the MC: tan MC = tan RAMC / cos ε, in the quadrant of RAMC.
double MidheavenDegrees(double ramc, double obliquity);

// The Ascendant for the local sidereal angle ramc, the latitude (north positive) and ε.
double AscendantDegrees(double ramc, double latitude, double obliquity);

}  // namespace orvantis
