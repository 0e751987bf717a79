// The aspects in the glyph font: the grid of the full-page print, a triangle of aspect glyphs
// between the fifteen bodies, and the text of the aspect window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "aspects/aspect_list.h"
#include "aspects/orb_file.h"
#include "settings/option_values.h"
#include "wheel/surface.h"

namespace orvantis {

// Draws the aspect grid on the printed page when option 122 is not 0 (nothing otherwise).
// orbs: the orb file as LoadOrbFile has just read it, so the grid agrees with the aspect window
// (not with the wheel's lines, which use the option orbs). body_longitude: degrees, 1..15.
//
// Layout, in the page's user scale (y up): the bodies in the order of the aspect window index
// rows p (top to bottom) and columns q (left to right). The body glyphs stand on the diagonal
// (p = q) and the aspect of bodies p and q in cell (p, q) below it, so each pair appears once.
// The cell pitch is 1.25 times the width and height of glyph 174 at option 120 points; the grid
// starts at x = page width / 2 − option 121 and y = page height / 2 + |height of the Sun glyph|
// × option 119 × 1.25, moved up or left as far as it would run past the bottom or right edge of
// the page's scale. Each glyph stands where glyph 174 inset a third of its width and a
// quarter of its height into the cell would, centred on the same point, and is printed smaller
// when it is wider than glyph 174, so every glyph stays inside its cell. Cell borders are drawn
// around the triangle, centred on the glyphs.
// Colours: body glyphs and lines black, aspects by group (options 124..130).
void PrintAspectGrid(DrawingContext& dc, const std::array<double, 16>& body_longitude,
                     const OrbValues& orbs, const OptionValues& options);

// The option (124..130) holding the printed colour of an aspect kind's group; 0 for kinds
// that are no aspect.
int AspectGroupColourOption(int kind);

// The text of the aspect window in glyph-font characters: for each aspect two blanks, the first
// body's glyph, a blank, the aspect glyph, a blank, the second body's glyph and CR LF.
std::string AspectListText(const std::vector<AspectEntry>& aspects);

}  // namespace orvantis
