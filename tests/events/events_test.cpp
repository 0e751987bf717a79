// The event finder: every event at the sign change of its own defining quantity, computed here
// from the chart's longitudes; the chart's longitudes really those of ComputeChart; the spans
// joined without loss. Their times against a reference are in events_swiss_test.
#include "events/events.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "events/event_jump.h"
#include "events/event_text.h"
#include "recording_notifier.h"
#include "settings/option_lines.h"

namespace orvantis {
namespace {

using namespace std::chrono;

sys_seconds Utc(int y, int m, int d, int hour = 0, int minute = 0) {
    return sys_days{year{y} / m / d} + hours{hour} + minutes{minute};
}

double Wrap180(double degrees) {
    return std::remainder(degrees, 360.0);
}

double Shift(const SkyLongitudes& sky, int zodiac) {
    return zodiac == 1 ? Reduce360(sky.svp_offset) : zodiac == 2 ? -Reduce360(sky.ayanamsa) : 0.0;
}

double Longitude(const SkyLongitudes& sky, int body, bool true_node) {
    return body == kNode && true_node ? sky.true_node : sky.longitude[body];
}

// The quantity whose sign tells the state the event begins: a sign held, a motion's direction,
// which side of exact. Its value at event.ut - 1 s and at event.ut must differ in sign.
double State(const Event& e, sys_seconds at, const EventSettings& s) {
    const SkyMoment m = SkyMomentAt(at);
    const SkyLongitudes sky = LongitudesAt(m);
    switch (e.kind) {
        case EventKind::kIngress:
        case EventKind::kAngle: {
            const SkyAngles a = AnglesAt(m, s.place);
            const double longitude = e.kind == EventKind::kIngress
                                         ? Longitude(sky, e.body, s.true_node)
                                     : e.body == kAscendantBody ? a.ascendant
                                                                : a.mc;
            const int sign = static_cast<int>(Reduce360(longitude + Shift(sky, s.zodiac)) / 30) + 1;
            return sign == e.sign ? 1 : -1;
        }
        case EventKind::kStation: {
            const double after =
                LongitudesAt({m.julian_day_number, m.time_of_day + 0.5}).longitude[e.body];
            const double before =
                LongitudesAt({m.julian_day_number, m.time_of_day - 0.5}).longitude[e.body];
            return Wrap180(after - before) * (e.retrograde ? -1 : 1);
        }
        case EventKind::kAspect: {
            const double separation = Wrap180(sky.longitude[e.body] - sky.longitude[e.other]);
            const double angles[] = {0, 0, 0, 60, 90, 120, 180};
            if (e.aspect == 2) return separation;
            if (e.aspect == 6) return Wrap180(separation - 180);
            return std::fabs(separation) - angles[e.aspect];
        }
        case EventKind::kPhase:
            return Wrap180(sky.longitude[kMoon] - sky.longitude[kSun] -
                           90 * static_cast<int>(e.phase));
        case EventKind::kVoid:
        case EventKind::kTransit:  // transits_test
        case EventKind::kTransitHouse:
            break;
    }
    return 0;
}

const struct Case {
    const char* name;
    EventSettings settings;
    sys_seconds from;
    days span;
} kCases[] = {
    {"tropical, mean node, London", {false, 0, {0.1667, 51.5}}, Utc(2025, 1, 1), days{120}},
    {"SVP, true node, New York", {true, 1, {74.0, 40.7}}, Utc(2024, 3, 10, 7, 13), days{60}},
    {"Ayanamsa, true node, 66 S", {true, 2, {-151.2, -66.0}}, Utc(2026, 8, 1), days{45}},
};

// Every event lies at the second its state changes; a void of course runs from the Moon's last
// aspect in a sign to its next ingress, with neither inside.
TEST(Events, EachLiesAtTheSecondItsStateChanges) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const sys_seconds to = c.from + c.span;
        const auto events = FindEvents(c.from, to, c.settings, AllEventKinds());
        std::set<sys_seconds> moon_aspects, moon_ingresses;
        for (const Event& e : events) {
            if ((e.kind == EventKind::kAspect && e.body == kMoon) || e.kind == EventKind::kPhase)
                moon_aspects.insert(e.ut);
            if (e.kind == EventKind::kIngress && e.body == kMoon) moon_ingresses.insert(e.ut);
        }
        const auto none_inside = [](const std::set<sys_seconds>& times, const Event& v) {
            const auto next = times.upper_bound(v.ut);
            return next == times.end() || *next >= v.end;
        };
        std::array<int, kEventKindCount> count{};
        for (const Event& e : events) {
            ++count[KindBit(e.kind)];
            ASSERT_GE(e.ut, c.from);
            ASSERT_LT(e.ut, to);
            if (e.kind == EventKind::kVoid) {
                EXPECT_TRUE(moon_aspects.contains(e.ut)) << IsoUtc(e.ut);
                EXPECT_TRUE(e.end >= to || moon_ingresses.contains(e.end)) << IsoUtc(e.end);
                EXPECT_TRUE(none_inside(moon_aspects, e) && none_inside(moon_ingresses, e));
                continue;
            }
            const double before = State(e, e.ut - seconds{1}, c.settings);
            const double after = State(e, e.ut, c.settings);
            EXPECT_TRUE((before < 0 && after >= 0) ||
                        (e.kind == EventKind::kAspect && before >= 0 && after < 0))
                << EventWords(e) << " at " << IsoUtc(e.ut) << ": " << before << ", " << after;
        }
        // Each kind of the sky occurs (a Moon ingress every 2.5 days, a station every few
        // months); transits need a radix and are never found here.
        for (int k = 0; k < kEventKindCount; ++k)
            EXPECT_EQ(count[k] > 0, k <= static_cast<int>(KindBit(EventKind::kAngle))) << k;
    }
}

// A span cut anywhere, even at an event's own second, gives the same events as the whole.
TEST(Events, SpansJoinWithoutLossOrRepeat) {
    const EventSettings s{true, 0, {-13.4, 52.5}};
    const sys_seconds from = Utc(2025, 2, 20), to = Utc(2025, 3, 10);
    const auto whole = FindEvents(from, to, s, AllEventKinds());
    for (const sys_seconds cut : {Utc(2025, 3, 1, 9, 17) + seconds{31}, whole[40].ut}) {
        auto joined = FindEvents(from, cut, s, AllEventKinds());
        const auto rest = FindEvents(cut, to, s, AllEventKinds());
        joined.insert(joined.end(), rest.begin(), rest.end());
        ASSERT_EQ(joined.size(), whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i) {
            EXPECT_EQ(joined[i].ut, whole[i].ut) << EventWords(whole[i]);
            EXPECT_EQ(EventWords(joined[i]), EventWords(whole[i]));
        }
    }
}

// A span warns when it reaches past its ephemeris' years; one ending on 2100 January 1 does not.
TEST(Events, SpansLeavingTheEphemerisYearsWarn) {
    const auto builtin = EphemerisChoice::kBuiltin, precise = EphemerisChoice::kPrecise;
    EXPECT_FALSE(SpanWarning(Utc(2099, 12, 2), Utc(2100, 1, 1), builtin));
    EXPECT_TRUE(SpanWarning(Utc(2099, 12, 2), Utc(2100, 1, 1, 0, 1), precise));
    EXPECT_TRUE(SpanWarning(Utc(1899, 12, 31), Utc(1900, 1, 30), builtin));
    EXPECT_FALSE(SpanWarning(Utc(1899, 12, 31), Utc(1900, 1, 30), precise));
}

// The longitudes the finder follows are the chart's: ComputeChart gives the same bodies, node and
// angles for its moment, shifted by the same zodiac offset, in every zodiac with either node.
TEST(Events, LongitudesAreTheChartsOwn) {
    RecordingNotifier quiet;
    ElectionData e;
    e.ElectYear = 2025, e.ElectMonth = 6, e.ElectDay = 18, e.ElectHour = 3, e.ElectMinute = 47;
    e.ElectPM = 1, e.ElectLongDeg = 73, e.ElectLongMin = 59, e.ElectLatDeg = 40, e.ElectLatMin = 45;
    OptionValues options{};
    options[kOptionHomeLongDeg] = 73, options[kOptionHomeLongMin] = 59;
    options[kOptionHomeLatDeg] = 40, options[kOptionHomeLatMin] = 45;
    for (const int variant : {0, 1, 2, 3, 4, 5}) {
        options[kOptionZodiac] = static_cast<float>(variant / 2);
        options[kOptionTrueNode] = static_cast<float>(variant % 2);
        ChartState chart;
        ASSERT_TRUE(ComputeChart(chart, e, options, {'P', false, {}, 0, 0, ""}, quiet));
        const EventSettings s = EventSettingsFromOptions(options);
        // The chart's own moment: its clock is a single, a fraction of a millisecond off the
        // minute.
        const SkyMoment m{chart.JulianDayNumber, chart.UTFraction};
        const SkyLongitudes sky = LongitudesAt(m);
        const SkyAngles angles = AnglesAt(m, s.place);
        const double shift = Shift(sky, variant / 2);
        for (int body = kSun; body <= kNode; ++body) {
            EXPECT_EQ(Wrap180(chart.PlanetLong[body] - (Longitude(sky, body, s.true_node) + shift)),
                      0)
                << variant << " " << body;
        }
        EXPECT_EQ(Wrap180(chart.Cusps[4] - (angles.ascendant + shift)), 0) << variant;
        EXPECT_EQ(Wrap180(chart.PlanetLong[kMCBody] - (angles.mc + shift)), 0) << variant;
    }
}

TEST(EventText, WordsGlyphsKindsAndCountdowns) {
    Event e;
    e.kind = EventKind::kStation, e.body = kMercury, e.retrograde = true;
    EXPECT_EQ(EventGlyphs(e), "☿ stations ℞");
    e = {}, e.kind = EventKind::kAspect, e.body = kSun, e.other = kSaturn, e.aspect = 4;
    EXPECT_EQ(EventGlyphs(e), "☉ □ ♄");
    EXPECT_EQ(EventWords(e), "Sun square Saturn");
    EXPECT_EQ(IsoLocal(Utc(2024, 3, 20, 3, 6) + seconds{21}, 5.5f), "2024-03-19T21:36:21-05:30");
    EXPECT_EQ(IsoLocal(Utc(2024, 3, 20, 3, 6), -14.0f), "2024-03-20T17:06:00+14:00");
    EXPECT_EQ(IsoLocal(Utc(1903, 1, 1, 0, 0), -(5 + 21 / 60.0f + 10 / 3600.0f)),
              "1903-01-01T05:21:10+05:21:10");
    EXPECT_EQ(ParseEventKinds("phase,void"),
              EventKinds().set(KindBit(EventKind::kPhase)).set(KindBit(EventKind::kVoid)));
    for (const char* wrong : {"", "phase,", "phases", "ingress,,void"})
        EXPECT_FALSE(ParseEventKinds(wrong).has_value()) << wrong;
    for (unsigned long bits = 0; bits < (1u << kEventKindCount); ++bits)
        EXPECT_EQ(ShownKindsOfHidden(HiddenKindsText(EventKinds(bits))), EventKinds(bits));
    EXPECT_EQ(ShownKindsOfHidden("comet,void"), AllEventKinds().reset(KindBit(EventKind::kVoid)));
    EXPECT_EQ(CountdownText(2 * 3600 + 13 * 60 + 59), "in 2 h 13 min");  // counted down
    EXPECT_EQ(CountdownText(3 * 86400 + 4 * 3600 + 59), "in 3 d 4 h");
}

// Jumps land on the first whole minute of the new state (the minute before still shows the old
// one), go forward event by event, and a jump back returns to the landing before; with a radix
// the transits are jumped to as well.
TEST(EventJump, LandsOnTheFirstMinuteOfEachEventAndBackAgain) {
    const EventSettings s{false, 0, {0.1667, 51.5}};
    EventKinds kinds;
    kinds.set(KindBit(EventKind::kIngress))
        .set(KindBit(EventKind::kStation))
        .set(KindBit(EventKind::kPhase));
    std::vector<sys_seconds> landings{Utc(2025, 3, 14, 9, 12)};
    for (int i = 0; i < 12; ++i) {
        const auto e = FindAdjacentEvent(landings.back(), +1, {s, kinds});
        ASSERT_TRUE(e);
        const sys_seconds at = LandingMinute(*e);
        EXPECT_GT(at, landings.back());
        EXPECT_GE(State(*e, at, s), 0) << EventWords(*e) << " " << IsoUtc(at);
        EXPECT_LT(State(*e, at - minutes{1}, s), 0) << EventWords(*e) << " " << IsoUtc(at);
        landings.push_back(at);
    }
    for (std::size_t i = landings.size() - 1; i > 1; --i)
        EXPECT_EQ(LandingMinute(*FindAdjacentEvent(landings[i], -1, {s, kinds})), landings[i - 1]);
    EXPECT_FALSE(FindAdjacentEvent(TravelSpan{}.last, +1, {s, kinds}));
    const EventKinds transits = EventKinds().set(KindBit(EventKind::kTransit));
    const auto e = FindAdjacentEvent(landings[0], +1, {s, transits, Radix{}});  // all at 0 Aries
    EXPECT_EQ(EventWords(*e) + " " + IsoUtc(LandingMinute(*e)),
              "Sun conjunction natal Sun 2025-03-20T09:03:00Z");
}

}  // namespace
}  // namespace orvantis
