#include "shell/instant_steps.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

#include "chart/election_steps.h"
#include "zones/zone_names.h"

namespace orvantis {

void StepInstant(ElectionData& e, int minutes) {
    const auto move_clock = [&e](int by) {
        for (int m = 0; m < std::abs(by); ++m) by > 0 ? AddMinute(e) : SubtractMinute(e);
    };
    const auto zone = NamedZone::Find(e.ElectZoneName);
    if (!zone) {
        move_clock(minutes);
        return;
    }
    const auto instant = InstantOf(LocalDateTimeOf(e), e.ElectZone) + std::chrono::minutes(minutes);
    const float hours = zone->HoursAt(instant);
    // Hours are west positive: a smaller offset after the step puts the clock further on.
    move_clock(minutes + static_cast<int>(std::lround((e.ElectZone - hours) * 60)));
    e.ElectZone = hours;
}

}  // namespace orvantis
