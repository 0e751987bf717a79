#include "library/chart_record.h"

#include <cmath>
#include <cstdlib>

namespace orvantis {
namespace {

// The election record holds 8-bit (Latin-1) text, as the wheel draws it; the library UTF-8.
// A character beyond Latin-1 becomes "?", as in the election window's text box.
std::string Latin1Of(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const int code =
            length == 2 && i + 1 < utf8.size()
                ? ((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F)
                : -1;
        out += length == 1                 ? static_cast<char>(lead)
               : code >= 0 && code <= 0xFF ? static_cast<char>(code)
                                           : '?';
        i += length;
    }
    return out;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

const char* ChartKindName(ChartKind kind) {
    switch (kind) {
        case ChartKind::kPerson:
            return "person";
        case ChartKind::kEvent:
            return "event";
        case ChartKind::kHorary:
            return "horary";
        case ChartKind::kOther:
            break;
    }
    return "other";
}

ElectionData ElectionOf(const ChartRecord& r) {
    ElectionData e;
    e.ElectEvent = Latin1Of(r.name);
    e.ElectPlace = r.place;
    e.ElectYear = static_cast<std::int16_t>(r.year);
    e.ElectMonth = static_cast<std::int16_t>(r.month);
    e.ElectDay = static_cast<std::int16_t>(r.day);
    e.ElectHour = static_cast<std::int16_t>(r.hour % 12 == 0 ? 12 : r.hour % 12);
    e.ElectPM = r.hour >= 12 ? 1 : 0;
    e.ElectMinute = static_cast<std::int16_t>(r.minute);
    e.ElectZone = static_cast<float>(r.zone_hours);
    e.ElectZoneName = r.zone_name;
    const long lon = std::lround(std::fabs(r.longitude) * 60);
    const long lat = std::lround(std::fabs(r.latitude) * 60);
    e.ElectLongDeg = static_cast<std::int16_t>(lon / 60);
    e.ElectLongMin = static_cast<std::int16_t>(lon % 60);
    e.ElectWest = r.longitude < 0 || lon == 0 ? 1 : 0;
    e.ElectLatDeg = static_cast<std::int16_t>(lat / 60);
    e.ElectLatMin = static_cast<std::int16_t>(lat % 60);
    e.ElectSouth = r.latitude < 0 && lat != 0 ? 1 : 0;
    return e;
}

ChartRecord RecordOf(const ElectionData& e, ChartRecord base) {
    base.name = Latin1ToUtf8(e.ElectEvent);
    base.place = e.ElectPlace;
    base.year = e.ElectYear;
    base.month = e.ElectMonth;
    base.day = e.ElectDay;
    base.hour = e.ElectHour % 12 + (e.ElectPM ? 12 : 0);
    base.minute = e.ElectMinute;
    base.zone_name = e.ElectZoneName;
    base.zone_hours = e.ElectZone;
    const double lon = e.ElectLongDeg + e.ElectLongMin / 60.0;
    const double lat = e.ElectLatDeg + e.ElectLatMin / 60.0;
    base.longitude = e.ElectWest ? -lon : lon;
    base.latitude = e.ElectSouth ? -lat : lat;
    return base;
}

}  // namespace orvantis
