#include "wheel/drawing_tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "astro/angles.h"
#include "chart/chart_state.h"

namespace orvantis {
namespace {

constexpr double kOuterRing = 217;

// The text cell the built-in radii make room for, in wheel units: a body glyph at the shipped
// size in a 1024 x 768 window.
constexpr double kGlyphCellWidth = 11;
constexpr double kGlyphCellHeight = 13;
constexpr double kGlyphGap = 2;  // between the glyph's cell and the outer ring

// The cusp label block: five items at these x offsets, one digit width after the last, as the
// shipped font sizes set them in a 1024 x 768 window (the preset of every screen wider than 800
// pixels); its cell height; the gap to the ring. The block is narrower than the computed
// European labels (0, 6, 16, 24, 31) so that the Ascendant's and Descendant's labels fit
// between the ring and the edge of the printed page (x from 16 - S to S - 15).
constexpr std::array<double, 5> kLabelItemOffset{0, 5, 11, 19, 24};
constexpr double kLabelWidth = 29;
constexpr double kLabelHeight = 9;
constexpr double kLabelGap = 2;
// The wheel's window shows y from -228 to 228 at any landscape size: the label at the top and
// bottom spokes must stay inside that band.
constexpr double kWindowHalfHeight = 228;

// Screen angle of the spoke at cusp position 1..12 in the American wheel.
double FixedSpokeAngle(int position) {
    const int house = HouseAtPosition(position);
    return ((house - 7 + 12) % 12) * 30.0;
}

}  // namespace

std::int16_t BuiltInGlyphRadius(int degree) {
    // The largest radius R at which every corner of the cell hanging right and down from the
    // point R(cos θ, sin θ) stays within the ring less the gap: for a corner c that is
    // |R u + c| <= limit, solved for R.
    const double limit = kOuterRing - kGlyphGap;
    const double ux = CosDeg(degree), uy = SinDeg(degree);
    double radius = limit;
    for (const auto& [cx, cy] :
         std::array<std::pair<double, double>, 3>{{{kGlyphCellWidth, 0},
                                                   {0, -kGlyphCellHeight},
                                                   {kGlyphCellWidth, -kGlyphCellHeight}}}) {
        const double along = ux * cx + uy * cy;
        const double root = along * along - (cx * cx + cy * cy) + limit * limit;
        radius = std::min(radius, -along + std::sqrt(root));
    }
    return static_cast<std::int16_t>(std::floor(radius));
}

std::int16_t BuiltInCaptionEntry(int i) {
    if (i < 0 || i >= 120) return 0;
    const int position = i / 10 + 1;
    const int item = (i % 10) / 2;
    const double phi = FixedSpokeAngle(position);
    const double ux = CosDeg(phi), uy = SinDeg(phi);
    // The block's centre sits on the spoke's line, far enough out that the block's nearest
    // side clears the ring by the gap (the support of a W x H box in direction u).
    const double half_extent = std::abs(ux) * kLabelWidth / 2 + std::abs(uy) * kLabelHeight / 2;
    const double centre = kOuterRing + kLabelGap + half_extent;
    double left = centre * ux - kLabelWidth / 2;
    double top = centre * uy + kLabelHeight / 2;
    top = std::clamp(top, -kWindowHalfHeight + kLabelHeight, kWindowHalfHeight);
    left = std::round(left);
    top = std::round(top);
    const double value = (i % 2 == 0) ? left + kLabelItemOffset[item] : top;
    return static_cast<std::int16_t>(value);
}

DrawingTables BuiltInDrawingTables() {
    DrawingTables t;
    for (int i = 0; i < kHouseCaptionTableSize; ++i)
        t.HouseCaptionTable[i] = BuiltInCaptionEntry(i);
    for (int d = 0; d < kRadiusTableSize; ++d) t.RadiusTable[d] = BuiltInGlyphRadius(d);
    t.caption_read.fill(true);
    t.radius_read.fill(true);
    return t;
}

double DrawingTables::CaptionEntry(int i) const {
    if (i < 0 || i >= kHouseCaptionTableSize) return 0;
    return caption_read[i] ? HouseCaptionTable[i] : BuiltInCaptionEntry(i);
}

double DrawingTables::GlyphRadius(double theta) const {
    if (!std::isfinite(theta)) return BuiltInGlyphRadius(0);
    double degree = std::nearbyint(theta);
    // Angles past a full turn (crowded slots of the last houses) use the radius of the same
    // direction; exactly 360 keeps its own entry.
    if (degree < 0 || degree > 360) degree = Reduce360(degree);
    const int index = static_cast<int>(degree);
    return radius_read[index] ? RadiusTable[index] : BuiltInGlyphRadius(index);
}

namespace {

struct Field {
    std::string_view text;
    int line = 1;
};

// The fields of the sequential-input format: a field ends at a comma or a line end; blanks
// (spaces and tabs) around it are dropped; blank lines hold no field, nor does the end of a line
// just after a comma.
std::vector<Field> SplitFields(std::string_view text) {
    std::vector<Field> fields;
    int line = 1;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view row = text.substr(pos, end - pos);
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        if (row.find_first_not_of(" \t") != std::string_view::npos) {
            std::size_t start = 0;
            while (true) {
                const std::size_t comma = row.find(',', start);
                std::string_view field =
                    row.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                      : comma - start);
                const std::size_t first = field.find_first_not_of(" \t");
                const std::size_t last = field.find_last_not_of(" \t");
                field = first == std::string_view::npos ? std::string_view()
                                                        : field.substr(first, last - first + 1);
                // A comma that ends the line closes the last value; no empty value follows.
                const bool trailing = comma == std::string_view::npos && field.empty() && start > 0;
                if (!trailing) fields.push_back({field, line});
                if (comma == std::string_view::npos) break;
                start = comma + 1;
            }
        }
        if (end == text.size()) break;
        pos = end + 1;
        ++line;
    }
    return fields;
}

enum class FieldFault { kNone, kNotWhole, kOutOfRange };

FieldFault ParseWhole(std::string_view field, std::int16_t& value) {
    if (field.empty()) return FieldFault::kNotWhole;
    std::string_view digits = field;
    if (digits.front() == '+') {  // from_chars takes '-' but not '+'
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-') return FieldFault::kNotWhole;
    }
    long long wide = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), wide);
    if (end != digits.data() + digits.size()) return FieldFault::kNotWhole;
    if (error == std::errc::result_out_of_range) return FieldFault::kOutOfRange;
    if (error != std::errc()) return FieldFault::kNotWhole;
    if (wide < std::numeric_limits<std::int16_t>::min() ||
        wide > std::numeric_limits<std::int16_t>::max())
        return FieldFault::kOutOfRange;
    value = static_cast<std::int16_t>(wide);
    return FieldFault::kNone;
}

Problem TableWarning(const std::string& text) {
    return Warning(text, Icon::kExclamation);
}

const char* kFallbackNote = " The wheel uses its built-in values for the entries concerned.";

// Reads one file into values/read; the first fault of the file becomes its one problem.
std::optional<Problem> ParseTable(const TableFileText& file, std::int16_t* values, bool* read,
                                  int capacity) {
    if (!file.text) {
        std::string text = "The file " + file.name + " could not be read";
        if (!file.reason.empty()) text += " (" + file.reason + ")";
        return TableWarning(text + "." + kFallbackNote);
    }
    std::optional<std::string> first_fault;
    int faults = 0;
    const std::vector<Field> fields = SplitFields(*file.text);
    int index = 0;
    for (const Field& field : fields) {
        if (index == capacity) {
            ++faults;
            if (!first_fault) {
                first_fault = "line " + std::to_string(field.line) + ": more than " +
                              std::to_string(capacity) + " values; the rest of the file is ignored";
            }
            break;
        }
        std::int16_t value = 0;
        const FieldFault fault = ParseWhole(field.text, value);
        if (fault == FieldFault::kNone) {
            values[index] = value;
            read[index] = true;
        } else {
            ++faults;
            if (!first_fault) {
                // Appended piece by piece: GCC 12 at -O3 misreads a chain of string sums here
                // as an overlapping copy (-Wrestrict).
                std::string text = "line " + std::to_string(field.line) + ": ";
                if (field.text.empty()) {
                    text += "an empty value";
                } else {
                    text.append("\"").append(field.text).append("\"");
                }
                text += fault == FieldFault::kOutOfRange ? " lies outside -32768 to 32767"
                                                         : " is not a whole number";
                first_fault = std::move(text);
            }
        }
        ++index;
    }
    if (index < capacity && !first_fault) {
        ++faults;
        first_fault = "only " + std::to_string(index) + " of its " + std::to_string(capacity) +
                      " values are present";
    }
    if (!first_fault) return std::nullopt;
    std::string text = "The file " + file.name + " is damaged, " + *first_fault + ".";
    if (faults == 2) text += " There is 1 more fault.";
    if (faults > 2) text += " There are " + std::to_string(faults - 1) + " more faults.";
    return TableWarning(text + kFallbackNote);
}

}  // namespace

DrawingTablesLoad LoadDrawingTables(const TableFileText& hcdata, const TableFileText& radius) {
    DrawingTablesLoad load;
    if (auto p = ParseTable(hcdata, load.tables.HouseCaptionTable.data(),
                            load.tables.caption_read.data(), kHouseCaptionTableSize))
        load.problems.push_back(*p);
    if (auto p = ParseTable(radius, load.tables.RadiusTable.data(), load.tables.radius_read.data(),
                            kRadiusTableSize))
        load.problems.push_back(*p);
    return load;
}

std::string FormatTableFile(const std::int16_t* values, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(values[i]);
        text += (i % 10 == 9 || i == count - 1) ? "\r\n" : ",";
    }
    return text;
}

}  // namespace orvantis
