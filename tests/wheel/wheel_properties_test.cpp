// The wheel's drawing list over a generated corpus of real charts (moments 1900-2099, latitudes
// up to 66 degrees north and south, all eight house systems, both layouts, window shapes from
// 640 x 480 to 3840 x 2160, and the printed page) painted with the glyph font: every property a
// reader relies on at a glance — each body in zodiac order in its house, at its true angle or
// joined to it by a leader, intercepted signs marked, nothing overlapping, nothing cut off,
// labels reading one way, text large enough.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>

#include "aspects/aspect_lines.h"
#include "astro/angles.h"
#include "support/wheel_fixture.h"
#include "wheel/drawing_list.h"
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

// A moment in UT (hour 0..23) and a place in whole degrees.
ElectionData At(int y, int mo, int d, int h, int mi, int lon, bool west, int lat, bool south) {
    using I = std::int16_t;
    ElectionData e;
    e.ElectYear = I(y), e.ElectMonth = I(mo), e.ElectDay = I(d), e.ElectMinute = I(mi);
    e.ElectHour = I(h % 12 == 0 ? 12 : h % 12), e.ElectPM = h >= 12, e.ElectZone = 0;
    e.ElectLongDeg = I(lon), e.ElectWest = west, e.ElectLatDeg = I(lat), e.ElectSouth = south;
    return e;
}

// The Greenwich chart of 5 February 1962 (seven bodies in Aquarius) and far-north charts lead;
// then random moments and places.
std::vector<Case> Corpus() {
    std::vector<Case> cases;
    const std::array<std::pair<int, int>, 6> sizes{
        {{640, 480}, {1024, 768}, {800, 800}, {768, 1024}, {1920, 1080}, {3840, 2160}}};
    std::size_t n = 0;
    for (const ElectionData& e :
         {At(1962, 2, 5, 0, 0, 0, true, 51, false), At(2024, 12, 21, 12, 0, 25, false, 65, false),
          At(2020, 1, 12, 17, 0, 74, true, 40, false)})
        for (int layout = 0; layout < 2; ++layout)
            for (const char system : std::string("PEI"))
                cases.push_back({e, system, layout, sizes[n % 6].first, sizes[n % 6].second}), ++n;
    std::mt19937 random(1962);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (std::size_t k = 0; k < 60; ++k) {
        // Drawn in this order on every compiler: a braced list is evaluated left to right.
        const std::array<int, 9> v{pick(1900, 2099), pick(1, 12), pick(1, 28),
                                   pick(0, 23),      pick(0, 59), pick(0, 179),
                                   pick(0, 1),       pick(0, 65), pick(0, 1)};
        Case c{At(v[0], v[1], v[2], v[3], v[4], v[5], v[6] == 1, v[7], v[8] == 1),
               "PRKCOEMI"[k % 8], static_cast<int>(k / 8 % 2), sizes[k % 6].first,
               sizes[k % 6].second};
        if (k % 7 == 3) c.page = true, c.width = 1122, c.height = 1636;
        cases.push_back(c);
    }
    return cases;
}

double Angle(const Box& b, Point c) {
    return std::atan2(c.y - (b.y0 + b.y1) / 2, (b.x0 + b.x1) / 2 - c.x) * 180 / kPi;
}

// Signed degrees from a to b in -180..180.
double Turn(double a, double b) {
    return std::remainder(b - a, 360.0);
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
    const QString font = QStringLiteral(ORVANTIS_BUILD_DIR "/querna.ttf");
    ASSERT_GE(QFontDatabase::addApplicationFont(font), 0);
    const OptionValues options = ShippedOptions();
    const DrawingTables tables = BuiltInDrawingTables();
    int charts = 0, intercepted_signs = 0, leaders = 0;
    for (const Case& c : Corpus()) {
        WheelChart w;
        if (!RealChart(c.when, c.system, options, w)) continue;
        ++charts;
        WheelInputs in{w.chart, w.shown, options, tables};
        in.TypeChart = c.layout;
        in.StartScale = c.width >= c.height ? int(std::lround(228.0 * c.width / c.height)) : 244;
        in.style = c.page ? PrinterPageWheelStyle() : WindowWheelStyle();
        in.draw_aspect_lines = [&](DrawingContext& dc, const BodyAngles& angles) {
            DrawAspectLines(dc, w.shown.BodyLongitude, angles, options, {});
        };
        // A small image: what falls outside it is clipped, the layout is the full size's.
        QImage image(64, 64, QImage::Format_RGB32);
        if (c.page) image.setDotsPerMeterX(5906), image.setDotsPerMeterY(5906);
        QPainter painter(&image);
        const WheelWork work = PaintWheelOn(painter, QRectF(0, 0, c.width, c.height), in);
        const DrawingList list = MakeDrawingList(in, work, {double(c.width), double(c.height)});
        const ElectionData& e = c.when;
        char where[160];
        std::snprintf(
            where, sizeof where, "%d-%02d-%02d %d:%02d%s UT %d%c %d%c %c layout %d %dx%d%s",
            e.ElectYear, e.ElectMonth, e.ElectDay, e.ElectHour, e.ElectMinute,
            e.ElectPM ? "PM" : "AM", e.ElectLongDeg, e.ElectWest ? 'W' : 'E', e.ElectLatDeg,
            e.ElectSouth ? 'S' : 'N', c.system, c.layout, c.width, c.height, c.page ? " page" : "");
        SCOPED_TRACE(where);
        const double unit = list.pixels_per_unit;
        const double edge = c.page ? 59 : 0.01;  // the page's margins, 10 mm
        const Point centre = list.center;
        // House h's sector on the screen: its first spoke and its width.
        const auto sector = [&](int h) {
            const double start = list.cusp_angles[static_cast<std::size_t>(h - 1)];
            return std::pair{start,
                             Reduce360(list.cusp_angles[static_cast<std::size_t>(h % 12)] - start)};
        };

        std::map<int, std::vector<const DrawnItem*>> glyphs_by_house;
        std::map<int, std::map<LabelPart, const DrawnItem*>> labels;
        std::map<int, bool> leader;
        std::map<int, int> marked;            // intercepted sign by house
        std::vector<const DrawnItem*> solid;  // items that must not overlap
        for (const DrawnItem& item : list.items) {
            const Box& b = item.box;
            // Inside the window, or on the paper.
            EXPECT_TRUE(b.x0 >= -edge && b.y0 >= -edge && b.x1 <= c.width + edge &&
                        b.y1 <= c.height + edge)
                << ItemKindName(item.tag.kind) << " " << b.x0 << "," << b.y0;
            const ItemKind k = item.tag.kind;
            if (k == ItemKind::Leader) leader[item.tag.body] = true, ++leaders;
            if (k == ItemKind::Leader || k == ItemKind::Caption) continue;
            solid.push_back(&item);
            // Text large enough to read; on paper its size in points, measured at 150 dpi.
            EXPECT_GE(b.y1 - b.y0, c.page ? item.points * 150 / 72 : 10) << ItemKindName(k);
            // Between the rings, or outside the outer one.
            const double far = std::hypot(std::max(centre.x - b.x0, b.x1 - centre.x),
                                          std::max(centre.y - b.y0, b.y1 - centre.y));
            const double near = std::hypot(std::max({b.x0 - centre.x, 0.0, centre.x - b.x1}),
                                           std::max({b.y0 - centre.y, 0.0, centre.y - b.y1}));
            if (k == ItemKind::Glyph || k == ItemKind::Label) {
                EXPECT_LT(far, 217 * unit);
                EXPECT_GT(near, 120 * unit);
            } else if (k == ItemKind::AspectGlyph) {
                EXPECT_LT(far, 120 * unit);
            } else {
                EXPECT_GT(near, 217 * unit);
            }
            if (k == ItemKind::Glyph) glyphs_by_house[item.tag.house].push_back(&item);
            if (k == ItemKind::Label) labels[item.tag.body][item.tag.part] = &item;
            if (k == ItemKind::Intercepted) {
                // Outside the ring of the house that holds the sign, in its sector.
                int house = 0;
                for (const auto& [h, sign] : InterceptedByHouse(w.chart))
                    if (sign == item.tag.sign) house = h;
                EXPECT_NE(house, 0) << "sign " << item.tag.sign << " is not intercepted";
                marked[house] = item.tag.sign;
                const auto [start, size] = sector(house);
                EXPECT_LE(Reduce360(Angle(b, centre) - start), size) << "sign " << item.tag.sign;
            }
        }
        // Every sign that lies wholly inside a house, alone, is marked.
        EXPECT_EQ(marked, InterceptedByHouse(w.chart));
        intercepted_signs += static_cast<int>(marked.size());
        for (std::size_t i = 0; i < solid.size(); ++i)
            for (std::size_t j = i + 1; j < solid.size(); ++j) {
                Box a = solid[i]->box, b = solid[j]->box;
                a.x0 += 0.01, a.y0 += 0.01, a.x1 -= 0.01, a.y1 -= 0.01;
                EXPECT_FALSE(Overlap(a, b))
                    << ItemKindName(solid[i]->tag.kind) << " " << solid[i]->tag.body << " on "
                    << ItemKindName(solid[j]->tag.kind) << " " << solid[j]->tag.body;
            }

        int drawn = 0;
        for (auto& [house, glyphs] : glyphs_by_house) {
            const auto [start, size] = sector(house);
            const auto within = [&](double a) { return Turn(start + size / 2, a) + size / 2; };
            // Zodiac order: by where they belong and by where they are drawn alike.
            auto by_true = glyphs, by_drawn = glyphs;
            std::stable_sort(by_true.begin(), by_true.end(), [&](auto* a, auto* b) {
                return within(a->tag.true_angle) < within(b->tag.true_angle);
            });
            std::stable_sort(by_drawn.begin(), by_drawn.end(), [&](auto* a, auto* b) {
                return within(a->tag.drawn_angle) < within(b->tag.drawn_angle);
            });
            for (std::size_t i = 0; i < glyphs.size(); ++i)
                EXPECT_EQ(by_true[i]->tag.true_angle, by_drawn[i]->tag.true_angle)
                    << "house " << house;
            for (const DrawnItem* g : glyphs) {
                ++drawn;
                const int body = g->tag.body;
                EXPECT_EQ(house, w.chart.HouseOfPlanet[body]) << "body " << body;
                // Where it belongs: European, the 1st cusp at 9 o'clock and the zodiac
                // counterclockwise; American, at its share of the house across the equal
                // sector, a body just outside its house (an angle a hair below its cusp) at the
                // nearer edge.
                const double longitude = w.shown.BodyLongitude[body];
                const double cusp = w.chart.CuspsStd[house];
                const double house_size = Reduce360(w.chart.CuspsStd[house % 12 + 1] - cusp);
                const double share =
                    std::clamp(Turn(cusp + house_size / 2, longitude) / house_size + 0.5, 0.0, 1.0);
                const double belongs =
                    c.layout == 1 ? longitude - w.chart.CuspsStd[1] + 180 : start + share * size;
                EXPECT_NEAR(Turn(belongs, g->tag.true_angle), 0, 1e-6) << "body " << body;
                // In its house's sector, where the house has room for its glyphs.
                if (c.layout == 0 || size > 6.0 * static_cast<double>(glyphs.size())) {
                    EXPECT_GE(within(Angle(g->box, centre)), 0) << "body " << body;
                    EXPECT_LE(within(Angle(g->box, centre)), size) << "body " << body;
                }
                // A glyph that moved shows where it belongs, one that did not needs no leader.
                const double moved = std::abs(Turn(g->tag.true_angle, g->tag.drawn_angle));
                if (std::abs(moved - 2) > 0.05) {
                    EXPECT_EQ(leader[body], moved > 2) << "body " << body;
                }
                // The Ascendant and MC stay on their angles, within a glyph's width, in the
                // systems whose 1st and 10th cusps are those angles.
                const bool on_cusp = std::string("PRKCO").find(c.system) != std::string::npos;
                if ((body == kAscendantBody || body == kMCBody) && on_cusp) {
                    const double r = std::hypot((g->box.x0 + g->box.x1) / 2 - centre.x,
                                                (g->box.y0 + g->box.y1) / 2 - centre.y);
                    EXPECT_LE(moved * kPi / 180 * r, g->box.x1 - g->box.x0 + 1) << "body " << body;
                }
            }
        }
        // Every body is drawn, or named as left out by a house that cannot hold it.
        EXPECT_EQ(drawn + static_cast<int>(work.LeftOut.size()), 15);
        for (const int body : work.LeftOut)
            EXPECT_GE(glyphs_by_house[w.chart.HouseOfPlanet[body]].size(), c.page ? 5u : 6u);

        // Each label reads degrees, sign, minutes going right and down.
        for (const auto& [body, parts] : labels) {
            double last = -1e9;
            for (const auto& [part, item] : parts) {
                if (part == LabelPart::Retrograde) continue;
                const double reading =
                    (item->box.x0 + item->box.x1) / 2 + (item->box.y0 + item->box.y1) / 2;
                EXPECT_GT(reading, last) << "body " << body;
                last = reading;
            }
        }
    }
    EXPECT_GE(charts, 70);
    // The corpus reaches the rules it checks.
    EXPECT_GE(intercepted_signs, 20);
    EXPECT_GE(leaders, 100);
}

}  // namespace
}  // namespace orvantis::test
