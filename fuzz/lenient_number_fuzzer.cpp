// LenientNumber and RoundToInt16 on any text. The number must agree with the C library's strtod
// on the part of the text the lenient rule accepts, never be NaN, and stop at the first
// character that cannot continue a number; RoundToInt16 must give the nearest 16-bit integer
// (halves to even) or nothing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/lenient_number.h"

using namespace orvantis;

namespace {

// The characters a lenient number is made of; the reading stops at any other.
constexpr std::string_view kNumberCharacters = "0123456789.eE+- \t";

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckRounding(double value) {
    const auto rounded = RoundToInt16(value);
    if (!rounded) {
        const double nearest = std::nearbyint(value);
        FUZZ_CHECK(std::isnan(value) || nearest < -32768.0 || nearest > 32767.0);
        return;
    }
    const double r = *rounded;
    FUZZ_CHECK(r >= -32768.0 && r <= 32767.0);
    const double distance = std::fabs(value - r);
    FUZZ_CHECK(distance <= 0.5);
    // A half goes to the even neighbour.
    if (distance == 0.5) FUZZ_CHECK(static_cast<int>(r) % 2 == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = LenientNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    // Only the leading run of number characters counts.
    const std::string_view head = text.substr(0, text.find_first_not_of(kNumberCharacters));
    FUZZ_CHECK(SameDouble(LenientNumber(head), value));

    // Within that run the lenient syntax is a subset of strtod's (which also takes "inf", "nan"
    // and hexadecimal, none of which can appear here), so both must read the same number;
    // strtod's overflow is HUGE_VAL, its underflow 0 or the nearest subnormal, as documented.
    const std::string head_text(head);
    const char* start = head_text.c_str();
    while (*start == ' ' || *start == '\t') ++start;
    char* end = nullptr;
    const double reference = std::strtod(start, &end);
    if (end == start) {
        FUZZ_CHECK(value == 0.0);  // no digits: 0
    } else {
        // strtod keeps the sign of "-0"; the lenient reading does too.
        FUZZ_CHECK(SameDouble(value, reference));
    }

    // Blanks in front do not change the number.
    FUZZ_CHECK(SameDouble(LenientNumber(" \t " + head_text), value));

    CheckRounding(value);
    // And the rounding alone, on every bit pattern of a double (NaN and infinities included).
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckRounding(raw);
    }
    return 0;
}
