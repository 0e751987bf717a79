// The mean orbital elements of the planets: constant tables, read by the orbit procedures.
#pragma once

#include <array>

namespace orvantis {

// Linear elements x0 + x1 T of the Earth, Mercury, Venus and Mars, T in Julian centuries from
// J2000 (JD 2451545.0). Angles in degrees.
struct InnerElements {
    double a;  // semi-major axis, AU
    double e0, e1;
    double i0, i1;                    // inclination
    double node0, node1;              // longitude of the ascending node
    double perihelion0, perihelion1;  // longitude of perihelion
    double anomaly0, anomaly1;        // mean anomaly
};

using Cubic = std::array<double, 4>;  // x0 + x1 T + x2 T² + x3 T³

// Cubic elements of the Sun (seen from the Earth), Jupiter, Saturn, Uranus, Neptune and Pluto, T
// in Julian centuries from JD 2415020.0 (1900 January 0.5). Angles in degrees.
struct OuterElements {
    Cubic mean_longitude;
    double a;  // semi-major axis, AU
    Cubic e;
    Cubic i;               // inclination
    Cubic arg_perihelion;  // argument of perihelion ω
    Cubic node;            // longitude of the ascending node Ω
};

// The ten element sets, indexed by body number (index 0 and unused bodies are zero):
//   inner[1..4]          sets 1..4: Earth, Mercury, Venus, Mars
//   outer[1], outer[5..9] sets 5..10: the Sun's set (giving the Earth), Jupiter .. Pluto
struct ElementSets {
    std::array<InnerElements, 5> inner;
    std::array<OuterElements, 10> outer;
};

// The element sets; a constant table, the same for the whole run.
const ElementSets& LoadElements();

// x0 + x1 T + x2 T² + x3 T³, summed in that order.
double EvaluateCubic(const Cubic& c, double t);

}  // namespace orvantis
