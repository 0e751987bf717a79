#include "chart/election_validation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

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

bool AsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool NamePart(std::string_view part) {
    if (part.empty()) return false;
    for (const char c : part) {
        if (!AsciiLetter(c) && !(c >= '0' && c <= '9') && c != '_' && c != '+' && c != '-')
            return false;
    }
    return true;
}

using E = ElectionEntry;

// The boxes of the election window with their captions, in the window's order.
constexpr std::pair<std::string E::*, const char*> kCaptions[] = {
    {&E::month, "Birth Month"},     {&E::day, "Birth Day"},         {&E::year, "Birth Year"},
    {&E::hour, "Birth Hour"},       {&E::minute, "Birth Minute"},   {&E::zone, "Time Zone"},
    {&E::long_deg, "Long Degrees"}, {&E::long_min, "Long Minutes"}, {&E::lat_deg, "Lat Degrees"},
    {&E::lat_min, "Lat Minutes"},
};

const char* BoxCaption(std::string E::*box) {
    for (const auto& [member, caption] : kCaptions)
        if (member == box) return caption;
    return "Event";
}

}  // namespace

bool IsZoneName(std::string_view text) {
    text = Trimmed(text);
    if (text == "UTC") return true;
    // An area begins with a letter and a "/" follows. No "." anywhere, so no name leads out of
    // the database's folder.
    if (text.empty() || !AsciiLetter(text[0]) || text.find('/') == std::string_view::npos)
        return false;
    for (std::size_t start = 0;;) {
        const auto end = text.find('/', start);
        if (!NamePart(text.substr(start, end - start))) return false;
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

std::vector<ElectionFault> ValidateElectionData(const ElectionEntry& e, char house_system) {
    using Box = std::string ElectionEntry::*;
    std::vector<ElectionFault> faults;
    // The first box of a group that fails, with why; none when the group passes.
    struct Check {
        Box box;
        const char* why;
        bool fails;
    };
    const auto group = [&](int number, const char* field, std::initializer_list<Check> checks) {
        for (const Check& c : checks) {
            if (!c.fails) continue;
            const std::string text(Trimmed(e.*c.box));
            faults.push_back(
                {number, field, c.box,
                 std::string(BoxCaption(c.box)) + (text.empty() ? "" : " " + text) + ": " + c.why});
            return;
        }
    };
    const auto month = WholeNumber(e.month), day = WholeNumber(e.day), year = WholeNumber(e.year);
    const auto hour = WholeNumber(e.hour), minute = WholeNumber(e.minute);
    const bool named_zone = IsZoneName(e.zone);  // looked up by the front end
    const auto zone = named_zone ? std::optional<double>(0.0) : DecimalNumber(e.zone);
    const auto long_deg = WholeNumber(e.long_deg), long_min = WholeNumber(e.long_min);
    const auto lat_deg = WholeNumber(e.lat_deg), lat_min = WholeNumber(e.lat_min);
    const auto not_number = [](const std::optional<int>& v, const std::string& text) {
        return !v && !Blank(text);
    };
    constexpr const char* kEmpty = "it must be filled in";
    constexpr const char* kWhole = "it must be a whole number";
    constexpr const char* kNotZero = "it must not be 0";

    // An empty field reads as 0 too, so it fails both the zero and the empty test.
    const auto nonzero = [&](const std::string& text) { return Blank(text) ? kEmpty : kNotZero; };
    group(1, "date",
          {{&E::month, nonzero(e.month), month == 0 || Blank(e.month)},
           {&E::day, nonzero(e.day), day == 0 || Blank(e.day)},
           {&E::year, nonzero(e.year), year == 0 || Blank(e.year)}});
    group(2, "date",
          {{&E::month, kEmpty, Blank(e.month)},
           {&E::day, kEmpty, Blank(e.day)},
           {&E::year, kEmpty, Blank(e.year)}});
    group(3, "time",
          {{&E::hour, kEmpty, Blank(e.hour)},
           {&E::minute, kEmpty, Blank(e.minute)},
           {&E::zone, kEmpty, Blank(e.zone)}});
    group(4, "longitude",
          {{&E::long_deg, kEmpty, Blank(e.long_deg)}, {&E::long_min, kEmpty, Blank(e.long_min)}});
    group(5, "latitude",
          {{&E::lat_deg, kEmpty, Blank(e.lat_deg)}, {&E::lat_min, kEmpty, Blank(e.lat_min)}});
    group(6, "zone",
          {{&E::zone, "a west longitude takes a zone of -2 or more (hours west of Greenwich)",
            zone && e.west && *zone < -2}});
    // Beyond the pole no house system helps: that is group 12's alone.
    const bool beyond_pole =
        lat_deg && lat_min && (*lat_deg > 90 || (*lat_deg == 90 && *lat_min > 0));
    group(7, "latitude",
          {{&E::lat_deg, kLatitudeTooHigh,
            lat_deg && lat_min && !beyond_pole &&
                LatitudeTooHigh(*lat_deg, *lat_min, house_system)}});
    group(8, "date",
          {{&E::month, kWhole, not_number(month, e.month)},
           {&E::month, "a month is 1 to 12", month && *month > 12},
           {&E::day, kWhole, not_number(day, e.day)},
           {&E::day, "a day is 1 to 31", day && *day > 31},
           {&E::year, kWhole, not_number(year, e.year)},
           {&E::year, "the year goes up to 2099", year && *year > 2099}});
    // The 12-hour clock has no hour 0 (the window turns a typed 0 into 12).
    group(9, "time",
          {{&E::hour, kWhole, not_number(hour, e.hour)},
           {&E::hour, "an hour is 1 to 12, with AM or PM", hour && (*hour > 12 || *hour == 0)},
           {&E::minute, kWhole, not_number(minute, e.minute)},
           {&E::minute, "a minute is 0 to 59", minute && *minute > 59}});
    group(10, "zone",
          {{&E::zone, "it must be hours (5, -5.5) or a zone name (Europe/London)",
            !zone && !Blank(e.zone)},
           {&E::zone, "the zone lies between -13 and 12 hours",
            zone && (*zone > 12 || *zone < -13)}});
    group(11, "longitude",
          {{&E::long_deg, kWhole, not_number(long_deg, e.long_deg)},
           {&E::long_deg, "the longitude goes up to 180 degrees", long_deg && *long_deg > 180},
           {&E::long_min, kWhole, not_number(long_min, e.long_min)},
           {&E::long_min, "minutes are 0 to 59", long_min && *long_min > 59}});
    // Beyond 90°00' there is no place.
    group(12, "latitude",
          {{&E::lat_deg, kWhole, not_number(lat_deg, e.lat_deg)},
           {&E::lat_deg, "the latitude goes up to 90 degrees 00 minutes",
            (lat_deg && *lat_deg > 90) || beyond_pole},
           {&E::lat_min, kWhole, not_number(lat_min, e.lat_min)},
           {&E::lat_min, "minutes are 0 to 59", lat_min && *lat_min > 59}});
    // A day that does not exist in its month (30 February) would be computed for another date.
    if (month && day && year && *month >= 1 && *month <= 12 && *day >= 1 && *day <= 31 &&
        !DayExists(*day, *month, *year)) {
        const bool reform = *year == 1582 && *month == 10;
        const std::string why =
            reform ? "5 to 14 October 1582 were skipped by the change of calendar"
                   : "month " + std::to_string(*month) + " of " + std::to_string(*year) + " has " +
                         std::to_string(DaysInMonth(*month, *year)) + " days";
        group(13, "date", {{&E::day, why.c_str(), true}});
    }
    return faults;
}

Problem ElectionFaultMessage(const ElectionFault& fault) {
    return Warning(fault.group == 7 ? kLatitudeTooHigh : kElectionDataError, Icon::kInformation);
}

Problem ElectionFaultsMessage(const std::vector<ElectionFault>& faults) {
    if (faults.size() == 1 && faults[0].group == 7) return ElectionFaultMessage(faults[0]);
    // One line a box, in the order of the window; an empty box fails two groups but is said once.
    std::string text = kElectionDataError;
    for (const auto& [box, caption] : kCaptions) {
        const auto fault = std::find_if(faults.begin(), faults.end(),
                                        [box](const ElectionFault& f) { return f.box == box; });
        if (fault != faults.end()) text += "\n" + fault->why;
    }
    return Warning(text, Icon::kInformation);
}

std::string ElectionEntry::*FirstBoxAtFault(const std::vector<ElectionFault>& faults) {
    for (const auto& [box, caption] : kCaptions) {
        for (const ElectionFault& fault : faults)
            if (fault.box == box) return box;
    }
    return nullptr;
}

std::optional<ElectionData> StoreElectionData(const ElectionEntry& e, char house_system,
                                              Notifier& notifier) {
    const auto faults = ValidateElectionData(e, house_system);
    if (!faults.empty()) {
        notifier.Notify(ElectionFaultsMessage(faults));
        return std::nullopt;
    }

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
    if (IsZoneName(e.zone))
        d.ElectZoneName = std::string(Trimmed(e.zone));
    else
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
