#include "chart/time_scales.h"

#include <cmath>
#include <initializer_list>

#include "astro/angles.h"
#include "astro/calendar.h"

namespace orvantis {
namespace {

// Universal Time as a fraction of the local civil day from the clock and the zone (hours, west
// positive). The clock is read as hours and minutes of the half day in single precision (9.15
// for 9:15 and 21:15, 12.30 for 0:30): every chart this program has recorded was computed from
// that reading, under a millisecond from the exact time, and this keeps their positions to the
// last digit.
double UniversalTimeFraction(int hour, int minute, double zone) {
    const int half_day_hour = hour % 12 == 0 ? 12 : hour % 12;
    double clock = static_cast<float>(half_day_hour + minute / 100.0);
    if (std::floor(clock) == 12.0) clock -= 12.0;
    double fraction = (DmmToDecimal(clock) + zone) / 24.0;
    if (hour >= 12) fraction += 0.5;
    return fraction;
}

bool AllFinite(const TimeAndAngles& t) {
    for (double v : {t.UTFraction, t.JulianDayNumber, t.CenturiesT, t.SiderealDays, t.RAMC,
                     t.Obliquity, t.ObliquityDeg, t.MC, t.Ascendant, t.LatRadians, t.SidHours,
                     t.SidMinutes, t.SidSeconds}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace

// T already contains the time of day, so the daily gain of sidereal over solar time comes from
// the T term: 6h38m45.836s + 8640184.54 s T + 0.0929 s T², plus the solar hours of the day.
double SiderealDaysAt(double centuries, double time_of_day) {
    const double st0_hours =
        (23925.836 + 8640184.54 * centuries + 0.0929 * centuries * centuries) / 3600.0;
    return (time_of_day * 24.0 + st0_hours) / 24.0;
}

double ObliquityDegreesAt(double t) {
    return 23.4522944 - 0.0130125 * t - 1.639e-06 * t * t + 5.03e-07 * t * t * t;
}

double RamcRadians(double sidereal_days, double west_longitude) {
    const double gst = (sidereal_days - std::floor(sidereal_days)) * 24.0 * 15.0;
    return DegToRad(Reduce360(gst - west_longitude));
}

double MidheavenDegrees(double ramc, double obliquity) {
    XY p = XYFromPolar(ramc, 1.0);
    p.x *= std::cos(obliquity);
    return Reduce360(RadToDeg(PolarFromXY(p.x, p.y).angle));
}

// The Ascendant through the zenith: the zenith (right ascension RAMC, declination φ) is turned
// from equatorial to ecliptic coordinates about the equinox axis; the eastern point where the
// ecliptic meets the horizon lies 90° beyond the zenith's ecliptic longitude.
double AscendantDegrees(double ramc, double latitude, double obliquity) {
    const XY zenith_meridian = XYFromPolar(latitude, 1.0);
    const double z0 = zenith_meridian.y;
    const double r0 = zenith_meridian.x;
    const XY equatorial = XYFromPolar(ramc, r0);
    const Polar yz = PolarFromXY(equatorial.y, z0);
    const XY rotated = XYFromPolar(yz.angle - obliquity, yz.radius);
    double zenith_longitude = PolarFromXY(equatorial.x, rotated.x).angle;
    if (zenith_longitude < 0) zenith_longitude += 2.0 * kPi;
    return Reduce360(RadToDeg(zenith_longitude) + 90.0);
}

TimeAndAngles ComputeTimeAndAngles(const ChartMoment& m) {
    TimeAndAngles t;
    t.UTFraction = UniversalTimeFraction(m.hour, m.minute, m.zone);
    t.LatRadians = DegToRad(m.latitude);

    t.JulianDayNumber = JulianDayNumberOf(m.day, m.month, m.year);
    t.CenturiesT = CenturiesSince1900(t.JulianDayNumber, t.UTFraction);

    t.SiderealDays = SiderealDaysAt(t.CenturiesT, t.UTFraction);
    t.RAMC = RamcRadians(t.SiderealDays, m.longitude);

    t.Obliquity = DegToRad(ObliquityDegreesAt(t.CenturiesT));
    t.ObliquityDeg = RadToDeg(t.Obliquity);
    t.MC = MidheavenDegrees(t.RAMC, t.Obliquity);
    t.Ascendant = AscendantDegrees(t.RAMC, t.LatRadians, t.Obliquity);

    SetCaptionSiderealTime(t);
    return t;
}

void SetCaptionSiderealTime(TimeAndAngles& t) {
    // The caption shows the sidereal time of the upper meridian of the hemisphere: south of the
    // equator that is twelve hours ahead of the one the houses use.
    double shown = RadToDeg(t.RAMC);
    if (t.LatRadians < 0) shown = Reduce360(shown + 180.0);
    const double hours = shown / 15.0;
    t.SidHours = std::floor(hours);
    const double minutes = (hours - std::floor(hours)) * 60.0;
    t.SidSeconds = std::floor((minutes - std::floor(minutes)) * 60.0);
    t.SidMinutes = std::floor(minutes);

    t.status = AllFinite(t) ? ComputeStatus::kOk : ComputeStatus::kNonFinite;
}

}  // namespace orvantis
