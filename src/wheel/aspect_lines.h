// The aspect lines inside the wheel, drawn by the paint cycle when option 47 is 1.
#pragma once

#include <array>

#include "settings/option_lines.h"
#include "wheel/surface.h"

namespace orvantis {

// Which surface the lines go to: the window, the window redrawn for the half-page print
// (black lines), or the printed page (its own colour options 112..114).
struct AspectLineTarget {
    bool printer_output = false;
    bool monochrome_drawing = false;
};

inline constexpr double kAspectLineRadius = 120;  // the inner ring

// Draws a line inside the circle of `radius` (the inner ring, or a bi-wheel's aspect circle)
// between each pair of
// the bodies Sun .. Pluto and the Moon (1..10) that forms a sextile, square, trine, opposition
// or quincunx under the option orbs (ClassifyWheelAspect), with the aspect glyph centred on its
// midpoint in the glyph font at option 77 points, or moved along the line where another aspect
// glyph is in the way (left out when the whole line is taken). The end points lie on the inner
// ring at the bodies' true angles (body_angle, screen degrees counterclockwise from 3 o'clock:
// their ticks), wherever a crowded house moved the glyphs; an aspect is a statement about two
// longitudes (body_longitude, degrees). Each line is kept as an aspect_line item. Colours: sextile
// and trine option 97, square and opposition 98, quincunx 99 (on the printed page 112, 113, 114;
// black for the half-page print). Each pair is drawn once; the glyph takes its line's colour.
// Leaves the context's font at the aspect glyphs' size.
void DrawAspectLines(DrawingContext& dc, const std::array<double, 16>& body_longitude,
                     const std::array<double, 16>& body_angle, const OptionValues& options,
                     AspectLineTarget target, double radius = kAspectLineRadius);

}  // namespace orvantis
