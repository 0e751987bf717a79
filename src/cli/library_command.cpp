#include "cli/library_command.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "cli/chart_report.h"
#include "files/whole_file.h"
#include "library/aaf.h"
#include "library/chart_library.h"
#include "settings/text_lines.h"
#include "zones/zone_names.h"

namespace orvantis {
namespace {

constexpr int kRefused = 2;
constexpr int kFailed = 1;

std::string Number(double value, const char* format = "%.5f") {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

int ListPlaces(const std::vector<Place>& places, bool json) {
    std::string out = json ? "[" : "";
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        if (json) {
            out += std::string(i ? "," : "") + "\n  {\"name\": " + JsonString(p.name) +
                   ", \"state\": " + JsonString(p.state) +
                   ", \"country\": " + JsonString(p.country) +
                   ", \"latitude\": " + Number(p.latitude) +
                   ", \"longitude\": " + Number(p.longitude) + ", \"zone\": " + JsonString(p.zone) +
                   ", \"population\": " + std::to_string(p.population) + "}";
        } else {
            char line[96];
            std::snprintf(line, sizeof line, "  %9.4f %10.4f  %-22s %10lld\n", p.latitude,
                          p.longitude, p.zone.c_str(), p.population);
            out += PlaceLabel(p) + "\n" + line;
        }
    }
    out += json ? (places.empty() ? "]\n" : "\n]\n") : "";
    std::fputs(out.c_str(), stdout);
    return 0;
}

std::string ZoneText(const ChartRecord& c) {
    return c.zone_name.empty() ? ZoneHoursText(static_cast<float>(c.zone_hours)) : c.zone_name;
}

std::string MomentText(const ChartRecord& c) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", c.year, c.month, c.day, c.hour,
                  c.minute);
    return text;
}

int ListCharts(const std::vector<ChartRecord>& charts, bool json) {
    std::string out = json ? "[" : "";
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const ChartRecord& c = charts[i];
        if (json) {
            out += std::string(i ? "," : "") + "\n  {\"name\": " + JsonString(c.name) +
                   ", \"kind\": \"" + ChartKindName(c.kind) + "\", \"local_time\": \"" +
                   MomentText(c) + "\", \"zone\": " + JsonString(ZoneText(c)) +
                   ", \"zone_hours\": " + Number(c.zone_hours, "%.6g") +
                   ", \"place\": " + JsonString(c.place) + ", \"latitude\": " + Number(c.latitude) +
                   ", \"longitude\": " + Number(c.longitude) +
                   ", \"notes\": " + JsonString(c.notes) + ", \"source\": " + JsonString(c.source) +
                   ", \"saved_at\": " + std::to_string(c.saved_at) + "}";
        } else {
            out += c.name + "\n  " + ChartKindName(c.kind) + "  " + MomentText(c) + "  " +
                   ZoneText(c) + "  " + (c.place.empty() ? "" : c.place + "  ") +
                   Number(c.latitude, "%.4f") + " " + Number(c.longitude, "%.4f") + "\n";
        }
    }
    out += json ? (charts.empty() ? "]\n" : "\n]\n") : "";
    std::fputs(out.c_str(), stdout);
    return 0;
}

std::unique_ptr<ChartLibrary> OpenLibrary(const DataFolders& folders) {
    Problem problem;
    auto library = ChartLibrary::Open(ChartLibraryPath(folders), &problem);
    if (!library) std::fprintf(stderr, "orvantis-chart: %s\n", problem.text.c_str());
    return library;
}

int Import(ChartLibrary& library, const std::string& file) {
    const auto text = ReadTextFile(file);
    if (!text) {
        std::fprintf(stderr, "orvantis-chart: cannot read %s\n", file.c_str());
        return kFailed;
    }
    const AafImport imported = ImportAaf(library, *text);
    for (const AafSkipped& s : imported.skipped)
        std::fprintf(stderr, "%s:%d: record skipped: %s\n", file.c_str(), s.line, s.reason.c_str());
    if (imported.problem) {
        std::fprintf(stderr, "orvantis-chart: %s\n", imported.problem->text.c_str());
        return kFailed;
    }
    std::printf("%zu charts imported from %s, %zu records skipped\n", imported.names.size(),
                file.c_str(), imported.skipped.size());
    return imported.skipped.empty() ? 0 : kRefused;
}

}  // namespace

std::optional<int> RunLibraryCommand(const ChartCommand& command, const DataFolders& folders,
                                     const PlaceLookup* places) {
    if (command.places) {
        if (!places) {
            std::fputs("orvantis-chart: the atlas (libgeonames) is not available\n", stderr);
            return kFailed;
        }
        return ListPlaces(FindPlaces(*places, *command.places), command.json);
    }
    if (!command.charts && !command.import_file && !command.export_file) return std::nullopt;
    const auto library = OpenLibrary(folders);
    if (!library) return kFailed;
    if (command.charts) return ListCharts(library->List(), command.json);
    if (command.import_file) return Import(*library, *command.import_file);

    std::vector<ChartRecord> charts;
    if (command.chart) {
        auto chart = library->Find(*command.chart);
        if (!chart) {
            std::fprintf(stderr, "orvantis-chart: no chart named \"%s\"\n", command.chart->c_str());
            return kRefused;
        }
        charts.push_back(std::move(*chart));
    } else {
        charts = library->List();
    }
    const std::string text = WriteAaf(charts);
    QString reason;
    const QString file = QString::fromStdString(*command.export_file);
    if (!WriteFileWhole(file, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                        &reason)) {
        std::fprintf(stderr, "orvantis-chart: %s not written: %s\n", command.export_file->c_str(),
                     reason.toStdString().c_str());
        return kFailed;
    }
    std::printf("%zu charts exported to %s\n", charts.size(), command.export_file->c_str());
    return 0;
}

std::optional<int> ApplyPlace(ChartCommand& command, const PlaceLookup* places) {
    if (!command.place) return std::nullopt;
    if (!places) {
        std::fputs("orvantis-chart: the atlas (libgeonames) is not available\n", stderr);
        return kFailed;
    }
    const auto found = FindPlaces(*places, *command.place);
    if (found.empty()) {
        std::fprintf(stderr, "orvantis-chart: no place \"%s\" in the atlas (--places lists them)\n",
                     command.place->c_str());
        return kRefused;
    }
    const Place& p = found.front();
    if (found.size() > 1)
        std::fprintf(stderr, "orvantis-chart: %s taken, the most populous of %zu places\n",
                     PlaceLabel(p).c_str(), found.size());
    const PackedCoordinates packed = PackCoordinates(p.latitude, p.longitude);
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d%c", packed.long_degrees, packed.long_minutes,
                  packed.west ? 'W' : 'E');
    command.longitude = text;
    std::snprintf(text, sizeof text, "%d.%02d%c", packed.lat_degrees, packed.lat_minutes,
                  packed.south ? 'S' : 'N');
    command.latitude = text;
    command.tz = p.zone;
    if (!command.event) command.event = p.name;
    if (!command.date) {
        // Without a date: the present moment on the place's own clock.
        const auto zone = NamedZone::Find(p.zone);
        if (!zone) {
            std::fprintf(stderr, "orvantis-chart: %s is not in the tz database\n", p.zone.c_str());
            return kFailed;
        }
        const auto now = std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
        const auto local = now - std::chrono::minutes(std::lround(zone->HoursAt(now) * 60));
        const auto day = std::chrono::floor<std::chrono::days>(local);
        const std::chrono::year_month_day date(day);
        const std::chrono::hh_mm_ss clock(local - day);
        std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
        command.date = text;
        std::snprintf(text, sizeof text, "%02ld:%02ld", static_cast<long>(clock.hours().count()),
                      static_cast<long>(clock.minutes().count()));
        command.time = text;
    }
    return std::nullopt;
}

std::variant<ElectionData, int> SavedChartElection(const std::string& name,
                                                   const DataFolders& folders, Notifier& notifier) {
    const auto library = OpenLibrary(folders);
    if (!library) return kFailed;
    const auto chart = library->Find(name);
    if (!chart) {
        std::fprintf(stderr, "orvantis-chart: no chart named \"%s\" (--charts lists them)\n",
                     name.c_str());
        return kRefused;
    }
    ElectionData election = ElectionOf(*chart);
    const float saved = election.ElectZone;
    const auto same_as_saved = [saved](const std::string&, const AmbiguousTime& times) {
        return std::optional<int>(times.second_hours == saved ? 1 : 0);
    };
    if (!election.ElectZoneName.empty() && !LookUpElectionZone(election, notifier, same_as_saved))
        return kRefused;
    return election;
}

}  // namespace orvantis
