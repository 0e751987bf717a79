// The bi-wheel's transit ring over generated skies: every transiting body drawn once, inside the
// inner ring, in zodiac order, glyphs clear of each other; an aspect line for exactly the major
// aspects within the transit orbs, joining the two true degrees; the radix's own lines, when
// asked for, inside the transit glyphs.
#include "wheel/transit_ring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "aspects/aspect_kind.h"
#include "aspects/transit_orbs.h"
#include "astro/angles.h"
#include "support/recording_surface.h"
#include "support/wheel_fixture.h"
#include "wheel/drawing_tables.h"
#include "wheel/paint_cycle.h"
#include "wheel/wheel_picture.h"

namespace orvantis {
namespace {

TEST(TransitRing, EveryTransitDrawnInOrderWithItsAspects) {
    std::mt19937 random(26);
    std::uniform_real_distribution<double> degrees(0, 360);
    const test::WheelChart radix = test::OrdinaryChart();
    const OptionValues options = test::ShippedOptions();
    const double exact[] = {0, 0, 0, 60, 90, 120, 180};  // by aspect kind
    for (int run = 0; run < 40; ++run) {
        WheelPicture picture{radix.chart, radix.shown, options, BuiltInDrawingTables(),
                             {},          304,         run % 2, std::nullopt};
        TransitSky sky;
        ReadOrbFile("1\n1\n1\n1\n1\n2\n", sky.orbs);
        // Every fourth sky a stellium: all eleven within 20 degrees.
        const double centre = degrees(random);
        for (int body = 1; body <= 11; ++body)
            sky.longitude[body] =
                run % 4 == 0 ? Reduce360(centre + degrees(random) / 18) : degrees(random);
        picture.transits = sky;
        picture.radix_aspects = run % 3 == 0;
        const WheelInputs in = AssembleWheelInputs(picture, WindowWheelStyle());
        test::RecordingSurface surface;
        DrawingContext dc(surface, WheelUserScale(in, {640, 480}));
        const WheelWork work = PaintWheel(dc, in);

        std::vector<DrawnItem> glyphs;
        int lines = 0;
        std::vector<Point> radix_ends;
        for (const DrawnItem& item : work.Items) {
            if (item.tag.ring == 0 && item.tag.kind == ItemKind::AspectLine)
                radix_ends.insert(radix_ends.end(), item.path.begin(), item.path.end());
            if (item.tag.ring != 1) continue;
            if (item.tag.kind == ItemKind::Glyph) glyphs.push_back(item);
            if (item.tag.kind != ItemKind::AspectLine) continue;
            ++lines;
            const double distance = AspectDistance(sky.longitude[item.tag.body],
                                                   radix.shown.BodyLongitude[item.tag.other_body]);
            EXPECT_LE(std::abs(distance - exact[item.tag.aspect]),
                      TransitOrb(sky.orbs, item.tag.body, item.tag.aspect));
            const Point to = item.path.back();
            EXPECT_NEAR(Reduce360(RadToDeg(std::atan2(to.y, to.x))),
                        work.BodyTrueAngle[item.tag.other_body], 1e-6);
        }
        int expected = 0;
        for (int body = 1; body <= 11; ++body)
            for (int point : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15})
                for (int kind = kConjunction; kind <= kOpposition; ++kind) {
                    expected += std::abs(AspectDistance(sky.longitude[body],
                                                        radix.shown.BodyLongitude[point]) -
                                         exact[kind]) <= TransitOrb(sky.orbs, body, kind);
                }
        EXPECT_EQ(lines, expected);

        ASSERT_EQ(glyphs.size(), 11u) << run;
        EXPECT_EQ(!radix_ends.empty(), picture.radix_aspects) << run;
        for (const Point& end : radix_ends)  // inside each glyph's centre less its width
            for (const DrawnItem& g : glyphs)
                EXPECT_LT(std::hypot(end.x, end.y),
                          std::hypot(g.box.x0 + g.box.x1, g.box.y0 + g.box.y1) / 2 -
                              (g.box.x1 - g.box.x0));
        std::sort(glyphs.begin(), glyphs.end(), [](const DrawnItem& a, const DrawnItem& b) {
            return a.tag.true_angle < b.tag.true_angle;
        });
        for (std::size_t k = 0; k < glyphs.size(); ++k) {
            const DrawnItem& g = glyphs[k];
            const DrawnItem& next = glyphs[(k + 1) % glyphs.size()];
            for (const double x : {g.box.x0, g.box.x1})
                for (const double y : {g.box.y0, g.box.y1}) EXPECT_LT(std::hypot(x, y), 120);
            EXPECT_FALSE(Overlap(g.box, next.box)) << run << " body " << g.tag.body;
            // Zodiac order kept: the drawn angles turn the same way round as the true ones.
            const double true_step = Reduce360(next.tag.true_angle - g.tag.true_angle);
            const double drawn_step = Reduce360(next.tag.drawn_angle - g.tag.drawn_angle);
            if (true_step < 180) {
                EXPECT_LT(drawn_step, 180) << run;
            }
        }
    }
}

}  // namespace
}  // namespace orvantis
