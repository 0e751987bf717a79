// The wheel's coordinate system, rings and spokes, house sizes and digit printers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "wheel/glyph_printers.h"
#include "wheel_scene.h"

namespace orvantis::test {
namespace {

using ::testing::ElementsAre;

TEST(WheelScale, WindowKeepsUnitsSquareAndRoomForTheCuspLabels) {
    // Wide, 4:3, square and portrait windows: units stay square (the scale has the window's
    // proportions) and the ring plus its labels fit both ways.
    for (const Extent area : {Extent{2000, 500}, Extent{1024, 768}, Extent{800, 800},
                              Extent{768, 1024}, Extent{0, 0}}) {
        const UserScale s = WindowUserScale(304, area);
        const double ratio = area.width > 0 ? area.height / area.width : 1;
        EXPECT_NEAR(s.top / s.right, ratio, 1e-12);
        EXPECT_GE(s.right, 304);
        EXPECT_GE(s.right, 217 + 40);
        EXPECT_GE(s.top, 217 + 20);
        EXPECT_EQ(s.left, -s.right);
        EXPECT_EQ(s.bottom, -s.top);
    }
}

TEST(WheelScale, PrintedPageHasItsOwnScale) {
    EXPECT_EQ(PrinterStartScale(1, 0), 265);
    EXPECT_EQ(PrinterUserScale(265), (UserScale{-249, 265 / 0.8 - 68, 250, -265 / 0.8 - 40}));
    // The window size plays no part on the page.
    Scene scene;
    EXPECT_EQ(WheelUserScale(scene.Inputs(1, PrinterPageWheelStyle()), {100, 900}),
              PrinterUserScale(272));
}

TEST(WheelFrame, AmericanSpokesNeverMoveEuropeanOnesFollowTheCusps) {
    Scene scene("intercepted");  // houses 1..12 at 100 115 135 170 230 255 280 295 315 350 50 75
    EXPECT_THAT(SpokeAngles(scene.hc.shown, 0),
                ElementsAre(0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330));
    EXPECT_THAT(SpokeAngles(scene.hc.shown, 1),
                ElementsAre(180, 195, 215, 250, 310, 335, 0, 15, 35, 70, 130, 155));

    // An empty chart: every cusp 0, every spoke at 180 degrees.
    Scene empty("empty");
    for (double a : SpokeAngles(empty.hc.shown, 1)) EXPECT_DOUBLE_EQ(a, 180);
}

TEST(WheelFrame, MonochromeBlackensSpokesButNotRings) {
    Scene scene;
    scene.options[101] = 4;  // dark red rings
    scene.options[102] = 9;  // light blue spokes
    ProcedureRun run(scene, 0, WindowWheelStyle(true));
    DrawWheelFrame(run.p);
    const auto& calls = scene.surface.calls;
    ASSERT_EQ(calls.size(), 14u);
    for (int i = 0; i < 12; ++i) EXPECT_THAT(calls[i], ::testing::EndsWith("#000000"));
    EXPECT_EQ(calls[12], "Circle 0.000,0.000 217.000 #800000");
    EXPECT_EQ(calls[13], "Circle 0.000,0.000 120.000 #800000");
}

TEST(WheelFrame, MonochromePaintHasAWhiteBackground) {
    Scene scene;
    scene.options[100] = 1;  // a dark blue window
    scene.Paint(0, WindowWheelStyle(true));
    EXPECT_EQ(scene.surface.calls.front(), "Clear #FFFFFF");
}

TEST(HouseSizes, WrapAndTheOddSize) {
    Scene scene("intercepted");
    ProcedureRun run(scene);
    ComputeHouseSizes(run.p);
    // Position 1 is the 10th house (350) and position 2 the 11th (50): 60 degrees over 0° Aries.
    EXPECT_DOUBLE_EQ(run.work.CuspCopy[1], 350);
    EXPECT_DOUBLE_EQ(run.work.HouseSize[1], 60);
    EXPECT_DOUBLE_EQ(run.work.HouseSize[12], Reduce360(350 - 315));

    // Kept on purpose: a house of exactly 277.5 degrees counts as 7.5, as stored charts expect.
    scene.hc.shown.HouseCusps[5] = 0;
    scene.hc.shown.HouseCusps[6] = 277.5;
    ComputeHouseSizes(run.p);
    EXPECT_DOUBLE_EQ(run.work.HouseSize[5], 7.5);
}

std::string Printed(void (*printer)(WheelPaint&), double value) {
    Scene scene;
    ProcedureRun run(scene);
    run.work.DigitValue = value;
    printer(run.p);
    return scene.surface.texts.back().text;
}

TEST(DigitPrinters, TensKeepTheLeadingZeroUnitsRoundHalvesToEven) {
    EXPECT_EQ(Printed(GTENSX, 7), "0");
    EXPECT_EQ(Printed(GTENSX, 29.5), "2");
    EXPECT_EQ(Printed(GUNITS, 29.5), "0");  // 30
    EXPECT_EQ(Printed(GUNITS, 28.5), "8");  // 28
}

TEST(DigitPrinters, BoldOnlyForTheOneDigit) {
    Scene scene;
    ProcedureRun run(scene);
    run.work.DigitValue = 12;
    PrintUnitsBold(run.p);
    EXPECT_EQ(scene.surface.texts.back().text, "2");
    EXPECT_TRUE(scene.surface.texts.back().font.bold);
    EXPECT_FALSE(run.dc.FontBold);
    GUNITS(run.p);
    EXPECT_FALSE(scene.surface.texts.back().font.bold);
}

TEST(DigitHeight, ReducedFromNinePoints) {
    Scene scene;
    ProcedureRun run(scene);
    run.work.DigitHeight = 10;
    scene.options[75] = 8;
    AdjustDigitHeight(run.p);
    EXPECT_EQ(run.work.DigitHeight, 10);
    scene.options[75] = 9;
    AdjustDigitHeight(run.p);
    EXPECT_EQ(run.work.DigitHeight, 7);
    // The printed page asks its own option.
    Scene page;
    ProcedureRun printed(page, 0, PrinterPageWheelStyle());
    printed.work.DigitHeight = 10;
    page.options[75] = 12;
    page.options[85] = 8;
    AdjustDigitHeight(printed.p);
    EXPECT_EQ(printed.work.DigitHeight, 10);
}

TEST(Glyphs, SignOfALongitude) {
    EXPECT_EQ(SignOf(0), 1);
    EXPECT_EQ(SignOf(29.999), 1);
    EXPECT_EQ(SignOf(359.9), 12);
}

TEST(Palette, RoundsTheOptionAndGivesBlackOutOfRange) {
    EXPECT_EQ(PaletteColour(14.4), (Colour{255, 255, 0}));
    // Out of range: black rather than a failed paint.
    EXPECT_EQ(PaletteColour(16), (Colour{0, 0, 0}));
    EXPECT_EQ(PaletteColour(-1), (Colour{0, 0, 0}));
}

TEST(DrawingContextText, PrintAdvancesAndLinesGoDown) {
    RecordingSurface surface;
    DrawingContext dc(surface, {-100, 50, 100, -50});
    dc.CurrentX = 5;
    dc.CurrentY = 20;
    dc.Print("ab");
    EXPECT_DOUBLE_EQ(dc.CurrentX, 17);
    EXPECT_DOUBLE_EQ(dc.CurrentY, 20);
    // Under a y-up scale the text height is negative, so adding it moves down a line.
    EXPECT_DOUBLE_EQ(dc.TextHeight("0"), -10);
    EXPECT_DOUBLE_EQ(dc.TextWidth("000"), 18);
    dc.PrintLine("x");
    EXPECT_DOUBLE_EQ(dc.CurrentX, -100);
    EXPECT_DOUBLE_EQ(dc.CurrentY, 10);
    dc.PrintLine("");  // an empty line draws nothing but still advances
    EXPECT_DOUBLE_EQ(dc.CurrentY, 0);
    EXPECT_EQ(surface.texts.size(), 2u);
    // Font changes reach the surface once, at the next print.
    dc.FontSize = 12;
    dc.FontBold = true;
    dc.Print("c");
    dc.Print("d");
    EXPECT_EQ(std::count(surface.calls.begin(), surface.calls.end(), "Font QUERNA 12.000 bold"), 1);
}

}  // namespace
}  // namespace orvantis::test
