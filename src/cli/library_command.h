// The command line's places and chart library: --place, --places, --chart, --charts, --import
// and --export. Qt Core and Qt Sql only, like the rest of the text paths.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "chart/chart_state.h"
#include "chart/problem.h"
#include "cli/chart_command.h"
#include "files/data_folders.h"
#include "places/place_lookup.h"

namespace orvantis {

// --places, --charts, --import and --export: runs the one given and returns the exit status;
// nullopt when the command asks for none of them.
std::optional<int> RunLibraryCommand(const ChartCommand& command, const DataFolders& folders,
                                     const PlaceLookup* places);

// --place: sets the command's longitude, latitude and zone name from the most populous match,
// saying on stderr which was taken when several matched, the event name to the town's and, without
// --date, the date and time to the present moment on the town's clock. The exit status when it
// fails.
std::optional<int> ApplyPlace(ChartCommand& command, const PlaceLookup* places);

// --chart NAME: the saved chart's election record, its named zone looked up for its moment
// (a time that occurs twice takes the offset the chart was saved with); else the exit status.
std::variant<ElectionData, int> SavedChartElection(const std::string& name,
                                                   const DataFolders& folders, Notifier& notifier);

}  // namespace orvantis
