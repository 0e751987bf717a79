// Every reader of user-editable text on the same bytes: the lenient numbers, ORVANTIS.INI,
// OPTIONS.OPT and what start-up makes of it, the owner file, the orb file and the aspect
// classification under its orbs, the two drawing tables and the help viewer. None may read past
// its table, write index 0, let a non-finite value through or lose what it wrote.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "aspects/aspect_kind.h"
#include "aspects/orb_file.h"
#include "chart/chart_driver.h"
#include "fuzz_check.h"
#include "settings/ini_file.h"
#include "settings/lenient_number.h"
#include "settings/option_lines.h"
#include "settings/options_file.h"
#include "settings/owner_name.h"
#include "wheel/drawing_tables.h"
#include "windows/help_window.h"

using namespace orvantis;

namespace {

// Within its leading run of number characters the lenient syntax is a subset of strtod's, so
// both read the same number (no digits: 0).
void CheckLenientNumber(std::string_view text) {
    const auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    const double value = LenientNumber(text);
    FUZZ_CHECK(!std::isnan(value));
    const std::string head(text.substr(0, text.find_first_not_of("0123456789.eE+- \t")));
    FUZZ_CHECK(same(LenientNumber(head), value));
    const std::size_t first = head.find_first_not_of(" \t");
    const char* start = head.c_str() + (first == std::string::npos ? head.size() : first);
    char* end = nullptr;
    const double reference = std::strtod(start, &end);
    FUZZ_CHECK(end == start ? value == 0.0 : same(value, reference));
    if (const auto rounded = RoundToInt16(value)) FUZZ_CHECK(std::fabs(value - *rounded) <= 0.5);
}

// The window sizes stay usable, and what was read survives the write at exit and the next start.
void CheckIni(std::string_view text) {
    const IniScaleAndChart settings = ReadIniScaleAndChart(text);
    const WindowGeometry g = ReadIniWindowGeometry(text);
    for (float v : {g.top, g.left, g.height, g.width, g.scale_height, g.scale_width})
        FUZZ_CHECK(std::isfinite(v));
    FUZZ_CHECK(g.height > 0 && g.width > 0 && g.scale_width > 0 && g.scale_height != 0);
    const std::string written = WriteSettingsIni(settings.StartScale, settings.TypeChart, g);
    const IniScaleAndChart again = ReadIniScaleAndChart(written);
    FUZZ_CHECK(again.StartScale == settings.StartScale && again.TypeChart == settings.TypeChart);
    const WindowGeometry h = ReadIniWindowGeometry(written);
    FUZZ_CHECK(h.top == g.top && h.left == g.left && h.height == g.height && h.width == g.width &&
               h.scale_height == g.scale_height && h.scale_width == g.scale_width);
}

// Over values that already hold something, as after a Save in the options editor; then what
// start-up does with the values as the file stands.
void CheckOptions(std::string_view text) {
    OptionValues values;
    values.fill(4242.5f);
    values[0] = -777.25f;
    const OptionsReading reading = ReadOptionsFile(text, values);
    FUZZ_CHECK(values[0] == -777.25f);
    FUZZ_CHECK(reading.lines_read >= 0 && reading.lines_read <= kOptionCount);
    for (int n = 1; n <= kOptionCount; ++n)
        FUZZ_CHECK(n > reading.lines_read ? values[n] == 4242.5f : std::isfinite(values[n]));

    OptionValues options{};
    ReadOptionsFile(text, options);
    using namespace std::chrono;
    const sys_seconds now = sys_days{year{2024} / 3 / 1} + hours{13} + minutes{5} + seconds{7};
    const ElectionData e = LoadElectionDataFromNow(now, options, options[kOptionHomeZone]);
    FUZZ_CHECK(e.ElectMonth >= 1 && e.ElectMonth <= 12 && e.ElectDay >= 1 && e.ElectDay <= 31);
    FUZZ_CHECK(e.ElectHour >= 1 && e.ElectHour <= 12 && e.ElectMinute >= 0 && e.ElectMinute <= 59);
    fuzz::CountingNotifier notifier;
    FUZZ_CHECK(CheckHomeData(options, notifier) == (notifier.count == 0));
    (void)CheckLatitudeLimit(options, HouseLetterForOption(options[kOptionStartHouseSystem]),
                             notifier);
}

// The name is the start of the first line.
void CheckOwnerName(std::string_view text) {
    FUZZ_CHECK(text.starts_with(ReadOwnerName(text)));
}

// The first doubles of the bytes, as many as lie within their first `limit` bytes.
std::vector<double> DoublesOf(std::string_view text, std::size_t limit) {
    std::vector<double> values(std::min(text.size(), limit) / sizeof(double));
    if (!values.empty()) std::memcpy(values.data(), text.data(), values.size() * sizeof(double));
    return values;
}

// The orbs, over orbs a first file left; then the classification under them for longitudes
// taken from the same bytes: the distance folds into 0..180, the kind is 1..17 but never 7,
// and the order of the two bodies does not matter.
void CheckOrbs(std::string_view text) {
    OrbValues orbs;
    orbs.fill(3.75f);
    orbs[0] = -99.5f;
    ReadOrbFile(text, orbs);
    FUZZ_CHECK(orbs[0] == -99.5f);
    for (int n = 1; n <= kOrbCount; ++n) FUZZ_CHECK(std::isfinite(orbs[n]));
    const std::vector<double> x = DoublesOf(text, 256);
    for (std::size_t i = 0; i + 1 < x.size(); i += 2) {
        if (!std::isfinite(x[i]) || !std::isfinite(x[i + 1])) continue;
        const double distance = AspectDistance(x[i], x[i + 1]);
        FUZZ_CHECK(distance >= 0.0 && distance <= 180.0);
        const int kind = ClassifyAspect(x[i], x[i + 1], orbs);
        FUZZ_CHECK(kind >= 1 && kind <= kSeptile && kind != 7 &&
                   ClassifyAspect(x[i + 1], x[i], orbs) == kind);
    }
}

// An entry the file does not reach stays 0 and unread; no glyph angle, however wild, reads past
// the 361 radii; a radius table read whole survives being written and read again.
void CheckDrawingTables(std::string_view text) {
    const std::string file(text);
    const DrawingTablesLoad load =
        LoadDrawingTables({"HCDATA.DAT", file, ""}, {"RADIUS.DAT", file, ""});
    const DrawingTables& t = load.tables;
    for (int i = 0; i < kRadiusTableSize; ++i) {
        if (!t.radius_read[i]) FUZZ_CHECK(t.RadiusTable[i] == 0);
        FUZZ_CHECK(t.GlyphRadius(i) ==
                   (t.radius_read[i] ? t.RadiusTable[i] : BuiltInGlyphRadius(i)));
    }
    for (const double theta : DoublesOf(text, 128)) {
        const double r = t.GlyphRadius(theta);
        FUZZ_CHECK(r >= -32768 && r <= 32767);
    }
    if (std::all_of(t.radius_read.begin(), t.radius_read.end(), [](bool r) { return r; })) {
        const std::string again = FormatTableFile(t.RadiusTable.data(), kRadiusTableSize);
        const DrawingTablesLoad reload =
            LoadDrawingTables({"HCDATA.DAT", std::nullopt, ""}, {"RADIUS.DAT", again, ""});
        FUZZ_CHECK(reload.tables.RadiusTable == t.RadiusTable);
    }
}

// Every byte but the CR of a line end is shown in its place, and each line ends with one LF.
void CheckHelpText(std::string_view bytes) {
    std::string shown = HelpTextFromFile(bytes), read(bytes);
    FUZZ_CHECK(shown.empty() == bytes.empty());
    if (bytes.empty()) return;
    if (bytes.back() != '\n') read += '\n';
    std::erase(shown, '\r'), std::erase(read, '\r');
    FUZZ_CHECK(shown == read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (auto check : {CheckLenientNumber, CheckIni, CheckOptions, CheckOwnerName, CheckOrbs,
                       CheckDrawingTables, CheckHelpText})
        check(text);
    return 0;
}
