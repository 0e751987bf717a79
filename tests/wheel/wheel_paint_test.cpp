// Whole paints of a hand-made chart on a recording surface (every character 6 × 10 units, no
// font): what the style records change.
#include <gtest/gtest.h>

#include "support/recording_surface.h"
#include "support/wheel_fixture.h"
#include "wheel/paint_cycle.h"

namespace orvantis::test {
namespace {

// The ordinary chart painted in the American layout in a 640 × 480 window.
struct RecordedPaint {
    WheelChart w = OrdinaryChart();
    OptionValues options = ShippedOptions();
    DrawingTables tables = BuiltInDrawingTables();
    RecordingSurface surface;

    WheelWork Paint(const WheelStyle& style = WindowWheelStyle()) {
        WheelInputs in{w.chart, options, tables};
        in.style = style;
        DrawingContext dc(surface, WheelUserScale(in, {640, 480}));
        return PaintWheel(dc, in);
    }
};

// The copy for the half-page print: white paper and black spokes whatever the options say; the
// rings keep their colour.
TEST(WheelPaint, MonochromeCopyIsWhiteWithBlackSpokes) {
    RecordedPaint r;
    r.options[kOptionBackgroundColour] = 1, r.options[kOptionRingColour] = 4;  // blue, red
    r.options[kOptionSpokeColour] = 9;                                         // light blue
    r.Paint(WindowWheelStyle(true));
    const RecordingSurface& s = r.surface;
    EXPECT_EQ(s.clears, std::vector<Colour>{PaletteColour(15)});
    for (int i = 0; i < 12; ++i) EXPECT_EQ(s.lines.at(i).colour, (Colour{0, 0, 0})) << i;
    ASSERT_EQ(s.circles.size(), 2u);
    EXPECT_EQ(s.circles[0], std::pair(217.0, PaletteColour(4)));
    EXPECT_EQ(s.circles[1], std::pair(120.0, PaletteColour(4)));
}

}  // namespace
}  // namespace orvantis::test
