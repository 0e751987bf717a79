// Placing the fifteen body glyphs on the wheel without overlaps, each with its position in the
// sign (degrees, sign glyph, minutes, retrograde mark) printed beside it toward the centre.
//
// American wheel: every house is an equal 30-degree sector with seven 4-degree slots; a body
// takes the slot of its share of the true house, crowded houses shift their bodies along.
// European wheel: bodies sit at their true angle and crowded glyphs are pushed 4 degrees apart.
#pragma once

#include "chart/houses.h"
#include "wheel/wheel_work.h"

namespace orvantis {

// The constant slot tables, index = house 1..12.
inline constexpr std::array<int, 13> kHouseSlotStart{0, 180, 209, 240, 272, 304, 335,
                                                     4, 34,  65,  95,  124, 153};
inline constexpr std::array<int, 13> kHouseRadius{0,   217, 212, 201, 196, 194, 197,
                                                  199, 202, 206, 208, 212, 217};


// SortedLongitude/SortedBodyId in ascending longitude by an exchange sort; clears HouseBodyCount.
void SortPlanets(WheelPaint& p);
// SortedHouse and HouseBodyCount; rotates the sorted tables so that a house spanning 0° Aries
// forms one run; clears SlotTaken.
void CountBodiesPerHouse(WheelPaint& p);

// Where SetupAndDisplayPlanets put one body.
struct PlacedBody {
    int id = 0;
    int house = 0;
    double theta = 0;   // screen angle, degrees
    double radius = 0;  // of the glyph's top-left corner
};

// Places every body (highest longitude first) and draws it.
void SetupAndDisplayPlanets(WheelPaint& p);
// Draws one placed body: its glyph and its label.
void PutPlanetsInChartwheel(WheelPaint& p, const PlacedBody& body);

// The label's running position (x, y) moves one step toward the centre along the body's
// direction; the vertical step is scaled by the style's factor. The current position follows.
struct LabelCursor {
    double x = 0, y = 0;
    double theta = 0;
};
void StepLabelInward(WheelPaint& p, LabelCursor& at);
void StepLabelByGlyph(WheelPaint& p, LabelCursor& at);

// True when the label reads outward-in (degrees next to the glyph).
bool LabelReadsOutwardIn(const WheelPaint& p, double theta, int house);

}  // namespace orvantis
