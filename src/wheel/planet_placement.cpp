#include "wheel/planet_placement.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "wheel/glyph_printers.h"

namespace orvantis {
namespace {

constexpr double kNearFullTurn = 1.0 / 36000;  // a tenth of an arc second

int SlotIndex(int house, int slot) {
    return (house - 1) * kSlotsPerHouse + slot;
}

bool SlotFree(const WheelWork& w, int house, int slot) {
    const int index = SlotIndex(house, slot);
    return index < 0 || index >= kSlotTableSize || w.SlotTaken[index] == 0;
}

int NextHouse(int house) {
    return house == 12 ? 1 : house + 1;
}

// The push-apart compares a glyph with the one drawn just before it only, so in a stellium a
// body can land on a glyph placed two or more bodies earlier. A glyph closer than one slot to
// any glyph already drawn therefore moves on, 4 degrees counterclockwise of that glyph, until
// it is clear; where the comparison with the previous glyph was enough nothing changes.
double ClearOfDrawnGlyphs(const WheelWork& w, double theta) {
    for (int pass = 0; pass < kBodyCount; ++pass) {
        bool moved = false;
        for (int id = 1; id <= kBodyCount && !moved; ++id) {
            if (!w.BodyDrawn[id]) continue;
            const double gap = Reduce360(theta - w.BodyDisplayAngle[id]);
            if (std::min(gap, 360 - gap) < kSlotWidth - 1e-9) {
                theta = Reduce360(w.BodyDisplayAngle[id] + kSlotWidth);
                moved = true;
            }
        }
        if (!moved) break;
    }
    return theta;
}

}  // namespace

void SortPlanets(WheelPaint& p) {
    WheelWork& w = p.work;
    w.HouseBodyCount.fill(0);
    for (int i = 1; i <= kBodyCount; ++i) {
        w.SortedLongitude[i] = p.in.shown.BodyLongitude[i];
        w.SortedBodyId[i] = i;
    }
    // An exchange sort, not a stable sort: bodies of equal longitude end in the order this very
    // procedure leaves them, which the placement of conjunct glyphs depends on.
    for (int i = 1; i <= kBodyCount - 1; ++i) {
        for (int j = i + 1; j <= kBodyCount; ++j) {
            if (w.SortedLongitude[j] < w.SortedLongitude[i]) {
                std::swap(w.SortedLongitude[i], w.SortedLongitude[j]);
                std::swap(w.SortedBodyId[i], w.SortedBodyId[j]);
            }
        }
    }
}

void CountBodiesPerHouse(WheelPaint& p) {
    WheelWork& w = p.work;
    for (int k = 1; k <= kBodyCount; ++k) {
        const int h = p.in.chart.HouseOfPlanet[w.SortedBodyId[k]];
        if (h != 0) w.HouseBodyCount[h] += 1;
        w.SortedHouse[k] = h;
    }
    // A house spanning 0° Aries holds both the highest and the lowest longitudes: rotate until
    // its bodies form one run. Fourteen turns at most (every body in one house).
    for (int turn = 0; turn < kBodyCount - 1 && w.SortedHouse[kBodyCount] == w.SortedHouse[1];
         ++turn) {
        const auto rotate = [](auto& table) {
            std::rotate(table.begin() + 1, table.begin() + kBodyCount,
                        table.begin() + kBodyCount + 1);
        };
        rotate(w.SortedLongitude);
        rotate(w.SortedBodyId);
        rotate(w.SortedHouse);
    }
    w.SlotTaken.fill(0);
}

void SetupAndDisplayPlanets(WheelPaint& p) {
    WheelWork& w = p.work;
    w.HouseSlotStart = kHouseSlotStart;
    w.HouseRadius = kHouseRadius;
    double previous_angle = -100;
    int previous_house = 0;

    SortPlanets(p);
    CountBodiesPerHouse(p);

    const double cusp7 = p.CuspOfHouse(7);
    for (int k = kBodyCount; k >= 1; --k) {
        const int id = w.SortedBodyId[k];
        const double L = w.SortedLongitude[k];
        const int h = w.SortedHouse[k];

        if (h != previous_house) w.RunIndex = 1;
        previous_house = h;
        // Without a house (no chart yet) a body has no sector to go to and is not drawn.
        if (h == 0) continue;
        const int c = static_cast<int>(w.HouseBodyCount[h]);
        if (c > 7 && (id == kOppositeNode || id == kFortune)) continue;

        double d = Reduce360(L - p.CuspOfHouse(h));
        if (std::abs(d - 360) < kNearFullTurn) d = 0;

        // The house sizes come from the same cusps as the houses, so d lies inside the house
        // and s in 0..6; a zero-sized house or a body outside its house stays in the sector.
        const double size = w.HouseSize[CuspPosition(h)];
        int s = size > 0 ? static_cast<int>(std::trunc(kSlotsPerHouse * d / size)) : 0;
        if (s > kSlotsPerHouse - 1) s = kSlotsPerHouse - 1;

        // Crowding: the bodies still to come in this house need the slots after this one.
        const int r = w.RunIndex;
        if (7 - c <= s && 7 - s - c + r <= 0) {
            if (s - (c - r) >= 0 && SlotFree(w, h, s))
                s = 7 - (c - r) - 1;
            else
                s = 7 - c;
        }
        if (s < 0) s = 0;
        while (!SlotFree(w, h, s)) ++s;
        w.BodySlot[id] = s;
        if (SlotIndex(h, s) < kSlotTableSize) w.SlotTaken[SlotIndex(h, s)] = 1;

        double theta = w.HouseSlotStart[h] + kSlotWidth * s;
        double radius = w.HouseRadius[h];
        if (w.WheelRing == 1) radius = p.in.tables.GlyphRadius(theta);

        if (p.EuropeanWithChart()) {
            theta = Reduce360(L - cusp7);
            const double q = theta - previous_angle;
            if ((-16 <= q && q < 4) || (-360 <= q && q < -356)) {
                // Too close to the glyph drawn before: 4 degrees on from it.
                theta = Reduce360(previous_angle + 4);
                if (d < 2 && w.RunIndex == 1 && 102.5 <= theta && theta <= 137.5)
                    theta = theta + 2 - d;
            } else {
                const double next_cusp_angle = Reduce360(p.CuspOfHouse(NextHouse(h)) - cusp7);
                // Leave room before the next cusp for the bodies of this house still to come.
                const double e = Reduce360(next_cusp_angle - (c - r + 1) * kSlotWidth);
                if (Reduce360(e) < theta) theta = e;
                if (theta <= 28 && e >= 332) theta = 0;
                if ((theta < 180 || theta >= 270) && theta + 2 < next_cusp_angle) theta = theta + 2;
            }
            theta = ClearOfDrawnGlyphs(w, theta);
            radius = p.in.tables.GlyphRadius(theta);
            previous_angle = theta;
        }

        w.BodyDisplayAngle[id] = theta;
        w.BodyDrawn[id] = true;
        w.RunIndex += 1;
        PutPlanetsInChartwheel(p, {id, h, theta, radius});
    }
}

bool LabelReadsOutwardIn(const WheelPaint& p, double theta, int house) {
    const bool european = p.EuropeanWithChart();
    int n = 4;
    if (p.Option(kOptionLabelDirection) == 1 && (p.in.TypeChart == 0 || p.in.chart.ChartReady == 0))
        n = 3;
    const bool left_half = (75 <= theta && theta < 255) || !european;
    const bool outer_houses = house < n || house > n + 5 || european;
    return left_half && outer_houses;
}

void StepLabelInward(WheelPaint& p, LabelCursor& at) {
    at.x -= CosDeg(at.theta) * p.work.DigitWidth;
    at.y -= SinDeg(at.theta) * p.work.DigitHeight * p.style().vertical_step_factor;
    p.dc.CurrentX = at.x;
    p.dc.CurrentY = at.y;
}

void StepLabelByGlyph(WheelPaint& p, LabelCursor& at) {
    at.x -= CosDeg(at.theta) * p.work.FortuneGlyphWidth;
    at.y -= SinDeg(at.theta) * p.work.FortuneGlyphHeight * p.style().vertical_step_factor;
    p.dc.CurrentX = at.x;
    p.dc.CurrentY = at.y;
}

namespace {

// Sets the font size and colour of one label item and measures its step: "0" at that size
// plus the item's extras.
void BeginLabelItem(WheelPaint& p, int size_option, int colour_option, int extra_width_option,
                    int extra_height_option) {
    p.dc.FontSize = p.Option(size_option);
    p.dc.ForeColor = p.OptionColour(colour_option);
    p.dc.FontBold = false;
    p.work.DigitWidth = p.dc.TextWidth("0") + p.Option(extra_width_option);
    p.work.DigitHeight = std::abs(p.dc.TextHeight("0")) + p.Option(extra_height_option);
}

}  // namespace

void PutPlanetsInChartwheel(WheelPaint& p, const PlacedBody& body) {
    const WheelStyle& st = p.style();
    LabelCursor at{body.radius * CosDeg(body.theta), body.radius * SinDeg(body.theta), body.theta};
    p.dc.FontBold = false;
    p.dc.FontSize = p.Option(st.glyph_size);
    p.dc.ForeColor = p.OptionColour(st.glyph_colour);
    p.dc.CurrentX = at.x;
    p.dc.CurrentY = at.y;
    PrintBodyGlyph(p, body.id);

    const SignDegreeMinute pos = SplitLongitude(p.in.shown.BodyLongitude[body.id]);
    const std::string& retro = p.in.shown.RetroMarksShown;
    const bool retrograde = body.id <= 10 && static_cast<std::size_t>(body.id) <= retro.size() &&
                            retro[body.id - 1] == 'R';
    // Option line 0 is never filled, so it stands for "no extra".
    constexpr int kNoExtra = 0;

    // Every step is sized by the label item whose cell it crosses. Reading outward-in the label
    // runs from the glyph in reading direction, so a step crosses the item just printed;
    // reading inward-out it runs against reading direction, and a step crosses the item about
    // to be printed (the cells hang right and down from their top-left corners).
    if (LabelReadsOutwardIn(p, body.theta, body.house)) {
        // Degrees next to the glyph: glyph, degrees, sign, minutes, "R".
        StepLabelByGlyph(p, at);
        BeginLabelItem(p, st.degree_size, st.degree_colour, st.digit_extra_width,
                       st.digit_extra_height);
        p.work.DigitValue = pos.degree;
        PrintTensBold(p);
        StepLabelInward(p, at);
        PrintUnitsBold(p);
        StepLabelInward(p, at);
        BeginLabelItem(p, st.sign_size, st.sign_colour, st.sign_extra_width, st.sign_extra_height);
        PrintSignGlyph(p, pos.sign);
        StepLabelInward(p, at);
        BeginLabelItem(p, st.minute_size, st.minute_colour, st.digit_extra_width,
                       st.digit_extra_height);
        p.work.DigitValue = pos.minute;
        GTENSX(p);
        StepLabelInward(p, at);
        GUNITS(p);
        StepLabelInward(p, at);
        if (retrograde) {
            BeginLabelItem(p, st.retro_size, st.retro_colour, kNoExtra, kNoExtra);
            p.dc.Print("R");
        }
    } else {
        // Minutes next to the glyph: glyph, minutes, sign, degrees, "R"; read from the left it
        // still gives degrees, sign, minutes.
        BeginLabelItem(p, st.minute_size, st.minute_colour, st.digit_extra_width,
                       st.digit_extra_height);
        AdjustDigitHeight(p);
        StepLabelInward(p, at);
        p.work.DigitValue = pos.minute;
        GUNITS(p);
        StepLabelInward(p, at);
        GTENSX(p);
        BeginLabelItem(p, st.sign_size, st.sign_colour, st.sign_extra_width, st.sign_extra_height);
        StepLabelInward(p, at);
        StepLabelInward(p, at);
        PrintSignGlyph(p, pos.sign);
        BeginLabelItem(p, st.degree_size, st.degree_colour, st.digit_extra_width,
                       st.digit_extra_height);
        AdjustDigitHeight(p);
        StepLabelInward(p, at);
        p.work.DigitValue = pos.degree;
        PrintUnitsBold(p);
        StepLabelInward(p, at);
        PrintTensBold(p);
        if (retrograde) {
            // One step further in: printed where the tens digit left the current position, the
            // mark would cover the units digit.
            BeginLabelItem(p, st.retro_size, st.retro_colour, kNoExtra, kNoExtra);
            StepLabelInward(p, at);
            p.dc.Print("R");
        }
    }
}

}  // namespace orvantis
