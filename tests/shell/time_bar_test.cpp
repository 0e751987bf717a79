// The time bar driven through the main window by its keys, play and track: the chart follows,
// the caption says so, the minute tick leaves it, and Home gives the running clock back.
#include "shell/time_bar.h"

#include <gtest/gtest.h>

#include <QSlider>
#include <set>

#include "shell/menu_table.h"
#include "support/main_window_fixture.h"

namespace orvantis {
namespace {

using namespace std::chrono;

class TimeBarTest : public MainWindowFixture {};

TEST_F(TimeBarTest, KeysPlayAndTrackMoveTheChartUntilHomeBringsTheClockBack) {
    auto w = Open();
    ShowActive(*w);
    TimeBar& bar = *w->TravelBar();
    const auto now = floor<minutes>(clock_.now);
    const auto shown = [&] { return w->Chart().Moment; };
    QTest::keyClick(w.get(), Qt::Key_Right);  // the bar is off: the key does nothing
    EXPECT_TRUE(w->Running());
    EXPECT_FALSE(bar.isVisible());

    Item(*w, "mnuViewTimeBar")->trigger();
    ASSERT_TRUE(bar.isVisible());
    const struct {
        QKeyCombination key;
        sys_seconds to;
    } keys[] = {{Qt::Key_Right, now + hours{1}},
                {Qt::SHIFT | Qt::Key_Right, now + hours{11}},
                {Qt::CTRL | Qt::Key_Left, now - hours{13}},
                {Qt::Key_Left, now - hours{14}}};
    for (const auto& k : keys) {
        QTest::keyClick(w.get(), k.key.key(), k.key.keyboardModifiers());
        EXPECT_EQ(shown(), k.to) << QKeySequence(k.key).toString().toStdString();
    }
    EXPECT_FALSE(w->Running());
    EXPECT_EQ(w->Chart().ChartTitle, "Time travel - election chart");
    clock_.now += minutes{1};
    w->onClockTick();  // the minute tick leaves the travelled chart alone
    EXPECT_EQ(shown(), now - hours{14});

    QTest::keyClick(w.get(), Qt::Key_PageDown);
    const auto event = shown();
    EXPECT_GT(event, now - hours{14});
    EXPECT_LT(event, now + days{10});

    QTest::keyClick(w.get(), Qt::Key_Space);
    EXPECT_TRUE(w->windowTitle().contains("Playing \u2014 "));
    QTest::qWait(300);  // an hour a second: some minutes on
    QTest::keyClick(w.get(), Qt::Key_Space);
    EXPECT_FALSE(bar.Playing());
    EXPECT_GT(shown(), event);
    EXPECT_LT(shown(), event + hours{3});
    EXPECT_FALSE(w->windowTitle().contains(QString::fromUtf8("\u2014")));

    auto* track = bar.findChild<QSlider*>("timeTrack");
    track->setSliderDown(true);
    track->setValue(0);
    QTest::qWait(50);
    EXPECT_TRUE(w->windowTitle().contains("Scrubbing \u2014 "));
    EXPECT_LT(shown(), event - hours{6});
    track->setSliderDown(false);

    QTest::keyClick(w.get(), Qt::Key_Home);
    EXPECT_TRUE(w->Running());
    EXPECT_EQ(shown(), now + minutes{1});

    // The bar's keys are none of the menus' shortcuts.
    std::set<QKeySequence> menu_keys;
    for (const MenuBarEntry& entry : MenuBarTable())
        for (const MenuCommand& c : entry.commands) menu_keys.insert(QKeySequence(c.shortcut));
    for (const QAction* a : bar.actions()) EXPECT_FALSE(menu_keys.contains(a->shortcut()));
}

}  // namespace
}  // namespace orvantis
