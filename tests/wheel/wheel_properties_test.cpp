// The wheel's drawing list over a generated corpus of real charts (moments 1900-2099, crowded
// charts, latitudes up to 66 degrees north and south, all eight house systems, both layouts,
// window shapes from 640 x 480 to 3840 x 2160, and the printed page) painted with the glyph
// font: every body drawn once, in zodiac order, wholly inside its house half a glyph clear of
// the cusp lines; labels reading degrees, sign, minutes, never upside down, the retrograde mark
// closing its own label; leaders that cross no glyph or label; aspect lines from the true
// degrees; nothing overlapping or cut off; no type under 8 pixels.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>
#include <random>

#include "astro/angles.h"
#include "support/wheel_fixture.h"
#include "wheel/drawing_list.h"
#include "wheel/glyph_printers.h"
#include "wheel/qpainter_surface.h"

namespace orvantis::test {
namespace {

struct Case {
    ElectionData when;
    char system = 'P';
    int layout = 0;
    int width = 1024, height = 768;
    bool page = false;  // the printed page: A4 within 10 mm margins at 150 dpi, not a window
};

// A moment (hour 0..23, zone in hours west) and a place in degrees and minutes.
ElectionData At(int y, int mo, int d, int h, int mi, float zone, int lon, int lon_min, bool west,
                int lat, int lat_min, bool south) {
    using I = std::int16_t;
    ElectionData e;
    e.ElectYear = I(y), e.ElectMonth = I(mo), e.ElectDay = I(d), e.ElectMinute = I(mi);
    e.ElectHour = I(h % 12 == 0 ? 12 : h % 12), e.ElectPM = h >= 12, e.ElectZone = zone;
    e.ElectLongDeg = I(lon), e.ElectLongMin = I(lon_min), e.ElectWest = west;
    e.ElectLatDeg = I(lat), e.ElectLatMin = I(lat_min), e.ElectSouth = south;
    return e;
}

constexpr std::array<std::pair<int, int>, 7> kSizes{
    {{640, 480}, {1024, 768}, {800, 800}, {768, 1024}, {1920, 1080}, {3840, 2160}, {600, 800}}};

// Crowded and far-north or far-south charts in every layout and size; then random moments.
std::vector<Case> Corpus() {
    const std::vector<std::pair<ElectionData, char>> crowded{
        {At(2000, 5, 5, 8, 0, 0, 0, 0, true, 51, 29, false), 'P'},  // Jupiter on Saturn
        {At(1962, 2, 5, 0, 0, 0, 0, 0, true, 51, 29, false), 'E'},  // seven in Aquarius
        {At(1994, 1, 23, 11, 59, -2, 76, 35, true, 20, 48, true), 'I'},
        {At(1919, 6, 29, 21, 23, 0, 151, 12, false, 45, 0, true), 'R'},
        {At(1919, 8, 23, 5, 16, 0, 0, 0, true, 60, 10, false), 'C'},
        {At(1982, 11, 10, 6, 46, 0, 74, 0, true, 33, 52, true), 'K'},
        {At(2011, 3, 9, 1, 21, 0, 0, 0, true, 64, 8, false), 'K'},
    };
    std::vector<Case> cases;
    for (const auto& [when, system] : crowded)
        for (int layout = 0; layout < 2; ++layout)
            for (const auto& [w, h] : kSizes) cases.push_back({when, system, layout, w, h});
    std::mt19937 random(1962);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (std::size_t k = 0; k < 96; ++k) {
        // Drawn in this order on every compiler: a braced list is evaluated left to right.
        const std::array<int, 9> v{pick(1900, 2099), pick(1, 12), pick(1, 28),
                                   pick(0, 23),      pick(0, 59), pick(0, 179),
                                   pick(0, 1),       pick(0, 66), pick(0, 1)};
        Case c{At(v[0], v[1], v[2], v[3], v[4], 0, v[5], 0, v[6] == 1, v[7], 0, v[8] == 1),
               "PRKCOEMI"[k % 8], static_cast<int>(k / 8 % 2), kSizes[k % 7].first,
               kSizes[k % 7].second};
        if (k % 9 == 4) c.page = true, c.width = 1122, c.height = 1636;
        cases.push_back(c);
    }
    return cases;
}

// Pixels (y down) to a frame centred on the wheel with y up.
Point Up(Point p, Point centre) {
    return {p.x - centre.x, centre.y - p.y};
}

using Quad = std::array<Point, 4>;

// The four corners of a text item's cell, y up about the wheel's centre, moved `inset` inward.
Quad Corners(const DrawnItem& item, Point centre, double inset = 0) {
    const Point c = Up(item.centre, centre);
    const double w = item.cell.width / 2 - inset, h = item.cell.height / 2 - inset;
    const double cs = CosDeg(item.turn), sn = SinDeg(item.turn);
    Quad out;
    for (std::size_t k = 0; k < 4; ++k) {
        const double u = (k == 1 || k == 2 ? w : -w), v = (k >= 2 ? h : -h);
        out[k] = {c.x + u * cs - v * sn, c.y + u * sn + v * cs};
    }
    return out;
}

// Separating axes: whether two convex quadrilaterals overlap.
bool Overlap(const Quad& a, const Quad& b) {
    for (const Quad* edges : {&a, &b})
        for (std::size_t k = 0; k < 4; ++k) {
            const Point p = (*edges)[k], q = (*edges)[(k + 1) % 4];
            const auto span = [&](const Quad& quad) {
                std::pair<double, double> s{1e300, -1e300};
                for (const Point r : quad) {
                    const double d = (r.x - p.x) * (q.y - p.y) - (r.y - p.y) * (q.x - p.x);
                    s = {std::min(s.first, d), std::max(s.second, d)};
                }
                return s;
            };
            const auto [a0, a1] = span(a);
            const auto [b0, b1] = span(b);
            if (a1 <= b0 || b1 <= a0) return false;
        }
    return true;
}

// The segment pq as a hairline quadrilateral.
Quad Hairline(Point p, Point q) {
    const double len = std::max(1e-9, std::hypot(q.x - p.x, q.y - p.y));
    const Point n{(p.y - q.y) / len * 0.01, (q.x - p.x) / len * 0.01};
    return {Point{p.x - n.x, p.y - n.y},
            {q.x - n.x, q.y - n.y},
            {q.x + n.x, q.y + n.y},
            {p.x + n.x, p.y + n.y}};
}

// Signed distance of p from the ray at screen angle a, positive counterclockwise of it.
double Beside(Point p, double a) {
    return -p.x * SinDeg(a) + p.y * CosDeg(a);
}

// The sign lying wholly inside each house that holds exactly one.
std::map<int, int> InterceptedByHouse(const ChartState& chart) {
    std::map<int, int> intercepted;
    for (int h = 1; h <= 12; ++h) {
        const double from = chart.CuspsStd[h], size = Reduce360(chart.CuspsStd[h % 12 + 1] - from);
        std::vector<int> whole;
        for (int sign = 1; sign <= 12; ++sign)
            if (const double start = Reduce360(30.0 * (sign - 1) - from); start + 30 < size)
                whole.push_back(sign);
        if (whole.size() == 1) intercepted[h] = whole[0];
    }
    return intercepted;
}

TEST(WheelProperties, HoldOnEveryChartOfTheCorpus) {
    ASSERT_GE(QFontDatabase::addApplicationFont(ORVANTIS_BUILD_DIR "/querna.ttf"), 0);
    OptionValues options = ShippedOptions();
    options[kOptionAspectLines] = 1;
    const DrawingTables tables = BuiltInDrawingTables();
    int charts = 0, intercepted_signs = 0, tiered = 0, narrow = 0;
    for (const Case& c : Corpus()) {
        WheelChart w;
        if (!RealChart(c.when, c.system, options, w)) continue;
        ++charts;
        WheelInputs in{w.chart, w.shown, options, tables};
        in.TypeChart = c.layout;
        in.StartScale = c.width >= c.height ? int(std::lround(228.0 * c.width / c.height)) : 244;
        in.style = c.page ? PrinterPageWheelStyle() : WindowWheelStyle();
        // A small image: what falls outside it is clipped, the layout is the full size's.
        QImage image(64, 64, QImage::Format_RGB32);
        if (c.page) image.setDotsPerMeterX(5906), image.setDotsPerMeterY(5906);
        QPainter painter(&image);
        const WheelWork work = PaintWheelOn(painter, QRectF(0, 0, c.width, c.height), in);
        const DrawingList list = MakeDrawingList(in, work, {double(c.width), double(c.height)});
        const ElectionData& e = c.when;
        SCOPED_TRACE(::testing::Message()
                     << e.ElectYear << "-" << e.ElectMonth << "-" << e.ElectDay << " "
                     << e.ElectHour << (e.ElectPM ? "PM:" : "AM:") << e.ElectMinute << " long "
                     << e.ElectLongDeg << (e.ElectWest ? "W" : "E") << " lat " << e.ElectLatDeg
                     << (e.ElectSouth ? "S " : "N ") << c.system << " layout " << c.layout << " "
                     << c.width << "x" << c.height << (c.page ? " page" : ""));
        const double unit = list.pixels_per_unit;
        const double edge = c.page ? 59 : 0.01;  // the page's margins, 10 mm
        const Point centre = list.center;
        const auto sector = [&](int h) {  // first spoke and width of house h
            const double start = list.cusp_angles[static_cast<std::size_t>(h - 1)];
            return std::pair{start,
                             Reduce360(list.cusp_angles[static_cast<std::size_t>(h % 12)] - start)};
        };

        std::map<int, const DrawnItem*> glyph, label, mark;
        std::map<int, int> marked;  // intercepted signs drawn
        std::vector<const DrawnItem*> solid, leaders, lines;
        for (const DrawnItem& item : list.items) {
            const Box& b = item.box;
            const ItemKind k = item.tag.kind;
            EXPECT_TRUE(b.x0 >= -edge && b.y0 >= -edge && b.x1 <= c.width + edge &&
                        b.y1 <= c.height + edge)
                << ItemKindName(k) << " " << b.x0 << "," << b.y0;
            if (k == ItemKind::Leader) leaders.push_back(&item);
            if (k == ItemKind::AspectLine) lines.push_back(&item);
            if (k == ItemKind::Leader || k == ItemKind::AspectLine || k == ItemKind::Caption)
                continue;
            solid.push_back(&item);
            // No type under 8 pixels (a line of 8-pixel type is 9.3 high); on paper its size.
            EXPECT_GE(item.cell.height, c.page ? item.points * 150 / 72 : 9.2) << ItemKindName(k);
            double near = 1e9, far = 0;
            for (const Point p : Corners(item, centre))
                near = std::min(near, std::hypot(p.x, p.y)),
                far = std::max(far, std::hypot(p.x, p.y));
            if (k == ItemKind::Glyph || k == ItemKind::Label) {
                EXPECT_LT(far, 217 * unit);
                EXPECT_GT(near, 120 * unit);
                auto& slot = k == ItemKind::Glyph                     ? glyph[item.tag.body]
                             : item.tag.part == LabelPart::Retrograde ? mark[item.tag.body]
                                                                      : label[item.tag.body];
                EXPECT_EQ(slot, nullptr) << "body " << item.tag.body << " drawn twice";
                slot = &item;
            } else if (k == ItemKind::AspectGlyph) {
                EXPECT_LT(far, 120 * unit);
            } else {
                EXPECT_GT(near, 217 * unit);
            }
            if (k == ItemKind::Intercepted) marked[item.tag.sign] = item.tag.sign;
        }
        std::map<int, int> intercepted;  // every sign lying wholly inside a house, alone
        for (const auto& [house, sign] : InterceptedByHouse(w.chart)) intercepted[sign] = sign;
        EXPECT_EQ(marked, intercepted);
        intercepted_signs += static_cast<int>(marked.size());
        for (std::size_t i = 0; i < solid.size(); ++i)
            for (std::size_t j = i + 1; j < solid.size(); ++j)
                EXPECT_FALSE(Overlap(Corners(*solid[i], centre, 0.01), Corners(*solid[j], centre)))
                    << ItemKindName(solid[i]->tag.kind) << " " << solid[i]->tag.body << " on "
                    << ItemKindName(solid[j]->tag.kind) << " " << solid[j]->tag.body;

        const auto find = [](const auto& m, int body) {
            return m.count(body) ? m.at(body) : nullptr;
        };
        // Every body, once, with its label.
        ASSERT_EQ(glyph.size(), 15u);
        ASSERT_EQ(label.size(), 15u);
        std::map<int, std::vector<const DrawnItem*>> by_house;
        for (const auto& [body, g] : glyph) by_house[g->tag.house].push_back(g);
        for (const auto& [body, g] : glyph) {
            SCOPED_TRACE("body " + std::to_string(body));
            const int house = g->tag.house;
            EXPECT_EQ(house, w.chart.HouseOfPlanet[body]);
            const auto [start, size] = sector(house);
            // Where it belongs: European, the 1st cusp at 9 o'clock and the zodiac
            // counterclockwise; American, at its share of the house across the equal sector, a
            // body just outside its house at the nearer edge.
            const double longitude = w.shown.BodyLongitude[body];
            const double cusp = w.chart.CuspsStd[house];
            const double house_size = Reduce360(w.chart.CuspsStd[house % 12 + 1] - cusp);
            const double share = std::clamp(
                std::remainder(longitude - cusp - house_size / 2, 360.0) / house_size + 0.5, 0.0,
                1.0);
            const double belongs =
                c.layout == 1 ? longitude - w.chart.CuspsStd[1] + 180 : start + share * size;
            EXPECT_NEAR(std::remainder(belongs - g->tag.true_angle, 360.0), 0, 1e-6);
            // Glyph and label wholly inside the sector, half a glyph clear of both cusp lines,
            // where the house is wide enough for that at all: two and a half glyph widths along the
            // zodiac ring for every two bodies (the narrowest polar houses are a degree or two).
            const double clear = g->cell.width / 2 - 0.01;
            const bool roomy = kPi / 180 * size * 217 * unit >=
                               2.5 * g->cell.width * double((by_house[house].size() + 1) / 2);
            narrow += roomy ? 0 : 1;
            for (const DrawnItem* item : {g, find(label, body), find(mark, body)})
                if (item && roomy)
                    for (const Point p : Corners(*item, centre)) {
                        EXPECT_GE(Beside(p, start), clear) << ItemKindName(item->tag.kind);
                        EXPECT_GE(-Beside(p, start + size), clear) << ItemKindName(item->tag.kind);
                    }
            // The Ascendant and MC within a glyph's width of their angles, in the systems whose
            // 1st and 10th cusps they are.
            if ((body == kAscendantBody || body == kMCBody) &&
                std::string("PRKCO").find(c.system) != std::string::npos) {
                double gap = 1e9;
                for (const Point p : Corners(*g, centre))
                    gap = std::min(gap, std::abs(Beside(p, g->tag.true_angle)));
                EXPECT_LE(gap, g->cell.width + 0.5);
            }
            // The label: degrees, sign, minutes as one run; never upside down, reading outward on
            // the right half of the wheel and inward on the left; the retrograde mark straight
            // after it on the same line.
            const DrawnItem& l = *label.at(body);
            EXPECT_EQ(l.text, PositionText(SplitLongitude(longitude)));
            EXPECT_TRUE(l.turn > -90 && l.turn <= 90) << l.turn;
            const Point at = Up(l.centre, centre);
            const double outward = at.x * CosDeg(l.turn) + at.y * SinDeg(l.turn);
            if (std::abs(at.x) > 1) {
                EXPECT_EQ(outward > 0, at.x > 0) << "reads the wrong way";
            }
            const bool retrograde = w.shown.RetrogradeShown[body - 1];
            const DrawnItem* r = find(mark, body);
            ASSERT_EQ(r != nullptr, retrograde);
            if (r) {
                const Point m = Up(r->centre, centre);
                const double ahead = (m.x - at.x) * CosDeg(l.turn) + (m.y - at.y) * SinDeg(l.turn);
                EXPECT_NEAR(ahead, (l.cell.width + r->cell.width) / 2, 0.5);
                EXPECT_NEAR(r->turn, l.turn, 1e-9);
            }
            // A glyph off its tick is joined to it.
            if (std::abs(std::remainder(g->tag.drawn_angle - g->tag.true_angle, 360.0)) > 2.05) {
                EXPECT_TRUE(std::any_of(leaders.begin(), leaders.end(),
                                        [&](const DrawnItem* d) { return d->tag.body == body; }));
            }
        }
        // Zodiac order within each house (tiers apart, a glyph sits up to a degree off its
        // unit's ray).
        for (auto& [house, glyphs] : by_house) {
            const auto [start, size] = sector(house);
            const auto within = [&](double a) { return Reduce360(a - start + 1) - 1; };
            std::sort(glyphs.begin(), glyphs.end(), [&](auto* a, auto* b) {
                return within(a->tag.true_angle) < within(b->tag.true_angle);
            });
            for (std::size_t i = 1; i < glyphs.size(); ++i)
                EXPECT_LE(within(glyphs[i - 1]->tag.drawn_angle),
                          within(glyphs[i]->tag.drawn_angle) + 1.5)
                    << "house " << house;
        }
        // Leaders cross no glyph or label but their own.
        for (const DrawnItem* leader : leaders) {
            tiered += leader->path.size() > 1 ? 1 : 0;
            for (const DrawnItem* item : solid)
                if (item->tag.body != leader->tag.body &&
                    (item->tag.kind == ItemKind::Glyph || item->tag.kind == ItemKind::Label)) {
                    for (std::size_t k = 1; k < leader->path.size(); ++k) {
                        EXPECT_FALSE(Overlap(
                            Hairline(Up(leader->path[k - 1], centre), Up(leader->path[k], centre)),
                            Corners(*item, centre, 1)))
                            << "leader of " << leader->tag.body << " through " << item->tag.body;
                    }
                }
        }
        // Aspect lines join the true degrees on the inner ring.
        for (const DrawnItem* line : lines)
            for (const auto& [end, body] : {std::pair{line->path.front(), line->tag.body},
                                            std::pair{line->path.back(), line->tag.other_body}}) {
                const Point p = Up(end, centre);
                EXPECT_NEAR(std::hypot(p.x, p.y), 120 * unit, 0.5);
                EXPECT_NEAR(
                    std::remainder(RadToDeg(std::atan2(p.y, p.x)) - glyph.at(body)->tag.true_angle,
                                   360.0),
                    0, 0.5)
                    << "body " << body;
            }
    }
    EXPECT_GE(charts, 150);
    // The corpus reaches the rules it checks.
    EXPECT_GE(intercepted_signs, 20);
    EXPECT_GE(tiered, 100);
    EXPECT_LE(narrow, 5);
}

}  // namespace
}  // namespace orvantis::test
