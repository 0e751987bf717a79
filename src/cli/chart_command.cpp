#include "cli/chart_command.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace orvantis {

const char* const kChartCommandUsage =
    "usage: orvantis-chart [options]\n"
    "Prints the chart of the present moment at the home place of OPTIONS.OPT, or of the\n"
    "election moment and place given.\n"
    "\n"
    "  --date YYYY-MM-DD   local clock date of an election chart (with --time)\n"
    "  --time HH:MM        local clock time, 24-hour (with --date)\n"
    "  --zone H            time zone in hours, west positive (5 is New York, -1 Paris)\n"
    "  --long D.MMx        longitude, degrees.minutes and E or W (12.3E is 12 30' east)\n"
    "  --lat D.MMx         latitude, degrees.minutes and N or S\n"
    "  --event TEXT        event name of the election chart\n"
    "  --house P|R|K|C|O|E|M|I   house system (default: option 27)\n"
    "  --zodiac 0|1|2      tropical, sidereal SVP, sidereal ayanamsa (default: option 123)\n"
    "  --node 0|1          mean or true node (default: option 29)\n"
    "  --json              print one JSON object instead of a table\n"
    "  --aspects           list the aspects\n"
    "  --orbs FILE         the orb file of --aspects and of the PDF's aspect grid\n"
    "  --png FILE          render the wheel into a PNG image\n"
    "  --size WxH          image size for --png (default 1024x768)\n"
    "  --layout american|european   wheel layout for --png (default: ORVANTIS.INI)\n"
    "  --svg FILE          render the wheel as SVG (same size and layout as --png)\n"
    "  --wheel-items FILE  write what the wheel drew as one JSON object (size, layout, boxes)\n"
    "  --pdf FILE          write the full printed page as a PDF\n"
    "  --data-dir DIR      folder of OPTIONS.OPT and the other data files\n"
    "  --help              this text\n"
    "\n"
    "Exit status: 0 done, 2 refused input or a chart that cannot be computed, 1 other failures.\n";

namespace {

// A plain whole number from low to high (both at least 0). A sign is refused, "-0" too: the
// election window's rule for whole numbers.
std::optional<int> SmallNumber(const std::string& text, int low, int high) {
    if (!text.empty() && text.front() == '-') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// "1024x768" into width and height.
bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    const auto w = SmallNumber(text.substr(0, x), 16, 8192);
    const auto h = SmallNumber(text.substr(x + 1), 16, 8192);
    if (!w || !h) return false;
    width = *w;
    height = *h;
    return true;
}

}  // namespace

std::variant<ChartCommand, UsageError> ParseChartCommand(const std::vector<std::string>& args) {
    ChartCommand c;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        const auto needs_value = [&] { return UsageError{a + " needs a value"}; };

        if (a == "--help" || a == "-h") {
            c.help = true;
        } else if (a == "--json") {
            c.json = true;
        } else if (a == "--aspects") {
            c.aspects = true;
        } else if (a == "--date" || a == "--time" || a == "--zone" || a == "--long" ||
                   a == "--lat" || a == "--event" || a == "--data-dir" || a == "--png" ||
                   a == "--orbs" || a == "--pdf" || a == "--svg" || a == "--wheel-items") {
            auto v = value();
            if (!v) return needs_value();
            if (a == "--date") c.date = *v;
            if (a == "--time") c.time = *v;
            if (a == "--zone") c.zone = *v;
            if (a == "--long") c.longitude = *v;
            if (a == "--lat") c.latitude = *v;
            if (a == "--event") c.event = *v;
            if (a == "--data-dir") c.data_dir = *v;
            if (a == "--png") c.png = *v;
            if (a == "--orbs") c.orbs = *v;
            if (a == "--pdf") c.pdf = *v;
            if (a == "--svg") c.svg = *v;
            if (a == "--wheel-items") c.wheel_items = *v;
        } else if (a == "--house") {
            auto v = value();
            if (!v) return needs_value();
            if (v->size() != 1 || std::string("PRKCOEMI").find((*v)[0]) == std::string::npos)
                return UsageError{"--house takes one of P R K C O E M I"};
            c.house = (*v)[0];
        } else if (a == "--zodiac" || a == "--node") {
            auto v = value();
            if (!v) return needs_value();
            const auto n = SmallNumber(*v, 0, a == "--zodiac" ? 2 : 1);
            if (!n)
                return UsageError{a == "--zodiac" ? "--zodiac takes 0, 1 or 2"
                                                  : "--node takes 0 or 1"};
            (a == "--zodiac" ? c.zodiac : c.node) = *n;
        } else if (a == "--size") {
            auto v = value();
            if (!v) return needs_value();
            if (!ParseSize(*v, c.png_width, c.png_height))
                return UsageError{"--size takes WIDTHxHEIGHT, each 16 to 8192"};
        } else if (a == "--layout") {
            auto v = value();
            if (!v) return needs_value();
            if (*v == "american")
                c.layout = 0;
            else if (*v == "european")
                c.layout = 1;
            else
                return UsageError{"--layout takes american or european"};
        } else {
            return UsageError{"unknown option " + a};
        }
    }
    if (c.date.has_value() != c.time.has_value())
        return UsageError{"--date and --time go together"};
    if (!c.date && (c.zone || c.longitude || c.latitude || c.event))
        return UsageError{
            "--zone, --long, --lat and --event describe an election chart: give "
            "--date and --time too"};
    if (c.orbs && !c.aspects && !c.pdf) return UsageError{"--orbs goes with --aspects or --pdf"};
    return c;
}

namespace {

// The option rounded to a whole number, as text. Printed from the double, not through an int:
// a hand-edited options file can hold 3e38, which no int holds; the election checks refuse the
// long text that gives. Adding 0.0 turns -0 into 0.
std::string WholeText(float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::nearbyint(static_cast<double>(value)) + 0.0);
    return buffer;
}

std::string ZoneText(float value) {
    // Room for every single in fixed notation: 3e38 has 39 digits, 1e-45 has 45 decimals.
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, r.ptr);
}

// "D.MMx": degrees, minutes as the two digits after the point ("12.3" is 12°30', "12.05" is
// 12°05'), and a direction letter out of `letters` (first: the negative side of the options).
struct Packed {
    std::string degrees, minutes;
    char direction = 0;
};
std::optional<Packed> SplitPacked(std::string text, const char* letters) {
    if (text.empty()) return std::nullopt;
    char d = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (d != letters[0] && d != letters[1]) return std::nullopt;
    text.pop_back();
    Packed p;
    p.direction = d;
    const auto point = text.find('.');
    p.degrees = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (fraction.size() > 2) return std::nullopt;
    while (fraction.size() < 2) fraction += '0';
    p.minutes = fraction;
    if (p.degrees.empty()) return std::nullopt;
    for (char c : p.degrees + p.minutes)
        if (c < '0' || c > '9') return std::nullopt;
    // Leading zeros of the minutes are not part of the number the entry checks.
    p.minutes = std::to_string((p.minutes[0] - '0') * 10 + (p.minutes[1] - '0'));
    return p;
}

// The event name as the charts' 8-bit text. The command line comes in UTF-8, while the wheel
// draws a chart's texts as Latin-1 and the reports read them so: a character beyond Latin-1
// becomes "?", as in the election window's text box, and a byte that starts no UTF-8 sequence
// is taken as the Latin-1 character it already is.
std::string EightBitText(std::string_view utf8) {
    std::string text;
    std::size_t i = 0;
    const auto continuation = [&](std::size_t at) {
        return at < utf8.size() && (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80;
    };
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        // Length of the sequence and its smallest code point (longer forms of smaller code
        // points are no UTF-8).
        const int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                           : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                          : 1;
        char32_t code = lead;
        bool whole = length > 1;
        if (whole) {
            code = lead & (0x7F >> length);
            for (int k = 1; k < length && whole; ++k) {
                whole = continuation(i + k);
                if (whole) code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            }
            const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
            const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
            whole = whole && code >= smallest && code <= 0x10FFFF && !surrogate;
        }
        if (!whole) {
            text += static_cast<char>(lead);
            ++i;
            continue;
        }
        text += code <= 0xFF ? static_cast<char>(code) : '?';
        i += static_cast<std::size_t>(length);
    }
    return text;
}

}  // namespace

std::variant<ElectionEntry, FieldError> BuildElectionEntry(const ChartCommand& c,
                                                           const OptionValues& options) {
    ElectionEntry e;
    e.event = EightBitText(c.event.value_or("Election"));

    const std::string& date = *c.date;
    if (date.size() < 8 || std::count(date.begin(), date.end(), '-') != 2)
        return FieldError{"date", "the date is written YYYY-MM-DD"};
    const auto first = date.find('-'), second = date.find('-', first + 1);
    e.year = date.substr(0, first);
    e.month = date.substr(first + 1, second - first - 1);
    e.day = date.substr(second + 1);

    const std::string& time = *c.time;
    const auto colon = time.find(':');
    if (colon == std::string::npos) return FieldError{"time", "the time is written HH:MM"};
    const auto hour24 = SmallNumber(time.substr(0, colon), 0, 23);
    if (!hour24) return FieldError{"time", "the hour is 00 to 23"};
    e.hour = std::to_string(*hour24 == 0 ? 12 : (*hour24 > 12 ? *hour24 - 12 : *hour24));
    e.pm = *hour24 >= 12;
    e.minute = time.substr(colon + 1);

    e.zone = c.zone.value_or(ZoneText(options[18]));

    if (c.longitude) {
        const auto p = SplitPacked(*c.longitude, "EW");
        if (!p) return FieldError{"longitude", "the longitude is written D.MM and E or W"};
        e.long_deg = p->degrees;
        e.long_min = p->minutes;
        e.west = p->direction == 'W';
    } else {
        e.long_deg = WholeText(options[19]);
        e.long_min = WholeText(options[20]);
        e.west = options[21] == 0;
    }
    if (c.latitude) {
        const auto p = SplitPacked(*c.latitude, "SN");
        if (!p) return FieldError{"latitude", "the latitude is written D.MM and N or S"};
        e.lat_deg = p->degrees;
        e.lat_min = p->minutes;
        e.south = p->direction == 'S';
    } else {
        e.lat_deg = WholeText(options[22]);
        e.lat_min = WholeText(options[23]);
        e.south = options[24] != 0;
    }
    return e;
}

}  // namespace orvantis
