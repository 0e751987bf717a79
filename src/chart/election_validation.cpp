#include "chart/election_validation.h"

#include <charconv>
#include <cmath>

#include "astro/calendar.h"
#include "chart/chart_driver.h"

namespace orvantis {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A whole number of at most five digits and nothing else; empty text is not a number, and
// neither is a signed one ("-0" would otherwise pass as 0).
std::optional<int> WholeNumber(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 5 || text.front() == '-') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// A decimal number such as -5 or 3.5, finite and of sane size; nothing else.
std::optional<double> DecimalNumber(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 12) return std::nullopt;
    for (char c : text)
        if (!(c == '-' || c == '.' || (c >= '0' && c <= '9'))) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value;  // "-0" is 0
}

bool Blank(const std::string& text) {
    return Trimmed(text).empty();
}

}  // namespace

std::vector<ElectionFault> ValidateElectionData(const ElectionEntry& e, char house_system) {
    std::vector<ElectionFault> faults;
    const auto fail = [&](int group, std::string field) {
        faults.push_back({group, std::move(field)});
    };
    const auto month = WholeNumber(e.month), day = WholeNumber(e.day), year = WholeNumber(e.year);
    const auto hour = WholeNumber(e.hour), minute = WholeNumber(e.minute);
    const auto zone = DecimalNumber(e.zone);
    const auto long_deg = WholeNumber(e.long_deg), long_min = WholeNumber(e.long_min);
    const auto lat_deg = WholeNumber(e.lat_deg), lat_min = WholeNumber(e.lat_min);

    // An empty field reads as 0 too, so it fails both the zero and the empty test.
    const auto zero = [](const std::optional<int>& v, const std::string& text) {
        return Blank(text) || v == 0;
    };
    if (zero(month, e.month) || zero(day, e.day) || zero(year, e.year)) fail(1, "date");
    if (Blank(e.month) || Blank(e.day) || Blank(e.year)) fail(2, "date");
    if (Blank(e.hour) || Blank(e.minute) || Blank(e.zone)) fail(3, "time");
    if (Blank(e.long_deg) || Blank(e.long_min)) fail(4, "longitude");
    if (Blank(e.lat_deg) || Blank(e.lat_min)) fail(5, "latitude");
    if (zone && e.west && *zone < -2) fail(6, "zone");
    if (house_system != 'M' && house_system != 'I' && lat_deg && lat_min &&
        (*lat_deg > 66 || (*lat_deg == 66 && *lat_min > 0)))
        fail(7, "latitude");
    if ((!month && !Blank(e.month)) || (!day && !Blank(e.day)) || (!year && !Blank(e.year)) ||
        (month && *month > 12) || (day && *day > 31) || (year && *year > 2099))
        fail(8, "date");
    // The 12-hour clock has no hour 0 (the window turns a typed 0 into 12).
    if ((!hour && !Blank(e.hour)) || (!minute && !Blank(e.minute)) ||
        (hour && (*hour > 12 || *hour == 0)) || (minute && *minute > 59))
        fail(9, "time");
    if ((!zone && !Blank(e.zone)) || (zone && (*zone > 12 || *zone < -13))) fail(10, "zone");
    if ((!long_deg && !Blank(e.long_deg)) || (!long_min && !Blank(e.long_min)) ||
        (long_deg && *long_deg > 180) || (long_min && *long_min > 59))
        fail(11, "longitude");
    // Beyond 90°00' there is no place; under Meridian and Morinus nothing else bounds it.
    if ((!lat_deg && !Blank(e.lat_deg)) || (!lat_min && !Blank(e.lat_min)) ||
        (lat_min && *lat_min > 59) || (lat_deg && *lat_deg > 90) ||
        (lat_deg && lat_min && *lat_deg == 90 && *lat_min > 0))
        fail(12, "latitude");
    // A day that does not exist in its month (30 February) would be computed for another date.
    if (month && day && year && *month >= 1 && *month <= 12 && *day >= 1 && *day <= 31 &&
        *day > DaysInMonth(*month, *year))
        fail(13, "date");
    return faults;
}

Problem ElectionFaultMessage(const ElectionFault& fault) {
    if (fault.group == 7) return {"Warning!", kLatitudeTooHigh, Icon::kInformation};
    return {"Warning!", kElectionDataError, Icon::kInformation};
}

std::optional<ElectionData> StoreElectionData(const ElectionEntry& e, char house_system,
                                              Notifier& notifier) {
    const auto faults = ValidateElectionData(e, house_system);
    for (const auto& fault : faults) notifier.Notify(ElectionFaultMessage(fault));
    if (!faults.empty()) return std::nullopt;

    const auto whole = [](const std::string& text) {
        return static_cast<std::int16_t>(*WholeNumber(text));
    };
    ElectionData d;
    d.ElectEvent = e.event;
    d.ElectMonth = whole(e.month);
    d.ElectDay = whole(e.day);
    d.ElectYear = whole(e.year);
    d.ElectHour = whole(e.hour);
    d.ElectMinute = whole(e.minute);
    d.ElectZone = static_cast<float>(*DecimalNumber(e.zone));
    d.ElectLongDeg = whole(e.long_deg);
    d.ElectLongMin = whole(e.long_min);
    d.ElectLatDeg = whole(e.lat_deg);
    d.ElectLatMin = whole(e.lat_min);
    d.ElectPM = e.pm ? 1 : 0;
    d.ElectWest = e.west ? 1 : 0;
    d.ElectSouth = e.south ? 1 : 0;
    return d;
}

}  // namespace orvantis
