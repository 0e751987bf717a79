#include "wheel/wheel_picture.h"

namespace orvantis {

WheelInputs AssembleWheelInputs(const ChartState& chart, const DisplayedChart& shown,
                                const OptionValues& options, const DrawingTables& tables,
                                const OrbValues& orbs, int start_scale, int type_chart,
                                const WheelStyle& style) {
    WheelInputs inputs{chart, shown, options, tables};
    inputs.StartScale = start_scale;
    inputs.TypeChart = type_chart;
    inputs.style = style;
    inputs.grid_orbs = &orbs;
    return inputs;
}

WheelInputs AssembleWheelInputs(const WheelPicture& picture, const WheelStyle& style) {
    WheelInputs inputs =
        AssembleWheelInputs(picture.chart, picture.shown, picture.options, picture.tables,
                            picture.orbs, picture.StartScale, picture.TypeChart, style);
    if (picture.transits) inputs.transits = &*picture.transits;
    inputs.radix_aspects = picture.radix_aspects;
    return inputs;
}

}  // namespace orvantis
