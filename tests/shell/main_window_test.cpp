// The main window driven as a user would: menus, accelerators, the clock, the INI file at exit.
#include "shell/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <map>
#include <optional>
#include <set>

#include "fake_clock.h"
#include "recording_notifier.h"
#include "settings/text_lines.h"
#include "shell/menu_table.h"
#include "shell/wheel_view.h"
#include "windows/text_file_editor.h"

namespace orvantis {
namespace {

using namespace std::chrono;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        // Tests never touch the user's files: the data files go to a temporary folder.
        for (const char* name : {"OPTIONS.OPT", "OPTIONS.MAS", "NATAL.ORB", "HCDATA.DAT",
                                 "RADIUS.DAT", "ORVANTIS.HLP"})
            QFile::copy(QString(ORVANTIS_DATA_DIR) + "/" + name, dir_.filePath(name));
        QFile::copy(QString(ORVANTIS_BUILD_DIR) + "/querna.ttf", dir_.filePath("querna.ttf"));
    }

    // Line `line` of the options file set to `value`.
    void SetOption(int line, const char* value) {
        auto text = ReadTextFile(dir_.filePath("OPTIONS.OPT").toStdString()).value_or("");
        std::vector<std::string> lines;
        for (auto l : SplitLines(text)) lines.emplace_back(l);
        lines.resize(std::max<std::size_t>(lines.size(), 130), "0");
        lines[line - 1] = std::string(value) + "       ";
        QFile file(dir_.filePath("OPTIONS.OPT"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const auto& l : lines) file.write((l + "\r\n").c_str());
    }

    // By default the folder serves as both, as a build folder does.
    std::unique_ptr<MainWindow> Open(std::optional<DataFolders> folders = std::nullopt) {
        ShellEnvironment env;
        env.folders = folders.value_or(DataFolders{dir_.path(), dir_.path()});
        env.owner_file_text = "Ann Example\r\n";
        env.clock = &clock_;
        env.notifier = &notifier_;
        env.start_timer = false;
        return std::make_unique<MainWindow>(env);
    }

    QAction* Item(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

    // Shown and active, so that its accelerators reach it as they reach a user's window.
    static void ShowActive(MainWindow& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    QTemporaryDir dir_;
    FakeClock clock_;
    RecordingNotifier notifier_;
};

// The home zone named on line 131: London's wall clock in the caption and its offset on caption
// line 3, whatever the process's own zone; an Update step keeps the name and moves the clock.
TEST_F(MainWindowTest, HomeZoneByNameKeepsTheWallClock) {
    const QByteArray tz = qgetenv("TZ");
    qputenv("TZ", "Asia/Tokyo");
    SetOption(131, "Europe/London");
    using namespace std::chrono;
    clock_.now = sys_days{year{2024} / 10 / 27} + minutes{30};  // 01:30 BST, the first of two
    auto w = Open();
    EXPECT_TRUE(w->CaptionText().endsWith("1:30:00 AM")) << w->CaptionText().toStdString();
    EXPECT_EQ(w->Chart().CaptionLines[3], "1.30 A.M. (-1)");
    Item(*w, "mnuUpdateAddHour")->trigger();
    EXPECT_EQ(w->Chart().CaptionLines[3], "2.30 A.M. (0)");
    EXPECT_EQ(w->Election().ElectZoneName, "Europe/London");
    tz.isNull() ? qunsetenv("TZ") : qputenv("TZ", tz);
}

TEST_F(MainWindowTest, EveryCommandOfTheMenuTableIsThereWithItsOwnShortcut) {
    auto w = Open();
    std::set<QString> shortcuts;
    int with_shortcut = 0;
    for (const MenuBarEntry& entry : MenuBarTable()) {
        for (const MenuCommand& c : entry.commands) {
            const QAction* a = Item(*w, c.name);
            ASSERT_NE(a, nullptr) << c.name;
            if (c.shortcut == kNoShortcut) continue;
            ++with_shortcut;
            shortcuts.insert(a->shortcut().toString());
            EXPECT_EQ(a->shortcut(), QKeySequence(c.shortcut)) << c.name;
        }
    }
    EXPECT_EQ(static_cast<int>(shortcuts.size()), with_shortcut) << "a shortcut is used twice";
}

TEST_F(MainWindowTest, StartsRunningWithTheHouseSystemOfOption27) {
    SetOption(27, "3");
    auto w = Open();
    EXPECT_TRUE(w->Running());
    EXPECT_EQ(w->CheckedHouseSystem(), 'K');
    EXPECT_EQ(w->Chart().HouseSystem, 'K');
    EXPECT_EQ(w->Chart().ChartReady, 1);
    EXPECT_TRUE(notifier_.problems.empty()) << notifier_.problems[0].text;
    EXPECT_THAT(w->CaptionText().toStdString(),
                ::testing::StartsWith("Ann Example Orvantis (Tropical zodiac) - 05 Mar 2024     "));
}

TEST_F(MainWindowTest, HouseItemsMoveTheCheckMarkAndRecompute) {
    auto w = Open();
    const int before = w->RecomputeCount();
    Item(*w, "mnuHouseCampanus")->trigger();
    EXPECT_EQ(w->CheckedHouseSystem(), 'C');
    EXPECT_EQ(w->Chart().CaptionLines[7], "Campanus");
    Item(*w, "mnuHouseCampanus")->trigger();  // the checked item stays checked
    EXPECT_TRUE(Item(*w, "mnuHouseCampanus")->isChecked());
    EXPECT_EQ(w->RecomputeCount(), before + 2);
    int checked = 0;
    for (const MenuCommand& house : MenuBarTable()[1].commands)
        checked += Item(*w, house.name)->isChecked();
    EXPECT_EQ(checked, 1);
}

TEST_F(MainWindowTest, LayoutCommandsRedrawWithoutRecomputing) {
    auto w = Open();
    const int before = w->RecomputeCount();
    ShowActive(*w);
    QTest::keyClick(w.get(), Qt::Key_F8);
    EXPECT_EQ(w->TypeChart(), 1);
    EXPECT_TRUE(Item(*w, "mnuCTEuropean")->isChecked());
    EXPECT_FALSE(Item(*w, "mnuCTAmerican")->isChecked());
    QTest::keyClick(w.get(), Qt::Key_F7);
    EXPECT_EQ(w->TypeChart(), 0);
    EXPECT_TRUE(Item(*w, "mnuCTAmerican")->isChecked());
    EXPECT_EQ(w->RecomputeCount(), before);
}

TEST_F(MainWindowTest, ClockRecomputesOnceAtTheFirstTickOfEveryMinute) {
    auto w = Open();
    const int start = w->RecomputeCount();
    const auto tick_at = [&](int minute, int second, int ms = 20) {
        clock_.now = sys_days{year{2024} / 3 / 5} + hours{10} + minutes{minute} + seconds{second} +
                     milliseconds{ms};
        w->Timer1_Timer();
    };
    tick_at(0, 31);
    tick_at(0, 59);
    EXPECT_EQ(w->RecomputeCount(), start);
    tick_at(1, 0);
    EXPECT_EQ(w->RecomputeCount(), start + 1);
    EXPECT_FLOAT_EQ(w->Chart().ChartClock, 10.01f);
    tick_at(1, 1);
    // The tick of 10:02:00 comes late (10:02:03): the minute is recomputed all the same.
    tick_at(2, 3, 900);
    EXPECT_EQ(w->RecomputeCount(), start + 2);
    EXPECT_FLOAT_EQ(w->Chart().ChartClock, 10.02f);
    tick_at(2, 4);
    EXPECT_EQ(w->RecomputeCount(), start + 2);
    EXPECT_THAT(w->windowTitle().toStdString(), ::testing::HasSubstr("05 Mar 2024     10:02:04"));
}

TEST_F(MainWindowTest, StoppedClockOnlyUpdatesTheCaption) {
    auto w = Open();
    Item(*w, "mnuElectionsRunning")->trigger();
    EXPECT_FALSE(w->Running());
    const int stopped = w->RecomputeCount();
    clock_.now += minutes{5};
    w->Timer1_Timer();
    EXPECT_EQ(w->RecomputeCount(), stopped);
    EXPECT_THAT(w->windowTitle().toStdString(), ::testing::HasSubstr("10:05:30"));
    Item(*w, "mnuElectionsRunning")->trigger();  // running again: the chart jumps to now
    EXPECT_EQ(w->RecomputeCount(), stopped + 1);
    EXPECT_FLOAT_EQ(w->Chart().ChartClock, 10.05f);
}

TEST_F(MainWindowTest, UpdateCommandsStepTheElectionMomentAndStopTheClock) {
    auto w = Open();
    ShowActive(*w);
    QTest::keyClick(w.get(), Qt::Key_F3);  // Add a Day
    EXPECT_FALSE(w->Running());
    EXPECT_EQ(w->Election().ElectDay, 6);
    EXPECT_EQ(w->Chart().ChartTitle, "Now - election chart");
    EXPECT_EQ(w->Chart().ChartDay, 6);
    QTest::keyClick(w.get(), Qt::Key_F6);  // Go back an hour
    EXPECT_EQ(w->Election().ElectHour, 9);
    QTest::keyClick(w.get(), Qt::Key_F9, Qt::ShiftModifier);  // Go back a minute
    EXPECT_EQ(w->Election().ElectMinute, 59);
    EXPECT_EQ(w->Election().ElectHour, 8);
    // Hours of a running clock later, Add a Day still steps from the election moment.
    clock_.now += hours{30};
    QTest::keyClick(w.get(), Qt::Key_F4);
    EXPECT_EQ(w->Election().ElectDay, 5);
}

TEST_F(MainWindowTest, ExitWritesTheIniFileThatTheNextStartReads) {
    {
        auto w = Open();
        Item(*w, "mnuCTEuropean")->trigger();
        w->mnuFileExit_Click();
    }
    const auto ini = ReadTextFile(dir_.filePath("ORVANTIS.INI").toStdString());
    ASSERT_TRUE(ini.has_value());
    EXPECT_THAT(*ini, ::testing::StartsWith(
                          "[Orvantis] - Do NOT change the order of these variables.\r\n"));
    EXPECT_THAT(*ini, ::testing::HasSubstr("\r\nTypeChart=1\r\n"));
    auto again = Open();
    EXPECT_EQ(again->TypeChart(), 1);
    EXPECT_TRUE(Item(*again, "mnuCTEuropean")->isChecked());
}

TEST_F(MainWindowTest, InstalledItReadsTheShippedFilesAndWritesOnlyTheUsersFolder) {
    const DataFolders installed{dir_.filePath("home/.config/orvantis"), dir_.path()};
    ASSERT_EQ(SeedSettings(installed), std::nullopt);
    QFile::remove(dir_.filePath("OPTIONS.OPT"));  // the shipped folder holds only the master
    {
        auto w = Open(installed);
        ShowActive(*w);
        QTest::keyClick(w.get(), Qt::Key_F1);
        w->mnuFileExit_Click();
    }
    EXPECT_THAT(notifier_.Texts(), ::testing::IsEmpty());  // options, font, tables, help found
    EXPECT_TRUE(QFile::exists(installed.settings + "/ORVANTIS.INI"));
    EXPECT_FALSE(QFile::exists(dir_.filePath("ORVANTIS.INI")));
}

TEST_F(MainWindowTest, ASavedPositionOffEveryScreenComesBackOntoOne) {
    SetOption(33, "1");
    QFile ini(dir_.filePath("ORVANTIS.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("OrvantisLeft=450000\r\nOrvantisTop=600\r\n");
    ini.close();
    auto w = Open();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(w->pos()));
}

TEST_F(MainWindowTest, ClosingTheWindowWritesTheIniFileToo) {
    auto w = Open();
    w->show();
    w->close();
    EXPECT_TRUE(QFile::exists(dir_.filePath("ORVANTIS.INI")));
}

TEST_F(MainWindowTest, HelpItemsOpenTheirTextOrSayWhatIsMissing) {
    auto w = Open();
    ShowActive(*w);
    QTest::keyClick(w.get(), Qt::Key_F1);
    const QWidget* viewer = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == "ORVANTIS.HLP") viewer = top;
    EXPECT_NE(viewer, nullptr);
    Item(*w, "mnuHelpHints")->trigger();  // HINTS.HLP is not in the folder
    EXPECT_THAT(notifier_.Texts(), ::testing::Contains("HINTS.HLP Help File Not Found"));
}

TEST_F(MainWindowTest, OptionsCommandOpensTheEditorOrReportsTheMissingFile) {
    auto w = Open();
    Item(*w, "mnuOptionsOptions")->trigger();
    Item(*w, "mnuOptionsOptions")->trigger();  // the open editor comes forward, still wired
    TextFileEditor* editor = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == "Edit: OPTIONS.OPT")
            editor = qobject_cast<TextFileEditor*>(top);
    ASSERT_NE(editor, nullptr);
    // Save shows the new options at once: here the zodiac of the caption.
    QStringList lines = editor->txtContent()->toPlainText().split('\n');
    lines[122] = "1";
    editor->txtContent()->setPlainText(lines.join('\n'));
    editor->findChild<QPushButton*>("btnSave")->click();
    EXPECT_THAT(w->windowTitle().toStdString(), ::testing::HasSubstr("(Sidereal zodiac - SVP)"));
    QFile::remove(dir_.filePath("OPTIONS.OPT"));
    auto again = Open();  // starts on the master's values, and says so
    EXPECT_THAT(notifier_.Texts(), ::testing::Contains(::testing::HasSubstr("OPTIONS.MAS")));
    EXPECT_EQ(again->Options()[72], w->Options()[72]);
    notifier_.problems.clear();
    Item(*again, "mnuOptionsOptions")->trigger();
    EXPECT_THAT(notifier_.Texts(), ::testing::ElementsAre("OPTIONS.OPT File Not Found"));
}

TEST_F(MainWindowTest, AspectWindowShowsTheChartOnDisplayAndClosesWithTheNextChart) {
    auto w = Open();
    const auto aspect_window = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->windowTitle() == "Aspects") return top;
        return static_cast<QWidget*>(nullptr);
    };
    Item(*w, "mnuAspects")->trigger();
    ASSERT_NE(aspect_window(), nullptr);
    Item(*w, "mnuHouseKoch")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(aspect_window(), nullptr);
    QFile::remove(dir_.filePath("NATAL.ORB"));  // a missing orb file is reported
    Item(*w, "mnuAspects")->trigger();
    EXPECT_THAT(notifier_.Texts(), ::testing::Contains(::testing::HasSubstr("NATAL.ORB")));
}

TEST_F(MainWindowTest, CancelledElectionDataStopsTheClockAndKeepsTheChart) {
    auto w = Open();
    const ChartState before = w->Chart();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    Item(*w, "mnuElectionsData")->trigger();
    EXPECT_FALSE(w->Running());
    EXPECT_EQ(w->Chart().CaptionLines, before.CaptionLines);
    EXPECT_EQ(w->Chart().PlanetLong, before.PlanetLong);
}

TEST_F(MainWindowTest, HomeLatitudeTooHighIsReportedAndNoChartIsMade) {
    SetOption(22, "70");
    auto w = Open();
    EXPECT_THAT(notifier_.Texts(),
                ::testing::Contains(::testing::HasSubstr("latitude is too high")));
    EXPECT_EQ(w->Chart().ChartReady, 0);
    Item(*w, "mnuHouseMeridian")->trigger();  // Meridian houses work at any latitude
    EXPECT_EQ(w->Chart().ChartReady, 1);
}

// The wheel paints only what it was handed, so every change of chart, layout, scale or options
// must reach it.
TEST_F(MainWindowTest, TheWheelIsHandedEveryChangeOfWhatItPaints) {
    auto w = Open();
    ShowActive(*w);
    const auto handed = [&](const char* change) {
        SCOPED_TRACE(change);
        const WheelPicture& p = w->Wheel()->Picture();
        EXPECT_EQ(p.chart.CaptionLines, w->Chart().CaptionLines);
        EXPECT_EQ(p.options, w->Options());
        EXPECT_EQ(p.StartScale, w->StartScale());
        EXPECT_EQ(p.TypeChart, w->TypeChart());
    };
    clock_.now += minutes{1};
    w->Timer1_Timer();
    handed("minute");
    Item(*w, "mnuCTEuropean")->trigger();
    handed("layout");
    const int scale = w->StartScale();
    w->resize(w->width(), w->height() * 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->StartScale() != scale; }));
    handed("resize");
    Item(*w, "mnuOptionsOptions")->trigger();
    auto* editor = w->findChild<TextFileEditor*>();
    ASSERT_NE(editor, nullptr);
    QStringList lines = editor->txtContent()->toPlainText().split('\n');
    lines[1] = "5";  // the sextile orb of the wheel's aspect lines
    editor->txtContent()->setPlainText(lines.join('\n'));
    editor->findChild<QPushButton*>("btnSave")->click();
    handed("options");
}

}  // namespace
}  // namespace orvantis
