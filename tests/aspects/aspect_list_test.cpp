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

TEST(ListAspects, ZeroOrbsListOnlyExactAspectsInWindowOrder) {
    const std::vector<Triple> expected{
        {kSun, kMoon, kTrine},
        {kSun, kMercury, kSextile},
        {kMoon, kSun, kTrine},
        {kMoon, kMercury, kSextile},
        {kMercury, kSun, kSextile},
        {kMercury, kMoon, kSextile},
        {kNode, kOppositeNode, kOpposition},
        {kOppositeNode, kNode, kOpposition},
    };
    EXPECT_EQ(Triples(ListAspects(KnownChart(), OrbValues{})), expected);
}

TEST(ListAspects, TheNodeOppositionIsListedTwiceUnderAnyOrbOfZeroOrMore) {
    std::array<double, 16> L{};
    for (int i = 1; i <= 15; ++i) L[static_cast<std::size_t>(i)] = 7.3 * i * i;
    L[kNode] = 359.5, L[kOppositeNode] = 179.5;
    const auto list = ListAspects(L, OrbValues{});
    const auto count = [&](int a, int b) {
        return std::count_if(list.begin(), list.end(), [&](const AspectEntry& e) {
            return e.first == a && e.second == b && e.kind == kOpposition;
        });
    };
    EXPECT_EQ(count(kNode, kOppositeNode), 1);
    EXPECT_EQ(count(kOppositeNode, kNode), 1);
    OrbValues negative;
    negative.fill(-1.0f);  // a negative orb admits no aspect, the node opposition included
    EXPECT_TRUE(ListAspects(L, negative).empty());
}

TEST(ListAspects, EveryAspectAppearsOnceInEachOrder) {
    const auto list = ListAspects(KnownChart(), CustomaryOrbs());
    ASSERT_GT(list.size(), 8u);
    for (const AspectEntry& e : list) {
        EXPECT_NE(e.first, e.second);
        EXPECT_EQ(std::count_if(list.begin(), list.end(),
                                [&](const AspectEntry& f) {
                                    return f.first == e.second && f.second == e.first &&
                                           f.kind == e.kind;
                                }),
                  1);
        EXPECT_EQ(e.name, AspectName(e.kind));
    }
}

TEST(AspectListText, OneGlyphLinePerAspect) {
    const std::vector<AspectEntry> list{{kSun, kMoon, kTrine, "trine"},
                                        {kNode, kOppositeNode, kOpposition, "opposition"}};
    EXPECT_EQ(AspectListText(list), "  \xE0 \xA4 \xE9\r\n  \xEA \xA5 \xEB\r\n");
    EXPECT_EQ(AspectListText({}), "");
}

}  // namespace
}  // namespace orvantis
