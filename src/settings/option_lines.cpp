#include "settings/option_lines.h"

namespace orvantis {

HomeLocation HomePlace(const OptionValues& options) {
    HomeLocation home;
    home.zone = options[kOptionHomeZone];
    home.long_degrees = options[kOptionHomeLongDeg];
    home.long_minutes = options[kOptionHomeLongMin];
    home.west = options[kOptionHomeLongEast] != -1;
    home.lat_degrees = options[kOptionHomeLatDeg];
    home.lat_minutes = options[kOptionHomeLatMin];
    home.south = options[kOptionHomeLatSouth] == -1;
    return home;
}

float HomeLocation::PackedLongitude() const {
    const auto packed = static_cast<float>(long_degrees + long_minutes / 100.0);
    return west ? packed : -packed;
}

float HomeLocation::PackedLatitude() const {
    const auto packed = static_cast<float>(lat_degrees + lat_minutes / 100.0);
    return south ? -packed : packed;
}

}  // namespace orvantis
