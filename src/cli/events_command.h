// orvantis-chart --events: the events of the sky over some days, one line each or as JSON.
#pragma once

#include <chrono>
#include <string>
#include <variant>
#include <vector>

#include "cli/chart_command.h"
#include "events/events.h"

namespace orvantis {

struct EventsRequest {
    std::chrono::sys_seconds from{};  // 00:00 UT of the first day
    int days = 30;
    EventKinds kinds = AllEventKinds();
};

// The span and kinds of an --events command: --from (a calendar date of the years 1900 to 2099;
// without it the home clock's date at `now`), --days (1 to 3660) and --kinds.
std::variant<EventsRequest, UsageError> ReadEventsRequest(const ChartCommand& command,
                                                          std::chrono::sys_seconds now,
                                                          float zone_hours);

// One JSON array: an object per event with "kind", "ut", "local", "body" and, as the kind needs,
// "sign", "other" and "aspect", "phase", "direction", or "end".
std::string EventsJson(const std::vector<Event>& events, float zone_hours);

// One line per event: UT, home clock, kind and the event in words.
std::string EventsTable(const std::vector<Event>& events, float zone_hours);

}  // namespace orvantis
