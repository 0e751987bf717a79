#include "cli/transits_command.h"

#include <cstdio>

#include "aspects/orb_file.h"
#include "cli/events_command.h"
#include "events/transits.h"

namespace orvantis {

int RunTransits(const ChartCommand& command, const ChartState& radix, const OptionValues& options,
                const HomeZoneAt& zone_at, const std::filesystem::path& data_dir) {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const auto read = ReadEventsRequest(command, now, zone_at(now));
    EventKinds transit_kinds;
    transit_kinds.set(KindBit(EventKind::kTransit)).set(KindBit(EventKind::kTransitHouse));
    if (const auto* usage = std::get_if<UsageError>(&read)) {
        std::fprintf(stderr, "orvantis-chart: %s\n", usage->message.c_str());
        return 2;
    }
    const auto& request = std::get<EventsRequest>(read);
    if (command.kinds && (request.kinds & ~transit_kinds).any()) {
        std::fputs("orvantis-chart: --kinds with --transits takes transit, transit_house or both\n",
                   stderr);
        return 2;
    }
    TransitRules rules;
    rules.moon = command.moon;
    if (const auto problem = LoadOrbFile(data_dir / "TRANSIT.ORB", rules.orbs)) {
        std::fprintf(stderr, "%s %s\n", problem->title.c_str(), problem->text.c_str());
        return 1;
    }
    const EventKinds kinds = command.kinds ? request.kinds : transit_kinds;
    const EventSettings settings = EventSettingsFromOptions(options);
    const auto to = request.from + std::chrono::days{request.days};
    if (const auto warning = SpanWarning(request.from, to, settings.ephemeris))
        std::fprintf(stderr, "orvantis-chart: %s\n", warning->c_str());
    const auto events = FindTransits(request.from, to, RadixOf(radix), settings, rules, kinds);
    const std::string text =
        command.json ? EventsJson(events, zone_at) : EventsTable(events, zone_at);
    std::fputs(text.c_str(), stdout);
    return 0;
}

}  // namespace orvantis
