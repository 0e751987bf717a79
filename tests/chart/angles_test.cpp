// The angle and number helpers: reduction, D.MM, polar conversion, the sign/degree/minute split.
#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvantis {
namespace {

TEST(Reduce360, BringsEveryFiniteAngleIntoTheCircle) {
    EXPECT_EQ(Reduce360(-30), 330);
    EXPECT_EQ(Reduce360(720), 0);
    EXPECT_EQ(Reduce360(359.5), 359.5);
    // Just below 0 the formula gives 360 itself; that is the point 0.
    EXPECT_EQ(Reduce360(-1e-14), 0);
    for (double x : {1e17, -1e17, 1e300, -1e300, 4.9e-324}) {
        const double r = Reduce360(x);
        EXPECT_TRUE(r >= 0 && r < 360) << x << " gives " << r;
    }
    EXPECT_TRUE(std::isnan(Reduce360(std::nan(""))));
}

TEST(PolarFromXY, GivesTheAngleInEveryQuadrant) {
    const double k = 1 / std::sqrt(2.0);
    // atan itself works with the full π; the quadrant corrections add the held 3.1415926535.
    EXPECT_NEAR(PolarFromXY(k, k).angle, kPi / 4, 1e-10);
    EXPECT_NEAR(PolarFromXY(-k, k).angle, 3 * kPi / 4, 1e-10);
    EXPECT_NEAR(PolarFromXY(-k, -k).angle, 5 * kPi / 4, 1e-10);
    EXPECT_NEAR(PolarFromXY(k, -k).angle, 7 * kPi / 4, 1e-10);
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
        EXPECT_EQ(s.sign, sign) << longitude;
        EXPECT_EQ(s.degree, degree) << longitude;
        EXPECT_EQ(s.minute, minute) << longitude;
    };
    expect(0, 1, 0, 0);
    expect(59.0, 2, 29, 0);           // 59 / 30 needs the rounding to two decimals to give 29
    expect(60.0 - 0.001, 2, 29, 59);  // 0.06' below 60°: 60 minutes are held at 59
    expect(108.4536, 4, 18, 27);
    expect(359.999, 12, 29, 59);
    for (int d = 0; d < 360; ++d) expect(d, d / 30 + 1, d % 30, 0);
}

}  // namespace
}  // namespace orvantis
