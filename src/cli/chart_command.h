// The command line of orvantis-chart: its options, and the election entry they describe.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "chart/election_validation.h"
#include "chart/time_travel.h"
#include "settings/option_values.h"

namespace orvantis {

// The printed page a PDF holds, and its paper.
enum class PrintedPage { kFull, kHalf };
enum class Paper { kA4, kLetter };

struct ChartCommand {
    bool help = false;
    bool version = false;
    bool json = false;
    std::string data_dir;  // empty: the program's own directory
    // The election record; with neither date nor time the chart is for the present moment.
    std::optional<std::string> date, time, zone, longitude, latitude, event;
    // A zone by name: the election's zone, or without --date the home zone of this run; --fold
    // picks the first (0) or second (1) of a local time that occurs twice.
    std::optional<std::string> tz;
    std::optional<int> fold;
    // Overrides of options 27, 123 and 29 for this run.
    std::optional<char> house;
    std::optional<int> zodiac, node;
    std::optional<int> ephemeris;  // option 132: 0 the built-in series, 1 precise
    // Output files and their settings.
    std::optional<std::string> png;
    int png_width = 1024, png_height = 768;
    std::optional<int> layout;  // 0 American, 1 European; default: the INI file's TypeChart
    bool aspects = false;
    std::optional<std::string> orbs;
    std::optional<std::string> pdf;
    std::optional<PrintedPage> page;              // default: the full page
    std::optional<Paper> paper;                   // default: Letter in US locales, else A4
    std::optional<std::string> svg, wheel_items;  // the window's wheel as SVG; what it drew
    // The events of the sky instead of a chart (see cli/events_command.h).
    // Chart requests as JSON Lines on standard input instead (see cli/chart_batch.h).
    bool batch = false;
    bool events = false;
    std::optional<std::string> from, days, kinds;
    // The transits to the chart instead of the chart itself, the Moon's too with `moon` (see
    // cli/transits_command.h); the span and kinds as for the events.
    bool transits = false, moon = false;
    // A bi-wheel: the saved chart of that name as the radix, this chart's sky as its transits.
    std::optional<std::string> natal;
    // Places and the chart library (see cli/library_command.h).
    std::optional<std::string> place, places, chart, import_file, export_file;
    bool charts = false;
    // An animation's frames (see cli/chart_frames.h), and what to tell on standard error.
    std::optional<int> frames;
    std::optional<TravelStep> step;
    bool verbose = false;
};

// A command line that cannot be run, with the text to show.
struct UsageError {
    std::string message;
};

// The arguments after the program name. Options take their value as "--date 2024-03-05" or
// "--date=2024-03-05"; an unknown option or a missing value gets Qt's standard message. Needs no
// application object.
std::variant<ChartCommand, UsageError> ParseChartCommand(const std::vector<std::string>& args);

// The same parse, with the option table and Qt's parser built once for many command lines.
class ChartCommandParser {
public:
    ChartCommandParser();
    ~ChartCommandParser();
    std::variant<ChartCommand, UsageError> Parse(const std::vector<std::string>& args);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// The text of --help and of --version.
std::string ChartCommandUsage();
std::string ChartCommandVersion();

// A field of the command line that cannot be an election value at all.
struct FieldError {
    std::string field;  // date, time, zone, longitude, latitude
    std::string detail;
};

// The election entry of an election-mode command: the typed fields, and the home data of the
// options for the ones not given (the zone: the home zone's name when there is one, else option
// 18). The 24-hour time maps to the 12-hour clock (00:xx is 12:xx A.M., 12:xx is 12:xx P.M.).
std::variant<ElectionEntry, FieldError> BuildElectionEntry(const ChartCommand& command,
                                                           const OptionValues& options,
                                                           const std::string& home_zone_name = "");

}  // namespace orvantis
