// The labels around the wheel: the zodiac position of every house cusp, the glyphs of
// intercepted signs, and the caption block in the top-left corner.
#pragma once

#include <array>

#include "wheel/wheel_work.h"

namespace orvantis {

// Labels of the twelve cusps (degrees in bold, sign glyph, minutes). Fixed positions from the
// caption table for the American wheel, before the first chart, and for the Ascendant and
// Descendant of the European wheel; the other European cusps are labelled just outside the
// outer ring at their true angle.
void PutDataOnHouseCusps(WheelPaint& p);

// The sign lying wholly inside house 1..12, 0 for none: a house whose cusps are exactly two
// signs apart holds the sign between them. Index 0 unused.
std::array<int, 13> InterceptedSigns(const DisplayedChart& shown);

// The glyph of each intercepted sign just outside the outer ring, in the middle of its house.
void MarkInterceptedSigns(WheelPaint& p);

// The chart's seven caption lines from the top-left corner (the page adds "Sidereal" under a
// sidereal chart).
void PlaceWheelCaptions(WheelPaint& p);

}  // namespace orvantis
