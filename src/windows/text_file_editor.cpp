#include "windows/text_file_editor.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>

#include "chart/problem.h"
#include "files/whole_file.h"

namespace orvantis {
namespace {

// The editors' window size in pixels at 96 dpi, with 16-pixel margins round the text box.
constexpr int kWindowWidth = 632;
constexpr int kWindowHeight = 453;
constexpr int kMargin = 16;

Problem Warning(const QString& text) {
    return Warning(text.toStdString(), Icon::kExclamation);
}

}  // namespace

QString EditorTextFromFile(const QByteArray& bytes) {
    QString text;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r')) line.chop(1);
        text += QString::fromLatin1(line);
        text += QLatin1Char('\n');
        start = end + 1;
    }
    return text;
}

QByteArray FileTextFromEditor(const QString& text) {
    if (text.isEmpty()) return {};
    QString body = text;
    if (body.endsWith(QLatin1Char('\n'))) body.chop(1);
    QByteArray bytes = body.toLatin1();
    bytes.replace("\n", "\r\n");
    bytes += "\r\n";
    return bytes;
}

TextFileEditor::TextFileEditor(Notifier& notifier, QWidget* parent)
    : QWidget(parent, Qt::Window),
      notifier_(notifier),
      content_edit_(new QPlainTextEdit(this)),
      buttons_(new QHBoxLayout) {
    setAttribute(Qt::WA_DeleteOnClose);

    QFont courier(QStringLiteral("Courier New"), 9);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    content_edit_->setFont(courier);
    content_edit_->setObjectName(QStringLiteral("contentEdit"));
    content_edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    content_edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    content_edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // Tab and Backtab move the focus to the buttons instead of into the file; Ctrl+S saves.
    content_edit_->setTabChangesFocus(true);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { Save(); });
    ask_ = [this](const QString& text) {
        return QMessageBox::question(this, windowTitle(), text) == QMessageBox::Yes;
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(content_edit_);
    layout->addLayout(buttons_);
    resize(kWindowWidth, kWindowHeight);
}

QString TextFileEditor::EditorText() const {
    // The raw text, not toPlainText(): that one turns no-break spaces (byte 160) into blanks.
    QString text = content_edit_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

bool TextFileEditor::Ask(const QString& text) {
    return ask_(text);
}

bool TextFileEditor::HasUnsavedEdits() const {
    return content_edit_->document()->isModified();
}

void TextFileEditor::closeEvent(QCloseEvent* event) {
    if (HasUnsavedEdits() &&
        !Ask(QStringLiteral("The changes to this file are not saved. Quit without saving them?"))) {
        event->ignore();
        return;
    }
    event->accept();
}

void TextFileEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QPushButton* TextFileEditor::AddButton(const QString& caption) {
    auto* button = new QPushButton(caption, this);
    buttons_->addWidget(button);
    return button;
}

bool TextFileEditor::LoadFile(const QString& path) {
    QString reason;
    const std::optional<std::string> bytes = ReadFileWhole(path, &reason);
    if (!bytes) {
        const QString what = QFileInfo::exists(path)
                                 ? QStringLiteral(" File Cannot Be Read: ") + reason
                                 : QStringLiteral(" File Not Found");
        notifier_.Notify(Warning(path + what));
        return false;
    }
    content_edit_->setPlainText(EditorTextFromFile(QByteArray::fromStdString(*bytes)));
    content_edit_->document()->setModified(false);
    return true;
}

bool TextFileEditor::SaveFile(const QString& path) {
    QString reason;
    if (WriteFileWhole(path, FileTextFromEditor(EditorText()), &reason)) {
        content_edit_->document()->setModified(false);
        return true;
    }
    notifier_.Notify(Warning(QStringLiteral("Cannot save ") + path + QStringLiteral(": ") + reason +
                             QStringLiteral("\nThe file on disk is unchanged.")));
    return false;
}

}  // namespace orvantis
