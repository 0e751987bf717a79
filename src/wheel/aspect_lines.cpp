#include "wheel/aspect_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "aspects/aspect_kind.h"
#include "astro/angles.h"
#include "wheel/glyph_codes.h"

namespace orvantis {
namespace {

// Where along its line an aspect glyph may sit, tried in this order when the middle is taken.
constexpr std::array<double, 7> kGlyphSpots{0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8};

Colour LineColour(int kind, const OptionValues& options, AspectLineTarget target) {
    if (target.monochrome_drawing && !target.printer_output) return Colour{};
    const bool page = target.printer_output;
    switch (kind) {
        case kSextile:
        case kTrine:
            return PaletteColour(
                options[page ? kOptionPageSextileTrineColour : kOptionSextileTrineColour]);
        case kSquare:
        case kOpposition:
            return PaletteColour(
                options[page ? kOptionPageSquareOppositionColour : kOptionSquareOppositionColour]);
        default:  // quincunx
            return PaletteColour(options[page ? kOptionPageQuincunxColour : kOptionQuincunxColour]);
    }
}

}  // namespace

void DrawAspectLines(DrawingContext& dc, const std::array<double, 16>& body_longitude,
                     const std::array<double, 16>& body_angle, const OptionValues& options,
                     AspectLineTarget target, double radius) {
    // The lines end on the circle all round, in the wheel's square units: a y scale of its own
    // would leave them short of the ring at the top and bottom.
    const auto ring_point = [radius](double angle) {
        return Point{radius * CosDeg(angle), radius * SinDeg(angle)};
    };
    dc.SetFontSize(options[kOptionAspectGlyphSize]);
    std::vector<Box> placed;
    // Each unordered pair once: the distance is symmetric, so the second visit of a pair would
    // only draw the same line and glyph again.
    for (std::size_t i = 1; i <= 10; ++i) {
        for (std::size_t j = i + 1; j <= 10; ++j) {
            const int kind = ClassifyWheelAspect(body_longitude[i], body_longitude[j], options);
            if (kind != kSextile && kind != kSquare && kind != kTrine && kind != kOpposition &&
                kind != kQuincunx) {
                continue;
            }
            const Colour c = LineColour(kind, options, target);
            const Point from = ring_point(body_angle[i]);
            const Point to = ring_point(body_angle[j]);
            dc.Tag = {ItemKind::AspectLine, static_cast<int>(i)};
            dc.Tag.other_body = static_cast<int>(j);
            dc.Tag.aspect = kind;
            dc.Polyline({from, to}, c);
            dc.Tag = {ItemKind::AspectGlyph};

            // The glyph goes to the first spot along the line where it covers no other aspect
            // glyph and stays inside the ring; with none free it is left out.
            const std::string glyph = AspectGlyph(kind);
            const Extent e = dc.Measure(glyph);
            for (const double t : kGlyphSpots) {
                const Point at{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
                const Box box{at.x - e.width / 2, at.y - e.height / 2, at.x + e.width / 2,
                              at.y + e.height / 2};
                const bool inside =
                    std::hypot(std::max(std::abs(box.x0), std::abs(box.x1)),
                               std::max(std::abs(box.y0), std::abs(box.y1))) < radius;
                const bool clear = std::none_of(placed.begin(), placed.end(),
                                                [&](const Box& b) { return Overlap(b, box); });
                if (!inside || !clear) continue;
                placed.push_back(box);
                dc.DrawText({box.x0, box.y1}, glyph, c);
                break;
            }
        }
    }
}

}  // namespace orvantis
