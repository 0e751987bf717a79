// Julian day numbers, leap years and month lengths, Gregorian from 15 October 1582.
#include "astro/calendar.h"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

TEST(JulianDayNumber, AlmanacDatesAndTheReform) {
    EXPECT_EQ(JulianDayNumberOf(1, 1, 2000), 2451545);
    EXPECT_EQ(JulianDayNumberOf(1, 1, -4712), 0);  // the epoch, in the Julian calendar
    EXPECT_EQ(JulianDayNumberOf(4, 10, 1582), 2299160);
    EXPECT_EQ(JulianDayNumberOf(15, 10, 1582), 2299161);
    EXPECT_EQ(DaysInMonth(0, 2024), 0);
    EXPECT_EQ(DaysInMonth(13, 2024), 0);
}

// Walking every day of every month with DaysInMonth gives consecutive day numbers, except for
// the ten days of October 1582 that never were; CivilDateOf gives each date back.
TEST(Calendar, MonthLengthsAgreeWithTheDayNumbers) {
    double previous = JulianDayNumberOf(31, 12, -1001);
    for (int year = -1000; year <= 3000; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                const double jdn = JulianDayNumberOf(day, month, year);
                if (year == 1582 && month == 10 && day >= 5 && day <= 14) continue;
                ASSERT_EQ(jdn - previous, 1) << day << "." << month << "." << year;
                ASSERT_EQ(CivilDateOf(static_cast<long long>(jdn)), (CivilDate{year, month, day}));
                previous = jdn;
            }
        }
    }
}

}  // namespace
}  // namespace orvantis
