// Printing single glyphs and digits of the wheel at the current position. Numbers are printed a
// digit at a time so each digit can be placed on its own.
#pragma once

#include <string>

#include "wheel/glyph_codes.h"
#include "wheel/wheel_work.h"

namespace orvantis {

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

// Zodiac sign 1..12 of a longitude: floor(L / 30) + 1.
int SignOf(double longitude);

}  // namespace orvantis
