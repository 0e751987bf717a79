#include "cli/chart_frames.h"

#include <charconv>
#include <cmath>
#include <tuple>
#include <utility>

#include "cli/chart_command.h"

namespace orvantis {
namespace {

// Where the one frame number stands in a pattern, and its width.
struct FrameNumber {
    std::size_t at = 0, length = 0;
    int width = 0;
};

std::optional<FrameNumber> FindFrameNumber(std::string_view pattern) {
    std::optional<FrameNumber> found;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') continue;
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        int width = 0;
        if (j < pattern.size() && pattern[j] == '0') ++j;
        if (j < pattern.size() && pattern[j] >= '1' && pattern[j] <= '9')
            width = pattern[j++] - '0';
        if (found || j >= pattern.size() || pattern[j] != 'd') return std::nullopt;
        found = FrameNumber{i, j + 1 - i, width};
        i = j;
    }
    return found;
}

std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
    }
    return out;
}

}  // namespace

std::optional<TravelStep> ParseFrameStep(std::string_view text) {
    int count = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, count);
    if (error != std::errc() || rest == text.data() || count == 0) return std::nullopt;
    const std::string_view unit(rest, static_cast<std::size_t>(end - rest));
    const struct {
        std::string_view name;
        TravelUnit unit;
        int limit;  // steps within the 200 years the frames may span
    } kUnits[] = {
        {"m", TravelUnit::kMinute, 105'000'000}, {"min", TravelUnit::kMinute, 105'000'000},
        {"h", TravelUnit::kHour, 1'753'000},     {"d", TravelUnit::kDay, 73'050},
        {"mo", TravelUnit::kMonth, 2'400},       {"y", TravelUnit::kYear, 200}};
    for (const auto& u : kUnits)
        if (unit == u.name && std::abs(count) <= u.limit) return TravelStep{u.unit, count};
    return std::nullopt;
}

bool IsFramePattern(std::string_view pattern) {
    return FindFrameNumber(pattern).has_value();
}

std::string FramePath(std::string_view pattern, int frame) {
    const auto number = FindFrameNumber(pattern);
    if (!number) return Unescaped(pattern);
    std::string digits = std::to_string(frame);
    if (static_cast<int>(digits.size()) < number->width)
        digits.insert(0, static_cast<std::size_t>(number->width) - digits.size(), '0');
    return Unescaped(pattern.substr(0, number->at)) + digits +
           Unescaped(pattern.substr(number->at + number->length));
}

std::optional<std::string> CheckFrameOptions(const ChartCommand& c) {
    if (!c.frames) {
        if (c.step) return "--step goes with --frames";
        return std::nullopt;
    }
    if (!c.png)
        return "--frames writes PNG images: give --png with a pattern such as frame%04d.png";
    if (!IsFramePattern(*c.png))
        return "--png with --frames takes a pattern with one frame number, such as frame%04d.png "
               "(%% for a percent sign)";
    if (c.svg || c.pdf || c.wheel_items || c.events)
        return "--frames writes PNG images only: no --svg, --pdf, --wheel-items or --events";
    return std::nullopt;
}

ElectionData ElectionOfChart(const ChartState& chart) {
    // Whole degrees and minutes of the chart's signed degrees.
    const auto degrees_minutes = [](double degrees) {
        const double magnitude = std::fabs(degrees);
        auto whole = static_cast<std::int16_t>(std::floor(magnitude));
        auto minutes = static_cast<std::int16_t>(std::lround((magnitude - whole) * 60));
        if (minutes == 60) ++whole, minutes = 0;
        return std::pair{whole, minutes};
    };
    constexpr std::string_view kSuffix = " - election chart";
    std::string event = chart.ChartTitle;
    if (event.size() >= kSuffix.size() && event.ends_with(kSuffix))
        event.resize(event.size() - kSuffix.size());
    else
        event = "Time travel";  // the running clock's "Now" is not the moment of the frames
    ElectionData e;
    e.ElectEvent = event;
    e.ElectZone = chart.ChartZone;
    e.ElectZoneName = chart.ChartZoneName;
    std::tie(e.ElectLongDeg, e.ElectLongMin) = degrees_minutes(chart.Longitude);
    e.ElectWest = chart.Longitude >= 0 ? 1 : 0;
    std::tie(e.ElectLatDeg, e.ElectLatMin) = degrees_minutes(chart.Latitude);
    e.ElectSouth = chart.Latitude < 0 ? 1 : 0;
    return ElectionAt(e, chart.Moment, chart.ChartZone);
}

}  // namespace orvantis
