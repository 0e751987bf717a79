// The main window's client area: the chart wheel, painted from the picture it was last handed.
#pragma once

#include <QWidget>

#include "wheel/wheel_picture.h"

namespace orvantis {

class WheelView : public QWidget {
    Q_OBJECT

public:
    explicit WheelView(QWidget* parent = nullptr);

    // Takes the chart, options and layout to paint from now on, and repaints.
    void SetPicture(WheelPicture picture);
    const WheelPicture& Picture() const { return picture_; }

signals:
    // Every resize; the owner works out the new scale and hands it back with the picture.
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    WheelPicture picture_;
};

}  // namespace orvantis
