#include "ephemeris/moon.h"

#include <array>

#include "astro/angles.h"
#include "ephemeris/series.h"

namespace orvantis {

namespace {

// D mean elongation L′ − L, M the Sun's mean anomaly, Mp (M′) the Moon's mean anomaly,
// F argument of latitude L′ − Ω.
using Angle = Multiples<4>;
constexpr Angle D = Unit<4>(0);
constexpr Angle M = Unit<4>(1);
constexpr Angle Mp = Unit<4>(2);
constexpr Angle F = Unit<4>(3);

struct MoonTerm {
    Angle argument;
    double arcseconds;  // × sin(argument)
};

// clang-format off
constexpr std::array<MoonTerm, 71> kMoonLongitudeTerms{{
    {Mp, 22639.55},
    {2 * Mp, 769.02},
    {D, -125.15},
    {2 * D, 2369.912},
    {M, -668.15},
    {2 * F, -411.61},
    {2 * D - 2 * Mp, 211.66},
    {2 * D - Mp, 4586.47},
    {2 * D + Mp, 191.95},
    {2 * D - M, 165.15},
    {2 * D - M - Mp, 205.96},                 // 11
    {M + Mp, -109.67},
    {Mp - M, 147.69},
    {2 * F - 2 * D, -55.17},
    {Mp + 2 * F, -45.099},
    {Mp - 2 * F, 39.53},
    {Mp - 4 * D, -38.43},
    {3 * Mp, 36.12},
    {2 * Mp - 4 * D, -30.77},
    {Mp - 2 * D - M, 28.48},
    {2 * D + M, -24.42},                      // 21
    {Mp - D, 18.61},
    {D + M, 18.02},
    {2 * D + Mp - M, 14.58},
    {2 * D + 2 * Mp, 14.39},
    {4 * D, 13.9},
    {3 * Mp - 2 * D, -13.19},
    {2 * Mp - M, 9.7},
    {Mp - 2 * D - 2 * F, 9.37},
    {M + 2 * Mp - 2 * D, -8.63},
    {D + Mp, -8.47},                          // 31
    {2 * M - 2 * D, -8.096},
    {M + 2 * Mp, -7.65},
    {2 * M, -7.49},
    {2 * M + Mp - 2 * D, -7.41},
    {2 * D + Mp - 2 * F, -6.38},
    {2 * D + 2 * F, -5.74},
    {M + Mp - 4 * D, -4.39},
    {2 * Mp + 2 * F, -3.99},
    {Mp - 3 * D, 3.22},
    {2 * D + M + Mp, -2.92},                  // 41
    {M + 2 * Mp - 4 * D, -2.74},
    {2 * Mp - 2 * D - M, -2.49},
    {Mp - 2 * M, 2.58},
    {Mp - 2 * D - 2 * M, 2.53},
    {M + 2 * F - 2 * D, -2.15},
    {4 * D + Mp, 1.98},
    {4 * Mp, 1.94},
    {M - 4 * D, -1.88},
    {2 * Mp - D, 1.75},
    {2 * D + M - 2 * F, -1.44},               // 51
    {2 * Mp - 2 * F, -1.298},
    {D + M + Mp, 1.27},
    {2 * Mp - 3 * D, 1.23},
    {3 * Mp - 4 * D, -1.19},
    {2 * D + 2 * Mp - M, 1.18},
    {2 * M + Mp, -1.17},
    {Mp - D - M, -1.09},
    {2 * D + 3 * Mp, 1.06},
    {D + 2 * Mp, -0.59},
    {2 * D + Mp + 2 * F, -0.99},              // 61
    {4 * Mp - 2 * D, -0.95},
    {2 * Mp - 6 * D, -0.57},
    // The same argument as term 17 with a different coefficient: kept, as the series has it.
    {Mp - 4 * D, 0.64},
    {M - D, 0.56},
    {2 * D + Mp - 2 * M, 0.76},
    {2 * F - D, 0.58},
    {M + 3 * Mp, -0.55},
    {3 * Mp - M, 0.68},
    {2 * Mp + 2 * F - 2 * D, 0.557},
    {2 * Mp - 2 * D - 2 * F, 0.538},          // 71
}};
// clang-format on

}  // namespace

MoonPosition ComputeMoon(double t1900) {
    const double t = t1900;
    double moon_mean_longitude = 270.434164 + 481267.883142 * t - 0.001133 * t * t;
    double moon_anomaly = 296.104608 + 477198.849108 * t + 0.009192 * t * t;
    double node = 259.183275 - 1934.142008 * t + 0.002078 * t * t;
    double sun_mean_longitude = 279.696678 + 36000.768925 * t + 0.000303 * t * t;
    double sun_anomaly = 358.475833 + 35999.04975 * t - 0.00015 * t * t;

    // The true node is formed from the unreduced elements, before the reduction below.
    const double elongation = moon_mean_longitude - sun_mean_longitude;
    const double latitude_argument = moon_mean_longitude - node;
    const double true_node_arcseconds =
        3600.0 * node + 5392.0 * SinDeg(2.0 * (sun_mean_longitude - node)) -
        541.0 * SinDeg(sun_anomaly) - 442.0 * SinDeg(2.0 * elongation) +
        423.0 * SinDeg(2.0 * latitude_argument) -
        291.0 * SinDeg(2.0 * moon_anomaly - 2.0 * latitude_argument);

    moon_mean_longitude = Reduce360(moon_mean_longitude);
    moon_anomaly = Reduce360(moon_anomaly);
    node = Reduce360(node);
    sun_mean_longitude = Reduce360(sun_mean_longitude);
    sun_anomaly = Reduce360(sun_anomaly);

    const double nutation =
        (-17.2 * SinDeg(node) + 0.206 * SinDeg(2.0 * node) -
         1.319 * SinDeg(2.0 * sun_mean_longitude) + 0.143 * SinDeg(sun_anomaly) -
         0.227 * SinDeg(2.0 * moon_mean_longitude) + 0.071 * SinDeg(moon_anomaly)) /
        3600.0;

    const std::array<double, 4> angles{moon_mean_longitude - sun_mean_longitude, sun_anomaly,
                                       moon_anomaly, moon_mean_longitude - node};
    double sum = 0.0;
    for (const MoonTerm& term : kMoonLongitudeTerms) {
        sum += term.arcseconds * SinDeg(term.argument.Of(angles));
    }
    sum /= 3600.0;

    return {sum + nutation + moon_mean_longitude, node, true_node_arcseconds / 3600.0};
}

}  // namespace orvantis
