// The options file in memory: 131 single-precision values, element n is line n of OPTIONS.OPT
// (element 0 is never filled).
#pragma once

#include <array>

namespace orvantis {

inline constexpr int kOptionCount = 130;

using OptionValues = std::array<float, kOptionCount + 1>;

}  // namespace orvantis
