// Placing the fifteen body glyphs on the wheel, each with its position in the sign as one run of
// text ("15♒42", the retrograde mark after it) laid along the glyph's ray toward the centre.
//
// Every body belongs at a true angle: its longitude's angle on the European wheel, its share of
// the house's fixed 30-degree sector on the American wheel; a tick on the outer ring marks it.
// Within each house the glyphs keep zodiac order, as near their true angles as the room allows,
// half a glyph clear of both cusp lines. A crowded house takes as many concentric tiers as it
// needs, neighbours alternating between them; its labels shrink only when no number of tiers
// fits. A glyph off its tick is joined to it by a leader that runs in the free band inside the
// ring and then straight down its own ray, between the glyphs of the outer tiers. Every body is
// drawn.
#pragma once

#include <vector>

#include "wheel/wheel_work.h"

namespace orvantis {

// One body of a house's run of glyphs, in zodiac order: where it belongs, how much it resists
// moving, and its own bounds (degrees).
struct Seat {
    double target = 0;
    double weight = 1;
    double lo = 0, hi = 0;
};

// The least separation (degrees) between seat `from` and a later seat `to` of a run.
struct Spacing {
    std::size_t from = 0, to = 0;
    double least = 0;
};

// Angles for the seats of one run, each inside its bounds and every spacing kept, with the
// weighted squared distances to the targets small (a crowded cluster spreads around its own
// centre). Empty when they do not fit.
std::vector<double> PlaceRun(const std::vector<Seat>& run, const std::vector<Spacing>& spacing);

// The turn (degrees counterclockwise) of a label lying along the ray at screen angle theta:
// reading outward on the right half of the wheel and inward on the left, never upside down.
double LabelTurn(double theta);

// Places and draws every body; fills BodyTrueAngle and BodyDisplayAngle.
void SetupAndDisplayPlanets(WheelPaint& p);

}  // namespace orvantis
