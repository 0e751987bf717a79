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

}  // namespace orvantis
