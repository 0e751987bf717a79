// Transits to a saved chart as a user meets them: chosen, listed before the sky's events in the
// events window and the status bar, kept across a restart, and turned off.
#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>

#include "library/chart_library.h"
#include "support/main_window_fixture.h"

namespace orvantis {
namespace {

class TransitsTest : public MainWindowFixture {};

TEST_F(TransitsTest, ChosenChartLeadsTheListAndOutlivesARestart) {
    QFile::copy(QString(ORVANTIS_DATA_DIR) + "/TRANSIT.ORB", dir_.filePath("TRANSIT.ORB"));
    ChartRecord ann;
    ann.name = "Ann";
    ann.year = 1987, ann.month = 7, ann.day = 31, ann.hour = 14, ann.minute = 20;
    ASSERT_FALSE(ChartLibrary::Open(dir_.filePath("charts.sqlite"), nullptr)->Save(ann));
    {
        auto w = Open();
        w->SetTransitsTo("Ann");
        Item(*w, "mnuEventsShow")->trigger();
        auto* list = w->findChild<QTableWidget*>("eventList");
        ASSERT_TRUE(list && list->rowCount() > 1);
        // Transits first, each in order of time, then the sky's own events.
        EXPECT_TRUE(list->item(0, 2)->text().contains(" natal "));
        Item(*w, "mnuEventsStatusBar")->trigger();
        w->onClockTick();
        EXPECT_TRUE(w->findChild<QLabel*>("nextEventLabel")->text().contains(" natal "));
        w->onFileExit();
    }
    auto w = Open();  // the program started again
    EXPECT_EQ(w->TransitsTo(), "Ann");
    Item(*w, "transitsOffAction")->trigger();
    EXPECT_EQ(w->TransitsTo(), "");
    w->SetTransitsTo("Nobody");  // not in the library: said, and off
    EXPECT_EQ(w->TransitsTo(), "");
    EXPECT_FALSE(notifier_.problems.empty());
    EXPECT_TRUE(notifier_.problems.back().text.find("Nobody") != std::string::npos);
}

}  // namespace
}  // namespace orvantis
