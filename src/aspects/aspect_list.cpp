#include "aspects/aspect_list.h"

#include "aspects/aspect_kind.h"

namespace orvantis {

std::vector<AspectEntry> ListAspects(const std::array<double, 16>& body_longitude,
                                     const OrbValues& orbs) {
    std::vector<AspectEntry> aspects;
    for (int p = 1; p <= 15; ++p) {
        for (int q = 1; q <= 15; ++q) {
            const int a = kAspectBodyOrder[static_cast<std::size_t>(p)];
            const int b = kAspectBodyOrder[static_cast<std::size_t>(q)];
            if (a == b) continue;
            const int kind = ClassifyAspect(body_longitude[static_cast<std::size_t>(a)],
                                            body_longitude[static_cast<std::size_t>(b)], orbs);
            if (IsAspect(kind)) aspects.push_back({a, b, kind, AspectName(kind)});
        }
    }
    return aspects;
}

}  // namespace orvantis
