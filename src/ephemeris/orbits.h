// Orbital elements to geocentric ecliptic longitude: Kepler's equation, the heliocentric
// position, the change of origin to the Earth and the rectangular-to-spherical conversion.
#pragma once

#include <optional>

#include "astro/bodies.h"

namespace orvantis {

inline constexpr double kKmPerAU = 149597870.0;

// Newton's method stops well within this many steps for e below 0.25; reaching it means the
// inputs were not finite or not an ellipse.
inline constexpr int kKeplerIterationCap = 50;

// The elements of one body at one moment, as the orbit solution and the perturbations use them.
// Angles in degrees, not reduced unless said; the semi-major axis in kilometres.
struct OrbitWork {
    double MeanLongitude = 0;        // L
    double SemiMajorAxis = 0;        // a, km
    double Eccentricity = 0;         // e
    double Inclination = 0;          // i
    double ArgPerihelion = 0;        // ω
    double NodeLongitude = 0;        // Ω
    double PerihelionLongitude = 0;  // ϖ = ω + Ω
    double MeanAnomaly = 0;          // M
};

// A point in spherical ecliptic coordinates: longitude in [0, 360) (heliocentric longitudes may
// exceed it by the node), latitude in [-90, 90], radius in the unit of the input.
struct Spherical {
    double longitude = 0;
    double latitude = 0;
    double radius = 0;
};

// One body computed by ComputeInnerPlanet or ComputeOuterPlanet.
struct PlanetResult {
    Spherical helio;                 // heliocentric position, radius in km
    double GeoLongitude = 0;         // geocentric longitude, [0, 360); 0 for the Earth (body 1)
    double LongitudeCorrection = 0;  // Uranus and Neptune: degrees the caller adds to GeoLongitude
    ComputeStatus status = ComputeStatus::kOk;  // kNonFinite when Kepler's equation failed
};

// Longitude, latitude (degrees) and radius of the point (x, y, z). The origin and the poles are
// handled before any division: (0, 0, z) has longitude 0 and latitude +90, 0 or -90 by the sign
// of z.
Spherical RectangularToSpherical(double x, double y, double z);

// The eccentric anomaly E in degrees solving M = E - e sin E (M in degrees, 0 <= e < 1), by
// Newton's method from E = M until a step is below 1e-7 degrees. nullopt when the result is not
// finite or kKeplerIterationCap steps do not settle it.
std::optional<double> SolveKepler(double mean_anomaly, double eccentricity);

// The heliocentric position of the orbit point at argument of latitude u on an orbit of
// inclination i and node Ω (degrees); radius 1. The longitude is Ω plus the in-orbit angle and
// is not reduced.
Spherical HeliocentricFromOrbit(double arg_latitude, double inclination, double node);

// Solves the orbit of `work`: the heliocentric position (radius in km) at the moment.
struct OrbitSolution {
    Spherical helio;
    ComputeStatus status = ComputeStatus::kOk;
};
OrbitSolution SolveOrbit(const OrbitWork& work);

// The geocentric ecliptic longitude in [0, 360) of a planet, both positions heliocentric with
// radii in the same unit.
double GeocentricFromHeliocentric(const Spherical& planet, const Spherical& earth);

// Body 1 (the Earth), 2 Mercury, 3 Venus or 4 Mars from the linear element sets, t in Julian
// centuries from J2000 (UT). For body 1 only `helio` is meaningful and `earth` is not read; the
// other bodies need the Earth's position from body 1 at the same t.
PlanetResult ComputeInnerPlanet(int body, double t2000, const Spherical& earth);

// Body 1 (the Earth, from the Sun's set), 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune or 9 Pluto,
// t in Julian centuries from 1900 January 0.5 (UT), with the perturbations of the giant planets
// and Pluto's periodic series. `earth` as for ComputeInnerPlanet, from body 1 at the same t.
PlanetResult ComputeOuterPlanet(int body, double t1900, const Spherical& earth);

}  // namespace orvantis
