// What one paint of the wheel reads: the chart, its displayed copy, the options, the drawing
// tables, the scale and layout, and the style record that tells the window, its monochrome copy
// for the half-page print and the full printed page apart.
#pragma once

#include <array>
#include <functional>

#include "chart/chart_state.h"
#include "settings/option_values.h"
#include "wheel/drawing_tables.h"
#include "wheel/surface.h"

namespace orvantis {

// The surface-dependent values of the paint cycle: which option lines give sizes and colours,
// and the few layout constants in which the printed page differs from the window. The window
// and the page run the same procedures with different style records.
struct WheelStyle {
    bool PrinterOutput = false;      // the full printed page
    bool MonochromeDrawing = false;  // window drawn for the half-page print
    bool clear_background = true;    // the page keeps its paper; window and image are cleared
    bool circles_before_spokes = false;

    int background_colour = 100;  // option lines
    int ring_colour = 101;
    int spoke_colour = 102;
    int wheel_font_size = 69;
    int cusp_degree_size = 69, cusp_sign_size = 70, cusp_minute_size = 71;
    int cusp_degree_colour = 89, cusp_sign_colour = 90, cusp_minute_colour = 91;
    int intercepted_size = 70, intercepted_colour = 90;
    int body_measure_size = 72;
    int glyph_size = 72, degree_size = 73, sign_size = 74, minute_size = 75, retro_size = 76;
    int glyph_colour = 92, degree_colour = 93, sign_colour = 94, minute_colour = 95,
        retro_colour = 96;
    int sign_extra_width = 60, digit_extra_width = 61, sign_extra_height = 62,
        digit_extra_height = 63;
    bool glyph_step_has_extras = false;  // the page adds the sign extras to the glyph step
    int digit_height_threshold = 75;     // AdjustDigitHeight
    std::array<int, 3> aspect_colours{97, 98, 99};  // sextile+trine, square+opposition, quincunx
    int caption_size = 68, caption_colour = 88;
    int caption_top_offset = 0;  // option line of the captions' distance from the top; 0: none
    double caption_inset = 10;   // from the left edge
    bool sidereal_caption_line = false;  // the page adds "Sidereal" under a sidereal chart

    double vertical_step_factor = 480.0 / 640.0;  // label steps: 480/640 window, 480/600 page
    double cusp_near_vertical_shift = -23;        // computed European cusp labels
    double cusp_left_half_shift = -49;
};

// The window (monochrome = the white copy for the half-page print).
WheelStyle WindowWheelStyle(bool monochrome = false);
// The full printed page.
WheelStyle PrinterPageWheelStyle();

// Screen angles (degrees, counterclockwise from 3 o'clock) at which the bodies 1..15 were
// drawn; index 0 unused.
using BodyAngles = std::array<double, 16>;

struct WheelInputs {
    const ChartState& chart;      // ChartReady, HouseOfPlanet, CaptionLines
    const DisplayedChart& shown;  // BodyLongitude, HouseCusps, RetroMarksShown
    const OptionValues& options;
    const DrawingTables& tables;
    int StartScale = 304;  // window: half-width of the user range (the page sets its own)
    int TypeChart = 0;     // 0 American, 1 European
    WheelStyle style{};

    // Step 12 of the paint, run when option 47 is 1: the aspect lines inside the inner ring
    // joining the bodies where their glyphs were drawn. Empty: no aspect lines.
    std::function<void(DrawingContext&, const BodyAngles& BodyDisplayAngle)> draw_aspect_lines{};
    // Last step of the printed page, run when option 122 is not 0: the aspect grid below the
    // wheel. Empty: no grid.
    std::function<void(DrawingContext&)> print_aspect_grid{};
};

}  // namespace orvantis
