// The two printed forms of the wheel: the full page (the printer page cycle, with the aspect
// grid below the wheel) and the half page (the window's wheel in monochrome, across the top of
// the page), and the PDF file that carries either.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

#include "wheel/wheel_inputs.h"

class QPainter;

namespace orvantis {

// Paints the full page into `paper` (device units of the painter). The inputs carry the page's
// style (PrinterPageWheelStyle) and, for the grid, print_aspect_grid.
void PaintFullPage(QPainter& painter, const QRectF& paper, const WheelInputs& inputs);

// The window's wheel redrawn in monochrome (white background, black spokes and aspect lines;
// glyphs, labels and circles keep their colours) into an image of the window's size.
QImage MonochromeWindowImage(const WheelInputs& window_inputs, QSize size);

// Paints that image across the width of `paper`, at the top, keeping its proportions: about half
// a page for a landscape window.
void PaintHalfPage(QPainter& painter, const QRectF& paper, const QImage& window_image);

// A4, or US Letter where the system locale measures in US units; portrait, 10 mm margins.
QPageLayout DefaultPageLayout();

// Writes one page to a PDF file: the page goes to a temporary file beside `path` that replaces
// the file only when written whole, so a failure leaves nothing half-written under the user's
// name. Returns the reason when it failed.
std::optional<QString> WritePdfFile(const QString& path, const QPageLayout& layout,
                                    const std::function<void(QPainter&, const QRectF&)>& paint);

}  // namespace orvantis
