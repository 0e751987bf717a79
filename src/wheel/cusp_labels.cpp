#include "wheel/cusp_labels.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "wheel/glyph_printers.h"
#include "wheel/planet_placement.h"

namespace orvantis {
namespace {

constexpr double kLabelGap = 2;     // between the outer ring and a label, units
constexpr double kNudgeStep = 1.5;  // degrees a crowded label moves along the ring per try
constexpr int kNudgeTries = 24;

// Cusps by house, v(1..12), from the display order.
std::array<double, 13> CuspsByHouse(const ChartState& chart) {
    std::array<double, 13> v{};
    for (int h = 1; h <= 12; ++h) v[h] = chart.Cusps[CuspPosition(h)];
    return v;
}

// Screen angle of the spoke of house 1..12.
double SpokeAngle(const WheelPaint& p, int house) {
    if (!p.EuropeanWithChart()) return ((house - 7 + 12) % 12) * 30.0;
    return Reduce360(p.CuspOfHouse(house) - p.CuspOfHouse(7));
}

// Boxes already taken outside the ring by cusp labels and intercepted signs.
using Taken = std::vector<Box>;

bool Free(const Taken& taken, const Box& box) {
    return std::none_of(taken.begin(), taken.end(), [&](const Box& t) { return Overlap(t, box); });
}

// The centre of a block of extent e just outside the outer ring, as near the angle theta as
// the labels already placed allow: it moves along the ring away from them.
Point PlaceOutside(Extent e, double theta, const Taken& taken) {
    for (int k = 0; k <= 2 * kNudgeTries; ++k) {
        const double a = theta + (k % 2 == 1 ? 1 : -1) * ((k + 1) / 2) * kNudgeStep;
        const double r = ClearOutside(e, a, kOuterRing + kLabelGap);
        const Point c{r * CosDeg(a), r * SinDeg(a)};
        if (Free(taken, CentredBox(c, e))) return c;
    }
    const double r = ClearOutside(e, theta, kOuterRing + kLabelGap);
    return {r * CosDeg(theta), r * SinDeg(theta)};
}

// Degrees, sign glyph, minutes: one run of text centred outside the ring on the spoke of its
// house, so any font spaces it as one word.
void PrintCuspLabel(WheelPaint& p, int house, double theta, double cusp, Taken& taken) {
    const WheelStyle& st = p.style();
    DrawingContext& dc = p.dc;
    const std::string text = PositionText(SplitLongitude(cusp));
    dc.SetFontSize(p.Option(st.cusp_degree_size));
    const Extent block = dc.Measure(text);
    const Point centre = PlaceOutside(block, theta, taken);
    taken.push_back(CentredBox(centre, block));
    dc.Tag = {ItemKind::CuspLabel, 0, house};
    dc.DrawText({centre.x - block.width / 2, centre.y + block.height / 2}, text,
                p.OptionColour(st.cusp_degree_colour));
}

}  // namespace

void PutDataOnHouseCusps(WheelPaint& p) {
    p.work.OutsideTaken.clear();
    for (int house = 1; house <= 12; ++house)
        PrintCuspLabel(p, house, SpokeAngle(p, house), p.CuspOfHouse(house), p.work.OutsideTaken);
}

std::array<int, 13> InterceptedSigns(const ChartState& chart) {
    const std::array<double, 13> v = CuspsByHouse(chart);
    std::array<int, 13> intercepted{};
    for (int i = 1; i <= 12; ++i) {
        const int j = i == 12 ? 1 : i + 1;
        const int a = SignOf(v[i]);
        const int b = SignOf(v[j]);
        int d = b - a;
        if (d < 0) d += 12;
        if (d == 2) intercepted[i] = a + 1 > 12 ? a + 1 - 12 : a + 1;
    }
    return intercepted;
}

void MarkInterceptedSigns(WheelPaint& p) {
    const std::array<double, 13> v = CuspsByHouse(p.in.chart);
    const std::array<int, 13> intercepted = InterceptedSigns(p.in.chart);
    p.dc.SetFontSize(p.Option(p.style().intercepted_size));
    const Colour colour = p.OptionColour(p.style().intercepted_colour);
    for (int i = 1; i <= 12; ++i) {
        if (intercepted[i] == 0) continue;
        const int j = i == 12 ? 1 : i + 1;
        double theta;
        if (p.EuropeanWithChart()) {
            double span = v[j] - v[i];
            if (span < -180) span += 360;
            theta = Reduce360(v[i] - v[7] + span / 2);
        } else {
            theta = ((i - 7 + 12) % 12) * 30 + 15;
        }
        const std::string glyph = SignGlyph(intercepted[i]);
        const Extent e = p.dc.Measure(glyph);
        const Point centre = PlaceOutside(e, theta, p.work.OutsideTaken);
        p.work.OutsideTaken.push_back(CentredBox(centre, e));
        p.dc.Tag = {ItemKind::Intercepted, 0, 0, intercepted[i]};
        p.dc.DrawText({centre.x - e.width / 2, centre.y + e.height / 2}, glyph, colour);
    }
}

void PlaceWheelCaptions(WheelPaint& p) {
    const WheelStyle& st = p.style();
    DrawingContext& dc = p.dc;
    dc.SetFontSize(p.Option(st.caption_size));
    const Colour colour = p.OptionColour(st.caption_colour);
    Point at{dc.ScaleLeft() + st.caption_inset,
             dc.ScaleTop() - (st.caption_top_offset != 0 ? p.Option(st.caption_top_offset) : 0)};
    // Line by line down from the top; an empty line keeps its place.
    const auto line = [&](std::string_view text) {
        dc.DrawText(at, text, colour);
        at.y += dc.TextHeight(text.empty() ? std::string_view("0") : text);
    };
    const CaptionLines lines = CaptionLinesOf(p.in.chart);
    for (int n = 1; n <= 7; ++n) line(lines[n]);
    if (st.sidereal_caption_line && p.Option(kOptionZodiac) != 0) line("Sidereal");
    for (const std::string& warning : p.in.chart.Warnings) line(warning);
}

}  // namespace orvantis
