#include "wheel/surface.h"

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
    CurrentX += surface_.TextExtent(s).width;
}

void DrawingContext::PrintLine(std::string_view s) {
    ApplyFont();
    if (!s.empty()) surface_.Text({CurrentX, CurrentY}, s, ForeColor);
    // An empty line still advances by one line height, as the platform does.
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

}  // namespace orvantis
