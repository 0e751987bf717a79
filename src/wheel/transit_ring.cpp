#include "wheel/transit_ring.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "aspects/aspect_kind.h"
#include "aspects/transit_orbs.h"
#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "wheel/aspect_lines.h"
#include "wheel/glyph_printers.h"
#include "wheel/planet_placement.h"

namespace orvantis {
namespace {

constexpr int kTransitBodies = 11;  // Sun .. Moon and the node
// The radix points the transit lines go to: Sun .. Pluto, Moon, node, Ascendant, MC.
constexpr std::array<int, 13> kRadixPoints = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15};
constexpr std::array<std::pair<double, int>, 5> kMajorAspects = {
    {{0, kConjunction}, {60, kSextile}, {90, kSquare}, {120, kTrine}, {180, kOpposition}}};
constexpr double kTick = 4;  // length of the tick at a true angle on the inner ring
constexpr double kGap = 2;   // between ring, glyph, label and the aspect circle

Point OnRay(double r, double theta) {
    return {r * CosDeg(theta), r * SinDeg(theta)};
}

struct TransitBody {
    int id = 0;
    double true_angle = 0, angle = 0;
    std::string label;
    bool retrograde = false;
    Extent glyph, label_cell, retro_cell;
};

Extent MeasureAt(DrawingContext& dc, double points, std::string_view s) {
    dc.SetFontSize(points);
    return dc.Measure(s);
}

// Spreads the bodies around the ring, zodiac order kept, each at least `least` degrees from its
// neighbours and as near its true angle as that allows: the circle is cut in its widest empty
// stretch and the run placed as the radix's houses are.
void Spread(std::vector<TransitBody>& bodies, double least) {
    if (bodies.size() < 2) return;
    std::sort(bodies.begin(), bodies.end(), [](const TransitBody& a, const TransitBody& b) {
        return a.true_angle < b.true_angle;
    });
    const std::size_t n = bodies.size();
    least = std::min(least, 360.0 / static_cast<double>(n));
    std::size_t widest = 0;  // the run starts after the widest gap
    double widest_gap = -1;
    for (std::size_t k = 0; k < n; ++k) {
        const double gap = k + 1 < n ? bodies[k + 1].true_angle - bodies[k].true_angle
                                     : bodies[0].true_angle + 360 - bodies[k].true_angle;
        if (gap > widest_gap) widest_gap = gap, widest = (k + 1) % n;
    }
    std::rotate(bodies.begin(), bodies.begin() + static_cast<std::ptrdiff_t>(widest), bodies.end());
    const double start = bodies[0].true_angle;
    const double cut = start - widest_gap / 2;
    std::vector<Seat> run;
    std::vector<Spacing> spacing;
    for (std::size_t k = 0; k < n; ++k) {
        const double target = start + Reduce360(bodies[k].true_angle - start);
        run.push_back({target, 1, cut + least / 2, cut + 360 - least / 2});
        if (k > 0) spacing.push_back({k - 1, k, least});
    }
    const std::vector<double> placed = PlaceRun(run, spacing);
    for (std::size_t k = 0; k < n; ++k)
        bodies[k].angle = Reduce360(placed.empty() ? run[k].target : placed[k]);
}

Colour LineColour(const WheelPaint& p, int kind) {
    const WheelStyle& st = p.style();
    if (st.MonochromeDrawing && !st.PrinterOutput) return Colour{};
    switch (kind) {
        case kSextile:
        case kTrine:
            return p.OptionColour(st.aspect_colours[0]);
        case kSquare:
        case kOpposition:
            return p.OptionColour(st.aspect_colours[1]);
        default:  // conjunction
            return p.OptionColour(st.aspect_colours[2]);
    }
}

}  // namespace

double RadixScreenAngle(const WheelPaint& p, double longitude) {
    if (p.EuropeanWithChart()) return Reduce360(longitude - p.CuspOfHouse(7));
    for (int h = 1; h <= 12; ++h) {
        const double size = Reduce360(p.CuspOfHouse(h % 12 + 1) - p.CuspOfHouse(h));
        const double into = Reduce360(longitude - p.CuspOfHouse(h));
        if (size > 0 && into < size)
            return Reduce360(((h - 7 + 12) % 12) * 30.0 + into / size * 30);
    }
    return Reduce360(longitude - p.CuspOfHouse(7));
}

void DrawTransitRing(WheelPaint& p, const TransitSky& sky) {
    DrawingContext& dc = p.dc;
    const WheelStyle& st = p.style();
    const double glyph_points = p.Option(st.glyph_size), label_points = p.Option(st.degree_size),
                 retro_points = p.Option(st.retro_size);
    std::vector<TransitBody> bodies;
    for (int id = 1; id <= kTransitBodies; ++id) {
        if (!std::isfinite(sky.longitude[id])) continue;
        TransitBody b;
        b.id = id;
        b.true_angle = RadixScreenAngle(p, sky.longitude[id]);
        b.label = PositionText(SplitLongitude(sky.longitude[id]));
        b.retrograde = sky.retrograde[id - 1];
        bodies.push_back(b);
    }
    double glyph_size = 0, label_reach = 0, across = 0;
    for (TransitBody& b : bodies) {
        b.glyph = MeasureAt(dc, glyph_points, BodyGlyph(b.id));
        b.label_cell = MeasureAt(dc, label_points, b.label);
        if (b.retrograde) b.retro_cell = MeasureAt(dc, retro_points, "R");
        glyph_size = std::max({glyph_size, b.glyph.width, b.glyph.height});
        label_reach = std::max(label_reach, b.label_cell.width + b.retro_cell.width);
        across = std::max({across, b.glyph.width, b.label_cell.height});
    }
    const double glyph_radius = kInnerRing - kTick - kGap - glyph_size / 2;
    const double label_outer = glyph_radius - glyph_size / 2 - kGap;
    const double aspect_ring = std::max(kInnerRing / 4, label_outer - label_reach - 2 * kGap);
    // Neighbours clear of each other where the ring is narrowest, at the labels' inner end.
    Spread(bodies, RadToDeg((across + kGap) / std::max(1.0, aspect_ring + kGap)));

    const Colour ink = p.OptionColour(st.glyph_colour);
    dc.Circle({0, 0}, aspect_ring, p.OptionColour(st.ring_colour));
    for (const TransitBody& b : bodies) {
        dc.Line(OnRay(kInnerRing, b.true_angle), OnRay(kInnerRing - kTick, b.true_angle), ink);
        if (std::abs(std::remainder(b.angle - b.true_angle, 360.0)) > 1) {
            dc.Tag = {ItemKind::Leader, b.id};
            dc.Tag.ring = 1;
            dc.Polyline({OnRay(kInnerRing - kTick, b.true_angle),
                         OnRay(glyph_radius + glyph_size / 2, b.angle)},
                        ink);
        }
        const Point g = OnRay(glyph_radius, b.angle);
        dc.SetFontSize(glyph_points);
        dc.Tag = {ItemKind::Glyph, b.id, 0, 0, LabelPart::None, b.true_angle, b.angle};
        dc.Tag.ring = 1;
        dc.DrawText({g.x - b.glyph.width / 2, g.y + b.glyph.height / 2}, BodyGlyph(b.id), ink);

        const double turn = LabelTurn(b.angle);
        dc.SetFontSize(label_points);
        dc.Tag = {ItemKind::Label, b.id, 0, 0, LabelPart::Position};
        dc.Tag.ring = 1;
        dc.DrawTurnedText(OnRay(label_outer - b.label_cell.width / 2, b.angle), turn, b.label,
                          p.OptionColour(st.degree_colour));
        if (b.retrograde) {
            dc.SetFontSize(retro_points);
            dc.Tag.part = LabelPart::Retrograde;
            dc.DrawTurnedText(
                OnRay(label_outer - b.label_cell.width - b.retro_cell.width / 2, b.angle), turn,
                "R", p.OptionColour(st.retro_colour));
        }
    }

    if (p.in.radix_aspects)
        DrawAspectLines(dc, p.in.chart.PlanetLong, p.work.BodyTrueAngle, p.in.options,
                        {st.PrinterOutput, st.MonochromeDrawing}, aspect_ring);
    // The aspect lines join the true degrees of the two bodies on the aspect circle.
    for (const TransitBody& b : bodies) {
        for (int point : kRadixPoints) {
            if (!p.work.BodyDrawn[point]) continue;
            const double distance =
                AspectDistance(sky.longitude[b.id], p.in.chart.PlanetLong[point]);
            for (const auto& [angle, kind] : kMajorAspects) {
                if (std::abs(distance - angle) > TransitOrb(sky.orbs, b.id, kind)) continue;
                dc.Tag = {ItemKind::AspectLine, b.id};
                dc.Tag.ring = 1;
                dc.Tag.other_body = point;
                dc.Tag.aspect = kind;
                dc.Polyline({OnRay(aspect_ring, b.true_angle),
                             OnRay(aspect_ring, p.work.BodyTrueAngle[point])},
                            LineColour(p, kind));
            }
        }
    }

    if (sky.moment.empty()) return;
    const std::string caption = "Transits " + sky.moment;
    dc.Tag = {ItemKind::Caption};
    dc.Tag.ring = 1;
    dc.SetFontSize(p.Option(st.caption_size));
    dc.DrawText({dc.ScaleLeft() + st.caption_inset, dc.Scale().bottom - dc.TextHeight(caption)},
                caption, p.OptionColour(st.caption_colour));
}

}  // namespace orvantis

namespace orvantis {

TransitSky TransitSkyOf(const ChartState& chart, const OrbValues& orbs) {
    TransitSky sky;
    for (int body = 1; body <= 11; ++body) sky.longitude[body] = chart.PlanetLong[body];
    sky.retrograde = chart.Retrograde;
    sky.orbs = orbs;
    const CaptionLines lines = CaptionLinesOf(chart);
    sky.moment = lines[2] + " " + lines[3];
    return sky;
}

ChartState BiWheelRadix(ChartState radix, const std::string& name) {
    radix.ChartTitle = name + " (radix)";
    return radix;
}

}  // namespace orvantis
