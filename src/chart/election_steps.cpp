#include "chart/election_steps.h"

#include "astro/calendar.h"

namespace orvantis {
namespace {

int LastDay(const ElectionData& e) {
    const int days = DaysInMonth(e.ElectMonth, e.ElectYear);
    return days > 0 ? days : 31;  // a month outside 1..12 cannot come from the entry checks
}

// The days the change of calendar skipped: 4 October 1582 was followed by 15 October.
bool InReformGap(const ElectionData& e) {
    return e.ElectYear == 1582 && e.ElectMonth == 10 && e.ElectDay > 4 && e.ElectDay < 15;
}

}  // namespace

void AddDay(ElectionData& e) {
    if (++e.ElectDay <= LastDay(e)) {
        if (InReformGap(e)) e.ElectDay = 15;
        return;
    }
    e.ElectDay = 1;
    if (++e.ElectMonth <= 12) return;
    e.ElectMonth = 1;
    ++e.ElectYear;
}

void SubtractDay(ElectionData& e) {
    if (--e.ElectDay >= 1) {
        if (InReformGap(e)) e.ElectDay = 4;
        return;
    }
    if (--e.ElectMonth < 1) {
        e.ElectMonth = 12;
        --e.ElectYear;
    }
    e.ElectDay = static_cast<std::int16_t>(LastDay(e));
}

void AddHour(ElectionData& e) {
    if (++e.ElectHour == 13) e.ElectHour = 1;
    if (e.ElectHour != 12) return;
    if (e.ElectPM == 1) {
        e.ElectPM = 0;
        AddDay(e);
    } else {
        e.ElectPM = 1;
    }
}

void SubtractHour(ElectionData& e) {
    if (--e.ElectHour == 0) e.ElectHour = 12;
    if (e.ElectHour != 11) return;
    if (e.ElectPM != 1) {
        e.ElectPM = 1;
        SubtractDay(e);
    } else {
        e.ElectPM = 0;
    }
}

void AddMinute(ElectionData& e) {
    if (++e.ElectMinute < 60) return;
    e.ElectMinute = 0;
    AddHour(e);
}

void SubtractMinute(ElectionData& e) {
    if (--e.ElectMinute >= 0) return;
    e.ElectMinute = 59;
    SubtractHour(e);
}

}  // namespace orvantis
