#include "events/event_jump.h"

#include <algorithm>
#include <iterator>

namespace orvantis {

using std::chrono::days;
using std::chrono::minutes;
using std::chrono::sys_seconds;

std::vector<Event> FindSourceEvents(sys_seconds from, sys_seconds to, const EventSource& source) {
    std::vector<Event> events = FindEvents(from, to, source.settings, source.kinds);
    if (!source.radix) return events;
    TransitRules rules = source.transit_rules;
    rules.orb_times = false;
    const std::vector<Event> transits =
        FindTransits(from, to, *source.radix, source.settings, rules, source.kinds);
    std::vector<Event> merged;
    merged.reserve(events.size() + transits.size());
    std::merge(transits.begin(), transits.end(), events.begin(), events.end(),
               std::back_inserter(merged),
               [](const Event& a, const Event& b) { return a.ut < b.ut; });
    return merged;
}

sys_seconds LandingMinute(const Event& event) {
    return std::chrono::ceil<minutes>(event.ut);
}

std::optional<Event> FindAdjacentEvent(sys_seconds from, int direction, const EventSource& source,
                                       const TravelSpan& span) {
    const sys_seconds end = span.last + minutes{1};
    // An event up to a minute before `from` may still land after it.
    sys_seconds near =
        direction > 0 ? std::max(from - minutes{1}, span.first) : std::min(from, end);
    for (days length{2}; direction > 0 ? near < end : near > span.first; length *= 2) {
        const sys_seconds far =
            direction > 0 ? std::min(near + length, end) : std::max(near - length, span.first);
        const auto events = direction > 0 ? FindSourceEvents(near, far, source)
                                          : FindSourceEvents(far, near, source);
        if (direction > 0) {
            for (const Event& e : events)
                if (LandingMinute(e) > from && LandingMinute(e) <= span.last) return e;
        } else {
            for (auto e = events.rbegin(); e != events.rend(); ++e)
                if (LandingMinute(*e) < from) return *e;
        }
        near = far;
    }
    return std::nullopt;
}

}  // namespace orvantis
