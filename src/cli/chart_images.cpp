#include "cli/chart_images.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include "shell/window_geometry.h"
#include "wheel/printed_page.h"
#include "wheel/qpainter_surface.h"

namespace orvantis {

std::optional<std::string> WriteWheelPng(const std::string& path, WheelInputs inputs, int width,
                                         int height) {
    if (const auto scale = StartScaleFor(width, height)) inputs.StartScale = *scale;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintWheelOn(painter, QRectF(0, 0, width, height), inputs);
    }
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    if (!image.save(&file, "PNG") || !file.flush()) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason.empty() ? "the image could not be written" : reason;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return std::nullopt;
}

std::optional<std::string> WriteWheelPdf(const std::string& path, WheelInputs inputs,
                                         const PdfPage& page) {
    const QPageLayout layout = page.paper ? PaperPageLayout(*page.paper) : DefaultPageLayout();
    PagePainter paint;
    if (page.half) {
        if (const auto scale = StartScaleFor(page.window.width(), page.window.height()))
            inputs.StartScale = *scale;
        paint = [&](QPainter& painter, const QRectF& paper) {
            PaintHalfPage(painter, paper, inputs, QSizeF(page.window));
        };
    } else {
        paint = [&](QPainter& painter, const QRectF& paper) {
            PaintFullPage(painter, paper, inputs);
        };
    }
    const auto failure = WritePdfFile(QString::fromLocal8Bit(path.c_str()), layout, paint);
    if (failure) return failure->toStdString();
    return std::nullopt;
}

}  // namespace orvantis
