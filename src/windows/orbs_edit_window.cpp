#include "windows/orbs_edit_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

namespace orvantis {

OrbsEdit::OrbsEdit(const QString& orb_file_path, Notifier& notifier, QWidget* parent)
    : TextFileEditor(notifier, parent),
      path_(orb_file_path),
      save_button_(AddButton(QStringLiteral("&Save"))),
      quit_button_(AddButton(QStringLiteral("&Quit"))) {
    setObjectName(QStringLiteral("OrbsEdit"));
    setWindowTitle(QStringLiteral("Edit: ") + path_);
    save_button_->setObjectName(QStringLiteral("btnSave"));
    quit_button_->setObjectName(QStringLiteral("btnQuit"));
    connect(save_button_, &QPushButton::clicked, this, &OrbsEdit::Save);
    connect(quit_button_, &QPushButton::clicked, this, &QWidget::close);
}

bool OrbsEdit::Save() {
    return SaveFile(path_);
}

OrbsEdit* OrbsEdit::Open(const QString& orb_file_path, Notifier& notifier, QWidget* parent) {
    // Two editors of one file would each save over the other's edits: the open one comes
    // forward instead, its text (and any unsaved change) kept. A closed editor lingers until
    // its deferred deletion; only a visible one counts.
    const QString path = QFileInfo(orb_file_path).absoluteFilePath();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* open = qobject_cast<OrbsEdit*>(window);
        if (open && open->isVisible() && QFileInfo(open->path_).absoluteFilePath() == path) {
            open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* editor = new OrbsEdit(orb_file_path, notifier, parent);
    if (!editor->LoadFile(orb_file_path)) {
        delete editor;
        return nullptr;
    }
    editor->show();
    return editor;
}

}  // namespace orvantis
