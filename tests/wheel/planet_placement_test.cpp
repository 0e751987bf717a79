// Placement of the body glyphs and their labels: sorting, house runs, American slots and
// crowding, European push-apart, label direction and order, retrograde marks.
#include "wheel/planet_placement.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "astro/angles.h"
#include "wheel/glyph_printers.h"
#include "wheel_scene.h"

namespace orvantis::test {
namespace {

// The texts printed for one body: its glyph and everything up to the next body glyph.
std::vector<RecordingSurface::TextCall> LabelOf(const RecordingSurface& s, int body) {
    std::vector<RecordingSurface::TextCall> label;
    bool inside = false;
    for (const auto& t : s.texts) {
        if (t.text.size() != 1) break;  // the captions follow the last body
        const bool glyph = static_cast<unsigned char>(t.text[0]) >= 224 &&
                           static_cast<unsigned char>(t.text[0]) <= 238;
        if (glyph) inside = t.text[0] == BodyCode(body);
        if (inside) label.push_back(t);
    }
    return label;
}

std::string TextsOf(const std::vector<RecordingSurface::TextCall>& label) {
    std::string all;
    for (const auto& t : label) all += t.text;
    return all;
}

std::vector<int> BodiesAt(const WheelWork& work, double longitude) {
    std::vector<int> ids;
    for (int k = 1; k <= 15; ++k)
        if (work.SortedLongitude[k] == longitude) ids.push_back(int(work.SortedBodyId[k]));
    return ids;
}

TEST(SortPlanets, EqualLongitudesInTheExchangeSortsOrder) {
    // Sun and Mercury at 10 with nothing smaller anywhere keep body order.
    std::array<double, 16> b{0, 10, 10, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150};
    Scene first;
    first.hc = MakeHandChart(EqualCusps(0), b);
    ProcedureRun run(first);
    SortPlanets(run.p);
    EXPECT_THAT(BodiesAt(run.work, 10), ::testing::ElementsAre(1, 2));

    // Sun, Mercury, Venus and the opposite node at 100 with smaller longitudes after them: the
    // exchanges that bring the smaller ones forward also reorder the equal ones.
    Scene scene("conjunct");
    ProcedureRun conjunct(scene);
    SortPlanets(conjunct.p);
    EXPECT_THAT(BodiesAt(conjunct.work, 100), ::testing::ElementsAre(2, 3, 12, 1));
    for (int k = 2; k <= 15; ++k)
        EXPECT_LE(conjunct.work.SortedLongitude[k - 1], conjunct.work.SortedLongitude[k]);
}

TEST(CountBodiesPerHouse, HouseAcrossAriesIsOneRun) {
    Scene scene("aries");  // the 10th house runs from 345 to 15
    ProcedureRun run(scene);
    SortPlanets(run.p);
    CountBodiesPerHouse(run.p);
    EXPECT_EQ(run.work.HouseBodyCount[10], 7);
    EXPECT_NE(run.work.SortedHouse[15], run.work.SortedHouse[1]);
    // The seven bodies of the 10th house follow each other, the highest longitude (12.5, Saturn)
    // last in the run.
    int first = 0, last = 0;
    for (int k = 1; k <= 15; ++k) {
        if (run.work.SortedHouse[k] != 10) continue;
        if (first == 0) first = k;
        last = k;
    }
    EXPECT_EQ(last - first, 6);
    EXPECT_EQ(run.work.SortedBodyId[last], kSaturn);
    EXPECT_EQ(run.work.SortedBodyId[first], kMCBody);
}

TEST(AmericanSlots, CrowdedHouseRunsIntoTheNextAndDropsTwoPoints) {
    // Ten bodies in the 10th house (0..30): the opposite node and the Part of Fortune are not
    // drawn at all, and the other eight fill slots 0..7, the last one past the sector.
    Scene scene("crowded");
    const WheelWork work = scene.Paint();
    for (int body : {kOppositeNode, kFortune}) {
        EXPECT_FALSE(work.BodyDrawn[body]);
        EXPECT_TRUE(scene.surface.TextsOf(std::string(1, BodyCode(body))).empty());
    }
    EXPECT_EQ(work.BodySlot[kMCBody], 7);
    EXPECT_DOUBLE_EQ(work.BodyDisplayAngle[kMCBody], 95 + 4 * 7);
}

TEST(AmericanSlots, SevenBodiesStillDrawTheirPoints) {
    Scene scene("aries");
    const WheelWork work = scene.Paint();
    for (int body = 1; body <= 15; ++body) EXPECT_TRUE(work.BodyDrawn[body]) << body;
}

TEST(EuropeanPlacement, CloseBodiesAreDrawnFourDegreesApart) {
    // Three bodies within 10 degrees in the 4th house (90..120) of an equal chart from 0°:
    // the highest at its angle plus 2, each further one 4 degrees counterclockwise of it.
    std::array<double, 16> b{0, 100, 103, 106, 10, 40, 200, 230, 250, 280, 310, 130, 340, 0, 270};
    Scene scene;
    scene.hc = MakeHandChart(EqualCusps(0), b);
    const WheelWork work = scene.Paint(1);
    EXPECT_EQ(std::tie(work.BodyDisplayAngle[kVenus], work.BodyDisplayAngle[kMercury],
                       work.BodyDisplayAngle[kSun]),
              std::make_tuple(288.0, 292.0, 296.0));  // 106 - 180 + 2, then 4 degrees apart
}

TEST(EuropeanPlacement, NoGlyphLandsOnAnEarlierOne) {
    // Seven bodies within 12 degrees: comparing only with the previous glyph would put the
    // Moon on Jupiter and Mars on Mercury; every glyph keeps a slot's distance from all others.
    Scene scene("stellium");
    const WheelWork work = scene.Paint(1);
    for (int i = 1; i <= 15; ++i) {
        for (int j = i + 1; j <= 15; ++j) {
            if (!work.BodyDrawn[i] || !work.BodyDrawn[j]) continue;
            const double gap = Reduce360(work.BodyDisplayAngle[i] - work.BodyDisplayAngle[j]);
            EXPECT_GE(std::min(gap, 360 - gap), 4 - 1e-9) << i << " and " << j;
        }
    }
}

TEST(EuropeanPlacement, BeforeTheFirstChartBodiesUseSlots) {
    Scene scene("ordinary");
    scene.hc.chart.ChartReady = 0;
    const WheelWork american = scene.Paint(0);
    Scene again("ordinary");
    again.hc.chart.ChartReady = 0;
    const WheelWork european = again.Paint(1);
    EXPECT_EQ(american.BodyDisplayAngle, european.BodyDisplayAngle);
}

TEST(BodyLabels, RetrogradeMarkOnlyForTheTenBodies) {
    Scene scene("ordinary");
    scene.hc.shown.RetroMarksShown = std::string(15, 'R');
    const WheelWork work = scene.Paint();
    int drawn_planets = 0;
    for (int body = 1; body <= 10; ++body) drawn_planets += work.BodyDrawn[body];
    EXPECT_EQ(scene.surface.TextsOf("R").size(), static_cast<std::size_t>(drawn_planets));
    for (int body = 11; body <= 15; ++body)
        EXPECT_THAT(TextsOf(LabelOf(scene.surface, body)),
                    ::testing::Not(::testing::HasSubstr("R")));
}

TEST(BodyLabels, RetrogradeMarkClearsTheDegrees) {
    // Mercury (22°18' Sagittarius, retrograde) reads inward-out: the mark stands left of the
    // degree tens, not on the units digit.
    Scene scene("ordinary");
    scene.Paint();
    const auto label = LabelOf(scene.surface, kMercury);
    ASSERT_EQ(label.size(), 7u);
    EXPECT_EQ(label.back().text, "R");
    EXPECT_LT(label.back().at.x, label[5].at.x);
}

TEST(BodyLabels, MinutesNeverShowSixty) {
    std::array<double, 16> b{
        0, 29 + 59.7 / 60, 40, 70, 100, 130, 160, 190, 220, 250, 280, 310, 340, 0, 270};
    Scene scene;
    scene.hc = MakeHandChart(EqualCusps(0), b);
    scene.Paint();
    const auto label = LabelOf(scene.surface, kSun);
    EXPECT_EQ(TextsOf(label).substr(1), "29" + std::string(1, SignCode(1)) + "59");
}

TEST(BodyLabels, DirectionRule) {
    Scene scene("ordinary");
    ProcedureRun american(scene, 0);
    // American: houses 10, 11, 12, 1, 2, 3 outward-in, 4 to 9 inward-out, whatever the angle.
    EXPECT_TRUE(LabelReadsOutwardIn(american.p, 0, 3));
    EXPECT_TRUE(LabelReadsOutwardIn(american.p, 0, 10));
    EXPECT_FALSE(LabelReadsOutwardIn(american.p, 180, 4));
    EXPECT_FALSE(LabelReadsOutwardIn(american.p, 180, 9));
    // Option 28: houses 9 to 2 instead.
    scene.options[28] = 1;
    EXPECT_TRUE(LabelReadsOutwardIn(american.p, 0, 9));
    EXPECT_FALSE(LabelReadsOutwardIn(american.p, 0, 3));
    // European with a chart: the angle alone, 75 <= θ < 255.
    ProcedureRun european(scene, 1);
    EXPECT_TRUE(LabelReadsOutwardIn(european.p, 75, 7));
    EXPECT_FALSE(LabelReadsOutwardIn(european.p, 255, 1));
    EXPECT_FALSE(LabelReadsOutwardIn(european.p, 74.9, 1));
}

TEST(PaintCycle, AspectLinesHookGetsTheDrawnAngles) {
    Scene scene("ordinary");
    WheelInputs in = scene.Inputs();
    int calls = 0;
    BodyAngles seen{};
    in.draw_aspect_lines = [&](DrawingContext&, const BodyAngles& angles) {
        ++calls;
        seen = angles;
    };
    const WheelWork work = scene.Paint(in);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, work.BodyDisplayAngle);
    scene.options[47] = 0;
    scene.Paint(in);
    EXPECT_EQ(calls, 1);
}

TEST(PaintCycle, AspectGridOnlyOnThePage) {
    Scene scene("ordinary");
    int grids = 0;
    WheelInputs window = scene.Inputs();
    window.print_aspect_grid = [&](DrawingContext&) { ++grids; };
    scene.Paint(window);
    EXPECT_EQ(grids, 0);
    WheelInputs page = scene.Inputs(0, PrinterPageWheelStyle());
    page.print_aspect_grid = [&](DrawingContext&) { ++grids; };
    scene.Paint(page);
    EXPECT_EQ(grids, 1);
    scene.options[122] = 0;
    scene.Paint(page);
    EXPECT_EQ(grids, 1);
}

TEST(PaintCycle, FailedTableEntriesUseBuiltInRadii) {
    Scene read("ordinary"), failed("ordinary");
    failed.tables.radius_read.fill(false);
    failed.tables.RadiusTable.fill(0);
    read.Paint();
    failed.Paint();
    EXPECT_EQ(read.surface.Transcript(), failed.surface.Transcript());
}

}  // namespace
}  // namespace orvantis::test
