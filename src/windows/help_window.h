// The help viewer "HELP": one help text file of the program's folder in a read-only monospace
// text box, and a Quit button.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <string>
#include <string_view>

class QPlainTextEdit;
class QPushButton;

namespace orvantis {

class Notifier;

// The text the viewer shows for the bytes of a help file: every line followed by "\n". A line
// ends at LF; a CR just before it (or at the very end) belongs to the line end, and text after
// the last line end is a line of its own. Any other byte is kept as it is (the files are 8-bit
// text, shown unchanged). Pure, total: every input gives a result.
std::string HelpTextFromFile(std::string_view bytes);

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // ShowHelpFile: closes the viewer held in viewer if one is open, then shows
    // app_path/help_file_name in a new viewer (not modal, deleted when closed), stores it in
    // viewer and returns it. When the file cannot be read the message "<help_file_name> Help File
    // Not Found" ("Warning!", exclamation icon) goes to notifier and no viewer opens (nullptr).
    // notifier must outlive the viewer.
    static HelpWindow* ShowHelpFile(QPointer<HelpWindow>& viewer, const QString& app_path,
                                    const QString& help_file_name, Notifier& notifier,
                                    QWidget* parent = nullptr);

    QPlainTextEdit* TextView() const { return text_view_; }
    QPushButton* QuitButton() const { return quit_button_; }

private:
    HelpWindow(const QString& help_file_name, const std::string& text, QWidget* parent);

    QPlainTextEdit* text_view_;
    QPushButton* quit_button_;
};

}  // namespace orvantis
