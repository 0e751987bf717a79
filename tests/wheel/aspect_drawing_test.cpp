// The aspect lines inside the wheel, recorded on a surface with a fixed text extent, and the
// printed aspect grid, recorded on a surface whose glyph widths follow the glyph font.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "aspects/aspect_kind.h"
#include "aspects/aspect_list.h"
#include "astro/angles.h"
#include "chart/chart_state.h"
#include "settings/option_lines.h"
#include "support/chart_fixture.h"
#include "support/recording_surface.h"
#include "wheel/aspect_grid.h"
#include "wheel/aspect_lines.h"
#include "wheel/glyph_codes.h"

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
            display[i] = L[i] + 7;  // the screen angles of their ticks
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

// The body whose tick the end point p (radius 120) lies under: 0 for none.
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
            ASSERT_NE(pair.first, 0) << "a line not ending at a tick";
            EXPECT_EQ(drawn.count(pair), 0u) << "drawn twice";
            // The glyph is the only text of its line: one character, kind + 159.
            const int kind = drawn[pair] = static_cast<unsigned char>(text.text.at(0)) - 159;
            // Top-left corner half a cell left of and, with y up, half a cell above the midpoint.
            const Point mid{(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2};
            EXPECT_NEAR(text.at.x, mid.x - RecordingSurface::kCharWidth / 2, 1e-9);
            EXPECT_NEAR(text.at.y, mid.y + RecordingSurface::kCharHeight / 2, 1e-9);
            EXPECT_EQ(text.font, (FontSpec{"QUERNA", 14, false}));
            const auto [window, page] = colours.at(kind);
            const Colour expected = target.monochrome_drawing ? Colour{0, 0, 0}
                                    : target.printer_output   ? PaletteColour(page)
                                                              : PaletteColour(window);
            EXPECT_TRUE(line.colour == expected && text.colour == expected) << kind;
        }
        EXPECT_EQ(drawn, kExpected);
    }
}

// The printed page's scale for an American wheel (S = 265).
const UserScale kPage{16 - 265, 265 / 0.8 - 68, 265 - 15, -265 / 0.8 - 40};

OptionValues GridOptions() {
    OptionValues o{};
    o[122] = 1, o[120] = 10, o[121] = 200, o[119] = 10;
    for (int n = 124; n <= 130; ++n) o[static_cast<std::size_t>(n)] = static_cast<float>(n - 123);
    return o;
}

// Glyph widths in ems as in the glyph font: the opposition and the MC are wider than glyph 174,
// by which the grid measures its cells. Sizes follow the font's points, as on a real device.
class GlyphFontSurface : public RecordingSurface {
public:
    Extent TextExtent(std::string_view s) const override { return ExtentAt(s, font.points); }
    static Extent ExtentAt(std::string_view s, double points) {
        double ems = 0;
        for (const char c : s)
            ems += c == AspectCode(kOpposition) ? 1.0 : c == BodyCode(kMCBody) ? 1.2 : 0.9;
        return {ems * points, 1.2 * points};
    }
};

struct Cell {
    int row, column;
    std::string glyph;
    Colour colour;
};

// The cell of every printed glyph, counted from the borders the grid drew; each glyph's text
// box must lie inside its cell, and the grid on the page (GridOptions put it below the bottom).
std::vector<Cell> CellsOf(const GlyphFontSurface& surface) {
    std::vector<double> columns, rows;  // x of the vertical borders, y of the horizontal ones
    for (const auto& l : surface.lines) {
        (l.from.x == l.to.x ? columns : rows).push_back(l.from.x == l.to.x ? l.from.x : l.from.y);
        for (const Point end : {l.from, l.to})
            EXPECT_TRUE(end.x <= kPage.right && end.y >= kPage.bottom - 1e-9) << "off the page";
    }
    std::sort(columns.begin(), columns.end());
    std::sort(rows.begin(), rows.end(), std::greater<>());  // top to bottom
    std::vector<Cell> cells;
    for (const auto& t : surface.texts) {
        const Extent e = GlyphFontSurface::ExtentAt(t.text, t.font.points);
        // The borders left of and above the glyph's top-left corner number its cell.
        const auto column = std::upper_bound(columns.begin(), columns.end(), t.at.x);
        const auto row = std::upper_bound(rows.begin(), rows.end(), t.at.y, std::greater<>());
        const bool inside_grid = column != columns.begin() && column != columns.end() &&
                                 row != rows.begin() && row != rows.end();
        EXPECT_TRUE(inside_grid);
        if (!inside_grid) continue;
        EXPECT_LE(t.at.x + e.width, *column) << "wider than its cell";
        EXPECT_GE(t.at.y - e.height, *row) << "taller than its cell";
        cells.push_back({static_cast<int>(row - rows.begin()),
                         static_cast<int>(column - columns.begin()), t.text, t.colour});
    }
    return cells;
}

GlyphFontSurface Print(const std::array<double, 16>& L, const OrbValues& orbs,
                       const OptionValues& options) {
    GlyphFontSurface surface;
    DrawingContext dc(surface, kPage);
    PrintAspectGrid(dc, L, orbs, options);
    return surface;
}

// With one kind's orb at 180 degrees every pair shows a glyph (that kind's, or the kind of an exact
// aspect tested later) in its group's colour: all glyphs in all cells, the bodies on the diagonal
// and each pair once below it. Switched off, the grid prints nothing.
TEST(PrintAspectGrid, EveryGlyphStaysInsideItsCellForEveryPair) {
    // Each kind's group colour as GridOptions set them, 1 to 7: conjunction; sextile and trine;
    // square and opposition; quincunx; semisquare and sesquiquadrate; quintile and biquintile;
    // the other minor kinds.
    const std::array<int, 18> group{0, 0, 1, 2, 3, 2, 3, 0, 7, 5, 5, 4, 7, 7, 6, 7, 6, 7};
    for (int kind = kConjunction; kind <= kSeptile; ++kind) {
        if (kind == 7) continue;  // never classified
        SCOPED_TRACE(AspectName(kind));
        OrbValues orbs{};
        orbs[static_cast<std::size_t>(kind - 1)] = 180;
        const std::vector<Cell> cells = CellsOf(Print(KnownChart(), orbs, GridOptions()));
        ASSERT_EQ(cells.size(), 15u + 105u);
        std::set<std::pair<int, int>> pairs;
        for (int p = 1; p <= 15; ++p) {
            const Cell& c = cells[static_cast<std::size_t>(p - 1)];
            EXPECT_TRUE(c.row == p && c.column == p);
            EXPECT_EQ(c.glyph, BodyGlyph(kAspectBodyOrder[static_cast<std::size_t>(p)]));
        }
        for (std::size_t n = 15; n < cells.size(); ++n) {
            if (cells[n].row > cells[n].column) pairs.emplace(cells[n].row, cells[n].column);
            const int shown = static_cast<unsigned char>(cells[n].glyph.at(0)) - 159;
            EXPECT_EQ(cells[n].colour, PaletteColour(group.at(static_cast<std::size_t>(shown))))
                << AspectName(shown);
        }
        EXPECT_EQ(pairs.size(), 105u);
    }
    OptionValues off = GridOptions();
    off[kOptionPrintGrid] = 0;
    const GlyphFontSurface none = Print(KnownChart(), OrbValues{}, off);
    EXPECT_TRUE(none.lines.empty() && none.texts.empty());
}

}  // namespace
}  // namespace orvantis
