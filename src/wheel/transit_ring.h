// The second ring of a bi-wheel: the sky of the moment (the transits) inside the radix's inner
// ring, each body at the angle its longitude has on the radix's wheel, and a line for each
// transiting body's major aspect to a radix body or angle within the transit orbs.
#pragma once

#include <array>
#include <string>

#include "aspects/orb_file.h"
#include "chart/chart_state.h"
#include "wheel/wheel_work.h"

namespace orvantis {

// The transiting bodies: longitudes in the radix's zodiac by body number, 1 .. 10 Sun .. Moon and
// 11 the node; which of them move backwards; the orbs of TRANSIT.ORB.
struct TransitSky {
    std::array<double, 12> longitude{};
    RetrogradeMarks retrograde{};
    OrbValues orbs{};
};

// The ring of transiting glyphs lies inside the inner ring; their aspect lines to the radix join
// the true degrees on this circle.
inline constexpr double kTransitAspectRing = 70;

// The screen angle (degrees) at which a longitude belongs on the radix's wheel: its own angle on
// the European wheel, its share of its house's fixed sector on the American one.
double RadixScreenAngle(const WheelPaint& p, double longitude);

// Draws the transiting bodies (glyph, position in the sign and retrograde mark, tagged with
// ring 1) spread apart where they crowd, each with a tick at its true angle on the inner ring,
// and their aspect lines to the radix bodies 1 .. 11, Ascendant and MC, whose true angles the
// radix's placement has put in p.work.
void DrawTransitRing(WheelPaint& p, const TransitSky& sky);

// The transiting sky of a computed chart: its bodies 1 .. 11 and retrograde marks.
TransitSky TransitSkyOf(const ChartState& chart, const OrbValues& orbs);

// The radix as a bi-wheel shows it: its captions name it (line 1) and the transits' moment
// (line 6, in place of the sidereal time).
ChartState BiWheelRadix(ChartState radix, const std::string& name, const ChartState& transits);

}  // namespace orvantis
