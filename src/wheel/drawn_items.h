// What a paint of the wheel drew, item by item: the kind of each text cell or leader, its box in
// user units and, for body glyphs, where the glyph belongs and where it went. Scripts and tests
// read it to check the picture (order, house, angle, overlaps, edges) without looking at pixels.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

enum class ItemKind {
    Glyph,
    Label,
    CuspLabel,
    Intercepted,
    AspectGlyph,
    Caption,
    Leader,
    AspectLine
};

std::string_view ItemKindName(ItemKind kind);

// Which part of a body label a label item is: the position in the sign as one run, or the
// retrograde mark that follows it.
enum class LabelPart { None, Position, Retrograde };

// What the drawing procedures say about the text they are about to print.
struct ItemTag {
    ItemKind kind = ItemKind::Caption;
    int body = 0;   // glyph, label: 1..15
    int house = 0;  // glyph, cusp label: 1..12
    int sign = 0;   // intercepted: 1..12
    LabelPart part = LabelPart::None;
    double true_angle = 0;   // glyph: screen degrees where it belongs
    double drawn_angle = 0;  // glyph: screen degrees where it was drawn
    int other_body = 0;      // aspect line: the second body
    int aspect = 0;          // aspect line: its kind
    int ring = 0;            // 1: drawn for the transiting sky of a bi-wheel
};

// A box in user units, y up: (x0, y0) bottom-left, (x1, y1) top-right.
struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

inline bool Overlap(const Box& a, const Box& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

struct Point {
    double x = 0;
    double y = 0;
};

// Width and height of a text cell in user units, both >= 0 whatever the direction of the axes.
struct Extent {
    double width = 0;
    double height = 0;
};

struct DrawnItem {
    ItemTag tag;
    Box box;            // a text's cell (for turned text the box around it); a line's ends' box
    double points = 0;  // font size of a text item
    // Text: what was printed, the centre of its cell, the cell, and the turn of its baseline
    // (degrees counterclockwise, 0 for level text).
    std::string text;
    Point centre{};
    Extent cell{};
    double turn = 0;
    // Lines (leaders, aspect lines): the polyline drawn.
    std::vector<Point> path;
};

}  // namespace orvantis
