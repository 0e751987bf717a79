#include "aspects/aspect_lines.h"

#include "aspects/aspect_kind.h"
#include "astro/angles.h"

namespace orvantis {
namespace {

constexpr double kInnerRadius = 120.0;
// The wheel's y components are squeezed by this factor so the lines end at the glyph ring.
constexpr double kYFactor = 0.96;

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

Point GlyphEnd(double display_angle) {
    return {kInnerRadius * CosDeg(display_angle), kYFactor * kInnerRadius * SinDeg(display_angle)};
}

}  // namespace

void DrawAspectLines(DrawingContext& dc, const std::array<double, 16>& body_longitude,
                     const std::array<double, 16>& body_display_angle, const OptionValues& options,
                     AspectLineTarget target) {
    dc.FontName = "QUERNA";
    dc.FontSize = options[kOptionAspectGlyphSize];
    dc.FontBold = false;
    const Colour fore = dc.ForeColor;
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
            const Point from = GlyphEnd(body_display_angle[i]);
            const Point to = GlyphEnd(body_display_angle[j]);
            dc.Line(from, to, c);

            const std::string glyph = AspectGlyph(kind);
            dc.CurrentX = (from.x + to.x) / 2 - dc.TextWidth(glyph) / 2;
            dc.CurrentY = (from.y + to.y) / 2 - dc.TextHeight(glyph) / 2;
            dc.ForeColor = c;
            dc.Print(glyph);
        }
    }
    dc.ForeColor = fore;
}

}  // namespace orvantis
