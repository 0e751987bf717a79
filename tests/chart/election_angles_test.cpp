// The election window's angle tool, without a window: the MC stepping, the time search, the
// Ascendant and the texts.
#include "chart/election_angles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "chart/time_scales.h"
#include "support/chart_fixture.h"

namespace orvantis {
namespace {

// A chart after the time step, with the two angles where the driver puts them.
ChartState ChartAt(int day, int month, int year, float clock, const char* am_pm, float zone,
                   float longitude, float latitude) {
    const TimeAndAngles t = ComputeTimeAndAngles(
        {day, month, year, clock, std::string(am_pm) == "P.M.", zone, longitude, latitude});
    EXPECT_EQ(t.status, ComputeStatus::kOk);
    ChartState chart;
    chart.ChartZone = zone;
    chart.ChartLong = longitude;
    chart.ChartLat = latitude;
    SetTimeAndAngles(chart, t);
    chart.PlanetLong[kMCBody] = chart.MC;
    chart.PlanetLong[kAscendantBody] = chart.Ascendant;
    return chart;
}

const auto Distance = testing_support::ArcDistance;

double ObliquityOf(const ChartState& chart) {
    return DegToRad(ObliquityDegreesAt(chart.CenturiesT));
}

TEST(FormatZodiacPosition, DegreeSignAndMinute) {
    EXPECT_EQ(FormatZodiacPosition(45.5), "15 TAU 30");
    EXPECT_EQ(FormatZodiacPosition(359.999), "29 PIS 59");  // 60 minutes held at 59
    EXPECT_EQ(FormatZodiacPosition(std::nan("")), "");
}

// Conformance: the right ascension from atan2, an independent form of the same relation.
TEST(ElectionMC, RightAscensionInTheHalfOfTheLongitude) {
    const double e = DegToRad(23.44);
    for (double mc = 0; mc < 360; mc += 7.3) {
        const double expected = Reduce360(
            RadToDeg(std::atan2(std::sin(DegToRad(mc)) * std::cos(e), std::cos(DegToRad(mc)))));
        EXPECT_NEAR(Distance(ElectionMC(mc, e), expected), 0, 1e-6) << mc;
        EXPECT_NEAR(ElectionMC(mc, -e), ElectionMC(mc, e), 1e-12);  // the sign of ε is free
        EXPECT_NEAR(Distance(MidheavenDegrees(DegToRad(ElectionMC(mc, e)), e), mc), 0, 1e-6);
    }
    EXPECT_NEAR(ElectionMC(360 + 90, e), 90, 1e-7);
}

// The angle tool's own sidereal time agrees with the chart's time step: GST - longitude is its
// RAMC.
TEST(GreenwichSiderealDegrees, AgreesWithTheTimeStep) {
    const ChartState chart = ChartAt(5, 3, 2024, 2.3f, "P.M.", 5, 74.0f, 40.43f);
    const double lst =
        Reduce360(GreenwichSiderealDegrees(chart.CenturiesT, chart.UTFraction) - 74.0);
    EXPECT_NEAR(lst, RadToDeg(chart.RAMC), 1e-9);
}

TEST(ComputeElectionAngles, FifteenStepsMoveTheMCFifteenMinutesAndTheClockOneMinute) {
    for (const float longitude : {74.0f, -13.24f, 0.0f}) {
        ChartState chart = ChartAt(5, 3, 2024, 2.3f, "P.M.", 5, longitude, 40.43f);
        const double obliquity = chart.Obliquity;
        const double start_time = MediumTimeValue(chart);
        ShownAngles shown = ShownAnglesOf(chart);
        const double start_mc = shown.ShownMC;
        for (int i = 0; i < 15; ++i) {
            ComputeElectionAngles(chart, shown, +1);
            // The found moment's MC is the nearest whole minute: within half a minute of time.
            EXPECT_LT(Distance(MidheavenDegrees(chart.RAMC, obliquity), shown.ShownMC), 0.14);
        }
        EXPECT_NEAR(Distance(shown.ShownMC, start_mc), 0.25, 1e-9);
        EXPECT_NEAR((MediumTimeValue(chart) - start_time) * 1440, 1.0, 1e-6) << longitude;
        EXPECT_EQ(chart.Obliquity, obliquity);

        for (int i = 0; i < 15; ++i) ComputeElectionAngles(chart, shown, -1);
        EXPECT_EQ(shown.MCStep, -1);
        EXPECT_NEAR(Distance(shown.ShownMC, start_mc), 0, 1e-9);
        EXPECT_NEAR((MediumTimeValue(chart) - start_time) * 1440, 0.0, 1e-6);
        EXPECT_NEAR(Distance(shown.ShownAsc, chart.Ascendant), 0, 1e-6);
    }
}

// The Ascendant follows the stepped MC even where the cosine of the RAMC changes sign: the chart's
// stored RAMC, seventy minutes of search away, must not decide its half of the circle.
TEST(ComputeElectionAngles, AscendantAgreesWithTheTimeStepAcrossRamc90And270) {
    for (const float clock : {5.0f, 5.3f, 5.45f, 5.55f, 6.0f}) {
        for (const char* am_pm : {"A.M.", "P.M."}) {
            ChartState chart = ChartAt(21, 3, 2024, clock, am_pm, 0, 0, -33.52f);
            ShownAngles shown = ShownAnglesOf(chart);
            for (int i = 0; i < 40; ++i) {
                ComputeElectionAngles(chart, shown, +1);
                const double obliquity = ObliquityOf(chart);
                const double ramc = DegToRad(ElectionMC(shown.ShownMC, obliquity));
                const double expected = AscendantDegrees(ramc, chart.LatRadians, obliquity);
                ASSERT_NEAR(Distance(shown.ShownAsc, expected), 0, 1e-6) << clock << am_pm << i;
            }
        }
    }
}

TEST(FindElectionTime, MeasuresTheDistanceAcrossZeroAries) {
    // Place the chart where the local sidereal time is 359.97°: the MC stands just below 360°.
    const ChartState greenwich = ChartAt(21, 9, 2024, 11.55f, "P.M.", 0, 0, 51.3f);
    const double west = Reduce360(RadToDeg(greenwich.RAMC) - 359.97);
    const double degrees = std::floor(west);
    ChartState chart = ChartAt(21, 9, 2024, 11.55f, "P.M.", 0,
                               static_cast<float>(degrees + (west - degrees) * 0.6), 51.3f);
    const double mc = MidheavenDegrees(chart.RAMC, ObliquityOf(chart));
    ASSERT_GT(mc, 359.95);

    // 0°01' is nearer to this moment's MC than to the next minute's, some 15' on.
    ShownAngles shown = ShownAnglesOf(chart);
    shown.ShownMC = Reduce360(mc + 0.05);
    ASSERT_LT(shown.ShownMC, 1.0);
    const double before = chart.UTFraction;
    FindElectionTime(chart, shown);
    EXPECT_EQ(chart.UTFraction, before);
}

TEST(FindElectionTime, ComparesASiderealMCWithTheTropicalOne) {
    ChartState chart = ChartAt(5, 3, 2024, 2.3f, "P.M.", 5, 74.0f, 40.43f);
    // The driver's Ayanamsa zodiac: every body moved back by 24°, MC kept tropical.
    chart.PlanetLong[kMCBody] = Reduce360(chart.MC - 24.0);
    chart.PlanetLong[kAscendantBody] = Reduce360(chart.Ascendant - 24.0);
    const double start = chart.UTFraction;
    ShownAngles shown = ShownAnglesOf(chart);
    EXPECT_NEAR(shown.ZodiacShift, 336.0, 1e-9);
    for (int i = 0; i < 15; ++i) ComputeElectionAngles(chart, shown, +1);
    EXPECT_NEAR((chart.UTFraction - start) * 1440, 1.0, 1e-6);
    EXPECT_NEAR(Distance(shown.ShownMC, chart.PlanetLong[kMCBody]), 0.25, 1e-9);
}

TEST(MediumTime, LocalClockInTwelveHourStyle) {
    EXPECT_EQ(FormatMediumTime(0.5), "12:00 PM");
    EXPECT_EQ(FormatMediumTime((11 * 60 + 59) / 1440.0), "11:59 AM");
    EXPECT_EQ(FormatMediumTime((23 * 3600 + 59 * 60 + 59.7) / 86400.0), "12:00 AM");
    EXPECT_EQ(FormatMediumTime(-1 / 1440.0), "11:59 PM");
    EXPECT_EQ(FormatMediumTime(std::nan("")), "");

    // 11 P.M. in zone +5 lies in the next UT day; the local clock is still 11 P.M.
    const ChartState chart = ChartAt(5, 3, 2024, 11.0f, "P.M.", 5, 74.0f, 40.43f);
    EXPECT_NEAR(chart.UTFraction, 28 / 24.0, 1e-12);
    EXPECT_EQ(FormatMediumTime(MediumTimeValue(chart)), "11:00 PM");
    // A clock whose minutes are not exact in binary (5.29 as a float) still reads 5:29.
    EXPECT_EQ(FormatMediumTime(MediumTimeValue(ChartAt(1, 6, 2024, 5.29f, "A.M.", 0, 0, 0))),
              "05:29 AM");
}

}  // namespace
}  // namespace orvantis
