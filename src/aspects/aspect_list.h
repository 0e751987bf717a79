// The list of aspects between the fifteen bodies of a chart, in the order the aspect window
// shows them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "aspects/orb_file.h"

namespace orvantis {

// The bodies in the order of the aspect window and the printed grid (index 1..15): Sun, Moon,
// Mercury .. Pluto, node, opposite node, Part of Fortune, Ascendant, MC.
inline constexpr std::array<int, 16> kAspectBodyOrder{0, 1, 10, 2,  3,  4,  5,  6,
                                                      7, 8, 9,  11, 12, 13, 14, 15};

struct AspectEntry {
    int first = 0;          // body number 1..15
    int second = 0;         // body number 1..15
    int kind = 0;           // aspect kind 2..17
    std::string_view name;  // the usual name of the aspect, e.g. "opposition"
};

// Every ordered pair of different bodies that forms an aspect under the orbs, both members
// taken in the order above: each aspect appears twice, Sun–Moon before Moon–Sun. The node and
// the opposite node are always 180 degrees apart, so that opposition is listed under any
// opposition orb of 0 or more; a negative orb admits no aspect, that one included.
// body_longitude: degrees, index 1..15.
std::vector<AspectEntry> ListAspects(const std::array<double, 16>& body_longitude,
                                     const OrbValues& orbs);

}  // namespace orvantis
