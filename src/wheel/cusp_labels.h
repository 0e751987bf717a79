// The labels around the wheel: the zodiac position of every house cusp, the glyphs of
// intercepted signs, and the caption block in the top-left corner.
#pragma once

#include <array>

#include "wheel/wheel_work.h"

namespace orvantis {

// Labels of the twelve cusps (degrees, sign glyph, minutes), each one run of text just outside
// the outer ring on its house's spoke, moved along the ring when a label
// already placed is in the way. Measured from the fonts, so the ring never strikes them through.
void PutDataOnHouseCusps(WheelPaint& p);

// The sign lying wholly inside house 1..12, 0 for none: a house whose cusps are exactly two
// signs apart holds the sign between them. Index 0 unused.
std::array<int, 13> InterceptedSigns(const ChartState& chart);

// The glyph of each intercepted sign just outside the outer ring, in the middle of its house.
void MarkInterceptedSigns(WheelPaint& p);

// The chart's seven caption lines from the top-left corner (the page adds "Sidereal" under a
// sidereal chart).
void PlaceWheelCaptions(WheelPaint& p);

}  // namespace orvantis
