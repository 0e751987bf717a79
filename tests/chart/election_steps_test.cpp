#include "chart/election_steps.h"

#include <gtest/gtest.h>

#include <tuple>

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

// Each step carries through the twelve-hour clock, the calendar and the year, both ways.
TEST(ElectionSteps, CarryThroughClockCalendarAndYear) {
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
        {At(1900, 3, 1, 9, 0, 0), SubtractDay, At(1900, 2, 28, 9, 0, 0)},  // 1900 was not leap
        {At(2000, 3, 1, 9, 0, 0), SubtractDay, At(2000, 2, 29, 9, 0, 0)},
        {At(2024, 2, 28, 9, 0, 0), AddDay, At(2024, 2, 29, 9, 0, 0)},
        {At(2024, 2, 29, 9, 0, 0), AddDay, At(2024, 3, 1, 9, 0, 0)},
        {At(1500, 2, 28, 9, 0, 0), AddDay, At(1500, 2, 29, 9, 0, 0)},  // Julian: every fourth
        {At(2024, 12, 31, 3, 0, 0), AddDay, At(2025, 1, 1, 3, 0, 0)},
        {At(2025, 1, 1, 3, 0, 0), SubtractDay, At(2024, 12, 31, 3, 0, 0)},
        {At(2024, 5, 1, 3, 0, 0), SubtractDay, At(2024, 4, 30, 3, 0, 0)},
    };
    for (const Case& c : cases) {
        ElectionData e = c.from;
        c.step(e);
        EXPECT_EQ(Fields(e), Fields(c.to)) << &c - cases;
    }
}

}  // namespace
}  // namespace orvantis
