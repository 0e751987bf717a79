// The aspect lines inside the wheel, recorded on a surface with a fixed text extent.
#include "aspects/aspect_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "aspects/aspect_kind.h"
#include "astro/angles.h"
#include "chart/chart_state.h"
#include "settings/option_lines.h"
#include "support/recording_surface.h"

namespace orvantis {
namespace {

using test::RecordingSurface;

// Bodies 1..10 making, under option orbs of 1 degree, the major aspects of kExpected (Sun–Jupiter
// 181 apart) and a conjunction, semisextiles and a semisquare that must not be drawn; bodies
// beyond the Moon have no lines.
struct Scene {
    std::array<double, 16> longitude{};
    std::array<double, 16> display{};
    OptionValues options{};
    Scene() {
        const double L[] = {0, 0, 150, 205, 206.5, 181, 301, 30, 45, 338, 60};
        for (std::size_t i = 1; i <= 10; ++i) {
            longitude[i] = L[i];
            display[i] = L[i] + 7;  // where the glyphs were drawn, not where the bodies are
        }
        // Bodies 11..15 exactly opposite the Sun and each other: no line of theirs is drawn.
        for (std::size_t i = 11; i <= 15; ++i) longitude[i] = 180, display[i] = 500;
        for (const int orb : {kOptionSextileOrb, kOptionSquareOrb, kOptionTrineOrb,
                              kOptionOppositionOrb, kOptionQuincunxOrb})
            options[orb] = 1;
        options[kOptionAspectGlyphSize] = 14;
        options[kOptionSextileTrineColour] = 2, options[kOptionSquareOppositionColour] = 4;
        options[kOptionQuincunxColour] = 5;
        options[kOptionPageSextileTrineColour] = 9, options[kOptionPageSquareOppositionColour] = 12;
        options[kOptionPageQuincunxColour] = 13;
    }
};

// The body whose glyph is drawn at the end point p, at radius 120: 0 for none.
int BodyAt(Point p, const Scene& s) {
    for (int i = 1; i <= 10; ++i) {
        const double angle = Reduce360(std::atan2(p.y, p.x) * 180 / kPi);
        if (std::abs(std::hypot(p.x, p.y) - 120) < 1e-6 &&
            std::abs(angle - s.display[static_cast<std::size_t>(i)]) < 1e-6)
            return i;
    }
    return 0;
}

// The pair of bodies a recorded line joins, by its end points.
std::pair<int, int> PairOf(const RecordingSurface::LineCall& line, const Scene& s) {
    const int from = BodyAt(line.from, s), to = BodyAt(line.to, s);
    return {std::min(from, to), std::max(from, to)};
}

const std::map<std::pair<int, int>, int> kExpected{
    {{kSun, kMercury}, kQuincunx},    {{kSun, kJupiter}, kOpposition},
    {{kSun, kSaturn}, kSextile},      {{kSun, kMoon}, kSextile},
    {{kMercury, kSaturn}, kQuincunx}, {{kMercury, kUranus}, kTrine},
    {{kMercury, kMoon}, kSquare},     {{kJupiter, kSaturn}, kTrine},
    {{kJupiter, kUranus}, kQuincunx}, {{kJupiter, kMoon}, kTrine},
    {{kSaturn, kUranus}, kSquare},    {{kSaturn, kMoon}, kTrine},
};

// Each major aspect once, its glyph centred on the line in the line's colour: the group's palette
// colour on the window and the printed page, black on the half-page copy.
TEST(DrawAspectLines, EachMajorAspectOnceWithItsGlyphCentredInTheGroupColour) {
    const Scene s;
    // Kind: window palette colour, printed page palette colour.
    const std::map<int, std::pair<int, int>> colours{
        {kSextile, {2, 9}},     {kTrine, {2, 9}},     {kSquare, {4, 12}},
        {kOpposition, {4, 12}}, {kQuincunx, {5, 13}},
    };
    for (const AspectLineTarget target : {AspectLineTarget{}, {true, false}, {false, true}}) {
        RecordingSurface surface;
        DrawingContext dc(surface, UserScale{-300, 300, 300, -300});
        DrawAspectLines(dc, s.longitude, s.display, s.options, target);
        std::map<std::pair<int, int>, int> drawn;
        ASSERT_EQ(surface.lines.size(), surface.texts.size());
        for (std::size_t n = 0; n < surface.lines.size(); ++n) {
            const auto& line = surface.lines[n];
            const auto& text = surface.texts[n];
            const auto pair = PairOf(line, s);
            ASSERT_NE(pair.first, 0) << "a line not ending at a drawn glyph";
            EXPECT_EQ(drawn.count(pair), 0u) << "drawn twice";
            // The glyph is the only text of its line: one character, kind + 159.
            const int kind = drawn[pair] = static_cast<unsigned char>(text.text.at(0)) - 159;
            // Top-left corner half a cell left of and, with y up, half a cell above the midpoint.
            const Point mid{(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2};
            EXPECT_NEAR(text.at.x, mid.x - RecordingSurface::kCharWidth / 2, 1e-9);
            EXPECT_NEAR(text.at.y, mid.y + RecordingSurface::kCharHeight / 2, 1e-9);
            EXPECT_EQ(text.font, (FontSpec{"QUERNA", 14, false}));
            EXPECT_EQ(text.colour, line.colour);
            const auto [window, page] = colours.at(kind);
            const Colour expected = target.monochrome_drawing ? Colour{0, 0, 0}
                                    : target.printer_output   ? PaletteColour(page)
                                                              : PaletteColour(window);
            EXPECT_EQ(line.colour, expected) << kind;
        }
        EXPECT_EQ(drawn, kExpected);
    }
}

}  // namespace
}  // namespace orvantis
