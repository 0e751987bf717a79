// The text of a position in its sign in glyph-font codes, and the sign of a longitude.
#pragma once

#include <string>

#include "astro/angles.h"
#include "wheel/glyph_codes.h"

namespace orvantis {

// The position in the sign as one run of glyph-font codes: degrees and minutes of two digits
// each around the sign glyph ("05", sign, "09").
std::string PositionText(const SignDegreeMinute& pos);

// Zodiac sign 1..12 of a longitude: floor(L / 30) + 1.
int SignOf(double longitude);

}  // namespace orvantis
