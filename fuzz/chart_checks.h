// Invariants of a stored election record and of a computed chart.
#pragma once

#include <cmath>

#include "chart/chart_state.h"
#include "fuzz_check.h"

namespace orvantis::fuzz {

// Month lengths written out again, independently of the calendar module: Gregorian leap years
// from 1583 on, Julian before.
inline int MonthLength(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap =
        year > 1582 ? (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 : year % 4 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A record the election checks let through holds a real moment and place.
inline void CheckStoredElection(const ElectionData& d, char house_system) {
    FUZZ_CHECK(d.ElectMonth >= 1 && d.ElectMonth <= 12);
    FUZZ_CHECK(d.ElectYear >= 1 && d.ElectYear <= 2099);
    FUZZ_CHECK(d.ElectDay >= 1 && d.ElectDay <= MonthLength(d.ElectMonth, d.ElectYear));
    FUZZ_CHECK(d.ElectHour >= 1 && d.ElectHour <= 12);
    FUZZ_CHECK(d.ElectMinute >= 0 && d.ElectMinute <= 59);
    FUZZ_CHECK(std::isfinite(d.ElectZone) && d.ElectZone >= -13 && d.ElectZone <= 12);
    if (d.ElectWest == 1) FUZZ_CHECK(d.ElectZone >= -2);
    FUZZ_CHECK(d.ElectLongDeg >= 0 && d.ElectLongDeg <= 180);
    FUZZ_CHECK(d.ElectLongMin >= 0 && d.ElectLongMin <= 59);
    FUZZ_CHECK(d.ElectLatDeg >= 0 && d.ElectLatDeg <= 90);
    FUZZ_CHECK(d.ElectLatMin >= 0 && d.ElectLatMin <= 59);
    if (d.ElectLatDeg == 90) FUZZ_CHECK(d.ElectLatMin == 0);
    if (house_system != 'M' && house_system != 'I')
        FUZZ_CHECK(d.ElectLatDeg < 66 || (d.ElectLatDeg == 66 && d.ElectLatMin == 0));
    FUZZ_CHECK(d.ElectPM == 0 || d.ElectPM == 1);
    FUZZ_CHECK(d.ElectWest == 0 || d.ElectWest == 1);
    FUZZ_CHECK(d.ElectSouth == 0 || d.ElectSouth == 1);
}

inline bool IsLongitude(double x) {
    return std::isfinite(x) && x >= 0.0 && x < 360.0;
}

// What ComputeChart reported against what it left: a chart it accepted has every body and cusp
// a longitude in [0, 360); a refused chart is the one it had before, marked InputError.
inline void CheckComputedChart(bool accepted, const ChartState& chart, const ChartState& before,
                               int messages) {
    if (accepted) {
        FUZZ_CHECK(messages == 0);
        FUZZ_CHECK(chart.ChartReady == 1);
        for (int i = 1; i <= kBodyCount; ++i) FUZZ_CHECK(IsLongitude(chart.PlanetLong[i]));
        for (int i = 1; i <= 12; ++i) FUZZ_CHECK(IsLongitude(chart.Cusps[i]));
        FUZZ_CHECK(IsLongitude(chart.Ascendant) && IsLongitude(chart.MC));
        for (int i = 1; i <= 7; ++i) FUZZ_CHECK(!chart.CaptionLines[i].empty());
    } else {
        FUZZ_CHECK(messages > 0);
        FUZZ_CHECK(chart.InputError == 1);
        FUZZ_CHECK(chart.PlanetLong == before.PlanetLong && chart.Cusps == before.Cusps);
        FUZZ_CHECK(chart.ChartReady == before.ChartReady);
    }
}

}  // namespace orvantis::fuzz
