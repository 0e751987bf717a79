#include "cli/orvantis_chart_main.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "aspects/aspect_list.h"
#include "aspects/orb_file.h"
#include "astro/vector_state.h"
#include "chart/chart_driver.h"
#include "chart/election_validation.h"
#include "cli/chart_batch.h"
#include "cli/chart_command.h"
#include "cli/chart_report.h"
#include "cli/events_command.h"
#include "cli/library_command.h"
#include "cli/transits_command.h"
#include "files/data_folders.h"
#include "files/whole_file.h"
#include "settings/ini_file.h"
#include "settings/option_lines.h"
#include "settings/options_file.h"
#include "settings/text_lines.h"
#include "zones/home_zone.h"

namespace orvantis {
namespace {

constexpr int kRefused = 2;
constexpr int kFailed = 1;

class StderrNotifier : public Notifier {
public:
    void Notify(const Problem& problem) override {
        std::fprintf(stderr, "%s %s\n", problem.title.c_str(), problem.text.c_str());
    }
};

std::filesystem::path ProgramDirectory() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path(".") : exe.parent_path();
}

// Hands a run that asks for wheel images to orvantis-chart-images beside this program, with the
// same arguments. Returns only when that program cannot be started.
int RunImagesHelper(char** argv) {
    const std::filesystem::path helper = ProgramDirectory() / "orvantis-chart-images";
    execv(helper.c_str(), argv);
    std::fprintf(stderr, "orvantis-chart: the wheel images need %s: %s\n", helper.c_str(),
                 std::strerror(errno));
    return kFailed;
}

// Which field a refused check names, and what the field must hold.
const char* FaultDetail(int group) {
    switch (group) {
        case 1:
            return "month, day and year must not be 0";
        case 2:
            return "month, day and year must be given";
        case 3:
            return "hour, minute and zone must be given";
        case 4:
        case 5:
            return "degrees and minutes must be given";
        case 6:
            return "a west longitude takes a zone of -2 or more";
        case 7:
            return "the latitude lies below 90 degrees, and above 66 degrees 00 minutes only "
                   "Meridian and Morinus houses work";
        case 8:
            return "month 1 to 12, day 1 to 31, year up to 2099";
        case 9:
            return "hour 00 to 23, minute 00 to 59";
        case 10:
            return "the zone lies between -13 and 12";
        case 11:
            return "longitude degrees up to 180, minutes up to 59";
        case 12:
            return "latitude degrees below 90, minutes up to 59";
        case 13:
            return "that day does not exist (in that month, or skipped in October 1582)";
        default:
            return "";
    }
}

// --events: the events from the home place's options, over the span the command names.
int RunEvents(const ChartCommand& command, const OptionValues& options, const HomeZoneAt& zone_at,
              Notifier& notifier) {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const auto read = ReadEventsRequest(command, now, zone_at(now));
    if (const auto* usage = std::get_if<UsageError>(&read)) {
        std::fprintf(stderr, "orvantis-chart: %s\n", usage->message.c_str());
        return kRefused;
    }
    if (!CheckHomeData(options, notifier)) return kRefused;
    const auto& request = std::get<EventsRequest>(read);
    const EventSettings settings = EventSettingsFromOptions(options);
    const auto to = request.from + std::chrono::days{request.days};
    if (const auto warning = SpanWarning(request.from, to, settings.ephemeris))
        std::fprintf(stderr, "orvantis-chart: %s\n", warning->c_str());
    ClearVectorUpperState();
    const auto events = FindEvents(request.from, to, settings, request.kinds);
    const std::string text =
        command.json ? EventsJson(events, zone_at) : EventsTable(events, zone_at);
    std::fputs(text.c_str(), stdout);
    return 0;
}

// The data folders of --data-dir (one folder for every file), else the program's own folder (a
// build folder) or the user's settings folder, seeded from the installed context.
const DataFolders& FoldersOf(RunContext& context, const std::string& data_dir) {
    if (!context.folders) {
        const QString given = QtPath(data_dir);
        context.folders = given.isEmpty() ? SystemDataFolders(QtPath(ProgramDirectory()))
                                          : DataFolders{given, given};
    }
    return *context.folders;
}

// Seeds the settings folder and reads the options file, at the first run that needs them.
void LoadOptions(RunContext& context) {
    if (context.loaded) return;
    context.loaded = true;
    if (const auto problem = SeedSettings(*context.folders)) StderrNotifier().Notify(*problem);
    context.options_text = ReadTextFile(StdPath(context.folders->settings) / kOptionsFileName);
    if (!context.options_text) return;
    ReadOptionsFile(*context.options_text, context.options);
    context.home_zone =
        HomeZone::FromOptions(*context.options_text, context.options[kOptionHomeZone]);
}

// The orb file's values, read at its first use.
const RunContext::OrbRead& OrbsOf(RunContext& context, const std::filesystem::path& path) {
    const auto known = context.orb_files.find(path);
    if (known != context.orb_files.end()) return known->second;
    RunContext::OrbRead& read = context.orb_files[path];
    read.problem = LoadOrbFile(path, read.orbs);
    return read;
}

// The run's options: the file's, with the command's overrides.
std::optional<OptionValues> RunOptions(const ChartCommand& command, RunContext& context) {
    LoadOptions(context);
    if (!context.options_text) {
        std::fprintf(stderr, "%s OPTIONS.OPT File Not Found\n(looked in %s)\n", kWarningTitle,
                     StdPath(context.folders->settings).c_str());
        return std::nullopt;
    }
    OptionValues options = context.options;
    if (command.zodiac) options[kOptionZodiac] = static_cast<float>(*command.zodiac);
    if (command.node) options[kOptionTrueNode] = static_cast<float>(*command.node);
    if (command.ephemeris) options[kOptionEphemeris] = static_cast<float>(*command.ephemeris);
    return options;
}

// The election record of --date and --time (the options filling the fields not given); else
// the exit status, having said what is wrong.
std::variant<ElectionData, int> TypedElection(const ChartCommand& command,
                                              const OptionValues& options, char house_system,
                                              const HomeZone& home_zone, Notifier& notifier) {
    const auto entry = BuildElectionEntry(command, options, home_zone.Name());
    if (const auto* field = std::get_if<FieldError>(&entry)) {
        std::fprintf(stderr, "%s %s\norvantis-chart: wrong %s: %s\n", kWarningTitle,
                     kElectionDataError, field->field.c_str(), field->detail.c_str());
        return kRefused;
    }
    const auto& typed = std::get<ElectionEntry>(entry);
    const auto faults = ValidateElectionData(typed, house_system);
    for (const auto& fault : faults) {
        notifier.Notify(ElectionFaultMessage(fault));
        std::fprintf(stderr, "orvantis-chart: wrong %s: %s\n", fault.field.c_str(),
                     FaultDetail(fault.group));
    }
    if (!faults.empty()) return kRefused;
    ElectionData election = *StoreElectionData(typed, house_system, notifier);
    // A local time that occurs twice takes --fold (first by default) and says which.
    const auto choose = [&](const std::string& question, const AmbiguousTime&) {
        const int fold = command.fold.value_or(0);
        std::fprintf(stderr, "orvantis-chart: %s Using the %s (--fold %d).\n", question.c_str(),
                     fold == 0 ? "first" : "second", fold);
        return std::optional<int>(fold);
    };
    if (!election.ElectZoneName.empty() && !LookUpElectionZone(election, notifier, choose))
        return kRefused;
    return election;
}

// The chart as --json or as the table, with its aspects when asked.
void PrintChart(const ChartCommand& command, const ChartState& chart,
                const std::vector<AspectEntry>& aspects) {
    if (command.json) {
        std::string extra;
        if (command.aspects) {
            extra = "\"aspects\": [";
            for (std::size_t i = 0; i < aspects.size(); ++i) {
                const auto& a = aspects[i];
                extra += std::string(i ? "," : "") +
                         "\n    {\"first\": " + std::to_string(a.first) +
                         ", \"second\": " + std::to_string(a.second) +
                         ", \"kind\": " + std::to_string(a.kind) +
                         ", \"name\": " + JsonString(std::string(a.name)) + "}";
            }
            extra += aspects.empty() ? "]" : "\n  ]";
        }
        std::fputs(ChartJson(chart, extra).c_str(), stdout);
        return;
    }
    std::fputs(ChartTable(chart).c_str(), stdout);
    if (command.aspects) {
        std::fputs("\nAspects\n", stdout);
        for (const auto& a : aspects)
            std::printf("%-16s %-15s %s\n", BodyName(a.first), std::string(a.name).c_str(),
                        BodyName(a.second));
    }
}

// The chart of the command and what it asks of it: transits, aspects, images, the report.
int RunChartOutputs(const ChartCommand& command, RunContext& context, const OptionValues& options,
                    const ChartState& chart, const HomeZoneAt& zone_at, ImageWriter write_images,
                    int argc, char** argv) {
    const std::filesystem::path data_dir = StdPath(context.folders->settings);
    if (command.transits) return RunTransits(command, chart, options, zone_at, data_dir);
    StderrNotifier notifier;
    std::vector<AspectEntry> aspects;
    if (command.aspects) {
        const RunContext::OrbRead& orbs = OrbsOf(context, OrbFilePath(command, data_dir));
        if (orbs.problem) {
            notifier.Notify(*orbs.problem);
            return kFailed;
        }
        aspects = ListAspects(chart.PlanetLong, orbs.orbs);
    }
    const bool images = command.png || command.pdf || command.svg || command.wheel_items;
    if (images) {
        if (const int status =
                write_images(command, *context.folders, chart, options, notifier, argc, argv))
            return status;
    }
    PrintChart(command, chart, aspects);
    return 0;
}

// --places, --charts, --import, --export: their run's status; --place: sets the command's
// place (nullopt then, unless it failed).
std::optional<int> RunPlacesAndLibrary(ChartCommand& command, RunContext& context) {
    const bool atlas = command.place || command.places;
    if (atlas && !context.places) context.places = SystemPlaceLookup();
    const PlaceLookup* places = atlas ? context.places.get() : nullptr;
    if (const auto status = RunLibraryCommand(command, *context.folders, places)) return status;
    return ApplyPlace(command, places);
}

// The home zone: --tz without --date, else line 131 of the options, else option 18; the exit
// status when --tz names no zone.
std::variant<HomeZone, int> HomeZoneOf(const ChartCommand& command, const OptionValues& options,
                                       const RunContext& context, Notifier& notifier) {
    const bool zone_typed = command.tz && !command.date;
    const HomeZoneRead home =
        zone_typed ? HomeZone::FromName(*command.tz, options[kOptionHomeZone]) : context.home_zone;
    if (home.problem && zone_typed) {
        std::fprintf(stderr, "orvantis-chart: %s\n", home.problem->text.c_str());
        return kRefused;
    }
    if (home.problem) notifier.Notify(*home.problem);
    return home.zone;
}

// One run of a parsed command, with what earlier runs of the process loaded.
int RunChart(ChartCommand command, RunContext& context, ImageWriter write_images, int argc,
             char** argv) {
    const DataFolders& folders = FoldersOf(context, command.data_dir);
    if (const auto status = RunPlacesAndLibrary(command, context)) return *status;
    const auto read = RunOptions(command, context);
    if (!read) return kFailed;
    const OptionValues& options = *read;
    StderrNotifier notifier;
    const auto home = HomeZoneOf(command, options, context, notifier);
    if (const int* status = std::get_if<int>(&home)) return *status;
    const HomeZone& home_zone = std::get<HomeZone>(home);
    const HomeZoneAt zone_at = [&](std::chrono::sys_seconds at) { return home_zone.HoursAt(at); };
    if (command.events) return RunEvents(command, options, zone_at, notifier);

    ChartRequest request;
    request.house_system = command.house
                               ? *command.house
                               : HouseLetterForOption(options[kOptionStartHouseSystem], &notifier);
    request.now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    request.running = !command.date && !command.chart;
    request.zone_hours = home_zone.HoursAt(request.now);
    request.zone_name = home_zone.Name();
    ElectionData election;
    if (command.chart || command.date) {
        auto made = command.date
                        ? TypedElection(command, options, request.house_system, home_zone, notifier)
                        : SavedChartElection(*command.chart, folders, notifier);
        if (const int* status = std::get_if<int>(&made)) return *status;
        election = std::get<ElectionData>(made);
    }
    ClearVectorUpperState();  // after the Qt work of the parse and the zones
    ChartState chart;
    if (!ComputeChart(chart, election, options, request, notifier)) return kRefused;
    for (const std::string& warning : chart.Warnings)
        std::fprintf(stderr, "orvantis-chart: %s\n", warning.c_str());
    return RunChartOutputs(command, context, options, chart, zone_at, write_images, argc, argv);
}

// The run of one command line (argv[0] the program), with what earlier runs loaded.
int RunCommandLine(int argc, char** argv, RunContext& context, ImageWriter write_images) {
    const auto parsed = context.parser.Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        std::fprintf(stderr, "orvantis-chart: %s\n(orvantis-chart --help lists the options)\n",
                     usage->message.c_str());
        return kRefused;
    }
    const ChartCommand& command = std::get<ChartCommand>(parsed);
    if (command.help || command.version) {
        std::fputs((command.help ? ChartCommandUsage() : ChartCommandVersion()).c_str(), stdout);
        return 0;
    }
    if (command.batch) {
        // The folders and the options are the same for every request: read once, before them.
        FoldersOf(context, command.data_dir);
        LoadOptions(context);
        std::vector<std::string> common(argv + 1, argv + argc);
        std::erase(common, "--batch");
        return RunBatch(stdin, stdout, stderr, common, [&](const std::vector<std::string>& args) {
            return RunChartCaptured(args, context, write_images);
        });
    }
    const bool images = command.png || command.pdf || command.svg || command.wheel_items;
    if (images && !write_images) return RunImagesHelper(argv);
    return RunChart(command, context, write_images, argc, argv);
}

}  // namespace

// One request of a batch as a single run, with what it prints captured. glibc's stdout and
// stderr are variables made to be reassigned, so the run prints exactly as it would alone.
SingleRun RunChartCaptured(const std::vector<std::string>& args, RunContext& context,
                           ImageWriter write_images) {
    std::vector<std::string> words = {"orvantis-chart"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    char* out_text = nullptr;
    char* err_text = nullptr;
    std::size_t out_size = 0, err_size = 0;
    std::FILE* const saved_out = stdout;
    std::FILE* const saved_err = stderr;
    stdout = open_memstream(&out_text, &out_size);
    stderr = open_memstream(&err_text, &err_size);
    SingleRun run;
    if (stdout && stderr)
        run.status =
            RunCommandLine(static_cast<int>(words.size()), argv.data(), context, write_images);
    else
        run = {kFailed, "", "no memory for the request's output"};
    for (std::FILE* stream : {stdout, stderr})
        if (stream) std::fclose(stream);
    stdout = saved_out;
    stderr = saved_err;
    if (out_text) run.out.assign(out_text, out_size);
    if (err_text) run.err += std::string(err_text, err_size);
    std::free(out_text);
    std::free(err_text);
    return run;
}

std::filesystem::path OrbFilePath(const ChartCommand& command,
                                  const std::filesystem::path& data_dir) {
    return command.orbs ? std::filesystem::path(*command.orbs) : data_dir / "NATAL.ORB";
}

int RunChartProgram(int argc, char** argv, ImageWriter write_images) {
    RunContext context;
    return RunCommandLine(argc, argv, context, write_images);
}

}  // namespace orvantis
