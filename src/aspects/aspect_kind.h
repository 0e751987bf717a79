// The aspect kinds and the classification of the distance between two longitudes, shared by the
// aspect window, the printed aspect grid and the aspect lines inside the wheel.
#pragma once

#include <string_view>

#include "aspects/orb_file.h"
#include "settings/option_lines.h"

namespace orvantis {

// Kind 1 is "no aspect"; 2..6 and 8..17 are the aspects. Kind k is read from line k - 1 of the
// orb file and drawn with glyph code k + 159, so the numbers are fixed; 7 is left out because
// line 6 of the orb file holds no aspect's orb.
enum AspectKind : int {
    kNoAspect = 1,
    kConjunction = 2,
    kSextile = 3,
    kSquare = 4,
    kTrine = 5,
    kOpposition = 6,
    kSemisextile = 8,
    kSemisquare = 9,
    kSesquiquadrate = 10,
    kQuincunx = 11,
    kDecile = 12,
    kNovile = 13,
    kQuintile = 14,
    kTredecile = 15,
    kBiquintile = 16,
    kSeptile = 17,
};

// True for the kinds that form an aspect: neither 1 nor above 17.
constexpr bool IsAspect(int kind) {
    return kind != kNoAspect && kind <= kSeptile;
}

// The usual name of the angle of kind ("conjunction" .. "septile"), "" for any other number.
std::string_view AspectName(int kind);

// The distance of two longitudes in degrees (any finite values), folded to 0..180: 181 degrees
// apart counts as 179.
double AspectDistance(double longitude1, double longitude2);

// The aspect kind (1..17) of two longitudes under the orbs of an orb file. The tests run in a
// fixed order and a later test that holds overwrites an earlier one, so overlapping orbs give
// the later kind (with a sextile orb of 6 and a semisextile orb of 30, 55 degrees is a
// semisextile); the opposition test is one-sided (distance >= 180 - orb) and the conjunction
// test comes last. Distance and bounds are compared as 32-bit floats, so a user's orb file
// gives the same aspects at the edges of its orbs on every machine.
int ClassifyAspect(double longitude1, double longitude2, const OrbValues& orbs);

// The same classification for the aspect lines inside the wheel, with the orbs of the options
// file (lines 2, 3, 4, 5 and 10) and only the sextile, square, trine, opposition and quincunx
// tests: the wheel never shows conjunctions or minor aspects.
int ClassifyWheelAspect(double longitude1, double longitude2, const OptionValues& options);

}  // namespace orvantis
