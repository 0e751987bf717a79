#include "wheel/cusp_labels.h"

#include <cmath>

#include "astro/angles.h"
#include "wheel/glyph_printers.h"

namespace orvantis {
namespace {

// Just outside the outer ring (236 × 0.91984662 = 217.08).
constexpr double kLabelRadius = 236 * 0.91984662;
constexpr std::array<double, 5> kItemOffset{0, 6, 16, 24, 31};

struct CuspLabelPlace {
    std::array<Point, 5> item;  // degree tens, degree units, sign, minute tens, minute units
};

CuspLabelPlace FixedPlace(const WheelPaint& p, int position) {
    CuspLabelPlace place;
    const int base = 10 * position - 10;
    for (int k = 0; k < 5; ++k)
        place.item[k] = {p.in.tables.CaptionEntry(base + 2 * k),
                         p.in.tables.CaptionEntry(base + 2 * k + 1)};
    return place;
}

CuspLabelPlace ComputedPlace(const WheelPaint& p, double cusp) {
    double theta = cusp - p.CuspOfHouse(7);
    if (theta < 0) theta += 360;
    if (theta >= 360) theta -= 360;
    double x = kLabelRadius * CosDeg(theta) + 4;
    const double y = kLabelRadius * SinDeg(theta) + 4;
    if ((80 < theta && theta < 100) || (260 < theta && theta < 280))
        x += p.style().cusp_near_vertical_shift;
    else if (100 <= theta && theta <= 260)
        x += p.style().cusp_left_half_shift;
    CuspLabelPlace place;
    for (int k = 0; k < 5; ++k) place.item[k] = {x + kItemOffset[k], y};
    return place;
}

void PrintCuspLabel(WheelPaint& p, const CuspLabelPlace& place, double cusp) {
    const WheelStyle& st = p.style();
    const SignDegreeMinute pos = SplitLongitude(cusp);
    DrawingContext& dc = p.dc;

    dc.FontSize = p.Option(st.cusp_degree_size);
    dc.ForeColor = p.OptionColour(st.cusp_degree_colour);
    p.work.DigitValue = pos.degree;
    dc.CurrentX = place.item[0].x;
    dc.CurrentY = place.item[0].y;
    PrintTensBold(p);
    dc.CurrentX = place.item[1].x;
    dc.CurrentY = place.item[1].y;
    PrintUnitsBold(p);

    dc.CurrentX = place.item[2].x;
    dc.CurrentY = place.item[2].y;
    dc.FontSize = p.Option(st.cusp_sign_size);
    dc.ForeColor = p.OptionColour(st.cusp_sign_colour);
    PrintSignGlyph(p, pos.sign);

    dc.FontSize = p.Option(st.cusp_minute_size);
    dc.ForeColor = p.OptionColour(st.cusp_minute_colour);
    p.work.DigitValue = pos.minute;
    dc.CurrentX = place.item[3].x;
    dc.CurrentY = place.item[3].y;
    GTENSX(p);
    dc.CurrentX = place.item[4].x;
    dc.CurrentY = place.item[4].y;
    GUNITS(p);
}

// Cusps by house, v(1..12), from the display order.
std::array<double, 13> CuspsByHouse(const DisplayedChart& shown) {
    std::array<double, 13> v{};
    for (int h = 1; h <= 12; ++h) v[h] = shown.HouseCusps[CuspPosition(h)];
    return v;
}

}  // namespace

void PutDataOnHouseCusps(WheelPaint& p) {
    for (int i = 1; i <= 12; ++i) {
        const double cusp = p.work.CuspCopy[i];
        // The Ascendant (position 4) and Descendant (10) never move in the European wheel.
        const bool fixed = !p.EuropeanWithChart() || i == 4 || i == 10;
        PrintCuspLabel(p, fixed ? FixedPlace(p, i) : ComputedPlace(p, cusp), cusp);
    }
}

std::array<int, 13> InterceptedSigns(const DisplayedChart& shown) {
    const std::array<double, 13> v = CuspsByHouse(shown);
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
    const std::array<double, 13> v = CuspsByHouse(p.in.shown);
    const std::array<int, 13> intercepted = InterceptedSigns(p.in.shown);
    p.dc.FontSize = p.Option(p.style().intercepted_size);
    p.dc.ForeColor = p.OptionColour(p.style().intercepted_colour);
    p.dc.FontBold = false;
    for (int i = 1; i <= 12; ++i) {
        if (intercepted[i] == 0) continue;
        const int j = i == 12 ? 1 : i + 1;
        double theta;
        if (p.EuropeanWithChart()) {
            double span = v[j] - v[i];
            if (span < -180) span += 360;
            theta = v[i] - v[7] + span / 2;
            if (theta < 0)
                theta += 360;
            else if (theta >= 360)
                theta -= 360;
        } else {
            theta = ((i - 7 + 12) % 12) * 30 + 15;
        }
        double x = kLabelRadius * CosDeg(theta) + 4;
        if (90 < theta && theta < 270) x -= 20;
        p.dc.CurrentX = x;
        p.dc.CurrentY = kLabelRadius * SinDeg(theta) + 4;
        PrintSignGlyph(p, intercepted[i]);
    }
}

void PlaceWheelCaptions(WheelPaint& p) {
    const WheelStyle& st = p.style();
    DrawingContext& dc = p.dc;
    dc.FontName = "QUERNA";
    dc.FontSize = p.Option(st.caption_size);
    dc.FontBold = false;
    dc.ForeColor = p.OptionColour(st.caption_colour);
    const double left = dc.ScaleLeft() + st.caption_inset;
    dc.CurrentX = left;
    dc.CurrentY =
        dc.ScaleTop() - (st.caption_top_offset != 0 ? p.Option(st.caption_top_offset) : 0);
    for (int n = 1; n <= 7; ++n) {
        dc.PrintLine(p.in.chart.CaptionLines[n]);
        dc.CurrentX = left;
    }
    if (st.sidereal_caption_line && p.Option(kOptionZodiac) != 0) dc.PrintLine("Sidereal");
}

}  // namespace orvantis
