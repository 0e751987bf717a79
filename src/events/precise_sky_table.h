// The precise ephemeris over a span, for the event finder: each body's apparent longitude fitted
// by Chebyshev polynomials on fixed segments of time, each segment computed the first time it is
// asked for. A direct evaluation costs milliseconds; a year's search asks for some hundred
// thousand moments, and the fit stays within a thousandth of an arc second of the direct values.
#pragma once

#include <array>
#include <map>

namespace orvantis {

class PreciseSkyTable {
public:
    // The slot of the true node; kSun .. kMoon are the bodies and kNode the mean node.
    static constexpr int kTrueNode = 12;

    // Apparent longitude, degrees [0, 360), and its rate, degrees per day, at the Julian date
    // jd_ut (UT).
    double Longitude(int body, double jd_ut);
    double Speed(int body, double jd_ut);

private:
    static constexpr int kNodes = 12;
    using Series = std::array<double, kNodes>;
    struct Segment {
        double start = 0;                 // Julian date (UT) of its beginning
        std::array<Series, 13> bodies{};  // Chebyshev coefficients, by body number
    };
    // The segment holding jd_ut in the family of the body, computed when missing.
    const Segment& SegmentFor(int body, double jd_ut, double& x, double& length);

    std::map<long long, Segment> slow_;  // Sun, planets, mean node: 16 days each
    std::map<long long, Segment> moon_;  // Moon, true node: 4 days each
};

}  // namespace orvantis
