#include "aspects/aspect_kind.h"

#include <array>
#include <cmath>

namespace orvantis {
namespace {

// angle - orb <= distance <= angle + orb, both ends included. Each bound is computed in double
// and then rounded to single precision, the precision of the orb values, so an aspect at the
// very edge of its orb is found alike on every machine.
bool Within(float distance, double angle, float orb) {
    const auto low = static_cast<float>(angle - static_cast<double>(orb));
    const auto high = static_cast<float>(angle + static_cast<double>(orb));
    return low <= distance && distance <= high;
}

bool OppositionWithin(float distance, float orb) {
    return distance >= static_cast<float>(180.0 - static_cast<double>(orb));
}

}  // namespace

std::string_view AspectName(int kind) {
    static constexpr std::array<std::string_view, 18> kNames{
        "",           "",       "conjunction", "sextile",    "square",         "trine",
        "opposition", "",       "semisextile", "semisquare", "sesquiquadrate", "quincunx",
        "decile",     "novile", "quintile",    "tredecile",  "biquintile",     "septile",
    };
    if (kind < 0 || kind >= static_cast<int>(kNames.size())) return "";
    return kNames[static_cast<std::size_t>(kind)];
}

double AspectDistance(double longitude1, double longitude2) {
    // Each longitude and their difference are brought within a turn first (fmod is exact, so
    // longitudes already in 0..360 give the plain difference): a longitude a turn or more away
    // from the other would otherwise fold to a negative distance, and two huge ones overflow.
    const double difference = std::fmod(longitude1, 360.0) - std::fmod(longitude2, 360.0);
    double delta = std::fmod(std::fabs(difference), 360.0);
    if (delta > 180.0) delta = 360.0 - delta;
    return delta;
}

int ClassifyAspect(double longitude1, double longitude2, const OrbValues& orbs) {
    const auto d = static_cast<float>(AspectDistance(longitude1, longitude2));
    int kind = kNoAspect;
    if (Within(d, 60.0, orbs[2])) kind = kSextile;
    if (Within(d, 90.0, orbs[3])) kind = kSquare;
    if (Within(d, 120.0, orbs[4])) kind = kTrine;
    if (OppositionWithin(d, orbs[5])) kind = kOpposition;
    // Line 6 of the orb file is read but has no test.
    if (Within(d, 30.0, orbs[7])) kind = kSemisextile;
    if (Within(d, 45.0, orbs[8])) kind = kSemisquare;
    if (Within(d, 135.0, orbs[9])) kind = kSesquiquadrate;
    if (Within(d, 150.0, orbs[10])) kind = kQuincunx;
    if (Within(d, 36.0, orbs[11])) kind = kDecile;
    if (Within(d, 40.0, orbs[12])) kind = kNovile;
    if (Within(d, 72.0, orbs[13])) kind = kQuintile;
    if (Within(d, 108.0, orbs[14])) kind = kTredecile;
    if (Within(d, 144.0, orbs[15])) kind = kBiquintile;
    if (Within(d, 360.0 / 7.0, orbs[16])) kind = kSeptile;
    if (d <= orbs[1]) kind = kConjunction;
    return kind;
}

int ClassifyWheelAspect(double longitude1, double longitude2, const OptionValues& options) {
    const auto d = static_cast<float>(AspectDistance(longitude1, longitude2));
    int kind = kNoAspect;
    if (Within(d, 60.0, options[kOptionSextileOrb])) kind = kSextile;
    if (Within(d, 90.0, options[kOptionSquareOrb])) kind = kSquare;
    if (Within(d, 120.0, options[kOptionTrineOrb])) kind = kTrine;
    if (OppositionWithin(d, options[kOptionOppositionOrb])) kind = kOpposition;
    if (Within(d, 150.0, options[kOptionQuincunxOrb])) kind = kQuincunx;
    return kind;
}

}  // namespace orvantis
