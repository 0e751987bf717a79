// The aspects' part of a wheel paint: the lines inside the wheel and the printed grid.
#pragma once

#include <optional>

#include "aspects/orb_file.h"
#include "aspects/transit_ring.h"
#include "settings/option_values.h"
#include "wheel/wheel_inputs.h"

namespace orvantis {

// Sets the inputs' aspect-line step (option orbs, drawn when option 47 is 1) and printed-grid
// step (the orbs of the orb file, printed when option 122 is not 0). The options and orbs must
// outlive every paint with these inputs; set the inputs' style first.
void AttachAspects(WheelInputs& inputs, const OptionValues& options, const OrbValues& orbs);

// What the window, the printed page and orvantis-chart paint from: the chart and its displayed
// copy, options, drawing tables, scale, layout and style, with the aspect steps attached. Every
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
