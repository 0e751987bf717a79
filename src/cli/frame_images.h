// The frames of --frames drawn as PNG images: the image side of the command line.
#pragma once

#include "chart/chart_state.h"
#include "chart/problem.h"
#include "cli/chart_command.h"
#include "settings/option_values.h"
#include "wheel/drawing_tables.h"

namespace orvantis {

// Writes command.frames PNG images at command.png_width x png_height: frame 0 is `first`, frame n
// the chart of its moment stepped on n times by command.step (an hour when not given), at its
// place, in its zone (a named zone's offset in force at each frame's moment). Returns the exit
// status: 2 when the frames would leave 1900 to 2099 or a chart is refused, 1 when a file cannot
// be written. With command.verbose the frames per second go to standard error.
int WriteFrameImages(const ChartCommand& command, const ChartState& first,
                     const OptionValues& options, const DrawingTables& tables, int type_chart,
                     Notifier& notifier);

}  // namespace orvantis
