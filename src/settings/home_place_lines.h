// Writing the home place into the options text: the only option lines the program sets itself
// outside the raw options editor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/option_lines.h"

namespace orvantis {

// The options text with lines 18 to 24 (zone hours, longitude, latitude and their sides) set
// from `home` and line 131 set to `zone_name` ("0" when it is ""). Each line keeps its
// description after the seven value characters, and the text its line ends. nullopt when the
// text has fewer than 130 lines: the zone name line would not be read.
std::optional<std::string> WithHomePlace(std::string_view options_text, const HomeLocation& home,
                                         const std::string& zone_name);

}  // namespace orvantis
