// Orb files and the aspect classification under their orbs: which lines count, which kind a
// distance gets, in which order the tests overwrite each other, and where single precision
// decides; the aspect window's list of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "aspects/aspect_kind.h"
#include "aspects/aspect_list.h"
#include "aspects/orb_file.h"
#include "chart/chart_state.h"
#include "settings/option_lines.h"
#include "support/chart_fixture.h"

namespace orvantis {
namespace {

TEST(ReadOrbFile, WhichLinesCountAndWhatTheyRead) {
    std::string lines25;
    for (int i = 1; i <= 25; ++i) lines25 += std::to_string(i) + "\r\n";
    struct Case {
        std::string text;
        std::vector<std::pair<int, float>> orbs;  // orb number, value; every orb starts at 3
    };
    const Case cases[] = {
        // The first seven characters only: the 99 and the eighth character on are free text.
        {"8      conjunction\r\n6.5    sextile 99\r\n 7.25  square\r\n1234567890\r\n",
         {{1, 8}, {2, 6.5f}, {3, 7.25f}, {4, 1234567}}},
        {"8\n6\n7\n", {{1, 8}, {2, 6}, {3, 7}, {4, 3}}},  // LF ends as CR LF ends
        {"\r\n8\r\n6\r\n", {{1, 3}, {2, 3}}},             // an empty first line keeps every orb
        {"8\r\n6\r\n\r\n9\r\n9\r\n", {{2, 6}, {3, 3}, {4, 3}}},  // stops at the first empty line
        {"8\n6", {{2, 6}, {3, 3}, {17, 3}}},  // no final line end: the last line still counts
        {"8\r\nsextile\r\n-1     negative\r\n   \r\n",
         {{2, 0}, {3, -1}, {4, 0}}},    // not a number reads 0; blanks are not an empty line
        {lines25, {{0, 0}, {17, 17}}},  // lines beyond the seventeenth are ignored
        // Found by the orb-file fuzzer: "1e300" was converted to single precision (undefined; in
        // practice an infinite orb that made every distance a sextile and more).
        {"1e300\n-1e999\n3e38\n", {{1, 0}, {2, 0}, {3, 3e38f}, {4, 3}}},
    };
    for (const Case& c : cases) {
        OrbValues orbs;
        orbs.fill(3.0f), orbs[0] = 0;
        ReadOrbFile(c.text, orbs);
        for (const auto& [n, value] : c.orbs)
            EXPECT_FLOAT_EQ(orbs[static_cast<std::size_t>(n)], value) << c.text << " orb " << n;
    }
}

// Read only: a name the data folder does not hold, and the data folder itself.
TEST(LoadOrbFile, AMissingFileOrAFolderIsReportedAndTheOrbsStay) {
    const std::pair<std::string, const char*> cases[] = {
        {ORVANTIS_DATA_DIR "/MISSING.ORB", "Not Found"}, {ORVANTIS_DATA_DIR, "Cannot Be Read"}};
    OrbValues before;
    before.fill(4.0f);
    for (const auto& [path, says] : cases) {
        OrbValues orbs = before;
        const auto problem = LoadOrbFile(path, orbs);
        ASSERT_TRUE(problem.has_value()) << path;
        EXPECT_TRUE(problem->title == "Warning!" && problem->icon == Icon::kExclamation);
        EXPECT_NE(problem->text.find(path), std::string::npos) << problem->text;
        EXPECT_NE(problem->text.find(says), std::string::npos) << problem->text;
        EXPECT_EQ(orbs, before);
    }
}

OrbValues Orbs(std::string_view text) {
    OrbValues orbs{};
    ReadOrbFile(text, orbs);
    return orbs;
}

TEST(AspectDistance, FoldsToHalfACircle) {
    EXPECT_DOUBLE_EQ(AspectDistance(350, 169), 179);  // 181 apart counts as 179
    // Found by the orb-file fuzzer: longitudes a turn or more apart folded to a negative
    // distance (10 and 373.25 gave -3.25), and two huge ones to minus infinity.
    EXPECT_DOUBLE_EQ(AspectDistance(10, 373.25), 3.25);
    EXPECT_DOUBLE_EQ(AspectDistance(-350, 730), 0);
    const double d = AspectDistance(1.5e308, -1.5e308);
    EXPECT_TRUE(d >= 0 && d <= 180) << d;
}

// The edges of the orbs and the order of the tests. Orbs 1..n from the text, the rest zero.
TEST(ClassifyAspect, OrbEdgesAndTheOrderOfTheTests) {
    struct Case {
        std::string orbs;
        std::vector<std::tuple<double, double, int>> pairs;  // longitudes and the kind they get
    };
    const std::tuple<double, double, int> kExact[] = {
        {12.5, 12.5, kConjunction}, {0, 60, kSextile},         {0, 90, kSquare},
        {0, 120, kTrine},           {100, 280, kOpposition},   {0, 30, kSemisextile},
        {0, 45, kSemisquare},       {0, 135, kSesquiquadrate}, {0, 150, kQuincunx},
        {0, 36, kDecile},           {0, 40, kNovile},          {0, 72, kQuintile},
        {0, 108, kTredecile},       {0, 144, kBiquintile},     {0, 360.0 / 7.0, kSeptile},
        {0, 120.0001, kNoAspect},   {0, 20, kNoAspect},
    };
    const Case cases[] = {
        // Both ends of an orb belong to it.
        {"0\n0\n2\n",
         {{0, 88, kSquare}, {0, 92, kSquare}, {0, 92.001, kNoAspect}, {0, 87.999, kNoAspect}}},
        // A later test overwrites an earlier one: sextile 54..66 under semisextile 0..60, square
        // 80..100 and trine 100..140 meeting at 100, and the conjunction test last of all.
        {"0\n6\n0\n0\n0\n0\n30\n", {{0, 55, kSemisextile}, {0, 62, kSextile}}},
        {"0\n0\n10\n20\n", {{0, 100, kTrine}, {0, 99, kSquare}}},
        {"40\n0\n0\n0\n0\n0\n2\n0\n0\n0\n1\n", {{0, 30, kConjunction}, {0, 36, kConjunction}}},
        // Zero orbs leave only exact aspects, each angle its own kind.
        {"", {std::begin(kExact), std::end(kExact)}},
        // The opposition reaches from one side only; 181 apart counts as 179.
        {"0\n0\n0\n0\n1\n",
         {{0, 179, kOpposition},
          {350, 169, kOpposition},
          {0, 180, kOpposition},
          {0, 178.99, kNoAspect}}},
        // Lines 6 and 17 test nothing.
        {"0\n0\n0\n0\n0\n90\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n90\n",
         {{0, 10, kNoAspect}, {0, 50, kNoAspect}, {0, 95, kNoAspect}, {0, 170, kNoAspect}}},
        // Single precision: 6.1 is held as 6.0999999; in double 66.1 lies beyond 60 + 6.0999999,
        // in single precision both round to the same value and the sextile holds.
        {"0\n6.1\n", {{10, 76.1, kSextile}, {10, 63.9, kSextile}, {10, 76.1001, kNoAspect}}},
        // The septile's bound is 360/7 taken in double before it is rounded.
        {"0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0.5\n",
         {{0, 360.0 / 7.0 + 0.5, kSeptile}, {0, 360.0 / 7.0 - 0.5, kSeptile}}},
    };
    for (const Case& c : cases) {
        const OrbValues orbs = Orbs(c.orbs);
        for (const auto& [a, b, kind] : c.pairs) {
            EXPECT_EQ(ClassifyAspect(a, b, orbs), kind) << c.orbs << ": " << a << " " << b;
            EXPECT_EQ(ClassifyAspect(b, a, orbs), kind) << c.orbs << ": " << b << " " << a;
        }
    }
}

TEST(ClassifyWheelAspect, UsesTheOptionOrbsAndOnlyTheFiveMajorTests) {
    OptionValues options{};
    options.fill(50);  // no other line is an orb: the wheel has no conjunction or minor test
    options[kOptionSextileOrb] = 6, options[kOptionSquareOrb] = 8, options[kOptionTrineOrb] = 8;
    options[kOptionOppositionOrb] = 8, options[kOptionQuincunxOrb] = 3;
    const std::pair<double, int> cases[] = {{56, kSextile},     {97, kSquare},      {113, kTrine},
                                            {173, kOpposition}, {152.5, kQuincunx}, {0, kNoAspect},
                                            {30, kNoAspect}};
    for (const auto& [distance, kind] : cases)
        EXPECT_EQ(ClassifyWheelAspect(0, distance, options), kind) << distance;
    // The quincunx test comes after the opposition test.
    options[kOptionOppositionOrb] = 40;
    EXPECT_EQ(ClassifyWheelAspect(0, 150, options), kQuincunx);
    EXPECT_EQ(ClassifyWheelAspect(0, 145, options), kOpposition);
}

using Triple = std::tuple<int, int, int>;

std::vector<Triple> Triples(const std::vector<AspectEntry>& list) {
    std::vector<Triple> t;
    for (const AspectEntry& e : list) t.emplace_back(e.first, e.second, e.kind);
    return t;
}

// Zero orbs list only the exact aspects, in window order; under any orbs each aspect appears once
// in each order; a negative orb admits none.
TEST(ListAspects, WindowOrderEachPairBothWaysAndNoneUnderNegativeOrbs) {
    const Triple exact[] = {{kSun, kMoon, kTrine},
                            {kSun, kMercury, kSextile},
                            {kMoon, kSun, kTrine},
                            {kMoon, kMercury, kSextile},
                            {kMercury, kSun, kSextile},
                            {kMercury, kMoon, kSextile},
                            {kNode, kOppositeNode, kOpposition},
                            {kOppositeNode, kNode, kOpposition}};
    EXPECT_EQ(Triples(ListAspects(KnownChart(), OrbValues{})),
              std::vector<Triple>(std::begin(exact), std::end(exact)));
    const auto list = ListAspects(KnownChart(), CustomaryOrbs());
    ASSERT_GT(list.size(), std::size(exact));
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

}  // namespace
}  // namespace orvantis
