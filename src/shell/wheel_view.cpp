#include "shell/wheel_view.h"

#include <QPainter>

#include "shell/main_window.h"
#include "wheel/qpainter_surface.h"

namespace orvantis {

WheelView::WheelView(MainWindow& window) : QWidget(&window), window_(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 120);
}

void WheelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintWheelOn(painter, rect(), window_.MakeWheelInputs(WindowWheelStyle()));
}

void WheelView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    window_.Form_Resize();
}

}  // namespace orvantis
