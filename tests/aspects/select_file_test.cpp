// The file chooser: path joining, the case-blind "*.ORB" list, the folder and volume lists, and
// what Select, a double click and Cancel hand back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "recording_notifier.h"
#include "windows/select_file_window.h"

namespace orvantis {
namespace {

TEST(JoinFolderAndFile, AddsOneSeparatorAndNoSecondAtTheRoot) {
    EXPECT_EQ(JoinFolderAndFile("/home/ann/charts", "NATAL.ORB"), "/home/ann/charts/NATAL.ORB");
    EXPECT_EQ(JoinFolderAndFile("/home/ann/charts/", "NATAL.ORB"), "/home/ann/charts/NATAL.ORB");
    EXPECT_EQ(JoinFolderAndFile("/", "NATAL.ORB"), "/NATAL.ORB");
}

TEST(MatchesFilePattern, IgnoresCaseAndMatchesTheWholeName) {
    EXPECT_TRUE(MatchesFilePattern("NATAL.ORB", "*.ORB"));
    EXPECT_TRUE(MatchesFilePattern("tight.orb", "*.ORB"));
    EXPECT_TRUE(MatchesFilePattern("Wide.Orb", "*.ORB"));
    EXPECT_FALSE(MatchesFilePattern("NATAL.ORB.bak", "*.ORB"));
    EXPECT_FALSE(MatchesFilePattern("NATALORB", "*.ORB"));
    EXPECT_FALSE(MatchesFilePattern("OPTIONS.OPT", "*.ORB"));
}

class SelectFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name :
             {"NATAL.ORB", "tight.orb", "Wide.Orb", "OPTIONS.OPT", "old.ORB.bak"})
            Touch(dir_.filePath(name));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("more/deeper")));
        Touch(dir_.filePath(QStringLiteral("more/OTHER.ORB")));
    }
    static void Touch(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("8\r\n");
    }
    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }
    QTemporaryDir dir_;
};

TEST_F(SelectFileTest, ListsTheOrbFilesWhateverTheirCase) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Select a File"));
    EXPECT_EQ(Items(chooser.filList()), (QStringList{"NATAL.ORB", "tight.orb", "Wide.Orb"}));
    EXPECT_TRUE(chooser.cmdSelect()->isDefault());
}

TEST_F(SelectFileTest, PreselectsTheCurrentOrbFileIgnoringCase) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    chooser.PreselectFile(dir_.filePath(QStringLiteral("WIDE.ORB")));
    ASSERT_NE(chooser.filList()->currentItem(), nullptr);
    EXPECT_EQ(chooser.filList()->currentItem()->text(), QStringLiteral("Wide.Orb"));
    // A name that is not listed leaves the first entry selected.
    chooser.PreselectFile(dir_.filePath(QStringLiteral("ELSEWHERE.ORB")));
    EXPECT_EQ(chooser.filList()->currentItem()->text(), QStringLiteral("NATAL.ORB"));
    // Only the whole name counts, not its last characters.
    chooser.PreselectFile(dir_.filePath(QStringLiteral("XNATAL.ORB")));
    EXPECT_EQ(chooser.filList()->currentRow(), 0);
}

TEST_F(SelectFileTest, SelectHandsBackTheFolderAndTheChosenName) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    chooser.SetSelectedFileName(QStringLiteral("/before/NATAL.ORB"));
    chooser.filList()->setCurrentRow(1);
    chooser.cmdSelect()->click();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.SelectedFileName(), dir_.filePath(QStringLiteral("tight.orb")));
}

TEST_F(SelectFileTest, SelectWithoutAFileKeepsWhatTheCallerPutThere) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    chooser.SetSelectedFileName(QStringLiteral("/before/NATAL.ORB"));
    chooser.filList()->clearSelection();
    chooser.cmdSelect()->click();
    EXPECT_EQ(chooser.SelectedFileName(), QStringLiteral("/before/NATAL.ORB"));
}

TEST_F(SelectFileTest, ADoubleClickOnAFileSelectsIt) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    chooser.show();
    QListWidget* list = chooser.filList();
    list->setCurrentRow(2);
    emit list->itemDoubleClicked(list->item(2));
    EXPECT_EQ(chooser.SelectedFileName(), dir_.filePath(QStringLiteral("Wide.Orb")));
    EXPECT_FALSE(chooser.isVisible());
}

TEST_F(SelectFileTest, CancelAndClosingHandBackNothing) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    chooser.SetSelectedFileName(QStringLiteral("/before/NATAL.ORB"));
    chooser.cmdCancel()->click();
    EXPECT_EQ(chooser.SelectedFileName(), QString());
    SelectFIle closed(dir_.path(), QStringLiteral("*.ORB"));
    closed.SetSelectedFileName(QStringLiteral("/before/NATAL.ORB"));
    closed.show();
    closed.close();
    EXPECT_EQ(closed.SelectedFileName(), QString());
}

TEST_F(SelectFileTest, TheFolderListOpensSubfoldersAndParents) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    QListWidget* folders = chooser.dirList();
    // From the root down to the folder, then its subfolders.
    EXPECT_EQ(folders->item(0)->text(), QStringLiteral("/"));
    EXPECT_EQ(folders->currentItem()->text().trimmed(), QDir(dir_.path()).dirName());
    const auto found = folders->findItems(QStringLiteral("more"), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit folders->itemActivated(found.front());
    EXPECT_EQ(chooser.Folder(), dir_.filePath(QStringLiteral("more")));
    EXPECT_EQ(Items(chooser.filList()), QStringList{"OTHER.ORB"});
    // The entry of the parent folder goes back up.
    emit folders->itemActivated(folders->item(folders->currentRow() - 1));
    EXPECT_EQ(chooser.Folder(), QDir(dir_.path()).absolutePath());
}

TEST_F(SelectFileTest, TheVolumeListShowsTheMountedVolumesAndChangesTheFolder) {
    SelectFIle chooser(dir_.path(), QStringLiteral("*.ORB"));
    QComboBox* volumes = chooser.drvList();
    ASSERT_GT(volumes->count(), 0);
    EXPECT_EQ(volumes->currentText(), QStorageInfo(dir_.path()).rootPath());
    emit volumes->activated(volumes->currentIndex());
    EXPECT_EQ(chooser.Folder(), QDir::cleanPath(QStorageInfo(dir_.path()).rootPath()));
}

TEST_F(SelectFileTest, SelectNewOrbFileRunsTheChooserOnTheCurrentOrbFile) {
    RecordingNotifier notifier;
    QString shown_folder;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<SelectFIle*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        shown_folder = chooser->Folder();
        chooser->cmdSelect()->click();
    });
    const QString current = dir_.filePath(QStringLiteral("tight.orb"));
    EXPECT_EQ(SelectNewOrbFile(QStringLiteral("/nowhere"), current, notifier, nullptr), current);
    EXPECT_EQ(shown_folder, QDir(dir_.path()).absolutePath());
    EXPECT_TRUE(notifier.problems.empty());
}

TEST_F(SelectFileTest, SelectNewOrbFileWithTheOrbFileMissingWarnsAndOpensNothing) {
    RecordingNotifier notifier;
    // An empty orb file path stands for NATAL.ORB in the program's folder.
    EXPECT_EQ(SelectNewOrbFile(dir_.filePath(QStringLiteral("more")), QString(), notifier), "");
    ASSERT_EQ(notifier.problems.size(), 1u);
    EXPECT_EQ(notifier.problems[0].title, "Warning!");
    EXPECT_EQ(notifier.problems[0].icon, Icon::kExclamation);
    EXPECT_NE(notifier.problems[0].text.find("more/NATAL.ORB"), std::string::npos);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace orvantis
