#include "chart/time_travel.h"

#include <algorithm>
#include <cmath>

namespace orvantis {
namespace {

using std::chrono::seconds;
using std::chrono::sys_seconds;

constexpr long long kSecondsPerDay = 86400;

long long FloorDiv(long long a, long long b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

sys_seconds Held(sys_seconds moment, const TravelSpan& span) {
    return std::clamp(moment, span.first, span.last);
}

// Whole months of a calendar step: the date moves, the time of day stays.
sys_seconds StepMonths(sys_seconds moment, int months) {
    CivilMoment at = CivilMomentOf(moment);
    const long long index = at.date.year * 12LL + (at.date.month - 1) + months;
    at.date.year = static_cast<int>(FloorDiv(index, 12));
    at.date.month = static_cast<int>(index - at.date.year * 12LL) + 1;
    at.date.day = std::min(at.date.day, DaysInMonth(at.date.month, at.date.year));
    if (!DayExists(at.date.day, at.date.month, at.date.year)) at.date.day = months > 0 ? 15 : 4;
    return InstantOfCivil(at);
}

}  // namespace

double TravelUnitSeconds(TravelUnit unit) {
    switch (unit) {
        case TravelUnit::kMinute:
            return 60;
        case TravelUnit::kHour:
            return 3600;
        case TravelUnit::kDay:
            return kSecondsPerDay;
        case TravelUnit::kMonth:
            return 365.2425 * kSecondsPerDay / 12;
        case TravelUnit::kYear:
            return 365.2425 * kSecondsPerDay;
    }
    return 0;
}

CivilMoment CivilMomentOf(sys_seconds instant) {
    const long long s = instant.time_since_epoch().count();
    const long long day = FloorDiv(s, kSecondsPerDay);
    const long long in_day = s - day * kSecondsPerDay;
    CivilMoment at;
    at.date = CivilDateOf(day + kUnixEpochDayNumber);
    at.hour = static_cast<int>(in_day / 3600);
    at.minute = static_cast<int>(in_day / 60 % 60);
    at.second = static_cast<int>(in_day % 60);
    return at;
}

sys_seconds InstantOfCivil(const CivilMoment& at) {
    const auto day =
        static_cast<long long>(JulianDayNumberOf(at.date.day, at.date.month, at.date.year)) -
        kUnixEpochDayNumber;
    return sys_seconds{
        seconds{day * kSecondsPerDay + at.hour * 3600LL + at.minute * 60LL + at.second}};
}

sys_seconds StepMoment(sys_seconds moment, TravelStep step, const TravelSpan& span) {
    const sys_seconds from = Held(moment, span);
    switch (step.unit) {
        case TravelUnit::kMonth:
            return Held(StepMonths(from, step.count), span);
        case TravelUnit::kYear:
            return Held(StepMonths(from, step.count * 12), span);
        default:
            return Held(
                from + seconds{static_cast<long long>(TravelUnitSeconds(step.unit)) * step.count},
                span);
    }
}

sys_seconds AdvanceMoment(sys_seconds moment, double by, const TravelSpan& span) {
    // Beyond the span's own length the result is an end of it anyway; this keeps the count
    // of seconds far from overflowing.
    const double length = static_cast<double>((span.last - span.first).count());
    const auto whole = static_cast<long long>(std::clamp(by, -length, length));
    return Held(Held(moment, span) + seconds{whole}, span);
}

seconds ZoneSeconds(float hours) {
    constexpr float kFurthest = 16;
    const float held = std::isnan(hours) ? 0.0f : std::clamp(hours, -kFurthest, kFurthest);
    return seconds{std::llround(held * 3600.0)};
}

ElectionData ElectionAt(const ElectionData& place, sys_seconds instant, float zone_hours) {
    const CivilMoment local = CivilMomentOf(instant - ZoneSeconds(zone_hours));
    ElectionData e = place;
    e.ElectYear = static_cast<std::int16_t>(local.date.year);
    e.ElectMonth = static_cast<std::int16_t>(local.date.month);
    e.ElectDay = static_cast<std::int16_t>(local.date.day);
    e.ElectHour = static_cast<std::int16_t>(local.hour % 12 == 0 ? 12 : local.hour % 12);
    e.ElectPM = local.hour >= 12 ? 1 : 0;
    e.ElectMinute = static_cast<std::int16_t>(local.minute);
    e.ElectZone = zone_hours;
    return e;
}

sys_seconds InstantOfElection(const ElectionData& e) {
    CivilMoment local;
    local.date = {e.ElectYear, e.ElectMonth, e.ElectDay};
    local.hour = e.ElectHour % 12 + (e.ElectPM == 1 ? 12 : 0);
    local.minute = e.ElectMinute;
    return InstantOfCivil(local) + ZoneSeconds(e.ElectZone);
}

CivilMoment LocalMomentOf(const ChartState& chart) {
    return CivilMomentOf(chart.Moment - ZoneSeconds(chart.ChartZone));
}

}  // namespace orvantis
