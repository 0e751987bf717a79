#include "wheel/glyph_printers.h"

#include <cmath>

namespace orvantis {

void GTENSX(WheelPaint& p) {
    const int tens = static_cast<int>(std::trunc(p.work.DigitValue / 10));
    p.dc.Print(std::string(1, DigitCode(tens)));
}

void GUNITS(WheelPaint& p) {
    const int rounded = static_cast<int>(std::nearbyint(p.work.DigitValue));
    p.dc.Print(std::string(1, DigitCode(rounded % 10)));
}

void PrintTensBold(WheelPaint& p) {
    p.dc.FontBold = true;
    GTENSX(p);
    p.dc.FontBold = false;
}

void PrintUnitsBold(WheelPaint& p) {
    p.dc.FontBold = true;
    GUNITS(p);
    p.dc.FontBold = false;
}

void PrintBodyGlyph(WheelPaint& p, int body) {
    p.dc.Print(BodyGlyph(body));
}

void PrintSignGlyph(WheelPaint& p, int sign) {
    p.dc.Print(SignGlyph(sign));
}

int SignOf(double longitude) {
    return static_cast<int>(std::floor(longitude / 30)) + 1;
}

}  // namespace orvantis
