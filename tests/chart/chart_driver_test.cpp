#include "chart/chart_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <tuple>

#include "astro/angles.h"
#include "recording_notifier.h"
#include "settings/option_lines.h"

namespace orvantis {
namespace {

using namespace std::chrono;
using ::testing::ElementsAre;

// Home data of a plain place: London-ish, zone 0, 0°10' W, 51°30' N.
OptionValues HomeOptions() {
    OptionValues o{};
    o[kOptionHomeLongMin] = 10, o[kOptionHomeLatDeg] = 51, o[kOptionHomeLatMin] = 30;
    return o;
}

sys_seconds Utc(int y, unsigned m, unsigned d, int h, int min) {
    return sys_days{year{y} / month{m} / day{d}} + hours{h} + minutes{min};
}

// 9:15 A.M. on 5 March 2024, zone 0, at the place given.
ElectionData Election(std::int16_t west, std::int16_t long_deg, std::int16_t long_min,
                      std::int16_t south, std::int16_t lat_deg, std::int16_t lat_min) {
    ElectionData e;
    e.ElectEvent = "Opening";
    e.ElectMonth = 3, e.ElectDay = 5, e.ElectYear = 2024, e.ElectHour = 9, e.ElectMinute = 15;
    e.ElectWest = west, e.ElectLongDeg = long_deg, e.ElectLongMin = long_min;
    e.ElectSouth = south, e.ElectLatDeg = lat_deg, e.ElectLatMin = lat_min;
    return e;
}

// The chart of the present moment (an empty election) or of an election, over `chart`, with the
// messages it gave.
using Computed = std::pair<bool, std::vector<std::string>>;  // accepted, messages
Computed Compute(ChartState& chart, const OptionValues& o, sys_seconds now, char house = 'P',
                 const ElectionData* election = nullptr) {
    RecordingNotifier n;
    const bool accepted =
        ComputeChart(chart, election ? *election : ElectionData{}, o,
                     {house, election == nullptr, now, o[kOptionHomeZone], ""}, n);
    return {accepted, n.Texts()};
}
ChartState NowChart(const OptionValues& o, sys_seconds now) {
    ChartState chart;
    EXPECT_TRUE(Compute(chart, o, now).first);
    return chart;
}
ChartState ElectionChart(const ElectionData& e, char house = 'P',
                         const OptionValues& o = HomeOptions()) {
    ChartState chart;
    EXPECT_TRUE(Compute(chart, o, {}, house, &e).first);
    return chart;
}

// Whatever the home zone, clock + zone = UT: the chart's Julian date is the instant's, and the
// home clock is that instant in the zone (west positive) on a twelve-hour clock. One rule for the
// clock's chart and the election record: east only for -1 on line 21, south only for -1 on line
// 24 (a hand-edited 1 once put the record east and the chart west).
TEST(NowMode, ChartIsForTheTrueInstantInTheHomeZoneAndPlace) {
    struct Case {
        sys_seconds now;
        float zone;
        const char* clock;  // caption lines 2 and 3
        float side;         // lines 21 and 24
        const char* place;  // caption lines 4 and 5
    };
    for (const Case c :
         {Case{Utc(2024, 7, 1, 16, 0), 5, "01 Jul 2024 11.00 A.M. (5)", -1, "EASTSOUTH"},
          Case{Utc(2024, 7, 2, 2, 0), 5, "01 Jul 2024 9.00 P.M. (5)", 0, "WESTNORTH"},
          Case{Utc(2024, 7, 1, 0, 30), 0, "01 Jul 2024 12.30 A.M. (0)", 1, "WESTNORTH"},
          Case{Utc(2024, 7, 1, 16, 0), 5.5f, "01 Jul 2024 10.30 A.M. (5.5)", -1, "EASTSOUTH"},
          Case{Utc(2024, 7, 1, 16, 0), -13, "02 Jul 2024 5.00 A.M. (-13)", 0, "WESTNORTH"}}) {
        SCOPED_TRACE(c.zone);
        OptionValues o = HomeOptions();
        o[kOptionHomeZone] = c.zone, o[kOptionHomeLongEast] = c.side,
        o[kOptionHomeLatSouth] = c.side;
        const ChartState chart = NowChart(o, c.now);
        EXPECT_EQ(chart.Moment, c.now);
        const CaptionLines caption = CaptionLinesOf(chart);
        EXPECT_EQ(caption[2] + " " + caption[3], c.clock);
        EXPECT_EQ(caption[4].substr(5) + caption[5].substr(6), c.place);
        EXPECT_EQ(chart.ChartTitle, "Now");
        const bool minus_one = c.side == -1;
        const auto e = LoadElectionDataFromNow(c.now, o, c.zone);
        EXPECT_EQ(std::tie(e.ElectWest, e.ElectSouth), std::make_tuple(!minus_one, minus_one));
    }
}

// Home data out of range, a latitude beyond the quadrant systems' limit (no Ascendant at the pole
// for any system), or an election without finite cusps: refused with each message, the previous
// chart kept whole. The bounds themselves pass.
TEST(Refusal, EachFailureIsReportedAndThePreviousChartStays) {
    struct Case {
        float zone, long_min, lat_deg, lat_min;
        char house;
        bool election;  // Placidus at 89° north, not validated in election mode
        std::vector<std::string> messages;
    };
    const Case cases[] = {{12.5f, 60, 51, 30, 'P', false, {kHomeDataError, kHomeDataError}},
                          {-13, 59, 51, 59, 'P', false, {}},
                          {0, 10, 66, 0, 'P', false, {}},
                          {0, 10, 66, 1, 'P', false, {kLatitudeTooHigh}},
                          {0, 10, 67, 0, 'I', false, {}},
                          {0, 10, 90, 0, 'M', false, {kLatitudeTooHigh}},
                          {0, 10, 51, 30, 'P', true, {kNonFiniteChart}}};
    const auto polar = Election(1, 0, 10, 0, 89, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lat_deg << c.house << c.election);
        ChartState chart = NowChart(HomeOptions(), Utc(2024, 3, 5, 10, 0));
        const ChartState before = chart;
        OptionValues o = HomeOptions();
        o[kOptionHomeZone] = c.zone, o[kOptionHomeLongMin] = c.long_min;
        o[kOptionHomeLatDeg] = c.lat_deg, o[kOptionHomeLatMin] = c.lat_min;
        const auto [accepted, messages] =
            Compute(chart, o, Utc(2024, 3, 5, 11, 0), c.house, c.election ? &polar : nullptr);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(accepted, c.messages.empty());
        EXPECT_EQ(chart.InputError, !c.messages.empty());
        if (accepted) continue;
        EXPECT_EQ(chart.PlanetLong, before.PlanetLong);
        EXPECT_EQ(chart.Cusps, before.Cusps);
        EXPECT_EQ(CaptionLinesOf(chart), CaptionLinesOf(before));
    }
}

// The caption prefix names the zodiac.
TEST(Captions, FollowThePlaceAndTheZodiac) {
    ChartState chart = ElectionChart(Election(0, 2, 20, 0, 48, 50));
    EXPECT_EQ(chart.ChartTitle, "Opening - election chart");
    EXPECT_EQ(CaptionLinesOf(chart)[4], "2.20 EAST");
    // 0°00' south still counts as north.
    EXPECT_EQ(CaptionLinesOf(ElectionChart(Election(1, 0, 0, 1, 0, 0)))[5], "0.00 NORTH");
    EXPECT_EQ(CaptionLinesOf(ElectionChart(Election(1, 0, 0, 1, 33, 52)))[5], "33.52 SOUTH");

    auto e = Election(1, 0, 10, 0, 51, 30);
    chart = ElectionChart(e, 'K');
    EXPECT_EQ(CaptionLinesOf(chart)[2], "05 Mar 2024");
    EXPECT_EQ(CaptionLinesOf(chart)[3], "9.15 A.M. (0)");
    EXPECT_EQ(CaptionLinesOf(chart)[7], "Koch");
    // A zone reads as typed; a local mean time in hours, minutes and seconds.
    for (const auto& [zone, text] : {std::pair{-3.5f, "(-3.5)"},
                                     {-0.15583333f, "(-0:09:21)"},
                                     {0.020833334f, "(0:01:15)"},
                                     {5.75f, "(5.75)"},
                                     {-0.00001f, "(0)"}}) {
        e.ElectZone = zone;
        EXPECT_EQ(CaptionLinesOf(ElectionChart(e))[3], std::string("9.15 A.M. ") + text);
    }
    // Outside the series' years a chart is still computed, and says so.
    e.ElectZone = 0;
    using Warned = std::vector<std::string>;
    for (const auto& [year, warnings] : {std::pair{1899, Warned{kBeforeSeriesYears}},
                                         {1900, Warned{}},
                                         {2099, Warned{}},
                                         {2100, Warned{kAfterSeriesYears}}}) {
        e.ElectYear = static_cast<std::int16_t>(year);
        EXPECT_EQ(ElectionChart(e).Warnings, warnings) << year;
    }

    OptionValues o{};
    EXPECT_EQ(BuildCaptionPrefix("Ann", o), "Ann Orvantis (Tropical zodiac) - ");
    o[kOptionZodiac] = 2;
    EXPECT_EQ(BuildCaptionPrefix("", o), "Orvantis (Sidereal zodiac - Ayanamsa) - ");
    o[kOptionZodiac] = 3;
    EXPECT_EQ(BuildCaptionPrefix("", o), "Orvantis ");
}

TEST(ZodiacAndNode, SiderealShiftMovesEverythingAndTheTrueNodeReplacesBothNodes) {
    const auto e = Election(1, 0, 10, 0, 51, 30);
    const ChartState tropical = ElectionChart(e);
    for (float zodiac : {1.0f, 2.0f}) {
        OptionValues o = HomeOptions();
        o[kOptionZodiac] = zodiac;
        const ChartState sidereal = ElectionChart(e, 'P', o);
        const double shift =
            zodiac == 1 ? Reduce360(tropical.SvpOffset) : -Reduce360(tropical.Ayanamsa);
        for (int b = 1; b <= kBodyCount; ++b)
            EXPECT_NEAR(sidereal.PlanetLong[b], Reduce360(tropical.PlanetLong[b] + shift), 1e-9)
                << b;
        for (int i = 1; i <= 12; ++i)
            EXPECT_NEAR(sidereal.Cusps[i], Reduce360(tropical.Cusps[i] + shift), 1e-9) << i;
        EXPECT_EQ(sidereal.HouseOfPlanet, tropical.HouseOfPlanet);
    }
    OptionValues o = HomeOptions();
    o[kOptionTrueNode] = 1;
    const ChartState node = ElectionChart(e, 'P', o);
    EXPECT_DOUBLE_EQ(node.PlanetLong[kNode], node.TrueNodeLongitude);
    EXPECT_NEAR(Reduce360(node.PlanetLong[kOppositeNode] - node.PlanetLong[kNode]), 180.0, 1e-9);
}

// Found by the options-file fuzzer: a zone of 3e38 hours overflowed the clock's seconds, and
// "99999" or "3e38" in a hand-edited OPTIONS.OPT overflowed the 16-bit fields (undefined
// behaviour; 99999 came out as -31073).
TEST(ElectionData, LoadedFromNowInTheHomeZoneAndHeldAtTheEnds) {
    const auto now = Utc(2024, 12, 31, 4, 59);
    OptionValues o = HomeOptions();
    o[kOptionHomeZone] = 5, o[kOptionHomeLongDeg] = 73.5f, o[kOptionHomeLongMin] = 59.5f;
    o[kOptionHomeLatDeg] = 40, o[kOptionHomeLatMin] = 42;
    auto e = LoadElectionDataFromNow(now, o, 5);
    EXPECT_EQ(e.ElectEvent, "Now");
    // Halves to the even neighbour: 73.5 -> 74, 59.5 -> 60.
    EXPECT_EQ(std::tie(e.ElectYear, e.ElectMonth, e.ElectDay, e.ElectHour, e.ElectMinute, e.ElectPM,
                       e.ElectLongDeg, e.ElectLongMin),
              std::make_tuple(2024, 12, 30, 11, 59, 1, 74, 60));

    const auto fields = [&](float zone) {
        const CivilMoment c = HomeClockAt(now, zone);
        return std::make_tuple(c.date.year, c.date.month, c.date.day, c.hour, c.minute, c.second);
    };
    EXPECT_EQ(fields(3e38f), fields(16));
    EXPECT_EQ(fields(-3e38f), fields(-16));
    EXPECT_EQ(fields(NAN), fields(0));
    EXPECT_EQ(HomeClockAt(now, -14).hour, 18);  // 04:59 UT and 14 hours: the Line Islands
    o[kOptionHomeZone] = 3e38f, o[kOptionHomeLongDeg] = 99999, o[kOptionHomeLongMin] = 3e38f;
    o[kOptionHomeLatDeg] = -3e38f, o[kOptionHomeLatMin] = -32768.6f;
    e = LoadElectionDataFromNow(now, o, 3e38f);
    EXPECT_EQ(e.ElectDay, 30);
    EXPECT_EQ(std::tie(e.ElectLongDeg, e.ElectLongMin, e.ElectLatDeg, e.ElectLatMin),
              std::make_tuple(32767, 32767, -32768, -32768));
}

// Option 27 numbers the house systems from 1 (0 is the default, Placidus); any other number is
// Placidus, said in a warning.
TEST(HouseLetterForOption, NumbersFromOneAndWarnsOfAnyOther) {
    RecordingNotifier n;
    EXPECT_EQ(std::string({HouseLetterForOption(1, &n), HouseLetterForOption(8, &n),
                           HouseLetterForOption(0, &n), HouseLetterForOption(-1, &n)}),
              "PIPP");
    EXPECT_EQ(n.problems.size(), 1u);
}

}  // namespace
}  // namespace orvantis
