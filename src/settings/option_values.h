// The options file in memory: single-precision values, element n is line n of OPTIONS.OPT
// (element 0 is never filled). Lines 1 to 130 are values, line 131 names the home zone (text,
// options_file.h) and line 132 is a value again.
#pragma once

#include <array>

namespace orvantis {

inline constexpr int kOptionCount = 130;

inline constexpr int kOptionLastLine = 132;

using OptionValues = std::array<float, kOptionLastLine + 1>;

}  // namespace orvantis
