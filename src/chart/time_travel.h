// Travelling the chart's moment through time: steps of Universal Time and of the calendar, the
// span the sky's series hold, and the election record of an instant in the zone in force then.
#pragma once

#include <chrono>

#include "astro/calendar.h"
#include "chart/chart_state.h"

namespace orvantis {

enum class TravelUnit { kMinute, kHour, kDay, kMonth, kYear };

// A step of `count` units; a negative count goes back.
struct TravelStep {
    TravelUnit unit = TravelUnit::kHour;
    int count = 1;
};

// The span the ephemeris's series hold: 1 January 1900 00:00 to 31 December 2099 23:59, UT.
struct TravelSpan {
    std::chrono::sys_seconds first =
        std::chrono::sys_days{std::chrono::year{1900} / 1 / 1} + std::chrono::seconds{0};
    std::chrono::sys_seconds last = std::chrono::sys_days{std::chrono::year{2099} / 12 / 31} +
                                    std::chrono::hours{23} + std::chrono::minutes{59};
};

// The length of a unit in seconds; a month and a year by their mean Gregorian length (for the
// width of a scale and the rate of a play, which run on evenly).
double TravelUnitSeconds(TravelUnit unit);

// A UT date and time: the civil calendar of the day numbers (Julian before 15 October 1582).
struct CivilMoment {
    CivilDate date;
    int hour = 0, minute = 0, second = 0;
};
CivilMoment CivilMomentOf(std::chrono::sys_seconds instant);
std::chrono::sys_seconds InstantOfCivil(const CivilMoment& moment);

// The moment one step on, held within `span` (a moment outside it comes in at the nearer end).
// Minutes, hours and days are lengths of UT, so a day's step over a change of summer time shows
// the clock an hour apart. Months and years move the UT date and keep the time of day; a day the
// month lacks becomes its last (31 January + 1 month is the last of February), and a date that
// lands in the days skipped in October 1582 is read on past them in the step's direction.
std::chrono::sys_seconds StepMoment(std::chrono::sys_seconds moment, TravelStep step,
                                    const TravelSpan& span = {});

// The moment `seconds` away (a play's advance), held within `span`.
std::chrono::sys_seconds AdvanceMoment(std::chrono::sys_seconds moment, double seconds,
                                       const TravelSpan& span = {});

// The election record for `instant` (to the whole minute below it): the event, place and zone
// name of `place`, the local date and time on the clock of `zone_hours` (west positive: the zone
// in force at that instant, which a named zone changes with summer time) and ElectZone set to it.
ElectionData ElectionAt(const ElectionData& place, std::chrono::sys_seconds instant,
                        float zone_hours);

// The UT instant of an election record: its local date and time plus its zone.
std::chrono::sys_seconds InstantOfElection(const ElectionData& e);

// A zone's offset in whole seconds (hours west positive): the local clock reads UT less it.
// Hours beyond 16, further than any zone or local mean time, come only from a hand-edited file:
// they are held at 16, so the seconds stay far from overflowing; not a number is 0.
std::chrono::seconds ZoneSeconds(float hours);

// The local date and time of a computed chart: its instant on the clock of its zone.
CivilMoment LocalMomentOf(const ChartState& chart);

}  // namespace orvantis
