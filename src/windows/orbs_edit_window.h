// The orb file editor "Edit: " + path: the current orb file in a text box, Save and Quit.
#pragma once

#include <QString>

#include "windows/text_file_editor.h"

class QPushButton;

namespace orvantis {

class OrbsEdit : public TextFileEditor {
    Q_OBJECT

public:
    // Loads the orb file at orb_file_path into a new editor and shows it (not modal); the
    // editor deletes itself when closed. One editor per file: when one is open for that file it
    // is brought to the front and returned, its text not reloaded. A missing or unreadable file is
    // reported through notifier and no window opens (nullptr). notifier must outlive the window.
    static OrbsEdit* Open(const QString& orb_file_path, Notifier& notifier,
                          QWidget* parent = nullptr);

    // Save writes the text over the orb file and keeps the window open; nothing is re-read, the
    // aspect window reads the orb file whenever it opens. Quit closes without saving.
    bool Save() override;
    QPushButton* SaveButton() const { return save_button_; }
    QPushButton* QuitButton() const { return quit_button_; }

private:
    OrbsEdit(const QString& orb_file_path, Notifier& notifier, QWidget* parent);

    QString path_;
    QPushButton* save_button_;
    QPushButton* quit_button_;
};

}  // namespace orvantis
