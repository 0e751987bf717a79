// A chart whose only exact aspects are Sun–Moon trine, Sun–Mercury and Moon–Mercury sextiles and
// the node opposition (checked by hand); under 2-degree orbs for every kind nothing else is an
// aspect either. Bodies 1..15 in the chart's numbering, index 0 unused.
#pragma once

#include <array>

namespace orvantis {

inline std::array<double, 16> KnownChart() {
    return {0,     0,     60,  13.7, 101.3, 147.9, 211.1, 253.3,
            307.7, 333.3, 120, 17.1, 197.1, 280.9, 161.9, 77.7};
}

}  // namespace orvantis
