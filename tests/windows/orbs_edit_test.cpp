// The orb file editor and the plain-text editor under it: what it shows and what Save writes; the
// message box that shows every problem.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "recording_notifier.h"
#include "support/window_helpers.h"
#include "windows/message_box_notifier.h"
#include "windows/orbs_edit_window.h"

namespace orvantis {
namespace {

TEST(EditorText, LineEndsBetweenFileAndEditor) {
    const std::pair<QByteArray, QString> loads[] = {
        {"8      conj\r\n6      sext\r\n", "8      conj\n6      sext\n"},
        {"8\n6\n", "8\n6\n"},             // LF-only files
        {"8\r\n6", "8\n6\n"},             // no final line end
        {"8\r\n\r\n6\r\n", "8\n\n6\n"}};  // empty lines stay
    for (const auto& [file, text] : loads) EXPECT_EQ(EditorTextFromFile(file), text) << file.data();
    const std::pair<QString, QByteArray> saves[] = {{"8\n6\n", "8\r\n6\r\n"},
                                                    {"8\n6", "8\r\n6\r\n"},  // last line kept whole
                                                    {"", ""},
                                                    {"\n", "\r\n"}};
    for (const auto& [text, file] : saves)
        EXPECT_EQ(FileTextFromEditor(text), file) << text.toStdString();
    const QByteArray eight_bit("7\xA0\xE9t\xE9\r\n");
    EXPECT_EQ(FileTextFromEditor(EditorTextFromFile(eight_bit)), eight_bit);
}

// One editor per file (a second would save over the first one's edits); Save writes CR LF lines
// and keeps the window open, Quit closes without saving.
TEST(OrbsEdit, EditsTheFileInOneWindowAndSavesOnlyOnSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("NATAL.ORB");
    ASSERT_TRUE(WriteBytes(path, "8      conjunction\r\n6      sextile\r\n"));
    RecordingNotifier notifier;
    QPointer<OrbsEdit> editor = OrbsEdit::Open(path, notifier);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->windowTitle(), "Edit: " + path);
    EXPECT_EQ(editor->txtContent()->toPlainText(), "8      conjunction\n6      sextile\n");
    editor->txtContent()->setPlainText("10     conjunction\n3      square");
    EXPECT_EQ(OrbsEdit::Open(dir.filePath("./NATAL.ORB"), notifier), editor);
    editor->btnSave()->click();
    EXPECT_EQ(ReadBytes(path), "10     conjunction\r\n3      square\r\n");
    EXPECT_TRUE(editor->isVisible());
    ASSERT_TRUE(WriteBytes(dir.filePath("WIDE.ORB"), "8\r\n"));
    const QPointer<OrbsEdit> second = OrbsEdit::Open(dir.filePath("WIDE.ORB"), notifier);
    EXPECT_NE(second, editor);
    delete second;
    editor->txtContent()->setPlainText("0\n");
    editor->btnQuit()->click();
    DeleteClosedWindows();
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(ReadBytes(path), "10     conjunction\r\n3      square\r\n");
    const QString missing = dir.filePath("GONE.ORB");
    EXPECT_EQ(OrbsEdit::Open(missing, notifier), nullptr);
    EXPECT_EQ(notifier.Texts(),
              std::vector<std::string>{missing.toStdString() + " File Not Found"});
}

TEST(MessageBoxNotifier, ShowsTitleTextAndIcon) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        std::tie(title, text, icon) = std::tuple(box->windowTitle(), box->text(), box->icon());
        box->accept();
    });
    MessageBoxNotifier().Notify(
        Problem{"Warning!", "NATAL.ORB File Not Found", Icon::kExclamation});
    EXPECT_EQ(title, QStringLiteral("Warning!"));
    EXPECT_EQ(text, QStringLiteral("NATAL.ORB File Not Found"));
    EXPECT_EQ(icon, QMessageBox::Warning);
}

}  // namespace
}  // namespace orvantis
