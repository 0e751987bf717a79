// The main window's client area: the chart wheel, drawn afresh on every paint.
#pragma once

#include <QWidget>

namespace orvantis {

class MainWindow;

class WheelView : public QWidget {
    Q_OBJECT

public:
    explicit WheelView(MainWindow& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainWindow& window_;
};

}  // namespace orvantis
