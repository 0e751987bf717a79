// ORVANTIS.INI: the wheel scale, the wheel layout and the main window's geometry, written at
// every exit and read at start-up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvantis {

inline constexpr const char* kIniFileName = "ORVANTIS.INI";

struct IniScaleAndChart {
    std::int16_t StartScale = 287;
    std::int16_t TypeChart = 0;  // 0 American layout
};

// The main window's geometry: position and size in twips, the scale in the window's own units.
struct WindowGeometry {
    float top = 0;
    float left = 0;
    float height = 7200;
    float width = 8490;
    float scale_height = 480;
    float scale_width = 640;
};

// StartScale and TypeChart from the text of the INI file, starting from the defaults (287, 0).
// Lines are found by key, in any order; a key given twice takes its last value. A value that
// does not round to a 16-bit integer ends the reading there: the values read before it stay.
// Pass "" for a missing file.
IniScaleAndChart ReadIniScaleAndChart(std::string_view text);

// The geometry to apply, from the text of the INI file, starting from the defaults (0, 0,
// 7200 x 8490 twips, scale 480 x 640). Top and left are taken whatever their value; height,
// width and scale width only when greater than 0; scale height whenever it is not 0. A value
// that does not fit a finite single-precision number is ignored. Pass "" for a missing file.
WindowGeometry ReadIniWindowGeometry(std::string_view text);

// The whole INI file: a header and eight settings lines, each ended by CR LF. The six window
// values are written as the shortest decimal text that reads back to the same value, with "."
// as decimal point whatever the regional settings, so the reader above always understands it.
std::string WriteSettingsIni(std::int16_t start_scale, std::int16_t type_chart,
                             const WindowGeometry& geometry);

// Lines of text that follow the eight of WriteSettingsIni, such as "TransitsTo=" (the saved
// chart the clock times transits to): the value of the last line of the key, nullopt when there
// is none; and a line to write, its value without line breaks. The key ends with its "=".
inline constexpr std::string_view kIniTransitsToKey = "TransitsTo=";
std::optional<std::string> ReadIniText(std::string_view text, std::string_view key);
std::string IniTextLine(std::string_view key, std::string_view value);

}  // namespace orvantis
