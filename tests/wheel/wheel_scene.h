// One wheel painted on a recording surface: a hand-made chart, the shipped option values and the
// built-in drawing tables, on a 640 × 480 window (scale 304 × 228).
#pragma once

#include "support/recording_surface.h"
#include "wheel/paint_cycle.h"
#include "wheel_charts.h"

namespace orvantis::test {

struct Scene {
    explicit Scene(const std::string& chart_name = "ordinary") { NamedHandChart(chart_name, hc); }

    WheelInputs Inputs(int type_chart = 0, const WheelStyle& style = WindowWheelStyle()) const {
        WheelInputs in{hc.chart, hc.shown, options, tables};
        in.StartScale = 304;
        in.TypeChart = type_chart;
        in.style = style;
        return in;
    }

    WheelWork Paint(const WheelInputs& in) {
        const UserScale scale = WheelUserScale(in, {640, 480});
        DrawingContext dc(surface, scale);
        return PaintWheel(dc, in);
    }
    WheelWork Paint(int type_chart = 0, const WheelStyle& style = WindowWheelStyle()) {
        return Paint(Inputs(type_chart, style));
    }

    HandChart hc;
    OptionValues options = TestOptions();
    DrawingTables tables = BuiltInDrawingTables();
    RecordingSurface surface;
};

// One procedure of the paint on its own: the context, inputs and working tables it needs.
struct ProcedureRun {
    ProcedureRun(Scene& scene, int type_chart = 0, const WheelStyle& style = WindowWheelStyle())
        : in(scene.Inputs(type_chart, style)),
          dc(scene.surface, WheelUserScale(in, {640, 480})),
          p{dc, in, work} {}
    WheelInputs in;
    DrawingContext dc;
    WheelWork work;
    WheelPaint p;
};

}  // namespace orvantis::test
