#include "aspects/wheel_aspects.h"

#include "aspects/aspect_grid.h"
#include "aspects/aspect_lines.h"

namespace orvantis {

void AttachAspects(WheelInputs& inputs, const OptionValues& options, const OrbValues& orbs) {
    const auto& longitude = inputs.shown.BodyLongitude;
    const AspectLineTarget target{inputs.style.PrinterOutput, inputs.style.MonochromeDrawing};
    inputs.draw_aspect_lines = [&longitude, &options, target](DrawingContext& dc,
                                                              const BodyAngles& angles) {
        DrawAspectLines(dc, longitude, angles, options, target);
    };
    inputs.print_aspect_grid = [&longitude, &options, &orbs](DrawingContext& dc) {
        PrintAspectGrid(dc, longitude, orbs, options);
    };
}

WheelInputs AssembleWheelInputs(const ChartState& chart, const DisplayedChart& shown,
                                const OptionValues& options, const DrawingTables& tables,
                                const OrbValues& orbs, int start_scale, int type_chart,
                                const WheelStyle& style) {
    WheelInputs inputs{chart, shown, options, tables};
    inputs.StartScale = start_scale;
    inputs.TypeChart = type_chart;
    inputs.style = style;
    AttachAspects(inputs, options, orbs);
    return inputs;
}

WheelInputs AssembleWheelInputs(const WheelPicture& picture, const WheelStyle& style) {
    WheelInputs inputs =
        AssembleWheelInputs(picture.chart, picture.shown, picture.options, picture.tables,
                            picture.orbs, picture.StartScale, picture.TypeChart, style);
    if (picture.transits) {
        const AspectLineTarget target{style.PrinterOutput, style.MonochromeDrawing};
        inputs.draw_transits = [&picture, target](WheelPaint& p) {
            const auto radix_aspects = [&](double radius) {
                DrawAspectLines(p.dc, picture.shown.BodyLongitude, p.work.BodyTrueAngle,
                                picture.options, target, radius);
            };
            DrawTransitRing(p, *picture.transits,
                            picture.radix_aspects ? radix_aspects : std::function<void(double)>{});
        };
    }
    return inputs;
}

}  // namespace orvantis
