#include "wheel/printed_page.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "wheel/qpainter_surface.h"

namespace orvantis {

void PaintFullPage(QPainter& painter, const QRectF& paper, const WheelInputs& inputs) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintWheelOn(painter, paper, inputs);
    painter.restore();
}

QImage MonochromeWindowImage(const WheelInputs& window_inputs, QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    WheelInputs inputs = window_inputs;
    inputs.style = WindowWheelStyle(true);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintWheelOn(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), inputs);
    return image;
}

void PaintHalfPage(QPainter& painter, const QRectF& paper, const QImage& window_image) {
    if (window_image.isNull()) return;
    const double scale =
        std::min(paper.width() / window_image.width(), paper.height() / 2 / window_image.height());
    const QSizeF size(window_image.width() * scale, window_image.height() * scale);
    const QRectF target(QPointF(paper.left() + (paper.width() - size.width()) / 2, paper.top()),
                        size);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, window_image);
    painter.restore();
}

QPageLayout DefaultPageLayout() {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

std::optional<QString> WritePdfFile(const QString& path, const QPageLayout& layout,
                                    const std::function<void(QPainter&, const QRectF&)>& paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setCreator("Orvantis");
        writer.setTitle("Chart wheel");
        writer.setResolution(1200);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return QStringLiteral("the PDF page could not be started");
        }
        // The painter's origin is the top-left corner of the printable area.
        paint(painter,
              QRectF(QPointF(0, 0), QSizeF(layout.paintRectPixels(writer.resolution()).size())));
        painter.end();
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace orvantis
