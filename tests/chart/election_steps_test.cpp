#include "chart/election_steps.h"

#include <gtest/gtest.h>

#include <tuple>

#include "astro/calendar.h"

namespace orvantis {
namespace {

ElectionData At(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t hour,
                std::int16_t minute, std::int16_t pm) {
    ElectionData e;
    e.ElectYear = year, e.ElectMonth = month, e.ElectDay = day;
    e.ElectHour = hour, e.ElectMinute = minute, e.ElectPM = pm;
    return e;
}

auto Fields(const ElectionData& e) {
    return std::make_tuple(e.ElectYear, e.ElectMonth, e.ElectDay, e.ElectHour, e.ElectMinute,
                           e.ElectPM);
}

// Each step carries through the twelve-hour clock and into the next or previous day.
TEST(ElectionSteps, CarryThroughTheClock) {
    struct Case {
        ElectionData from;
        void (*step)(ElectionData&);
        ElectionData to;
    };
    const Case cases[] = {
        {At(1999, 12, 31, 11, 59, 1), AddMinute, At(2000, 1, 1, 12, 0, 0)},  // to 12:00 A.M.
        {At(2000, 1, 1, 12, 0, 0), SubtractMinute, At(1999, 12, 31, 11, 59, 1)},
        {At(2024, 3, 5, 11, 30, 0), AddHour, At(2024, 3, 5, 12, 30, 1)},  // 11:30 A.M. + 1 h
        {At(2024, 3, 5, 12, 30, 1), AddHour, At(2024, 3, 5, 1, 30, 1)},
        {At(2024, 3, 5, 12, 30, 0), SubtractHour, At(2024, 3, 4, 11, 30, 1)},  // the day before
        {At(2024, 3, 5, 12, 30, 1), SubtractHour, At(2024, 3, 5, 11, 30, 0)},
        {At(1582, 10, 4, 11, 0, 1), AddHour, At(1582, 10, 15, 12, 0, 0)},  // over the reform
    };
    for (const Case& c : cases) {
        ElectionData e = c.from;
        c.step(e);
        EXPECT_EQ(Fields(e), Fields(c.to)) << &c - cases;
    }
}

// A day forward is the next day number and lands on a day that existed, and a day back undoes
// it: every day from 1500 to 2100, through Julian and Gregorian leap days and the 1582 reform.
TEST(ElectionSteps, ADayIsTheNextDayOfTheCalendar) {
    ElectionData e = At(1500, 1, 1, 9, 0, 0);
    while (e.ElectYear < 2100) {
        const ElectionData before = e;
        AddDay(e);
        ASSERT_TRUE(DayExists(e.ElectDay, e.ElectMonth, e.ElectYear)) << e.ElectYear;
        ASSERT_EQ(JulianDayNumberOf(e.ElectDay, e.ElectMonth, e.ElectYear),
                  JulianDayNumberOf(before.ElectDay, before.ElectMonth, before.ElectYear) + 1)
            << before.ElectDay << "/" << before.ElectMonth << "/" << before.ElectYear;
        ElectionData back = e;
        SubtractDay(back);
        ASSERT_EQ(Fields(back), Fields(before));
    }
}

}  // namespace
}  // namespace orvantis
