#include "wheel/surface.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvantis {

Colour PaletteColour(double n) {
    static constexpr std::array<Colour, 16> kPalette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    if (!std::isfinite(n)) return kPalette[0];
    const double index = std::nearbyint(n);
    if (index < 0 || index > 15) return kPalette[0];
    return kPalette[static_cast<std::size_t>(index)];
}

DrawingContext::DrawingContext(Surface& surface, const UserScale& scale)
    : surface_(surface), scale_(scale) {}

void DrawingContext::Cls() {
    surface_.Clear(BackColor);
    CurrentX = 0;
    CurrentY = 0;
}

void DrawingContext::Line(Point from, Point to, Colour c) {
    surface_.Line(from, to, c);
}

void DrawingContext::Circle(Point centre, double radius, Colour c) {
    surface_.Circle(centre, radius, c);
}

void DrawingContext::ApplyFont() {
    const FontSpec wanted{FontName, FontSize, FontBold};
    if (font_applied_ && wanted == applied_) return;
    surface_.SetFont(wanted);
    applied_ = wanted;
    font_applied_ = true;
}

void DrawingContext::Print(std::string_view s) {
    if (s.empty()) return;
    ApplyFont();
    surface_.Text({CurrentX, CurrentY}, s, ForeColor);
    const Extent e = surface_.TextExtent(s);
    KeepCell(s, e);
    CurrentX += e.width;
}

void DrawingContext::KeepCell(std::string_view s, Extent e) {
    if (s.empty()) return;
    // The cell hangs from the current position away from the top of the scale.
    const double down = scale_.top > scale_.bottom ? -e.height : e.height;
    Box box{CurrentX, CurrentY + std::min(0.0, down), CurrentX + e.width,
            CurrentY + std::max(0.0, down)};
    Drawn.push_back({Tag, box, FontSize});
}

Extent DrawingContext::Measure(std::string_view s) {
    ApplyFont();
    return surface_.TextExtent(s);
}

void DrawingContext::PrintLine(std::string_view s) {
    ApplyFont();
    if (!s.empty()) {
        surface_.Text({CurrentX, CurrentY}, s, ForeColor);
        KeepCell(s, surface_.TextExtent(s));
    }
    // An empty line still advances by one line height, so blank lines keep their place.
    CurrentY += TextHeight(s.empty() ? std::string_view("0") : s);
    CurrentX = scale_.left;
}

double DrawingContext::TextWidth(std::string_view s) {
    ApplyFont();
    return surface_.TextExtent(s).width;
}

double DrawingContext::TextHeight(std::string_view s) {
    ApplyFont();
    const double height = surface_.TextExtent(s).height;
    return scale_.top > scale_.bottom ? -height : height;
}

std::string_view ItemKindName(ItemKind kind) {
    switch (kind) {
        case ItemKind::Glyph:
            return "glyph";
        case ItemKind::Label:
            return "label";
        case ItemKind::CuspLabel:
            return "cusp_label";
        case ItemKind::Intercepted:
            return "intercepted";
        case ItemKind::AspectGlyph:
            return "aspect_glyph";
        case ItemKind::Caption:
            return "caption";
        case ItemKind::Leader:
            return "leader";
    }
    return "";
}

}  // namespace orvantis
