#include "ephemeris/orbits.h"

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "ephemeris/elements.h"
#include "ephemeris/perturbations.h"
#include "ephemeris/pluto.h"

namespace orvantis {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The geocentric step shared by both groups; the Earth (body 1) has none.
PlanetResult FinishPlanet(int body, const OrbitSolution& solution, const Spherical& earth,
                          double correction) {
    PlanetResult result{solution.helio, 0.0, correction, solution.status};
    if (body != 1) result.GeoLongitude = GeocentricFromHeliocentric(result.helio, earth);
    return result;
}

}  // namespace

Spherical RectangularToSpherical(double x, double y, double z) {
    Spherical s;
    s.radius = std::sqrt(x * x + y * y + z * z);
    const double rho = std::sqrt(x * x + y * y);
    if (rho == 0.0) {
        s.latitude = z > 0.0 ? 90.0 : (z < 0.0 ? -90.0 : 0.0);
    } else {
        s.latitude = RadToDeg(std::atan(z / rho));
    }
    if (x == 0.0 && y == 0.0) {
        s.longitude = 0.0;
    } else {
        // The half-angle form gives the angle of (|x|, y) in [-90, 90] without dividing by x.
        const double a = 2.0 * RadToDeg(std::atan(y / (std::abs(x) + rho)));
        if (x >= 0.0) {
            s.longitude = y >= 0.0 ? a : a + 360.0;
        } else {
            s.longitude = 180.0 - a;
        }
    }
    return s;
}

std::optional<double> SolveKepler(double mean_anomaly, double eccentricity) {
    const double e_degrees = eccentricity * 180.0 / kPi;
    double e_anomaly = mean_anomaly;
    for (int step = 0; step < kKeplerIterationCap; ++step) {
        const double next = e_anomaly + (mean_anomaly - e_anomaly + e_degrees * SinDeg(e_anomaly)) /
                                            (1.0 - eccentricity * CosDeg(e_anomaly));
        // Written as "not at least" so that a NaN step ends the loop and is reported below.
        const bool settled = !(std::abs(next - e_anomaly) >= 1e-7);
        e_anomaly = next;
        if (settled) {
            if (!std::isfinite(e_anomaly)) return std::nullopt;
            return e_anomaly;
        }
    }
    return std::nullopt;
}

Spherical HeliocentricFromOrbit(double arg_latitude, double inclination, double node) {
    const double x = CosDeg(arg_latitude);
    const double y = SinDeg(arg_latitude) * CosDeg(inclination);
    const double z = SinDeg(arg_latitude) * SinDeg(inclination);
    Spherical s = RectangularToSpherical(x, y, z);
    s.longitude = s.longitude + node;
    return s;
}

OrbitSolution SolveOrbit(const OrbitWork& work) {
    const std::optional<double> e_anomaly = SolveKepler(work.MeanAnomaly, work.Eccentricity);
    if (!e_anomaly) return {{kNaN, kNaN, kNaN}, ComputeStatus::kNonFinite};
    const double e = work.Eccentricity;
    const double radius = work.SemiMajorAxis * (1.0 - e * CosDeg(*e_anomaly));
    const double true_anomaly = Reduce360(
        2.0 *
        RadToDeg(std::atan(std::tan(kPi * *e_anomaly / 360.0) * std::sqrt((1.0 + e) / (1.0 - e)))));
    const double arg_latitude = work.ArgPerihelion + true_anomaly;
    Spherical helio = HeliocentricFromOrbit(arg_latitude, work.Inclination, work.NodeLongitude);
    helio.radius = radius;
    return {helio, ComputeStatus::kOk};
}

double GeocentricFromHeliocentric(const Spherical& planet, const Spherical& earth) {
    const double x = planet.radius * CosDeg(planet.latitude) * CosDeg(planet.longitude) -
                     earth.radius * CosDeg(earth.latitude) * CosDeg(earth.longitude);
    const double y = planet.radius * CosDeg(planet.latitude) * SinDeg(planet.longitude) -
                     earth.radius * CosDeg(earth.latitude) * SinDeg(earth.longitude);
    const double z =
        planet.radius * SinDeg(planet.latitude) - earth.radius * SinDeg(earth.latitude);
    return RectangularToSpherical(x, y, z).longitude;
}

PlanetResult ComputeInnerPlanet(int body, double t2000, const Spherical& earth) {
    const InnerElements& set = LoadElements().inner[body];
    OrbitWork work;
    work.SemiMajorAxis = set.a * kKmPerAU;
    work.Eccentricity = set.e0 + set.e1 * t2000;
    work.Inclination = set.i0 + set.i1 * t2000;
    work.NodeLongitude = set.node0 + set.node1 * t2000;
    work.PerihelionLongitude = set.perihelion0 + set.perihelion1 * t2000;
    work.MeanAnomaly = set.anomaly0 + set.anomaly1 * t2000;
    work.ArgPerihelion = work.PerihelionLongitude - work.NodeLongitude;
    return FinishPlanet(body, SolveOrbit(work), earth, 0.0);
}

PlanetResult ComputeOuterPlanet(int body, double t1900, const Spherical& earth) {
    const OuterElements& set = LoadElements().outer[body];
    OrbitWork work;
    work.MeanLongitude = EvaluateCubic(set.mean_longitude, t1900);
    work.Eccentricity = EvaluateCubic(set.e, t1900);
    work.Inclination = EvaluateCubic(set.i, t1900);
    work.ArgPerihelion = EvaluateCubic(set.arg_perihelion, t1900);
    work.NodeLongitude = EvaluateCubic(set.node, t1900);
    work.SemiMajorAxis = set.a * kKmPerAU;
    work.PerihelionLongitude = Reduce360(work.ArgPerihelion + work.NodeLongitude);
    work.MeanAnomaly = Reduce360(work.MeanLongitude - work.PerihelionLongitude);

    double correction = 0.0;
    std::optional<PlutoPosition> pluto;
    switch (body) {
        case 1:
            // The set holds the Sun's geocentric orbit: the Earth is half a turn ahead.
            work.MeanAnomaly = work.MeanAnomaly + 180.0;
            break;
        case kJupiter:
            PerturbJupiter(t1900, work);
            break;
        case kSaturn:
            PerturbSaturn(t1900, work);
            break;
        case kUranus:
            correction = PerturbUranus(t1900, work);
            break;
        case kNeptune:
            correction = PerturbNeptune(t1900, work);
            break;
        case kPluto:
            pluto = ComputePluto(t1900);
            break;
        default:
            break;
    }

    OrbitSolution solution = SolveOrbit(work);
    if (pluto) {
        solution.helio = {pluto->PlutoLongitude, pluto->PlutoLatitude,
                          pluto->PlutoRadius * kKmPerAU};
    }
    return FinishPlanet(body, solution, earth, correction);
}

}  // namespace orvantis
