#include "wheel/glyph_printers.h"

#include <cmath>

namespace orvantis {

std::string PositionText(const SignDegreeMinute& pos) {
    return {DigitCode(pos.degree / 10), DigitCode(pos.degree % 10), SignCode(pos.sign),
            DigitCode(pos.minute / 10), DigitCode(pos.minute % 10)};
}

int SignOf(double longitude) {
    return static_cast<int>(std::floor(longitude / 30)) + 1;
}

}  // namespace orvantis
