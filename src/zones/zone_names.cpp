#include "zones/zone_names.h"

#include <QDateTime>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "astro/calendar.h"
#include "chart/chart_driver.h"
#include "chart/election_steps.h"
#include "chart/election_validation.h"

namespace orvantis {
namespace {

constexpr qint64 kSecondsPerDay = 86400;

QDateTime Utc(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

// QTimeZone counts seconds east; the charts count hours west.
float WestHours(int seconds_east) {
    return seconds_east == 0 ? 0.0f : static_cast<float>(-seconds_east / 3600.0);
}

// The local clock reading as seconds counted like UT seconds from 1970.
qint64 LocalSeconds(const LocalDateTime& t) {
    const double day = JulianDayNumberOf(t.day, t.month, t.year) - kUnixEpochDayNumber;
    return static_cast<qint64>(day) * kSecondsPerDay + t.hour * 3600 + t.minute * 60;
}

// "31 Mar 2024 01:30"
std::string LocalText(const LocalDateTime& t) {
    const char* month = MonthAbbreviation(t.month);
    char text[48];
    std::snprintf(text, sizeof text, "%02d %s %04d %02d:%02d", t.day, *month ? month : "?", t.year,
                  t.hour, t.minute);
    return text;
}

// "1 hour", "30 minutes", "24 hours", "28 seconds"
std::string DurationText(int seconds) {
    const auto count = [](int n, const char* unit) {
        return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
    };
    if (seconds % 3600 == 0) return count(seconds / 3600, "hour");
    if (seconds % 60 == 0) return count(seconds / 60, "minute");
    return count(seconds, "second");
}

}  // namespace

LocalDateTime LocalDateTimeOf(const ElectionData& e) {
    return {e.ElectYear, e.ElectMonth, e.ElectDay, e.ElectHour % 12 + (e.ElectPM == 1 ? 12 : 0),
            e.ElectMinute};
}

std::optional<NamedZone> NamedZone::Find(std::string_view name) {
    // The spelling is checked first: QTimeZone also takes an empty name (the process's own
    // zone) and POSIX rules ("Berlin", "ABC5"), which are no names of the database.
    if (!IsZoneName(name)) return std::nullopt;
    const QByteArray id = QByteArray(name.data(), static_cast<qsizetype>(name.size())).trimmed();
    QTimeZone zone(id);
    if (zone.isValid()) return NamedZone(zone, id.toStdString());
    for (const QByteArray& known : QTimeZone::availableTimeZoneIds()) {
        if (known.compare(id, Qt::CaseInsensitive) == 0)
            return NamedZone(QTimeZone(known), known.toStdString());
    }
    return std::nullopt;
}

float NamedZone::HoursAt(std::chrono::sys_seconds instant) const {
    return WestHours(zone_.offsetFromUtc(Utc(instant.time_since_epoch().count())));
}

std::string NamedZone::AbbreviationAt(std::chrono::sys_seconds instant) const {
    return zone_.abbreviation(Utc(instant.time_since_epoch().count())).toStdString();
}

LocalTimeInZone NamedZone::Resolve(const LocalDateTime& t) const {
    const qint64 local = LocalSeconds(t);
    // An instant u reads `local` on the zone's clocks when u + offset(u) = local. Offsets stay
    // within a day, so every such u lies within a day of `local`: walk the spans of one offset
    // there, and take u = local - offset wherever it falls inside the span of that offset.
    const qint64 from = local - kSecondsPerDay, to = local + kSecondsPerDay;
    qint64 start = from;
    int offset = zone_.offsetFromUtc(Utc(from));
    std::vector<int> found;  // the offsets of the instants found, earliest first
    NonexistentTime gap;
    const auto take = [&](qint64 end) {
        const qint64 u = local - offset;
        if (u >= start && u < end) found.push_back(offset);
    };
    for (const QTimeZone::OffsetData& change : zone_.transitions(Utc(from), Utc(to))) {
        const qint64 at = change.atUtc.toSecsSinceEpoch();
        if (at <= start) continue;
        take(at);
        const int next = change.offsetFromUtc;
        // Put forward: the clock readings from at + offset up to at + next never occur.
        if (next > offset && local >= at + offset && local < at + next)
            gap = {WestHours(offset), WestHours(next), next - offset};
        start = at;
        offset = next;
    }
    take(to + 1);
    if (found.empty()) return gap;
    if (found.size() == 1) return OffsetInForce{WestHours(found.front())};
    return AmbiguousTime{WestHours(found.front()), WestHours(found.back())};
}

QStringList ZoneNames() {
    QStringList names;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        if (IsZoneName(std::string_view(id.constData(), static_cast<std::size_t>(id.size()))))
            names.append(QString::fromLatin1(id));
    }
    names.sort();
    return names;
}

std::chrono::sys_seconds InstantOf(const LocalDateTime& local, float hours) {
    return std::chrono::sys_seconds(std::chrono::seconds(
        LocalSeconds(local) + static_cast<qint64>(std::llround(hours * 3600.0))));
}

std::string ZoneHoursText(float hours) {
    return ZoneOffsetText(hours);
}

bool LookUpElectionZone(ElectionData& e, Notifier& notifier, const FoldChoice& choose) {
    const auto zone = NamedZone::Find(e.ElectZoneName);
    if (!zone) {
        notifier.Notify(
            Warning("\"" + e.ElectZoneName +
                        "\" is not a time zone of the tz database. Please type a zone name "
                        "such as Europe/London, or the zone in hours.",
                    Icon::kInformation));
        return false;
    }
    e.ElectZoneName = zone->Name();
    const LocalDateTime local = LocalDateTimeOf(e);
    const LocalTimeInZone found = zone->Resolve(local);
    if (const auto* one = std::get_if<OffsetInForce>(&found)) {
        e.ElectZone = one->hours;
        return true;
    }
    if (const auto* gap = std::get_if<NonexistentTime>(&found)) {
        notifier.Notify(Warning("The local time " + LocalText(local) + " does not exist in " +
                                    zone->Name() + ": the clocks went forward " +
                                    DurationText(gap->gap_seconds) + " there (zone " +
                                    ZoneHoursText(gap->hours_before) + " to " +
                                    ZoneHoursText(gap->hours_after) + "). Please correct the time.",
                                Icon::kInformation));
        return false;
    }
    const auto& twice = std::get<AmbiguousTime>(found);
    const int back = static_cast<int>(std::lround((twice.second_hours - twice.first_hours) * 3600));
    const auto fold = choose("The local time " + LocalText(local) + " occurs twice in " +
                                 zone->Name() + ": the clocks went back " + DurationText(back) +
                                 " there. The first is zone " + ZoneHoursText(twice.first_hours) +
                                 ", the second zone " + ZoneHoursText(twice.second_hours) + ".",
                             twice);
    if (!fold) return false;
    e.ElectZone = *fold == 0 ? twice.first_hours : twice.second_hours;
    return true;
}

void RezoneAfterStep(ElectionData& e, int direction) {
    // The name was found when it was entered; should the database have lost it since, the
    // offset stays as it was.
    const auto zone = NamedZone::Find(e.ElectZoneName);
    if (!zone) return;
    // Two rounds at most: a gap read past lands on a time that exists, unless the zone changed
    // again within the gap's length.
    for (int round = 0; round < 3; ++round) {
        const LocalTimeInZone found = zone->Resolve(LocalDateTimeOf(e));
        if (const auto* one = std::get_if<OffsetInForce>(&found)) {
            e.ElectZone = one->hours;
            return;
        }
        if (const auto* twice = std::get_if<AmbiguousTime>(&found)) {
            e.ElectZone = direction > 0 ? twice->first_hours : twice->second_hours;
            return;
        }
        // The clock reads on past the gap, minute by minute on the charts' own calendar.
        const int minutes = (std::get<NonexistentTime>(found).gap_seconds + 59) / 60;
        for (int m = 0; m < minutes; ++m) direction > 0 ? AddMinute(e) : SubtractMinute(e);
    }
}

}  // namespace orvantis
