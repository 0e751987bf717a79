// The one lenient number rule every settings reader shares, and the conversion of a read number
// to a 16-bit integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvantis {

// Reads the number at the start of text: leading blanks (spaces and tabs) are skipped, then an
// optional sign, digits with at most one "." as decimal point and an optional exponent (e or E,
// an optional sign, digits). Reading stops at the first character that cannot continue the
// number; text without digits gives 0. A number too large for a double gives ±infinity, one too
// small gives 0. No locale is consulted: "." is always the decimal point.
double LenientNumber(std::string_view text);

// value rounded to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4);
// nullopt when the rounded value lies outside -32768..32767 or value is not a number.
std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace orvantis
