// The options editor, the help viewer and texts, the About and title windows, driven as the user
// drives them, in temporary folders. Save faults of both editors are in save_faults_test.cpp.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "chart/chart_driver.h"
#include "recording_notifier.h"
#include "settings/option_lines.h"
#include "settings/options_file.h"
#include "shell/menu_table.h"
#include "windows/about_window.h"
#include "windows/help_window.h"
#include "windows/options_window.h"

namespace orvantis {
namespace {

const QString kDataDir = QStringLiteral(ORVANTIS_DATA_DIR);
const QStringList kHelpFiles = {"ORVANTIS.HLP", "OPTIONS.HLP",  "SELECT.HLP",
                                "ABOUT.HLP",    "HINTS.HLP",    "SHORTCUT.HLP",
                                "LICENSE.HLP",  "REVISION.HLP", "EVENTS.HLP"};

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs the deletions that close() of a delete-on-close window has queued.
void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename Window>
int VisibleWindows() {
    const auto widgets = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(widgets.begin(), widgets.end(), [](QWidget* w) {
        return qobject_cast<Window*>(w) != nullptr && w->isVisible();
    }));
}

// An options file of 123 lines, CR LF ended: zodiac (line 123) tropical, every other line its
// own number so a misplaced line shows.
QByteArray OptionsText(int zodiac) {
    QByteArray text;
    for (int n = 1; n <= 123; ++n) {
        const int value = n == 123 ? zodiac : n;
        text += QByteArray::number(value).leftJustified(7, ' ') + "option " +
                QByteArray::number(n) + "\r\n";
    }
    return text;
}

class OptionsEditorTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(WriteBytes(Path("OPTIONS.OPT"), OptionsText(0)));
        ASSERT_TRUE(WriteBytes(Path("OPTIONS.MAS"), OptionsText(2)));
        ASSERT_EQ(ReadOptionsFile(OptionsText(0).toStdString(), options_).lines_read, 123);
        options_[130] = 42;  // beyond the file: a re-read must leave it alone
        caption_prefix_ = BuildCaptionPrefix(owner_, options_);
    }
    void TearDown() override { delete editor_.data(); }

    QString Path(const char* name) const { return dir_.path() + "/" + name; }
    OptionsEditor* Open() {
        return OptionsEditor::Open(editor_, dir_.path(), dir_.path(), options_, caption_prefix_,
                                   owner_, notifier_);
    }
    QStringList Entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir_;
    OptionValues options_{};
    std::string owner_ = "Ada";
    std::string caption_prefix_;
    RecordingNotifier notifier_;
    QPointer<OptionsEditor> editor_;
};

TEST_F(OptionsEditorTest, OpeningAgainBringsTheOpenEditorForwardWithItsEdits) {
    OptionsEditor* first = Open();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->EditorText(), QString::fromLatin1(OptionsText(0)).replace("\r\n", "\n"));
    first->txtContent()->setPlainText("unsaved\n");
    EXPECT_EQ(Open(), first);
    EXPECT_EQ(first->EditorText(), "unsaved\n");
    EXPECT_EQ(VisibleWindows<OptionsEditor>(), 1);
    first->btnQuit()->click();  // once closed, the next opening reads the file again
    OptionsEditor* second = Open();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->EditorText().left(8), "1      o");
    DeleteClosedWindows();
}

TEST_F(OptionsEditorTest, SavingUnchangedRewritesTheSameLinesWithOneFinalLineEnd) {
    const QByteArray crlf = OptionsText(0);
    const QByteArray cases[] = {crlf, crlf.chopped(2), QByteArray(crlf).replace("\r\n", "\n")};
    for (const QByteArray& original : cases) {
        ASSERT_TRUE(WriteBytes(Path("OPTIONS.OPT"), original));
        OptionsEditor* editor = Open();
        ASSERT_NE(editor, nullptr);
        editor->btnSave()->click();
        EXPECT_EQ(ReadBytes(Path("OPTIONS.OPT")), crlf);
        editor->close();
        DeleteClosedWindows();
    }
    EXPECT_TRUE(notifier_.problems.empty());
}

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

TEST_F(OptionsEditorTest, RestoreThenQuitLeavesTheRestoredFileWhileTheRunningValuesStay) {
    const OptionValues before = options_;
    const std::string prefix_before = caption_prefix_;
    // Installed, the master is among the shipped files, apart from the user's OPTIONS.OPT.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("share"));
    ASSERT_TRUE(QFile::rename(Path("OPTIONS.MAS"), Path("share/OPTIONS.MAS")));
    OptionsEditor* editor = OptionsEditor::Open(editor_, dir_.path(), Path("share"), options_,
                                                caption_prefix_, owner_, notifier_);
    ASSERT_NE(editor, nullptr);
    editor->txtContent()->setPlainText("half typed\n");

    editor->cmdRestoreDefault()->click();
    EXPECT_EQ(editor->EditorText(), QString::fromLatin1(OptionsText(2)).replace("\r\n", "\n"));
    editor->btnQuit()->click();
    DeleteClosedWindows();

    EXPECT_EQ(ReadBytes(Path("OPTIONS.OPT")), OptionsText(2));
    EXPECT_EQ(options_, before);
    EXPECT_EQ(caption_prefix_, prefix_before);
    EXPECT_EQ(Entries(), QStringList({"OPTIONS.OPT", "share"}));
    EXPECT_TRUE(notifier_.problems.empty());
}

TEST_F(OptionsEditorTest, RestoreWithoutMasterChangesNothing) {
    ASSERT_TRUE(QFile::remove(Path("OPTIONS.MAS")));
    OptionsEditor* editor = Open();
    ASSERT_NE(editor, nullptr);
    editor->txtContent()->setPlainText("my edits\n");
    EXPECT_FALSE(editor->RestoreDefaultSettings());
    EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{kRestoreFailed});
    EXPECT_EQ(ReadBytes(Path("OPTIONS.OPT")), OptionsText(0));
    EXPECT_EQ(editor->EditorText(), "my edits\n");
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

class HelpViewerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const QString& name : kHelpFiles) {
            ASSERT_TRUE(QFile::copy(kDataDir + "/" + name, dir_.path() + "/" + name))
                << name.toStdString();
        }
    }
    void TearDown() override {
        delete viewer_.data();
        DeleteClosedWindows();
    }
    HelpWindow* Show(const QString& name) {
        return HelpWindow::ShowHelpFile(viewer_, dir_.path(), name, notifier_);
    }

    QTemporaryDir dir_;
    RecordingNotifier notifier_;
    QPointer<HelpWindow> viewer_;
};

TEST_F(HelpViewerTest, ShowsTheFileUnderItsNameReadOnly) {
    ASSERT_TRUE(WriteBytes(dir_.path() + "/HINTS.HLP", "First line\r\n\r\nThird\r\n"));
    HelpWindow* viewer = Show("HINTS.HLP");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "HINTS.HLP");
    EXPECT_EQ(viewer->Text1()->toPlainText(), "First line\n\nThird\n");
    EXPECT_TRUE(viewer->Text1()->isReadOnly());
    viewer->Command1()->click();
    DeleteClosedWindows();
    EXPECT_TRUE(viewer_.isNull());
}

TEST_F(HelpViewerTest, AnotherFileReplacesTheViewerAndAMissingOneClosesIt) {
    QPointer<HelpWindow> first = Show("ORVANTIS.HLP");
    QPointer<HelpWindow> second = Show("SHORTCUT.HLP");
    DeleteClosedWindows();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(VisibleWindows<HelpWindow>(), 1);
    ASSERT_TRUE(QFile::remove(dir_.path() + "/SELECT.HLP"));
    EXPECT_EQ(Show("SELECT.HLP"), nullptr);
    DeleteClosedWindows();
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{"SELECT.HLP Help File Not Found"});
}

// The help texts as shipped.
class HelpTextsTest : public testing::Test {
protected:
    static std::string Text(const QString& name) {
        return ReadBytes(kDataDir + "/" + name).toStdString();
    }
    static std::vector<std::string> Lines(const QString& name) {
        std::vector<std::string> lines;
        const std::string text = HelpTextFromFile(Text(name));
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
};

TEST_F(HelpTextsTest, AreAsciiLinesWithCrLfEndsThatFitTheViewer) {
    for (const QString& name : kHelpFiles) {
        SCOPED_TRACE(name.toStdString());
        const std::string text = Text(name);
        ASSERT_GT(text.size(), 200u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        std::size_t line_start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c == '\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
            } else if (c == '\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
                EXPECT_LE(i - 1 - line_start, 78u) << "long line at " << i;
                line_start = i + 1;
            } else {
                ASSERT_TRUE(c >= 0x20 && c < 0x7f) << "byte " << int(c) << " at " << i;
            }
        }
    }
}

// SHORTCUT.HLP lists every shortcut at the start of a line beside its command; ORVANTIS.HLP names
// every command with its shortcut.
TEST_F(HelpTextsTest, ShortcutKeysAndWindowHelpFollowTheMenus) {
    const auto lines = Lines("SHORTCUT.HLP");
    const std::string window_help = Text("ORVANTIS.HLP");
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

TEST_F(HelpTextsTest, OptionsHelpHasAnEntryForEveryOptionLineThatActs) {
    const auto lines = Lines("OPTIONS.HLP");
    for (int n : kActingOptionLines) {
        // An entry is a line that starts with the number, indented to a four-character column.
        const std::string number = std::to_string(n);
        const bool found = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.size() > 6 &&
                   line.substr(0, 4) == std::string(4 - number.size(), ' ') + number &&
                   line.substr(4, 2) == "  ";
        });
        EXPECT_TRUE(found) << "option " << n;
    }
}

TEST_F(HelpTextsTest, LicenseIsTheMitLicenceOfTheRepository) {
    const std::string help = Text("LICENSE.HLP");
    QByteArray root = ReadBytes(kDataDir + "/../LICENSE");
    ASSERT_FALSE(root.isEmpty());
    EXPECT_EQ(QByteArray::fromStdString(help), root.replace("\r\n", "\n").replace("\n", "\r\n"));
    EXPECT_NE(Text("REVISION.HLP").find("2.25"), std::string::npos);
}

TEST(AboutWindow, OpensOnceAndClosesOnAClickOnALabel) {
    QPointer<About> about;
    const QString folder = QStringLiteral("/home/user/.config/orvantis");
    About* window = About::Open(about, folder, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(About::Open(about, folder, nullptr), window);
    const auto labels = window->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 5);
    EXPECT_TRUE(window->findChild<QLabel*>("lblSettingsFolder")->text().endsWith(folder));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(labels[2], &press);
    DeleteClosedWindows();
    EXPECT_TRUE(about.isNull());
}

}  // namespace
}  // namespace orvantis
