#include "settings/home_place_lines.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "settings/options_file.h"
#include "settings/text_lines.h"

namespace orvantis {
namespace {

std::string ValueText(float value) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0f);
    return std::string(buffer, r.ptr);
}

}  // namespace

std::optional<std::string> WithHomePlace(std::string_view text, const HomeLocation& home,
                                         const std::string& zone_name) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
    if (lines.size() < static_cast<std::size_t>(kOptionCount)) return std::nullopt;
    for (int n = 1; n <= kOptionCount; ++n)
        if (lines[n - 1].empty()) return std::nullopt;
    const auto set = [&](int line, const std::string& value) {
        std::string& l = lines[line - 1];
        const std::string rest = l.size() > kOptionValueWidth ? l.substr(kOptionValueWidth) : "";
        l = value +
            std::string(value.size() < kOptionValueWidth ? kOptionValueWidth - value.size() : 0,
                        ' ') +
            rest;
    };
    set(kOptionHomeZone, ValueText(home.zone));
    set(kOptionHomeLongDeg, ValueText(home.long_degrees));
    set(kOptionHomeLongMin, ValueText(home.long_minutes));
    set(kOptionHomeLongEast, home.west ? "0" : "-1");
    set(kOptionHomeLatDeg, ValueText(home.lat_degrees));
    set(kOptionHomeLatMin, ValueText(home.lat_minutes));
    set(kOptionHomeLatSouth, home.south ? "-1" : "0");
    const std::string name = zone_name.empty() ? "0" : zone_name;
    if (lines.size() <= static_cast<std::size_t>(kOptionCount)) {
        lines.push_back(name);
    } else {
        std::string& l = lines[kOptionCount];
        const auto blank = l.find_first_of(" \t");
        l = name + (blank == std::string::npos ? "" : l.substr(blank));
    }
    const std::string end = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::string out;
    for (const std::string& l : lines) out += l + end;
    return out;
}

}  // namespace orvantis
