// Transits against an independent search: the same longitudes sampled every hour and bisected to
// the second here, for every transiting body, radix point, aspect and house cusp of a year. The
// finder must give the same events one for one, each within a second, with orb times at the
// very seconds the body enters and leaves the orb.
#include "events/transits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "aspects/aspect_kind.h"
#include "astro/angles.h"
#include "ephemeris/ephemeris.h"
#include "events/event_text.h"

namespace orvantis {
namespace {

using namespace std::chrono;

double Wrap180(double degrees) {
    return std::remainder(degrees, 360.0);
}

// The transiting bodies' longitudes in the zodiac of the settings.
std::array<double, 12> Sky(sys_seconds at, const EventSettings& s) {
    const SkyLongitudes sky = LongitudesAt(SkyMomentAt(at));
    std::array<double, 12> longitude = sky.longitude;
    if (s.true_node) longitude[kNode] = sky.true_node;
    for (double& l : longitude) l += ZodiacShift(s.zodiac, sky.svp_offset, sky.ayanamsa);
    return longitude;
}

using Key = std::tuple<EventKind, int, int, int, int>;  // kind, body, point, aspect, house

TEST(Transits, AYearMatchesAnHourlySearchToTheSecond) {
    const EventSettings settings{true, 2, {}};  // true node, sidereal: the shift moves the sky
    TransitRules rules;
    rules.moon = true;
    ReadOrbFile("1\n1\n1\n1\n1\n2\n", rules.orbs);
    // The radix: the sky of 1987-07-31 14:20 UT at 50 N, 8 E; houses every 30 degrees from the
    // Ascendant.
    const SkyMoment birth = SkyMomentAt(sys_days{year{1987} / 7 / 31} + 14h + 20min);
    const SkyLongitudes sky = LongitudesAt(birth);
    const SkyAngles angles = AnglesAt(birth, {-8, 50});
    Radix radix;
    for (int body = kSun; body <= kNode; ++body) radix.longitude[body] = sky.longitude[body];
    radix.longitude[kAscendantBody] = angles.ascendant;
    radix.longitude[kMCBody] = angles.mc;
    for (int house = 1; house <= 12; ++house)
        radix.cusp[house] = Reduce360(angles.ascendant + 30 * (house - 1));

    const sys_seconds from = sys_days{year{2025} / 1 / 1}, to = sys_days{year{2026} / 1 / 1};
    const std::vector<Event> found =
        FindTransits(from, to, radix, settings, rules, AllEventKinds());

    std::map<Key, std::vector<sys_seconds>> expected;
    const int angles_of[] = {0, 60, 90, 120, 180, 240, 270, 300};
    const int kinds_of[] = {kConjunction, kSextile, kSquare, kTrine,
                            kOpposition,  kTrine,   kSquare, kSextile};
    std::vector<std::array<double, 12>> hourly;
    for (sys_seconds t = from - 1h; t <= to + 1h; t += 1h) hourly.push_back(Sky(t, settings));
    const auto longitude = [&](sys_seconds t, int body) { return Sky(t, settings)[body]; };
    for (int body = kSun; body <= kNode; ++body) {
        const auto search = [&](double target, Key key) {
            for (std::size_t h = 0; h + 1 < hourly.size(); ++h) {
                const double a = Wrap180(hourly[h][body] - target);
                const double b = Wrap180(hourly[h + 1][body] - target);
                if ((a >= 0) == (b >= 0) || std::fabs(a - b) > 90) continue;
                sys_seconds lo = from - 1h + hours{h}, hi = lo + 1h;
                while (hi - lo > 1s) {
                    const sys_seconds mid = lo + (hi - lo) / 2;
                    ((Wrap180(longitude(mid, body) - target) >= 0) == (a >= 0) ? lo : hi) = mid;
                }
                Key entered = key;
                int& house = std::get<4>(entered);
                if (house && a >= 0) house = (house + 10) % 12 + 1;  // backwards: the one before
                if (hi >= from && hi < to) expected[entered].push_back(hi);
            }
        };
        for (int point : kRadixPoints)
            for (int i = 0; i < 8; ++i)
                search(Reduce360(radix.longitude[point] + angles_of[i]),
                       {EventKind::kTransit, body, point, kinds_of[i], 0});
        for (int house = 1; house <= 12; ++house)
            search(radix.cusp[house], {EventKind::kTransitHouse, body, 0, 0, house});
    }

    std::size_t count = 0;
    for (auto& [key, times] : expected) count += times.size();
    ASSERT_EQ(found.size(), count);
    ASSERT_GT(count, 1500u);
    for (const Event& e : found) {
        SCOPED_TRACE(EventWords(e) + " " + IsoUtc(e.ut));
        auto& times = expected[{e.kind, e.body, e.other, e.aspect, e.house}];
        const auto match = std::find_if(times.begin(), times.end(), [&](sys_seconds t) {
            return std::chrono::abs(t - e.ut) <= 1s;
        });
        ASSERT_NE(match, times.end());
        times.erase(match);
        if (e.kind != EventKind::kTransit) continue;
        // In orb from start up to end, out of it a second either side.
        const double orb = TransitOrb(rules.orbs, e.body, e.aspect);
        double exact = 0, miss = 360;
        for (int i = 0; i < 8; ++i) {
            const double target = Reduce360(radix.longitude[e.other] + angles_of[i]);
            const double off = std::fabs(Wrap180(longitude(e.ut, e.body) - target));
            if (kinds_of[i] == e.aspect && off < miss) exact = target, miss = off;
        }
        const auto in_orb = [&](sys_seconds t) {
            return std::fabs(Wrap180(longitude(t, e.body) - exact)) <= orb;
        };
        EXPECT_TRUE(e.start <= e.ut && e.ut < e.end);
        EXPECT_TRUE(in_orb(e.start) && in_orb(e.end - 1s));
        EXPECT_FALSE(in_orb(e.start - 1s) || in_orb(e.end));
    }
}

}  // namespace
}  // namespace orvantis
