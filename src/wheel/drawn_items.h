// What a paint of the wheel drew, item by item: the kind of each text cell or leader, its box in
// user units and, for body glyphs, where the glyph belongs and where it went. Scripts and tests
// read it to check the picture (order, house, angle, overlaps, edges) without looking at pixels.
#pragma once

#include <string_view>

namespace orvantis {

enum class ItemKind { Glyph, Label, CuspLabel, Intercepted, AspectGlyph, Caption, Leader };

std::string_view ItemKindName(ItemKind kind);

// Which part of a body label a label item is, in reading order.
enum class LabelPart { None, DegreeTens, DegreeUnits, Sign, MinuteTens, MinuteUnits, Retrograde };

// What the drawing procedures say about the text they are about to print.
struct ItemTag {
    ItemKind kind = ItemKind::Caption;
    int body = 0;   // glyph, label: 1..15
    int house = 0;  // glyph, cusp label: 1..12
    int sign = 0;   // intercepted: 1..12
    LabelPart part = LabelPart::None;
    double true_angle = 0;   // glyph: screen degrees where it belongs
    double drawn_angle = 0;  // glyph: screen degrees where it was drawn
};

// A box in user units, y up: (x0, y0) bottom-left, (x1, y1) top-right.
struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

inline bool Overlap(const Box& a, const Box& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

struct DrawnItem {
    ItemTag tag;
    Box box;
    double points = 0;  // font size of a text item
};

}  // namespace orvantis
