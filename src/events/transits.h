// Transits: the moving sky against a saved chart (the radix). Each exact major aspect of a
// transiting body to a radix body or angle, with the time it came within orb and the time it
// left, and each entry of a transiting body into a radix house; timed to the second on the same
// longitudes the event finder uses.
#pragma once

#include <array>
#include <chrono>
#include <vector>

#include "aspects/orb_file.h"
#include "aspects/transit_orbs.h"
#include "chart/chart_state.h"
#include "events/events.h"

namespace orvantis {

// The radix as plain values, so a transit search needs nothing but numbers. Longitudes in
// degrees, in the zodiac the chart was drawn in, by body number: 1 .. 11 the bodies and the node,
// 14 the Ascendant, 15 the MC (12 and 13 are not transited). cusp[n] is the cusp of house n.
struct Radix {
    std::array<double, 16> longitude{};
    std::array<double, 13> cusp{};
    bool operator==(const Radix&) const = default;
};

// The radix of a computed chart.
Radix RadixOf(const ChartState& chart);

// The radix points the aspects are timed to: Sun .. Pluto, the Moon, the node, Ascendant, MC.
inline constexpr std::array<int, 13> kRadixPoints = {
    kSun,     kMercury, kVenus, kMars, kJupiter,       kSaturn, kUranus,
    kNeptune, kPluto,   kMoon,  kNode, kAscendantBody, kMCBody};

struct TransitRules {
    OrbValues orbs{};   // TRANSIT.ORB
    bool moon = false;  // the Moon transits too (some dozens of events a month)
    // Whether start and end are timed. Without, they are the exact time: an orb edge far beyond
    // a short span can cost years of scanning, and a mark on a time bar needs the exact time only.
    bool orb_times = true;
    bool operator==(const TransitRules&) const = default;
};

// Every transit event of the kinds asked for (kTransit, kTransitHouse; others are ignored) whose
// exact time lies in [from, to), in order of time. Transiting bodies: Sun .. Pluto, the node of
// the settings (true or mean) and, when the rules say so, the Moon; the sky in the zodiac of the
// settings.
//   transit        body, other (the radix point), aspect, retrograde (the transiting body's
//                  motion at exact), ut the first second past exact, start the first second
//                  within orb, end the first second out of orb again. A retrograde loop gives up
//                  to three exact hits, each its own event; hits in one stay within orb share
//                  start and end. With an orb of 0, start and end are the exact time.
//   transit_house  body, house (1 .. 12 of the radix) entered, retrograde.
std::vector<Event> FindTransits(std::chrono::sys_seconds from, std::chrono::sys_seconds to,
                                const Radix& radix, const EventSettings& settings,
                                const TransitRules& rules, EventKinds kinds);

}  // namespace orvantis
