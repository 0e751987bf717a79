// Transits to a saved chart as a user meets them: chosen, listed before the sky's events in the
// events window and the status bar, printed as the bi-wheel, kept across a restart with the kind
// boxes (shown where an older INI file did not know them), and turned off.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>

#include "files/whole_file.h"
#include "library/chart_library.h"
#include "support/main_window_fixture.h"
#include "support/recording_surface.h"
#include "wheel/paint_cycle.h"
#include "windows/events_window.h"

namespace orvantis {
namespace {

class TransitsTest : public MainWindowFixture {};

TEST_F(TransitsTest, ChosenChartLeadsTheListAndOutlivesARestart) {
    QFile::copy(QString(ORVANTIS_DATA_DIR) + "/TRANSIT.ORB", dir_.filePath("TRANSIT.ORB"));
    ChartRecord ann;
    ann.name = "Ann";
    ann.year = 1987, ann.month = 7, ann.day = 31, ann.hour = 14, ann.minute = 20;
    ASSERT_FALSE(ChartLibrary::Open(dir_.filePath("charts.sqlite"), nullptr)->Save(ann));
    ASSERT_TRUE(WriteFileWhole(dir_.filePath("ORVANTIS.INI"), "EventKinds=1\r\n"));  // bits
    {
        auto w = Open();
        w->SetTransitsTo("Ann");
        Item(*w, "mnuEventsShow")->trigger();
        auto* list = w->findChild<QTableWidget*>("eventList");
        ASSERT_TRUE(list && list->rowCount() > 1);
        // Transits first, each in order of time, then the sky's own events.
        EXPECT_TRUE(list->item(0, 2)->text().contains(" natal "));
        auto* events = w->findChild<EventsWindow*>("eventsWindow");
        EXPECT_TRUE(events->KindBox(EventKind::kTransit)->isChecked());
        EXPECT_FALSE(events->KindBox(EventKind::kStation)->isChecked());
        events->findChild<QCheckBox*>("transitMoonCheck")->setChecked(true);
        EXPECT_FALSE(list->findItems("^Moon .* natal ", Qt::MatchRegularExpression).isEmpty());
        Item(*w, "mnuEventsStatusBar")->trigger();
        w->onClockTick();
        EXPECT_TRUE(w->findChild<QLabel*>("nextEventLabel")->text().contains(" natal "));
        w->onFileExit();
    }
    auto w = Open();  // the program started again
    EXPECT_EQ(w->TransitsTo(), "Ann");
    Item(*w, "mnuEventsShow")->trigger();
    EXPECT_TRUE(w->findChild<QCheckBox*>("transitMoonCheck")->isChecked());
    EXPECT_FALSE(w->findChild<QCheckBox*>("stationCheck")->isChecked());
    Item(*w, "radixAspectsAction")->trigger();
    // The printed page is the bi-wheel, with the radix's own aspects when asked for.
    const WheelInputs page = w->MakeWheelInputs(PrinterPageWheelStyle());
    test::RecordingSurface surface;
    DrawingContext dc(surface, WheelUserScale(page, {600, 800}));
    int transit_glyphs = 0, radix_lines = 0;
    for (const DrawnItem& item : PaintWheel(dc, page).Items) {
        transit_glyphs += item.tag.ring == 1 && item.tag.kind == ItemKind::Glyph;
        radix_lines += item.tag.ring == 0 && item.tag.kind == ItemKind::AspectLine;
    }
    EXPECT_EQ(transit_glyphs, 11);
    EXPECT_GT(radix_lines, 0);
    Item(*w, "transitsOffAction")->trigger();
    EXPECT_EQ(w->TransitsTo(), "");
    w->SetTransitsTo("Nobody");  // not in the library: said, and off
    EXPECT_EQ(w->TransitsTo(), "");
    EXPECT_FALSE(notifier_.problems.empty());
    EXPECT_TRUE(notifier_.problems.back().text.find("Nobody") != std::string::npos);
}

}  // namespace
}  // namespace orvantis
