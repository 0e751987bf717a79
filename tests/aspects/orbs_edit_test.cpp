// The orb file editor and the plain-text editor under it: what it shows, what Save writes, and
// that a failed save never costs the user the file on disk.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "recording_notifier.h"
#include "windows/message_box_notifier.h"
#include "windows/orbs_edit_window.h"

namespace orvantis {
namespace {

TEST(EditorText, ShowsEveryLineWithItsLineEnd) {
    EXPECT_EQ(EditorTextFromFile("8      conj\r\n6      sext\r\n"), "8      conj\n6      sext\n");
    EXPECT_EQ(EditorTextFromFile("8\n6\n"), "8\n6\n");            // LF-only files
    EXPECT_EQ(EditorTextFromFile("8\r\n6"), "8\n6\n");            // no final line end
    EXPECT_EQ(EditorTextFromFile("8\r\n\r\n6\r\n"), "8\n\n6\n");  // empty lines stay
    EXPECT_EQ(EditorTextFromFile(""), "");
}

TEST(EditorText, SavesCrLfLinesWithoutTheFinalLineEndOfTheText) {
    EXPECT_EQ(FileTextFromEditor("8\n6\n"), "8\r\n6\r\n");
    EXPECT_EQ(FileTextFromEditor("8\n6"), "8\r\n6\r\n");  // the last line is kept whole
    EXPECT_EQ(FileTextFromEditor("8\n\n"), "8\r\n\r\n");
    EXPECT_EQ(FileTextFromEditor(""), "");
    EXPECT_EQ(FileTextFromEditor("\n"), "\r\n");
}

TEST(EditorText, EightBitCharactersSurviveLoadAndSave) {
    const QByteArray bytes("7\xA0\xE9t\xE9\r\n");
    EXPECT_EQ(FileTextFromEditor(EditorTextFromFile(bytes)), bytes);
}

class OrbsEditTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("NATAL.ORB"));
        Write(path_, kOriginal);
    }
    void TearDown() override {
        if (editor_) delete editor_;
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    QStringList FolderEntries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
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
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(editor_->windowTitle(), "Edit: " + path_);
    EXPECT_EQ(editor_->txtContent()->toPlainText(), "8      conjunction\n6      sextile\n");
    EXPECT_EQ(editor_->btnSave()->text(), QStringLiteral("Save"));
    EXPECT_EQ(editor_->btnQuit()->text(), QStringLiteral("Quit"));
    EXPECT_TRUE(editor_->txtContent()->font().fixedPitch());
    EXPECT_EQ(editor_->txtContent()->font().pointSize(), 9);
}

TEST_F(OrbsEditTest, SavingUnchangedRewritesTheSameBytes) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    editor_->btnSave()->click();
    EXPECT_EQ(Read(path_), kOriginal);
    EXPECT_TRUE(notifier_.problems.empty());
    EXPECT_TRUE(editor_->isVisible());  // Save keeps the window open
}

TEST_F(OrbsEditTest, SavesEditedTextWithCrLfLineEnds) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    editor_->txtContent()->setPlainText("10     conjunction\n5      sextile\n3      square");
    editor_->btnSave()->click();
    EXPECT_EQ(Read(path_), "10     conjunction\r\n5      sextile\r\n3      square\r\n");
}

TEST_F(OrbsEditTest, AnEmptiedEditorSavesAnEmptyFile) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    editor_->txtContent()->clear();
    editor_->btnSave()->click();
    EXPECT_TRUE(notifier_.problems.empty());
    EXPECT_TRUE(QFile::exists(path_));
    EXPECT_EQ(Read(path_), QByteArray());
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
    ASSERT_EQ(notifier_.problems.size(), 1u);
    EXPECT_EQ(notifier_.problems[0].title, "Warning!");
    EXPECT_EQ(notifier_.problems[0].text, missing.toStdString() + " File Not Found");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(qobject_cast<OrbsEdit*>(w) && w->isVisible());
    }
}

TEST_F(OrbsEditTest, AFolderInPlaceOfTheFileIsReportedAtLoad) {
    const QString folder = dir_.filePath(QStringLiteral("FOLDER.ORB"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(OrbsEdit::Open(folder, notifier_), nullptr);
    ASSERT_EQ(notifier_.problems.size(), 1u);
    EXPECT_NE(notifier_.problems[0].text.find("Cannot Be Read"), std::string::npos);
}

// Saving when the file has been replaced by a folder: the rename over it fails, the folder and
// its content stay, no temporary file is left, and the text stays in the open editor.
TEST_F(OrbsEditTest, AFailedSaveKeepsTheOriginalAndTheText) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    ASSERT_TRUE(QFile::remove(path_));
    ASSERT_TRUE(QDir().mkdir(path_));
    Write(path_ + "/inside", "keep");
    const QStringList before = FolderEntries();
    editor_->txtContent()->setPlainText("1\n2\n");

    editor_->btnSave()->click();

    ASSERT_EQ(notifier_.problems.size(), 1u);
    EXPECT_EQ(notifier_.problems[0].title, "Warning!");
    EXPECT_EQ(notifier_.problems[0].icon, Icon::kExclamation);
    EXPECT_NE(notifier_.problems[0].text.find(path_.toStdString()), std::string::npos);
    EXPECT_EQ(Read(path_ + "/inside"), "keep");
    EXPECT_EQ(FolderEntries(), before);
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_EQ(editor_->txtContent()->toPlainText(), "1\n2\n");
}

// A disk that fills up while the new text is written: the file size limit of the process stands
// in for it (it applies to root as well). The original must stay whole.
TEST_F(OrbsEditTest, ADiskFullDuringSaveLeavesTheOriginalWhole) {
    editor_ = OrbsEdit::Open(path_, notifier_);
    editor_->txtContent()->setPlainText(QString(4096, QLatin1Char('9')) + "\n");

    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    editor_->btnSave()->click();
    setrlimit(RLIMIT_FSIZE, &old_limit);
    sigaction(SIGXFSZ, &previous, nullptr);

    EXPECT_EQ(Read(path_), kOriginal);
    EXPECT_EQ(FolderEntries(), QStringList{"NATAL.ORB"});
    ASSERT_EQ(notifier_.problems.size(), 1u);
    EXPECT_NE(notifier_.problems[0].text.find("unchanged"), std::string::npos);
    EXPECT_TRUE(editor_->isVisible());
}

TEST_F(OrbsEditTest, AReadOnlyFolderRefusesTheSaveAndKeepsTheOriginal) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    editor_ = OrbsEdit::Open(path_, notifier_);
    editor_->txtContent()->setPlainText("1\n");
    const QFile::Permissions permissions = QFile::permissions(dir_.path());
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    editor_->btnSave()->click();
    QFile::setPermissions(dir_.path(), permissions);
    EXPECT_EQ(Read(path_), kOriginal);
    EXPECT_EQ(notifier_.problems.size(), 1u);
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
