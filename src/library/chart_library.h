// The chart library: every saved chart in one SQLite database (charts.sqlite) through Qt SQL.
// Each change is one transaction, so a crash or a kill at any moment leaves every committed chart
// whole; several programs (the window, the command line) may use the file at once.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/problem.h"
#include "files/data_folders.h"
#include "library/aaf.h"
#include "library/chart_record.h"

namespace orvantis {

inline constexpr const char* kChartLibraryFileName = "charts.sqlite";

// Where this user's library lives: beside the settings when they share a folder with the shipped
// files (a build folder, --data-dir), else in the data folder ($XDG_DATA_HOME/orvantis, by
// default ~/.local/share/orvantis).
QString ChartLibraryPath(const DataFolders& folders);

class ChartLibrary {
public:
    // Opens the database at path, creating it and its folder when missing; nullptr with the
    // reason in *problem when the SQLite driver is missing or the file cannot be used.
    static std::unique_ptr<ChartLibrary> Open(const QString& path, Problem* problem);
    ~ChartLibrary();
    ChartLibrary(const ChartLibrary&) = delete;
    ChartLibrary& operator=(const ChartLibrary&) = delete;

    // Every chart, by name (case ignored).
    std::vector<ChartRecord> List() const;
    std::optional<ChartRecord> Find(const std::string& name) const;
    bool Contains(const std::string& name) const;

    // Stores the chart under its name, replacing one of that name, with saved_at set to now.
    std::optional<Problem> Save(ChartRecord chart);
    // Stores all charts in one transaction; a name already taken gets " (2)", " (3)" ... The
    // names as stored come back in *names.
    std::optional<Problem> SaveAll(std::vector<ChartRecord> charts,
                                   std::vector<std::string>* names = nullptr);
    // Refused when `to` is taken or `from` is missing.
    std::optional<Problem> Rename(const std::string& from, const std::string& to);
    std::optional<Problem> Remove(const std::string& name);
    // A name not yet in the library: `name`, else "name (2)", "name (3)" ...
    std::string FreeName(const std::string& name) const;

private:
    explicit ChartLibrary(QString connection) : connection_(std::move(connection)) {}
    std::optional<Problem> Store(const std::vector<ChartRecord>& charts, bool replace,
                                 std::vector<std::string>* names);
    QString connection_;
};

// The records of an AAF text added to the library in one transaction (taken names get " (2)" ...):
// the names stored, the records skipped, or the problem that stored none.
struct AafImport {
    std::vector<std::string> names;
    std::vector<AafSkipped> skipped;
    std::optional<Problem> problem;
};
AafImport ImportAaf(ChartLibrary& library, std::string_view text);

}  // namespace orvantis
