#include "ephemeris/pluto.h"

#include <array>

#include "astro/angles.h"
#include "ephemeris/series.h"

namespace orvantis {

namespace {

using Angle = Multiples<3>;  // J, S, P
constexpr Angle J = Unit<3>(0);
constexpr Angle S = Unit<3>(1);
constexpr Angle P = Unit<3>(2);

// Millionths of a degree (longitude, latitude) and of an AU (radius); a 0 is an absent term.
struct PlutoTerm {
    Angle argument;
    double l_sin, l_cos, b_sin, b_cos, r_sin, r_cos;
};

// clang-format off
constexpr std::array<PlutoTerm, 32> kPlutoTerms{{
    //                l sin      l cos     b sin      b cos      r sin     r cos
    {P,           -19977972, 19667536, -5323113, -15024245, 6623876, 6955990},
    {2 * P,          987114, -4939350,  3497557,   1735457, -1181808, -54836},
    {3 * P,          577978,  1226898, -1059559,    299464,  163227, -139603},
    {4 * P,         -334695,  -201966,   189102,   -285383,   -3644,   48144},
    {5 * P,          130519,   -29025,    14231,    101218,   -6268,   -8851},
    {6 * P,          -39851,    28968,   -29164,    -27461,    3111,    -408},
    {S - P,           20387,    -9832,     4935,     11282,    -621,    2223},
    {S,               -3986,    -4954,      312,      -128,     438,     450},
    {S + P,           -5817,    -3365,     2057,      -904,    -153,      61},
    {S + 2 * P,       -3903,     2895,       19,      -674,      -3,      79},
    {S + 3 * P,        -738,     3443,     -307,      -576,      50,      54},
    {2 * S - 2 * P,    1234,      472,      -65,        39,      -1,     -22},
    {2 * S - P,        1101,     -894,      -97,       208,      84,     -48},
    {2 * S,             625,    -1214,        0,      -160,     -30,      61},
    {J - S,            2485,     -486,     -177,       259,      26,     -39},
    {J - S + P,         852,    -1407,       15,       235,     -19,     -40},
    {J - 3 * P,        -948,     1073,      578,      -293,    -321,      42},
    {J - 2 * P,       -2309,    -1024,     -294,       694,     797,    -792},
    {J - P,            7047,      770,      156,       201,      -4,    4564},
    {J,                1184,     -344,      294,       829,     852,     855},
    {J + P,             394,      -55,     -123,       -31,     -88,     -82},
    {J + 2 * P,         119,     -264,        0,         0,      21,     -12},
    {J + 3 * P,         -46,     -156,        0,         0,     -14,       6},
    {J + 4 * P,         -77,      -33,        0,         0,       0,       0},
    {J + S - 3 * P,     -34,      -26,        0,         0,       0,       0},
    {J + S - 2 * P,     -43,        0,        0,         0,       0,       0},
    {J + S - P,         -15,       21,        0,         0,       0,       0},
    {2 * J - 3 * P,      10,       22,        0,         0,      -6,       1},
    {2 * J + S - 2 * P,   0,        0,        0,         0,      13,     -23},
    {2 * J - 2 * P,     -57,      -32,        0,         0,       0,       0},
    {2 * J - P,         158,      -43,        0,         0,      25,     107},
    {2 * J,               0,        0,        0,         0,      25,      16},
}};
// clang-format on

}  // namespace

PlutoPosition ComputePluto(double t1900) {
    const std::array<double, 3> angles{Reduce360(238.74 + 3034.9057 * t1900),
                                       Reduce360(267.26 + 1222.1138 * t1900),
                                       Reduce360(93.48 + 144.96 * t1900)};
    double l = 0.0, b = 0.0, r = 0.0;
    for (const PlutoTerm& term : kPlutoTerms) {
        const double argument = term.argument.Of(angles);
        const double s = SinDeg(argument);
        const double c = CosDeg(argument);
        l = l + term.l_sin * s + term.l_cos * c;
        b = b + term.b_sin * s + term.b_cos * c;
        r = r + term.r_sin * s + term.r_cos * c;
    }
    return {93.297471 + 144.96 * t1900 + l / 1000000.0, b / 1000000.0 - 3.909434,
            r / 1000000.0 + 40.724725};
}

}  // namespace orvantis
