// Printing single glyphs and digits of the wheel at the current position. Numbers are printed a
// digit at a time so each digit can be placed on its own.
#pragma once

#include <string>

#include "wheel/wheel_work.h"

namespace orvantis {

// Character codes of the glyph font.
inline char DigitCode(int digit) {
    return static_cast<char>('0' + digit);
}
inline char SignCode(int sign) {
    return static_cast<char>(sign + 191);
}  // 1 Aries .. 12
inline char BodyCode(int body) {
    return static_cast<char>(body + 223);
}  // 1 Sun .. 15 MC
inline char AspectCode(int kind) {
    return static_cast<char>(kind + 159);
}  // 2 .. 17

// The tens digit of DigitValue, truncated toward zero; a leading zero is printed (7 gives "0").
void GTENSX(WheelPaint& p);
// The units digit of DigitValue rounded to a whole number, halves to even (29.5 gives "0",
// 28.5 gives "8").
void GUNITS(WheelPaint& p);
// The same in bold; FontBold is off afterwards.
void PrintTensBold(WheelPaint& p);
void PrintUnitsBold(WheelPaint& p);

void PrintBodyGlyph(WheelPaint& p, int body);
void PrintSignGlyph(WheelPaint& p, int sign);

// DigitHeight less 3 when the minute font size (the style's threshold option) is 9 points or
// more.
void AdjustDigitHeight(WheelPaint& p);

// Zodiac sign 1..12 of a longitude: floor(L / 30) + 1.
int SignOf(double longitude);

}  // namespace orvantis
