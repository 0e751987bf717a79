#include "zones/home_zone.h"

#include "settings/options_file.h"

namespace orvantis {

HomeZoneRead HomeZone::FromName(std::string_view name, float fixed_hours) {
    HomeZoneRead read{HomeZone(fixed_hours), std::nullopt};
    if (name.empty()) return read;
    read.zone.named_ = NamedZone::Find(name);
    if (read.zone.named_) {
        read.zone.name_ = read.zone.named_->Name();
        return read;
    }
    read.problem = Warning("\"" + std::string(name) + "\" is not a time zone of the tz database.",
                           Icon::kExclamation);
    return read;
}

HomeZoneRead HomeZone::FromOptions(std::string_view options_text, float fixed_hours) {
    const std::string name = ReadHomeZoneName(options_text);
    HomeZoneRead read = FromName(name, fixed_hours);
    if (read.problem) {
        read.problem->text = "The home time zone \"" + name + "\" on line 131 of " +
                             kOptionsFileName +
                             " is not a time zone of the tz database; the zone of line 18 is "
                             "used. Please correct the name (for example Europe/London) or put "
                             "0 there.";
    }
    return read;
}

}  // namespace orvantis
