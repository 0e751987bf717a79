#include "chart/time_scales.h"

#include <cmath>

#include "chart/angles.h"
#include "chart/calendar.h"

namespace orvantis {
namespace {

double Sign(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// Universal Time as a fraction of the local civil day from the 12-hour clock (H.MM), its
// A.M./P.M. text and the zone (hours, west positive). The hour 12 stands for 0: 12:30 A.M. is
// half an hour after midnight and 12:30 P.M. half an hour after noon.
double UniversalTimeFraction(double clock, const std::string& am_pm, double zone) {
    if (std::floor(clock) == 12.0) clock -= 12.0;
    double fraction = (DmmToDecimal(clock) + zone) / 24.0;
    if (am_pm == "P.M.") fraction += 0.5;
    return fraction;
}

bool AllFinite(const ChartState& c) {
    for (double v : {c.TimeOfDay, c.JulianDayNumber, c.CenturiesT, c.SiderealDays, c.RAMC,
                     c.Obliquity, c.ObliquityDeg, c.MC, c.Ascendant, c.LatRadians, c.NegLatRadians,
                     c.SidHours, c.SidMinutes, c.SidSeconds}) {
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

double MidheavenDegrees(double ramc, double obliquity) {
    XY p = XYFromPolar(ramc, 1.0);
    p.x *= std::cos(obliquity);
    return Reduce360(RadToDeg(PolarFromXY(p.x, p.y).angle));
}

// The Ascendant through the zenith: the zenith (right ascension RAMC, declination φ) is turned
// from equatorial to ecliptic coordinates about the equinox axis; the eastern point where the
// ecliptic meets the horizon lies 90° beyond the zenith's ecliptic longitude. negated_obliquity
// is -ε as the chart keeps it.
double AscendantDegrees(double ramc, double latitude, double negated_obliquity) {
    const XY zenith_meridian = XYFromPolar(latitude, 1.0);
    const double z0 = zenith_meridian.y;
    const double r0 = zenith_meridian.x;
    const XY equatorial = XYFromPolar(ramc, r0);
    const Polar yz = PolarFromXY(equatorial.y, z0);
    const XY rotated = XYFromPolar(yz.angle + negated_obliquity, yz.radius);
    double zenith_longitude = PolarFromXY(equatorial.x, rotated.x).angle;
    if (zenith_longitude < 0) zenith_longitude += 2.0 * kPi;
    return Reduce360(RadToDeg(zenith_longitude) + 90.0);
}

ComputeStatus ComputeTimeAndAngles(ChartState& chart) {
    chart.TimeOfDay = UniversalTimeFraction(chart.ChartClock, chart.ChartAmPm, chart.ChartZone);
    chart.LongitudeValue = std::fabs(static_cast<double>(chart.ChartLong));
    chart.LatitudeValue = std::fabs(static_cast<double>(chart.ChartLat));
    chart.LatRadians = DegToRad(Sign(chart.ChartLat) * DmmToDecimal(chart.LatitudeValue));

    chart.JulianDayNumber = JulianDayNumberOf(chart.ChartDay, chart.ChartMonth, chart.ChartYear);
    chart.CenturiesT = (chart.JulianDayNumber - 2415020.0 + chart.TimeOfDay - 0.5) / 36525.0;

    chart.SiderealDays = SiderealDaysAt(chart.CenturiesT, chart.TimeOfDay);
    chart.UTFraction = chart.TimeOfDay;
    const double gst = (chart.SiderealDays - std::floor(chart.SiderealDays)) * 24.0 * 15.0;
    // Longitude is positive west: west of Greenwich the local sidereal time is behind.
    const double lst = Reduce360(gst - Sign(chart.ChartLong) * DmmToDecimal(chart.LongitudeValue));
    chart.RAMC = DegToRad(lst);

    chart.Obliquity = DegToRad(ObliquityDegreesAt(chart.CenturiesT));
    chart.ObliquityDeg = RadToDeg(chart.Obliquity);
    chart.MC = MidheavenDegrees(chart.RAMC, chart.Obliquity);
    // From here on the chart keeps -ε: the houses and the ephemeris are written for it.
    chart.Obliquity = -chart.Obliquity;
    chart.Ascendant = AscendantDegrees(chart.RAMC, chart.LatRadians, chart.Obliquity);

    // The caption shows the sidereal time of the upper meridian of the hemisphere: south of the
    // equator that is twelve hours ahead of the one the houses use.
    double shown = RadToDeg(chart.RAMC);
    if (chart.LatRadians < 0) shown = Reduce360(shown + 180.0);
    const double hours = shown / 15.0;
    chart.SidHours = std::floor(hours);
    const double minutes = (hours - std::floor(hours)) * 60.0;
    chart.SidSeconds = std::floor((minutes - std::floor(minutes)) * 60.0);
    chart.SidMinutes = std::floor(minutes);

    const double latitude_degrees =
        DmmToDecimal(chart.LatitudeValue) * (chart.LatDirection == "SOUTH" ? -1.0 : 1.0);
    chart.NegLatRadians = -DegToRad(latitude_degrees);
    // The houses divide by functions of the latitude: the equator is taken as 1e-05 radians.
    if (chart.NegLatRadians == 0.0) chart.NegLatRadians = 1e-05;

    return AllFinite(chart) ? ComputeStatus::kOk : ComputeStatus::kNonFinite;
}

}  // namespace orvantis
