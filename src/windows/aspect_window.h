// The aspect window "Aspects": the aspects of the chart on display as a column of glyph lines,
// built once when the window opens.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "aspects/orb_file.h"

class QPlainTextEdit;

namespace orvantis {

class Notifier;

class AspectWindow : public QWidget {
    Q_OBJECT

public:
    // Opens the window (not modal) with the busy pointer shown meanwhile: reads the orb file at
    // orb_file_path into orbs and lists the aspects of body_longitude (the chart's,
    // degrees, bodies 1..15) under them. A missing or unreadable orb file is reported through
    // notifier and the previous orbs are used. The window deletes itself when closed (hold it in
    // a QPointer); the main window refreshes it with every chart computation.
    static AspectWindow* Open(const std::array<double, 16>& body_longitude,
                              const QString& orb_file_path, OrbValues& orbs, Notifier& notifier,
                              QWidget* parent = nullptr);

    QPlainTextEdit* TextView() const { return aspect_text_; }

    // Lists the aspects of another chart under the same orbs, scrolled where the user left it.
    void ListAspects(const std::array<double, 16>& body_longitude, const OrbValues& orbs);

private:
    explicit AspectWindow(QWidget* parent);

    QPlainTextEdit* aspect_text_;
};

}  // namespace orvantis
