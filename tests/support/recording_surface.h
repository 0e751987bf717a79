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

    void Clear(Colour background) override {
        Add("Clear " + Hex(background));
        ++clears;
    }
    void Line(Point from, Point to, Colour c) override {
        Add("Line " + Xy(from) + " " + Xy(to) + " " + Hex(c));
        lines.push_back({from, to, c});
    }
    void Circle(Point centre, double radius, Colour c) override {
        Add("Circle " + Xy(centre) + " " + Num(radius) + " " + Hex(c));
        ++circles;
    }
    void SetFont(const FontSpec& f) override {
        font = f;
        Add("Font " + f.face + " " + Num(f.points) + (f.bold ? " bold" : ""));
    }
    void Text(Point at, std::string_view s, Colour c) override {
        Add("Text " + Xy(at) + " " + Codes(s) + " " + Hex(c));
        texts.push_back({at, std::string(s), c, font});
    }
    Extent TextExtent(std::string_view s) const override {
        return {kCharWidth * static_cast<double>(s.size()), kCharHeight};
    }

    // The text calls whose text is exactly s.
    std::vector<TextCall> TextsOf(std::string_view s) const {
        std::vector<TextCall> found;
        for (const TextCall& t : texts)
            if (t.text == s) found.push_back(t);
        return found;
    }

    std::string Transcript() const {
        std::string all;
        for (const std::string& line : calls) all += line + "\n";
        return all;
    }

    std::vector<std::string> calls;
    std::vector<TextCall> texts;
    std::vector<LineCall> lines;
    int clears = 0;
    int circles = 0;
    FontSpec font;

private:
    void Add(std::string line) { calls.push_back(std::move(line)); }
    static std::string Num(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.3f", v);
        std::string s = buffer;
        if (s == "-0.000") s = "0.000";
        return s;
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
            if (code >= 32 && code < 127 && code != '"' && code != '<')
                out += ch;
            else
                out += "<" + std::to_string(code) + ">";
        }
        return out + "\"";
    }
};

}  // namespace orvantis::test
