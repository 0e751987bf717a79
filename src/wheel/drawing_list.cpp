#include "wheel/drawing_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "wheel/paint_cycle.h"

namespace orvantis {
namespace {

std::string Num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return std::string(buffer) == "-0.00" ? "0.00" : buffer;
}

}  // namespace

DrawingList MakeDrawingList(const WheelInputs& in, const WheelWork& work, Extent image) {
    DrawingList list;
    list.width = image.width;
    list.height = image.height;
    list.TypeChart = in.TypeChart;
    // The same fit as the image's surface: equal units on both axes, centred, y flipped.
    const UserScale scale = WheelUserScale(in, image);
    const double uw = std::abs(scale.right - scale.left), uh = std::abs(scale.top - scale.bottom);
    list.pixels_per_unit = std::min(image.width / uw, image.height / uh);
    const Point user_centre{(scale.left + scale.right) / 2, (scale.top + scale.bottom) / 2};
    const auto map = [&](Point p) {
        return Point{image.width / 2 + (p.x - user_centre.x) * list.pixels_per_unit,
                     image.height / 2 - (p.y - user_centre.y) * list.pixels_per_unit};
    };
    list.center = map({0, 0});
    list.asc_angle = work.BodyTrueAngle[kAscendantBody];
    list.mc_angle = work.BodyTrueAngle[kMCBody];
    list.cusp_angles = SpokeAngles(in.chart, in.TypeChart);
    // The American spokes come every 30 degrees from 3 o'clock; by house, the 1st is at 180.
    if (in.TypeChart != 1)
        for (int h = 1; h <= 12; ++h) list.cusp_angles[h - 1] = ((h - 7 + 12) % 12) * 30.0;
    list.zodiac_outer = list.zodiac_inner = kOuterRing * list.pixels_per_unit;
    list.inner = kInnerRing * list.pixels_per_unit;
    for (DrawnItem item : work.Items) {
        const Point a = map({item.box.x0, item.box.y1}), b = map({item.box.x1, item.box.y0});
        item.box = {a.x, a.y, b.x, b.y};
        item.centre = map(item.centre);
        item.cell = {item.cell.width * list.pixels_per_unit,
                     item.cell.height * list.pixels_per_unit};
        for (Point& point : item.path) point = map(point);
        list.items.push_back(std::move(item));
    }
    return list;
}

std::string DrawingListJson(const DrawingList& list) {
    std::string out = "{\"size\":[" + Num(list.width) + "," + Num(list.height) + "],\"center\":[" +
                      Num(list.center.x) + "," + Num(list.center.y) + "],\"layout\":\"" +
                      (list.TypeChart == 1 ? "european" : "american") +
                      "\",\"asc_angle\":" + Num(list.asc_angle) +
                      ",\"mc_angle\":" + Num(list.mc_angle) + ",\"cusp_angles\":[";
    for (std::size_t i = 0; i < list.cusp_angles.size(); ++i)
        out += (i ? "," : "") + Num(list.cusp_angles[i]);
    out += "],\"rings\":{\"zodiac_outer\":" + Num(list.zodiac_outer) +
           ",\"zodiac_inner\":" + Num(list.zodiac_inner) + ",\"inner\":" + Num(list.inner) +
           "},\"items\":[";
    bool first = true;
    for (const DrawnItem& item : list.items) {
        const ItemTag& t = item.tag;
        out += std::string(first ? "\n" : ",\n") + "{\"kind\":\"" +
               std::string(ItemKindName(t.kind)) + "\",\"box\":[" + Num(item.box.x0) + "," +
               Num(item.box.y0) + "," + Num(item.box.x1) + "," + Num(item.box.y1) + "]";
        first = false;
        switch (t.kind) {
            case ItemKind::Glyph:
                out += ",\"body\":" + std::to_string(t.body) +
                       ",\"house\":" + std::to_string(t.house) +
                       ",\"true_angle\":" + Num(t.true_angle) +
                       ",\"drawn_angle\":" + Num(t.drawn_angle) +
                       ",\"ring\":" + (t.ring == 1 ? "\"transit\"" : "\"radix\"");
                break;
            case ItemKind::Label:
                out += ",\"body\":" + std::to_string(t.body) + ",\"part\":\"" +
                       (t.part == LabelPart::Retrograde ? "retrograde" : "position") +
                       "\",\"turn\":" + Num(item.turn);
                break;
            case ItemKind::CuspLabel:
                out += ",\"house\":" + std::to_string(t.house);
                break;
            case ItemKind::Intercepted:
                out += ",\"sign\":" + std::to_string(t.sign);
                break;
            case ItemKind::Leader:
                out += ",\"body\":" + std::to_string(t.body);
                break;
            case ItemKind::AspectLine:
                out += ",\"bodies\":[" + std::to_string(t.body) + "," +
                       std::to_string(t.other_body) + "],\"aspect\":" + std::to_string(t.aspect) +
                       ",\"from\":[" + Num(item.path.front().x) + "," + Num(item.path.front().y) +
                       "],\"to\":[" + Num(item.path.back().x) + "," + Num(item.path.back().y) + "]";
                break;
            default:
                break;
        }
        if (t.ring == 1 && t.kind != ItemKind::Glyph) out += ",\"ring\":\"transit\"";
        out += "}";
    }
    return out + "\n]}\n";
}

}  // namespace orvantis
