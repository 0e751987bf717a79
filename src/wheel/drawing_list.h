// The drawing list of one paint in image pixels (y down): what orvantis-chart --wheel-items
// writes and what the wheel's property tests read.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "wheel/drawn_items.h"
#include "wheel/wheel_work.h"

namespace orvantis {

struct DrawingList {
    double width = 0, height = 0;  // image pixels
    Point center;                  // the wheel's centre, pixels
    double pixels_per_unit = 1;
    int TypeChart = 0;
    double asc_angle = 0, mc_angle = 0;    // screen degrees of the Ascendant and MC
    std::array<double, 12> cusp_angles{};  // spokes of houses 1..12, screen degrees
    // Ring radii, pixels: the zodiac ring's outer and inner edge (the wheel draws it as one
    // circle, so both are that circle) and the inner ring.
    double zodiac_outer = 0, zodiac_inner = 0, inner = 0;
    // In pixels: boxes (x0, y0) top-left, (x1, y1) bottom-right; centres, cells and paths. A
    // text's turn stays counterclockwise as seen.
    std::vector<DrawnItem> items;
};

// The list of a window paint on an image of the given size in pixels, from the inputs and the
// working tables the paint returned (the image's scale is the one the paint used).
DrawingList MakeDrawingList(const WheelInputs& in, const WheelWork& work, Extent image);

// One JSON object: {"size":[W,H],"center":[x,y],"layout":"american"|"european","asc_angle":a,
// "mc_angle":a,"cusp_angles":[...],"rings":{"zodiac_outer":r,"zodiac_inner":r,"inner":r},
// "items":[{"kind":K,"box":[x0,y0,x1,y1],...}]}; an aspect line adds "bodies":[a,b],"aspect":k,
// "from":[x,y],"to":[x,y]; a leader its "body".
std::string DrawingListJson(const DrawingList& list);

}  // namespace orvantis
