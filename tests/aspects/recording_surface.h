// A surface that records what is drawn on it, with a fixed text extent (8 units a character,
// 10 units high) so placement is tested without fonts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wheel/surface.h"

namespace orvantis {

class RecordingSurface : public Surface {
public:
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

    static constexpr double kCharWidth = 8;
    static constexpr double kCharHeight = 10;

    void Clear(Colour) override { ++clears; }
    void Line(Point from, Point to, Colour c) override { lines.push_back({from, to, c}); }
    void Circle(Point, double, Colour) override { ++circles; }
    void SetFont(const FontSpec& f) override { font = f; }
    void Text(Point at, std::string_view s, Colour c) override {
        texts.push_back({at, std::string(s), c, font});
    }
    Extent TextExtent(std::string_view s) const override {
        return {kCharWidth * static_cast<double>(s.size()), kCharHeight};
    }

    int clears = 0;
    int circles = 0;
    FontSpec font;
    std::vector<LineCall> lines;
    std::vector<TextCall> texts;
};

}  // namespace orvantis
