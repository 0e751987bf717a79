#include "wheel/glyph_codes.h"

#include <array>

namespace orvantis {
namespace {

constexpr char32_t kPrivateUse = 0xF000;
constexpr char32_t kNone = 0;  // no Unicode character: the private-use copy

// Aspect kinds 2..17, from code 161.
constexpr std::array<char32_t, 16> kAspectPoints{
    0x260C,  // conjunction
    0x26B9,  // sextile
    0x25A1,  // square
    0x25B3,  // trine
    0x260D,  // opposition
    0x2225,  // parallel: code 166, between the opposition and the semisextile
    0x26BA,  // semisextile
    0x2220,  // semisquare: the angle sign astrologers write for it
    0x26BC,  // sesquiquadrate
    0x26BB,  // quincunx
    kNone,   // decile "D"
    kNone,   // novile "N"
    kNone,   // quintile "Q"
    kNone,   // tredecile "tD"
    kNone,   // biquintile "bQ"
    kNone,   // septile "S7"
};

// Bodies 1..15, from code 224.
constexpr std::array<char32_t, 15> kBodyPoints{
    0x2609,  // Sun
    0x263F,  // Mercury
    0x2640,  // Venus
    0x2642,  // Mars
    0x2643,  // Jupiter
    0x2644,  // Saturn
    0x2645,  // Uranus
    0x2646,  // Neptune
    0x2647,  // Pluto
    0x263D,  // Moon
    0x260A,  // node
    0x260B,  // opposite node
    0x2297,  // Part of Fortune: the circled saltire it is drawn as
    kNone,   // Ascendant "AC"
    kNone,   // MC
};

constexpr int kFirstAspect = 161, kFirstSign = 192, kFirstBody = 224;

}  // namespace

std::string SignGlyph(int sign) {
    return std::string(1, SignCode(sign));
}

std::string BodyGlyph(int body) {
    return std::string(1, BodyCode(body));
}

std::string AspectGlyph(int kind) {
    return std::string(1, AspectCode(kind));
}

char32_t GlyphCodePoint(unsigned char code) {
    char32_t point = code;  // not a glyph: Latin-1, as text in any font
    if (code >= kFirstAspect && code < kFirstAspect + static_cast<int>(kAspectPoints.size()))
        point = kAspectPoints[static_cast<std::size_t>(code - kFirstAspect)];
    else if (code >= kFirstSign && code < kFirstSign + 12)
        point = 0x2648 + static_cast<char32_t>(code - kFirstSign);
    else if (code >= kFirstBody && code < kFirstBody + static_cast<int>(kBodyPoints.size()))
        point = kBodyPoints[static_cast<std::size_t>(code - kFirstBody)];
    return point != kNone ? point : kPrivateUse + code;
}

}  // namespace orvantis
