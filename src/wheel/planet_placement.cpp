#include "wheel/planet_placement.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "chart/houses.h"
#include "wheel/glyph_printers.h"

namespace orvantis {
namespace {

constexpr double kTickLength = 4;         // the true-angle ticks inside the rings, units
constexpr double kLeaderBand = 2.5;       // free band between the ticks and the glyphs
constexpr double kLabelGap = 0.5;         // between a glyph and its label
constexpr double kSeatPad = 1;            // between neighbouring glyphs or labels
constexpr double kLeaderThreshold = 2;    // degrees moved before a leader line is drawn
constexpr double kAngleBodyWeight = 100;  // the Ascendant and MC stay on their angles
constexpr double kShrinkStep = 0.85;
constexpr int kShrinkTries = 8;
// Outer tier: glyphs hang from kOuterTier, joined to ticks on the zodiac ring. Inner tier: glyphs
// stand on kInnerTier, joined to ticks on the inner ring (where the aspect lines start). The
// labels of both lie between, so no leader ever passes another body.
constexpr double kOuterTickEnd = kOuterRing - kTickLength;
constexpr double kInnerTickEnd = kInnerRing + kTickLength;
constexpr double kOuterTier = kOuterTickEnd - kLeaderBand;
constexpr double kInnerTier = kInnerTickEnd + kLeaderBand;

struct BodyPlace {
    int id = 0;
    int house = 0;
    double offset = 0;      // degrees from the house's first edge where the glyph belongs
    double true_angle = 0;  // screen degrees
    double weight = 1;
    SignDegreeMinute pos{};
    bool retrograde = false;
    std::string label;  // degrees, sign, minutes as one run
    double glyph_points = 0, label_points = 0, retro_points = 0;
    Extent glyph{}, label_cell{}, retro_cell{};
    bool inner = false;  // in the inner tier
    double angle = 0;    // screen degrees as placed
};

double Across(double length, double r) {
    return RadToDeg(std::asin(std::clamp(length / std::max(r, 1.0), 0.0, 1.0)));
}

// The glyph fits in a circle of this radius whatever its angle.
double GlyphRadius(const BodyPlace& b) {
    return std::hypot(b.glyph.width, b.glyph.height) / 2;
}
double RunLength(const BodyPlace& b) {
    return b.label_cell.width + (b.retrograde ? b.retro_cell.width : 0);
}
double RunThickness(const BodyPlace& b) {
    return std::max(b.label_cell.height, b.retrograde ? b.retro_cell.height : 0.0);
}
double GlyphCentreRadius(const BodyPlace& b) {
    return b.inner ? kInnerTier + GlyphRadius(b) : kOuterTier - GlyphRadius(b);
}
// The radii the label run spans, toward the other tier from the glyph.
struct Reach {
    double low = 0, high = 0;
};
Reach RunReach(const BodyPlace& b) {
    const double from = b.inner ? kInnerTier + 2 * GlyphRadius(b) + kLabelGap
                                : kOuterTier - 2 * GlyphRadius(b) - kLabelGap;
    return b.inner ? Reach{from, from + RunLength(b)} : Reach{from - RunLength(b), from};
}
double GlyphHalf(const BodyPlace& b) {
    return Across(GlyphRadius(b), GlyphCentreRadius(b));
}
double RunHalf(const BodyPlace& b) {
    return RadToDeg(std::atan2(RunThickness(b) / 2, RunReach(b).low));
}
double Nearest(const BodyPlace& b) {
    return b.inner ? kInnerTier : RunReach(b).low;
}

Point OnRay(double r, double theta) {
    return {r * CosDeg(theta), r * SinDeg(theta)};
}

int NextHouse(int house) {
    return house == 12 ? 1 : house + 1;
}

// Screen angle of each house's first edge and the house's width, degrees.
struct Sectors {
    std::array<double, 13> start{};
    std::array<double, 13> size{};
};

Sectors HouseSectors(const WheelPaint& p) {
    Sectors s;
    for (int h = 1; h <= 12; ++h) {
        if (p.EuropeanWithChart()) {
            s.start[h] = Reduce360(p.CuspOfHouse(h) - p.CuspOfHouse(7));
            s.size[h] = Reduce360(p.CuspOfHouse(NextHouse(h)) - p.CuspOfHouse(h));
        } else {
            s.start[h] = ((h - 7 + 12) % 12) * 30.0;
            s.size[h] = 30;
        }
    }
    return s;
}

Extent MeasureAt(WheelPaint& p, double points, std::string_view s) {
    p.dc.SetFontSize(points);
    return p.dc.Measure(s);
}

// The bodies with a house, their true angles and measured glyphs and labels.
std::vector<BodyPlace> CollectBodies(WheelPaint& p, const Sectors& sectors) {
    const WheelStyle& st = p.style();
    const RetrogradeMarks& retrograde = p.in.shown.RetrogradeShown;
    std::vector<BodyPlace> bodies;
    for (int id = 1; id <= kBodyCount; ++id) {
        BodyPlace b;
        b.id = id;
        b.house = p.in.chart.HouseOfPlanet[id];
        // Without a house (no chart yet) a body has no sector to go to and is not drawn.
        if (b.house == 0) continue;
        const double L = p.in.shown.BodyLongitude[id];
        const double d = Reduce360(L - p.CuspOfHouse(b.house));
        const double true_size =
            Reduce360(p.CuspOfHouse(NextHouse(b.house)) - p.CuspOfHouse(b.house));
        // A body whose longitude lies outside the house the chart gives it belongs at the
        // nearer edge of that house.
        double share = true_size > 0 ? d / true_size : 0;
        if (share > 1) share = (d - true_size < 360 - d) ? 1 : 0;
        b.offset = share * sectors.size[b.house];
        b.true_angle = p.EuropeanWithChart() ? Reduce360(L - p.CuspOfHouse(7))
                                             : Reduce360(sectors.start[b.house] + b.offset);
        b.weight = id == kAscendantBody || id == kMCBody ? kAngleBodyWeight : 1;
        b.pos = SplitLongitude(L);
        b.retrograde = retrograde[static_cast<std::size_t>(id) - 1];
        b.label = PositionText(b.pos);
        b.glyph_points = p.Option(st.glyph_size);
        b.label_points = p.Option(st.degree_size);
        b.retro_points = p.Option(st.retro_size);
        bodies.push_back(b);
    }
    // Measured font by font: every change of font costs more than the measuring.
    for (BodyPlace& b : bodies) b.glyph = MeasureAt(p, b.glyph_points, BodyGlyph(b.id));
    for (BodyPlace& b : bodies) b.label_cell = MeasureAt(p, b.label_points, b.label);
    for (BodyPlace& b : bodies)
        if (b.retrograde) b.retro_cell = MeasureAt(p, b.retro_points, "R");
    return bodies;
}

// Smaller type for the glyphs and labels of a house with no room: false when it no longer
// shrinks (the surface's smallest type).
bool ShrinkLabels(WheelPaint& p, const std::vector<BodyPlace*>& members) {
    bool shrank = false;
    const auto shrink = [&](double& points, Extent& cell, std::string_view text) {
        const Extent smaller = MeasureAt(p, points * kShrinkStep, text);
        if (smaller.height >= cell.height * 0.99) return;
        points *= kShrinkStep;
        cell = smaller;
        shrank = true;
    };
    for (BodyPlace* b : members) {
        shrink(b->glyph_points, b->glyph, BodyGlyph(b->id));
        shrink(b->label_points, b->label_cell, b->label);
        if (b->retrograde) shrink(b->retro_points, b->retro_cell, "R");
    }
    return shrank;
}

// A run of consecutive houses placed together: normally one house; a European house too
// narrow for its bodies at the smallest type joins its neighbours.
struct Segment {
    int first = 1;
    int count = 1;
};

bool InSegment(const Segment& seg, int house) {
    return (house - seg.first + 12) % 12 < seg.count;
}

// The inner tier's share of a crowded house: its glyphs stand nearer the centre, so it
// takes fewer of them.
constexpr double kInnerShare = 0.4;

// Places the members (zodiac order, targets relative to the segment's first edge) inside
// [0, width], in the outer tier alone or in both; false when they do not fit.
bool PlaceTiers(const std::vector<BodyPlace*>& m, const std::vector<double>& targets, double width,
                bool two_tiers) {
    // Every other body goes inward, as evenly as the tiers' shares ask; the angles never do.
    double inner_due = 0;
    for (BodyPlace* b : m) {
        b->inner = false;
        if (!two_tiers || b->weight >= kAngleBodyWeight) continue;
        inner_due += kInnerShare;
        if (inner_due >= 0.5) b->inner = true, inner_due -= 1;
    }
    for (const BodyPlace* b : m) {
        const Reach r = RunReach(*b);
        // The label stays clear of the other tier's glyphs and of the inner ring.
        if (r.low < kInnerRing + 1 || r.high > kOuterRing - 1) return false;
        if (two_tiers && (b->inner ? r.high > kOuterTier - 2 * GlyphRadius(*b) - kLabelGap
                                   : r.low < kInnerTier + 2 * GlyphRadius(*b) + kLabelGap))
            return false;
    }
    std::vector<Seat> seats;
    std::vector<Spacing> spacing;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const BodyPlace& a = *m[i];
        const double half = std::max(GlyphHalf(a), RunHalf(a));
        // Half a glyph clear of both cusp lines, measured where the body is nearest the centre.
        const double clear = half + Across(a.glyph.width / 2, Nearest(a));
        seats.push_back({targets[i], a.weight, clear, width - clear});
        for (std::size_t j = i + 1; j < m.size(); ++j) {
            const BodyPlace& b = *m[j];
            const double pad = Across(kSeatPad, std::min(Nearest(a), Nearest(b)));
            if (a.inner == b.inner) {
                spacing.push_back({i, j, half + std::max(GlyphHalf(b), RunHalf(b)) + pad});
                continue;
            }
            // Across the tiers only labels that reach the same radii can meet; end to end on one
            // ray they would read as one.
            const Reach ra = RunReach(a), rb = RunReach(b);
            const double apart = std::max(a.label_cell.height, b.label_cell.height) / 2;
            if (ra.low < rb.high + apart && rb.low < ra.high + apart)
                spacing.push_back({i, j, RunHalf(a) + RunHalf(b) + pad});
        }
    }
    const std::vector<double> angles = PlaceRun(seats, spacing);
    if (angles.empty()) return false;
    for (std::size_t i = 0; i < m.size(); ++i) m[i]->angle = angles[i];
    return true;
}

// Places the bodies of one segment, in one tier when they fit; false when two do not hold them.
bool PlaceSegment(const Segment& seg, const Sectors& sectors, std::vector<BodyPlace*>& members) {
    std::array<double, 13> before{};  // degrees of the segment before each of its houses
    double width = 0;
    for (int k = 0; k < seg.count; ++k) {
        const int h = (seg.first - 1 + k) % 12 + 1;
        before[h] = width;
        width += sectors.size[h];
    }
    const auto target = [&](const BodyPlace* b) { return before[b->house] + b->offset; };
    // Zodiac order; an angle before any body on the same degree, so it keeps the outer tier.
    std::sort(members.begin(), members.end(), [&](const BodyPlace* a, const BodyPlace* b) {
        if (target(a) != target(b)) return target(a) < target(b);
        if (a->weight != b->weight) return a->weight > b->weight;
        return a->id < b->id;
    });
    if (members.empty()) return true;
    std::vector<double> targets;
    for (const BodyPlace* b : members) targets.push_back(target(b));
    if (!PlaceTiers(members, targets, width, false) && !PlaceTiers(members, targets, width, true))
        return false;
    for (BodyPlace* b : members) b->angle = Reduce360(sectors.start[seg.first] + b->angle);
    return true;
}

// Last resort when the whole wheel as one segment cannot hold them: evenly spread over the
// segment in both tiers. Drawn crowded rather than not at all.
void SpreadEvenly(const Segment& seg, const Sectors& sectors, std::vector<BodyPlace*>& members) {
    double width = 0;
    for (int k = 0; k < seg.count; ++k) width += sectors.size[(seg.first - 1 + k) % 12 + 1];
    const double n = static_cast<double>(members.size());
    for (std::size_t k = 0; k < members.size(); ++k) {
        members[k]->inner = k % 2 == 1;
        members[k]->angle =
            Reduce360(sectors.start[seg.first] + (static_cast<double>(k) + 0.5) * width / n);
    }
}

// A European segment too narrow for its bodies takes in its wider neighbour.
void JoinWiderNeighbour(std::vector<Segment>& segments, std::size_t s, const Sectors& sectors) {
    const auto width = [&](const Segment& seg) {
        double w = 0;
        for (int k = 0; k < seg.count; ++k) w += sectors.size[(seg.first - 1 + k) % 12 + 1];
        return w;
    };
    const std::size_t next = (s + 1) % segments.size();
    const std::size_t prev = (s + segments.size() - 1) % segments.size();
    const bool with_next = width(segments[next]) >= width(segments[prev]);
    const std::size_t earlier = with_next ? s : prev, later = with_next ? next : s;
    segments[earlier].count += segments[later].count;
    segments.erase(segments.begin() + static_cast<long>(later));
}

// Angles and tiers for every body: each segment as it is, then with smaller labels, then (on
// the European wheel) together with its neighbours, at last spread evenly.
void PlaceBodies(WheelPaint& p, std::vector<BodyPlace>& bodies, const Sectors& sectors) {
    std::vector<Segment> segments;
    for (int h = 1; h <= 12; ++h) segments.push_back({h, 1});
    for (std::size_t s = 0; s < segments.size(); ++s) {
        std::vector<BodyPlace*> members;
        for (BodyPlace& b : bodies)
            if (InSegment(segments[s], b.house)) members.push_back(&b);
        bool placed = PlaceSegment(segments[s], sectors, members);
        for (int k = 0; !placed && k < kShrinkTries && ShrinkLabels(p, members); ++k)
            placed = PlaceSegment(segments[s], sectors, members);
        if (placed) continue;
        if (p.EuropeanWithChart() && segments.size() > 1) {
            JoinWiderNeighbour(segments, s, sectors);
            s = static_cast<std::size_t>(-1);  // start the segments over
            continue;
        }
        SpreadEvenly(segments[s], sectors, members);
    }
}

// The glyph upright on its ray.
void DrawGlyph(WheelPaint& p, const BodyPlace& b) {
    const double glyph_angle = b.angle;
    const Point g = OnRay(GlyphCentreRadius(b), glyph_angle);
    DrawingContext& dc = p.dc;
    dc.SetFontSize(b.glyph_points);
    dc.Tag = {ItemKind::Glyph, b.id, b.house, 0, LabelPart::None, b.true_angle, glyph_angle};
    dc.DrawText({g.x - b.glyph.width / 2, g.y + b.glyph.height / 2}, BodyGlyph(b.id),
                p.OptionColour(p.style().glyph_colour));
}

// The label run along a ray of its own, or (retrograde) the mark that closes it.
void DrawLabel(WheelPaint& p, const BodyPlace& b, LabelPart part) {
    const double turn = LabelTurn(b.angle);
    const Reach reach = RunReach(b);
    const Point centre = OnRay((reach.low + reach.high) / 2, b.angle);
    const Point along{CosDeg(turn), SinDeg(turn)};
    const bool mark = part == LabelPart::Retrograde;
    // The run's centre lies between the position and the mark.
    const double shift = mark ? b.label_cell.width / 2 : b.retrograde ? -b.retro_cell.width / 2 : 0;
    DrawingContext& dc = p.dc;
    dc.SetFontSize(mark ? b.retro_points : b.label_points);
    dc.Tag = {ItemKind::Label, b.id, b.house, 0, part};
    dc.DrawTurnedText({centre.x + along.x * shift, centre.y + along.y * shift}, turn,
                      mark ? std::string("R") : b.label,
                      p.OptionColour(mark ? p.style().retro_colour : p.style().degree_colour));
}

// The tick at the true angle, and the leader from it to a glyph that had to move: through the
// free band beside the ticks, turning with the wheel, then along the glyph's ray into it. An
// inner glyph's tick stands on the inner ring.
void DrawLeader(WheelPaint& p, const BodyPlace& b) {
    const Colour colour = p.OptionColour(p.style().glyph_colour);
    const double ring = b.inner ? kInnerRing : kOuterRing;
    const double tick_end = b.inner ? kInnerTickEnd : kOuterTickEnd;
    p.dc.Line(OnRay(kOuterRing, b.true_angle), OnRay(kOuterTickEnd, b.true_angle), colour);
    if (b.inner) p.dc.Line(OnRay(ring, b.true_angle), OnRay(tick_end, b.true_angle), colour);
    const double moved = std::remainder(b.angle - b.true_angle, 360.0);
    if (!b.inner && std::abs(moved) <= kLeaderThreshold) return;
    std::vector<Point> path;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(moved) / 2)));
    const double band = b.inner ? kLeaderBand : -kLeaderBand;
    for (int k = 0; k <= steps; ++k) {
        const double t = static_cast<double>(k) / steps;
        path.push_back(OnRay(tick_end + t * band, b.true_angle + t * moved));
    }
    // Where the ray leaves the glyph's cell.
    const double c = std::abs(CosDeg(b.angle)), s = std::abs(SinDeg(b.angle));
    const double exit =
        std::min(c > 1e-9 ? b.glyph.width / 2 / c : 1e9, s > 1e-9 ? b.glyph.height / 2 / s : 1e9);
    path.push_back(OnRay(GlyphCentreRadius(b) + (b.inner ? -exit : exit), b.angle));
    p.dc.Tag = {ItemKind::Leader, b.id, b.house};
    p.dc.Polyline(path, colour);
}

}  // namespace

std::vector<double> PlaceRun(const std::vector<Seat>& run, const std::vector<Spacing>& spacing) {
    const std::size_t n = run.size();
    if (n == 0) return {};
    // offset(k): the least distance from seat 0 to seat k (the longest path through the
    // spacings, never decreasing). With angle(k) = z(k) + offset(k) every spacing holds as long
    // as z does not decrease: a bounded isotonic regression, solved by pooling adjacent
    // violators.
    std::vector<double> offset(n, 0);
    std::vector<Spacing> by_end = spacing;
    std::stable_sort(by_end.begin(), by_end.end(),
                     [](const Spacing& a, const Spacing& b) { return a.to < b.to; });
    std::size_t next = 0;
    for (std::size_t k = 1; k < n; ++k) {
        offset[k] = offset[k - 1];
        for (; next < by_end.size() && by_end[next].to == k; ++next)
            offset[k] = std::max(offset[k], offset[by_end[next].from] + by_end[next].least);
    }
    std::vector<double> z_lo(n), z_hi(n);
    for (std::size_t k = 0; k < n; ++k) {
        z_lo[k] = std::max(k ? z_lo[k - 1] : -1e300, run[k].lo - offset[k]);
        const std::size_t r = n - 1 - k;
        z_hi[r] = std::min(k ? z_hi[r + 1] : 1e300, run[r].hi - offset[r]);
    }
    for (std::size_t k = 0; k < n; ++k)
        if (z_lo[k] > z_hi[k] + 1e-9) return {};
    struct Pool {
        double sum = 0, weight = 0;
        std::size_t count = 0;
        double Mean() const { return sum / weight; }
    };
    std::vector<Pool> pools;
    for (std::size_t k = 0; k < n; ++k) {
        pools.push_back({run[k].weight * (run[k].target - offset[k]), run[k].weight, 1});
        while (pools.size() > 1 && pools[pools.size() - 2].Mean() > pools.back().Mean()) {
            const Pool last = pools.back();
            pools.pop_back();
            pools.back().sum += last.sum;
            pools.back().weight += last.weight;
            pools.back().count += last.count;
        }
    }
    std::vector<double> angles;
    for (const Pool& pool : pools)
        for (std::size_t i = 0; i < pool.count; ++i) {
            const std::size_t k = angles.size();
            angles.push_back(std::clamp(pool.Mean(), z_lo[k], std::max(z_lo[k], z_hi[k])) +
                             offset[k]);
        }
    return angles;
}

double LabelTurn(double theta) {
    const double t = Reduce360(theta);
    return t > 90 && t <= 270 ? t - 180 : (t > 270 ? t - 360 : t);
}

void SetupAndDisplayPlanets(WheelPaint& p) {
    WheelWork& w = p.work;
    const Sectors sectors = HouseSectors(p);
    std::vector<BodyPlace> bodies = CollectBodies(p, sectors);
    PlaceBodies(p, bodies, sectors);
    for (const BodyPlace& b : bodies) {
        w.BodyTrueAngle[b.id] = b.true_angle;
        w.BodyDisplayAngle[b.id] = b.angle;
        w.BodyDrawn[b.id] = true;
    }
    // Kind by kind, so the font changes a few times rather than at every body.
    for (const BodyPlace& b : bodies) DrawGlyph(p, b);
    for (const BodyPlace& b : bodies) DrawLabel(p, b, LabelPart::Position);
    for (const BodyPlace& b : bodies)
        if (b.retrograde) DrawLabel(p, b, LabelPart::Retrograde);
    for (const BodyPlace& b : bodies) DrawLeader(p, b);
    p.dc.Tag = {};
}

}  // namespace orvantis
