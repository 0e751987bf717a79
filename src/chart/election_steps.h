// The Update commands: stepping the election moment by a day, an hour or a minute on the 12-hour
// clock, with month and year carries.
#pragma once

#include "chart/chart_state.h"

namespace orvantis {

// Month lengths follow the calendar of the Julian day numbers (Gregorian from 15 October 1582,
// Julian before), so 1900 has no 29 February and every date after it stays right.
void AddDay(ElectionData& e);
void SubtractDay(ElectionData& e);
// 11 P.M. + 1 hour is 12 A.M. of the next day; 11 A.M. + 1 hour is 12 P.M.
void AddHour(ElectionData& e);
// 12 A.M. - 1 hour is 11 P.M. of the day before; 12 P.M. - 1 hour is 11 A.M.
void SubtractHour(ElectionData& e);
void AddMinute(ElectionData& e);
void SubtractMinute(ElectionData& e);

}  // namespace orvantis
