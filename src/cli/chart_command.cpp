#include "cli/chart_command.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "chart/house_systems.h"
#include "cli/chart_frames.h"
#include "settings/option_lines.h"

namespace orvantis {

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

// What an option does with its value; a refused value gives the message to show.
using ApplyOption = std::function<std::optional<std::string>(ChartCommand&, const std::string&)>;

// One option: its names (a one-letter name first), the placeholder of its value (empty for a
// switch), its line in the help text, and what it does.
struct ChartOption {
    std::vector<const char*> names;
    const char* value;
    const char* help;
    ApplyOption apply;
};

template <class Field>
ApplyOption Text(Field ChartCommand::*field) {
    return [field](ChartCommand& c, const std::string& v) -> std::optional<std::string> {
        c.*field = v;
        return std::nullopt;
    };
}

ApplyOption Switch(bool ChartCommand::*field) {
    return [field](ChartCommand& c, const std::string&) -> std::optional<std::string> {
        c.*field = true;
        return std::nullopt;
    };
}

ApplyOption Number(std::optional<int> ChartCommand::*field, int low, int high,
                   const char* refusal) {
    return [=](ChartCommand& c, const std::string& v) -> std::optional<std::string> {
        const auto n = SmallNumber(v, low, high);
        if (!n) return refusal;
        c.*field = *n;
        return std::nullopt;
    };
}

// A value that is one of two words, each standing for one value of the field.
template <class Value>
ApplyOption OneOfTwo(std::optional<Value> ChartCommand::*field, const char* first,
                     Value first_value, const char* second, Value second_value,
                     const char* refusal) {
    return [=](ChartCommand& c, const std::string& v) -> std::optional<std::string> {
        if (v != first && v != second) return refusal;
        c.*field = v == first ? first_value : second_value;
        return std::nullopt;
    };
}

// Every option of the command, in the order of the help text. Adding an option is one entry here
// (and its field in ChartCommand).
std::vector<ChartOption> ChartOptions() {
    return {
        {{"date"},
         "YYYY-MM-DD",
         "local clock date of an election chart (with --time)",
         Text(&ChartCommand::date)},
        {{"time"}, "HH:MM", "local clock time, 24-hour (with --date)", Text(&ChartCommand::time)},
        {{"zone"},
         "H",
         "time zone in hours, west positive (5 is New York, -1 Paris)",
         Text(&ChartCommand::zone)},
        {{"tz"},
         "NAME",
         "time zone by name (Europe/Berlin), the offset in force then; without --date the home "
         "zone of this run",
         [](ChartCommand& c, const std::string& v) -> std::optional<std::string> {
             if (!IsZoneName(v))
                 return "--tz takes a time zone name such as Europe/Berlin (--zone takes hours)";
             c.tz = v;
             return std::nullopt;
         }},
        {{"fold"},
         "0|1",
         "a local time that occurs twice (clocks put back): the first or the second",
         Number(&ChartCommand::fold, 0, 1, "--fold takes 0 or 1")},
        {{"long"},
         "D.MMx",
         "longitude, degrees.minutes and E or W (12.3E is 12 30' east)",
         Text(&ChartCommand::longitude)},
        {{"lat"}, "D.MMx", "latitude, degrees.minutes and N or S", Text(&ChartCommand::latitude)},
        {{"event"}, "TEXT", "event name of the election chart", Text(&ChartCommand::event)},
        {{"house"},
         "P|R|K|C|O|E|M|I",
         "house system (default: option 27)",
         [](ChartCommand& c, const std::string& v) -> std::optional<std::string> {
             if (v.size() != 1 || !HouseSystemOfLetter(v[0]))
                 return "--house takes one of " + HouseLetterList();
             c.house = v[0];
             return std::nullopt;
         }},
        {{"zodiac"},
         "0|1|2",
         "tropical, sidereal SVP, sidereal ayanamsa (default: option 123)",
         Number(&ChartCommand::zodiac, 0, 2, "--zodiac takes 0, 1 or 2")},
        {{"node"},
         "0|1",
         "mean or true node (default: option 29)",
         Number(&ChartCommand::node, 0, 1, "--node takes 0 or 1")},
        {{"ephemeris"},
         "builtin|precise",
         "built-in series or precise apparent positions (default: option 132)",
         OneOfTwo(&ChartCommand::ephemeris, "builtin", 0, "precise", 1,
                  "--ephemeris takes builtin or precise")},
        {{"json"}, "", "print one JSON object instead of a table", Switch(&ChartCommand::json)},
        {{"aspects"}, "", "list the aspects", Switch(&ChartCommand::aspects)},
        {{"orbs"},
         "FILE",
         "the orb file of --aspects and of the PDF's aspect grid",
         Text(&ChartCommand::orbs)},
        {{"png"}, "FILE", "render the wheel into a PNG image", Text(&ChartCommand::png)},
        {{"size"},
         "WxH",
         "image size for --png, window size for --page half (default 1024x768)",
         [](ChartCommand& c, const std::string& v) -> std::optional<std::string> {
             if (!ParseSize(v, c.png_width, c.png_height))
                 return "--size takes WIDTHxHEIGHT, each 16 to 8192";
             return std::nullopt;
         }},
        {{"layout"},
         "american|european",
         "wheel layout for --png, --svg and --pdf (default: ORVANTIS.INI)",
         OneOfTwo(&ChartCommand::layout, "american", 0, "european", 1,
                  "--layout takes american or european")},
        {{"svg"},
         "FILE",
         "render the wheel as SVG (same size and layout as --png)",
         Text(&ChartCommand::svg)},
        {{"wheel-items"},
         "FILE",
         "write what the wheel drew as one JSON object (boxes in pixels)",
         Text(&ChartCommand::wheel_items)},
        {{"pdf"}, "FILE", "write the printed page as a PDF", Text(&ChartCommand::pdf)},
        {{"page"},
         "full|half",
         "the full page, or the window's wheel on the upper half (default full)",
         OneOfTwo(&ChartCommand::page, "full", PrintedPage::kFull, "half", PrintedPage::kHalf,
                  "--page takes full or half")},
        {{"paper"},
         "a4|letter",
         "paper of the PDF (default: letter in US locales, else a4)",
         OneOfTwo(&ChartCommand::paper, "a4", Paper::kA4, "letter", Paper::kLetter,
                  "--paper takes a4 or letter")},
        {{"data-dir"},
         "DIR",
         "read every file from DIR (installed, the default is ~/.config/orvantis)",
         Text(&ChartCommand::data_dir)},
        {{"batch"},
         "",
         "read chart requests as JSON Lines on standard input, write one JSON result a line",
         Switch(&ChartCommand::batch)},
        {{"events"},
         "",
         "list the events of the sky instead (with --json as a JSON array)",
         Switch(&ChartCommand::events)},
        {{"from"},
         "YYYY-MM-DD",
         "first day of --events or --transits, from 00:00 UT (default: today at home)",
         Text(&ChartCommand::from)},
        {{"days"},
         "N",
         "number of days of --events or --transits, 1 to 3660 (default 30)",
         Text(&ChartCommand::days)},
        {{"kinds"},
         "LIST",
         "ingress,station,aspect,phase,void,angle (default: all); with --transits "
         "transit,transit_house",
         Text(&ChartCommand::kinds)},
        {{"transits"},
         "",
         "list the transits to the chart (--date and --time, or a saved chart) instead, over "
         "--from and --days, --kinds transit,transit_house",
         Switch(&ChartCommand::transits)},
        {{"moon"}, "", "with --transits: the Moon's transits too", Switch(&ChartCommand::moon)},
        {{"natal"},
         "NAME",
         "with --png, --svg or --pdf: draw the saved chart NAME with this chart's sky as its "
         "transits (a bi-wheel)",
         Text(&ChartCommand::natal)},
        {{"place"},
         "NAME",
         "a place by name (\"London, Ontario\"): its longitude, latitude and zone; without --date "
         "the present moment there",
         Text(&ChartCommand::place)},
        {{"places"},
         "QUERY",
         "list the places of the atlas that match (with --json as a JSON array)",
         Text(&ChartCommand::places)},
        {{"chart"},
         "NAME",
         "the chart saved under NAME in the chart library",
         Text(&ChartCommand::chart)},
        {{"charts"},
         "",
         "list the chart library (with --json as a JSON array)",
         Switch(&ChartCommand::charts)},
        {{"import"},
         "FILE.aaf",
         "add the charts of an AAF file to the chart library",
         Text(&ChartCommand::import_file)},
        {{"export"},
         "FILE.aaf",
         "write the chart library (or the --chart) as an AAF file",
         Text(&ChartCommand::export_file)},
        {{"frames"},
         "N",
         "write N frames of an animation with --png PATTERN%04d.png, 1 to 100000",
         Number(&ChartCommand::frames, 1, 100000, "--frames takes 1 to 100000")},
        {{"step"},
         "DURATION",
         "the time from frame to frame: 15min, 1h, 1d, 1mo, 1y, -1d (default 1h)",
         [](ChartCommand& c, const std::string& v) -> std::optional<std::string> {
             c.step = ParseFrameStep(v);
             if (!c.step) return "--step takes a whole number and min, h, d, mo or y (1h, -15min)";
             return std::nullopt;
         }},
        {{"verbose"},
         "",
         "tell the frames per second on standard error",
         Switch(&ChartCommand::verbose)},
        {{"h", "help"}, "", "this text", Switch(&ChartCommand::help)},
        {{"v", "version"}, "", "the program's version", Switch(&ChartCommand::version)},
    };
}

// Arguments travel through Qt as Latin-1, each byte the character of the same number, so that
// values come back byte for byte whatever their encoding (an event name may be any 8-bit text).
QString Bytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// The places and library options against the rest: what cannot go together.
std::optional<std::string> LibraryOptionsRefusal(const ChartCommand& c) {
    if (c.place && c.events) return "--events lists events from the home place: no --place";
    if (c.place && (c.longitude || c.latitude || c.zone || c.tz))
        return "--place sets --long, --lat and --tz: give one or the other";
    if (c.chart && (c.date || c.place || c.events))
        return "--chart computes a saved chart: no --date, --time, --place or --events";
    const int listings =
        (c.places ? 1 : 0) + (c.charts ? 1 : 0) + (c.import_file ? 1 : 0) + (c.export_file ? 1 : 0);
    if (listings > 1) return "give one of --places, --charts, --import and --export";
    if (c.chart && (c.places || c.charts || c.import_file))
        return "--chart goes with the chart options or --export";
    return std::nullopt;
}

std::string Synopsis(const ChartOption& option) {
    std::string synopsis;
    for (const char* name : option.names)
        synopsis += (synopsis.empty() ? "" : ", ") + std::string(name[1] ? "--" : "-") + name;
    if (*option.value) synopsis += std::string(" ") + option.value;
    return synopsis;
}

// The options that go together, and those that do not.
std::variant<ChartCommand, UsageError> CheckedCommand(ChartCommand c) {
    if (c.date.has_value() != c.time.has_value())
        return UsageError{"--date and --time go together"};
    if (!c.date && (c.zone || c.longitude || c.latitude || c.event))
        return UsageError{
            "--zone, --long, --lat and --event describe an election chart: give "
            "--date and --time too"};
    if (c.orbs && !c.aspects && !c.pdf) return UsageError{"--orbs goes with --aspects or --pdf"};
    if (c.tz && c.zone) return UsageError{"give the zone once: --zone in hours or --tz by name"};
    if (c.fold && !c.date) return UsageError{"--fold goes with --date and --time"};
    if ((c.page || c.paper) && !c.pdf) return UsageError{"--page and --paper go with --pdf"};
    if (!c.events && !c.transits && (c.from || c.days || c.kinds))
        return UsageError{"--from, --days and --kinds go with --events or --transits"};
    if (c.moon && !c.transits) return UsageError{"--moon goes with --transits"};
    if (c.natal && !c.png && !c.svg && !c.pdf && !c.wheel_items)
        return UsageError{"--natal goes with --png, --svg, --pdf or --wheel-items"};
    if (c.transits &&
        (c.events || c.aspects || c.png || c.pdf || c.svg || c.wheel_items || c.frames))
        return UsageError{
            "--transits lists transits: no --events, --aspects, --png, --svg or --pdf"};
    if (c.transits && !c.date && !c.chart)
        return UsageError{
            "--transits needs the chart the transits are to: --chart NAME, or --date and --time"};
    if (auto refusal = CheckFrameOptions(c)) return UsageError{std::move(*refusal)};
    if (c.events && (c.date || c.aspects || c.png || c.pdf))
        return UsageError{
            "--events lists events from the home place: no --date, --aspects, --png or --pdf"};
    if (c.batch && (c.png || c.svg || c.pdf || c.wheel_items || c.frames || c.events))
        return UsageError{
            "--batch writes JSON: no --png, --svg, --pdf, --wheel-items, --frames or --events"};
    if (auto refusal = LibraryOptionsRefusal(c)) return UsageError{std::move(*refusal)};
    return c;
}

}  // namespace

std::string ChartCommandUsage() {
    std::string usage =
        "usage: orvantis-chart [options]\n"
        "Prints the chart of the present moment at the home place of OPTIONS.OPT, or of the\n"
        "election moment and place given.\n\n";
    const auto options = ChartOptions();
    std::size_t width = 0;
    for (const auto& option : options) width = std::max(width, Synopsis(option).size());
    for (const auto& option : options) {
        const std::string synopsis = Synopsis(option);
        usage +=
            "  " + synopsis + std::string(width + 3 - synopsis.size(), ' ') + option.help + "\n";
    }
    return usage +
           "\nExit status: 0 done, 2 refused input or a chart that cannot be computed, 1 other "
           "failures.\n";
}

std::string ChartCommandVersion() {
    return "orvantis-chart " ORVANTIS_VERSION "\n";
}

// The option table and Qt's parser over it, built once: a batch parses a command line a request.
struct ChartCommandParser::Parts {
    std::vector<ChartOption> options = ChartOptions();
    std::unique_ptr<QCommandLineParser> parser;
    std::map<QString, std::size_t> option_of;  // each name to its option

    void Build() {
        parser = std::make_unique<QCommandLineParser>();
        for (std::size_t i = 0; i < options.size(); ++i) {
            QStringList names;
            for (const char* name : options[i].names) {
                names << QString::fromLatin1(name);
                option_of[names.back()] = i;
            }
            parser->addOption(QCommandLineOption(names, QString::fromLatin1(options[i].help),
                                                 QString::fromLatin1(options[i].value)));
        }
    }
};

ChartCommandParser::ChartCommandParser() : parts_(std::make_unique<Parts>()) {
    parts_->Build();
}

ChartCommandParser::~ChartCommandParser() = default;

std::variant<ChartCommand, UsageError> ChartCommandParser::Parse(
    const std::vector<std::string>& args) {
    QStringList arguments{QStringLiteral("orvantis-chart")};
    for (const auto& arg : args) arguments << Bytes(arg);
    QCommandLineParser& parser = *parts_->parser;
    if (!parser.parse(arguments)) {
        UsageError error{Bytes(parser.errorText())};
        parts_->Build();  // the next parse starts from a parser without this error
        return error;
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return UsageError{"Unexpected argument '" + Bytes(extra.front()) + "'."};
    std::vector<bool> given(parts_->options.size());
    for (const QString& name : parser.optionNames()) given[parts_->option_of.at(name)] = true;

    ChartCommand c;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (!given[i]) continue;
        const ChartOption& option = parts_->options[i];
        // A value given twice: the last one counts, as in most programs.
        const std::string value =
            *option.value ? Bytes(parser.value(QString::fromLatin1(option.names.front()))) : "";
        if (auto refusal = option.apply(c, value)) return UsageError{std::move(*refusal)};
    }
    return CheckedCommand(std::move(c));
}

std::variant<ChartCommand, UsageError> ParseChartCommand(const std::vector<std::string>& args) {
    return ChartCommandParser().Parse(args);
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
                                                           const OptionValues& options,
                                                           const std::string& home_zone_name) {
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

    const HomeLocation home = HomePlace(options);
    e.zone = c.tz.value_or(
        c.zone.value_or(home_zone_name.empty() ? ZoneText(home.zone) : home_zone_name));

    if (c.longitude) {
        const auto p = SplitPacked(*c.longitude, "EW");
        if (!p) return FieldError{"longitude", "the longitude is written D.MM and E or W"};
        e.long_deg = p->degrees;
        e.long_min = p->minutes;
        e.west = p->direction == 'W';
    } else {
        e.long_deg = WholeText(home.long_degrees);
        e.long_min = WholeText(home.long_minutes);
        e.west = home.west;
    }
    if (c.latitude) {
        const auto p = SplitPacked(*c.latitude, "SN");
        if (!p) return FieldError{"latitude", "the latitude is written D.MM and N or S"};
        e.lat_deg = p->degrees;
        e.lat_min = p->minutes;
        e.south = p->direction == 'S';
    } else {
        e.lat_deg = WholeText(home.lat_degrees);
        e.lat_min = WholeText(home.lat_minutes);
        e.south = home.south;
    }
    return e;
}

}  // namespace orvantis
