// orvantis-chart --transits: the transits to the chart the command names (a saved chart, or the
// election chart of --date and --time) over some days, one line each or as JSON.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "chart/chart_state.h"
#include "cli/chart_command.h"
#include "events/event_text.h"
#include "events/events.h"

namespace orvantis {

// Lists the transits to `radix` over the span of --from and --days (as for --events; --kinds
// from transit and transit_house, both by default), the Moon's too with --moon, under the orbs
// of TRANSIT.ORB in data_dir and the node, zodiac and ephemeris of the options. Returns the exit
// status (0, 1 when the orb file cannot be read, 2 for a refused span); messages go to stderr.
int RunTransits(const ChartCommand& command, const ChartState& radix, const OptionValues& options,
                const HomeZoneAt& zone_at, const std::filesystem::path& data_dir);

}  // namespace orvantis
