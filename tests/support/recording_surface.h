// A surface that keeps the drawing calls instead of drawing them, as records of clears, lines,
// circles and texts. Every character measures 6 × 10 user units whatever the font, so placement
// is tested without fonts. Shared by all tests that draw.
#pragma once

#include <string>
#include <vector>

#include "wheel/surface.h"

namespace orvantis::test {

class RecordingSurface : public Surface {
public:
    static constexpr double kCharWidth = 6;
    static constexpr double kCharHeight = 10;

    struct LineCall {
        Point from, to;
        Colour colour;
    };
    struct TextCall {
        Point at;
        std::string text;
        Colour colour;
        FontSpec font;
    };

    void Clear(Colour background) override { clears.push_back(background); }
    void Line(Point from, Point to, Colour c) override { lines.push_back({from, to, c}); }
    void Circle(Point, double radius, Colour c) override { circles.push_back({radius, c}); }
    void SetFont(const FontSpec& f) override { font = f; }
    void Text(Point at, std::string_view s, Colour c) override {
        texts.push_back({at, std::string(s), c, font});
    }
    void TurnedText(Point centre, double, std::string_view s, Colour c) override {
        texts.push_back({centre, std::string(s), c, font});
    }
    Extent TextExtent(std::string_view s) const override {
        return {kCharWidth * static_cast<double>(s.size()), kCharHeight};
    }

    std::vector<Colour> clears;
    std::vector<std::pair<double, Colour>> circles;
    std::vector<TextCall> texts;
    std::vector<LineCall> lines;
    FontSpec font;
};

}  // namespace orvantis::test
