// The help viewer's reading of a help file on any bytes: every byte but the CR of a line end is
// shown in its place, each line is followed by one LF, and nothing is added or lost.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "windows/help_window.h"

using namespace orvantis;

namespace {

std::string WithoutCR(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != '\r') out += c;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = HelpTextFromFile(bytes);

    FUZZ_CHECK(shown.empty() == bytes.empty());
    if (bytes.empty()) return 0;
    FUZZ_CHECK(shown.back() == '\n');

    // One LF a line: the file's own, plus one for a last line without a line end.
    const auto lf_in = std::count(bytes.begin(), bytes.end(), '\n');
    const auto lf_out = std::count(shown.begin(), shown.end(), '\n');
    FUZZ_CHECK(lf_out == lf_in + (bytes.back() == '\n' ? 0 : 1));

    // CRs aside, the text is the file's (with the added final LF).
    std::string expected = WithoutCR(bytes);
    if (bytes.back() != '\n') expected += '\n';
    FUZZ_CHECK(WithoutCR(shown) == expected);

    // Only line-end CRs go: one before each LF and one at the very end.
    const auto cr_in = std::count(bytes.begin(), bytes.end(), '\r');
    const auto cr_out = std::count(shown.begin(), shown.end(), '\r');
    FUZZ_CHECK(cr_out <= cr_in && cr_out >= cr_in - lf_in - 1);
    FUZZ_CHECK(shown.size() <= bytes.size() + 1);
    return 0;
}
