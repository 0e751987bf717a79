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
    std::string moment;  // the transits' date and time as their chart's captions give them
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
// radix's placement has put in p.work; and the caption "Transits <moment>" in the bottom left
// corner, where the wheel leaves room on the window and the page alike. When the inputs ask for
// radix_aspects, the radix's own aspect lines go under the transits' lines, on their circle.
void DrawTransitRing(WheelPaint& p, const TransitSky& sky);

// The transiting sky of a computed chart: its bodies 1 .. 11, retrograde marks and moment.
TransitSky TransitSkyOf(const ChartState& chart, const OrbValues& orbs);

// The radix as a bi-wheel shows it: its first caption line names it.
ChartState BiWheelRadix(ChartState radix, const std::string& name);

}  // namespace orvantis
