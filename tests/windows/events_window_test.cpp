// The Coming Events window and the status bar line, driven through the main window with a
// hand-set clock.
#include "windows/events_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <algorithm>

#include "events/event_text.h"
#include "support/main_window_fixture.h"
#include "windows/help_window.h"

namespace orvantis {
namespace {

using namespace std::chrono;

class EventsWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window_ = Open();
        ShowActive(*window_);
    }
    sys_seconds Now() const { return floor<seconds>(clock_.now); }
    EventsWindow* Events() const { return window_->findChild<EventsWindow*>("frmEvents"); }
    // The rows' "In words" and "Countdown" texts.
    std::vector<std::pair<QString, QString>> Rows() const {
        std::vector<std::pair<QString, QString>> rows;
        const QTableWidget* list = Events()->List();
        for (int row = 0; row < list->rowCount(); ++row)
            rows.emplace_back(list->item(row, 2)->text(), list->item(row, 3)->text());
        return rows;
    }

    std::unique_ptr<MainWindow> window_;
};

TEST_F(EventsWindowTest, F10ListsTheComingEventsThatCountDownWithTheClock) {
    QTest::keyClick(window_.get(), Qt::Key_F10);
    ASSERT_NE(Events(), nullptr);
    const auto expected = FindEvents(Now(), Now() + kEventsAhead,
                                     EventSettingsFromOptions(window_->Options()), AllEventKinds());
    const auto rows = Rows();
    ASSERT_GE(rows.size(), expected.size());  // and a void of course under way, if there is one
    const Event& first = expected.front();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) {
        return r.first.startsWith(QString::fromStdString(EventWords(first)));
    });
    ASSERT_NE(row, rows.end());
    EXPECT_EQ(row->second.toStdString(), CountdownText((first.ut - Now()).count()));
    clock_.now += seconds{61};
    window_->Timer1_Timer();
    EXPECT_EQ(Rows()[row - rows.begin()].second.toStdString(),
              CountdownText((first.ut - Now()).count()));
}

TEST_F(EventsWindowTest, KindBoxesFilterTheListAndTheStatusLine) {
    QStatusBar* status = window_->statusBar();
    EXPECT_FALSE(status->isVisible());  // off until chosen
    Item(*window_, "mnuEventsStatusBar")->trigger();
    EXPECT_TRUE(status->isVisible());
    const QLabel* line = window_->findChild<QLabel*>("lblNextEvent");
    EXPECT_TRUE(line->text().startsWith("Next: ")) << line->text().toStdString();
    Item(*window_, "mnuEventsShow")->trigger();
    for (const EventKind hidden : {EventKind::kAngle, EventKind::kAspect})
        Events()->KindBox(hidden)->setChecked(false);
    for (const auto& [words, countdown] : Rows()) {
        EXPECT_FALSE(words.contains(" enters ") &&
                     (words.startsWith("Asc") || words.startsWith("MC")));
        EXPECT_FALSE(words.contains(" square ") || words.contains(" trine "));
    }
    window_->Timer1_Timer();
    EXPECT_FALSE(line->text().contains("Asc enters") || line->text().contains("MC enters"));
    Events()->findChild<QPushButton*>("cmdHelp")->click();
    EXPECT_NE(Events()->findChild<HelpWindow*>(), nullptr);
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
    options[29] = 1;  // the true node: other ingresses
    EXPECT_TRUE(feed.Update(first + seconds{2}));
}

}  // namespace
}  // namespace orvantis
