// The two printed forms of the wheel: the full page (the printer page cycle, with the aspect
// grid below the wheel) and the half page (the window's wheel in monochrome, across the top of
// the page), and the PDF file that carries either.
#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

#include "wheel/wheel_inputs.h"

class QPainter;

namespace orvantis {

// Paints one printed page into the given rectangle of the painter's device (device units).
using PagePainter = std::function<void(QPainter&, const QRectF&)>;

// Paints the full page into `paper` (device units of the painter). The inputs carry the page's
// style (PrinterPageWheelStyle) and, for the grid, grid_orbs.
void PaintFullPage(QPainter& painter, const QRectF& paper, const WheelInputs& inputs);

// Paints the window's picture across the top of `paper`: the window's wheel in monochrome (white
// background, black spokes and aspect lines; glyphs, labels and circles keep their colours) as
// vectors at the device's resolution, in a rectangle of the window's proportions as wide as the
// paper and at most half as high; about half a page for a landscape window. Nothing is drawn
// outside that rectangle. The inputs are the window's, made with WindowWheelStyle(true).
void PaintHalfPage(QPainter& painter, const QRectF& paper, const WheelInputs& inputs,
                   QSizeF window_size);

// A4 or US Letter, portrait, 10 mm margins.
QPageLayout PaperPageLayout(QPageSize::PageSizeId paper);
// A4, or US Letter where the system locale measures in US units.
QPageLayout DefaultPageLayout();

// Writes one page to a PDF file, made in memory and saved by WriteFileWhole: a failure leaves
// nothing half-written under the user's name. Returns the reason when it failed.
std::optional<QString> WritePdfFile(const QString& path, const QPageLayout& layout,
                                    const PagePainter& paint);

}  // namespace orvantis
