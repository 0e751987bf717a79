// One chart as the wheel shows it, and the inputs of a paint assembled from its parts.
#pragma once

#include <optional>

#include "aspects/orb_file.h"
#include "settings/option_values.h"
#include "wheel/transit_ring.h"
#include "wheel/wheel_inputs.h"

namespace orvantis {

// What the window, the printed page and orvantis-chart paint from: the chart and its displayed
// copy, options, drawing tables, the orbs of the printed grid, scale, layout and style. Every
// reference must outlive the paints.
WheelInputs AssembleWheelInputs(const ChartState& chart, const DisplayedChart& shown,
                                const OptionValues& options, const DrawingTables& tables,
                                const OrbValues& orbs, int start_scale, int type_chart,
                                const WheelStyle& style);

// One chart as the wheel shows it, held by value: what a view keeps between its paints.
struct WheelPicture {
    ChartState chart;
    DisplayedChart shown;
    OptionValues options{};
    DrawingTables tables;
    OrbValues orbs{};
    int StartScale = 304;                // half-width of the user range
    int TypeChart = 0;                   // 0 American, 1 European
    std::optional<TransitSky> transits;  // a bi-wheel: the chart is the radix
    bool radix_aspects = false;          // a bi-wheel draws the radix's own aspect lines too
};

// The inputs of one paint of the picture, which must outlive every paint with them.
WheelInputs AssembleWheelInputs(const WheelPicture& picture, const WheelStyle& style);

}  // namespace orvantis
