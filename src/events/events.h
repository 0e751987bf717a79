// The events of the sky over a span of time: sign ingresses, stations, exact major aspects, lunar
// phases, the Moon void of course and the sign changes of the Ascendant and MC at a place, each
// timed to the second on the same longitudes the chart computes.
#pragma once

#include <bitset>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "events/sky_at.h"

namespace orvantis {

// The last two are the transits to a radix chart (events/transits.h); FindEvents makes none.
enum class EventKind {
    kIngress,
    kStation,
    kAspect,
    kPhase,
    kVoid,
    kAngle,
    kTransit,
    kTransitHouse
};
inline constexpr int kEventKindCount = 8;

// A set of kinds: bit k for EventKind k.
using EventKinds = std::bitset<kEventKindCount>;
inline constexpr std::size_t KindBit(EventKind kind) {
    return static_cast<std::size_t>(kind);
}
inline EventKinds AllEventKinds() {
    return EventKinds().set();
}

enum class LunarPhase { kNew, kFirstQuarter, kFull, kLastQuarter };

struct Event {
    EventKind kind = EventKind::kIngress;
    // The first whole second (UT) of the new state: the body already in its new sign, the
    // aspect already past exact. For a void of course, its start.
    std::chrono::sys_seconds ut{};
    int body = 0;             // body number of the chart (kSun .. kNode, kAscendantBody, kMCBody)
    int sign = 0;             // ingress, angle: the sign entered, 1 Aries .. 12 Pisces
    int other = 0;            // aspect: the second body; transit: the radix body or angle
    int aspect = 0;           // aspect, transit: kConjunction .. kOpposition
    int house = 0;            // transit_house: the radix house entered, 1 .. 12
    LunarPhase phase{};       // phase
    bool retrograde = false;  // station: true when turning retrograde, false turning direct;
                              // transit, transit_house: the transiting body moves backwards
    std::chrono::sys_seconds start{};  // transit: the first second within orb
    std::chrono::sys_seconds end{};    // void: the Moon's next ingress; transit: out of orb
};

struct EventSettings {
    bool true_node = false;  // option 29 = 1: the node's ingresses are the true node's
    int zodiac = 0;          // option 123: 0 tropical, 1 sidereal (SVP), 2 sidereal (Ayanamsa)
    SkyPlace place;          // where the Ascendant and MC are taken
    EphemerisChoice ephemeris = EphemerisChoice::kBuiltin;  // option 132
    bool operator==(const EventSettings&) const = default;
};

// The node, zodiac, home place and ephemeris of the options file.
EventSettings EventSettingsFromOptions(const OptionValues& options);

// Every event of the given kinds whose time lies in [from, to), in order of time (then kind and
// bodies), each to the second. The same span and settings always give the same list.
//   ingress  Sun .. Pluto, the Moon and the node into each sign, in the zodiac of the settings
//   station  Mercury .. Pluto, where the daily motion (longitude half a day later less half a
//            day earlier) changes sign
//   aspect   conjunction, sextile, square, trine, opposition of any two of Sun, Moon, Mercury ..
//            Pluto; the Sun-Moon conjunction, squares and opposition are the phases instead
//   phase    Moon less Sun at 0, 90, 180, 270 degrees
//   void     from the Moon's last aspect (as above, phases included) in a sign until it enters
//            the next; the whole stay when it makes none
//   angle    the Ascendant and MC into each sign at the place of the settings
// Moments whose longitudes are not finite are passed over (no event is made of them).
std::vector<Event> FindEvents(std::chrono::sys_seconds from, std::chrono::sys_seconds to,
                              const EventSettings& settings, EventKinds kinds);

// The warning for a span [from, to) that leaves the years the ephemeris holds (RangeWarning);
// nullopt inside them.
std::optional<std::string> SpanWarning(std::chrono::sys_seconds from, std::chrono::sys_seconds to,
                                       EphemerisChoice ephemeris);

// The chart's moment for a UT instant: day number of the UT date and the fraction of that day.
SkyMoment SkyMomentAt(std::chrono::sys_seconds at);

}  // namespace orvantis
