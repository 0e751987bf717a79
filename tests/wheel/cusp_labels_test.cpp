// Cusp labels, intercepted signs and captions.
#include "wheel/cusp_labels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "chart/angles.h"
#include "wheel/glyph_printers.h"
#include "wheel_scene.h"

namespace orvantis::test {
namespace {

// The five texts of the label at cusp position i, from a run of PutDataOnHouseCusps alone.
std::vector<RecordingSurface::TextCall> CuspLabel(const RecordingSurface& s, int position) {
    const auto first = s.texts.begin() + 5 * (position - 1);
    return {first, first + 5};
}

TEST(CuspLabels, AmericanUsesTheTablePositions) {
    Scene scene("ordinary");
    ProcedureRun run(scene, 0);
    ComputeHouseSizes(run.p);
    PutDataOnHouseCusps(run.p);
    ASSERT_EQ(scene.surface.texts.size(), 60u);
    for (int i = 1; i <= 12; ++i) {
        const auto label = CuspLabel(scene.surface, i);
        for (int k = 0; k < 5; ++k) {
            EXPECT_DOUBLE_EQ(label[k].at.x, scene.tables.HouseCaptionTable[10 * i - 10 + 2 * k]);
            EXPECT_DOUBLE_EQ(label[k].at.y, scene.tables.HouseCaptionTable[10 * i - 9 + 2 * k]);
        }
    }
    // Position 1 is the 10th house at 1°00' Aries: bold degrees, sign, plain minutes, each in
    // its own size and colour.
    const auto mc = CuspLabel(scene.surface, 1);
    EXPECT_EQ(mc[0].text + mc[1].text + mc[2].text + mc[3].text + mc[4].text,
              "01" + std::string(1, SignCode(1)) + "00");
    EXPECT_TRUE(mc[0].font.bold && mc[1].font.bold);
    EXPECT_FALSE(mc[3].font.bold);
    EXPECT_EQ(mc[2].font.points, 10);
    EXPECT_EQ(mc[3].font.points, 9);
    EXPECT_EQ(mc[2].colour, PaletteColour(4));
}

TEST(CuspLabels, EuropeanMovesAllButAscendantAndDescendant) {
    Scene scene("ordinary");  // 7th house cusp at 285, MC (position 1) at 1
    ProcedureRun run(scene, 1);
    ComputeHouseSizes(run.p);
    PutDataOnHouseCusps(run.p);
    for (int i : {4, 10}) {
        const auto label = CuspLabel(scene.surface, i);
        EXPECT_DOUBLE_EQ(label[0].at.x, scene.tables.HouseCaptionTable[10 * i - 10]);
        EXPECT_DOUBLE_EQ(label[0].at.y, scene.tables.HouseCaptionTable[10 * i - 9]);
    }
    // The MC at θ = 1 - 285 + 360 = 76: just outside the ring, no horizontal correction.
    const double r = 236 * 0.91984662;
    const auto mc = CuspLabel(scene.surface, 1);
    EXPECT_NEAR(mc[0].at.x, r * std::cos(76 * kPi / 180) + 4, 1e-9);
    EXPECT_NEAR(mc[0].at.y, r * std::sin(76 * kPi / 180) + 4, 1e-9);
    const std::array<double, 5> offsets{0, 6, 16, 24, 31};
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(mc[k].at.x - mc[0].at.x, offsets[k], 1e-9);
        EXPECT_DOUBLE_EQ(mc[k].at.y, mc[0].at.y);
    }
    // Position 2 (11th house, 33) at θ = 108: the left-half correction.
    const auto eleventh = CuspLabel(scene.surface, 2);
    EXPECT_NEAR(eleventh[0].at.x, r * std::cos(108 * kPi / 180) + 4 - 49, 1e-9);
}

TEST(CuspLabels, PrintedPageCorrectionsAreSmaller) {
    Scene scene("ordinary");
    ProcedureRun run(scene, 1, PrinterPageWheelStyle());
    ComputeHouseSizes(run.p);
    PutDataOnHouseCusps(run.p);
    const double r = 236 * 0.91984662;
    EXPECT_NEAR(CuspLabel(scene.surface, 2)[0].at.x, r * std::cos(108 * kPi / 180) + 4 - 39, 1e-9);
    EXPECT_EQ(CuspLabel(scene.surface, 2)[0].font.points, 10);  // option 79
}

TEST(CuspLabels, BeforeTheFirstChartEveryLabelUsesTheTable) {
    Scene scene("ordinary");
    scene.hc.chart.ChartReady = 0;
    ProcedureRun run(scene, 1);
    ComputeHouseSizes(run.p);
    PutDataOnHouseCusps(run.p);
    for (int i = 1; i <= 12; ++i)
        EXPECT_DOUBLE_EQ(CuspLabel(scene.surface, i)[0].at.x,
                         scene.tables.HouseCaptionTable[10 * i - 10]);
}

TEST(InterceptedSigns, TwoSignsApartHoldOne) {
    Scene scene("intercepted");
    // The 4th house runs from 20 Virgo to 20 Scorpio (Libra inside), the 10th from 20 Pisces to
    // 20 Taurus (Aries inside, across 0 degrees).
    EXPECT_THAT(InterceptedSigns(scene.hc.shown),
                ::testing::ElementsAre(0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 1, 0, 0));
    // A house three signs wide holds two whole signs and counts as none.
    HandChart wide =
        MakeHandChart({0, 10, 100, 130, 160, 190, 220, 250, 280, 310, 340, 350, 355}, {});
    EXPECT_EQ(InterceptedSigns(wide.shown)[1], 0);
    Scene equal("stellium");
    for (int sign : InterceptedSigns(equal.hc.shown)) EXPECT_EQ(sign, 0);
}

TEST(InterceptedSigns, GlyphInTheMiddleOfTheHouseOutsideTheRing) {
    Scene scene("intercepted");
    ProcedureRun american(scene, 0);
    MarkInterceptedSigns(american.p);
    ASSERT_EQ(scene.surface.texts.size(), 2u);
    const double r = 236 * 0.91984662;
    // American: the 4th house sector is 270..300, its middle 285; the 10th at 105 (left half).
    EXPECT_EQ(scene.surface.texts[0].text, std::string(1, SignCode(7)));
    EXPECT_NEAR(scene.surface.texts[0].at.x, r * std::cos(285 * kPi / 180) + 4, 1e-9);
    EXPECT_NEAR(scene.surface.texts[1].at.x, r * std::cos(105 * kPi / 180) + 4 - 20, 1e-9);
    EXPECT_EQ(scene.surface.texts[0].font.points, 10);
    EXPECT_EQ(scene.surface.texts[0].colour, PaletteColour(4));

    // European: the middle of the true house, 170 - 280 + 30 + 360 = 280 for the 4th.
    Scene eu("intercepted");
    ProcedureRun european(eu, 1);
    MarkInterceptedSigns(european.p);
    EXPECT_NEAR(eu.surface.texts[0].at.y, r * std::sin(280 * kPi / 180) + 4, 1e-9);
    // The 10th: 350 to 50 spans 60 degrees over 0° Aries, middle 20 → θ = 350 + 30 - 280 = 100.
    EXPECT_NEAR(eu.surface.texts[1].at.y, r * std::sin(100 * kPi / 180) + 4, 1e-9);
}

TEST(Captions, SevenLinesFromTheTopLeftCorner) {
    Scene scene("ordinary");
    scene.hc.chart.CaptionLines[3] = "";
    ProcedureRun run(scene);
    PlaceWheelCaptions(run.p);
    const auto& texts = scene.surface.texts;
    ASSERT_EQ(texts.size(), 6u);  // the empty line prints nothing
    EXPECT_EQ(texts[0].text, "Test chart");
    EXPECT_DOUBLE_EQ(texts[0].at.x, -304 + 10);
    EXPECT_DOUBLE_EQ(texts[0].at.y, 228);
    EXPECT_DOUBLE_EQ(texts[1].at.y, 218);
    // Line 4 stands where it would with line 3 filled.
    EXPECT_EQ(texts[2].text, scene.hc.chart.CaptionLines[4]);
    EXPECT_DOUBLE_EQ(texts[2].at.y, 198);
    EXPECT_DOUBLE_EQ(texts[5].at.y, 168);
    EXPECT_EQ(texts[0].font.points, 9);
    EXPECT_FALSE(texts[0].font.bold);
}

TEST(Captions, PrintedPageInsetAndSiderealLine) {
    Scene scene("ordinary");
    scene.options[123] = 1;
    ProcedureRun run(scene, 0, PrinterPageWheelStyle());
    PlaceWheelCaptions(run.p);
    const auto& texts = scene.surface.texts;
    ASSERT_EQ(texts.size(), 8u);
    const UserScale page = PrinterUserScale(265);
    EXPECT_DOUBLE_EQ(texts[0].at.x, page.left + 30);
    EXPECT_DOUBLE_EQ(texts[0].at.y, page.top - 5);  // option 40
    EXPECT_EQ(texts[7].text, "Sidereal");
    EXPECT_DOUBLE_EQ(texts[7].at.x, page.left + 30);
}

}  // namespace
}  // namespace orvantis::test
