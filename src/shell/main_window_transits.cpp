// The main window's transits: Chart > Transits to... makes a saved chart the radix the events
// window and the status bar time transits to; Chart > Transits off ends it. The choice is kept in
// ORVANTIS.INI.
#include <algorithm>
#include <cmath>

#include "aspects/orb_file.h"
#include "events/event_text.h"
#include "files/whole_file.h"
#include "settings/ini_file.h"
#include "settings/lenient_number.h"
#include "shell/main_window.h"
#include "windows/charts_window.h"
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
    const int current =
        std::max(0, static_cast<int>(names.indexOf(QString::fromStdString(transits_to_))));
    const auto name =
        ChooseChartName(this, "Transits to", "Time the transits to the chart:", names, current);
    if (name) SetTransitsTo(name->toStdString());
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
    return WheelPicture{BiWheelRadix(*radix_chart_, transits_to_),
                        DisplayedCopyOf(*radix_chart_),
                        options_,
                        tables_,
                        OrbValues_,
                        StartScale_,
                        TypeChart_,
                        TransitSkyOf(chart_, events_.transit_rules.orbs),
                        radix_aspects_};
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

namespace {

constexpr std::string_view kHiddenKindsKey = "HiddenEventKinds=";
constexpr std::string_view kMoonKey = "TransitMoon=";
constexpr std::string_view kRadixAspectsKey = "RadixAspects=";
// The kinds shown as one bit a kind, as an earlier version kept them: its bits name the six kinds
// of the sky, and the transits, which it may not have known, are shown.
constexpr std::string_view kOldKindsKey = "EventKinds=";
constexpr std::size_t kOldKindBits = 6;

}  // namespace

void MainWindow::ReadEventsIni(std::string_view ini) {
    if (const auto hidden = ReadIniText(ini, kHiddenKindsKey)) {
        events_.shown_kinds = ShownKindsOfHidden(*hidden);
    } else if (const auto bits = ReadIniText(ini, kOldKindsKey)) {
        const double number = LenientNumber(*bits);
        if (number >= 0 && number < (1 << kEventKindCount) && number == std::floor(number)) {
            const EventKinds old(static_cast<unsigned long>(number));
            for (std::size_t k = 0; k < kOldKindBits; ++k) events_.shown_kinds.set(k, old.test(k));
        }
    }
    events_.transit_rules.moon = ReadIniText(ini, kMoonKey).value_or("") == "1";
    radix_aspects_ = ReadIniText(ini, kRadixAspectsKey).value_or("") == "1";
}

std::string MainWindow::EventsIniLines() const {
    std::string lines = IniTextLine(kHiddenKindsKey, HiddenKindsText(events_.shown_kinds));
    if (events_.transit_rules.moon) lines += IniTextLine(kMoonKey, "1");
    if (radix_aspects_) lines += IniTextLine(kRadixAspectsKey, "1");
    if (!transits_to_.empty()) lines += IniTextLine(kIniTransitsToKey, transits_to_);
    return lines;
}

}  // namespace orvantis
