// The window's wheel as an SVG drawing that needs no font of ours: glyphs as outlines, the
// Ascendant and MC as letters, every label one text element in a family with generic fallbacks.
#pragma once

#include <QByteArray>
#include <QSize>

#include "wheel/wheel_inputs.h"

namespace orvantis {

// The wheel painted as the window paints it at `size` pixels (one pixel a CSS pixel), as SVG.
QByteArray WheelSvg(const WheelInputs& inputs, QSize size);

}  // namespace orvantis
