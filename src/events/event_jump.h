// Jumping the chart to the next or previous event: the chart holds whole minutes, so it lands on
// the first whole minute of the event's new state.
#pragma once

#include <chrono>
#include <optional>

#include "chart/time_travel.h"
#include "events/events.h"

namespace orvantis {

// The whole minute at or after the event's first second: the first minute the chart shows it.
std::chrono::sys_seconds LandingMinute(const Event& event);

// The nearest event of `kinds` whose landing minute lies after `from` (direction +1) or before
// it (direction -1), within `span`; nullopt when there is none. Searches spans of growing length
// outward from `from`, so a near event costs a few days of the finder.
std::optional<Event> FindAdjacentEvent(std::chrono::sys_seconds from, int direction,
                                       const EventSettings& settings, EventKinds kinds,
                                       const TravelSpan& span = {});

}  // namespace orvantis
