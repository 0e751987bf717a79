// The run of orvantis-chart, shared by the program and its image helper. Text, JSON and events
// runs need Qt Core only; the wheel images (--png, --svg, --pdf, --wheel-items) need Qt's GUI
// stack, so only orvantis-chart-images links them, and orvantis-chart hands such a run to it.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aspects/orb_file.h"
#include "chart/chart_state.h"
#include "chart/problem.h"
#include "cli/chart_batch.h"
#include "cli/chart_command.h"
#include "files/data_folders.h"
#include "places/place_lookup.h"
#include "settings/option_values.h"
#include "zones/home_zone.h"

namespace orvantis {

// Draws the wheel files a command asks for; returns the exit status (0 when all were written).
using ImageWriter = int (*)(const ChartCommand& command, const DataFolders& folders,
                            const ChartState& chart, const OptionValues& options,
                            Notifier& notifier, int argc, char** argv);

// What the runs of one process share, read or built at the first run that needs it: a batch
// parses, reads the folders, the options and the orb files, and opens the atlas once.
struct RunContext {
    ChartCommandParser parser;
    std::optional<DataFolders> folders;       // of the first run's --data-dir
    bool loaded = false;                      // the settings folder seeded, the options file read
    std::optional<std::string> options_text;  // nullopt: OPTIONS.OPT is missing
    OptionValues options{};                   // as the file reads, before a run's overrides
    HomeZoneRead home_zone;                   // of the options' lines 131 and 18
    std::unique_ptr<PlaceLookup> places;      // the atlas, opened at the first --place(s)
    struct OrbRead {
        std::optional<Problem> problem;
        OrbValues orbs{};
    };
    std::map<std::filesystem::path, OrbRead> orb_files;
};

// The whole run of the command line argv. Without a writer, a run that asks for images is
// handed to orvantis-chart-images (exec, same arguments); returns the exit status.
int RunChartProgram(int argc, char** argv, ImageWriter write_images);

// One run of the command line `args` (after the program name) with what earlier runs loaded, and
// what it prints captured: what --batch runs for each request.
SingleRun RunChartCaptured(const std::vector<std::string>& args, RunContext& context,
                           ImageWriter write_images = nullptr);

// The orb file --orbs names, else NATAL.ORB among the user's files.
std::filesystem::path OrbFilePath(const ChartCommand& command,
                                  const std::filesystem::path& data_dir);

}  // namespace orvantis
