// The smaller windows driven as the user drives them, in temporary folders: options editor, help,
// the orb files' windows, the file chooser, Coming Events (save faults: save_faults_test.cpp).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "aspects/aspect_kind.h"
#include "events/event_text.h"
#include "recording_notifier.h"
#include "settings/option_lines.h"
#include "shell/menu_table.h"
#include "support/chart_fixture.h"
#include "support/main_window_fixture.h"
#include "support/window_helpers.h"
#include "wheel/glyph_codes.h"
#include "wheel/qpainter_surface.h"
#include "windows/aspect_window.h"
#include "windows/events_window.h"
#include "windows/help_window.h"
#include "windows/options_window.h"
#include "windows/orbs_edit_window.h"
#include "windows/select_file_window.h"

namespace orvantis {
namespace {

using namespace std::chrono;

using OptionsEditorTest = MainWindowFixture;

// Save re-reads the options into the running values and shows them at once; Restore asks, keeps
// the replaced file as OPTIONS.BAK beside it, and the running values wait for a Save.
TEST_F(OptionsEditorTest, SaveRereadsTheOptionsAndRestoreAsksAndKeepsABackup) {
    const auto w = Open();
    Item(*w, "mnuOptionsOptions")->trigger();
    auto* editor = w->findChild<OptionsEditor*>();
    ASSERT_NE(editor, nullptr);
    std::vector<QString> asked;
    editor->SetQuestion([&](const QString& question) {
        asked.push_back(question);
        return asked.size() > 1;  // no the first time
    });
    QStringList lines = editor->EditorText().split('\n');
    lines[17] = "-3.5";
    lines[122] = "1";  // the sidereal zodiac
    editor->ContentEdit()->setPlainText(lines.join('\n'));
    EXPECT_TRUE(editor->Save());
    EXPECT_EQ(w->Options()[18], -3.5f);
    const QByteArray mine = ReadBytes(dir_.filePath("OPTIONS.OPT"));
    const OptionValues saved = w->Options();
    editor->RestoreButton()->click();
    EXPECT_EQ(ReadBytes(dir_.filePath("OPTIONS.OPT")), mine);
    editor->RestoreButton()->click();
    EXPECT_THAT(asked.back().toStdString(),
                testing::HasSubstr(dir_.filePath("OPTIONS.BAK").toStdString()));
    EXPECT_EQ(ReadBytes(dir_.filePath("OPTIONS.OPT")), ReadBytes(dir_.filePath("OPTIONS.MAS")));
    EXPECT_EQ(ReadBytes(dir_.filePath("OPTIONS.BAK")), mine);
    editor->QuitButton()->click();  // nothing unsaved: no question
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(w->Options(), saved);
    EXPECT_THAT(w->windowTitle().toStdString(), testing::HasSubstr("(Sidereal zodiac - SVP)"));
    EXPECT_TRUE(notifier_.problems.empty());
}

// From the keyboard: Tab leaves the text, a Return typed on line 1 is refused at Ctrl+S naming
// the line, and Esc asks before the edit is dropped.
TEST_F(OptionsEditorTest, KeyboardEditsCannotSaveWhatTheReaderWouldMisread) {
    const auto w = Open();
    Item(*w, "mnuOptionsOptions")->trigger();
    auto* editor = w->findChild<OptionsEditor*>();
    QApplication::setActiveWindow(editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    QPlainTextEdit* text = editor->ContentEdit();
    text->setFocus();
    const QByteArray before = ReadBytes(dir_.filePath("OPTIONS.OPT"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
    EXPECT_THAT(notifier_.Texts(), testing::ElementsAre(testing::HasSubstr("Line 1 is empty")));
    EXPECT_EQ(ReadBytes(dir_.filePath("OPTIONS.OPT")), before);
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_FALSE(text->hasFocus());
    int asked = 0;
    editor->SetQuestion([&](const QString&) { return ++asked > 1; });
    for (int press = 0; press < 2; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(editor->isVisible());
}

TEST(OptionsTextFault, NamesTheLineTheReaderWouldMisread) {
    const QStringList good =
        QString::fromLatin1(ReadBytes(ORVANTIS_DATA_DIR "/OPTIONS.OPT")).split("\r\n");
    const auto refused = [](const QStringList& lines) {
        int at = 0;
        return OptionsTextFault(lines.join('\n'), &at) ? at : 0;
    };
    // Line 5 any number; line 27 a house system's number.
    for (const auto& [row, value, line] : {std::tuple{5, " -.5 x", 0},
                                           {5, "+3", 0},
                                           {5, "       7", 5},
                                           {5, "abc", 5},
                                           {5, "", 5},
                                           {5, "1e39", 5},
                                           {5, ".", 5},
                                           {27, "8", 0},
                                           {27, "9", 27},
                                           {27, "2.5", 27}}) {
        QStringList lines = good;
        lines[row - 1] = value;
        EXPECT_EQ(refused(lines), line) << value;
    }
    EXPECT_EQ(refused(good.mid(0, 129)), 130);
    EXPECT_EQ(refused(good.mid(0, 131) << "1"), 0);
    EXPECT_EQ(refused(good.mid(0, 131) << "x"), 132);
    EXPECT_EQ(refused(good.mid(0, 132) << "1"), 133);
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
    EXPECT_EQ(first->TextView()->toPlainText(), "First line\n\nThird\n");
    EXPECT_TRUE(first->TextView()->isReadOnly());
    const QPointer<HelpWindow> second = show("ABOUT.HLP");
    DeleteClosedWindows();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(show("SELECT.HLP"), nullptr);
    DeleteClosedWindows();
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(notifier.Texts(), std::vector<std::string>{"SELECT.HLP Help File Not Found"});
}

QString HelpText(const QString& name) {
    return QString::fromLatin1(ReadBytes(ORVANTIS_DATA_DIR "/" + name));
}

// ORVANTIS.HLP names every command with its shortcut; SHORTCUT.HLP lists every shortcut at the
// start of a line beside its command ("F9 " is not "Shift+F9 "); OPTIONS.HLP has an entry (a line
// that starts with the number right-aligned to the fourth column) for every option line that acts.
TEST(HelpTexts, FollowTheMenusAndTheOptions) {
    const QString window_help = HelpText("ORVANTIS.HLP"), keys = HelpText("SHORTCUT.HLP");
    const auto has_line = [](const QString& text, const QString& pattern) {
        return text.contains(
            QRegularExpression("^" + pattern, QRegularExpression::MultilineOption));
    };
    for (const MenuBarEntry& entry : MenuBarTable()) {
        EXPECT_TRUE(window_help.contains(QString(entry.caption).remove('&'))) << entry.caption;
        for (const MenuCommand& c : entry.commands) {
            const QString caption = QString(c.caption).remove('&');
            const QString key = QKeySequence(c.shortcut).toString();
            if (caption == "-") continue;
            const bool bare = c.shortcut == kNoShortcut;
            EXPECT_TRUE(window_help.contains(bare ? caption : caption + " (" + key + ")"))
                << c.name;
            EXPECT_TRUE(bare || has_line(keys, "[ \\t]*" + QRegularExpression::escape(key) + " .*" +
                                                   QRegularExpression::escape(caption)))
                << c.name;
        }
    }
    for (int n : kActingOptionLines) {
        EXPECT_TRUE(
            has_line(HelpText("OPTIONS.HLP"), QString::number(n).rightJustified(4) + "  [^\\r\\n]"))
            << "option " << n;
    }
}

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
    EXPECT_TRUE(window->TextView()->isReadOnly());
    const QStringList expected{
        Line(kSun, 5, kMoon),          Line(kSun, 3, kMercury),       Line(kMoon, 5, kSun),
        Line(kMoon, 3, kMercury),      Line(kMercury, 3, kSun),       Line(kMercury, 3, kMoon),
        Line(kNode, 6, kOppositeNode), Line(kOppositeNode, 6, kNode),
    };
    EXPECT_EQ(window->TextView()->toPlainText(), expected.join('\n'));
    EXPECT_TRUE(notifier.problems.empty());
    EXPECT_EQ(window->TextView()->font().family(), QStringLiteral("QUERNA"));
    window->close();
    DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
}

// One editor per file (a second would save over the first one's edits); only Save writes.
TEST(OrbsEdit, EditsTheFileInOneWindowAndSavesOnlyOnSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("NATAL.ORB");
    ASSERT_TRUE(WriteBytes(path, "8      conjunction\r\n6      sextile\r\n"));
    RecordingNotifier notifier;
    QPointer<OrbsEdit> editor = OrbsEdit::Open(path, notifier);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->windowTitle(), "Edit: " + path);
    EXPECT_EQ(editor->ContentEdit()->toPlainText(), "8      conjunction\n6      sextile\n");
    editor->ContentEdit()->setPlainText("10     conjunction\n3      square");
    EXPECT_EQ(OrbsEdit::Open(dir.filePath("./NATAL.ORB"), notifier), editor);
    editor->SaveButton()->click();
    EXPECT_EQ(ReadBytes(path), "10     conjunction\r\n3      square\r\n");
    EXPECT_TRUE(editor->isVisible());
    ASSERT_TRUE(WriteBytes(dir.filePath("WIDE.ORB"), "8\r\n"));
    const QPointer<OrbsEdit> second = OrbsEdit::Open(dir.filePath("WIDE.ORB"), notifier);
    EXPECT_NE(second, editor);
    delete second;
    editor->ContentEdit()->setPlainText("0\n");
    editor->SetQuestion([](const QString&) { return true; });  // drop the edit
    editor->QuitButton()->click();
    DeleteClosedWindows();
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(ReadBytes(path), "10     conjunction\r\n3      square\r\n");
    EXPECT_EQ(OrbsEdit::Open(dir.filePath("GONE.ORB"), notifier), nullptr);
    EXPECT_EQ(notifier.problems.size(), 1u);
}

// A bare root or a container may have no mount table: the root folder and home stay offered.
// Paths are joined with one separator, and no second at the root.
TEST(VolumeRoots, AlwaysOfferTheRootAndHomeOnceAndPickTheDeepestHolder) {
    EXPECT_EQ(JoinFolderAndFile("/home/ann/", "NATAL.ORB"), "/home/ann/NATAL.ORB");
    EXPECT_EQ(JoinFolderAndFile("/", "NATAL.ORB"), "/NATAL.ORB");
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
// last characters, leaves the first entry selected. The folder list runs from the root down to the
// folder, then its subfolders; the parent's entry goes back up, and the volume list moves too.
TEST_F(SelectFileTest, ListsOrbFilesWhateverTheirCaseAndMovesBetweenFolders) {
    FileChooserWindow chooser(dir_.path(), QStringLiteral("*.ORB"));
    EXPECT_EQ(Items(chooser.FileList()), (QStringList{"NATAL.ORB", "tight.orb", "Wide.Orb"}));
    for (const auto& [name, row] : {std::pair{"WIDE.ORB", 2}, {"ELSEWHERE.ORB", 0}}) {
        chooser.PreselectFile(dir_.filePath(QString::fromLatin1(name)));
        EXPECT_EQ(chooser.FileList()->currentRow(), row) << name;
    }
    QListWidget* folders = chooser.FolderList();
    EXPECT_EQ(folders->item(0)->text(), QStringLiteral("/"));
    const auto found = folders->findItems(QStringLiteral("more"), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit folders->itemActivated(found.front());
    EXPECT_EQ(chooser.Folder(), dir_.filePath(QStringLiteral("more")));
    EXPECT_EQ(Items(chooser.FileList()), QStringList{"OTHER.ORB"});
    emit folders->itemActivated(folders->item(folders->currentRow() - 1));
    EXPECT_EQ(chooser.Folder(), QDir(dir_.path()).absolutePath());
    QComboBox* volumes = chooser.DriveList();
    emit volumes->activated(volumes->findText(QStringLiteral("/")));
    EXPECT_EQ(chooser.Folder(), QStringLiteral("/"));
}

// Select or a double click hands back the file chosen, bare Select the caller's, Cancel nothing.
TEST_F(SelectFileTest, WhatEachWayOutHandsBack) {
    const QString before = QStringLiteral("/before/NATAL.ORB");
    const std::pair<std::function<void(FileChooserWindow&)>, QString> cases[] = {
        {[](auto& c) { c.FileList()->setCurrentRow(1), c.SelectButton()->click(); },
         dir_.filePath(QStringLiteral("tight.orb"))},
        {[](auto& c) { c.FileList()->clearSelection(), c.SelectButton()->click(); }, before},
        {[](auto& c) {
             c.FileList()->setCurrentRow(2);
             emit c.FileList()->itemDoubleClicked(c.FileList()->item(2));
         },
         dir_.filePath(QStringLiteral("Wide.Orb"))},
        {[](auto& c) { c.CancelButton()->click(); }, QString()},
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

// It opens on the orb file's folder, or NATAL.ORB's in the program's; a missing one is reported.
TEST_F(SelectFileTest, SelectNewOrbFileStartsFromTheCurrentOrbFile) {
    RecordingNotifier notifier;
    QString shown_folder;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<FileChooserWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        shown_folder = chooser->Folder();
        chooser->SelectButton()->click();
    });
    const QString current = dir_.filePath(QStringLiteral("tight.orb"));
    EXPECT_EQ(SelectNewOrbFile(QStringLiteral("/nowhere"), current, notifier, nullptr), current);
    EXPECT_EQ(shown_folder, QDir(dir_.path()).absolutePath());
    EXPECT_TRUE(notifier.problems.empty());
    EXPECT_EQ(SelectNewOrbFile(dir_.filePath(QStringLiteral("more")), QString(), notifier), "");
    ASSERT_EQ(notifier.problems.size(), 1u);
    EXPECT_NE(notifier.problems[0].text.find("more/NATAL.ORB"), std::string::npos);
}

using EventsWindowTest = MainWindowFixture;

// F10 lists the coming events to the second, which count down with the clock in a column of one
// width; the kind boxes filter the list and the status line (off until chosen).
TEST_F(EventsWindowTest, F10ListsTheComingEventsThatCountDownAndTheKindBoxesFilter) {
    const auto window = Open();
    ShowActive(*window);
    QTest::keyClick(window.get(), Qt::Key_F10);
    EventsWindow* events = window->findChild<EventsWindow*>("eventsWindow");
    ASSERT_NE(events, nullptr);
    const auto now = [&] { return floor<seconds>(clock_.now); };
    const auto rows = [&] {  // the rows' "In words" and "Countdown" texts
        std::vector<std::pair<QString, QString>> texts;
        for (int row = 0; row < events->List()->rowCount(); ++row)
            texts.emplace_back(events->List()->item(row, 2)->text(),
                               events->List()->item(row, 3)->text());
        return texts;
    };
    const auto expected = FindEvents(now(), now() + kEventsAhead,
                                     EventSettingsFromOptions(window->Options()), AllEventKinds());
    const auto shown = rows();
    ASSERT_GE(shown.size(), expected.size());  // and a void of course under way, if there is one
    const Event& first = expected.front();
    const auto row = std::find_if(shown.begin(), shown.end(), [&](const auto& r) {
        return r.first.startsWith(QString::fromStdString(EventWords(first)));
    });
    ASSERT_NE(row, shown.end());
    EXPECT_EQ(row->second.toStdString(), CountdownText((first.ut - now()).count()));
    EXPECT_TRUE(events->List()->item(0, 0)->text().contains(QRegularExpression(":\\d\\d:\\d\\d")));
    const int countdown_width = events->List()->columnWidth(3);
    clock_.now += seconds{61};
    window->onClockTick();
    EXPECT_EQ(rows()[row - shown.begin()].second.toStdString(),
              CountdownText((first.ut - now()).count()));
    EXPECT_FALSE(window->statusBar()->isVisible());
    Item(*window, "mnuEventsStatusBar")->trigger();
    const QLabel* line = window->findChild<QLabel*>("nextEventLabel");
    EXPECT_TRUE(line->text().startsWith("Next: ")) << line->text().toStdString();
    for (const EventKind hidden : {EventKind::kAngle, EventKind::kAspect})
        events->KindBox(hidden)->setChecked(false);
    for (const auto& [words, countdown] : rows()) {
        EXPECT_FALSE(words.contains(" enters ") &&
                     (words.startsWith("Asc") || words.startsWith("MC")));
        EXPECT_FALSE(words.contains(" square ") || words.contains(" trine "));
    }
    window->onClockTick();
    EXPECT_FALSE(line->text().contains("Asc enters") || line->text().contains("MC enters"));
    EXPECT_EQ(events->List()->columnWidth(3), countdown_width);
    EXPECT_TRUE(notifier_.problems.empty());
}

TEST(EventsFeed, RecomputesOnlyWhenTheFirstEventHasPassed) {
    OptionValues options{};
    EventsFeed feed(options);
    const sys_seconds now = sys_days{year{2025} / 6 / 1};
    ASSERT_TRUE(feed.Update(now));
    const sys_seconds first = CountdownTarget(feed.Events().front(), now);
    EXPECT_FALSE(feed.Update(first));
    EXPECT_TRUE(feed.Update(first + seconds{1}));
    EXPECT_GT(CountdownTarget(feed.Events().front(), first + seconds{1}), first);
    options[kOptionTrueNode] = 1;  // other ingresses
    EXPECT_TRUE(feed.Update(first + seconds{2}));
}

}  // namespace
}  // namespace orvantis
