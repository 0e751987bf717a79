#include "windows/orbs_edit_window.h"

#include <QPushButton>

namespace orvantis {

OrbsEdit::OrbsEdit(const QString& orb_file_path, Notifier& notifier, QWidget* parent)
    : TextFileEditor(notifier, parent),
      path_(orb_file_path),
      btnSave_(AddButton(QStringLiteral("Save"))),
      btnQuit_(AddButton(QStringLiteral("Quit"))) {
    setObjectName(QStringLiteral("OrbsEdit"));
    setWindowTitle(QStringLiteral("Edit: ") + path_);
    connect(btnSave_, &QPushButton::clicked, this, [this] { SaveFile(path_); });
    connect(btnQuit_, &QPushButton::clicked, this, &QWidget::close);
}

OrbsEdit* OrbsEdit::Open(const QString& orb_file_path, Notifier& notifier, QWidget* parent) {
    auto* editor = new OrbsEdit(orb_file_path, notifier, parent);
    if (!editor->LoadFile(orb_file_path)) {
        delete editor;
        return nullptr;
    }
    editor->show();
    return editor;
}

}  // namespace orvantis
