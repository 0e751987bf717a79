#include "wheel/planet_placement.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "chart/houses.h"
#include "wheel/glyph_printers.h"

namespace orvantis {
namespace {

constexpr double kTickLength = 5;         // the true-angle tick inside the outer ring, units
constexpr double kRingPad = 1.5;          // boxes keep this clear of the rings and the tick
constexpr double kSeatPad = 0.4;          // degrees between neighbouring glyph wedges
constexpr double kLeaderThreshold = 2;    // degrees moved before a leader line is drawn
constexpr double kAngleBodyWeight = 100;  // the Ascendant and MC stay on their angles
constexpr int kPlacementRounds = 8;

// The order in which bodies give way when a house cannot hold them all: the derived points
// first, the angles last.
constexpr std::array<int, 15> kLeaveOutOrder{
    kFortune, kOppositeNode, kNode, 9, 8, 7, 6, 5, 4, 3, 2, kMoon, kSun, kMCBody, kAscendantBody};

// One printed cell of a body's glyph or label.
struct Cell {
    enum class Printer { Glyph, Tens, Units, TensBold, UnitsBold, Sign, Retro } printer;
    LabelPart part = LabelPart::None;
    double points = 0;
    bool bold = false;
    Colour colour{};
    Extent extent{};
    Extent extra{};  // added to the step that reaches this cell
};

struct BodyPlace {
    int id = 0;
    int house = 0;
    double offset = 0;      // degrees from the house's first edge where the glyph belongs
    double true_angle = 0;  // screen degrees
    double weight = 1;
    double half = 0;   // angular half-width of glyph and label, degrees, grows only
    double angle = 0;  // screen degrees as placed
    SignDegreeMinute pos{};
    Cell glyph;
    std::vector<Cell> reading;  // degree tens, units, sign, minute tens, units
    bool retrograde = false;
    Cell retro;
    bool left_out = false;
};

double Support(Extent e, double theta) {
    return e.width / 2 * std::abs(CosDeg(theta)) + e.height / 2 * std::abs(SinDeg(theta));
}

// The cells of a body's stack from the glyph inward at theta, and their centre radii.
struct Stack {
    std::vector<const Cell*> cells;
    std::vector<double> radius;
};

Stack MakeStack(const BodyPlace& b, double theta, bool with_minutes, bool with_retro) {
    Stack s;
    s.cells.push_back(&b.glyph);
    std::vector<const Cell*> label;
    for (const Cell& c : b.reading)
        if (with_minutes || (c.part != LabelPart::MinuteTens && c.part != LabelPart::MinuteUnits))
            label.push_back(&c);
    if (!LabelReadsInward(theta)) std::reverse(label.begin(), label.end());
    // The retrograde mark closes the label on the inside, whichever way it reads.
    if (b.retrograde && with_retro) label.push_back(&b.retro);
    s.cells.insert(s.cells.end(), label.begin(), label.end());
    s.radius.push_back(FitInside(b.glyph.extent, theta, kOuterRing - kTickLength - kRingPad));
    for (std::size_t i = 1; i < s.cells.size(); ++i) {
        const Cell& prev = *s.cells[i - 1];
        const Cell& cur = *s.cells[i];
        s.radius.push_back(s.radius.back() - Support(prev.extent, theta) -
                           Support(cur.extent, theta) - Support(cur.extra, theta) * 2);
    }
    return s;
}

bool StackFits(const Stack& s, double theta) {
    return s.radius.back() >= ClearOutside(s.cells.back()->extent, theta, kInnerRing + kRingPad);
}

// The full label where it fits between the rings, else without the minutes (and then without
// the retrograde mark), else the glyph alone.
Stack BestStack(const BodyPlace& b, double theta) {
    Stack full = MakeStack(b, theta, true, true);
    if (StackFits(full, theta)) return full;
    for (const bool retro : {true, false}) {
        Stack short_label = MakeStack(b, theta, false, retro);
        if (StackFits(short_label, theta)) return short_label;
    }
    Stack glyph_only;
    glyph_only.cells = {&b.glyph};
    glyph_only.radius = {full.radius.front()};
    return glyph_only;
}

Point OnRay(double r, double theta) {
    return {r * CosDeg(theta), r * SinDeg(theta)};
}

// Largest angle (degrees) between the ray at theta and a corner of any cell of the stack.
double HalfWidth(const Stack& s, double theta) {
    double half = 0;
    for (std::size_t i = 0; i < s.cells.size(); ++i) {
        const Box box = CentredBox(OnRay(s.radius[i], theta), s.cells[i]->extent);
        for (const Point corner : {Point{box.x0, box.y0}, Point{box.x0, box.y1},
                                   Point{box.x1, box.y0}, Point{box.x1, box.y1}}) {
            double a = RadToDeg(std::atan2(corner.y, corner.x)) - theta;
            a = std::remainder(a, 360.0);
            half = std::max(half, std::abs(a));
        }
    }
    return half;
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

Cell MakeCell(WheelPaint& p, Cell::Printer printer, LabelPart part, int size, int colour, bool bold,
              std::string_view text, Extent extra = {}) {
    Cell c{printer, part, p.Option(size), bold, p.OptionColour(colour), {}, extra};
    p.dc.FontSize = c.points;
    p.dc.FontBold = bold;
    c.extent = p.dc.Measure(text);
    p.dc.FontBold = false;
    return c;
}

// The bodies with a house, their true angles and measured cells.
std::vector<BodyPlace> CollectBodies(WheelPaint& p, const Sectors& sectors) {
    const WheelStyle& st = p.style();
    const Extent digit_extra{p.Option(st.digit_extra_width), p.Option(st.digit_extra_height)};
    const Extent sign_extra{p.Option(st.sign_extra_width), p.Option(st.sign_extra_height)};
    const std::string& retro = p.in.shown.RetroMarksShown;
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
        b.retrograde = id <= 10 && static_cast<std::size_t>(id) <= retro.size() &&
                       retro[static_cast<std::size_t>(id) - 1] == 'R';
        bodies.push_back(b);
    }
    // Measured font by font: every change of font costs more than the measuring.
    using P = Cell::Printer;
    for (BodyPlace& b : bodies)
        b.glyph = MakeCell(p, P::Glyph, LabelPart::None, st.glyph_size, st.glyph_colour, false,
                           std::string(1, BodyCode(b.id)));
    const Cell degree = MakeCell(p, P::TensBold, LabelPart::DegreeTens, st.degree_size,
                                 st.degree_colour, true, "0", digit_extra);
    const Cell minute = MakeCell(p, P::Tens, LabelPart::MinuteTens, st.minute_size,
                                 st.minute_colour, false, "0", digit_extra);
    for (BodyPlace& b : bodies) {
        Cell degree_units = degree, minute_units = minute;
        degree_units.printer = P::UnitsBold, degree_units.part = LabelPart::DegreeUnits;
        minute_units.printer = P::Units, minute_units.part = LabelPart::MinuteUnits;
        b.reading = {degree, degree_units,
                     MakeCell(p, P::Sign, LabelPart::Sign, st.sign_size, st.sign_colour, false,
                              std::string(1, SignCode(b.pos.sign)), sign_extra),
                     minute, minute_units};
    }
    for (BodyPlace& b : bodies)
        if (b.retrograde)
            b.retro = MakeCell(p, P::Retro, LabelPart::Retrograde, st.retro_size, st.retro_colour,
                               false, "R");
    return bodies;
}

// A run of consecutive houses placed together: normally one house; a European house too
// narrow for its bodies joins its neighbours.
struct Segment {
    int first = 1;
    int count = 1;
};

bool InSegment(const Segment& seg, int house) {
    return (house - seg.first + 12) % 12 < seg.count;
}

// Places the bodies of one segment; false when they do not fit.
bool PlaceSegment(const Segment& seg, const Sectors& sectors, std::vector<BodyPlace*>& members) {
    std::array<double, 13> before{};  // degrees of the segment before each of its houses
    double width = 0;
    for (int k = 0; k < seg.count; ++k) {
        const int h = (seg.first - 1 + k) % 12 + 1;
        before[h] = width;
        width += sectors.size[h];
    }
    std::sort(members.begin(), members.end(), [&](const BodyPlace* a, const BodyPlace* b) {
        const double ta = before[a->house] + a->offset, tb = before[b->house] + b->offset;
        return ta != tb ? ta < tb : a->id < b->id;
    });
    std::vector<Seat> seats;
    for (const BodyPlace* b : members)
        seats.push_back({before[b->house] + b->offset, b->weight, b->half});
    const std::vector<double> angles = PlaceRun(seats, 0, width, kSeatPad);
    if (angles.empty() && !members.empty()) return false;
    for (std::size_t i = 0; i < members.size(); ++i)
        members[i]->angle = Reduce360(sectors.start[seg.first] + angles[i]);
    return true;
}

double SegmentWidth(const Segment& seg, const Sectors& sectors) {
    double width = 0;
    for (int k = 0; k < seg.count; ++k) width += sectors.size[(seg.first - 1 + k) % 12 + 1];
    return width;
}

// A European segment too narrow for its bodies takes in its wider neighbour.
void JoinWiderNeighbour(std::vector<Segment>& segments, std::size_t s, const Sectors& sectors) {
    const std::size_t next = (s + 1) % segments.size();
    const std::size_t prev = (s + segments.size() - 1) % segments.size();
    const bool with_next =
        SegmentWidth(segments[next], sectors) >= SegmentWidth(segments[prev], sectors);
    const std::size_t earlier = with_next ? s : prev, later = with_next ? next : s;
    segments[earlier].count += segments[later].count;
    segments.erase(segments.begin() + static_cast<long>(later));
}

// The least needed body of a segment with no room anywhere gives way.
void LeaveOutLeastNeeded(const std::vector<BodyPlace*>& members) {
    for (int id : kLeaveOutOrder) {
        const auto it = std::find_if(members.begin(), members.end(),
                                     [id](const BodyPlace* b) { return b->id == id; });
        if (it != members.end()) {
            (*it)->left_out = true;
            return;
        }
    }
}

// Angles for every body that fits; the rest are marked left out.
void PlaceBodies(std::vector<BodyPlace>& bodies, const Sectors& sectors, bool european) {
    std::vector<Segment> segments;
    for (int h = 1; h <= 12; ++h) segments.push_back({h, 1});
    for (BodyPlace& b : bodies) b.angle = b.true_angle;
    for (int round = 0; round < kPlacementRounds; ++round) {
        bool grew = false;
        for (BodyPlace& b : bodies) {
            if (b.left_out) continue;
            const double half = HalfWidth(BestStack(b, b.angle), b.angle);
            if (half > b.half + 1e-9) {
                b.half = half;
                grew = true;
            }
        }
        if (!grew && round > 0) break;
        for (std::size_t s = 0; s < segments.size(); ++s) {
            std::vector<BodyPlace*> members;
            for (BodyPlace& b : bodies)
                if (!b.left_out && InSegment(segments[s], b.house)) members.push_back(&b);
            if (PlaceSegment(segments[s], sectors, members)) continue;
            if (european && segments.size() > 1)
                JoinWiderNeighbour(segments, s, sectors);
            else
                LeaveOutLeastNeeded(members);
            s = static_cast<std::size_t>(-1);  // start the segments over
        }
    }
}

void PrintCell(WheelPaint& p, const BodyPlace& b, const Cell& c, Point centre, const ItemTag& tag) {
    DrawingContext& dc = p.dc;
    dc.FontSize = c.points;
    dc.FontBold = false;
    dc.ForeColor = c.colour;
    dc.Tag = tag;
    dc.CurrentX = centre.x - c.extent.width / 2;
    dc.CurrentY = centre.y + c.extent.height / 2;
    switch (c.printer) {
        case Cell::Printer::Glyph:
            PrintBodyGlyph(p, b.id);
            break;
        case Cell::Printer::TensBold:
            p.work.DigitValue = b.pos.degree;
            PrintTensBold(p);
            break;
        case Cell::Printer::UnitsBold:
            p.work.DigitValue = b.pos.degree;
            PrintUnitsBold(p);
            break;
        case Cell::Printer::Sign:
            PrintSignGlyph(p, b.pos.sign);
            break;
        case Cell::Printer::Tens:
            p.work.DigitValue = b.pos.minute;
            GTENSX(p);
            break;
        case Cell::Printer::Units:
            p.work.DigitValue = b.pos.minute;
            GUNITS(p);
            break;
        case Cell::Printer::Retro:
            dc.Print("R");
            break;
    }
}

// Draws the cells of one part (LabelPart::None: the glyph) of a body's stack.
void DrawPart(WheelPaint& p, const BodyPlace& b, const Stack& stack, LabelPart part) {
    for (std::size_t i = 0; i < stack.cells.size(); ++i) {
        const Cell& c = *stack.cells[i];
        if (c.part != part) continue;
        const ItemTag tag =
            part == LabelPart::None
                ? ItemTag{ItemKind::Glyph, b.id, b.house, 0, part, b.true_angle, b.angle}
                : ItemTag{ItemKind::Label, b.id, 0, 0, part, 0, 0};
        PrintCell(p, b, c, OnRay(stack.radius[i], b.angle), tag);
    }
}

// The tick at the true angle, and the leader from it to a glyph that had to move.
void DrawLeader(WheelPaint& p, const BodyPlace& b, const Stack& stack) {
    const Point glyph_centre = OnRay(stack.radius[0], b.angle);
    const Colour colour = b.glyph.colour;
    const Point tick_end = OnRay(kOuterRing - kTickLength, b.true_angle);
    p.dc.Line(OnRay(kOuterRing, b.true_angle), tick_end, colour);
    if (std::abs(std::remainder(b.angle - b.true_angle, 360.0)) > kLeaderThreshold) {
        const Box g = CentredBox(glyph_centre, b.glyph.extent);
        const Point near{std::clamp(tick_end.x, g.x0, g.x1), std::clamp(tick_end.y, g.y0, g.y1)};
        p.dc.Line(tick_end, near, colour);
        DrawnItem leader;
        leader.tag = {ItemKind::Leader, b.id, b.house, 0, LabelPart::None, 0, 0};
        leader.box = {std::min(tick_end.x, near.x), std::min(tick_end.y, near.y),
                      std::max(tick_end.x, near.x), std::max(tick_end.y, near.y)};
        p.dc.Record(leader);
    }
}

}  // namespace

std::vector<double> PlaceRun(const std::vector<Seat>& run, double lo, double hi, double pad) {
    const std::size_t n = run.size();
    if (n == 0) return {};
    // With offset(k) the least distance from seat 0 to seat k, z(k) = angle(k) - offset(k) must
    // not decrease: a bounded isotonic regression, solved by pooling adjacent violators.
    std::vector<double> offset(n, 0);
    for (std::size_t k = 1; k < n; ++k)
        offset[k] = offset[k - 1] + run[k - 1].half + run[k].half + pad;
    const double z_lo = lo + run[0].half + pad / 2;
    const double z_hi = hi - run[n - 1].half - pad / 2 - offset[n - 1];
    if (z_lo > z_hi + 1e-9) return {};
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
    for (const Pool& pool : pools) {
        const double z = std::clamp(pool.Mean(), z_lo, std::max(z_lo, z_hi));
        for (std::size_t i = 0; i < pool.count; ++i) angles.push_back(z + offset[angles.size()]);
    }
    return angles;
}

bool LabelReadsInward(double theta) {
    // Reading runs right and down: inward (-cos, -sin) goes with it when sin - cos >= 0.
    return SinDeg(theta) - CosDeg(theta) >= 0;
}

const char* BodyCaptionName(int body) {
    static constexpr std::array<const char*, 16> kNames{
        "",        "Sun",   "Mercury", "Venus", "Mars",          "Jupiter", "Saturn",    "Uranus",
        "Neptune", "Pluto", "Moon",    "Node",  "Opposite node", "Fortune", "Ascendant", "MC"};
    return body >= 1 && body <= 15 ? kNames[static_cast<std::size_t>(body)] : "";
}

void SetupAndDisplayPlanets(WheelPaint& p) {
    WheelWork& w = p.work;
    const Sectors sectors = HouseSectors(p);
    std::vector<BodyPlace> bodies = CollectBodies(p, sectors);
    PlaceBodies(bodies, sectors, p.EuropeanWithChart());
    for (const BodyPlace& b : bodies) {
        w.BodyTrueAngle[b.id] = b.true_angle;
        if (b.left_out) {
            w.LeftOut.push_back(b.id);
            continue;
        }
        w.BodyDisplayAngle[b.id] = b.angle;
        w.BodyDrawn[b.id] = true;
    }
    // Part by part over all bodies, so the font changes a few times rather than at every cell.
    std::vector<Stack> stacks;
    for (const BodyPlace& b : bodies) stacks.push_back(BestStack(b, b.angle));
    for (const LabelPart part :
         {LabelPart::None, LabelPart::DegreeTens, LabelPart::DegreeUnits, LabelPart::Sign,
          LabelPart::MinuteTens, LabelPart::MinuteUnits, LabelPart::Retrograde})
        for (std::size_t i = 0; i < bodies.size(); ++i)
            if (!bodies[i].left_out) DrawPart(p, bodies[i], stacks[i], part);
    for (std::size_t i = 0; i < bodies.size(); ++i)
        if (!bodies[i].left_out) DrawLeader(p, bodies[i], stacks[i]);
    p.dc.FontBold = false;
    p.dc.Tag = {};
}

}  // namespace orvantis
