// The civil calendar: Julian day numbers, leap years and month lengths. Dates from 15 October
// 1582 on are Gregorian, earlier ones Julian (4 October 1582 is followed by 15 October).
#pragma once

namespace orvantis {

// The Julian day number of the civil date (the day that begins at the preceding noon): 2451545
// for 1 January 2000, 2299160 for 4 October 1582 and 2299161 for 15 October 1582. Any month and
// day are accepted arithmetically (month 13 is January of the next year); the result is a whole
// number held in a double, exact for every 16-bit year.
double JulianDayNumberOf(int day, int month, int year);

// A civil date: Gregorian from 15 October 1582, Julian before.
struct CivilDate {
    int year = 2000, month = 1, day = 1;
    bool operator==(const CivilDate&) const = default;
};

// The civil date of a Julian day number, the inverse of JulianDayNumberOf: 2299160 is 4 October
// 1582, 2299161 is 15 October. Exact for every day number of a 16-bit year.
CivilDate CivilDateOf(long long julian_day_number);

// The Julian day number of 1 January 1970, where Unix time counts from.
inline constexpr int kUnixEpochDayNumber = 2440588;

// Julian centuries from JD 2415020.0 (1900 January 0.5) to the moment `ut_fraction` (Universal
// Time as a fraction of the day, may leave [0, 1)) of the civil day with day number
// `julian_day_number`: the T of the time step and the ephemeris.
double CenturiesSince1900(double julian_day_number, double ut_fraction);

// True for a leap year: the Gregorian rule from 1583 on, the Julian rule (every fourth year,
// year 0 = 1 BC included) before. 1582 is a common year under both rules.
bool IsLeapYear(int year);

// Days in month 1..12 of year by the same rules (February has 29 days in a leap year); 0 for a
// month outside 1..12. October 1582 ends on the 31st as any October: its days 5 to 14 did not
// exist, and the day numbers above read them by the Julian rule.
int DaysInMonth(int month, int year);

// True when the civil date existed: day 1 to the month's length, and not 5 to 14 October 1582,
// the days the change of calendar skipped (the day numbers above would read them as 15 to 24).
bool DayExists(int day, int month, int year);

// "Jan" .. "Dec" for month 1..12 (the captions' "dd mmm yyyy"); "" for any other month.
const char* MonthAbbreviation(int month);

}  // namespace orvantis
