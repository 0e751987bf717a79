#include "wheel/surface.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/angles.h"

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

void DrawingContext::Clear(Colour background) {
    surface_.Clear(background);
}

void DrawingContext::Line(Point from, Point to, Colour c) {
    surface_.Line(from, to, c);
}

void DrawingContext::Circle(Point centre, double radius, Colour c) {
    surface_.Circle(centre, radius, c);
}

void DrawingContext::ApplyFont() {
    if (font_applied_ && font_ == applied_) return;
    surface_.SetFont(font_);
    applied_ = font_;
    font_applied_ = true;
}

void DrawingContext::DrawText(Point at, std::string_view s, Colour c) {
    if (s.empty()) return;
    ApplyFont();
    surface_.Text(at, s, c);
    const Extent e = surface_.TextExtent(s);
    // The cell hangs from its corner away from the top of the scale.
    const double down = scale_.top > scale_.bottom ? -e.height : e.height;
    DrawnItem item;
    item.tag = Tag, item.points = font_.points, item.text = std::string(s);
    item.box = {at.x, at.y + std::min(0.0, down), at.x + e.width, at.y + std::max(0.0, down)};
    item.centre = {(item.box.x0 + item.box.x1) / 2, (item.box.y0 + item.box.y1) / 2};
    item.cell = e;
    Drawn.push_back(std::move(item));
}

void DrawingContext::DrawTurnedText(Point centre, double turn, std::string_view s, Colour colour) {
    if (s.empty()) return;
    ApplyFont();
    surface_.TurnedText(centre, turn, s, colour);
    const Extent e = surface_.TextExtent(s);
    const double cos = std::abs(CosDeg(turn));
    const double sin = std::abs(SinDeg(turn));
    const double half_w = (e.width * cos + e.height * sin) / 2,
                 half_h = (e.width * sin + e.height * cos) / 2;
    DrawnItem item;
    item.tag = Tag, item.points = font_.points, item.text = std::string(s);
    item.box = {centre.x - half_w, centre.y - half_h, centre.x + half_w, centre.y + half_h};
    item.centre = centre;
    item.cell = e;
    item.turn = turn;
    Drawn.push_back(std::move(item));
}

void DrawingContext::Polyline(const std::vector<Point>& path, Colour c) {
    if (path.size() < 2) return;
    DrawnItem item;
    item.tag = Tag, item.box = {path[0].x, path[0].y, path[0].x, path[0].y};
    for (std::size_t i = 1; i < path.size(); ++i) {
        surface_.Line(path[i - 1], path[i], c);
        item.box = {std::min(item.box.x0, path[i].x), std::min(item.box.y0, path[i].y),
                    std::max(item.box.x1, path[i].x), std::max(item.box.y1, path[i].y)};
    }
    item.path = path;
    Drawn.push_back(std::move(item));
}

Extent DrawingContext::Measure(std::string_view s) {
    ApplyFont();
    return surface_.TextExtent(s);
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
        case ItemKind::AspectLine:
            return "aspect_line";
    }
    return "";
}

}  // namespace orvantis
