// The chart driver: one complete chart for the present moment at home (Now mode) or for the
// election data record (election mode), with its captions.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "chart/problem.h"
#include "chart/time_scales.h"
#include "chart/time_travel.h"
#include "settings/option_values.h"

namespace orvantis {

// What the shell knows at the moment it asks for a chart.
struct ChartRequest {
    char house_system = 'P';         // the letter of the checked House item
    bool running = true;             // Elect > Running checked: Now mode
    std::chrono::sys_seconds now{};  // the present instant (UTC), read by the shell
    // Now mode: the home zone's offset at `now` (hours, west positive) and its tz database name,
    // "" for the fixed hours of option 18 (which the home data checks hold to -13..12).
    float zone_hours = 0;
    std::string zone_name;
};

// The home clock: the present instant read in the home zone. The chart is always computed for
// the true instant, so clock + zone = UT holds whatever the computer's own zone or
// daylight-saving offset is.
// A zone beyond 16 hours (further than any zone or local mean time of the tz database) comes only
// from a hand-edited options file: it is held at that end (not a number: 0), so the clock stays
// on the calendar; the home data checks refuse its chart.
CivilMoment HomeClockAt(std::chrono::sys_seconds now, float zone_hours);

// Copies the time step's scales, sidereal time and angles into the chart's fields of those names.
void SetTimeAndAngles(ChartState& chart, const TimeAndAngles& t);

// Computes the chart into `chart`. Returns false when the chart was refused (home data checks in
// Now mode, or a computation without a finite result): then `chart` is unchanged apart from
// InputError, and every reason went to `notifier`.
bool ComputeChart(ChartState& chart, const ElectionData& election, const OptionValues& options,
                  const ChartRequest& request, Notifier& notifier);

// True when no houses can be cast at this latitude (its degrees and minutes, as magnitudes) under
// the house system: above 66°00' for all but Meridian ('M') and Morinus ('I'), and at or beyond
// the pole for every system (there the Ascendant has no meaning).
bool LatitudeTooHigh(double degrees, double minutes, char house_system);

// Now-mode checks of the home place. Each sends its message and returns false when it fails.
// Option 18 is not checked while a named zone stands in for it.
bool CheckLatitudeLimit(const OptionValues& options, char house_system, Notifier& notifier);
bool CheckHomeData(const OptionValues& options, Notifier& notifier, bool zone_by_name = false);
void ReportHomeDataError(Notifier& notifier);

// The election data record filled with the present moment at the home place, in the home zone
// (its offset at `now` and its name, "" for fixed hours).
ElectionData LoadElectionDataFromNow(std::chrono::sys_seconds now, const OptionValues& options,
                                     float zone_hours, const std::string& zone_name = "");

// OwnerName, " Orvantis " and the zodiac text of option 123 ("Orvantis " first without an owner),
// then "(Precise ephemeris) - " with option 132 at 1.
std::string BuildCaptionPrefix(const std::string& owner_name, const OptionValues& options);

// A zone (hours, west positive) as text: hours as a plain number when whole to the quarter hour
// (5, -3.5, 5.75), else hours, minutes and seconds as local mean times have them (-0:09:21 for
// Paris).
std::string ZoneOffsetText(float hours);

// The letter of the House item checked at start-up by kOptionStartHouseSystem
// (HouseSystemOfOption), the warning of an unknown number sent to notifier if given.
char HouseLetterForOption(float start_house_system, Notifier* notifier = nullptr);

// The chart's caption, lines 1..7 (index 0 unused): title, date, clock and zone, longitude,
// latitude, sidereal time and house system, written from the chart's values when shown.
using CaptionLines = std::array<std::string, 8>;
CaptionLines CaptionLinesOf(const ChartState& chart);

// The warnings a chart of that civil year carries: the series hold from 1900 to 2099, so another
// year is still charted, with kBeforeSeriesYears or kAfterSeriesYears (short enough for a caption
// line). Empty within those years.
std::vector<std::string> AccuracyWarnings(int year);

// The driver's messages, as users see them.
inline constexpr const char* kLatitudeTooHigh =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";
inline constexpr const char* kHomeDataError = "Error in natal input data section. Please correct.";
inline constexpr const char* kBeforeSeriesYears = "Before 1900: approximate";
inline constexpr const char* kAfterSeriesYears = "After 2099: approximate";
inline constexpr const char* kNonFiniteChart =
    "This chart cannot be computed: at this place and moment the house system or the "
    "ephemeris has no finite result. Please change the place or the house system.";

}  // namespace orvantis
