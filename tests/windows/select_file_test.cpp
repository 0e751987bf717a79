// The file chooser: path joining, the case-blind "*.ORB" list, the folder and volume lists, and
// what Select, a double click and Cancel hand back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <utility>

#include "recording_notifier.h"
#include "support/window_helpers.h"
#include "windows/select_file_window.h"

namespace orvantis {
namespace {

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
