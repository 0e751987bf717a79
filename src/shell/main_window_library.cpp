// The main window's atlas and chart library: File > Charts..., File > Save chart..., the
// election window's "Save chart" and Options > Home place....
#include <QDialog>

#include "files/whole_file.h"
#include "settings/options_file.h"
#include "shell/main_window.h"
#include "windows/charts_window.h"
#include "windows/home_place_window.h"

namespace orvantis {

const PlaceLookup* MainWindow::Places() {
    if (!places_) places_ = SystemPlaceLookup();
    return places_.get();
}

ChartLibrary* MainWindow::Library() {
    if (!library_) {
        Problem problem;
        library_ = ChartLibrary::Open(ChartLibraryPath(env_.folders), &problem);
        if (!library_) env_.notifier->Notify(problem);
    }
    return library_.get();
}

void MainWindow::OpenChart(const ChartRecord& chart) {
    ElectionData election = ElectionOf(chart);
    // A moment that occurs twice takes the offset the chart was saved with.
    const float saved = election.ElectZone;
    const auto same_as_saved = [saved](const std::string&, const AmbiguousTime& times) {
        return std::optional<int>(times.second_hours == saved ? 1 : 0);
    };
    if (!election.ElectZoneName.empty() &&
        !LookUpElectionZone(election, *env_.notifier, same_as_saved))
        return;
    election_ = election;
    running_item_->setChecked(false);
    RecomputeSequence();
}

void MainWindow::SaveChart(const ElectionData& election) {
    ChartLibrary* library = Library();
    if (!library) return;
    ChartsWindow::Actions actions;
    actions.current = [&] { return std::optional<ChartRecord>(RecordOf(election)); };
    ChartsWindow saver(*library, actions, *env_.notifier, this);
    saver.onSave();
}

void MainWindow::onSaveChart() {
    if (!Running()) return SaveChart(election_);
    // The clock's chart: the present moment at home.
    const auto now = std::chrono::floor<std::chrono::seconds>(env_.clock->Now());
    SaveChart(HomeElectionAt(now));
}

void MainWindow::onCharts() {
    ChartLibrary* library = Library();
    if (!library) return;
    ChartsWindow::Actions actions;
    actions.open = [this](const ChartRecord& chart) { OpenChart(chart); };
    actions.current = [this]() -> std::optional<ChartRecord> {
        if (!Running()) return RecordOf(election_);
        const auto now = std::chrono::floor<std::chrono::seconds>(env_.clock->Now());
        return RecordOf(HomeElectionAt(now));
    };
    ChartsWindow window(*library, actions, *env_.notifier, this);
    window.exec();
}

void MainWindow::onHomePlace() {
    const QString path = DataPath(kOptionsFileName);
    HomePlaceWindow window(options_, home_zone_.Name(), Places(), path, *env_.notifier, this);
    if (window.exec() != QDialog::Accepted) return;
    // The clock follows the new home at once.
    ReadOptionsFile(ReadFileWhole(path).value_or(""), options_);
    ShowSavedOptions();
    if (Running()) RecomputeSequence();
}

}  // namespace orvantis
