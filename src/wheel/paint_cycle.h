// The paint cycle of the wheel: scale, rings and spokes, cusp labels, bodies, aspect lines and
// captions, on any surface.
//
// Typical use by a window's paint handler:
//   const UserScale scale = WheelUserScale(inputs, {width, height});
//   QPainterSurface surface(painter, target, scale);
//   DrawingContext dc(surface, scale);
//   const WheelWork painted = PaintWheel(dc, inputs);
#pragma once

#include "wheel/surface.h"
#include "wheel/wheel_inputs.h"
#include "wheel/wheel_work.h"

namespace orvantis {

// The window's user scale for an inner area of width × height device units: x from -S to S,
// y from S·|h/w| down to -S·|h/w|, so a unit has the same length on both axes. An empty area
// (a minimised window) gives the square scale -S..S, which draws nothing visible.
UserScale WindowUserScale(int start_scale, Extent area);

// The printed page: S = 265, or 272 for a European wheel once a chart exists.
int PrinterStartScale(int type_chart, bool chart_ready);
// left 16 - S, top S/0.8 - 68, right S - 15, bottom -S/0.8 - 40: room below the wheel for the
// aspect grid.
UserScale PrinterUserScale(int start_scale);

// The scale a paint with these inputs uses on a device of the given size: the window's, or the
// page's when style.PrinterOutput is set.
UserScale WheelUserScale(const WheelInputs& in, Extent device);

// Form_Paint without its menu side (the shell enables the Aspects item): draws the whole wheel
// on dc, whose scale the caller has set with WheelUserScale. Returns the working tables: where
// each body belongs and where it was drawn, and every item drawn.
WheelWork PaintWheel(DrawingContext& dc, const WheelInputs& in);

// The two rings and the twelve spokes.
void DrawWheelFrame(WheelPaint& p);

// The screen angles (degrees) of the twelve spokes: fixed every 30 degrees in the American
// wheel; in the European wheel the 1st house at 180 and the others at their distance from it.
std::array<double, 12> SpokeAngles(const DisplayedChart& shown, int type_chart);

}  // namespace orvantis
