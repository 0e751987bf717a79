#include "settings/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "settings/lenient_number.h"
#include "settings/text_lines.h"

namespace orvantis {
namespace {

// The text after the first "=", the whole line when there is none.
std::string_view ValueText(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? line : line.substr(equals + 1);
}

// A line belongs to a key when it begins with the key exactly, case included.
bool HasKey(std::string_view line, std::string_view key) {
    return line.starts_with(key);
}

// The single nearest to the line's value; nullopt when that would be infinite. The bound is
// halfway between the largest single and 2^128, not the largest single itself: its shortest
// text, 3.4028235e38 as written at exit, lies just above it and must still read back.
std::optional<float> SingleValue(std::string_view line) {
    const double value = LenientNumber(ValueText(line));
    constexpr double kLargest = std::numeric_limits<float>::max();
    constexpr double kRoundsToInfinity = 0x1.ffffffp+127;
    if (!(std::fabs(value) < kRoundsToInfinity)) return std::nullopt;
    return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

void AppendNumber(std::string& out, float value) {
    if (!std::isfinite(value)) value = 0;  // never written by a real window; kept readable
    if (value == 0) value = 0;             // no "-0"
    char buffer[64];
    // Plain decimals for the values a window has (1155, -480, 8490.5); exponent form only for
    // magnitudes where plain text would run long.
    const float magnitude = std::fabs(value);
    const auto format = value == 0 || (magnitude >= 1e-4f && magnitude < 1e9f)
                            ? std::chars_format::fixed
                            : std::chars_format::general;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    out.append(buffer, result.ptr);
}

void AppendLine(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}

}  // namespace

IniScaleAndChart ReadIniScaleAndChart(std::string_view text) {
    IniScaleAndChart settings;
    for (std::string_view line : SplitLines(text)) {
        std::int16_t* target = HasKey(line, "StartScale")  ? &settings.StartScale
                               : HasKey(line, "TypeChart") ? &settings.TypeChart
                                                           : nullptr;
        if (target == nullptr) continue;
        const std::optional<std::int16_t> value = RoundToInt16(LenientNumber(ValueText(line)));
        if (!value) break;  // an overflow ends the reading, keeping what was read before it
        *target = *value;
    }
    return settings;
}

WindowGeometry ReadIniWindowGeometry(std::string_view text) {
    WindowGeometry g;
    for (std::string_view line : SplitLines(text)) {
        if (!line.starts_with("Orvantis")) continue;
        const std::optional<float> value = SingleValue(line);
        if (!value) continue;
        const float v = *value;
        if (HasKey(line, "OrvantisTop")) {
            g.top = v;
        } else if (HasKey(line, "OrvantisLeft")) {
            g.left = v;
        } else if (HasKey(line, "OrvantisHeight")) {
            if (v > 0) g.height = v;
        } else if (HasKey(line, "OrvantisWidth")) {
            if (v > 0) g.width = v;
        } else if (HasKey(line, "OrvantisScaleHeight")) {
            if (v != 0) g.scale_height = v;  // negative values flip the axis and are kept
        } else if (HasKey(line, "OrvantisScaleWidth")) {
            if (v > 0) g.scale_width = v;
        }
    }
    return g;
}

std::string WriteSettingsIni(std::int16_t start_scale, std::int16_t type_chart,
                             const WindowGeometry& geometry) {
    std::string out;
    AppendLine(out, "[Orvantis] - Do NOT change the order of these variables.");
    AppendLine(out, "StartScale=" + std::to_string(start_scale));
    AppendLine(out, "TypeChart=" + std::to_string(type_chart));
    const std::pair<const char*, float> window_values[] = {
        {"OrvantisTop=", geometry.top},
        {"OrvantisLeft=", geometry.left},
        {"OrvantisHeight=", geometry.height},
        {"OrvantisWidth=", geometry.width},
        {"OrvantisScaleHeight=", geometry.scale_height},
        {"OrvantisScaleWidth=", geometry.scale_width},
    };
    for (const auto& [key, value] : window_values) {
        out += key;
        AppendNumber(out, value);
        out += "\r\n";
    }
    return out;
}

std::optional<std::string> ReadIniText(std::string_view text, std::string_view key) {
    std::optional<std::string> value;
    for (std::string_view line : SplitLines(text))
        if (HasKey(line, key)) value = std::string(ValueText(line));
    return value;
}

std::string IniTextLine(std::string_view key, std::string_view value) {
    std::string out(key);
    for (char c : value)
        if (c != '\r' && c != '\n') out += c;
    AppendLine(out, "");
    return out;
}

}  // namespace orvantis
