#include "cli/events_command.h"

#include <algorithm>
#include <charconv>

#include "aspects/aspect_kind.h"
#include "cli/chart_report.h"
#include "events/event_text.h"

namespace orvantis {
namespace {

constexpr int kMostDays = 3660;

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        text.front() == '-' || text.front() == '+')
        return std::nullopt;
    return value;
}

// "YYYY-MM-DD" as a day of the calendar, years 1900 to 2099.
std::optional<std::chrono::sys_days> ParseDay(const std::string& text) {
    using namespace std::chrono;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto y = WholeNumber(std::string_view(text).substr(0, 4));
    const auto m = WholeNumber(std::string_view(text).substr(5, 2));
    const auto d = WholeNumber(std::string_view(text).substr(8, 2));
    if (!y || !m || !d || *y < 1900 || *y > 2099) return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;
    return sys_days{date};
}

std::string Member(const char* name, const std::string& value) {
    return std::string(", \"") + name + "\": " + JsonString(value);
}

}  // namespace

std::variant<EventsRequest, UsageError> ReadEventsRequest(const ChartCommand& command,
                                                          std::chrono::sys_seconds now,
                                                          float zone_hours) {
    using namespace std::chrono;
    EventsRequest request;
    if (command.from) {
        const auto day = ParseDay(*command.from);
        if (!day) return UsageError{"--from takes a date YYYY-MM-DD of the years 1900 to 2099"};
        request.from = *day;
    } else {
        request.from = floor<days>(now + ZoneOffset(zone_hours));
    }
    if (command.days) {
        const auto days = WholeNumber(*command.days);
        if (!days || *days < 1 || *days > kMostDays) return UsageError{"--days takes 1 to 3660"};
        request.days = *days;
    }
    // The series hold from 1900 to 2099: a span that runs past them is refused, not listed.
    constexpr sys_days kSeriesEnd = 2100y / January / 1;
    if (request.from + days{request.days} > kSeriesEnd) {
        const auto most = (kSeriesEnd - floor<days>(request.from)).count();
        return UsageError{
            "--days: the span ends after 2099-12-31, the last day the series cover; "
            "from that day at most " +
            std::to_string(most) + " days"};
    }
    if (command.kinds) {
        const auto kinds = ParseEventKinds(*command.kinds);
        if (!kinds)
            return UsageError{
                "--kinds takes a list of ingress, station, aspect, phase, void, angle, "
                "transit, transit_house"};
        request.kinds = *kinds;
    }
    return request;
}

std::string EventsJson(const std::vector<Event>& events, const HomeZoneAt& zone_at) {
    std::string json = "[";
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& e = events[i];
        json += i ? ",\n  " : "\n  ";
        json += "{\"kind\": " + JsonString(EventKindWord(e.kind));
        json += Member("ut", IsoUtc(e.ut)) + Member("local", IsoLocal(e.ut, zone_at(e.ut)));
        json += Member("body", BodyWord(e.body));
        switch (e.kind) {
            case EventKind::kIngress:
            case EventKind::kAngle:
                json += Member("sign", SignWord(e.sign));
                break;
            case EventKind::kStation:
                json += Member("direction", e.retrograde ? "retrograde" : "direct");
                break;
            case EventKind::kAspect:
                json += Member("other", BodyWord(e.other)) +
                        Member("aspect", std::string(AspectName(e.aspect)));
                break;
            case EventKind::kPhase:
                json += Member("phase", PhaseWord(e.phase));
                break;
            case EventKind::kVoid:
                json += Member("end", IsoUtc(e.end));
                break;
            case EventKind::kTransit:
                json += Member("aspect", std::string(AspectName(e.aspect))) +
                        Member("natal_body", BodyWord(e.other)) + Member("start", IsoUtc(e.start)) +
                        Member("end", IsoUtc(e.end)) +
                        Member("direction", e.retrograde ? "retrograde" : "direct");
                break;
            case EventKind::kTransitHouse:
                json += ", \"house\": " + std::to_string(e.house) +
                        Member("direction", e.retrograde ? "retrograde" : "direct");
                break;
        }
        json += "}";
    }
    return json + (events.empty() ? "]\n" : "\n]\n");
}

std::string EventsTable(const std::vector<Event>& events, const HomeZoneAt& zone_at) {
    std::string table;
    for (const Event& e : events) {
        std::string words = EventWords(e);
        if (e.kind == EventKind::kVoid) words += " until " + IsoUtc(e.end);
        if (e.kind == EventKind::kTransit)
            words += " (in orb " + IsoUtc(e.start) + " to " + IsoUtc(e.end) + ")";
        if (e.retrograde && e.kind != EventKind::kStation) words += ", retrograde";
        std::string kind = EventKindWord(e.kind);
        kind.resize(std::max<std::size_t>(kind.size(), 7), ' ');
        table +=
            IsoUtc(e.ut) + "  " + IsoLocal(e.ut, zone_at(e.ut)) + "  " + kind + "  " + words + "\n";
    }
    return table;
}

}  // namespace orvantis
