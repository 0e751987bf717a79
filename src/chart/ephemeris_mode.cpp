#include "chart/ephemeris_mode.h"

#include "astro/angles.h"
#include "chart/election_angles.h"
#include "ephemeris/precise_ephemeris.h"
#include "settings/option_lines.h"

namespace orvantis {

EphemerisChoice EphemerisOf(const OptionValues& options) {
    return options[kOptionEphemeris] == 1 ? EphemerisChoice::kPrecise : EphemerisChoice::kBuiltin;
}

TimeAndAngles TimeAndAnglesFor(EphemerisChoice choice, const ChartMoment& moment) {
    TimeAndAngles t = ComputeTimeAndAngles(moment);
    if (choice == EphemerisChoice::kBuiltin || t.status != ComputeStatus::kOk) return t;
    const PreciseEarthAngles earth = PreciseEarthAnglesAt(t.JulianDayNumber + t.UTFraction - 0.5);
    t.SiderealDays = earth.apparent_sidereal_time / 360.0;
    t.RAMC = RamcRadians(t.SiderealDays, moment.longitude);
    t.Obliquity = DegToRad(earth.true_obliquity);
    t.ObliquityDeg = earth.true_obliquity;
    t.MC = MidheavenDegrees(t.RAMC, t.Obliquity);
    t.Ascendant = AscendantDegrees(t.RAMC, t.LatRadians, t.Obliquity);
    SetCaptionSiderealTime(t);
    return t;
}

EarthAngles EarthAnglesFor(EphemerisChoice choice, double julian_day_number, double centuries,
                           double ut_fraction) {
    if (choice == EphemerisChoice::kBuiltin)
        return {GreenwichSiderealDegrees(centuries, ut_fraction),
                DegToRad(ObliquityDegreesAt(centuries))};
    const PreciseEarthAngles earth = PreciseEarthAnglesAt(julian_day_number + ut_fraction - 0.5);
    return {earth.apparent_sidereal_time, DegToRad(earth.true_obliquity)};
}

}  // namespace orvantis
