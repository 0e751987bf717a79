#include "settings/lenient_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace orvantis {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Index of the first character after the digits starting at i.
std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// The decimal exponent of a number already checked to have digits, such as "0.00125e3" (0,
// since it is 1.25): where its first non-zero digit stands, plus the written exponent, which is
// saturated rather than overflowed.
long DecimalExponent(std::string_view number) {
    const std::size_t exponent_at = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponent_at);
    long written = 0;
    if (exponent_at != std::string_view::npos) {
        std::string_view digits = number.substr(exponent_at + 1);
        const bool minus = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
            digits.remove_prefix(1);
        for (char c : digits) {
            if (written < 1'000'000'000) written = written * 10 + (c - '0');
        }
        if (minus) written = -written;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first_nonzero = mantissa.find_first_of("123456789");
    if (first_nonzero == std::string_view::npos) return 0;  // zero never overflows
    const long position = first_nonzero < point
                              ? static_cast<long>(point - first_nonzero) - 1
                              : static_cast<long>(point) - static_cast<long>(first_nonzero);
    return position + written;
}

}  // namespace

double LenientNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The number proper is checked here, so that from_chars only ever sees the accepted syntax
    // (it would otherwise also take "inf", "nan" and hexadecimal forms).
    const std::size_t start = i;
    std::size_t end = SkipDigits(text, i);
    bool any_digit = end > start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t after_point = SkipDigits(text, end + 1);
        any_digit = any_digit || after_point > end + 1;
        end = after_point;
    }
    if (!any_digit) return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponent_end = SkipDigits(text, j);
        if (exponent_end > j) end = exponent_end;  // "12e" and "12e+" stop before the e
    }

    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + end;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves value untouched here; what is out of range is either too large
        // (infinity) or too small (0), told apart by the decimal exponent.
        value = DecimalExponent(text.substr(start, end - start)) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (ec != std::errc() || ptr != last) {
        value = 0.0;  // cannot happen for the syntax checked above; kept as the lenient answer
    }
    return negative ? -value : value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    // nearbyint in the default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace orvantis
