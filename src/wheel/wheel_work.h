// The working tables of one paint. Every paint rebuilds them from the chart; nothing survives
// from one paint to the next.
#pragma once

#include <array>
#include <vector>

#include "wheel/drawn_items.h"
#include "wheel/surface.h"
#include "wheel/wheel_inputs.h"

namespace orvantis {

struct WheelWork {
    // Body placement, 1-based: where each glyph belongs (its tick) and where it was drawn
    // (screen degrees).
    BodyAngles BodyTrueAngle{};
    BodyAngles BodyDisplayAngle{};
    std::array<bool, 16> BodyDrawn{};  // false for a body without a house (no chart yet)

    // Boxes of the cusp labels and intercepted signs outside the outer ring.
    std::vector<Box> OutsideTaken;

    // Everything printed, in paint order (user units).
    std::vector<DrawnItem> Items;
};

// One paint in progress: where it draws, what it reads, and its working tables. The drawing
// procedures take it instead of sharing globals.
struct WheelPaint {
    DrawingContext& dc;
    const WheelInputs& in;
    WheelWork& work;

    const WheelStyle& style() const { return in.style; }
    double Option(int line) const;
    Colour OptionColour(int line) const { return PaletteColour(Option(line)); }
    // The European layout at true cusp positions, once a chart exists.
    bool EuropeanWithChart() const { return in.TypeChart == 1 && in.chart.ChartReady; }
    // The house cusp (longitude) of house 1..12.
    double CuspOfHouse(int house) const;
};

// Ring radii in wheel units.
inline constexpr double kInnerRing = 120;
inline constexpr double kOuterRing = 217;

// Radius at which a box of extent e centred on the ray at screen angle theta (degrees) just
// fits inside a circle of radius limit (its farthest corner on the circle).
double FitInside(Extent e, double theta, double limit);
// Radius at which such a box just clears a circle of radius limit (its nearest point on it).
double ClearOutside(Extent e, double theta, double limit);
// The box of extent e centred at c.
Box CentredBox(Point c, Extent e);

}  // namespace orvantis
