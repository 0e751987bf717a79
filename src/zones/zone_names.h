// Time zones by name from the system's tz database (through QTimeZone): the offset in force at
// an instant, and what a local date and time is in a zone, in history too. Offsets are hours
// west positive, the sign the charts take. Nothing here reads the process's own zone (TZ).
#pragma once

#include <QStringList>
#include <QTimeZone>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "chart/chart_state.h"
#include "chart/problem.h"

namespace orvantis {

// A civil date (Julian before 15 October 1582, as everywhere in the charts) and a time on the
// 24-hour clock.
struct LocalDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

// The local date and time of an election record, its 12-hour clock read as a 24-hour one.
LocalDateTime LocalDateTimeOf(const ElectionData& e);

// What a local date and time is in a zone:
struct OffsetInForce {  // one instant, with the offset in force then
    float hours = 0;
};
struct NonexistentTime {  // none: the clocks were put forward over it (spring)
    float hours_before = 0, hours_after = 0;
    int gap_seconds = 0;
};
struct AmbiguousTime {  // two instants: the clocks were put back over it (autumn)
    float first_hours = 0, second_hours = 0;  // the earlier instant (fold 0), the later (fold 1)
};
using LocalTimeInZone = std::variant<OffsetInForce, NonexistentTime, AmbiguousTime>;

class NamedZone {
public:
    // The zone of that name; nullopt when the text is not spelled as a zone name (IsZoneName)
    // or the database has no such zone. A name typed in other letter cases ("europe/london")
    // is found under the database's spelling.
    static std::optional<NamedZone> Find(std::string_view name);

    const std::string& Name() const { return name_; }
    // The offset in force at an instant, hours west positive.
    float HoursAt(std::chrono::sys_seconds instant) const;
    // The zone's own abbreviation at an instant ("BST", "EST", "LMT"); "" when it has none.
    std::string AbbreviationAt(std::chrono::sys_seconds instant) const;
    LocalTimeInZone Resolve(const LocalDateTime& local) const;

private:
    NamedZone(QTimeZone zone, std::string name) : zone_(std::move(zone)), name_(std::move(name)) {}
    QTimeZone zone_;
    std::string name_;
};

// Every zone name of the database that IsZoneName accepts, sorted: the choices of a completer.
QStringList ZoneNames();

// The instant a local date and time names when the zone is `hours` (west positive).
std::chrono::sys_seconds InstantOf(const LocalDateTime& local, float hours);

// Hours as a plain number ("-1", "5.5"), a local mean time as hours, minutes and seconds
// ("-0:53:28").
std::string ZoneHoursText(float hours);

// Picks one of the two instants of a local time that occurs twice: 0 the first, 1 the second,
// nullopt to give up. `question` says what happened, in words for the user.
using FoldChoice =
    std::function<std::optional<int>(const std::string& question, const AmbiguousTime& times)>;

// For a record whose zone is given by name (ElectZoneName): sets ElectZone to the offset in force
// at its local date and time and ElectZoneName to the database's spelling. Returns false, with
// the reason sent to `notifier`, for a name the database does not have or a local time that does
// not exist; false without a message when `choose` gave up.
bool LookUpElectionZone(ElectionData& e, Notifier& notifier, const FoldChoice& choose);

// After an Update step moved the clock of a record with a named zone: the offset in force at its
// new local time. A time that occurs twice is taken at its first instant when stepping forward
// (direction +1) and at its second when stepping back; a time that does not exist is read on past
// the gap in the step's direction (1:30 + 1 hour over a spring change is 3:30).
void RezoneAfterStep(ElectionData& e, int direction);

}  // namespace orvantis
