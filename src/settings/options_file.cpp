#include "settings/options_file.h"

#include <cmath>
#include <limits>

#include "settings/lenient_number.h"
#include "settings/text_lines.h"

namespace orvantis {

OptionsReading ReadOptionsFile(std::string_view text, OptionValues& values) {
    OptionsReading reading;
    int lines_after = 0;  // lines read after the 130 values
    const auto value_of = [](std::string_view line) {
        const double value = LenientNumber(line.substr(0, kOptionValueWidth));
        return std::fabs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value)
                                                                     : 0.0f;
    };
    for (std::string_view line : SplitLines(text)) {
        if (line.empty()) break;
        if (reading.lines_read < kOptionCount) {
            values[++reading.lines_read] = value_of(line);
            continue;
        }
        // Line 131 is the home zone's name (ReadHomeZoneName), line 132 a value again.
        ++lines_after;
        if (kOptionCount + lines_after == kOptionLastLine) values[kOptionLastLine] = value_of(line);
        if (kOptionCount + lines_after > kOptionLastLine) {
            reading.lines_left_over = true;
            break;
        }
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

std::optional<std::string> ReadStartupOptions(std::optional<std::string_view> options_text,
                                              std::optional<std::string_view> master_text,
                                              OptionValues& values) {
    values.fill(0.0f);
    const int own = options_text ? ReadOptionsFile(*options_text, values).lines_read : 0;
    OptionValues master{};
    const int master_lines = master_text ? ReadOptionsFile(*master_text, master).lines_read : 0;
    for (int line = own + 1; line <= master_lines; ++line) values[line] = master[line];

    const std::string what = options_text ? std::string(kOptionsFileName) + " ends after line " +
                                                std::to_string(own) + "."
                                          : std::string(kOptionsFileName) + " File Not Found";
    if (own < master_lines) {
        const std::string lines =
            own == 0 ? "every line"
                     : "lines " + std::to_string(own + 1) + " to " + std::to_string(master_lines);
        return what + "\nThe default settings of " + kMasterOptionsFileName + " are used for " +
               lines + ".";
    }
    if (!master_text && own < kOptionCount) {
        return what + "\n" + kMasterOptionsFileName + " was not found either: " +
               (own == 0 ? "every option is 0." : "the later options are 0.");
    }
    return std::nullopt;
}

}  // namespace orvantis
