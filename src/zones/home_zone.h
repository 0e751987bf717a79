// The zone of the home clock: the tz database zone named on line 131 of the options file, else
// the fixed hours of option 18. Read once from the options; the shell, the command line and the
// events feed ask it for the offset at an instant, and the chart driver takes those hours.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "chart/problem.h"
#include "zones/zone_names.h"

namespace orvantis {

struct HomeZoneRead;

class HomeZone {
public:
    // Fixed hours, west positive, without a name.
    explicit HomeZone(float fixed_hours = 0) : fixed_hours_(fixed_hours) {}

    // The zone named on line 131 of `options_text`, else `fixed_hours` (option 18). A name the
    // database lacks falls back to the fixed hours, with the warning saying so.
    static HomeZoneRead FromOptions(std::string_view options_text, float fixed_hours);
    // The zone of that name, else the fixed hours, with the warning when `name` is not "".
    static HomeZoneRead FromName(std::string_view name, float fixed_hours);

    // The tz database name; "" for fixed hours.
    const std::string& Name() const { return name_; }
    // The offset in force at an instant, hours west positive.
    float HoursAt(std::chrono::sys_seconds instant) const {
        return named_ ? named_->HoursAt(instant) : fixed_hours_;
    }

private:
    std::optional<NamedZone> named_;
    std::string name_;
    float fixed_hours_ = 0;
};

struct HomeZoneRead {
    HomeZone zone;
    std::optional<Problem> problem;
};

}  // namespace orvantis
