// The options file in memory: 131 single-precision values, element n is line n of OPTIONS.OPT
// (element 0 is never filled).
#pragma once

#include <array>

namespace orvantis {

inline constexpr int kOptionCount = 130;

using OptionValues = std::array<float, kOptionCount + 1>;

// The home time zone in hours, west positive: the fixed zone used when no zone is named.
inline constexpr int kOptionHomeZone = 18;

}  // namespace orvantis
