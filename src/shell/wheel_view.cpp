#include "shell/wheel_view.h"

#include <QPainter>
#include <utility>

#include "wheel/qpainter_surface.h"

namespace orvantis {

WheelView::WheelView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 120);
}

void WheelView::SetPicture(WheelPicture picture) {
    picture_ = std::move(picture);
    update();
}

void WheelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintWheelOn(painter, rect(), AssembleWheelInputs(picture_, WindowWheelStyle()));
}

void WheelView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

}  // namespace orvantis
