// The options editor, the help viewer and texts, and the About window, driven as the user drives
// them, in temporary folders. Save faults of both editors are in save_faults_test.cpp.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "chart/chart_driver.h"
#include "recording_notifier.h"
#include "settings/option_lines.h"
#include "settings/options_file.h"
#include "shell/menu_table.h"
#include "support/window_helpers.h"
#include "windows/about_window.h"
#include "windows/help_window.h"
#include "windows/options_window.h"

namespace orvantis {
namespace {

const QString kDataDir = QStringLiteral(ORVANTIS_DATA_DIR);

// An options file of 123 lines, CR LF ended, zodiac on line 123 and every other line its own
// number, so a misplaced line shows.
QByteArray OptionsText(int zodiac) {
    QByteArray text;
    for (int n = 1; n <= 123; ++n)
        text += QByteArray::number(n == 123 ? zodiac : n).leftJustified(7, ' ') + "option " +
                QByteArray::number(n) + "\r\n";
    return text;
}

class OptionsEditorTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(WriteBytes(Path("OPTIONS.OPT"), OptionsText(0)));
        ASSERT_TRUE(QDir(dir_.path()).mkdir("share"));  // installed, the master is shipped apart
        ASSERT_TRUE(WriteBytes(Path("share/OPTIONS.MAS"), OptionsText(2)));
        ASSERT_EQ(ReadOptionsFile(OptionsText(0).toStdString(), options_).lines_read, 123);
        options_[130] = 42;  // beyond the file: a re-read must leave it alone
        caption_prefix_ = BuildCaptionPrefix(owner_, options_);
    }
    void TearDown() override { delete editor_.data(); }

    QString Path(const char* name) const { return dir_.path() + "/" + name; }
    OptionsEditor* Open() {
        return OptionsEditor::Open(editor_, dir_.path(), Path("share"), options_, caption_prefix_,
                                   owner_, notifier_);
    }

    QTemporaryDir dir_;
    OptionValues options_{};
    std::string owner_ = "Ada";
    std::string caption_prefix_;
    RecordingNotifier notifier_;
    QPointer<OptionsEditor> editor_;
};

TEST_F(OptionsEditorTest, SaveRereadsTheOptionsAndRebuildsTheCaptionPrefix) {
    OptionsEditor* editor = Open();
    ASSERT_NE(editor, nullptr);
    int saved_signals = 0;
    QObject::connect(editor, &OptionsEditor::OptionsSaved, [&] { ++saved_signals; });
    EXPECT_EQ(caption_prefix_, "Ada Orvantis (Tropical zodiac) - ");
    QString text = editor->EditorText();
    text.replace("0      option 123", "1      option 123");
    text.replace("18     option 18", "-3.5   option 18");
    editor->txtContent()->setPlainText(text);
    EXPECT_TRUE(editor->Save());
    EXPECT_EQ(options_[123], 1.0f);
    EXPECT_EQ(options_[18], -3.5f);
    EXPECT_EQ(options_[130], 42.0f);  // not in the file: keeps its value
    EXPECT_EQ(caption_prefix_, "Ada Orvantis (Sidereal zodiac - SVP) - ");
    EXPECT_EQ(saved_signals, 1);
    EXPECT_TRUE(ReadBytes(Path("OPTIONS.OPT")).endsWith("1      option 123\r\n"));
}

// Without the master, Restore changes nothing. With it, Restore then Quit leaves the restored
// file while the running values stay until a Save or the next start.
TEST_F(OptionsEditorTest, RestoreCopiesTheMasterAndLeavesTheRunningValues) {
    const OptionValues before = options_;
    const std::string prefix_before = caption_prefix_;
    ASSERT_TRUE(QFile::rename(Path("share/OPTIONS.MAS"), Path("OPTIONS.MAS.away")));
    OptionsEditor* editor = Open();
    ASSERT_NE(editor, nullptr);
    editor->txtContent()->setPlainText("half typed\n");
    EXPECT_FALSE(editor->RestoreDefaultSettings());
    EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{kRestoreFailed});
    EXPECT_EQ(ReadBytes(Path("OPTIONS.OPT")), OptionsText(0));
    EXPECT_EQ(editor->EditorText(), "half typed\n");
    ASSERT_TRUE(QFile::rename(Path("OPTIONS.MAS.away"), Path("share/OPTIONS.MAS")));
    editor->cmdRestoreDefault()->click();
    EXPECT_EQ(editor->EditorText(), QString::fromLatin1(OptionsText(2)).replace("\r\n", "\n"));
    editor->btnQuit()->click();
    DeleteClosedWindows();
    EXPECT_EQ(ReadBytes(Path("OPTIONS.OPT")), OptionsText(2));
    EXPECT_EQ(options_, before);
    EXPECT_EQ(caption_prefix_, prefix_before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"OPTIONS.OPT", "share"}));
    EXPECT_EQ(notifier_.problems.size(), 1u);
}

TEST(HelpTextFromFile, EndsEveryLineOnceAndKeepsEveryOtherByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"one\r\ntwo\r\n", "one\ntwo\n"},
        {"one\ntwo", "one\ntwo\n"},
        {"a\rb\r\n", "a\rb\n"},
        {"tab\there \xe9\xff", "tab\there \xe9\xff\n"},
        {std::string("nul\0byte", 8), std::string("nul\0byte\n", 9)},
    };
    for (const auto& [file, shown] : cases) EXPECT_EQ(HelpTextFromFile(file), shown) << file;
}

// One viewer at a time: another file replaces it, a missing one closes it and says so.
TEST(HelpViewer, ShowsOneFileReadOnlyUnderItsName) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("HINTS.HLP"), "First line\r\n\r\nThird\r\n"));
    ASSERT_TRUE(WriteBytes(dir.filePath("ABOUT.HLP"), "About\r\n"));
    RecordingNotifier notifier;
    QPointer<HelpWindow> viewer;
    const auto show = [&](const char* name) {
        return QPointer(HelpWindow::ShowHelpFile(viewer, dir.path(), name, notifier));
    };
    const QPointer<HelpWindow> first = show("HINTS.HLP");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "HINTS.HLP");
    EXPECT_EQ(first->Text1()->toPlainText(), "First line\n\nThird\n");
    EXPECT_TRUE(first->Text1()->isReadOnly());
    const QPointer<HelpWindow> second = show("ABOUT.HLP");
    DeleteClosedWindows();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(show("SELECT.HLP"), nullptr);
    DeleteClosedWindows();
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(notifier.Texts(), std::vector<std::string>{"SELECT.HLP Help File Not Found"});
}

std::string HelpText(const QString& name) {
    return ReadBytes(kDataDir + "/" + name).toStdString();
}

std::vector<std::string> HelpLines(const QString& name) {
    const QString text = QString::fromStdString(HelpTextFromFile(HelpText(name)));
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
    return lines;
}

// SHORTCUT.HLP lists every shortcut at the start of a line beside its command; ORVANTIS.HLP names
// every command with its shortcut.
TEST(HelpTexts, ShortcutKeysAndWindowHelpFollowTheMenus) {
    const auto lines = HelpLines("SHORTCUT.HLP");
    const std::string window_help = HelpText("ORVANTIS.HLP");
    const auto check = [&](const char* menu_caption, QKeyCombination shortcut) {
        const std::string caption = QString(menu_caption).remove('&').toStdString();
        const std::string key =
            shortcut == kNoShortcut ? "" : QKeySequence(shortcut).toString().toStdString();
        EXPECT_NE(window_help.find(key.empty() ? caption : caption + " (" + key + ")"),
                  std::string::npos)
            << caption;
        if (key.empty()) return;
        const bool listed = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            const auto start = line.find_first_not_of(' ');  // "F9 " is not "Shift+F9 "
            return start != std::string::npos &&
                   line.compare(start, key.size() + 1, key + " ") == 0 &&
                   line.find(caption) != std::string::npos;
        });
        EXPECT_TRUE(listed) << key << " " << caption;
    };
    for (const MenuBarEntry& entry : MenuBarTable()) {
        check(entry.caption, kNoShortcut);
        for (const MenuCommand& c : entry.commands)
            if (std::string_view(c.caption) != "-") check(c.caption, c.shortcut);
    }
}

// An entry is a line that starts with the number, right-aligned to the fourth column.
TEST(HelpTexts, OptionsHelpHasAnEntryForEveryOptionLineThatActs) {
    const auto lines = HelpLines("OPTIONS.HLP");
    for (int n : kActingOptionLines) {
        const std::string entry = QString::number(n).rightJustified(4).toStdString() + "  ";
        EXPECT_TRUE(std::any_of(
            lines.begin(), lines.end(),
            [&](const std::string& line) { return line.size() > 6 && line.starts_with(entry); }))
            << "option " << n;
    }
}

TEST(HelpTexts, LicenseIsTheMitLicenceOfTheRepository) {
    QByteArray root = ReadBytes(kDataDir + "/../LICENSE");
    ASSERT_FALSE(root.isEmpty());
    EXPECT_EQ(QByteArray::fromStdString(HelpText("LICENSE.HLP")),
              root.replace("\r\n", "\n").replace("\n", "\r\n"));
}

TEST(AboutWindow, OpensOnceAndClosesOnAClickOnALabel) {
    QPointer<About> about;
    const QString folder = QStringLiteral("/home/user/.config/orvantis");
    About* window = About::Open(about, folder, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(About::Open(about, folder, nullptr), window);
    const auto* label = window->findChild<QLabel*>("lblSettingsFolder");
    EXPECT_TRUE(label->text().endsWith(folder));
    QTest::mouseClick(const_cast<QLabel*>(label), Qt::LeftButton);
    DeleteClosedWindows();
    EXPECT_TRUE(about.isNull());
}

}  // namespace
}  // namespace orvantis
