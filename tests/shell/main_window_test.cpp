// The main window driven as a user would: menus, accelerators, the clock, the INI file at exit.
#include "shell/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <chrono>

#include "chart/chart_driver.h"
#include "shell/menu_table.h"
#include "shell/wheel_view.h"
#include "support/main_window_fixture.h"
#include "support/window_helpers.h"
#include "wheel/printed_page.h"
#include "windows/text_file_editor.h"

namespace orvantis {
namespace {

using namespace std::chrono;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class MainWindowTest : public MainWindowFixture {
protected:
    // Line `line` of the options file set to `value`.
    void SetOption(int line, const char* value) {
        const QString path = dir_.filePath("OPTIONS.OPT");
        QStringList lines = QString::fromLatin1(ReadBytes(path)).split("\r\n");
        while (lines.size() < 131) lines << "0";
        lines[line - 1] = value;
        ASSERT_TRUE(WriteBytes(path, lines.join("\r\n").toLatin1()));
    }
};

// London's wall clock in the caption and its offset on caption line 3, whatever the process's own
// zone; an Update step keeps the name and moves the clock.
TEST_F(MainWindowTest, HomeZoneByNameKeepsTheWallClock) {
    const QByteArray tz = qgetenv("TZ");
    qputenv("TZ", "Asia/Tokyo");
    SetOption(131, "Europe/London");
    clock_.now = sys_days{year{2024} / 10 / 27} + minutes{30};  // 01:30 BST, the first of two
    auto w = Open();
    EXPECT_TRUE(w->CaptionText().endsWith("1:30:00 AM")) << w->CaptionText().toStdString();
    EXPECT_EQ(CaptionLinesOf(w->Chart())[3], "1.30 A.M. (-1)");
    Item(*w, "mnuUpdateAddHour")->trigger();  // an hour of real time: the second 01:30
    EXPECT_EQ(CaptionLinesOf(w->Chart())[3], "1.30 A.M. (0)");
    EXPECT_EQ(w->Election().ElectZoneName, "Europe/London");
    tz.isNull() ? qunsetenv("TZ") : qputenv("TZ", tz);
}

TEST_F(MainWindowTest, HouseItemsStartFromOption27MoveTheCheckMarkAndRecompute) {
    SetOption(27, "3");
    auto w = Open();
    EXPECT_EQ(w->Chart().HouseSystem, 'K');
    EXPECT_TRUE(notifier_.problems.empty()) << notifier_.problems[0].text;
    EXPECT_THAT(w->CaptionText().toStdString(),
                ::testing::StartsWith("Ann Example Orvantis (Tropical zodiac) - 05 Mar 2024     "));
    Item(*w, "mnuHouseCampanus")->trigger();
    Item(*w, "mnuHouseCampanus")->trigger();  // the checked item stays checked
    EXPECT_EQ(w->CheckedHouseSystem(), 'C');
    EXPECT_EQ(CaptionLinesOf(w->Chart())[7], "Campanus");
    int checked = 0;
    for (const MenuCommand& house : MenuBarTable()[1].commands)
        checked += Item(*w, house.name)->isChecked();
    EXPECT_EQ(checked, 1);
}

TEST_F(MainWindowTest, RunningClockRecomputesOnceAtTheFirstTickOfEveryMinute) {
    auto w = Open();
    const int start = w->RecomputeCount();
    const auto tick_at = [&](int minute, int second, int ms = 20) {
        clock_.now = sys_days{year{2024} / 3 / 5} + hours{10} + minutes{minute} + seconds{second} +
                     milliseconds{ms};
        w->onClockTick();
    };
    tick_at(0, 31);
    tick_at(0, 59);
    EXPECT_EQ(w->RecomputeCount(), start);
    tick_at(1, 0);
    EXPECT_EQ(w->RecomputeCount(), start + 1);
    EXPECT_EQ(w->Chart().Moment, sys_days{year{2024} / 3 / 5} + 10h + 1min);
    tick_at(1, 1);
    // The tick of 10:02:00 comes late (10:02:03): the minute is recomputed all the same.
    tick_at(2, 3, 900);
    EXPECT_EQ(w->RecomputeCount(), start + 2);
    EXPECT_EQ(w->Chart().Moment, sys_days{year{2024} / 3 / 5} + 10h + 2min);
    tick_at(2, 4);
    EXPECT_EQ(w->RecomputeCount(), start + 2);
    EXPECT_THAT(w->windowTitle().toStdString(), HasSubstr("05 Mar 2024     10:02:04"));
    // Stopped, the clock only updates the caption; running again, the chart jumps to now.
    Item(*w, "mnuElectionsRunning")->trigger();
    EXPECT_FALSE(w->Running());
    const int stopped = w->RecomputeCount();
    clock_.now += minutes{5};
    w->onClockTick();
    EXPECT_EQ(w->RecomputeCount(), stopped);
    EXPECT_THAT(w->windowTitle().toStdString(), HasSubstr("10:07:04"));
    Item(*w, "mnuElectionsRunning")->trigger();
    EXPECT_EQ(w->RecomputeCount(), stopped + 1);
    EXPECT_EQ(w->Chart().Moment, sys_days{year{2024} / 3 / 5} + 10h + 7min);
}

TEST_F(MainWindowTest, UpdateKeysStepTheElectionMomentAndStopTheClock) {
    auto w = Open();
    ShowActive(*w);
    QTest::keyClick(w.get(), Qt::Key_F3);  // Add a Day
    EXPECT_FALSE(w->Running());
    EXPECT_EQ(w->Election().ElectDay, 6);
    EXPECT_EQ(w->Chart().ChartTitle, "Now - election chart");
    QTest::keyClick(w.get(), Qt::Key_F6);  // Go back an hour
    EXPECT_EQ(w->Election().ElectHour, 9);
    QTest::keyClick(w.get(), Qt::Key_F9, Qt::ShiftModifier);  // Go back a minute
    EXPECT_EQ(w->Election().ElectMinute, 59);
    EXPECT_EQ(w->Election().ElectHour, 8);
    // Hours of a running clock later, Go back a day still steps from the election moment.
    clock_.now += hours{30};
    QTest::keyClick(w.get(), Qt::Key_F4);
    EXPECT_EQ(w->Election().ElectDay, 5);
}

// The minute leaves a size the user chose; what it finds wrong is said once, not in a box that
// stops the clock, and again only after the options were saved.
TEST_F(MainWindowTest, MinuteKeepsTheUsersSizeAndSaysItsProblemOnce) {
    SetOption(22, "70");  // the home latitude, too high for Placidus
    auto w = Open();
    EXPECT_THAT(notifier_.Texts(), ElementsAre(HasSubstr("latitude is too high")));  // at start
    w->resize(300, 200);
    const auto minutes_pass = [&](int count) {
        for (int m = 0; m < count; ++m, w->onClockTick()) clock_.now += minutes{1};
    };
    minutes_pass(3);
    EXPECT_EQ(w->size(), QSize(300, 200));
    EXPECT_EQ(notifier_.problems.size() + clock_notes_.problems.size(), 1u);
    Item(*w, "mnuOptionsOptions")->trigger();
    ShownWindow("Edit: OPTIONS.OPT")->findChild<QPushButton*>("btnSave")->click();
    minutes_pass(3);
    EXPECT_THAT(clock_notes_.Texts(), ElementsAre(HasSubstr("latitude is too high")));
}

// The full page keeps its ink inside the printable area it is given: the printer's margins stay
// blank.
TEST_F(MainWindowTest, FullPageInkStaysInsideThePrintableArea) {
    auto w = Open();
    QImage page(595, 842, QImage::Format_RGB32), blank = page;  // A4 at 72 dpi: a pixel a point
    page.setDotsPerMeterX(2835), page.setDotsPerMeterY(2835);
    page.fill(Qt::white), blank.fill(Qt::white);
    QPainter painter(&page);
    PaintFullPage(painter, QRect(28, 28, 539, 786), w->MakeWheelInputs(PrinterPageWheelStyle()));
    painter.fillRect(QRect(28, 28, 539, 786), Qt::white);  // what is left lies in the margins
    painter.end();
    EXPECT_TRUE(page == blank);
}

// Closing the window is Exit: it writes the INI file the next start reads. Layout only redraws.
TEST_F(MainWindowTest, ClosingWritesTheIniFileThatTheNextStartReads) {
    {
        auto w = Open();
        const int before = w->RecomputeCount();
        Item(*w, "mnuCTEuropean")->trigger();
        EXPECT_EQ(w->RecomputeCount(), before);
        w->show();
        w->close();
    }
    const QByteArray ini = ReadBytes(dir_.filePath("ORVANTIS.INI"));
    EXPECT_TRUE(ini.startsWith("[Orvantis] - Do NOT change the order of these variables.\r\n"));
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
        Item(*w, "mnuHelpOrvantis")->trigger();
        w->onFileExit();
    }
    EXPECT_THAT(notifier_.Texts(), ::testing::IsEmpty());  // options, font, tables, help found
    EXPECT_TRUE(QFile::exists(installed.settings + "/ORVANTIS.INI"));
    EXPECT_FALSE(QFile::exists(dir_.filePath("ORVANTIS.INI")));
}

TEST_F(MainWindowTest, ASavedPositionOffEveryScreenComesBackOntoOne) {
    SetOption(33, "1");
    ASSERT_TRUE(
        WriteBytes(dir_.filePath("ORVANTIS.INI"), "OrvantisLeft=450000\r\nOrvantisTop=600\r\n"));
    auto w = Open();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(w->pos()));
}

// Without OPTIONS.OPT the window starts on the master's values and says so, as Options does.
TEST_F(MainWindowTest, MissingOptionsFileStartsOnTheMasterAndIsReported) {
    QFile::remove(dir_.filePath("OPTIONS.OPT"));
    auto w = Open();
    EXPECT_THAT(notifier_.Texts(), Contains(HasSubstr("OPTIONS.MAS")));
    notifier_.problems.clear();
    Item(*w, "mnuOptionsOptions")->trigger();
    EXPECT_THAT(notifier_.Texts(), ::testing::ElementsAre("OPTIONS.OPT File Not Found"));
}

// The wheel paints only what it was handed, so every change of chart, layout, scale or options
// must reach it. The aspect window follows the chart: a minute refreshes it, never closes it.
TEST_F(MainWindowTest, TheWheelIsHandedEveryChangeOfWhatItPaints) {
    auto w = Open();
    ShowActive(*w);
    Item(*w, "mnuAspects")->trigger();
    ASSERT_NE(ShownWindow("Aspects"), nullptr);
    const auto handed = [&](const char* change) {
        SCOPED_TRACE(change);
        const WheelPicture& p = w->Wheel()->Picture();
        EXPECT_EQ(CaptionLinesOf(p.chart), CaptionLinesOf(w->Chart()));
        EXPECT_EQ(p.options, w->Options());
        EXPECT_EQ(p.StartScale, w->StartScale());
        EXPECT_EQ(p.TypeChart, w->TypeChart());
    };
    clock_.now += minutes{1};
    w->onClockTick();
    handed("minute");
    QApplication::processEvents();
    QWidget* aspects = ShownWindow("Aspects");
    ASSERT_NE(aspects, nullptr);
    EXPECT_GE(aspects->width(), aspects->fontMetrics().horizontalAdvance("Aspects") + 100);
    Item(*w, "mnuCTEuropean")->trigger();
    handed("layout");
    const int scale = w->StartScale();
    w->resize(w->width(), w->height() * 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->StartScale() != scale; }));
    handed("resize");
    Item(*w, "mnuOptionsOptions")->trigger();
    Item(*w, "mnuOptionsOptions")->trigger();  // the open editor comes forward, still wired
    auto* editor = qobject_cast<TextFileEditor*>(ShownWindow("Edit: OPTIONS.OPT"));
    ASSERT_NE(editor, nullptr);
    QStringList lines = editor->ContentEdit()->toPlainText().split('\n');
    lines[122] = "1";  // the sidereal zodiac
    editor->ContentEdit()->setPlainText(lines.join('\n'));
    editor->findChild<QPushButton*>("btnSave")->click();
    handed("options");
}

}  // namespace
}  // namespace orvantis
