// The drawing surface: everything the wheel, the cusp labels, the captions and the aspect lines
// may do on a window, an image or a printed page, and the drawing context that gives the
// drawing procedures a user scale and a font and keeps what they drew.
//
// Coordinates are absolute user coordinates throughout: every call names its position, so a
// surface holds no position of its own and a recording surface sees the positions exactly as
// the drawing procedures computed them. The adapter of a real device maps
// user coordinates (y up) to its own pixels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wheel/drawn_items.h"

namespace orvantis {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

struct FontSpec {
    std::string face = "QUERNA";
    double points = 10;  // typographic points (1/72 inch)
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The user rectangle a surface shows, given by its corners (left, top)-(right, bottom):
// the wheel puts its centre at (0, 0) with top > bottom, so y grows upward.
struct UserScale {
    double left = -1, top = 1, right = 1, bottom = -1;
    friend bool operator==(const UserScale&, const UserScale&) = default;
};

// Text is a string of 8-bit character codes (the glyph font uses codes 48..57 and 161..238).
class Surface {
public:
    virtual ~Surface() = default;
    virtual void Clear(Colour background) = 0;
    virtual void Line(Point from, Point to, Colour c) = 0;
    // A true circle: the radius is measured along the x axis of the user scale.
    virtual void Circle(Point centre, double radius, Colour c) = 0;
    virtual void SetFont(const FontSpec& f) = 0;
    // Prints s with the TOP-LEFT corner of its text cell at `at`.
    virtual void Text(Point at, std::string_view s, Colour c) = 0;
    // Prints s with the centre of its text cell at `centre` and its baseline turned `turn`
    // degrees counterclockwise (y up).
    virtual void TurnedText(Point centre, double turn, std::string_view s, Colour c) = 0;
    // The cell of s in the current font (full line height, advance width), user units.
    virtual Extent TextExtent(std::string_view s) const = 0;
};

// Colour n (0..15) of the standard 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red,
// 5 magenta, 6 brown, 7 light grey, 8 dark grey, 9 light blue, 10 light green, 11 light cyan,
// 12 light red, 13 light magenta, 14 yellow, 15 white. An option value is rounded to the nearest
// whole number first; anything outside 0..15 gives black rather than failing mid-paint.
Colour PaletteColour(double n);

// What the drawing procedures draw through, on top of a Surface: the user scale, the glyph
// font's size, and the list of everything drawn. A font change reaches the surface at the next
// text or measurement.
class DrawingContext {
public:
    DrawingContext(Surface& surface, const UserScale& scale);

    Surface& Target() { return surface_; }
    const UserScale& Scale() const { return scale_; }
    double ScaleLeft() const { return scale_.left; }
    double ScaleTop() const { return scale_.top; }

    // The glyph font at this many points for the texts and measurements that follow.
    void SetFontSize(double points) { font_.points = points; }
    double FontSize() const { return font_.points; }

    void Clear(Colour background);
    void Line(Point from, Point to, Colour c);
    void Circle(Point centre, double radius, Colour c);

    // What the next texts are; every text is kept in Drawn with this tag and its cell.
    ItemTag Tag{};
    std::vector<DrawnItem> Drawn;
    // Keeps an item that is not a text (a leader line).
    void Record(const DrawnItem& item) { Drawn.push_back(item); }
    // Draws the polyline through `path` and keeps it as an item with the current Tag.
    void Polyline(const std::vector<Point>& path, Colour c);

    // Draws s with the top-left corner of its cell at `at`; kept in Drawn with its cell.
    void DrawText(Point at, std::string_view s, Colour c);
    // Draws s with its cell centred at `centre` and its baseline turned `turn` degrees
    // counterclockwise; kept in Drawn with its turned cell.
    void DrawTurnedText(Point centre, double turn, std::string_view s, Colour c);

    // Text width (>= 0) and height of s in the current font, user units. The height carries the
    // sign of the y axis: negative under the wheel's y-up scale, so
    // "y − TextHeight / 2" moves a text's top-left corner half a line UP and centres it on y.
    double TextWidth(std::string_view s);
    double TextHeight(std::string_view s);
    // Width and height (both >= 0) of s in the current font, user units.
    Extent Measure(std::string_view s);

private:
    void ApplyFont();

    Surface& surface_;
    UserScale scale_;
    FontSpec font_{};
    FontSpec applied_{};
    bool font_applied_ = false;
};

}  // namespace orvantis
