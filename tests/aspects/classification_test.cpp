// The aspect classification: which kind a distance gets, in which order the tests overwrite
// each other, and where single precision decides.
#include <gtest/gtest.h>

#include "aspects/aspect_kind.h"
#include "aspects/orb_file.h"

namespace orvantis {
namespace {

OrbValues Orbs(std::string_view text) {
    OrbValues orbs{};
    ReadOrbFile(text, orbs);
    return orbs;
}

// Orbs 1..17 of a customary orb file: no two ranges overlap.
const OrbValues kCustomary = Orbs("8\n6\n8\n8\n8\n0\n2\n2\n2\n3\n1\n1\n2\n1\n2\n1\n0\n");

TEST(AspectDistance, FoldsToHalfACircle) {
    EXPECT_DOUBLE_EQ(AspectDistance(10, 350), 20);
    EXPECT_DOUBLE_EQ(AspectDistance(350, 169), 179);  // 181 apart counts as 179
    EXPECT_DOUBLE_EQ(AspectDistance(0, 180), 180);
    EXPECT_DOUBLE_EQ(AspectDistance(42, 42), 0);
    // Found by the orb-file fuzzer: longitudes a turn or more apart folded to a negative
    // distance (10 and 373.25 gave -3.25), and two huge ones to minus infinity.
    EXPECT_DOUBLE_EQ(AspectDistance(10, 373.25), 3.25);
    EXPECT_DOUBLE_EQ(AspectDistance(-350, 730), 0);
    const double d = AspectDistance(1.5e308, -1.5e308);
    EXPECT_TRUE(d >= 0 && d <= 180) << d;
}

TEST(ClassifyAspect, EachAngleGivesItsKind) {
    struct Case {
        double distance;
        int kind;
    };
    const Case cases[] = {
        {0, kConjunction},  {60, kSextile},     {90, kSquare},           {120, kTrine},
        {180, kOpposition}, {30, kSemisextile}, {45, kSemisquare},       {135, kSesquiquadrate},
        {150, kQuincunx},   {36, kDecile},      {40, kNovile},           {72, kQuintile},
        {108, kTredecile},  {144, kBiquintile}, {360.0 / 7.0, kSeptile}, {20, kNoAspect},
        {100, kNoAspect},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyAspect(100, 100 + c.distance, kCustomary), c.kind) << c.distance;
        EXPECT_EQ(ClassifyAspect(100 + c.distance, 100, kCustomary), c.kind) << c.distance;
    }
}

TEST(ClassifyAspect, BothEndsOfAnOrbBelongToIt) {
    const OrbValues orbs = Orbs("0\n0\n2\n");
    EXPECT_EQ(ClassifyAspect(0, 88, orbs), kSquare);
    EXPECT_EQ(ClassifyAspect(0, 92, orbs), kSquare);
    EXPECT_EQ(ClassifyAspect(0, 92.001, orbs), kNoAspect);
    EXPECT_EQ(ClassifyAspect(0, 87.999, orbs), kNoAspect);
}

TEST(ClassifyAspect, ALaterTestOverwritesAnEarlierOne) {
    // Sextile 54..66 and semisextile 0..60 overlap: the semisextile test comes later.
    const OrbValues orbs = Orbs("0\n6\n0\n0\n0\n0\n30\n");
    EXPECT_EQ(ClassifyAspect(0, 55, orbs), kSemisextile);
    EXPECT_EQ(ClassifyAspect(0, 62, orbs), kSextile);
    // Square 80..100 and trine 100..140 meet at 100: the trine test comes later.
    const OrbValues wide = Orbs("0\n0\n10\n20\n");
    EXPECT_EQ(ClassifyAspect(0, 100, wide), kTrine);
    EXPECT_EQ(ClassifyAspect(0, 99, wide), kSquare);
}

TEST(ClassifyAspect, TheConjunctionTestComesLast) {
    // A conjunction orb of 40 swallows the semisextile at 30 and the decile at 36.
    const OrbValues orbs = Orbs("40\n0\n0\n0\n0\n0\n2\n0\n0\n0\n1\n");
    EXPECT_EQ(ClassifyAspect(0, 30, orbs), kConjunction);
    EXPECT_EQ(ClassifyAspect(0, 36, orbs), kConjunction);
}

TEST(ClassifyAspect, ZeroOrbsLeaveOnlyExactAspects) {
    const OrbValues zero{};
    EXPECT_EQ(ClassifyAspect(12.5, 12.5, zero), kConjunction);
    EXPECT_EQ(ClassifyAspect(100, 280, zero), kOpposition);
    EXPECT_EQ(ClassifyAspect(0, 120, zero), kTrine);
    EXPECT_EQ(ClassifyAspect(0, 120.0001, zero), kNoAspect);
    EXPECT_EQ(ClassifyAspect(0, 360.0 / 7.0, zero), kSeptile);
}

TEST(ClassifyAspect, TheOppositionReachesFromOneSideOnly) {
    const OrbValues orbs = Orbs("0\n0\n0\n0\n1\n");
    EXPECT_EQ(ClassifyAspect(0, 179, orbs), kOpposition);
    EXPECT_EQ(ClassifyAspect(350, 169, orbs), kOpposition);  // 181 apart counts as 179
    EXPECT_EQ(ClassifyAspect(0, 180, orbs), kOpposition);
    EXPECT_EQ(ClassifyAspect(0, 178.99, orbs), kNoAspect);
}

TEST(ClassifyAspect, LineSixAndLineSeventeenTestNothing) {
    const OrbValues orbs = Orbs("0\n0\n0\n0\n0\n90\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n90\n");
    for (double d : {10.0, 50.0, 95.0, 170.0}) EXPECT_EQ(ClassifyAspect(0, d, orbs), kNoAspect);
}

TEST(ClassifyAspect, ComparesInSinglePrecision) {
    // 6.1 is held as 6.0999999; in double 66.1 lies beyond 60 + 6.0999999, in single precision
    // both round to the same value and the sextile holds. Likewise at the lower end.
    const OrbValues orbs = Orbs("0\n6.1\n");
    EXPECT_EQ(ClassifyAspect(10, 76.1, orbs), kSextile);
    EXPECT_EQ(ClassifyAspect(10, 63.9, orbs), kSextile);
    EXPECT_EQ(ClassifyAspect(10, 76.1001, orbs), kNoAspect);
    // The septile's bound is 360/7 taken in double before it is rounded.
    const OrbValues septile = Orbs("0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0.5\n");
    EXPECT_EQ(ClassifyAspect(0, 360.0 / 7.0 + 0.5, septile), kSeptile);
    EXPECT_EQ(ClassifyAspect(0, 360.0 / 7.0 - 0.5, septile), kSeptile);
}

TEST(ClassifyWheelAspect, UsesTheOptionOrbsAndOnlyTheFiveMajorTests) {
    OptionValues options{};
    options[1] = 50;  // not an orb: the wheel has no conjunction test
    options[2] = 6, options[3] = 8, options[4] = 8, options[5] = 8, options[10] = 3;
    options[7] = 30;  // nor a semisextile test
    EXPECT_EQ(ClassifyWheelAspect(0, 56, options), kSextile);
    EXPECT_EQ(ClassifyWheelAspect(0, 97, options), kSquare);
    EXPECT_EQ(ClassifyWheelAspect(0, 113, options), kTrine);
    EXPECT_EQ(ClassifyWheelAspect(0, 173, options), kOpposition);
    EXPECT_EQ(ClassifyWheelAspect(0, 152.5, options), kQuincunx);
    EXPECT_EQ(ClassifyWheelAspect(0, 0, options), kNoAspect);
    EXPECT_EQ(ClassifyWheelAspect(0, 30, options), kNoAspect);
    EXPECT_EQ(ClassifyWheelAspect(0, 45, options), kNoAspect);
    // The quincunx test comes after the opposition test.
    options[5] = 40;
    EXPECT_EQ(ClassifyWheelAspect(0, 150, options), kQuincunx);
    EXPECT_EQ(ClassifyWheelAspect(0, 145, options), kOpposition);
}

}  // namespace
}  // namespace orvantis
