#include "astro/angles.h"

#include <cmath>

namespace orvantis {

double SinDeg(double degrees) {
    return std::sin(degrees * kPi / 180.0);
}

double CosDeg(double degrees) {
    return std::cos(degrees * kPi / 180.0);
}

double Reduce360(double x) {
    double r = x - 360.0 * std::floor(x / 360.0);
    if (r >= 0.0 && r < 360.0) return r;
    if (!std::isfinite(x)) return r;  // not a number stays so, for the status checks
    // Out of range only at the edges: a tiny negative x gives x + 360, which rounds to 360
    // itself (the point 0), and beyond 1e16 or so the product above loses the remainder.
    r = std::fmod(x, 360.0);
    if (r < 0.0) r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

double DegToRad(double degrees) {
    return degrees * kPi / 180.0;
}

double RadToDeg(double radians) {
    return radians * 180.0 / kPi;
}

double DmmToDecimal(double dmm) {
    const double whole = std::floor(dmm);
    return whole + (dmm - whole) * 100.0 / 60.0;
}

double SignedDmmToDecimal(double dmm) {
    const double sign = dmm > 0 ? 1.0 : (dmm < 0 ? -1.0 : 0.0);
    return sign * DmmToDecimal(std::fabs(dmm));
}

double ArcSin(double x) {
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcCosPositive(double x) {
    return std::atan(std::sqrt(1.0 - x * x) / x);
}

XY XYFromPolar(double angle, double radius) {
    if (angle == 0.0) angle = 1.74533e-09;
    return {radius * std::cos(angle), radius * std::sin(angle)};
}

Polar PolarFromXY(double x, double y) {
    if (y == 0.0) y = 1.74533e-09;
    Polar p{std::sqrt(x * x + y * y), std::atan(y / x)};
    if (p.angle < 0) p.angle += kPi;
    if (y < 0) p.angle += kPi;
    return p;
}

double RoundTo2(double x) {
    return std::floor(x * 100.0 + 0.5) / 100.0;
}

SignDegreeMinute SplitLongitude(double longitude) {
    const double whole = std::floor(longitude);
    const double sixths = whole / 30.0;
    SignDegreeMinute s;
    s.sign = static_cast<int>(std::floor(sixths)) + 1;
    // Rounding to two decimals removes the error of the division: 59° gives 29, not 28.
    s.degree = static_cast<int>(std::floor(RoundTo2((sixths - std::floor(sixths)) * 30.0)));
    s.minute = static_cast<int>(std::floor((longitude - whole) * 60.0 + 0.5));
    if (s.minute == 60) s.minute = 59;
    return s;
}

}  // namespace orvantis
