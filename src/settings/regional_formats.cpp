#include "settings/regional_formats.h"

#include "settings/lenient_number.h"

namespace orvantis {
namespace {

std::int16_t CodeOf(const RegionalSource& source, std::string_view key) {
    const std::optional<std::string> text = source.Value(key);
    if (!text) return 0;
    return RoundToInt16(LenientNumber(*text)).value_or(0);
}

// The pattern letters outside quoted text ('' inside or outside quotes is a literal quote,
// which the alternation below handles without special care).
std::string PatternLetters(std::string_view pattern) {
    std::string letters;
    bool quoted = false;
    for (char c : pattern) {
        if (c == '\'') {
            quoted = !quoted;
        } else if (!quoted) {
            letters += c;
        }
    }
    return letters;
}

}  // namespace

RegionalFormats ReadRegionalFormats(const RegionalSource& source) {
    return {CodeOf(source, kTimeFormatKey)};
}

std::int16_t TimeFormatFromPattern(std::string_view pattern) {
    const std::string letters = PatternLetters(pattern);
    return letters.find_first_of("aA") == std::string::npos ? 1 : 0;
}

}  // namespace orvantis
