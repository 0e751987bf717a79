#include "events/precise_sky_table.h"

#include <cmath>

#include "astro/bodies.h"
#include "ephemeris/precise_ephemeris.h"

namespace orvantis {
namespace {

// Segment lengths, days: the shortest period of any sizeable term (the Moon's 9-day and the
// nutation's 14-day terms, the Earth's monthly swing about the Earth-Moon barycentre) spans
// several segments' worth of nodes, so twelve nodes leave errors far below 0.001".
constexpr double kSlowDays = 16.0;
constexpr double kMoonDays = 4.0;
constexpr double kEpoch = 2451545.0;
constexpr double kPi = 3.14159265358979323846;

bool IsMoonFamily(int body) {
    return body == kMoon || body == PreciseSkyTable::kTrueNode;
}

// Values at the nodes, in the nodes' order (x from near +1 down to near -1), unwrapped so that
// consecutive values differ by less than 180°.
template <std::size_t N>
std::array<double, N> Coefficients(std::array<double, N> values) {
    for (std::size_t k = 1; k < N; ++k)
        values[k] = values[k - 1] + std::remainder(values[k] - values[k - 1], 360.0);
    std::array<double, N> c{};
    for (std::size_t j = 0; j < N; ++j) {
        double sum = 0;
        for (std::size_t k = 0; k < N; ++k)
            sum += values[k] *
                   std::cos(kPi * static_cast<double>(j) * (static_cast<double>(k) + 0.5) / N);
        c[j] = 2.0 * sum / N;
    }
    return c;
}

// Clenshaw's sum of c_j T_j(x) less c_0 / 2.
template <std::size_t N>
double Chebyshev(const std::array<double, N>& c, double x) {
    double b1 = 0, b2 = 0;
    for (std::size_t j = N - 1; j >= 1; --j) {
        const double b0 = 2.0 * x * b1 - b2 + c[j];
        b2 = b1;
        b1 = b0;
    }
    return x * b1 - b2 + 0.5 * c[0];
}

template <std::size_t N>
std::array<double, N> Derivative(const std::array<double, N>& c) {
    std::array<double, N> d{};
    for (std::size_t j = N - 1; j >= 1; --j)
        d[j - 1] = (j + 1 < N ? d[j + 1] : 0.0) + 2.0 * static_cast<double>(j) * c[j];
    return d;
}

}  // namespace

const PreciseSkyTable::Segment& PreciseSkyTable::SegmentFor(int body, double jd_ut, double& x,
                                                            double& length) {
    const bool moon = IsMoonFamily(body);
    length = moon ? kMoonDays : kSlowDays;
    const auto index = static_cast<long long>(std::floor((jd_ut - kEpoch) / length));
    auto& family = moon ? moon_ : slow_;
    auto found = family.find(index);
    if (found == family.end()) {
        Segment s;
        s.start = kEpoch + static_cast<double>(index) * length;
        std::array<std::array<double, kNodes>, 13> values{};
        for (int k = 0; k < kNodes; ++k) {
            const double node = std::cos(kPi * (k + 0.5) / kNodes);
            const double at = s.start + (node + 1.0) * length / 2.0;
            if (moon) {
                const PreciseMoon m = PreciseMoonAt(at);
                values[kMoon][k] = m.longitude;
                values[kTrueNode][k] = m.true_node;
            } else {
                const PreciseBodies b = PreciseBodiesAt(at);
                for (int i = kSun; i <= kPluto; ++i) values[i][k] = b.longitude[i];
                values[kNode][k] = b.mean_node;
            }
        }
        for (int i = 0; i < 13; ++i)
            if (IsMoonFamily(i) == moon) s.bodies[i] = Coefficients(values[i]);
        found = family.emplace(index, s).first;
    }
    x = 2.0 * (jd_ut - found->second.start) / length - 1.0;
    return found->second;
}

double PreciseSkyTable::Longitude(int body, double jd_ut) {
    double x = 0, length = 0;
    const Segment& s = SegmentFor(body, jd_ut, x, length);
    const double value = std::fmod(Chebyshev(s.bodies[body], x), 360.0);
    return value < 0 ? value + 360.0 : value;
}

double PreciseSkyTable::Speed(int body, double jd_ut) {
    double x = 0, length = 0;
    const Segment& s = SegmentFor(body, jd_ut, x, length);
    return Chebyshev(Derivative(s.bodies[body]), x) * 2.0 / length;
}

}  // namespace orvantis
