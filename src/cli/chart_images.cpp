#include "cli/chart_images.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "files/whole_file.h"
#include "wheel/drawing_list.h"
#include "wheel/printed_page.h"
#include "wheel/qpainter_surface.h"
#include "wheel/wheel_svg.h"
#include "wheel/window_geometry.h"

namespace orvantis {
namespace {

// Writes bytes whole or not at all.
std::optional<std::string> SaveWhole(const std::string& path, const QByteArray& bytes) {
    QString reason;
    if (WriteFileWhole(QtPath(path), bytes, &reason)) return std::nullopt;
    return reason.toStdString();
}

void SetScaleFor(WheelInputs& inputs, int width, int height) {
    if (const auto scale = StartScaleFor(width, height)) inputs.StartScale = *scale;
}

}  // namespace

std::optional<std::string> WriteWheelPng(const std::string& path, WheelInputs inputs, int width,
                                         int height, const std::optional<std::string>& items_path,
                                         int png_quality) {
    SetScaleFor(inputs, width, height);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    WheelWork work;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        work = PaintWheelOn(painter, QRectF(0, 0, width, height), inputs);
    }
    if (!path.empty()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG", png_quality)) return "the image could not be encoded";
        if (auto failure = SaveWhole(path, png)) return failure;
    }
    if (!items_path) return std::nullopt;
    const DrawingList list = MakeDrawingList(inputs, work, {double(width), double(height)});
    return SaveWhole(*items_path, QByteArray::fromStdString(DrawingListJson(list)));
}

std::optional<std::string> WriteWheelSvg(const std::string& path, WheelInputs inputs, int width,
                                         int height) {
    SetScaleFor(inputs, width, height);
    return SaveWhole(path, WheelSvg(inputs, QSize(width, height)));
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
    const auto failure = WritePdfFile(QtPath(path), layout, paint);
    if (failure) return failure->toStdString();
    return std::nullopt;
}

}  // namespace orvantis
