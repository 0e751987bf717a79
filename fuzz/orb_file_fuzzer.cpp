// The orb file on any text, over orbs that already hold something (a second file chosen after
// the first): at most 17 orbs are read, index 0 is never written, the orbs the file does not
// reach keep what they held, every orb read is finite. Then the classification under those
// orbs, for longitudes taken from the same bytes and for the edges of every aspect: the distance
// is folded into 0..180, the kind is 1..17 but never 7, and the order of the two bodies does
// not matter.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "aspects/aspect_kind.h"
#include "aspects/orb_file.h"
#include "fuzz_check.h"

using namespace orvantis;

namespace {

constexpr float kBefore = 3.75f;
constexpr float kIndexZero = -99.5f;

int LinesToRead(std::string_view text) {
    int lines = 0;
    while (!text.empty() && lines < kOrbCount) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) break;
        ++lines;
    }
    return lines;
}

void CheckPair(double a, double b, const OrbValues& orbs, const OptionValues& options) {
    const double distance = AspectDistance(a, b);
    FUZZ_CHECK(distance >= 0.0 && distance <= 180.0);
    const int kind = ClassifyAspect(a, b, orbs);
    FUZZ_CHECK(kind >= 1 && kind <= kSeptile && kind != 7);
    FUZZ_CHECK(ClassifyAspect(b, a, orbs) == kind);
    const int wheel_kind = ClassifyWheelAspect(a, b, options);
    FUZZ_CHECK(wheel_kind == kNoAspect || wheel_kind == kSextile || wheel_kind == kSquare ||
               wheel_kind == kTrine || wheel_kind == kOpposition || wheel_kind == kQuincunx);
    FUZZ_CHECK(!IsAspect(kind) || !AspectName(kind).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    OrbValues orbs;
    orbs.fill(kBefore);
    orbs[0] = kIndexZero;
    ReadOrbFile(text, orbs);
    FUZZ_CHECK(orbs[0] == kIndexZero);
    const int lines = LinesToRead(text);
    for (int n = 1; n <= kOrbCount; ++n) {
        if (n > lines) FUZZ_CHECK(orbs[n] == kBefore);
        FUZZ_CHECK(std::isfinite(orbs[n]));
    }

    // The same numbers as the options' wheel orbs (lines 2, 3, 4, 5 and 10).
    OptionValues options{};
    for (int n = 1; n <= kOrbCount; ++n) options[n] = orbs[n];

    // Longitudes from the bytes themselves, any finite double; and the edges of every aspect.
    std::vector<double> longitudes;
    for (std::size_t i = 0; i + sizeof(double) <= size && longitudes.size() < 16;
         i += sizeof(double)) {
        double x;
        std::memcpy(&x, data + i, sizeof x);
        if (std::isfinite(x)) longitudes.push_back(x);
    }
    for (std::size_t i = 0; i + 1 < longitudes.size(); i += 2)
        CheckPair(longitudes[i], longitudes[i + 1], orbs, options);
    constexpr std::array<double, 16> kAngles = {0,  30,  36,  40,  45,  360.0 / 7, 60,  72,
                                                90, 108, 120, 135, 144, 150,       180, 359.5};
    for (int n = 1; n <= kOrbCount; ++n) {
        for (double angle : kAngles) {
            const double orb = orbs[n];
            CheckPair(10.0, 10.0 + angle + orb, orbs, options);
            CheckPair(10.0, 10.0 + angle - orb, orbs, options);
            CheckPair(350.0 + angle, 350.0, orbs, options);
        }
    }
    return 0;
}
