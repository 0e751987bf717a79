// The title window "Orvantis", shown at start-up when option 48 is 1: the program's name,
// version, icon and notices, closed by CONTINUE.
#pragma once

#include <QDialog>
#include <QPixmap>

class QPushButton;

namespace orvantis {

// The program's icon: a small chart wheel (two rings, twelve house spokes, a gold centre) on a
// transparent square of side pixels.
QPixmap WheelIcon(int pixels);

class TitleWindow : public QDialog {
    Q_OBJECT

public:
    // The window, deleted when closed. The main window shows it with ShowModal.
    explicit TitleWindow(QWidget* parent = nullptr);

    // Shows a new title window modally and returns when CONTINUE (or the window's close
    // button, or Esc) has closed it. The clock of the main window keeps ticking meanwhile.
    static void ShowModal(QWidget* parent);

    QPushButton* OkButton() const { return ok_button_; }

private:
    QPushButton* ok_button_;
};

}  // namespace orvantis
