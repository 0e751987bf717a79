#include "wheel/printed_page.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "files/whole_file.h"
#include "wheel/qpainter_surface.h"

namespace orvantis {
namespace {

// The window's proportions, as wide as the paper and at most half as high, at the top.
QRectF HalfPageRect(const QRectF& paper, QSizeF window_size) {
    if (window_size.isEmpty()) return {};
    const double scale =
        std::min(paper.width() / window_size.width(), paper.height() / 2 / window_size.height());
    const QSizeF size = window_size * scale;
    return {QPointF(paper.left() + (paper.width() - size.width()) / 2, paper.top()), size};
}

// How far, in points, the widest cusp label reaches beyond the scale's side.
constexpr double kCuspLabelOverhangPoints = 14;

}  // namespace

void PaintFullPage(QPainter& painter, const QRectF& paper, const WheelInputs& inputs) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The cusp labels at the ends of the horizontal stand beyond the wheel's scale; kept inside
    // the printable area, the page never prints into the printer's margins.
    const double points = painter.device() ? painter.device()->logicalDpiX() / 72.0 : 1.0;
    const double overhang = kCuspLabelOverhangPoints * points;
    PaintWheelOn(painter, paper.adjusted(overhang, 0, -overhang, 0), inputs);
    painter.restore();
}

void PaintHalfPage(QPainter& painter, const QRectF& paper, const WheelInputs& inputs,
                   QSizeF window_size) {
    const QRectF target = HalfPageRect(paper, window_size);
    if (target.isEmpty()) return;
    painter.save();
    // The window's picture ends at the window's edges: a caption or label reaching beyond them
    // is cut there as on the screen.
    painter.setClipRect(target);
    PaintWheelOn(painter, target, inputs);
    painter.restore();
}

QPageLayout PaperPageLayout(QPageSize::PageSizeId paper) {
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QPageLayout DefaultPageLayout() {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return PaperPageLayout(us ? QPageSize::Letter : QPageSize::A4);
}

std::optional<QString> WritePdfFile(const QString& path, const QPageLayout& layout,
                                    const PagePainter& paint) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator("Orvantis");
        writer.setTitle("Chart wheel");
        writer.setResolution(1200);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) return QStringLiteral("the PDF page could not be started");
        // The painter's origin is the top-left corner of the printable area.
        paint(painter,
              QRectF(QPointF(0, 0), QSizeF(layout.paintRectPixels(writer.resolution()).size())));
        painter.end();
    }
    QString reason;
    if (!WriteFileWhole(path, pdf, &reason)) return reason;
    return std::nullopt;
}

}  // namespace orvantis
