// The coming events of the sky at home: a list that counts down with the clock, and the line of
// the next event for the main window's status bar.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "events/event_text.h"
#include "events/events.h"
#include "events/transits.h"
#include "settings/option_values.h"
#include "zones/home_zone.h"

class QCheckBox;
class QLabel;
class QLayout;
class QTableWidget;

namespace orvantis {

class HelpWindow;
class Notifier;

// How far ahead the list looks.
inline constexpr std::chrono::days kEventsAhead{30};

// The events of the next kEventsAhead from the home place and options, computed afresh only when
// the first of them has passed (or the options they depend on, the home zone included, changed),
// and the kinds shown.
class EventsFeed {
public:
    explicit EventsFeed(const OptionValues& options) : options_(options) {}

    // Recomputes when needed at `now`; true when it did.
    bool Update(std::chrono::sys_seconds now);

    // Every kind: the transits to the radix when one is set, then the sky's events, each in order
    // of time: events still to come, and a void of course under way.
    const std::vector<Event>& Events() const { return events_; }
    // The events of the shown kinds.
    std::vector<Event> Shown() const;
    // The settings the events were last computed with.
    const EventSettings& Settings() const { return computed_for_; }

    EventKinds shown_kinds = AllEventKinds();
    // The chart transits are timed to (none: the sky's events alone), and their orbs.
    std::optional<Radix> radix;
    std::string radix_name;
    TransitRules transit_rules;
    // The zone of the home clock the rows are written in.
    HomeZone home_zone;
    float ZoneAt(std::chrono::sys_seconds at) const { return home_zone.HoursAt(at); }

private:
    const OptionValues& options_;
    std::vector<Event> events_;
    std::chrono::sys_seconds due_{};  // recompute at or after this moment
    EventSettings computed_for_{};
    std::optional<Radix> computed_radix_;
    TransitRules computed_rules_;
    std::chrono::minutes computed_offset_{};  // the home clock the rows were written for
    bool computed_ = false;
};

// When an event (or the end of a void under way) comes: the moment the countdown runs to.
std::chrono::sys_seconds CountdownTarget(const Event& event, std::chrono::sys_seconds now);

// "☽ enters ♌  06 Dec 23:14  in 2 h 13 min" for the first shown event, or a note that there is
// none.
QString NextEventLine(const EventsFeed& feed, std::chrono::sys_seconds now, int time_format);

class EventsWindow : public QDialog {
    Q_OBJECT

public:
    // Brings the window held in `window` to the front, or shows a new one (not modal, deleted
    // when closed). time_format: 1 for a 24-hour clock. The feed and the notifier must outlive
    // the window.
    static EventsWindow* Open(QPointer<EventsWindow>& window, EventsFeed& feed,
                              std::chrono::sys_seconds now, int time_format,
                              const QString& app_path, Notifier& notifier,
                              QWidget* parent = nullptr);

    // The clock's tick: the countdowns, and the rows when the feed was recomputed.
    void Tick(std::chrono::sys_seconds now, bool recomputed);

    QTableWidget* List() const { return list_; }
    QCheckBox* KindBox(EventKind kind) const { return kind_boxes_[KindBit(kind)]; }

private:
    EventsWindow(EventsFeed& feed, int time_format, const QString& app_path, Notifier& notifier,
                 QWidget* parent);
    QLayout* KindBoxes();
    void SetUpList();
    QLayout* ButtonRow();
    void Fill(std::chrono::sys_seconds now);
    void UpdateCountdowns(std::chrono::sys_seconds now);

    EventsFeed& feed_;
    int time_format_;
    QString app_path_;
    Notifier& notifier_;
    std::vector<Event> rows_;
    std::chrono::sys_seconds last_tick_{};
    QTableWidget* list_;
    QLabel* note_;
    std::array<QCheckBox*, kEventKindCount> kind_boxes_{};
    QCheckBox* moon_box_ = nullptr;  // the Moon among the transiting bodies
    QPointer<HelpWindow> help_;
};

}  // namespace orvantis
