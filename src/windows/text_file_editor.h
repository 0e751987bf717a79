// A plain-text file editor window: a monospace text box with both scroll bars and a row of
// buttons at the bottom. The orb file editor and the options editor are built on it; they add
// their buttons and say which file to load and save.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <functional>

class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;

namespace orvantis {

class Notifier;

// The text the editor shows for a file's bytes: every line (ended by CR LF or LF) followed by a
// line end. The bytes are taken as 8-bit characters, so a file saved unchanged keeps them.
QString EditorTextFromFile(const QByteArray& bytes);

// The bytes saved for the editor's text: the text without its final line end, each line ended
// by CR LF. An empty text gives an empty file; a text whose last line has no line end is saved
// whole, with a CR LF added.
QByteArray FileTextFromEditor(const QString& text);

class TextFileEditor : public QWidget {
    Q_OBJECT

public:
    // A top-level window, deleted when closed. Messages go to notifier, which must outlive it.
    explicit TextFileEditor(Notifier& notifier, QWidget* parent = nullptr);

    // Puts the file's text into the text box. A missing or unreadable file is reported
    // ("Warning!", exclamation icon) and leaves the text box as it was; returns false then.
    bool LoadFile(const QString& path);

    // Replaces the file with the text box's text. The text goes to a temporary file beside it
    // that is renamed over the original only when it was written whole, so a failed save (full
    // disk, no permission, a folder in the way) leaves the old file untouched; the failure is
    // reported and false returned, and the text stays in the editor.
    bool SaveFile(const QString& path);

    // A new button at the right end of the bottom row; "&" marks its access letter.
    QPushButton* AddButton(const QString& caption);

    // Writes the text to the editor's file (the Save button and Ctrl+S); false when it did not.
    virtual bool Save() = 0;

    // How a yes/no question is put to the user (by default a question box); tests answer it.
    using Question = std::function<bool(const QString& text)>;
    void SetQuestion(Question ask) { ask_ = std::move(ask); }
    bool Ask(const QString& text);

    // Whether the text was changed since it was loaded or saved.
    bool HasUnsavedEdits() const;

    QPlainTextEdit* ContentEdit() const { return content_edit_; }

    // The text box's text with "\n" line ends, every character as typed.
    QString EditorText() const;

protected:
    // Quit, Esc and the window's close button ask before unsaved edits are dropped.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    Notifier& notifier_;

private:
    QPlainTextEdit* content_edit_;
    QHBoxLayout* buttons_;
    Question ask_;
};

}  // namespace orvantis
