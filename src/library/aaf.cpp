#include "library/aaf.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "astro/calendar.h"
#include "chart/election_validation.h"
#include "settings/text_lines.h"

namespace orvantis {
namespace {

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string_view Trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string> Fields(std::string_view data) {
    std::vector<std::string> fields;
    for (;;) {
        const auto comma = data.find(',');
        fields.emplace_back(Trimmed(data.substr(0, comma)));
        if (comma == std::string_view::npos) return fields;
        data.remove_prefix(comma + 1);
    }
}

// "*" is the format's "unknown".
std::string Known(const std::string& field) {
    return field == "*" ? std::string() : field;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Degrees, a letter for the side, minutes and optional ":seconds": "49n05", "122w25:30". Signed
// degrees, `negative` the letter of the negative side.
std::optional<double> Angle(std::string_view text, char positive, char negative, int most) {
    const auto letter = text.find_first_of(std::string{positive, negative} +
                                           static_cast<char>(positive - 'a' + 'A') +
                                           static_cast<char>(negative - 'a' + 'A'));
    if (letter == std::string_view::npos) return std::nullopt;
    const char side = static_cast<char>(text[letter] | 0x20);
    std::string_view rest = text.substr(letter + 1);
    const auto colon = rest.find(':');
    const auto degrees = WholeNumber(text.substr(0, letter));
    const auto minutes = WholeNumber(rest.substr(0, colon));
    const auto seconds = colon == std::string_view::npos ? std::optional<int>(0)
                                                         : WholeNumber(rest.substr(colon + 1));
    if (!degrees || !minutes || !seconds || *degrees < 0 || *minutes < 0 || *minutes > 59 ||
        *seconds < 0 || *seconds > 59)
        return std::nullopt;
    const double value = *degrees + *minutes / 60.0 + *seconds / 3600.0;
    if (value > most) return std::nullopt;
    return side == negative ? -value : value;
}

// A zone as "1he", "5hw30", "0e21:48" or plain hours east ("1"): hours east of Greenwich.
std::optional<double> ZoneEast(std::string_view text) {
    const auto side = text.find_first_of("eEwW");
    if (side == std::string_view::npos) {
        const auto hours = WholeNumber(text);
        return hours && *hours >= -13 && *hours <= 14 ? std::optional<double>(*hours)
                                                      : std::nullopt;
    }
    std::string_view hours = text.substr(0, side);
    if (!hours.empty() && (hours.back() == 'h' || hours.back() == 'H')) hours.remove_suffix(1);
    std::string_view rest = text.substr(side + 1);
    const auto colon = rest.find(':');
    const auto h = WholeNumber(hours);
    const auto m = rest.empty() ? std::optional<int>(0) : WholeNumber(rest.substr(0, colon));
    const auto s = colon == std::string_view::npos ? std::optional<int>(0)
                                                   : WholeNumber(rest.substr(colon + 1));
    if (!h || !m || !s || *h < 0 || *h > 14 || *m < 0 || *m > 59 || *s < 0 || *s > 59)
        return std::nullopt;
    const double east = *h + *m / 60.0 + *s / 3600.0;
    return (text[side] | 0x20) == 'w' ? -east : east;
}

// Whole numbers separated by any of `separators` ("27.9.1970", "11:04:30"); empty when a part is
// not a number.
std::vector<int> Numbers(std::string_view text, std::string_view separators) {
    std::vector<int> numbers;
    for (;;) {
        const auto end = text.find_first_of(separators);
        const auto n = WholeNumber(text.substr(0, end));
        if (!n) return {};
        numbers.push_back(*n);
        if (end == std::string_view::npos) return numbers;
        text.remove_prefix(end + 1);
    }
}

struct Chunk {
    std::string id;  // "A93", "B93", "ZNAM", "COM", "SRC", ...
    std::string data;
    int line = 0;
};

ChartKind KindOf(const std::string& type) {
    if (type == "e" || type == "E") return ChartKind::kEvent;
    if (type == "h" || type == "H") return ChartKind::kHorary;
    if (type == "l" || type == "o" || type == "L" || type == "O") return ChartKind::kOther;
    return ChartKind::kPerson;  // m, f, w, or unknown
}

std::string SlashesToCommas(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '/' ? std::string(", ") : std::string(1, c);
    return out;
}

// One record: the #A93 chunk first, then the others. Fills `chart` or returns why not.
std::optional<AafSkipped> ReadRecord(const std::vector<Chunk>& chunks, ChartRecord& chart) {
    const Chunk& a = chunks.front();
    std::vector<std::string> f = Fields(a.data);
    // Some files leave the type field out: the date then stands third.
    if (f.size() == 6 && f[2].find('.') != std::string::npos) f.insert(f.begin() + 2, "*");
    if (f.size() < 7)
        return AafSkipped{a.line, "#A93 needs 7 fields, has " + std::to_string(f.size())};
    const std::string last = Known(f[0]), first = Known(f[1]);
    if (last.empty() && first.empty()) return AafSkipped{a.line, "no name"};
    chart.name = first.empty() ? last : last.empty() ? first : last + ", " + first;
    chart.kind = KindOf(f[2]);

    const auto date = Numbers(f[3], ".");
    if (date.size() != 3 || date[2] < -4000 || date[2] > 9999 ||
        !DayExists(date[0], date[1], date[2]))
        return AafSkipped{a.line, "date \"" + f[3] + "\" is not a day d.m.yyyy"};
    chart.day = date[0];
    chart.month = date[1];
    chart.year = date[2];

    auto time = Numbers(f[4], ":.");
    if (time.size() == 2) time.push_back(0);
    if (time.size() != 3 || time[0] < 0 || time[0] > 23 || time[1] < 0 || time[1] > 59 ||
        time[2] < 0 || time[2] > 59)
        return AafSkipped{a.line, "time \"" + f[4] + "\" is not a clock time hh:mm"};
    const int *hour = &time[0], *minute = &time[1], *second = &time[2];
    chart.hour = *hour;
    chart.minute = *minute;
    const std::string town = SlashesToCommas(Known(f[5])), country = Known(f[6]);
    chart.place = country.empty() ? town : town.empty() ? country : town + ", " + country;

    const Chunk* b = nullptr;
    for (const Chunk& c : chunks) {
        if (c.id == "B93") b = &c;
        if (c.id == "ZNAM" && IsZoneName(Trimmed(c.data))) chart.zone_name = Trimmed(c.data);
        if (c.id == "COM") chart.notes += (chart.notes.empty() ? "" : "\n") + c.data;
        if (c.id == "SRC")
            chart.source += (chart.source.empty() ? "" : "\n") + std::string(Trimmed(c.data));
    }
    if (!b) return AafSkipped{a.line, "no #B93 chunk: the place's coordinates are missing"};
    const auto g = Fields(b->data);
    if (g.size() < 4)
        return AafSkipped{b->line, "#B93 needs 5 fields, has " + std::to_string(g.size())};
    const auto latitude = Angle(g[1], 'n', 's', 90);
    if (!latitude) return AafSkipped{b->line, "latitude \"" + g[1] + "\" is not like 49n05"};
    const auto longitude = Angle(g[2], 'e', 'w', 180);
    if (!longitude) return AafSkipped{b->line, "longitude \"" + g[2] + "\" is not like 8e11"};
    chart.latitude = *latitude;
    chart.longitude = *longitude;

    if (g[3] != "*") {
        const auto east = ZoneEast(g[3]);
        if (!east) return AafSkipped{b->line, "zone \"" + g[3] + "\" is not like 1he or 5hw30"};
        // Summer time: hours added to the zone; letters (m, L for local mean time) add none.
        double summer = 0;
        if (g.size() > 4 && !g[4].empty() && (std::isdigit(static_cast<unsigned char>(g[4][0])))) {
            const auto hours = WholeNumber(g[4]);
            if (!hours || *hours > 2)
                return AafSkipped{b->line, "summer time \"" + g[4] + "\" is not 0, 1 or 2"};
            summer = *hours;
        }
        chart.zone_hours = -(*east + summer) + 0.0;
    } else {
        // No zone: the Julian day of the moment gives the offset.
        double jd = 0;
        const auto [end, error] = std::from_chars(g[0].data(), g[0].data() + g[0].size(), jd);
        if (g[0] == "*" || error != std::errc() || end != g[0].data() + g[0].size())
            return AafSkipped{b->line, "neither a zone nor a Julian day"};
        const double local = JulianDayNumberOf(chart.day, chart.month, chart.year) - 0.5 +
                             (*hour + *minute / 60.0 + *second / 3600.0) / 24;
        const double east = std::nearbyint((local - jd) * 24 * 3600) / 3600;
        if (std::fabs(east) > 15) return AafSkipped{b->line, "the Julian day is not of that date"};
        chart.zone_hours = -east + 0.0;
    }
    return std::nullopt;
}

// Degrees as "49n05", with ":ss" when the seconds are not 0.
std::string AngleText(double value, char positive, char negative) {
    const long seconds = std::lround(std::fabs(value) * 3600);
    char text[32];
    std::snprintf(text, sizeof text, "%ld%c%02ld", seconds / 3600, value < 0 ? negative : positive,
                  seconds / 60 % 60);
    std::string out = text;
    if (seconds % 60) {
        std::snprintf(text, sizeof text, ":%02ld", seconds % 60);
        out += text;
    }
    return out;
}

// Commas separate fields: none may stand inside one.
std::string Field(const std::string& text, const char* unknown = "*") {
    if (text.empty()) return unknown;
    std::string out = text;
    for (char& c : out)
        if (c == ',' || c == '#' || c == '\r' || c == '\n') c = ';';
    return out;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

AafReading ReadAaf(std::string_view raw) {
    const std::string text = IsUtf8(raw) ? std::string(raw) : Latin1ToUtf8(raw);
    std::vector<std::vector<Chunk>> records;
    int number = 0;
    bool in_record = false;
    for (std::string_view line : SplitLines(text)) {
        ++number;
        if (!line.empty() && line.front() == '#') {
            const auto colon = line.find(':');
            Chunk chunk{
                std::string(line.substr(1, colon == std::string_view::npos ? 0 : colon - 1)),
                std::string(colon == std::string_view::npos ? "" : line.substr(colon + 1)), number};
            if (chunk.id == "A93") {
                records.emplace_back();
                in_record = true;
            }
            if (in_record && !chunk.id.empty()) records.back().push_back(std::move(chunk));
            continue;
        }
        // A line of its own continues the chunk above (long comments run over several lines).
        if (in_record && !Trimmed(line).empty() && !records.back().empty()) {
            Chunk& last = records.back().back();
            last.data += (last.id == "COM" ? "\n" : "") + std::string(line);
        }
    }
    AafReading reading;
    for (const auto& chunks : records) {
        ChartRecord chart;
        if (auto skipped = ReadRecord(chunks, chart))
            reading.skipped.push_back(std::move(*skipped));
        else
            reading.charts.push_back(std::move(chart));
    }
    return reading;
}

std::string WriteAaf(const std::vector<ChartRecord>& charts) {
    std::string out;
    for (const ChartRecord& c : charts) {
        const auto split = c.name.find(", ");
        const std::string last = c.name.substr(0, split);
        const std::string first = split == std::string::npos ? "" : c.name.substr(split + 2);
        const auto country_at = c.place.rfind(", ");
        const std::string town = ReplaceAll(c.place.substr(0, country_at), ", ", "/");
        const std::string country =
            country_at == std::string::npos ? "" : c.place.substr(country_at + 2);
        const char* type = c.kind == ChartKind::kEvent    ? "e"
                           : c.kind == ChartKind::kHorary ? "h"
                           : c.kind == ChartKind::kOther  ? "o"
                                                          : "*";
        char moment[64];
        std::snprintf(moment, sizeof moment, "%d.%d.%d,%02d:%02d", c.day, c.month, c.year, c.hour,
                      c.minute);
        const double jd = JulianDayNumberOf(c.day, c.month, c.year) - 0.5 +
                          (c.hour + c.minute / 60.0 + c.zone_hours) / 24;
        char day_number[32];
        std::snprintf(day_number, sizeof day_number, "%.6f", jd);
        // The zone east positive with "h": 5.5 west is "5hw30".
        const long zone_seconds = std::lround(std::fabs(c.zone_hours) * 3600);
        char zone[32];
        std::snprintf(zone, sizeof zone, "%ldh%c%02ld", zone_seconds / 3600,
                      c.zone_hours > 0 ? 'w' : 'e', zone_seconds / 60 % 60);
        std::string zone_text = zone;
        if (zone_seconds % 60) zone_text += ":" + std::to_string(100 + zone_seconds % 60).substr(1);

        out += "#A93:" + Field(last) + "," + Field(first, "") + "," + type + "," + moment + "," +
               Field(town) + "," + Field(country) + "\r\n";
        out += std::string("#B93:") + day_number + "," + AngleText(c.latitude, 'n', 's') + "," +
               AngleText(c.longitude, 'e', 'w') + "," + zone_text + ",0\r\n";
        if (!c.zone_name.empty()) out += "#ZNAM:" + c.zone_name + "\r\n";
        if (!c.notes.empty()) {
            // Each line of the notes on a line of its own; one starting with "#" would read as a
            // chunk, so it gets a blank first.
            std::string notes = ReplaceAll(c.notes, "\n#", "\n #");
            if (notes.front() == '#') notes.insert(notes.begin(), ' ');
            out += "#COM:" + ReplaceAll(notes, "\n", "\r\n") + "\r\n";
        }
        if (!c.source.empty()) out += "#SRC:" + Field(c.source) + "\r\n";
        out += "\r\n";
    }
    return out;
}

}  // namespace orvantis
