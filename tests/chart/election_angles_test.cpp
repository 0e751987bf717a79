// The election window's angle tool, without a window: the MC stepping, the time search, the
// Ascendant and the texts.
#include "chart/election_angles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "chart/ephemeris_mode.h"
#include "chart/time_scales.h"
#include "support/chart_fixture.h"

namespace orvantis {
namespace {

// A chart after the time step, with the two angles where the driver puts them.
ChartState ChartAt(int day, int month, int year, int hour, int minute, float zone, float longitude,
                   float latitude) {
    const TimeAndAngles t =
        ComputeTimeAndAngles({day, month, year, hour, minute, zone, SignedDmmToDecimal(longitude),
                              SignedDmmToDecimal(latitude)});
    EXPECT_EQ(t.status, ComputeStatus::kOk);
    ChartState chart;
    chart.ChartZone = zone;
    chart.Longitude = SignedDmmToDecimal(longitude);
    chart.Latitude = SignedDmmToDecimal(latitude);
    SetTimeAndAngles(chart, t);
    chart.PlanetLong[kMCBody] = chart.MC;
    chart.PlanetLong[kAscendantBody] = chart.Ascendant;
    return chart;
}

const auto Distance = testing_support::ArcDistance;

// The right ascension is the one whose MC is the longitude, whatever the sign of ε.
TEST(ElectionMC, RightAscensionInTheHalfOfTheLongitude) {
    const double e = DegToRad(23.44);
    for (double mc = 0; mc < 720; mc += 7.3) {
        EXPECT_NEAR(Distance(MidheavenDegrees(DegToRad(ElectionMC(mc, e)), e), mc), 0, 1e-6) << mc;
        EXPECT_NEAR(ElectionMC(mc, -e), ElectionMC(mc, e), 1e-12);
    }
}

// Fifteen presses of "+" move the MC fifteen minutes and the clock one minute, every found moment's
// MC within half a minute of time of the shown one, and fifteen presses of "-" come back. The
// Ascendant follows the stepped MC even where the cosine of the RAMC changes sign (around 6 A.M.
// and P.M. at the March equinox): the chart's stored RAMC, minutes of search away, must not
// decide its half of the circle. In the Ayanamsa zodiac (every body 24° back, the MC kept
// tropical) the search compares like with like.
TEST(ComputeElectionAngles, StepsMoveTheMcTheClockAndTheAscendantTogether) {
    struct Case {
        int day, month;
        int hour, minute;
        float zone, longitude, latitude;
        double shift;
    };
    std::vector<Case> cases = {{5, 3, 14, 30, 5, 74.0f, 40.43f, 0},
                               {5, 3, 14, 30, 5, -13.24f, 40.43f, 0},
                               {5, 3, 14, 30, 5, 0.0f, 40.43f, 0},
                               {5, 3, 14, 30, 5, 74.0f, 40.43f, 24}};
    for (const int minutes : {300, 330, 345, 355, 360})
        for (const int half_day : {0, 720})
            cases.push_back({21, 3, (minutes + half_day) / 60, minutes % 60, 0, 0, -33.52f, 0});
    // The search across 0° Aries: a place whose local sidereal time is 359.97° (the MC just
    // below 360°), its west longitude in D.MM.
    const double west =
        Reduce360(RadToDeg(ChartAt(21, 9, 2024, 23, 55, 0, 0, 51.3f).RAMC) - 359.97);
    const double whole = std::floor(west);
    cases.push_back({21, 9, 23, 55, 0, float(whole + (west - whole) * 0.6), 51.3f, 0});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "." << c.month << " " << c.hour << ":"
                                        << c.minute << " " << c.longitude << " shift " << c.shift);
        ChartState chart =
            ChartAt(c.day, c.month, 2024, c.hour, c.minute, c.zone, c.longitude, c.latitude);
        chart.PlanetLong[kMCBody] = Reduce360(chart.MC - c.shift);
        chart.PlanetLong[kAscendantBody] = Reduce360(chart.Ascendant - c.shift);
        const double obliquity = chart.Obliquity;
        const double start_time = MediumTimeValue(chart);
        ShownAngles shown = ShownAnglesOf(chart);
        ASSERT_NEAR(shown.ZodiacShift, Reduce360(-c.shift), 1e-9);
        const double start_mc = shown.ShownMC;
        const auto step = [&](int direction) {
            ComputeElectionAngles(chart, shown, direction);
            const double ramc = DegToRad(ElectionMC(shown.ShownMC - shown.ZodiacShift, obliquity));
            EXPECT_NEAR(Distance(shown.ShownAsc - shown.ZodiacShift,
                                 AscendantDegrees(ramc, chart.LatRadians, obliquity)),
                        0, 1e-6);
            // The found moment's MC is the nearest whole minute: within half a minute of time.
            EXPECT_LT(Distance(MidheavenDegrees(chart.RAMC, obliquity) + shown.ZodiacShift,
                               shown.ShownMC),
                      0.14);
        };
        for (int i = 0; i < 15; ++i) step(+1);
        EXPECT_NEAR(Distance(shown.ShownMC, start_mc), 0.25, 1e-9);
        EXPECT_NEAR((MediumTimeValue(chart) - start_time) * 1440, 1.0, 1e-6);
        EXPECT_EQ(chart.Obliquity, obliquity);
        for (int i = 0; i < 15; ++i) step(-1);
        EXPECT_EQ(shown.MCStep, -1);
        EXPECT_NEAR(Distance(shown.ShownMC, start_mc), 0, 1e-9);
        EXPECT_NEAR((MediumTimeValue(chart) - start_time) * 1440, 0.0, 1e-6);
    }
}

TEST(Texts, ZodiacPositionAndLocalClockInTwelveHourStyle) {
    EXPECT_EQ(FormatZodiacPosition(45.5), "15 TAU 30");
    EXPECT_EQ(FormatZodiacPosition(359.999), "29 PIS 59");  // 60 minutes held at 59
    EXPECT_EQ(FormatZodiacPosition(std::nan("")), "");
    EXPECT_EQ(FormatMediumTime(0.5), "12:00 PM");
    EXPECT_EQ(FormatMediumTime((11 * 60 + 59) / 1440.0), "11:59 AM");
    EXPECT_EQ(FormatMediumTime((23 * 3600 + 59 * 60 + 59.7) / 86400.0), "12:00 AM");
    EXPECT_EQ(FormatMediumTime(-1 / 1440.0), "11:59 PM");
    EXPECT_EQ(FormatMediumTime(std::nan("")), "");

    // 11 P.M. in zone +5 lies in the next UT day; the local clock is still 11 P.M.
    const ChartState chart = ChartAt(5, 3, 2024, 23, 0, 5, 74.0f, 40.43f);
    EXPECT_EQ(FormatMediumTime(MediumTimeValue(chart)), "11:00 PM");
    // A clock whose minutes are not exact in binary (5.29 as a float) still reads 5:29.
    EXPECT_EQ(FormatMediumTime(MediumTimeValue(ChartAt(1, 6, 2024, 5, 29, 0, 0, 0))), "05:29 AM");
}

// Precise: fifteen presses of "+" find the RAMC of a chart typed at the clock time shown.
TEST(ComputeElectionAngles, PreciseChartFindsThePreciseMoment) {
    const ChartMoment start{5, 3, 2024, 14, 30, 5, 74.0, DmmToDecimal(40.43f)};
    ChartState chart;
    chart.ChartEphemeris = EphemerisChoice::kPrecise;
    chart.Longitude = start.longitude;
    SetTimeAndAngles(chart, TimeAndAnglesFor(EphemerisChoice::kPrecise, start));
    chart.PlanetLong[kMCBody] = chart.MC;
    ShownAngles shown = ShownAnglesOf(chart);
    for (int i = 0; i < 15; ++i) ComputeElectionAngles(chart, shown, +1);
    const ChartMoment typed{5, 3, 2024, 14, 31, 5, 74.0, DmmToDecimal(40.43f)};
    EXPECT_NEAR(chart.RAMC, TimeAndAnglesFor(EphemerisChoice::kPrecise, typed).RAMC, 1e-7);
}

}  // namespace
}  // namespace orvantis
