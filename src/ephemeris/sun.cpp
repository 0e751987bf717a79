#include "ephemeris/sun.h"

#include <array>
#include <span>

#include "astro/angles.h"
#include "ephemeris/series.h"

namespace orvantis {

namespace {

// The Sun's mean anomaly g, the mean anomalies of Venus, Mars, Jupiter and Saturn, and the
// Moon's mean elongation D and mean anomaly l.
enum SunArg { kGs, kG2, kG4, kG5, kG6, kD, kL, kSunArgCount };
using Angle = Multiples<kSunArgCount>;
constexpr Angle g = Unit<kSunArgCount>(kGs);
constexpr Angle g2 = Unit<kSunArgCount>(kG2);
constexpr Angle g4 = Unit<kSunArgCount>(kG4);
constexpr Angle g5 = Unit<kSunArgCount>(kG5);
constexpr Angle g6 = Unit<kSunArgCount>(kG6);
constexpr Angle D = Unit<kSunArgCount>(kD);
constexpr Angle l = Unit<kSunArgCount>(kL);

// arcseconds × cos(phase + multiples) for the planets, × sin(...) for the Moon.
struct SunTerm {
    double phase;
    Angle multiples;
    double arcseconds;
};

// clang-format off
constexpr std::array<SunTerm, 12> kVenusTerms{{
    {299.102, g2 - g, 4.838},
    {148.9, 2 * g2 - g, 0.116},
    {148.313, 2 * g2 - 2 * g, 5.526},
    {315.943, 2 * g2 - 3 * g, 2.497},
    {177.71, 3 * g2 - 3 * g, 0.666},
    {345.253, 3 * g2 - 4 * g, 1.559},
    {318.15, 3 * g2 - 5 * g, 1.024},
    {206.2, 4 * g2 - 4 * g, 0.21},
    {195.4, 4 * g2 - 5 * g, 0.144},
    {343.8, 4 * g2 - 6 * g, 0.152},
    {195.3, 5 * g2 - 7 * g, 0.123},
    {359.6, 5 * g2 - 8 * g, 0.154},
}};

constexpr std::array<SunTerm, 11> kMarsTerms{{
    {217.7, -g4 + g, 0.273},
    {343.888, -2 * g4 + 2 * g, 2.043},
    {200.402, -2 * g4 + g, 1.77},
    {294.2, -3 * g4 + 3 * g, 0.129},
    {338.88, -3 * g4 + 2 * g, 0.425},
    {105.18, -4 * g4 + 3 * g, 0.5},
    {334.06, -4 * g4 + 2 * g, 0.585},
    {100.8, -5 * g4 + 3 * g, 0.204},
    {227.4, -6 * g4 + 4 * g, 0.154},
    {96.3, -6 * g4 + 3 * g, 0.101},
    {222.7, -7 * g4 + 4 * g, 0.106},
}};

constexpr std::array<SunTerm, 8> kJupiterTerms{{
    {198.6, -g5 + 2 * g, 0.163},
    {179.532, -g5 + g, 7.208},
    {263.217, -g5, 2.6},
    {87.145, -2 * g5 + 2 * g, 2.731},
    {109.493, -2 * g5 + g, 1.61},
    {170.5, -3 * g5 + 3 * g, 0.164},
    {82.65, -3 * g5 + 2 * g, 0.556},
    {98.5, -3 * g5 + g, 0.21},
}};

constexpr std::array<SunTerm, 4> kSaturnTerms{{
    {100.58, -g6 + g, 0.419},
    {269.46, -g6, 0.32},
    {290.6, -2 * g6 + 2 * g, 0.108},
    {293.6, -2 * g6 + g, 0.112},
}};

constexpr std::array<SunTerm, 4> kMoonTerms{{
    {0, D, 6.454},
    {0, D + l, 0.177},
    {0, D - l, -0.424},
    {0, D - g, 0.172},
}};
// clang-format on

// The rows of one table summed in order, in degrees.
double Perturbation(std::span<const SunTerm> terms, const std::array<double, kSunArgCount>& angles,
                    bool sine) {
    double sum = 0.0;
    for (const SunTerm& term : terms) {
        const double argument = term.phase + term.multiples.Of(angles);
        sum += term.arcseconds * (sine ? SinDeg(argument) : CosDeg(argument));
    }
    return sum / 3600.0;
}

}  // namespace

double ComputeSun(double t1900) {
    const double t = t1900;
    const double long_period = (1.882 - 0.016 * t) / 3600.0 * SinDeg(57.24 + 150.27 * t) +
                               6.4 / 3600.0 * SinDeg(231.19 + 20.2 * t) +
                               0.266 / 3600.0 * SinDeg(31.8 + 119.0 * t);
    const double mean_longitude =
        Reduce360(279.6966778 + 36000.0 * t + 2768.13 / 3600.0 * t + 0.0003025 * t * t +
                  0.202 / 3600.0 * SinDeg(315.6 + 893.3 * t) + long_period);
    const double mean_anomaly =
        Reduce360(358.4758333 + 35999.0 * t + 179.1 / 3600.0 * t - 0.00015 * t * t + long_period);

    std::array<double, kSunArgCount> angles{};
    angles[kGs] = mean_anomaly;
    angles[kG2] = Reduce360(212.45 + 58517.493 * t);
    angles[kG4] = Reduce360(319.58 + 19139.977 * t);
    angles[kG5] = Reduce360(225.28 + 3034.583 * t + 1300.0 / 3600.0 * SinDeg(133.775 + 39.804 * t));
    angles[kG6] = Reduce360(175.6 + 1221.794 * t);
    angles[kD] = Reduce360(350.737486 + 445267.114217 * t);
    angles[kL] = Reduce360(296.104608 + 477198.849108 * t);

    const double centre = (6910.057 - 17.24 * t) / 3600.0 * SinDeg(mean_anomaly) +
                          (72.338 - 0.361 * t) / 3600.0 * SinDeg(2.0 * mean_anomaly) +
                          1.054 / 3600.0 * SinDeg(3.0 * mean_anomaly);

    const double longitude =
        mean_longitude + centre + Perturbation(kVenusTerms, angles, false) +
        Perturbation(kMarsTerms, angles, false) + Perturbation(kJupiterTerms, angles, false) +
        Perturbation(kSaturnTerms, angles, false) + Perturbation(kMoonTerms, angles, true);
    // Aberration and nutation in one correction.
    return longitude - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * t);
}

}  // namespace orvantis
