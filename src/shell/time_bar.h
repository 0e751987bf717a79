// The time bar under the wheel: the chart's moment in the chart's zone, a track that scrubs
// through a span of a chosen width with the span's events marked on it, play forward and back at
// a chosen rate, steps, jumps to the next or previous event, and Now.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <optional>
#include <vector>

#include "chart/chart_state.h"
#include "chart/time_travel.h"
#include "events/event_jump.h"
#include "events/events.h"
#include "settings/option_values.h"
#include "zones/zone_names.h"

class QComboBox;
class QLabel;
class QToolButton;

namespace orvantis {

class TimeTrack;

// A mark on the track: an event of the span, at its landing minute.
struct TrackMark {
    std::chrono::sys_seconds at;
    EventKind kind;
    QString words;  // its moment and the event in words, for the tooltip
};

class TimeBar : public QWidget {
    Q_OBJECT

public:
    // The options give the events' zodiac, node and place; they must outlive the bar.
    explicit TimeBar(const OptionValues& options, QWidget* parent = nullptr);

    // The chart on display, after every computation: its moment and zone. While the bar plays or
    // is dragged the moment is its own, and only the zone is taken.
    void ShowChart(const ChartState& chart);

    // The chart's zone in hours, west positive, in force at an instant: a named zone follows its
    // summer time, a zone typed in hours stays.
    float ZoneHoursAt(std::chrono::sys_seconds instant) const;

    std::chrono::sys_seconds Moment() const { return moment_; }
    bool Playing() const { return play_direction_ != 0; }
    bool Scrubbing() const;
    // "Scrubbing — 14 Mar 2031 09:12 (Europe/Berlin)" or "Playing — ..."; "" when neither.
    QString TravelCaption() const;
    const std::vector<TrackMark>& Marks() const { return marks_; }
    // The chart transits are timed to (none: the sky's events alone) and their orbs: with one,
    // the kinds menu offers transits, marked and jumped to.
    void SetRadix(const std::optional<Radix>& radix, const TransitRules& rules);

    // The commands of the bar's buttons and keys.
    void Step(int times);  // by the current step (the unit of the rate)
    void StepDays(int days);
    void Play(int direction);  // +1 forward, -1 back, 0 stops
    void TogglePlay();
    void JumpToEvent(int direction);
    void ReturnToNow();

signals:
    // The chart is to show this instant now (compute and paint).
    void Travelled(std::chrono::sys_seconds instant);
    // The running clock is to take the chart again.
    void NowChosen();
    // TravelCaption changed.
    void CaptionChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void GoTo(std::chrono::sys_seconds instant);
    // "14 Mar 2031 09:12 (Europe/Berlin)": the moment on the chart's clock.
    QString MomentText(std::chrono::sys_seconds instant) const;
    void ShowMoment();
    void onFrame();
    void onTrackMoved(int value);
    void SetScale(int index);
    void PlaceSpan(bool centre);
    void onMarksSlice();
    EventKinds ChosenKinds() const;
    EventSource Source() const;
    TravelStep CurrentStep() const;
    double RateSecondsPerSecond() const;

    const OptionValues& options_;
    std::optional<Radix> radix_;
    TransitRules transit_rules_;
    std::chrono::sys_seconds moment_{};  // the moment on the bar, to the second
    std::chrono::sys_seconds shown_{};   // the moment last handed to the chart (whole minute)
    std::optional<NamedZone> zone_;      // the chart's named zone, else zone_hours_
    float zone_hours_ = 0;
    bool dirty_ = false;  // moment_ awaits its frame
    int play_direction_ = 0;
    int last_direction_ = 1;
    double play_carry_ = 0;  // seconds of play not yet whole
    QElapsedTimer play_clock_;
    QTimer frame_timer_;

    std::chrono::sys_seconds span_start_{};  // the track's left end
    double span_seconds_ = 86400;
    std::vector<TrackMark> marks_;
    std::chrono::sys_seconds marks_done_{};  // marks are found up to here
    QTimer marks_timer_;

    QLabel* moment_label_ = nullptr;
    QLabel* event_label_ = nullptr;  // the event a jump landed on
    TimeTrack* track_ = nullptr;
    QComboBox* scale_box_ = nullptr;
    QComboBox* rate_box_ = nullptr;
    QToolButton* play_back_button_ = nullptr;
    QToolButton* play_forward_button_ = nullptr;
    QToolButton* kinds_button_ = nullptr;
};

}  // namespace orvantis
