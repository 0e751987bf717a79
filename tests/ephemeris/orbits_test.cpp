// The orbit helpers: the spherical conversion at its special points, Kepler's equation and the
// two descriptions of the Earth's orbit.
#include "ephemeris/orbits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "astro/angles.h"
#include "ephemeris/perturbations.h"

namespace orvantis {
namespace {

TEST(RectangularToSpherical, PolesAndOriginAvoidDivision) {
    const auto fields = [](double x, double y, double z) {
        const Spherical s = RectangularToSpherical(x, y, z);
        return std::make_tuple(s.longitude, s.latitude, s.radius);
    };
    EXPECT_EQ(fields(0, 0, 5), std::make_tuple(0.0, 90.0, 5.0));
    EXPECT_EQ(fields(0, 0, -5), std::make_tuple(0.0, -90.0, 5.0));
    EXPECT_EQ(fields(0, 0, 0), std::make_tuple(0.0, 0.0, 0.0));
}

TEST(RectangularToSpherical, LongitudeInEveryQuadrant) {
    for (int k = 0; k < 8; ++k) {
        const double a = k * 45.0 * kPi / 180.0;
        EXPECT_NEAR(RectangularToSpherical(std::cos(a), std::sin(a), 0).longitude, k * 45.0, 1e-7);
    }
    const Spherical s = RectangularToSpherical(1, 1, std::sqrt(2.0));
    EXPECT_NEAR(s.latitude, 45.0, 1e-8);
    EXPECT_NEAR(s.radius, 2.0, 1e-12);
}

TEST(Kepler, SolutionSatisfiesTheEquation) {
    for (const double e : {0.0167, 0.0934, 0.2056, 0.2447}) {
        for (double m = -720.0; m <= 150000.0; m += 997.3) {
            const std::optional<double> e_anomaly = SolveKepler(m, e);
            ASSERT_TRUE(e_anomaly.has_value()) << m << " " << e;
            EXPECT_NEAR(*e_anomaly - RadToDeg(e) * SinDeg(*e_anomaly), m, 1e-7) << m << " " << e;
        }
    }
}

TEST(Kepler, NonFiniteInputIsRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(SolveKepler(nan, 0.1).has_value());
    EXPECT_FALSE(SolveKepler(10.0, nan).has_value());
    EXPECT_FALSE(SolveKepler(std::numeric_limits<double>::infinity(), 0.1).has_value());
    OrbitWork work;
    work.SemiMajorAxis = kKmPerAU;
    work.Eccentricity = nan;
    EXPECT_EQ(SolveOrbit(work).status, ComputeStatus::kNonFinite);
}

// The Earth from the linear set (centuries from J2000) and from the Sun's cubic set (centuries
// from 1900) are two descriptions of one orbit; at J2000 they agree to well under a minute.
TEST(Orbits, BothEarthSetsDescribeOneOrbit) {
    for (const double years : {-80.0, 0.0, 40.0, 95.5}) {
        const double t2000 = years / 100.0;
        const PlanetResult inner = ComputeInnerPlanet(1, t2000, {});
        const PlanetResult outer = ComputeOuterPlanet(1, t2000 + 1.0, {});
        ASSERT_EQ(inner.status, ComputeStatus::kOk);
        ASSERT_EQ(outer.status, ComputeStatus::kOk);
        EXPECT_NEAR(std::remainder(inner.helio.longitude - outer.helio.longitude, 360.0), 0.0, 0.01)
            << years;
        EXPECT_NEAR(inner.helio.radius / kKmPerAU, outer.helio.radius / kKmPerAU, 1e-4) << years;
        EXPECT_EQ(inner.helio.latitude, 0.0);
    }
}

}  // namespace
}  // namespace orvantis
