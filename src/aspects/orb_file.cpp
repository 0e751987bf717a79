#include "aspects/orb_file.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

#include "settings/lenient_number.h"
#include "settings/text_lines.h"

namespace orvantis {

void ReadOrbFile(std::string_view text, OrbValues& orbs) {
    int n = 0;
    for (std::string_view line : SplitLines(text)) {
        if (line.empty()) break;
        // Lines beyond the seventeenth have no orb to go to; they are ignored.
        if (n == kOrbCount) break;
        ++n;
        // A value beyond single precision ("1e300", "1e999") is stored as 0, as the options
        // reader does: converting it would be undefined, and an infinite orb would make every
        // distance every aspect.
        const double value = LenientNumber(line.substr(0, 7));
        const bool fits = std::fabs(value) <= std::numeric_limits<float>::max();
        orbs[n] = fits ? static_cast<float>(value) : 0.0f;
    }
}

std::optional<Problem> LoadOrbFile(const std::filesystem::path& path, OrbValues& orbs) {
    const std::optional<std::string> text = ReadTextFile(path);
    if (text) {
        ReadOrbFile(*text, orbs);
        return std::nullopt;
    }
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    return Warning(path.string() + (exists ? " Orb File Cannot Be Read" : " Orb File Not Found") +
                       "\nThe previous orbs are kept.",
                   Icon::kExclamation);
}

}  // namespace orvantis
