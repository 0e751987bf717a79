// The orbit helpers where the longitudes cannot show them: the spherical conversion at its
// special points, Kepler's equation over many turns, and input that is not finite.
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

// The solution satisfies the equation over many turns; input that is not finite is refused.
TEST(Kepler, SolutionSatisfiesTheEquationOrIsRefused) {
    for (const double e : {0.0167, 0.0934, 0.2056, 0.2447}) {
        for (double m = -720.0; m <= 150000.0; m += 997.3) {
            const std::optional<double> e_anomaly = SolveKepler(m, e);
            ASSERT_TRUE(e_anomaly.has_value()) << m << " " << e;
            EXPECT_NEAR(*e_anomaly - RadToDeg(e) * SinDeg(*e_anomaly), m, 1e-7) << m << " " << e;
        }
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(SolveKepler(nan, 0.1).has_value());
    EXPECT_FALSE(SolveKepler(10.0, nan).has_value());
    EXPECT_FALSE(SolveKepler(std::numeric_limits<double>::infinity(), 0.1).has_value());
    OrbitWork work;
    work.SemiMajorAxis = kKmPerAU;
    work.Eccentricity = nan;
    EXPECT_EQ(SolveOrbit(work).status, ComputeStatus::kNonFinite);
}

}  // namespace
}  // namespace orvantis
