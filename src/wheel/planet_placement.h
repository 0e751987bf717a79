// Placing the fifteen body glyphs on the wheel, each with its position in the sign (degrees,
// sign glyph, minutes, retrograde mark) stacked beside it toward the centre.
//
// Every body belongs at a true angle: its longitude's angle on the European wheel, its share of
// the house's fixed 30-degree sector on the American wheel. Within each house the glyphs keep
// zodiac order and sit as near their true angles as the room their glyph and label need allows;
// a cluster spreads around its own centre, and nothing crosses a cusp. A European house too
// narrow for its bodies shares the room of its neighbours; a body that still finds no room is
// left out and named in the captions. A tick on the outer ring marks every true angle, and a
// leader joins it to a glyph that had to move.
#pragma once

#include <vector>

#include "wheel/wheel_work.h"

namespace orvantis {

// One body of a run of neighbouring glyphs: where it belongs, how much it resists moving and
// the angular half-width (degrees) of its glyph and label.
struct Seat {
    double target = 0;
    double weight = 1;
    double half = 0;
};

// Angles (degrees) for the seats of one run, in the given order, inside [lo, hi]: each seat's
// half-width plus pad clear of its neighbours and of the ends, and the weighted squared
// distances to the targets as small as possible (a crowded cluster spreads around its own
// centre). Empty when the run does not fit.
std::vector<double> PlaceRun(const std::vector<Seat>& run, double lo, double hi, double pad);

// Whether a label at screen angle theta reads from the glyph inward: items further in are
// further right or lower, so the degrees go next to the glyph; otherwise the minutes do.
bool LabelReadsInward(double theta);

// Places and draws every body; fills BodyTrueAngle, BodyDisplayAngle, BodyDrawn and LeftOut.
void SetupAndDisplayPlanets(WheelPaint& p);

// English name of body 1..15, for the caption of bodies left out.
const char* BodyCaptionName(int body);

}  // namespace orvantis
