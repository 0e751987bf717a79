// orvantis-chart --frames: an animation's frames, the chart stepped on from one frame to the next
// and each drawn into a PNG file named by a pattern.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_state.h"
#include "chart/time_travel.h"

namespace orvantis {

struct ChartCommand;

// "1h", "15min" (or "15m"), "1d", "2mo", "1y", "-1d": a whole count (a minus sign goes back) and
// a unit of minutes, hours, days, months or years; nullopt for anything else.
std::optional<TravelStep> ParseFrameStep(std::string_view text);

// True when the pattern holds exactly one frame number ("%d", "%04d", width up to 9) and no other
// "%" than "%%".
bool IsFramePattern(std::string_view pattern);

// The file name of frame `frame` (from 0) under a pattern that IsFramePattern accepts. The
// pattern is read here, never handed to printf: a file name is no format string.
std::string FramePath(std::string_view pattern, int frame);

// Why a command's frame options cannot run ("--frames writes PNG images ..."); nullopt when
// they can, or when there are none.
std::optional<std::string> CheckFrameOptions(const ChartCommand& command);

// The election record of a computed chart: its moment, place and zone (by name when it has one),
// so that the frames step on from it. A chart of the running clock keeps the home place.
ElectionData ElectionOfChart(const ChartState& chart);

}  // namespace orvantis
