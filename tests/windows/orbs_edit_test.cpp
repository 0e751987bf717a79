// The orb file editor and the plain-text editor under it: what it shows and what Save writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
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

class OrbsEditTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("NATAL.ORB"));
        Write(path_, kOriginal);
    }
    void TearDown() override { delete editor_; }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    static inline const QByteArray kOriginal = "8      conjunction\r\n6      sextile\r\n";
    QTemporaryDir dir_;
    QString path_;
    RecordingNotifier notifier_;
    QPointer<OrbsEdit> editor_;
};

TEST_F(OrbsEditTest, OpensWithTheFileAndItsPathInTheCaption) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    ASSERT_TRUE(editor_);
    EXPECT_EQ(editor_->windowTitle(), "Edit: " + path_);
    EXPECT_EQ(editor_->txtContent()->toPlainText(), "8      conjunction\n6      sextile\n");
}

TEST_F(OrbsEditTest, SaveWritesCrLfLinesAndKeepsTheWindowOpen) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    ASSERT_TRUE(editor_);
    editor_->txtContent()->setPlainText("10     conjunction\n3      square");
    editor_->btnSave()->click();
    EXPECT_EQ(Read(path_), "10     conjunction\r\n3      square\r\n");
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_TRUE(notifier_.problems.empty());
}

// A second editor of the file would save over the first one's edits: the open one comes back.
TEST_F(OrbsEditTest, ReopeningBringsTheOpenEditorOfThatFileForward) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    editor_->txtContent()->setPlainText("9\n");
    EXPECT_EQ(OrbsEdit::Open(dir_.filePath(QStringLiteral("./NATAL.ORB")), notifier_), editor_);
    EXPECT_EQ(editor_->txtContent()->toPlainText(), "9\n");
    const QString other = dir_.filePath(QStringLiteral("WIDE.ORB"));
    Write(other, kOriginal);
    const QPointer<OrbsEdit> second = OrbsEdit::Open(other, notifier_);
    EXPECT_NE(second, editor_);
    delete second;
}

TEST_F(OrbsEditTest, QuitClosesWithoutSaving) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    editor_->txtContent()->setPlainText("0\n");
    editor_->btnQuit()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor_.isNull());
    EXPECT_EQ(Read(path_), kOriginal);
}

TEST_F(OrbsEditTest, AMissingFileIsReportedAndNoEditorOpens) {
    const QString missing = dir_.filePath(QStringLiteral("GONE.ORB"));
    EXPECT_EQ(OrbsEdit::Open(missing, notifier_), nullptr);
    EXPECT_EQ(notifier_.Texts(),
              std::vector<std::string>{missing.toStdString() + " File Not Found"});
}

TEST(MessageBoxNotifier, ShowsTitleTextAndIcon) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    MessageBoxNotifier notifier;
    notifier.Notify(Problem{"Warning!", "NATAL.ORB File Not Found", Icon::kExclamation});
    EXPECT_EQ(title, QStringLiteral("Warning!"));
    EXPECT_EQ(text, QStringLiteral("NATAL.ORB File Not Found"));
    EXPECT_EQ(icon, QMessageBox::Warning);
}

}  // namespace
}  // namespace orvantis
