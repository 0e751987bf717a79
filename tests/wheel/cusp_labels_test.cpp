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
    // American: the 4th house sector is 270..300, its middle 285; the 10th at 105. European: the
    // middle of the true house, 280 for the 4th; the 10th spans 350..50 over 0° Aries, 100.
    for (const auto& [type_chart, middles] :
         {std::pair{0, std::array{285.0, 105.0}}, std::pair{1, std::array{280.0, 100.0}}}) {
        Scene scene("intercepted");
        ProcedureRun run(scene, type_chart);
        MarkInterceptedSigns(run.p);
        ASSERT_EQ(scene.surface.texts.size(), 2u);
        EXPECT_EQ(scene.surface.texts[0].text, std::string(1, SignCode(7)));
        for (std::size_t k = 0; k < 2; ++k) {
            const Box& box = run.dc.Drawn[k].box;
            const double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
            EXPECT_NEAR(std::atan2(cy, cx) * 180 / kPi, std::remainder(middles[k], 360.0), 0.01);
            // The nearest point of the cell lies outside the outer ring.
            const double nx = std::max({box.x0, 0.0, -box.x1}),
                         ny = std::max({box.y0, 0.0, -box.y1});
            EXPECT_GE(std::hypot(nx, ny), 217);
        }
    }
}

TEST(Captions, SevenLinesFromTheTopLeftCorner) {
    Scene scene("ordinary");
    scene.hc.chart.CaptionLines[3] = "";
    ProcedureRun run(scene);
    PlaceWheelCaptions(run.p);
    const auto& texts = scene.surface.texts;
    ASSERT_EQ(texts.size(), 6u);  // the empty line prints nothing
    EXPECT_EQ(texts[0].text, "Test chart");
    const double left = run.dc.ScaleLeft(), top = run.dc.ScaleTop();
    EXPECT_DOUBLE_EQ(texts[0].at.x, left + 10);
    EXPECT_DOUBLE_EQ(texts[0].at.y, top);
    EXPECT_DOUBLE_EQ(texts[1].at.y, top - 10);
    // Line 4 stands where it would with line 3 filled.
    EXPECT_EQ(texts[2].text, scene.hc.chart.CaptionLines[4]);
    EXPECT_DOUBLE_EQ(texts[2].at.y, top - 30);
    EXPECT_DOUBLE_EQ(texts[5].at.y, top - 60);
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
