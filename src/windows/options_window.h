// The options editor "Edit: OPTIONS.OPT": the options file of the program's folder in a text
// box, with Save, Restore Default Settings and Quit.
#pragma once

#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "settings/option_values.h"
#include "windows/text_file_editor.h"

class QPushButton;

namespace orvantis {

// The message of a failed Restore Default Settings ("Warning!", information icon).
inline constexpr const char* kRestoreFailed = "Error in operation. Cannot do what is requested.";

// The name of the copy Restore Default Settings keeps of the replaced options, beside them.
inline constexpr const char* kOptionsBackupFileName = "OPTIONS.BAK";

// Why the options reader would not take this editor text (lines ended by "\n") as it stands,
// naming the line, or nullopt when it would: each of the 130 value lines must be there and hold a
// number in its first seven characters (a Return typed into line 1 would shift every option down a
// line), line 27 must name a house system, and nothing may follow the home zone's line 131. `line`
// gets the line at fault (1-based).
std::optional<std::string> OptionsTextFault(const QString& text, int* line = nullptr);

class OptionsEditor : public TextFileEditor {
    Q_OBJECT

public:
    // Options > Options on settings_dir/OPTIONS.OPT, with the master OPTIONS.MAS in shipped_dir
    // (the same folder when run from the build folder). When OPTIONS.OPT cannot be read the message
    // "OPTIONS.OPT File Not Found" ("Warning!", exclamation icon) goes to notifier and nothing
    // opens (nullptr). Otherwise the editor held in editor is brought to the front if one is open
    // (its text is not reloaded, so unsaved changes stay); else a new editor is loaded from the
    // file, shown (not modal, deleted when closed), stored in editor and returned. options,
    // caption_prefix, owner_name and notifier belong to the main window and must outlive the
    // editor: Save changes the first two.
    static OptionsEditor* Open(QPointer<OptionsEditor>& editor, const QString& settings_dir,
                               const QString& shipped_dir, OptionValues& options,
                               std::string& caption_prefix, const std::string& owner_name,
                               Notifier& notifier, QWidget* parent = nullptr);

    // Save: writes the text (without its final line end, the writing adds one) over
    // OPTIONS.OPT through a temporary file renamed over it, then reads OPTIONS.OPT into the
    // options (only the lines read are overwritten) and rebuilds the caption prefix. The chart
    // is not recomputed; the window stays open. A failed write is reported, leaves the file,
    // the options and the editor's text as they were, and returns false.
    // Text the reader would refuse (OptionsTextFault) is not saved: the reason is reported and
    // the cursor put on its line.
    bool Save() override;

    // Restore Default Settings: keeps OPTIONS.OPT as OPTIONS.BAK beside it, copies OPTIONS.MAS
    // over OPTIONS.OPT (a temporary file beside it, renamed over it) and shows the restored file.
    // The button asks first; this function does not. The options are not re-read: the
    // master's values take effect after a Save or at the next start. Any failure (no master
    // file, OPTIONS.OPT not writable) shows kRestoreFailed and changes nothing; returns false.
    bool RestoreDefaultSettings();

    QPushButton* SaveButton() const { return save_button_; }
    QPushButton* RestoreButton() const { return restore_button_; }
    QPushButton* QuitButton() const { return quit_button_; }

signals:
    // After a Save re-read the options: new colours, sizes and the caption prefix show at the
    // next paint; the main window may repaint at once.
    void OptionsSaved();

private:
    OptionsEditor(const QString& settings_dir, const QString& shipped_dir, OptionValues& options,
                  std::string& caption_prefix, const std::string& owner_name, Notifier& notifier,
                  QWidget* parent);

    QString options_path_;
    QString master_path_;
    OptionValues& options_;
    std::string& caption_prefix_;
    const std::string& owner_name_;
    QPushButton* save_button_;
    QPushButton* restore_button_;
    QPushButton* quit_button_;
};

}  // namespace orvantis
