// The two INI readers on any text: the window sizes stay usable, every value is finite, a key
// the file does not name keeps its default, and what was read survives a write and a second
// reading unchanged; so does any geometry a window can have, taken from the input's bytes.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/ini_file.h"

using namespace orvantis;

namespace {

// True when some line of text begins with key (lines end at LF).
bool NamesKey(std::string_view text, std::string_view key) {
    if (text.starts_with(key)) return true;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         lf = text.find('\n', lf + 1)) {
        if (text.substr(lf + 1).starts_with(key)) return true;
    }
    return false;
}

bool SameGeometry(const WindowGeometry& a, const WindowGeometry& b) {
    return a.top == b.top && a.left == b.left && a.height == b.height && a.width == b.width &&
           a.scale_height == b.scale_height && a.scale_width == b.scale_width;
}

void CheckGeometry(const WindowGeometry& g) {
    FUZZ_CHECK(std::isfinite(g.top) && std::isfinite(g.left));
    FUZZ_CHECK(std::isfinite(g.height) && g.height > 0);
    FUZZ_CHECK(std::isfinite(g.width) && g.width > 0);
    FUZZ_CHECK(std::isfinite(g.scale_width) && g.scale_width > 0);
    FUZZ_CHECK(std::isfinite(g.scale_height) && g.scale_height != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const IniScaleAndChart settings = ReadIniScaleAndChart(text);
    const IniScaleAndChart default_settings;
    if (!NamesKey(text, "StartScale"))
        FUZZ_CHECK(settings.StartScale == default_settings.StartScale);
    if (!NamesKey(text, "TypeChart")) FUZZ_CHECK(settings.TypeChart == default_settings.TypeChart);

    const WindowGeometry g = ReadIniWindowGeometry(text);
    CheckGeometry(g);
    const WindowGeometry d;
    if (!NamesKey(text, "OrvantisTop")) FUZZ_CHECK(g.top == d.top);
    if (!NamesKey(text, "OrvantisLeft")) FUZZ_CHECK(g.left == d.left);
    if (!NamesKey(text, "OrvantisHeight")) FUZZ_CHECK(g.height == d.height);
    if (!NamesKey(text, "OrvantisWidth")) FUZZ_CHECK(g.width == d.width);
    if (!NamesKey(text, "OrvantisScaleHeight")) FUZZ_CHECK(g.scale_height == d.scale_height);
    if (!NamesKey(text, "OrvantisScaleWidth")) FUZZ_CHECK(g.scale_width == d.scale_width);

    // What the program read at start-up it writes at exit; the next start must read the same.
    const std::string written = WriteSettingsIni(settings.StartScale, settings.TypeChart, g);
    FUZZ_CHECK(written.starts_with("[Orvantis] - Do NOT change the order of these variables.\r\n"));
    FUZZ_CHECK(written.ends_with("\r\n"));
    std::size_t lines = 0;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] == '\n') {
            FUZZ_CHECK(i > 0 && written[i - 1] == '\r');
            ++lines;
        }
    }
    FUZZ_CHECK(lines == 9);
    const IniScaleAndChart settings_again = ReadIniScaleAndChart(written);
    FUZZ_CHECK(settings_again.StartScale == settings.StartScale);
    FUZZ_CHECK(settings_again.TypeChart == settings.TypeChart);
    FUZZ_CHECK(SameGeometry(ReadIniWindowGeometry(written), g));

    // The window can hold any finite geometry (fractions, subnormals, huge values); whatever the
    // reader would apply must come back from the file exactly.
    if (size >= 6 * sizeof(float)) {
        float v[6];
        std::memcpy(v, data, sizeof v);
        WindowGeometry any{v[0], v[1], v[2], v[3], v[4], v[5]};
        bool usable =
            any.height > 0 && any.width > 0 && any.scale_width > 0 && any.scale_height != 0;
        for (float x : v) usable = usable && std::isfinite(x);
        if (usable) {
            const std::string file = WriteSettingsIni(-32768, 32767, any);
            FUZZ_CHECK(SameGeometry(ReadIniWindowGeometry(file), any));
        }
    }
    return 0;
}
