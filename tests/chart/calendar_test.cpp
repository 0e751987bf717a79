// Julian day numbers, leap years and month lengths, Gregorian from 15 October 1582.
#include "astro/calendar.h"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

TEST(JulianDayNumber, KnownDates) {
    // Day numbers of the astronomical almanacs.
    EXPECT_EQ(JulianDayNumberOf(1, 1, 2000), 2451545);
    EXPECT_EQ(JulianDayNumberOf(31, 12, 1899), 2415020);
    EXPECT_EQ(JulianDayNumberOf(1, 1, 1900), 2415021);
    EXPECT_EQ(JulianDayNumberOf(1, 1, -4712), 0);  // the epoch, in the Julian calendar
}

TEST(JulianDayNumber, TheGregorianReformSkipsTenDays) {
    EXPECT_EQ(JulianDayNumberOf(4, 10, 1582), 2299160);
    EXPECT_EQ(JulianDayNumberOf(15, 10, 1582), 2299161);
    // 1700 is a common year of the Gregorian calendar, 1500 a leap year of the Julian.
    EXPECT_EQ(JulianDayNumberOf(1, 3, 1700) - JulianDayNumberOf(28, 2, 1700), 1);
    EXPECT_EQ(JulianDayNumberOf(1, 3, 1500) - JulianDayNumberOf(28, 2, 1500), 2);
}

TEST(Calendar, LeapYearsByTheJulianAndGregorianRules) {
    for (int leap : {2000, 2024, 1500 /* Julian */, 0, -4}) EXPECT_TRUE(IsLeapYear(leap)) << leap;
    for (int common : {1900, 2023, 1582, -1}) EXPECT_FALSE(IsLeapYear(common)) << common;
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(4, 2024), 30);
    EXPECT_EQ(DaysInMonth(0, 2024), 0);
    EXPECT_EQ(DaysInMonth(13, 2024), 0);
}

// Walking every day of every month with DaysInMonth gives consecutive day numbers, except for
// the ten days of October 1582 that never were.
TEST(Calendar, MonthLengthsAgreeWithTheDayNumbers) {
    double previous = JulianDayNumberOf(31, 12, -1001);
    for (int year = -1000; year <= 3000; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                const double jdn = JulianDayNumberOf(day, month, year);
                if (year == 1582 && month == 10 && day >= 5 && day <= 14) continue;
                ASSERT_EQ(jdn - previous, 1) << day << "." << month << "." << year;
                previous = jdn;
            }
        }
    }
}

}  // namespace
}  // namespace orvantis
