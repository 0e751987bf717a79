// The regional code of the clock: whether it shows 24 hours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvantis {

// Where the code comes from: the desktop side answers from the system locale, tests from a
// table. The key is "iTime" (1 24-hour clock, 0 12-hour clock); the answer is the code as text,
// nullopt when unknown.
class RegionalSource {
public:
    virtual ~RegionalSource() = default;
    virtual std::optional<std::string> Value(std::string_view key) const = 0;
};

inline constexpr std::string_view kTimeFormatKey = "iTime";

struct RegionalFormats {
    std::int16_t TimeFormat = 0;  // 1 24-hour clock, 0 12-hour clock
};

// The code the source gives, read as a number by the lenient rule and rounded; a code that is
// missing, empty or beyond 16 bits leaves 0.
RegionalFormats ReadRegionalFormats(const RegionalSource& source);

// 1 when a time pattern ("HH:mm:ss", "h:mm:ss AP") has no AM/PM marker (a or A outside quoted
// text), so the hour runs to 23; 0 otherwise.
std::int16_t TimeFormatFromPattern(std::string_view pattern);

}  // namespace orvantis
