// The lines of the options file by name: OptionValues[kOptionHomeZone] is line 18 of OPTIONS.OPT.
// Every line not named here (1, 6 to 9, 11 to 17, 25, 26, 30 to 32, 34 to 39, 41 to 46, 49 to
// 59, 87, 117 and 118) is read and kept but acts nowhere. Colours are palette indices 0..15,
// sizes are points.
#pragma once

#include <array>

#include "settings/option_values.h"

namespace orvantis {

// Orbs of the aspect lines inside the wheel, degrees.
inline constexpr int kOptionSextileOrb = 2;
inline constexpr int kOptionSquareOrb = 3;
inline constexpr int kOptionTrineOrb = 4;
inline constexpr int kOptionOppositionOrb = 5;
inline constexpr int kOptionQuincunxOrb = 10;

// The home place (see HomePlace below).
inline constexpr int kOptionHomeZone = 18;      // hours, west positive, -13 to 12
inline constexpr int kOptionHomeLongDeg = 19;   // 0 to 180
inline constexpr int kOptionHomeLongMin = 20;   // 0 to 59
inline constexpr int kOptionHomeLongEast = 21;  // -1 east, 0 west
inline constexpr int kOptionHomeLatDeg = 22;
inline constexpr int kOptionHomeLatMin = 23;    // 0 to 59
inline constexpr int kOptionHomeLatSouth = 24;  // -1 south, 0 north

inline constexpr int kOptionStartHouseSystem = 27;  // 1 P, 2 R, 3 K, 4 C, 5 O, 6 E, 7 M, 8 I
inline constexpr int kOptionLabelDirection = 28;    // 1: the alternative body label rule
inline constexpr int kOptionTrueNode = 29;          // 1: the true node, else the mean node
inline constexpr int kOptionKeepGeometry = 33;      // 0: the screen-size preset after each chart
inline constexpr int kOptionPageCaptionTop = 40;    // printed captions from the top edge
inline constexpr int kOptionAspectLines = 47;       // 1: aspect lines inside the wheel
inline constexpr int kOptionTitleWindow = 48;       // 1: the title window at start-up

// Extra width and height of the body labels' sign-glyph and digit steps: window, printed page.
inline constexpr int kOptionSignExtraWidth = 60;
inline constexpr int kOptionDigitExtraWidth = 61;
inline constexpr int kOptionSignExtraHeight = 62;
inline constexpr int kOptionDigitExtraHeight = 63;
inline constexpr int kOptionPageSignExtraWidth = 64;
inline constexpr int kOptionPageDigitExtraWidth = 65;
inline constexpr int kOptionPageSignExtraHeight = 66;
inline constexpr int kOptionPageDigitExtraHeight = 67;

// Font sizes in the window.
inline constexpr int kOptionCaptionSize = 68;
inline constexpr int kOptionCuspDegreeSize = 69;
inline constexpr int kOptionCuspSignSize = 70;  // also the intercepted signs
inline constexpr int kOptionCuspMinuteSize = 71;
inline constexpr int kOptionGlyphSize = 72;
inline constexpr int kOptionDegreeSize = 73;
inline constexpr int kOptionSignSize = 74;
inline constexpr int kOptionMinuteSize = 75;  // 9 or more also tightens the label steps
inline constexpr int kOptionRetroSize = 76;
inline constexpr int kOptionAspectGlyphSize = 77;

// Font sizes on the printed page.
inline constexpr int kOptionPageCaptionSize = 78;
inline constexpr int kOptionPageCuspDegreeSize = 79;
inline constexpr int kOptionPageCuspSignSize = 80;
inline constexpr int kOptionPageCuspMinuteSize = 81;
inline constexpr int kOptionPageGlyphSize = 82;
inline constexpr int kOptionPageDegreeSize = 83;
inline constexpr int kOptionPageSignSize = 84;
inline constexpr int kOptionPageMinuteSize = 85;
inline constexpr int kOptionPageRetroSize = 86;

// Colours in the window.
inline constexpr int kOptionCaptionColour = 88;
inline constexpr int kOptionCuspDegreeColour = 89;
inline constexpr int kOptionCuspSignColour = 90;
inline constexpr int kOptionCuspMinuteColour = 91;
inline constexpr int kOptionGlyphColour = 92;
inline constexpr int kOptionDegreeColour = 93;
inline constexpr int kOptionSignColour = 94;
inline constexpr int kOptionMinuteColour = 95;
inline constexpr int kOptionRetroColour = 96;
inline constexpr int kOptionSextileTrineColour = 97;
inline constexpr int kOptionSquareOppositionColour = 98;
inline constexpr int kOptionQuincunxColour = 99;
inline constexpr int kOptionBackgroundColour = 100;
inline constexpr int kOptionRingColour = 101;
inline constexpr int kOptionSpokeColour = 102;

// Colours on the printed page.
inline constexpr int kOptionPageCaptionColour = 103;
inline constexpr int kOptionPageCuspDegreeColour = 104;
inline constexpr int kOptionPageCuspSignColour = 105;
inline constexpr int kOptionPageCuspMinuteColour = 106;
inline constexpr int kOptionPageGlyphColour = 107;
inline constexpr int kOptionPageDegreeColour = 108;
inline constexpr int kOptionPageSignColour = 109;
inline constexpr int kOptionPageMinuteColour = 110;
inline constexpr int kOptionPageRetroColour = 111;
inline constexpr int kOptionPageSextileTrineColour = 112;
inline constexpr int kOptionPageSquareOppositionColour = 113;
inline constexpr int kOptionPageQuincunxColour = 114;
inline constexpr int kOptionPageRingColour = 115;
inline constexpr int kOptionPageSpokeColour = 116;

// The printed aspect grid.
inline constexpr int kOptionGridOffset = 119;  // vertical offset in glyph heights
inline constexpr int kOptionGridFontSize = 120;
inline constexpr int kOptionGridRightDistance = 121;
inline constexpr int kOptionPrintGrid = 122;  // not 0: print the grid with the wheel
inline constexpr int kOptionZodiac = 123;     // 0 tropical, 1 sidereal (SVP), 2 (ayanamsa)
inline constexpr int kOptionGridConjunctionColour = 124;
inline constexpr int kOptionGridSextileTrineColour = 125;
inline constexpr int kOptionGridSquareOppositionColour = 126;
inline constexpr int kOptionGridQuincunxColour = 127;
inline constexpr int kOptionGridSemisquareColour = 128;  // and sesquiquadrate
inline constexpr int kOptionGridQuintileColour = 129;    // and biquintile
inline constexpr int kOptionGridMinorColour = 130;       // semisextile, decile, novile

// Line 132, after the home zone's name: 1 the precise ephemeris, else the built-in series. A file
// without the line reads 0.
inline constexpr int kOptionEphemeris = kOptionLastLine;

// Every line above, in file order: the lines the options help must describe.
inline constexpr std::array kActingOptionLines = {kOptionSextileOrb,
                                                  kOptionSquareOrb,
                                                  kOptionTrineOrb,
                                                  kOptionOppositionOrb,
                                                  kOptionQuincunxOrb,
                                                  kOptionHomeZone,
                                                  kOptionHomeLongDeg,
                                                  kOptionHomeLongMin,
                                                  kOptionHomeLongEast,
                                                  kOptionHomeLatDeg,
                                                  kOptionHomeLatMin,
                                                  kOptionHomeLatSouth,
                                                  kOptionStartHouseSystem,
                                                  kOptionLabelDirection,
                                                  kOptionTrueNode,
                                                  kOptionKeepGeometry,
                                                  kOptionPageCaptionTop,
                                                  kOptionAspectLines,
                                                  kOptionTitleWindow,
                                                  kOptionSignExtraWidth,
                                                  kOptionDigitExtraWidth,
                                                  kOptionSignExtraHeight,
                                                  kOptionDigitExtraHeight,
                                                  kOptionPageSignExtraWidth,
                                                  kOptionPageDigitExtraWidth,
                                                  kOptionPageSignExtraHeight,
                                                  kOptionPageDigitExtraHeight,
                                                  kOptionCaptionSize,
                                                  kOptionCuspDegreeSize,
                                                  kOptionCuspSignSize,
                                                  kOptionCuspMinuteSize,
                                                  kOptionGlyphSize,
                                                  kOptionDegreeSize,
                                                  kOptionSignSize,
                                                  kOptionMinuteSize,
                                                  kOptionRetroSize,
                                                  kOptionAspectGlyphSize,
                                                  kOptionPageCaptionSize,
                                                  kOptionPageCuspDegreeSize,
                                                  kOptionPageCuspSignSize,
                                                  kOptionPageCuspMinuteSize,
                                                  kOptionPageGlyphSize,
                                                  kOptionPageDegreeSize,
                                                  kOptionPageSignSize,
                                                  kOptionPageMinuteSize,
                                                  kOptionPageRetroSize,
                                                  kOptionCaptionColour,
                                                  kOptionCuspDegreeColour,
                                                  kOptionCuspSignColour,
                                                  kOptionCuspMinuteColour,
                                                  kOptionGlyphColour,
                                                  kOptionDegreeColour,
                                                  kOptionSignColour,
                                                  kOptionMinuteColour,
                                                  kOptionRetroColour,
                                                  kOptionSextileTrineColour,
                                                  kOptionSquareOppositionColour,
                                                  kOptionQuincunxColour,
                                                  kOptionBackgroundColour,
                                                  kOptionRingColour,
                                                  kOptionSpokeColour,
                                                  kOptionPageCaptionColour,
                                                  kOptionPageCuspDegreeColour,
                                                  kOptionPageCuspSignColour,
                                                  kOptionPageCuspMinuteColour,
                                                  kOptionPageGlyphColour,
                                                  kOptionPageDegreeColour,
                                                  kOptionPageSignColour,
                                                  kOptionPageMinuteColour,
                                                  kOptionPageRetroColour,
                                                  kOptionPageSextileTrineColour,
                                                  kOptionPageSquareOppositionColour,
                                                  kOptionPageQuincunxColour,
                                                  kOptionPageRingColour,
                                                  kOptionPageSpokeColour,
                                                  kOptionGridOffset,
                                                  kOptionGridFontSize,
                                                  kOptionGridRightDistance,
                                                  kOptionPrintGrid,
                                                  kOptionZodiac,
                                                  kOptionGridConjunctionColour,
                                                  kOptionGridSextileTrineColour,
                                                  kOptionGridSquareOppositionColour,
                                                  kOptionGridQuincunxColour,
                                                  kOptionGridSemisquareColour,
                                                  kOptionGridQuintileColour,
                                                  kOptionGridMinorColour,
                                                  kOptionEphemeris};

// The home place of lines 18 to 24, as typed: magnitudes and the two sides.
struct HomeLocation {
    float zone = 0;  // hours, west positive
    float long_degrees = 0, long_minutes = 0;
    bool west = true;
    float lat_degrees = 0, lat_minutes = 0;
    bool south = false;

    // The place packed as degrees.minutes with its sign, as the chart holds it: longitude west
    // positive, latitude north positive.
    float PackedLongitude() const;
    float PackedLatitude() const;
};

// The one rule for the sides: east only when line 21 is -1 and south only when line 24 is -1;
// any other value (a hand-edited 1 or 5) counts as west and north, as the clock's own chart has
// always taken it.
HomeLocation HomePlace(const OptionValues& options);

}  // namespace orvantis
