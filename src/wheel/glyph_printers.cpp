#include "wheel/glyph_printers.h"

#include <cmath>

namespace orvantis {

void PrintBodyGlyph(WheelPaint& p, int body) {
    p.dc.Print(BodyGlyph(body));
}

void PrintSignGlyph(WheelPaint& p, int sign) {
    p.dc.Print(SignGlyph(sign));
}

std::string PositionText(const SignDegreeMinute& pos) {
    return {DigitCode(pos.degree / 10), DigitCode(pos.degree % 10), SignCode(pos.sign),
            DigitCode(pos.minute / 10), DigitCode(pos.minute % 10)};
}

int SignOf(double longitude) {
    return static_cast<int>(std::floor(longitude / 30)) + 1;
}

}  // namespace orvantis
