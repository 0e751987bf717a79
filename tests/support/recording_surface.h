// A surface that keeps the drawing calls instead of drawing them: as text lines (a transcript
// for call lists) and as records of lines and texts. Every character measures 6 × 10 user units
// whatever the font, so placement is tested without fonts. Shared by all tests that draw.
#pragma once

#include <cstdio>
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

    void Clear(Colour background) override { calls.push_back("Clear " + Hex(background)); }
    void Line(Point from, Point to, Colour c) override {
        calls.push_back("Line " + Xy(from) + " " + Xy(to) + " " + Hex(c));
        lines.push_back({from, to, c});
    }
    void Circle(Point centre, double radius, Colour c) override {
        calls.push_back("Circle " + Xy(centre) + " " + Num(radius) + " " + Hex(c));
    }
    void SetFont(const FontSpec& f) override {
        font = f;
        calls.push_back("Font " + f.face + " " + Num(f.points) + (f.bold ? " bold" : ""));
    }
    void Text(Point at, std::string_view s, Colour c) override {
        calls.push_back("Text " + Xy(at) + " " + Codes(s) + " " + Hex(c));
        texts.push_back({at, std::string(s), c, font});
    }
    void TurnedText(Point centre, double turn, std::string_view s, Colour c) override {
        calls.push_back("Turned " + Xy(centre) + " " + Num(turn) + " " + Codes(s) + " " + Hex(c));
        texts.push_back({centre, std::string(s), c, font});
    }
    Extent TextExtent(std::string_view s) const override {
        return {kCharWidth * static_cast<double>(s.size()), kCharHeight};
    }

    std::vector<std::string> calls;
    std::vector<TextCall> texts;
    std::vector<LineCall> lines;
    FontSpec font;

private:
    static std::string Num(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.3f", v);
        return std::string(buffer) == "-0.000" ? "0.000" : buffer;
    }
    static std::string Xy(Point p) { return Num(p.x) + "," + Num(p.y); }
    static std::string Hex(Colour c) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c.r, c.g, c.b);
        return buffer;
    }
    // Printable ASCII as it is, other codes as <n>, so glyph codes read as numbers.
    static std::string Codes(std::string_view s) {
        std::string out = "\"";
        for (const char ch : s) {
            const auto code = static_cast<unsigned char>(ch);
            const bool plain = code >= 32 && code < 127 && code != '"' && code != '<';
            out += plain ? std::string(1, ch) : "<" + std::to_string(code) + ">";
        }
        return out + "\"";
    }
};

}  // namespace orvantis::test
