// The body numbers every array of bodies uses, and the status a computation step reports.
#pragma once

#include <array>

namespace orvantis {

inline constexpr int kBodyCount = 15;

// 1-based, as users count them; index 0 of a body array is unused.
enum Body : int {
    kSun = 1,
    kMercury,
    kVenus,
    kMars,
    kJupiter,
    kSaturn,
    kUranus,
    kNeptune,
    kPluto,
    kMoon,
    kNode,
    kOppositeNode,
    kFortune,
    kAscendantBody,
    kMCBody,
};

// Which bodies move backwards over the day (only planets 2..9 can): body i at [i - 1].
using RetrogradeMarks = std::array<bool, kBodyCount>;

// What a computation step reports. A non-finite result (a pole, a house formula without a
// solution) is refused by the chart driver instead of being drawn.
enum class ComputeStatus { kOk, kNonFinite };

}  // namespace orvantis
