// The wheel as files: the window's wheel as a PNG image or SVG drawing, what it drew as a JSON
// drawing list, a printed page as a PDF.
#pragma once

#include <QPageSize>
#include <QSize>
#include <optional>
#include <string>

#include "wheel/wheel_inputs.h"

namespace orvantis {

// Paints the wheel as the window draws it at width x height pixels and saves it as PNG (whole
// or not at all; an empty path saves none); with items_path also the drawing list of that very
// paint as JSON. The inputs' StartScale is set from the size. png_quality is Qt's (0 the
// smallest file .. 100 the fastest; -1 its default). Returns the reason of a failure.
std::optional<std::string> WriteWheelPng(const std::string& path, WheelInputs inputs, int width,
                                         int height,
                                         const std::optional<std::string>& items_path = {},
                                         int png_quality = -1);

// The same wheel as an SVG drawing of width x height pixels.
std::optional<std::string> WriteWheelSvg(const std::string& path, WheelInputs inputs, int width,
                                         int height);

// Which printed page a PDF holds, and on which paper.
struct PdfPage {
    bool half = false;  // the window's picture on the upper half; otherwise the full page
    std::optional<QPageSize::PageSizeId> paper;  // default: Letter in US locales, else A4
    QSize window{1024, 768};                     // the window the half page shows
};

// Writes a one-page PDF. The inputs carry the page's style: PrinterPageWheelStyle for the full
// page, WindowWheelStyle(true) for the half page, whose StartScale is set from `page.window`.
std::optional<std::string> WriteWheelPdf(const std::string& path, WheelInputs inputs,
                                         const PdfPage& page);

}  // namespace orvantis
