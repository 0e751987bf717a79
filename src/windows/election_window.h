// The election data window "Election Data": the moment and place of an election chart, typed by
// the user, and a small tool that steps the MC and finds the clock time at which it culminates.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "chart/chart_state.h"
#include "chart/election_angles.h"
#include "chart/election_validation.h"
#include "chart/problem.h"
#include "places/place_lookup.h"
#include "settings/option_values.h"
#include "zones/zone_names.h"

class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvantis {

class PlaceField;

// A modal window over the main window's own records. It fills its controls from `election`,
// stores into it only what passed the checks, and computes into `chart` for "New Angles" and the
// "+"/"-" tool.
class ElectionWindow : public QDialog {
    Q_OBJECT

public:
    // `uncheck_running` clears the main window's Elect > Running: from now on the main window
    // computes election charts. It is called once, when the window is created.
    ElectionWindow(ElectionData& election, ChartState& chart, const OptionValues& options,
                   char house_system, Notifier& notifier,
                   const std::function<void()>& uncheck_running, QWidget* parent = nullptr);

    // True when the window was closed by "OK" with the typed data stored: the caller then
    // recomputes and repaints. False after "Cancel", Esc or closing the window.
    bool InputAccepted() const { return input_accepted_; }

    // What the angle tool shows (for tests and the caller's curiosity).
    const ShownAngles& Shown() const { return shown_; }

    // How a local time that occurs twice in a named zone is settled; by default a question box
    // with the first and the second as buttons. Tests answer it themselves.
    void SetFoldChoice(FoldChoice choose) { choose_fold_ = std::move(choose); }

    // The atlas of the "Place" box; without one the box is plain text.
    void SetPlaces(const PlaceLookup* places);
    // Shows "Save chart": it stores the typed data like OK and hands the record to `save`.
    void SetChartSaving(std::function<void(const ElectionData&)> save);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildControls();
    // The steps of BuildControls: the controls, then their places on the page and the tab order.
    void BuildBoxes();
    void BuildOptionFrames();
    void BuildButtons();
    QLayout* EntryLayout();
    QLayout* AnglesLayout();
    void SetTabOrder();
    void ConnectControls();
    void ConnectPlace();
    std::optional<int> AskWhichFold(const std::string& question, const AmbiguousTime& times);
    void LoadFromRecord();

    void onOk();
    void onCancel();
    void onNewAngles();
    void StepMC(int mc_step);
    void onEast();
    void onWest();
    // The hour as finished (leaving the box, OK, New Angles): 0 is 12 A.M., 13 to 23 the P.M.
    // hours, an empty box is reported when report_empty.
    void checkTypedHour(bool report_empty);

    ElectionEntry TypedEntry() const;
    QLineEdit* BoxOf(std::string ElectionEntry::*box) const;
    std::optional<LocalDateTime> TypedLocalTime() const;
    void ShowZoneOffset();
    // Validates the typed data and stores it in the record; false (with the messages sent) when
    // it was refused, and then the record keeps its previous values.
    bool StoreElectionData();
    void ShowElectionAngles();
    // Computes the chart of the record into the window's chart and shows its angles.
    void ShowRecordAngles(Notifier& notifier);
    void ShowRecordAngles();
    void ShowMediumTime();
    void ShowShownAngles();

    ElectionData& election_;
    ChartState& chart_;
    const OptionValues& options_;
    char house_system_;
    Notifier& notifier_;
    bool input_accepted_ = false;
    FoldChoice choose_fold_;
    ShownAngles shown_;

    // The controls; tests find them by their object names.
    QLineEdit *event_edit_ = nullptr, *month_edit_ = nullptr, *day_edit_ = nullptr,
              *year_edit_ = nullptr;
    QLineEdit *hour_edit_ = nullptr, *minute_edit_ = nullptr, *zone_edit_ = nullptr;
    QLineEdit *longitude_degrees_edit_ = nullptr, *longitude_minutes_edit_ = nullptr,
              *latitude_degrees_edit_ = nullptr, *latitude_minutes_edit_ = nullptr;
    QGroupBox *am_pm_frame_ = nullptr, *east_west_frame_ = nullptr, *north_south_frame_ = nullptr;
    QRadioButton *am_option_ = nullptr, *pm_option_ = nullptr, *east_option_ = nullptr,
                 *west_option_ = nullptr, *north_option_ = nullptr, *south_option_ = nullptr;
    QPushButton *ok_button_ = nullptr, *cancel_button_ = nullptr, *new_angles_button_ = nullptr;
    QPushButton *mc_forward_button_ = nullptr, *mc_back_button_ = nullptr;  // "+" and "-"
    QLabel *mc_label_ = nullptr, *ascendant_label_ = nullptr, *medium_time_label_ = nullptr;
    QLabel* zone_offset_label_ = nullptr;  // the offset a zone name gives at the typed moment
    PlaceField* place_edit_ = nullptr;     // the place by name; typed coordinates clear it
    QPushButton* save_chart_button_ = nullptr;
    std::function<void(const ElectionData&)> save_chart_;
};

}  // namespace orvantis
