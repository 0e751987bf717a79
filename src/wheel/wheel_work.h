// The working tables of one paint. Every paint rebuilds them from the chart; nothing survives
// from one paint to the next.
#pragma once

#include <array>
#include <cstdint>

#include "wheel/surface.h"
#include "wheel/wheel_inputs.h"

namespace orvantis {

inline constexpr int kSlotsPerHouse = 7;
inline constexpr double kSlotWidth = 4;  // degrees
// American slots (house - 1) * 7 + slot; room for crowded slots that run past the seventh slot
// of the last houses.
inline constexpr int kSlotTableSize = 117;

struct WheelWork {
    // Geometry of the cusps: CuspCopy(i) is cusp position i, HouseSize(i) the size in degrees
    // of the house that begins there.
    std::array<double, 13> CuspCopy{};
    std::array<double, 13> HouseSize{};

    // Digit printers and label steps.
    double DigitValue = 0;
    double FortuneGlyphWidth = 0, FortuneGlyphHeight = 0;
    double DigitWidth = 0, DigitHeight = 0;
    int WheelRing = 1;

    // Body placement, 1-based.
    std::array<double, 16> SortedLongitude{};
    std::array<int, 16> SortedBodyId{};
    std::array<int, 16> SortedHouse{};  // 0: no house yet
    std::array<double, 13> HouseBodyCount{};
    std::array<std::int16_t, kSlotTableSize> SlotTaken{};
    std::array<double, 16> BodySlot{};
    BodyAngles BodyDisplayAngle{};
    std::array<bool, 16> BodyDrawn{};  // false for a body skipped in a crowded house
    int RunIndex = 1;

    // Working copies of the constant slot tables, index = house.
    std::array<int, 13> HouseSlotStart{};
    std::array<int, 13> HouseRadius{};
};

// One paint in progress: where it draws, what it reads, and its working tables. The drawing
// procedures take it instead of sharing globals.
struct WheelPaint {
    DrawingContext& dc;
    const WheelInputs& in;
    WheelWork& work;

    const WheelStyle& style() const { return in.style; }
    double Option(int line) const;
    Colour OptionColour(int line) const { return PaletteColour(Option(line)); }
    // The European layout at true cusp positions, once a chart exists.
    bool EuropeanWithChart() const { return in.TypeChart == 1 && in.chart.ChartReady == 1; }
    // The house cusp (longitude) of house 1..12.
    double CuspOfHouse(int house) const;
};

}  // namespace orvantis
