#include "astro/calendar.h"

#include <cmath>

namespace orvantis {

double JulianDayNumberOf(int day, int month, int year) {
    // Months are counted from March 4800 BC, so that the leap day ends each counted year.
    const double a = (static_cast<double>(year) + 4800.0) * 12.0 + month - 3.0;
    double j = std::floor((2.0 * (a - 12.0 * std::floor(a / 12.0)) + 7.0 + 365.0 * a) / 12.0) +
               day + std::floor(a / 48.0) - 32083.0;
    // 2299171 is the Julian count of 15 October 1582: from there on the Gregorian correction.
    if (j >= 2299171.0) j += std::floor(a / 4800.0) - std::floor(a / 1200.0) + 38.0;
    return j;
}

CivilDate CivilDateOf(long long julian_day_number) {
    // Whole-number form of the almanac inversion: the Gregorian days are first put back onto the
    // Julian count, then years of 365.25 days and months of 30.6001 days are taken off.
    const auto floor_div = [](long long a, long long b) {
        return a / b - (a % b != 0 && (a < 0) != (b < 0));
    };
    long long a = julian_day_number;
    if (a >= 2299161) {
        const long long alpha = floor_div(4 * a - 7468865, 146097);
        a += 1 + alpha - floor_div(alpha, 4);
    }
    const long long b = a + 1524;
    const long long c = floor_div(20 * b - 2442, 7305);
    const long long d = floor_div(1461 * c, 4);
    const long long e = floor_div(10000 * (b - d), 306001);
    CivilDate date;
    date.day = static_cast<int>(b - d - floor_div(306001 * e, 10000));
    date.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    date.year = static_cast<int>(date.month > 2 ? c - 4716 : c - 4715);
    return date;
}

double CenturiesSince1900(double julian_day_number, double ut_fraction) {
    return (julian_day_number - 2415020.0 + ut_fraction - 0.5) / 36525.0;
}

bool IsLeapYear(int year) {
    if (year > 1582) return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return year % 4 == 0;  // also right for negative years: -4 % 4 == 0
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[month - 1];
}

bool DayExists(int day, int month, int year) {
    if (year == 1582 && month == 10 && day >= 5 && day <= 14) return false;
    return day >= 1 && day <= DaysInMonth(month, year);
}

const char* MonthAbbreviation(int month) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "";
}

}  // namespace orvantis
