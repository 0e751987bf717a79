// The two regional codes the chart needs to read the system's date and time texts: the order of
// day, month and year, and whether the clock shows 24 hours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvantis {

// Where the codes come from: the desktop side answers from the system locale, tests from a
// table. Keys are "iDate" (0 month-day-year, 1 day-month-year, 2 year-month-day) and "iTime"
// (1 24-hour clock, 0 12-hour clock); the answer is the code as text, nullopt when unknown.
class RegionalSource {
public:
    virtual ~RegionalSource() = default;
    virtual std::optional<std::string> Value(std::string_view key) const = 0;
};

inline constexpr std::string_view kDateOrderKey = "iDate";
inline constexpr std::string_view kTimeFormatKey = "iTime";

struct RegionalFormats {
    std::int16_t DateOrder = 0;   // 0 m-d-y, 1 d-m-y, 2 y-m-d
    std::int16_t TimeFormat = 0;  // 1 24-hour clock, 0 12-hour clock
};

// The codes the source gives, read as numbers by the lenient rule and rounded; a code that is
// missing, empty or beyond 16 bits leaves 0.
RegionalFormats ReadRegionalFormats(const RegionalSource& source);

// The date order of a short date pattern written with the letters d, M and y (text in single
// quotes is literal), as "dd.MM.yyyy" or "M/d/yy": 2 when the year comes first, 1 when the day
// comes before the month, 0 otherwise.
std::int16_t DateOrderFromPattern(std::string_view pattern);

// 1 when a time pattern ("HH:mm:ss", "h:mm:ss AP") has no AM/PM marker (a or A outside quoted
// text), so the hour runs to 23; 0 otherwise.
std::int16_t TimeFormatFromPattern(std::string_view pattern);

}  // namespace orvantis
