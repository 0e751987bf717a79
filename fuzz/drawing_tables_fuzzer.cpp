// The two table files on any text (the same bytes as HCDATA.DAT and as RADIUS.DAT): an entry is
// marked read only with a value the file holds, entries the file does not reach stay 0 and
// unread, a file without a problem filled its whole table, at most one problem a file, the wheel
// gets a built-in value for every unread entry, and no glyph angle reads past the 361 radii. A
// table read whole survives being written and read again.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "wheel/drawing_tables.h"

using namespace orvantis;

namespace {

template <std::size_t N>
void CheckTable(const std::array<std::int16_t, N>& values, const std::array<bool, N>& read,
                std::string_view text, bool problem) {
    bool all_read = true;
    for (std::size_t i = 0; i < N; ++i) {
        if (read[i]) {
            // The value's digits stand in the file (signs and leading zeros aside); looked for
            // only for the first entries, as the search costs a pass over the text each.
            const int v = values[i];
            if (i >= 24) continue;
            FUZZ_CHECK(text.find(std::to_string(v < 0 ? -v : v)) != std::string_view::npos);
        } else {
            FUZZ_CHECK(values[i] == 0);
            all_read = false;
        }
    }
    if (!problem) FUZZ_CHECK(all_read);
}

bool HasProblemFor(const DrawingTablesLoad& load, const char* name) {
    for (const Problem& p : load.problems) {
        FUZZ_CHECK(p.title == "Warning!" && p.icon == Icon::kExclamation);
        if (p.text.find(name) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const DrawingTablesLoad load =
        LoadDrawingTables({"HCDATA.DAT", text, ""}, {"RADIUS.DAT", text, ""});
    FUZZ_CHECK(load.problems.size() <= 2);
    const DrawingTables& t = load.tables;
    CheckTable(t.HouseCaptionTable, t.caption_read, text, HasProblemFor(load, "HCDATA.DAT"));
    CheckTable(t.RadiusTable, t.radius_read, text, HasProblemFor(load, "RADIUS.DAT"));

    for (int i = 0; i < kHouseCaptionTableSize; ++i) {
        const double entry = t.CaptionEntry(i);
        FUZZ_CHECK(entry == (t.caption_read[i] ? t.HouseCaptionTable[i] : BuiltInCaptionEntry(i)));
    }
    // Every whole degree reads its own entry; any other angle (negative, past a turn, huge, not
    // a number) one of the 361.
    for (int d = 0; d < kRadiusTableSize; ++d) {
        const double r = t.GlyphRadius(d);
        FUZZ_CHECK(r == (t.radius_read[d] ? t.RadiusTable[d] : BuiltInGlyphRadius(d)));
    }
    for (std::size_t i = 0; i + sizeof(double) <= size && i < 16 * sizeof(double);
         i += sizeof(double)) {
        double theta;
        std::memcpy(&theta, data + i, sizeof theta);
        const double r = t.GlyphRadius(theta);
        FUZZ_CHECK(r >= std::numeric_limits<std::int16_t>::min() &&
                   r <= std::numeric_limits<std::int16_t>::max());
    }

    // A table the file filled whole is written as the shipped files are and reads back the same.
    if (!HasProblemFor(load, "RADIUS.DAT")) {
        const std::string again = FormatTableFile(t.RadiusTable.data(), kRadiusTableSize);
        const DrawingTablesLoad reload =
            LoadDrawingTables({"HCDATA.DAT", std::nullopt, ""}, {"RADIUS.DAT", again, ""});
        FUZZ_CHECK(reload.problems.size() == 1);  // only the missing HCDATA.DAT
        FUZZ_CHECK(reload.tables.RadiusTable == t.RadiusTable);
    }
    // A missing file leaves its whole table unread.
    const DrawingTablesLoad missing =
        LoadDrawingTables({"HCDATA.DAT", std::nullopt, "gone"}, {"RADIUS.DAT", std::nullopt, ""});
    FUZZ_CHECK(missing.problems.size() == 2);
    for (bool r : missing.tables.radius_read) FUZZ_CHECK(!r);
    return 0;
}
