// Jumping the chart to the next or previous event: the chart holds whole minutes, so it lands on
// the first whole minute of the event's new state.
#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "chart/time_travel.h"
#include "events/events.h"
#include "events/transits.h"

namespace orvantis {

// The events travelled to: the sky's and, with a radix, the transits to it (their exact moments).
struct EventSource {
    EventSettings settings;
    EventKinds kinds;
    std::optional<Radix> radix{};
    TransitRules transit_rules{};
};

// The events of the source whose exact time lies in [from, to), in order of time.
std::vector<Event> FindSourceEvents(std::chrono::sys_seconds from, std::chrono::sys_seconds to,
                                    const EventSource& source);

// The whole minute at or after the event's first second: the first minute the chart shows it.
std::chrono::sys_seconds LandingMinute(const Event& event);

// The nearest event of the source whose landing minute lies after `from` (direction +1) or
// before it (direction -1), within `span`; nullopt when there is none. Searches spans of growing
// length outward from `from`, so a near event costs a few days of the finders.
std::optional<Event> FindAdjacentEvent(std::chrono::sys_seconds from, int direction,
                                       const EventSource& source, const TravelSpan& span = {});

}  // namespace orvantis
