// Intercepted signs and captions; the cusp labels themselves are in the golden call lists.
#include "wheel/cusp_labels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "wheel/glyph_printers.h"
#include "wheel_scene.h"

namespace orvantis::test {
namespace {

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
}

TEST(Captions, PrintedPageInsetAndSiderealLine) {
    Scene scene("ordinary");
    scene.options[123] = 1;
    ProcedureRun run(scene, 0, PrinterPageWheelStyle());
    PlaceWheelCaptions(run.p);
    const auto& texts = scene.surface.texts;
    ASSERT_EQ(texts.size(), 8u);
    const UserScale page = PrinterUserScale(265);
    EXPECT_DOUBLE_EQ(texts[0].at.y, page.top - 5);  // option 40
    EXPECT_EQ(texts[7].text, "Sidereal");
    EXPECT_DOUBLE_EQ(texts[7].at.x, page.left + 30);
}

}  // namespace
}  // namespace orvantis::test
