// Helpers of the window tests: whole files in and out, a shown top-level window by its title,
// and the deletions that close() of a delete-on-close window has queued.
#pragma once

#include <QApplication>
#include <QFile>
#include <QWidget>

namespace orvantis {

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QWidget* ShownWindow(const QString& title) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == title) return top;
    return nullptr;
}

inline void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace orvantis
