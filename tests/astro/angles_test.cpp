// The angle and number helpers: reduction, polar conversion, the sign/degree/minute split.
#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace orvantis {
namespace {

TEST(Reduce360, BringsEveryFiniteAngleIntoTheCircle) {
    EXPECT_EQ(Reduce360(-30), 330);
    EXPECT_EQ(Reduce360(720), 0);
    // Just below 0 the formula gives 360 itself; that is the point 0.
    EXPECT_EQ(Reduce360(-1e-14), 0);
    for (double x : {1e17, -1e17, 1e300, -1e300, 4.9e-324}) {
        const double r = Reduce360(x);
        EXPECT_TRUE(r >= 0 && r < 360) << x << " gives " << r;
    }
    EXPECT_TRUE(std::isnan(Reduce360(std::nan(""))));
}

TEST(PolarFromXY, GivesTheAngleInEveryQuadrant) {
    for (int k = 0; k < 8; ++k) {
        const double a = (2 * k + 1) * kPi / 8;
        EXPECT_NEAR(PolarFromXY(std::cos(a), std::sin(a)).angle, a, 1e-9) << k;
    }
    EXPECT_NEAR(PolarFromXY(3, 4).radius, 5, 1e-12);
    // y = 0 is nudged, so the negative x axis is π, not 0.
    EXPECT_NEAR(PolarFromXY(-1, 0).angle, kPi, 1e-8);
    const XY p = XYFromPolar(0, 2);  // the angle 0 is nudged as well
    EXPECT_NEAR(p.x, 2, 1e-12);
    EXPECT_GT(p.y, 0);
}

TEST(SplitLongitude, SplitsIntoSignDegreeAndRoundedMinutes) {
    const auto expect = [](double longitude, int sign, int degree, int minute) {
        const SignDegreeMinute s = SplitLongitude(longitude);
        EXPECT_EQ(std::tie(s.sign, s.degree, s.minute), std::tie(sign, degree, minute))
            << longitude;
    };
    expect(59.0, 2, 29, 0);           // 59 / 30 needs the rounding to two decimals to give 29
    expect(60.0 - 0.001, 2, 29, 59);  // 0.06' below 60°: 60 minutes are held at 59
    expect(108.4536, 4, 18, 27);
    expect(359.999, 12, 29, 59);
    for (int d = 0; d < 360; ++d) expect(d, d / 30 + 1, d % 30, 0);
}

}  // namespace
}  // namespace orvantis
