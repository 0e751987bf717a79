#include "wheel/paint_cycle.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "wheel/aspect_grid.h"
#include "wheel/aspect_lines.h"
#include "wheel/cusp_labels.h"
#include "wheel/glyph_printers.h"
#include "wheel/planet_placement.h"
#include "wheel/transit_ring.h"

namespace orvantis {
namespace {

// Room the user scale keeps around the outer ring for the cusp labels: above and below, and
// left and right, where a label lies along the ring.
constexpr double kLabelRoomAbove = 21;
constexpr double kLabelRoomBeside = 45;
// The spokes run from ring to ring. Squeezing their y components by 0.9675 (116.1 for 120,
// 209.9475 for 217), as for circles on screen units that are not square, left the top and bottom
// spokes 7 units short of the outer ring and poking into the inner one: our units are square.
constexpr double kInnerSpokeY = kInnerRing;
constexpr double kOuterSpokeY = kOuterRing;

}  // namespace

WheelStyle WindowWheelStyle(bool monochrome) {
    WheelStyle s;
    s.MonochromeDrawing = monochrome;
    return s;
}

WheelStyle PrinterPageWheelStyle() {
    WheelStyle s;
    s.PrinterOutput = true;
    s.clear_background = false;
    s.circles_before_spokes = true;
    s.background_colour = 0;  // not used: the page keeps its paper
    s.ring_colour = kOptionPageRingColour;
    s.spoke_colour = kOptionPageSpokeColour;
    s.wheel_font_size = kOptionPageCuspDegreeSize;
    s.cusp_degree_size = kOptionPageCuspDegreeSize, s.cusp_sign_size = kOptionPageCuspSignSize,
    s.cusp_minute_size = kOptionPageCuspMinuteSize;
    s.cusp_degree_colour = kOptionPageCuspDegreeColour,
    s.cusp_sign_colour = kOptionPageCuspSignColour,
    s.cusp_minute_colour = kOptionPageCuspMinuteColour;
    s.intercepted_size = kOptionPageCuspSignSize, s.intercepted_colour = kOptionPageCuspSignColour;
    s.body_measure_size = kOptionPageGlyphSize;
    s.glyph_size = kOptionPageGlyphSize, s.degree_size = kOptionPageDegreeSize,
    s.sign_size = kOptionPageSignSize, s.minute_size = kOptionPageMinuteSize,
    s.retro_size = kOptionPageRetroSize;
    s.glyph_colour = kOptionPageGlyphColour, s.degree_colour = kOptionPageDegreeColour,
    s.sign_colour = kOptionPageSignColour, s.minute_colour = kOptionPageMinuteColour,
    s.retro_colour = kOptionPageRetroColour;
    s.sign_extra_width = kOptionPageSignExtraWidth,
    s.digit_extra_width = kOptionPageDigitExtraWidth,
    s.sign_extra_height = kOptionPageSignExtraHeight,
    s.digit_extra_height = kOptionPageDigitExtraHeight;
    s.aspect_colours = {kOptionPageSextileTrineColour, kOptionPageSquareOppositionColour,
                        kOptionPageQuincunxColour};
    s.caption_size = kOptionPageCaptionSize, s.caption_colour = kOptionPageCaptionColour;
    s.caption_top_offset = kOptionPageCaptionTop;
    s.caption_inset = 30;
    s.sidereal_caption_line = true;
    s.vertical_step_factor = 480.0 / 600.0;
    s.cusp_near_vertical_shift = -21;
    s.cusp_left_half_shift = -39;
    return s;
}

double WheelPaint::Option(int line) const {
    if (line < 0 || line > kOptionCount) return 0;
    return in.options[line];
}

double WheelPaint::CuspOfHouse(int house) const {
    return in.shown.HouseCusps[CuspPosition(house)];
}

UserScale WindowUserScale(int start_scale, Extent area) {
    // A degenerate area keeps a usable scale instead of dividing by zero.
    const double ratio =
        area.width > 0 && area.height > 0 ? std::abs(area.height / area.width) : 1.0;
    // The wheel and its cusp labels always fit, whatever the window's shape: a square or
    // portrait window would otherwise cut off the Ascendant and Descendant labels.
    const double s = std::max({static_cast<double>(start_scale), kOuterRing + kLabelRoomBeside,
                               (kOuterRing + kLabelRoomAbove) / ratio});
    return {-s, s * ratio, s, -s * ratio};
}

int PrinterStartScale(int type_chart, bool chart_ready) {
    return type_chart == 1 && chart_ready ? 272 : 265;
}

UserScale PrinterUserScale(int start_scale) {
    const double s = start_scale;
    return {16 - s, s / 0.8 - 68, s - 15, -s / 0.8 - 40};
}

UserScale WheelUserScale(const WheelInputs& in, Extent device) {
    if (in.style.PrinterOutput)
        return PrinterUserScale(PrinterStartScale(in.TypeChart, in.chart.ChartReady));
    return WindowUserScale(in.StartScale, device);
}

std::array<double, 12> SpokeAngles(const DisplayedChart& shown, int type_chart) {
    std::array<double, 12> angles{};
    if (type_chart == 0) {
        for (int k = 0; k < 12; ++k) angles[k] = 30.0 * k;
        return angles;
    }
    std::array<double, 13> v{};
    for (int h = 1; h <= 12; ++h) v[h] = shown.HouseCusps[CuspPosition(h)];
    angles[0] = 180;
    for (int h = 2; h <= 12; ++h) {
        double a = v[h] - v[1];
        if (a < 0) a += 360;
        a += 180;
        if (a >= 360) a -= 360;
        angles[h - 1] = a;
    }
    return angles;
}

void DrawWheelFrame(WheelPaint& p) {
    const WheelStyle& st = p.style();
    const Colour spoke = st.MonochromeDrawing ? Colour{0, 0, 0} : p.OptionColour(st.spoke_colour);
    // The monochrome rule is for the spokes only: the rings keep their option colour.
    const Colour ring = p.OptionColour(st.ring_colour);
    auto circles = [&] {
        p.dc.Circle({0, 0}, kOuterRing, ring);
        p.dc.Circle({0, 0}, kInnerRing, ring);
    };
    if (st.circles_before_spokes) circles();
    for (double theta : SpokeAngles(p.in.shown, p.in.TypeChart)) {
        const double c = CosDeg(theta), s = SinDeg(theta);
        p.dc.Line({kInnerRing * c, kInnerSpokeY * s}, {kOuterRing * c, kOuterSpokeY * s}, spoke);
    }
    if (!st.circles_before_spokes) circles();
}

double FitInside(Extent e, double theta, double limit) {
    // The farthest corner (r|cos| + w/2, r|sin| + h/2) on the circle: a quadratic in r.
    const double b = e.width * std::abs(CosDeg(theta)) + e.height * std::abs(SinDeg(theta));
    const double c = (e.width * e.width + e.height * e.height) / 4 - limit * limit;
    return (-b + std::sqrt(std::max(0.0, b * b - 4 * c))) / 2;
}

double ClearOutside(Extent e, double theta, double limit) {
    const double cx = std::abs(CosDeg(theta)), cy = std::abs(SinDeg(theta));
    const auto nearest = [&](double r) {
        return std::hypot(std::max(0.0, r * cx - e.width / 2),
                          std::max(0.0, r * cy - e.height / 2));
    };
    double lo = 0, hi = limit + e.width + e.height;
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        (nearest(mid) < limit ? lo : hi) = mid;
    }
    return hi;
}

Box CentredBox(Point c, Extent e) {
    return {c.x - e.width / 2, c.y - e.height / 2, c.x + e.width / 2, c.y + e.height / 2};
}

WheelWork PaintWheel(DrawingContext& dc, const WheelInputs& in) {
    WheelWork work;
    WheelPaint p{dc, in, work};
    const WheelStyle& st = in.style;

    if (st.clear_background)
        dc.Clear(st.MonochromeDrawing ? PaletteColour(15) : p.OptionColour(st.background_colour));

    DrawWheelFrame(p);

    dc.SetFontSize(p.Option(st.wheel_font_size));
    PutDataOnHouseCusps(p);
    MarkInterceptedSigns(p);

    SetupAndDisplayPlanets(p);

    dc.Tag = {ItemKind::AspectGlyph};
    if (in.transits)
        DrawTransitRing(p, *in.transits);
    else if (p.Option(kOptionAspectLines) == 1)
        DrawAspectLines(dc, in.shown.BodyLongitude, work.BodyTrueAngle, in.options,
                        {st.PrinterOutput, st.MonochromeDrawing});

    dc.Tag = {ItemKind::Caption};
    PlaceWheelCaptions(p);

    if (st.PrinterOutput && in.grid_orbs)
        PrintAspectGrid(dc, in.shown.BodyLongitude, *in.grid_orbs, in.options);
    work.Items = std::move(dc.Drawn);
    return work;
}

}  // namespace orvantis
