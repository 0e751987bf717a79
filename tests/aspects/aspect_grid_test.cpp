// The printed aspect grid, recorded on a surface with a fixed text extent (8 × 10 units).
#include "aspects/aspect_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "aspects/aspect_kind.h"
#include "aspects/aspect_list.h"
#include "chart/chart_state.h"
#include "recording_surface.h"
#include "support/chart_fixture.h"

namespace orvantis {
namespace {

// The printed page's scale for an American wheel (S = 265).
const UserScale kPage{16 - 265, 265 / 0.8 - 68, 265 - 15, -265 / 0.8 - 40};

OptionValues GridOptions() {
    OptionValues o{};
    o[122] = 1, o[120] = 10, o[121] = 200, o[119] = 10;
    for (int n = 124; n <= 130; ++n) o[static_cast<std::size_t>(n)] = static_cast<float>(n - 123);
    return o;
}

// Row and column of a printed glyph, from the anchor (page width / 2 − 200 = 49.5, page height
// / 2 + 10 × 10 × 1.25 = −192.25), the pitch (10 across, 12.5 down) and the inset (8/3, 2.5).
struct Cell {
    int row, column;
    std::string glyph;
    Colour colour;
    friend bool operator<(const Cell& a, const Cell& b) {
        return std::tie(a.row, a.column, a.glyph) < std::tie(b.row, b.column, b.glyph);
    }
};

Cell CellOf(const RecordingSurface::TextCall& t) {
    const double column = (t.at.x - 49.5 - 8.0 / 3) / 10 + 1;
    const double row = (t.at.y - (-192.25) + 2.5) / -12.5 + 1;
    EXPECT_NEAR(column, std::round(column), 1e-9) << "off the column pitch";
    EXPECT_NEAR(row, std::round(row), 1e-9) << "off the row pitch";
    return {static_cast<int>(std::lround(row)), static_cast<int>(std::lround(column)), t.text,
            t.colour};
}

RecordingSurface Print(const std::array<double, 16>& L, const OrbValues& orbs,
                       const OptionValues& options) {
    RecordingSurface surface;
    DrawingContext dc(surface, kPage);
    PrintAspectGrid(dc, L, orbs, options);
    return surface;
}

TEST(PrintAspectGrid, NothingWhenTheGridIsSwitchedOff) {
    OptionValues options = GridOptions();
    options[122] = 0;
    const RecordingSurface surface = Print(KnownChart(), OrbValues{}, options);
    EXPECT_TRUE(surface.lines.empty() && surface.texts.empty());
}

TEST(PrintAspectGrid, BodiesOnTheDiagonalAndOneGlyphPerAspectBelowIt) {
    const RecordingSurface surface = Print(KnownChart(), OrbValues{}, GridOptions());
    std::vector<Cell> cells;
    for (const auto& t : surface.texts) cells.push_back(CellOf(t));
    ASSERT_EQ(cells.size(), 15u + 4u);
    for (int p = 1; p <= 15; ++p) {
        const Cell& c = cells[static_cast<std::size_t>(p - 1)];
        EXPECT_EQ(c.row, p);
        EXPECT_EQ(c.column, p);
        EXPECT_EQ(c.glyph, BodyGlyph(kAspectBodyOrder[static_cast<std::size_t>(p)]));
    }
    // Rows and columns: 1 Sun, 2 Moon, 3 Mercury ... 11 node, 12 opposite node.
    const std::set<std::tuple<int, int, std::string>> aspects{
        {2, 1, AspectGlyph(kTrine)},
        {3, 1, AspectGlyph(kSextile)},
        {3, 2, AspectGlyph(kSextile)},
        {12, 11, AspectGlyph(kOpposition)},
    };
    std::set<std::tuple<int, int, std::string>> printed;
    for (std::size_t n = 15; n < cells.size(); ++n) {
        printed.emplace(cells[n].row, cells[n].column, cells[n].glyph);
    }
    EXPECT_EQ(printed, aspects);
}

TEST(PrintAspectGrid, AgreesWithTheAspectListAndColoursByGroup) {
    OrbValues orbs{};
    ReadOrbFile("8\n6\n8\n8\n8\n0\n2\n2\n2\n3\n1\n1\n2\n1\n2\n1\n", orbs);
    const OptionValues options = GridOptions();
    const RecordingSurface surface = Print(KnownChart(), orbs, options);
    const auto list = ListAspects(KnownChart(), orbs);
    ASSERT_EQ(surface.texts.size(), 15 + list.size() / 2);
    for (std::size_t n = 15; n < surface.texts.size(); ++n) {
        const Cell c = CellOf(surface.texts[n]);
        EXPECT_GT(c.row, c.column) << "outside the lower triangle";
        const int kind = static_cast<unsigned char>(c.glyph.at(0)) - 159;
        const int a = kAspectBodyOrder[static_cast<std::size_t>(c.row)];
        const int b = kAspectBodyOrder[static_cast<std::size_t>(c.column)];
        EXPECT_EQ(std::count_if(list.begin(), list.end(),
                                [&](const AspectEntry& e) {
                                    return e.first == a && e.second == b && e.kind == kind;
                                }),
                  1);
        EXPECT_EQ(c.colour,
                  PaletteColour(options[static_cast<std::size_t>(AspectGroupColourOption(kind))]));
    }
}

}  // namespace
}  // namespace orvantis
