// Which folders the program reads and writes, and the first start of a user, in temporary folders.
#include "files/data_folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "files/whole_file.h"

namespace orvantis {
namespace {

class DataFoldersTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return root_.filePath(name); }
    // A folder holding the shipped files, as a build folder or share/orvantis does.
    QString Shipped(const QString& name) const {
        QDir().mkpath(Path(name));
        for (const char* file : {"OPTIONS.MAS", "NATAL.ORB", "ORVANTIS.HLP"})
            EXPECT_TRUE(WriteFileWhole(Path(name) + '/' + file, QByteArray("shipped ") + file));
        return Path(name);
    }
    static std::string Text(const QString& path) { return ReadFileWhole(path).value_or("(none)"); }

    QTemporaryDir root_;
};

TEST_F(DataFoldersTest, ChoosesTheProgramFolderOnlyWhenItHoldsTheFilesAndMayBeWritten) {
    const QString build = Shipped("build"), share = Shipped("prefix/share/orvantis");
    const QString bin = Path("prefix/bin"), config = Path("home/.config/orvantis");
    QDir().mkpath(bin);
    const auto chosen = [&](const QString& program) {
        const DataFolders f = ChooseDataFolders(program, {Path("nowhere"), share}, config);
        return std::make_pair(f.settings, f.shipped);
    };
    EXPECT_EQ(chosen(build), std::make_pair(build, build));
    EXPECT_EQ(chosen(bin), std::make_pair(config, share));
    EXPECT_EQ(ChooseDataFolders(bin, {}, config).shipped, bin);  // missing files name it

    QFile::setPermissions(build, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(build).isWritable()) {  // root may write anywhere
        EXPECT_EQ(chosen(build), std::make_pair(config, build));
    }
    QFile::setPermissions(build, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(DataFoldersTest, FirstStartSeedsTheUsersFilesAndLaterStartsKeepThem) {
    const DataFolders folders{Path("home/.config/orvantis"), Shipped("share")};
    QFile::setPermissions(folders.shipped + "/OPTIONS.MAS", QFile::ReadOwner | QFile::ReadOther);
    ASSERT_EQ(SeedSettings(folders), std::nullopt);
    EXPECT_EQ(Text(folders.settings + "/OPTIONS.OPT"), "shipped OPTIONS.MAS");
    EXPECT_EQ(Text(folders.settings + "/NATAL.ORB"), "shipped NATAL.ORB");
    EXPECT_TRUE(QFileInfo(folders.settings + "/OPTIONS.OPT").permissions() & QFile::WriteOwner);
    EXPECT_FALSE(QFileInfo::exists(folders.settings + "/ORVANTIS.HLP"));  // read from shipped
    EXPECT_FALSE(QFileInfo::exists(folders.settings + "/ORVANTIS.INI"));  // none shipped

    ASSERT_TRUE(WriteFileWhole(folders.settings + "/OPTIONS.OPT", "mine"));
    QFile::remove(folders.settings + "/NATAL.ORB");
    ASSERT_EQ(SeedSettings(folders), std::nullopt);
    EXPECT_EQ(Text(folders.settings + "/OPTIONS.OPT"), "mine");
    EXPECT_EQ(Text(folders.settings + "/NATAL.ORB"), "shipped NATAL.ORB");

    // A settings folder that cannot be made (a file stands in its way) is reported.
    ASSERT_TRUE(WriteFileWhole(Path("file"), ""));
    const auto problem = SeedSettings({Path("file/orvantis"), folders.shipped});
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->text.find("file/orvantis"), std::string::npos);
}

}  // namespace
}  // namespace orvantis
