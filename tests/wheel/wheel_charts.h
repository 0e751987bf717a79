// Charts for the wheel's tests and its render tool: hand-made ones whose cusps and bodies are set
// directly, so placement cases (crowded houses, a house across 0° Aries, intercepted signs) are
// exact and independent of the ephemeris.
#pragma once

#include <array>
#include <string>

#include "chart/chart_state.h"
#include "settings/option_values.h"

namespace orvantis::test {

struct HandChart {
    ChartState chart;
    DisplayedChart shown;
};

// A chart from cusps by house (house 1..12 at index 1..12) and body longitudes 1..15: writes the
// display-order cusps, the house text of every body (ten characters a body, as the chart driver
// writes it), the displayed copies, caption lines and ChartReady = 1. retrograde: "R" at
// position i - 1 for body i.
HandChart MakeHandChart(const std::array<double, 13>& cusps_by_house,
                        const std::array<double, 16>& bodies,
                        const std::string& retrograde = std::string(15, ' '));

// Equal houses of 30 degrees from the Ascendant.
std::array<double, 13> EqualCusps(double ascendant);

// The hand-made charts by name: "ordinary", "stellium" (seven bodies in one house and sign),
// "crowded" (nine bodies in one house: the opposite node and the Part of Fortune are left out),
// "aries" (a house across 0° Aries holding bodies on both sides), "intercepted" (unequal houses
// with two intercepted signs), "conjunct" (bodies of equal longitude), "empty" (no chart yet).
// Returns false for an unknown name.
bool NamedHandChart(const std::string& name, HandChart& out);

// The options the tests paint with: the shipped OPTIONS.OPT of the source tree.
OptionValues TestOptions();

}  // namespace orvantis::test
