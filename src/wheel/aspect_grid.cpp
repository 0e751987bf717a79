#include "wheel/aspect_grid.h"

#include <algorithm>
#include <cmath>

#include "aspects/aspect_kind.h"
#include "aspects/aspect_list.h"
#include "wheel/glyph_codes.h"

namespace orvantis {
namespace {

constexpr int kGridBodies = 15;
constexpr double kPitch = 1.25;

// Where the cells of the grid lie: the centre of cell (p, q) and the borders between cells, in
// user units.
struct GridGeometry {
    double x0 = 0, y0 = 0;  // anchor
    double width = 0;       // text width of glyph 174
    double height = 0;      // its text height, signed like the scale (negative with y up)

    // Centre of cell (row p, column q), 1-based: the centre of glyph 174 printed with its
    // top-left corner inset a third of its width and a quarter of its height into the cell.
    Point Centre(int p, int q) const {
        return {x0 + (q - 1) * kPitch * width + width / 3 + width / 2,
                y0 + (p - 1) * kPitch * height + height / 4 + height / 2};
    }
    // Border k (0..15) between columns k and k + 1, and between rows k and k + 1. The borders
    // are offset so that each cell is centred on its glyph.
    double BorderX(int k) const { return Centre(1, k + 1).x - kPitch * width / 2; }
    double BorderY(int k) const { return Centre(k + 1, 1).y - kPitch * height / 2; }
};

// Prints a glyph centred in cell (p, q), at the grid's size or, when the glyph is wider than
// glyph 174 (the MC, the opposition), smaller by as much: every glyph keeps a margin of an
// eighth of the cell's width and height on either side, as glyph 174 does.
void PrintInCell(DrawingContext& dc, const GridGeometry& g, int p, int q, const std::string& glyph,
                 Colour c, double points) {
    dc.SetFontSize(points);
    const double width = dc.TextWidth(glyph);
    if (width > g.width) dc.SetFontSize(points * g.width / width);
    const Point centre = g.Centre(p, q);
    dc.DrawText({centre.x - dc.TextWidth(glyph) / 2, centre.y - dc.TextHeight(glyph) / 2}, glyph,
                c);
}

// The staircase around the lower triangle with its diagonal: row p holds columns 1..p.
void DrawGridLines(DrawingContext& dc, const GridGeometry& g) {
    const Colour black{};
    for (int k = 0; k <= kGridBodies; ++k) {
        // Horizontal border below row k runs under columns 1..k+1 (the last one under all).
        const int columns = std::min(k + 1, kGridBodies);
        dc.Line({g.BorderX(0), g.BorderY(k)}, {g.BorderX(columns), g.BorderY(k)}, black);
        // Vertical border right of column k runs beside rows max(k, 1)..15.
        const int first_row = std::max(k, 1);
        dc.Line({g.BorderX(k), g.BorderY(first_row - 1)}, {g.BorderX(k), g.BorderY(kGridBodies)},
                black);
    }
}

}  // namespace

int AspectGroupColourOption(int kind) {
    switch (kind) {
        case kConjunction:
            return kOptionGridConjunctionColour;
        case kSextile:
        case kTrine:
            return kOptionGridSextileTrineColour;
        case kSquare:
        case kOpposition:
            return kOptionGridSquareOppositionColour;
        case kQuincunx:
            return kOptionGridQuincunxColour;
        case kSemisquare:
        case kSesquiquadrate:
            return kOptionGridSemisquareColour;
        case kQuintile:
        case kBiquintile:
            return kOptionGridQuintileColour;
        case kSemisextile:
        case kDecile:
        case kNovile:
        case kTredecile:
        case kSeptile:
            return kOptionGridMinorColour;
        default:
            return 0;
    }
}

void PrintAspectGrid(DrawingContext& dc, const std::array<double, 16>& body_longitude,
                     const OrbValues& orbs, const OptionValues& options) {
    if (options[kOptionPrintGrid] == 0) return;
    dc.SetFontSize(options[kOptionGridFontSize]);

    const UserScale& scale = dc.Scale();
    GridGeometry g;
    g.x0 = (scale.right - scale.left) / 2 - options[kOptionGridRightDistance];
    g.y0 = (scale.bottom - scale.top) / 2 +
           std::fabs(dc.TextHeight(BodyGlyph(1))) * options[kOptionGridOffset] * kPitch;
    const std::string cell_glyph = AspectGlyph(kTredecile);
    g.width = dc.TextWidth(cell_glyph);
    g.height = dc.TextHeight(cell_glyph);
    // A grid that would run past the bottom or the right edge of the page's scale (a large
    // offset or font, or paper shorter than A4 such as Letter) is moved back onto the page.
    const double up = scale.top > scale.bottom ? 1 : -1;
    g.y0 += up * std::max(0.0, up * (scale.bottom - g.BorderY(kGridBodies)));
    g.x0 -= std::max(0.0, g.BorderX(kGridBodies) - scale.right);

    DrawGridLines(dc, g);
    const double points = options[kOptionGridFontSize];
    for (int p = 1; p <= kGridBodies; ++p) {
        PrintInCell(dc, g, p, p, BodyGlyph(kAspectBodyOrder[static_cast<std::size_t>(p)]), Colour{},
                    points);
    }

    for (int p = 1; p <= kGridBodies; ++p) {
        for (int q = 1; q < p; ++q) {
            const auto a = static_cast<std::size_t>(kAspectBodyOrder[static_cast<std::size_t>(p)]);
            const auto b = static_cast<std::size_t>(kAspectBodyOrder[static_cast<std::size_t>(q)]);
            const int kind = ClassifyAspect(body_longitude[a], body_longitude[b], orbs);
            if (!IsAspect(kind)) continue;
            const auto option = static_cast<std::size_t>(AspectGroupColourOption(kind));
            PrintInCell(dc, g, p, q, AspectGlyph(kind), PaletteColour(options[option]), points);
        }
    }
}

std::string AspectListText(const std::vector<AspectEntry>& aspects) {
    std::string text;
    for (const AspectEntry& e : aspects) {
        text += "  " + BodyGlyph(e.first) + " " + AspectGlyph(e.kind) + " " + BodyGlyph(e.second) +
                "\r\n";
    }
    return text;
}

}  // namespace orvantis
