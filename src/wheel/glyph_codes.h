// The glyph font's character codes. The drawing procedures print single bytes, the codes the
// options, the data files and the font's users have always named: digits 48..57, aspect kind k
// at k + 159, sign n at n + 191, body n at n + 223. A device draws each byte through its Unicode
// code point, so a PDF or SVG of a chart copies as text ("15♒42").
#pragma once

#include <string>

namespace orvantis {

constexpr char DigitCode(int digit) {
    return static_cast<char>('0' + digit);
}
// 1 Aries .. 12 Pisces.
constexpr char SignCode(int sign) {
    return static_cast<char>(sign + 191);
}
// 1 Sun .. 15 MC, in the body index order.
constexpr char BodyCode(int body) {
    return static_cast<char>(body + 223);
}
// Aspect kinds 2 .. 17.
constexpr char AspectCode(int kind) {
    return static_cast<char>(kind + 159);
}

// One glyph as the string the drawing procedures print.
std::string SignGlyph(int sign);
std::string BodyGlyph(int body);
std::string AspectGlyph(int kind);

// The code point the glyph font shows byte `code` at: the Unicode symbol of a sign, body or
// aspect (♈ U+2648, ☉ U+2609, ☌ U+260C ...); U+F000 + code for the glyphs Unicode has no
// character for (Ascendant, MC, decile .. septile); any other byte as its Latin-1 character
// (digits, caption text, the retrograde "R").
char32_t GlyphCodePoint(unsigned char code);

}  // namespace orvantis
