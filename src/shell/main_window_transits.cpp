// The main window's transits: Chart > Transits to... makes a saved chart the radix the events
// window and the status bar time transits to; Chart > Transits off ends it. The choice is kept in
// ORVANTIS.INI.
#include <QInputDialog>
#include <algorithm>

#include "aspects/orb_file.h"
#include "files/whole_file.h"
#include "shell/main_window.h"
#include "zones/zone_names.h"

namespace orvantis {

void MainWindow::onTransitsTo() {
    ChartLibrary* library = Library();
    if (!library) return;
    QStringList names;
    for (const ChartRecord& chart : library->List()) names << QString::fromStdString(chart.name);
    if (names.isEmpty()) {
        env_.notifier->Notify(
            Warning("The chart library holds no chart yet: save one with File > "
                    "Save chart first.",
                    Icon::kInformation));
        return;
    }
    bool chosen = false;
    const int current =
        std::max(0, static_cast<int>(names.indexOf(QString::fromStdString(transits_to_))));
    const QString name = QInputDialog::getItem(
        this, "Transits to", "Time the transits to the chart:", names, current, false, &chosen);
    if (chosen) SetTransitsTo(name.toStdString());
}

void MainWindow::SetTransitsTo(const std::string& name) {
    transits_to_ = name;
    radix_election_.reset();
    if (!name.empty()) {
        ChartLibrary* library = Library();
        const auto chart = library ? library->Find(name) : std::nullopt;
        if (!chart) {
            env_.notifier->Notify(Warning(
                "There is no saved chart \"" + name + "\" to time transits to; transits are off.",
                Icon::kExclamation));
            transits_to_.clear();
        } else {
            ElectionData election = ElectionOf(*chart);
            const float saved = election.ElectZone;
            const auto same_as_saved = [saved](const std::string&, const AmbiguousTime& times) {
                return std::optional<int>(times.second_hours == saved ? 1 : 0);
            };
            if (election.ElectZoneName.empty() ||
                LookUpElectionZone(election, *env_.notifier, same_as_saved))
                radix_election_ = election;
            if (const auto problem =
                    LoadOrbFile(StdPath(DataPath("TRANSIT.ORB")), events_.transit_rules.orbs))
                env_.notifier->Notify(*problem);
        }
    }
    transits_off_item_->setEnabled(radix_election_.has_value());
    UpdateRadix();
    ShowWheel();
    TickEvents();
}

WheelPicture MainWindow::BiWheelPicture() const {
    return WheelPicture{BiWheelRadix(*radix_chart_, transits_to_, chart_),
                        DisplayedCopyOf(*radix_chart_),
                        options_,
                        tables_,
                        OrbValues_,
                        StartScale_,
                        TypeChart_,
                        TransitSkyOf(chart_, events_.transit_rules.orbs)};
}

void MainWindow::UpdateRadix() {
    radix_chart_.reset();
    events_.radix.reset();
    events_.radix_name = transits_to_;
    if (!radix_election_) return;
    ChartState radix;
    ChartRequest request;
    request.house_system = CheckedHouseSystem();
    request.running = false;
    request.date_order = env_.regional.DateOrder;
    if (ComputeChart(radix, *radix_election_, options_, request, *env_.notifier)) {
        events_.radix = RadixOf(radix);
        radix_chart_ = radix;
    }
}

}  // namespace orvantis
