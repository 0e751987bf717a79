// What one paint of the wheel reads: the chart, its displayed copy, the options, the drawing
// tables, the scale and layout, and the style record that tells the window, its monochrome copy
// for the half-page print and the full printed page apart.
#pragma once

#include <array>

#include "aspects/orb_file.h"
#include "chart/chart_state.h"
#include "settings/option_lines.h"
#include "wheel/drawing_tables.h"
#include "wheel/surface.h"

namespace orvantis {

struct TransitSky;

// The surface-dependent values of the paint cycle: which option lines give sizes and colours,
// and the few layout constants in which the printed page differs from the window. The window
// and the page run the same procedures with different style records.
struct WheelStyle {
    bool PrinterOutput = false;      // the full printed page
    bool MonochromeDrawing = false;  // window drawn for the half-page print
    bool clear_background = true;    // the page keeps its paper; window and image are cleared
    bool circles_before_spokes = false;

    // Option lines.
    int background_colour = kOptionBackgroundColour;
    int ring_colour = kOptionRingColour;
    int spoke_colour = kOptionSpokeColour;
    int wheel_font_size = kOptionCuspDegreeSize;
    int cusp_degree_size = kOptionCuspDegreeSize, cusp_sign_size = kOptionCuspSignSize,
        cusp_minute_size = kOptionCuspMinuteSize;
    int cusp_degree_colour = kOptionCuspDegreeColour, cusp_sign_colour = kOptionCuspSignColour,
        cusp_minute_colour = kOptionCuspMinuteColour;
    int intercepted_size = kOptionCuspSignSize, intercepted_colour = kOptionCuspSignColour;
    int body_measure_size = kOptionGlyphSize;
    int glyph_size = kOptionGlyphSize, degree_size = kOptionDegreeSize, sign_size = kOptionSignSize,
        minute_size = kOptionMinuteSize, retro_size = kOptionRetroSize;
    int glyph_colour = kOptionGlyphColour, degree_colour = kOptionDegreeColour,
        sign_colour = kOptionSignColour, minute_colour = kOptionMinuteColour,
        retro_colour = kOptionRetroColour;
    int sign_extra_width = kOptionSignExtraWidth, digit_extra_width = kOptionDigitExtraWidth,
        sign_extra_height = kOptionSignExtraHeight, digit_extra_height = kOptionDigitExtraHeight;
    // Sextile and trine, square and opposition, quincunx.
    std::array<int, 3> aspect_colours{kOptionSextileTrineColour, kOptionSquareOppositionColour,
                                      kOptionQuincunxColour};
    int caption_size = kOptionCaptionSize, caption_colour = kOptionCaptionColour;
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
    const DisplayedChart& shown;  // BodyLongitude, HouseCusps, RetrogradeShown
    const OptionValues& options;
    const DrawingTables& tables;
    int StartScale = 304;  // window: half-width of the user range (the page sets its own)
    int TypeChart = 0;     // 0 American, 1 European
    WheelStyle style{};

    // The orbs of the orb file, for the aspect grid the printed page draws below the wheel when
    // kOptionPrintGrid is not 0. Null: no grid.
    const OrbValues* grid_orbs = nullptr;
    // A bi-wheel: the transiting sky, drawn inside the inner ring in place of the aspect lines
    // (which the paint draws when kOptionAspectLines is 1). Null: the chart alone.
    const TransitSky* transits = nullptr;
    bool radix_aspects = false;  // a bi-wheel draws the radix's own aspect lines too
};

}  // namespace orvantis
