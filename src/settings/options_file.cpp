#include "settings/options_file.h"

#include <cmath>
#include <limits>

#include "settings/lenient_number.h"
#include "settings/text_lines.h"

namespace orvantis {

OptionsReading ReadOptionsFile(std::string_view text, OptionValues& values) {
    OptionsReading reading;
    bool zone_name_line = false;
    for (std::string_view line : SplitLines(text)) {
        if (line.empty()) break;
        if (reading.lines_read == kOptionCount) {
            // The array ends at option 130; line 131 is the home zone's name (ReadHomeZoneName).
            if (zone_name_line) {
                reading.lines_left_over = true;
                break;
            }
            zone_name_line = true;
            continue;
        }
        const double value = LenientNumber(line.substr(0, kOptionValueWidth));
        const bool fits = std::fabs(value) <= std::numeric_limits<float>::max();
        values[++reading.lines_read] = fits ? static_cast<float>(value) : 0.0f;
    }
    return reading;
}

std::string ReadHomeZoneName(std::string_view text) {
    int line_number = 0;
    for (std::string_view line : SplitLines(text)) {
        if (line.empty()) return "";
        if (++line_number < kHomeZoneNameLine) continue;
        const std::string_view name = line.substr(0, line.find_first_of(" \t"));
        return name == "0" ? "" : std::string(name);
    }
    return "";
}

}  // namespace orvantis
