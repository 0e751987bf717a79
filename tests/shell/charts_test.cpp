// The chart library and the atlas as a user meets them: a chart saved, the program started
// again, the chart opened; the Charts window's commands; a town chosen in the Place box; the home
// place set by name.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

#include "support/main_window_fixture.h"
#include "support/window_helpers.h"
#include "windows/charts_window.h"
#include "windows/election_window.h"
#include "windows/home_place_window.h"
#include "windows/place_field.h"

namespace orvantis {
namespace {

ChartRecord Kolkata1943() {
    ChartRecord c;
    c.name = "Kolkata 1943";
    c.year = 1943, c.month = 6, c.day = 1, c.hour = 12, c.minute = 0;
    c.zone_name = "Asia/Kolkata";
    c.zone_hours = -6.5;
    c.place = "Kolkata, State of West Bengal, India";
    c.latitude = 22 + 34 / 60.0;
    c.longitude = 88 + 22 / 60.0;
    return c;
}

class ChartsTest : public MainWindowFixture {
protected:
    std::unique_ptr<ChartLibrary> Library() {
        return ChartLibrary::Open(dir_.filePath("charts.sqlite"), nullptr);
    }
    // Runs `act` on the shown window of that title once the modal loop runs.
    static void WhenShown(const QString& title, std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [title, act] {
            if (QWidget* window = ShownWindow(title)) act(window);
        });
    }
};

// Saved from the window, opened after a restart: the same chart, at the offset tzdata holds for
// Kolkata on 1 June 1943 (+06:30, war time).
TEST_F(ChartsTest, SavedChartReopensIdenticallyAfterARestart) {
    {
        auto w = Open();
        auto library = Library();
        ChartsWindow::Actions actions;
        actions.current = [] { return std::optional(Kolkata1943()); };
        actions.ask_name = [](const QString&, const QString& name) { return std::optional(name); };
        ChartsWindow(*library, actions, notifier_).onSave();
    }
    auto w = Open();  // the program started again
    WhenShown("Charts", [](QWidget* charts) {
        charts->findChild<QLineEdit*>("chartsSearchEdit")->setText("west bengal");
        charts->findChild<QTableView*>("chartsTable")->selectRow(0);
        charts->findChild<QPushButton*>("openChartButton")->click();
    });
    Item(*w, "chartsAction")->trigger();
    EXPECT_FALSE(w->Running());
    EXPECT_EQ(w->Chart().ChartZone, -6.5f);
    EXPECT_EQ(w->Chart().ChartZoneName, "Asia/Kolkata");
    EXPECT_EQ(RecordOf(w->Election(), Kolkata1943()), Kolkata1943());
    EXPECT_TRUE(notifier_.problems.empty()) << notifier_.Texts()[0];
}

TEST_F(ChartsTest, WindowCommandsAskFirstAndKeepNamesApart) {
    auto library = Library();
    for (const char* name : {"Alpha", "Beta", "Gamma"}) {
        ChartRecord c = Kolkata1943();
        c.name = name;
        c.notes = std::string(name) == "Beta" ? "market opening" : "";
        ASSERT_FALSE(library->Save(c).has_value());
    }
    bool answer = false;
    QString asked;
    ChartsWindow::Actions actions;
    actions.current = [] { return std::optional(Kolkata1943()); };
    actions.confirm = [&](const QString& question) {
        asked = question;
        return answer;
    };
    actions.ask_name = [](const QString&, const QString&) {
        return std::optional<QString>("Beta");
    };
    actions.choose_file = [&](bool) { return dir_.filePath("all.aaf"); };
    ChartsWindow window(*library, actions, notifier_);
    auto* table = window.findChild<QTableView*>("chartsTable");
    const auto click = [&](const char* button) { window.findChild<QPushButton*>(button)->click(); };

    window.findChild<QLineEdit*>("chartsSearchEdit")->setText("MARKET");  // notes count
    EXPECT_EQ(window.ShownCount(), 1);
    table->selectRow(0);
    click("deleteChartButton");  // answered no
    EXPECT_TRUE(library->Contains("Beta"));
    EXPECT_TRUE(asked.contains("Beta"));
    click("saveChartButton");  // "Beta" exists: answered no, so it stays as it was
    EXPECT_EQ(library->Find("Beta")->notes, "market opening");
    answer = true;
    click("saveChartButton");  // replaced, its notes kept
    EXPECT_EQ(library->Find("Beta")->year, 1943);
    EXPECT_EQ(library->Find("Beta")->notes, "market opening");
    click("duplicateChartButton");
    EXPECT_TRUE(library->Contains("Beta copy"));
    window.findChild<QLineEdit*>("chartsSearchEdit")->clear();
    table->selectRow(0);         // Alpha
    click("renameChartButton");  // to "Beta": taken, refused
    EXPECT_EQ(notifier_.problems.size(), 1u);
    EXPECT_TRUE(library->Contains("Alpha"));
    click("deleteChartButton");
    EXPECT_FALSE(library->Contains("Alpha"));
    EXPECT_EQ(window.ShownCount(), 3);
    click("exportChartsButton");
    click("importChartsButton");  // every chart again, under names of their own
    EXPECT_EQ(window.ShownCount(), 6);
    EXPECT_EQ(library->Find("Beta copy (2)")->notes, "market opening");
    EXPECT_EQ(notifier_.problems.back().text, "3 charts imported.");
}

// "Kolk" offers Kolkata; choosing it fills the coordinates and the zone; typing a coordinate
// clears the place again. The home place by name lands on the home lines of OPTIONS.OPT.
TEST_F(ChartsTest, PlaceBoxFillsTheCoordinatesAndTheZone) {
    const auto atlas = SystemPlaceLookup();
    if (!atlas) GTEST_SKIP() << "libgeonames has no towns here";
    ElectionData election;
    ChartState chart;
    OptionValues options{};
    ElectionWindow window(election, chart, options, 'P', notifier_, nullptr);
    window.SetPlaces(atlas.get());
    auto* place = window.findChild<PlaceField*>("placeEdit");
    QTest::keyClicks(place, "Kolk");
    const QModelIndex first = place->completer()->completionModel()->index(0, 0);
    EXPECT_EQ(first.data().toString(), "Kolkata, State of West Bengal, India");
    place->completer()->popup()->setCurrentIndex(first);
    QTest::keyClick(place->completer()->popup(), Qt::Key_Return);
    const auto text = [&](const char* name) { return window.findChild<QLineEdit*>(name)->text(); };
    EXPECT_EQ(
        QStringList({text("longitudeDegreesEdit"), text("longitudeMinutesEdit"),
                     text("latitudeDegreesEdit"), text("latitudeMinutesEdit"), text("zoneEdit")}),
        QStringList({"88", "22", "22", "34", "Asia/Kolkata"}));
    EXPECT_TRUE(window.findChild<QRadioButton*>("eastOption")->isChecked());
    EXPECT_EQ(place->text(), "Kolkata, State of West Bengal, India");
    QTest::keyClicks(window.findChild<QLineEdit*>("latitudeMinutesEdit"), "5");
    EXPECT_TRUE(place->text().isEmpty());

    HomePlaceWindow home(options, "", atlas.get(), dir_.filePath("OPTIONS.OPT"), notifier_);
    auto* home_place = home.findChild<PlaceField*>("homePlaceEdit");
    QTest::keyClicks(home_place, "London, Ontario");
    home_place->completer()->popup()->setCurrentIndex(
        home_place->completer()->completionModel()->index(0, 0));
    QTest::keyClick(home_place->completer()->popup(), Qt::Key_Return);
    EXPECT_EQ(home_place->text(), "London, Ontario, Canada");  // filling kept it
    ASSERT_TRUE(home.onSave());
    const QStringList lines =
        QString::fromLatin1(ReadBytes(dir_.filePath("OPTIONS.OPT"))).split("\r\n");
    QStringList values;
    for (int line = 19; line <= 24; ++line) values << lines[line - 1].left(7).trimmed();
    EXPECT_EQ(values, QStringList({"81", "14", "0", "42", "59", "0"}));
    EXPECT_TRUE(lines[130].startsWith("America/Toronto"));
}

}  // namespace
}  // namespace orvantis
