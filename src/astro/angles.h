// The angle and number helpers every computation shares. Angles are doubles; trigonometry works
// in radians, longitudes in degrees.
#pragma once

namespace orvantis {

// π held to ten digits on purpose, not the full double value: every conversion and quadrant
// correction uses it, so a chart comes out the same to the last digit on every machine and in
// every version of this program.
inline constexpr double kPi = 3.1415926535;

// sin and cos of an angle in degrees.
double SinDeg(double degrees);
double CosDeg(double degrees);

// x reduced to [0, 360) for every finite x (x - 360 floor(x / 360)).
double Reduce360(double x);

double DegToRad(double degrees);
double RadToDeg(double radians);

// Packed degrees.minutes (12.3 is 12°30') to decimal degrees. Only for x >= 0: callers pass a
// magnitude and apply the sign afterwards.
double DmmToDecimal(double dmm);

// A signed packed value (a place held as a single, west or north positive) to signed decimal
// degrees: the magnitude converted, the sign kept.
double SignedDmmToDecimal(double dmm);

// arcsin as atan(x / sqrt(1 - x²)); non-finite at |x| >= 1.
double ArcSin(double x);

// atan(sqrt(1 - x²) / x): arccos x for x > 0, negative for x < 0 (callers add π then).
double ArcCosPositive(double x);

struct XY {
    double x = 0;
    double y = 0;
};
struct Polar {
    double radius = 0;
    double angle = 0;  // radians
};

// (r cos a, r sin a); an angle of exactly 0 is first replaced by 1.74533e-09.
XY XYFromPolar(double angle, double radius);

// Radius and angle in [0, 2π) of (x, y); a y of exactly 0 is first replaced by 1.74533e-09.
// An x of exactly 0 gives a non-finite angle, which the callers' status checks report.
Polar PolarFromXY(double x, double y);

// floor(x * 100 + 0.5) / 100.
double RoundTo2(double x);

struct SignDegreeMinute {
    int sign = 1;    // 1 Aries .. 12 Pisces
    int degree = 0;  // 0..29 within the sign
    int minute = 0;  // 0..59, rounded; 60 is held at 59 so the degree never carries
};

// A longitude in [0, 360) split into sign, degree within the sign and rounded minutes.
SignDegreeMinute SplitLongitude(double longitude);

}  // namespace orvantis
