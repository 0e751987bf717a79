// The wheel's two integer tables: the fixed cusp-label positions of HCDATA.DAT and the body
// glyph radius by degree of RADIUS.DAT.
//
// Each table remembers which entries were read; the wheel uses the built-in value of an entry
// that is missing or failed to read, so it never draws with a value that did not read cleanly.
// The built-in values are the ones the shipped files were made from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/problem.h"

namespace orvantis {

inline constexpr int kHouseCaptionTableSize = 121;  // HCDATA.DAT
inline constexpr int kRadiusTableSize = 361;        // RADIUS.DAT, index = whole degrees 0..360

struct DrawingTables {
    // Cusp position i (1..12) owns entries 10i-10 .. 10i-1: five (x, y) pairs in wheel units,
    // the top-left corners of the degree tens, degree units, sign glyph, minute tens and minute
    // units of its label. Entry 120 is not used.
    std::array<std::int16_t, kHouseCaptionTableSize> HouseCaptionTable{};
    std::array<bool, kHouseCaptionTableSize> caption_read{};
    // Radius in wheel units of the top-left corner of a body glyph at a screen angle of
    // index whole degrees.
    std::array<std::int16_t, kRadiusTableSize> RadiusTable{};
    std::array<bool, kRadiusTableSize> radius_read{};

    // Entry i (0..120) of the caption table, the built-in value when it was not read.
    double CaptionEntry(int i) const;
    // The glyph radius at a screen angle in degrees: the angle rounded to a whole degree
    // (halves to even) and brought into 0..360 first; the built-in value when not read.
    double GlyphRadius(double theta) const;
};

// The built-in tables, every entry valid: label blocks just outside the outer ring beside each
// spoke of the American wheel, and glyph radii that keep a glyph's whole text cell inside the
// ring band whichever way the cell hangs from its top-left corner.
DrawingTables BuiltInDrawingTables();
std::int16_t BuiltInCaptionEntry(int i);
std::int16_t BuiltInGlyphRadius(int degree);

// One table file as the shell found it.
struct TableFileText {
    std::string name;                 // file name for messages, e.g. "HCDATA.DAT"
    std::optional<std::string> text;  // nullopt: missing or unreadable
    std::string reason;               // why it could not be read, when text is nullopt
};

struct DrawingTablesLoad {
    DrawingTables tables;
    std::vector<Problem> problems;  // at most one a file; title "Warning!"
};

// Parses the two files: whole numbers separated by commas or line ends, blanks around a value
// ignored, blank lines skipped. Values are stored in order from index 0. A missing file, a
// value that is not a whole number, one outside -32768..32767, more values than the table holds
// or fewer than it needs are each reported once for the file (the first fault, with its line
// number); the entries concerned stay unread and the wheel uses the built-in values for them.
DrawingTablesLoad LoadDrawingTables(const TableFileText& hcdata, const TableFileText& radius);

// The text of a table file as shipped: the values, ten to a line (CR LF line ends).
std::string FormatTableFile(const std::int16_t* values, int count);

}  // namespace orvantis
