// The notifier of the desktop: every problem becomes a modal message box with its title, text
// and icon and an OK button.
#pragma once

#include "chart/problem.h"

class QWidget;

namespace orvantis {

class MessageBoxNotifier : public Notifier {
public:
    // parent: the window the boxes are centred on and modal to (may be null).
    explicit MessageBoxNotifier(QWidget* parent = nullptr) : parent_(parent) {}
    void Notify(const Problem& problem) override;

private:
    QWidget* parent_;
};

}  // namespace orvantis
