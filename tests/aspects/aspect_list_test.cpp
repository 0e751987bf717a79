// The aspect list of the aspect window: which pairs, in which order, and its glyph text.
#include "aspects/aspect_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "aspects/aspect_kind.h"
#include "chart/chart_state.h"
#include "support/chart_fixture.h"

namespace orvantis {
namespace {

using Triple = std::tuple<int, int, int>;

std::vector<Triple> Triples(const std::vector<AspectEntry>& list) {
    std::vector<Triple> t;
    for (const AspectEntry& e : list) t.emplace_back(e.first, e.second, e.kind);
    return t;
}

// Zero orbs list only the exact aspects, in window order; under any orbs each aspect appears once
// in each order; a negative orb admits none.
TEST(ListAspects, WindowOrderEachPairBothWaysAndNoneUnderNegativeOrbs) {
    const std::vector<Triple> exact{
        {kSun, kMoon, kTrine},
        {kSun, kMercury, kSextile},
        {kMoon, kSun, kTrine},
        {kMoon, kMercury, kSextile},
        {kMercury, kSun, kSextile},
        {kMercury, kMoon, kSextile},
        {kNode, kOppositeNode, kOpposition},
        {kOppositeNode, kNode, kOpposition},
    };
    EXPECT_EQ(Triples(ListAspects(KnownChart(), OrbValues{})), exact);
    const auto list = ListAspects(KnownChart(), CustomaryOrbs());
    ASSERT_GT(list.size(), exact.size());
    for (const AspectEntry& e : list) {
        EXPECT_EQ(std::count_if(list.begin(), list.end(),
                                [&](const AspectEntry& f) {
                                    return f.first == e.second && f.second == e.first &&
                                           f.kind == e.kind;
                                }),
                  1);
        EXPECT_EQ(e.name, AspectName(e.kind));
    }
    OrbValues negative;
    negative.fill(-1.0f);
    EXPECT_TRUE(ListAspects(KnownChart(), negative).empty());
}

TEST(AspectListText, OneGlyphLinePerAspect) {
    const std::vector<AspectEntry> list{{kSun, kMoon, kTrine, "trine"},
                                        {kNode, kOppositeNode, kOpposition, "opposition"}};
    EXPECT_EQ(AspectListText(list), "  \xE0 \xA4 \xE9\r\n  \xEA \xA5 \xEB\r\n");
    EXPECT_EQ(AspectListText({}), "");
}

}  // namespace
}  // namespace orvantis
