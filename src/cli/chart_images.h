// The wheel as files: the window's wheel as a PNG image or SVG drawing, what it drew as a JSON
// drawing list, the full printed page as a PDF.
#pragma once

#include <optional>
#include <string>

#include "wheel/wheel_inputs.h"

namespace orvantis {

// Paints the wheel as the window draws it at width x height pixels and saves it as PNG (whole
// or not at all; an empty path saves none); with items_path also the drawing list of that very
// paint as JSON. The inputs' StartScale is set from the size. Returns the reason of a failure.
std::optional<std::string> WriteWheelPng(const std::string& path, WheelInputs inputs, int width,
                                         int height,
                                         const std::optional<std::string>& items_path = {});

// The same wheel as an SVG drawing of width x height pixels.
std::optional<std::string> WriteWheelSvg(const std::string& path, WheelInputs inputs, int width,
                                         int height);

// Writes the full printed page (the inputs carry the page style) as a one-page PDF.
std::optional<std::string> WriteWheelPdf(const std::string& path, const WheelInputs& inputs);

}  // namespace orvantis
