// The run of orvantis-chart, shared by the program and its image helper. Text, JSON and events
// runs need Qt Core only; the wheel images (--png, --svg, --pdf, --wheel-items) need Qt's GUI
// stack, so only orvantis-chart-images links them, and orvantis-chart hands such a run to it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "chart/problem.h"
#include "cli/chart_batch.h"
#include "cli/chart_command.h"
#include "files/data_folders.h"
#include "settings/option_values.h"

namespace orvantis {

// Draws the wheel files a command asks for; returns the exit status (0 when all were written).
using ImageWriter = int (*)(const ChartCommand& command, const DataFolders& folders,
                            const ChartState& chart, const OptionValues& options,
                            Notifier& notifier, int argc, char** argv);

// The whole run of the command line argv. Without a writer, a run that asks for images is
// handed to orvantis-chart-images (exec, same arguments); returns the exit status.
int RunChartProgram(int argc, char** argv, ImageWriter write_images);

// One run of the command line `args` (after the program name) with what it prints captured: what
// --batch runs for each request.
SingleRun RunChartCaptured(const std::vector<std::string>& args,
                           ImageWriter write_images = nullptr);

// The orb file --orbs names, else NATAL.ORB among the user's files.
std::filesystem::path OrbFilePath(const ChartCommand& command,
                                  const std::filesystem::path& data_dir);

}  // namespace orvantis
