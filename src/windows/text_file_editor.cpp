#include "windows/text_file_editor.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

#include "chart/problem.h"

namespace orvantis {
namespace {

// The editors' window and text box as designed (9480 × 6795 and 240 twips margins, at 15 twips
// a pixel).
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
    content_edit_->setObjectName(QStringLiteral("txtContent"));
    content_edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    content_edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    content_edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

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

QPushButton* TextFileEditor::AddButton(const QString& caption) {
    auto* button = new QPushButton(caption, this);
    buttons_->addWidget(button);
    return button;
}

bool TextFileEditor::LoadFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        const QString what = QFileInfo::exists(path)
                                 ? QStringLiteral(" File Cannot Be Read: ") + file.errorString()
                                 : QStringLiteral(" File Not Found");
        notifier_.Notify(Warning(path + what));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        notifier_.Notify(
            Warning(path + QStringLiteral(" File Cannot Be Read: ") + file.errorString()));
        return false;
    }
    content_edit_->setPlainText(EditorTextFromFile(bytes));
    return true;
}

bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* reason) {
    QSaveFile file(path);
    QString why;
    bool ok = file.open(QIODevice::WriteOnly);
    if (!ok) {
        why = file.errorString();
    } else {
        // The buffer is flushed here, not left to commit(): commit() of this Qt renames the
        // temporary file over the original even when that last flush fails (a full disk), which
        // would leave a cut-off file. After a cancelled write commit() only removes the
        // temporary file.
        errno = 0;
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            // The file device says "Unknown error" for a short write; the system says why.
            why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
            file.cancelWriting();
        }
        ok = file.commit();
        if (!ok && why.isEmpty()) why = file.errorString();
    }
    if (reason != nullptr) *reason = why;
    return ok;
}

bool TextFileEditor::SaveFile(const QString& path) {
    QString reason;
    if (WriteFileWhole(path, FileTextFromEditor(EditorText()), &reason)) return true;
    notifier_.Notify(Warning(QStringLiteral("Cannot save ") + path + QStringLiteral(": ") + reason +
                             QStringLiteral("\nThe file on disk is unchanged.")));
    return false;
}

}  // namespace orvantis
