// The orb files' windows: the aspect list for a known chart, the orb file editor and the
// plain-text editor under it, the file chooser, and the message box that shows every problem.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "aspects/aspect_kind.h"
#include "recording_notifier.h"
#include "support/chart_fixture.h"
#include "support/window_helpers.h"
#include "wheel/qpainter_surface.h"
#include "windows/aspect_window.h"
#include "windows/message_box_notifier.h"
#include "windows/orbs_edit_window.h"
#include "windows/select_file_window.h"

namespace orvantis {
namespace {

// One line of the list: the two body glyphs with the aspect glyph between them.
QString Line(int first, int kind, int second) {
    return GlyphFontText("  " + BodyGlyph(first) + " " + AspectGlyph(kind) + " " +
                         BodyGlyph(second));
}

TEST(AspectWindow, ListsEachAspectTwiceInTheGlyphFontAndDeletesItselfWhenClosed) {
    QTemporaryDir dir;
    const QString orb_file = dir.filePath("TEST.ORB");
    ASSERT_TRUE(WriteBytes(orb_file, "0\r\n0\r\n"));
    RecordingNotifier notifier;
    OrbValues orbs{};
    QPointer<AspectWindow> window = AspectWindow::Open(KnownChart(), orb_file, orbs, notifier);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->Text1()->isReadOnly());
    const QStringList expected{
        Line(kSun, 5, kMoon),          Line(kSun, 3, kMercury),       Line(kMoon, 5, kSun),
        Line(kMoon, 3, kMercury),      Line(kMercury, 3, kSun),       Line(kMercury, 3, kMoon),
        Line(kNode, 6, kOppositeNode), Line(kOppositeNode, 6, kNode),
    };
    EXPECT_EQ(window->Text1()->toPlainText(), expected.join('\n'));
    EXPECT_TRUE(notifier.problems.empty());
    EXPECT_EQ(window->Text1()->font().family(), QStringLiteral("QUERNA"));
    window->close();
    DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
}

TEST(AspectWindow, AMissingOrbFileWarnsAndKeepsThePreviousOrbs) {
    QTemporaryDir dir;
    RecordingNotifier notifier;
    OrbValues orbs{};
    orbs[4] = 30;  // a trine orb of 30 makes Sun–Moon a trine and more
    const QString missing = dir.filePath(QStringLiteral("GONE.ORB"));
    QPointer<AspectWindow> window = AspectWindow::Open(KnownChart(), missing, orbs, notifier);
    ASSERT_EQ(notifier.problems.size(), 1u);
    EXPECT_NE(notifier.problems[0].text.find(missing.toStdString()), std::string::npos);
    EXPECT_FLOAT_EQ(orbs[4], 30.0f);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->Text1()->toPlainText().contains(Line(kSun, 5, kMoon)));
    delete window;
}

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

TEST(JoinFolderAndFile, AddsOneSeparatorAndNoSecondAtTheRoot) {
    EXPECT_EQ(JoinFolderAndFile("/home/ann/charts", "NATAL.ORB"), "/home/ann/charts/NATAL.ORB");
    EXPECT_EQ(JoinFolderAndFile("/home/ann/charts/", "NATAL.ORB"), "/home/ann/charts/NATAL.ORB");
    EXPECT_EQ(JoinFolderAndFile("/", "NATAL.ORB"), "/NATAL.ORB");
}

// A bare root or a container may have no mount table: the root folder and home stay offered.
TEST(VolumeRoots, AlwaysOfferTheRootAndHomeOnceAndPickTheDeepestHolder) {
    EXPECT_EQ(VolumeRoots({}, "/home/ann"), (QStringList{"/", "/home/ann"}));
    const QStringList roots = VolumeRoots({"/", "/media/usb/", "/home"}, "/home/ann");
    EXPECT_EQ(roots, (QStringList{"/", "/media/usb", "/home", "/home/ann"}));
    const std::pair<const char*, int> cases[] = {
        {"/home/ann/charts", 3}, {"/home/annex", 2}, {"/media/usb", 1}, {"/etc", 0}};
    for (const auto& [folder, index] : cases) EXPECT_EQ(VolumeOf(roots, folder), index) << folder;
}

class SelectFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("more/deeper")));
        for (const char* name : {"NATAL.ORB", "tight.orb", "Wide.Orb", "OPTIONS.OPT", "old.ORB.bak",
                                 "NATALORB", "more/OTHER.ORB"})
            ASSERT_TRUE(WriteBytes(dir_.filePath(name), "8\r\n"));
    }
    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }
    QTemporaryDir dir_;
};

// The pattern matches the whole name whatever its case. A name not listed, or listed only as its
// last characters, leaves the first entry selected.
TEST_F(SelectFileTest, ListsAndPreselectsOrbFilesWhateverTheirCase) {
    FileChooserWindow chooser(dir_.path(), QStringLiteral("*.ORB"));
    EXPECT_EQ(Items(chooser.filList()), (QStringList{"NATAL.ORB", "tight.orb", "Wide.Orb"}));
    chooser.show();  // both lists wide enough for their longest entry
    for (const QListWidget* list : {chooser.filList(), chooser.dirList()})
        EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0))
            << list->objectName().toStdString();
    for (const auto& [name, row] : {std::pair{"WIDE.ORB", 2}, {"ELSEWHERE.ORB", 0}}) {
        chooser.PreselectFile(dir_.filePath(QString::fromLatin1(name)));
        EXPECT_EQ(chooser.filList()->currentRow(), row) << name;
    }
}

// Select and a double click hand back the folder and the chosen name, Select without a file what
// the caller put there, Cancel nothing; each closes the window.
TEST_F(SelectFileTest, WhatEachWayOutHandsBack) {
    const QString before = QStringLiteral("/before/NATAL.ORB");
    const std::pair<std::function<void(FileChooserWindow&)>, QString> cases[] = {
        {[](auto& c) { c.filList()->setCurrentRow(1), c.cmdSelect()->click(); },
         dir_.filePath(QStringLiteral("tight.orb"))},
        {[](auto& c) { c.filList()->clearSelection(), c.cmdSelect()->click(); }, before},
        {[](auto& c) {
             c.filList()->setCurrentRow(2);
             emit c.filList()->itemDoubleClicked(c.filList()->item(2));
         },
         dir_.filePath(QStringLiteral("Wide.Orb"))},
        {[](auto& c) { c.cmdCancel()->click(); }, QString()},
    };
    for (const auto& [leave, handed_back] : cases) {
        FileChooserWindow chooser(dir_.path(), QStringLiteral("*.ORB"));
        chooser.SetSelectedFileName(before);
        chooser.show();
        leave(chooser);
        EXPECT_EQ(chooser.SelectedFileName(), handed_back);
        EXPECT_FALSE(chooser.isVisible()) << handed_back.toStdString();
    }
}

// From the root down to the folder, then its subfolders; the parent's entry goes back up, and
// the volume list changes the folder too.
TEST_F(SelectFileTest, TheFolderAndVolumeListsChangeTheFolder) {
    FileChooserWindow chooser(dir_.path(), QStringLiteral("*.ORB"));
    QListWidget* folders = chooser.dirList();
    EXPECT_EQ(folders->item(0)->text(), QStringLiteral("/"));
    EXPECT_EQ(folders->currentItem()->text().trimmed(), QDir(dir_.path()).dirName());
    const auto found = folders->findItems(QStringLiteral("more"), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit folders->itemActivated(found.front());
    EXPECT_EQ(chooser.Folder(), dir_.filePath(QStringLiteral("more")));
    EXPECT_EQ(Items(chooser.filList()), QStringList{"OTHER.ORB"});
    emit folders->itemActivated(folders->item(folders->currentRow() - 1));
    EXPECT_EQ(chooser.Folder(), QDir(dir_.path()).absolutePath());
    QComboBox* volumes = chooser.drvList();
    ASSERT_GE(volumes->findText(QDir::homePath()), 0);
    emit volumes->activated(volumes->findText(QStringLiteral("/")));
    EXPECT_EQ(chooser.Folder(), QStringLiteral("/"));
}

// The chooser opens on the current orb file's folder; an empty path stands for NATAL.ORB in the
// program's folder, and a missing one is reported before anything opens.
TEST_F(SelectFileTest, SelectNewOrbFileStartsFromTheCurrentOrbFile) {
    RecordingNotifier notifier;
    QString shown_folder;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<FileChooserWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        shown_folder = chooser->Folder();
        chooser->cmdSelect()->click();
    });
    const QString current = dir_.filePath(QStringLiteral("tight.orb"));
    EXPECT_EQ(SelectNewOrbFile(QStringLiteral("/nowhere"), current, notifier, nullptr), current);
    EXPECT_EQ(shown_folder, QDir(dir_.path()).absolutePath());
    EXPECT_TRUE(notifier.problems.empty());
    EXPECT_EQ(SelectNewOrbFile(dir_.filePath(QStringLiteral("more")), QString(), notifier), "");
    ASSERT_EQ(notifier.problems.size(), 1u);
    EXPECT_NE(notifier.problems[0].text.find("more/NATAL.ORB"), std::string::npos);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace orvantis
