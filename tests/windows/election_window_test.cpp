// The election data window's wiring, driven by keys and clicks (the checks are the chart's own).
#include "windows/election_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "recording_notifier.h"

namespace orvantis {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The labels that show the angles and the buttons that recompute and step them.
constexpr const char* kShownMC = "mcValueLabel";
constexpr const char* kShownAsc = "ascendantValueLabel";
constexpr const char* kShownTime = "mediumTimeLabel";
constexpr const char* kNewAngles = "newAnglesButton";
constexpr const char* kMCPlus = "mcForwardButton";
constexpr const char* kMCMinus = "mcBackButton";

const std::string kError = "Error in election data. Please correct.";
const std::string kLatitude =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";

auto Fields(const ElectionData& e) {
    return std::tie(e.ElectEvent, e.ElectMonth, e.ElectDay, e.ElectYear, e.ElectHour, e.ElectMinute,
                    e.ElectPM, e.ElectZone, e.ElectLongDeg, e.ElectLongMin, e.ElectWest,
                    e.ElectLatDeg, e.ElectLatMin, e.ElectSouth);
}

class ElectionWindowTest : public ::testing::Test {
protected:
    ElectionWindowTest() { chart_ = ChartOf(record_); }

    ChartState ChartOf(const ElectionData& record) {
        ChartState chart;
        RecordingNotifier quiet;
        EXPECT_TRUE(ComputeChart(chart, record, options_, {'P', false, {}, 0, 0, ""}, quiet));
        return chart;
    }

    void Open(char house = 'P') {
        window_ = std::make_unique<ElectionWindow>(record_, chart_, options_, house, 0, notifier_,
                                                   [this] { ++unchecked_; });
        window_->show();
    }
    QLineEdit* Box(const char* name) { return window_->findChild<QLineEdit*>(name); }
    QString Shown(const char* label) { return window_->findChild<QLabel*>(label)->text(); }
    bool Checked(const char* name) { return window_->findChild<QRadioButton*>(name)->isChecked(); }
    void Click(const char* name) { window_->findChild<QAbstractButton*>(name)->click(); }
    void Type(const char* name, const QString& keys) {
        Box(name)->selectAll();
        QTest::keyClicks(Box(name), keys);
    }
    // "dayEdit=9;monthEdit=3", set as a paste past the key filter would.
    void Fill(const QString& fields) {
        for (const QString& field : fields.split(';'))
            Box(field.section('=', 0, 0).toLatin1())->setText(field.section('=', 1));
    }

    // 5 March 2024, 2:30 P.M. in zone 5, at 74°00' W 40°43' N.
    ElectionData record_{"Test", 3, 5, 2024, 2, 30, 1, 5, "", 74, 0, 1, 40, 43, 0, ""};
    ChartState chart_;
    OptionValues options_{};
    RecordingNotifier notifier_;
    int unchecked_ = 0;
    std::unique_ptr<ElectionWindow> window_;
};

// The chart on display may be another moment's: the running clock's, or the one kept after New
// Angles and Cancel. The angles shown are those of the record the boxes show.
TEST_F(ElectionWindowTest, OpensWithTheRecordAndItsAnglesAndStopsTheClock) {
    ElectionData other = record_;
    other.ElectYear = 1990;
    chart_ = ChartOf(other);
    Open();
    EXPECT_EQ(unchecked_, 1);
    EXPECT_EQ(Box("eventEdit")->text(), "Test");
    EXPECT_TRUE(Checked("pmOption") && Checked("westOption") && Checked("northOption"));
    EXPECT_EQ(Shown(kShownMC).toStdString(), FormatZodiacPosition(ChartOf(record_).MC));
    EXPECT_EQ(Shown(kShownTime), "02:30 PM");
    EXPECT_TRUE(notifier_.problems.empty());
}

// A zone name: the offset in force beside the box, the record keeps the name; a skipped hour
// is refused and an hour that occurs twice asks which.
TEST_F(ElectionWindowTest, ZoneByNameFindsTheOffsetInForce) {
    Open();
    std::vector<std::string> asked;
    window_->SetFoldChoice([&](const std::string& question, const AmbiguousTime&) {
        asked.push_back(question);
        return std::optional<int>(1);
    });
    Fill("yearEdit=1945;monthEdit=6;dayEdit=1;hourEdit=12;minuteEdit=0;longitudeDegreesEdit=13");
    Click("eastOption");
    Type("zoneEdit", "Europe/Berlin");
    EXPECT_EQ(Shown("zoneOffsetLabel"), "= -3 CEMT");  // double summer time
    Click(kNewAngles);
    EXPECT_EQ(std::tie(record_.ElectZoneName, record_.ElectZone),
              std::make_tuple(std::string("Europe/Berlin"), -3.0f));

    Fill("yearEdit=2024;monthEdit=3;dayEdit=31;hourEdit=2;minuteEdit=30");
    Click("amOption");
    EXPECT_EQ(Shown("zoneOffsetLabel"), "does not exist");
    Click("okButton");
    EXPECT_THAT(notifier_.Texts(), ElementsAre(HasSubstr("does not exist in Europe/Berlin")));
    EXPECT_EQ(record_.ElectYear, 1945);
    Fill("monthEdit=10;dayEdit=27");
    Click("okButton");
    EXPECT_THAT(asked, ElementsAre(HasSubstr("occurs twice in Europe/Berlin")));
    EXPECT_EQ(record_.ElectZone, -1.0f);  // the second: standard time again
}

// Every name of the database can be typed into the zone box key by key, old names and signs
// included: the completer offers, but neither selects what was typed nor lets a key replace it.
TEST_F(ElectionWindowTest, EveryZoneNameCanBeTypedWithoutLosingAKey) {
    Open();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    // The last is no zone: the list closes on its way, and focus comes back to the box.
    for (const char* name :
         {"Asia/Calcutta", "US/Eastern", "Europe/Kiev", "Etc/GMT+5", "Mars/Olympus_Mons"}) {
        Box("zoneEdit")->setFocus();
        Box("zoneEdit")->clear();
        QTest::keyClicks(Box("zoneEdit"), name, Qt::NoModifier, 1);  // events run between keys
        QApplication::processEvents();
        EXPECT_EQ(Box("zoneEdit")->text(), name);
        EXPECT_FALSE(Box("zoneEdit")->hasSelectedText()) << name;
        EXPECT_EQ(Shown("zoneOffsetLabel").startsWith("= "), name[0] != 'M') << name;
    }
}

// The hour is normalised once typed (on leaving the box, or by OK), never between keystrokes:
// "07" passes through "0". Hour 0 is midnight, 12 A.M., whatever was selected before.
TEST_F(ElectionWindowTest, HourIsNormalisedToTheTwelveHourClockWhenFinished) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"07", "7", true},  {"0", "12", false}, {"00", "12", false}, {"13", "1", true},
        {"12", "12", true}, {"99", "99", true}};  // 99 is no hour: left for the checks
    for (const auto& [typed, finished, pm] : cases) {
        Open();  // with P.M. selected
        Type("hourEdit", typed);
        EXPECT_EQ(Box("hourEdit")->text(), typed);
        emit Box("hourEdit")->editingFinished();  // the box is left
        EXPECT_EQ(Box("hourEdit")->text(), finished) << typed;
        EXPECT_EQ(Checked("pmOption"), pm) << typed;
    }
    Open();
    Type("hourEdit", "00");
    Click("okButton");  // OK finishes the entry too
    EXPECT_EQ(std::tie(record_.ElectHour, record_.ElectPM), std::make_tuple(12, 0));
    Open();
    Type("hourEdit", "");  // an empty box is reported when it is left, not before
    QTest::keyClick(Box("hourEdit"), Qt::Key_Backspace);
    EXPECT_TRUE(notifier_.problems.empty());
    emit Box("hourEdit")->editingFinished();
    EXPECT_THAT(notifier_.Texts(), ElementsAre("Please fill in a value for birth hour."));
}

// Key filters let digits through, and the zone its sign and point; East and West force its sign.
TEST_F(ElectionWindowTest, KeyFiltersAndEastAndWestShapeTheBoxes) {
    Open();
    Type("dayEdit", "1a2-.");
    QTest::keyClick(Box("dayEdit"), Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(Box("dayEdit")->text(), "127");
    Type("zoneEdit", "-1.5#");
    EXPECT_EQ(Box("zoneEdit")->text(), "-1.5");
    for (const auto& [typed, east, west] :
         {std::tuple{"5", "-5", "5"}, {"-3.5", "-3.5", "3.5"}, {"--", "--", "--"}}) {
        Box("zoneEdit")->setText(typed);
        Click("eastOption");
        EXPECT_EQ(Box("zoneEdit")->text(), east) << typed;
        Click("westOption");
        EXPECT_EQ(Box("zoneEdit")->text(), west) << typed;
    }
}

// Every message in order, the window kept open with what was typed, the record untouched; the
// house system chosen decides the latitude check.
TEST_F(ElectionWindowTest, RefusalKeepsTheWindowOpenWithTheTypedValues) {
    const ElectionData before = record_;
    Open();
    Fill("monthEdit=13;minuteEdit=60;latitudeDegreesEdit=67");
    Click("okButton");
    // One message naming each box and why, in the window's order; the first takes the focus.
    EXPECT_THAT(notifier_.Texts(), ElementsAre(kError + "\nBirth Month 13: a month is 1 to 12\n" +
                                               "Birth Minute 60: a minute is 0 to 59\n" +
                                               "Lat Degrees 67: " + kLatitude));
    EXPECT_EQ(window_->focusWidget(), Box("monthEdit"));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(window_->InputAccepted());
    EXPECT_EQ(Fields(record_), Fields(before));
    EXPECT_EQ(Box("monthEdit")->text(), "13");
    Open('M');
    Fill("latitudeDegreesEdit=67");
    Click("okButton");
    EXPECT_TRUE(window_->InputAccepted());
}

TEST_F(ElectionWindowTest, NewAnglesShowsTheAnglesOfTheTypedDataAndPlusMinusStepThem) {
    Open();
    Fill(
        "monthEdit=1;dayEdit=1;yearEdit=2000;hourEdit=12;minuteEdit=0;zoneEdit=0;"
        "longitudeDegreesEdit=0;longitudeMinutesEdit=0;latitudeDegreesEdit=51;latitudeMinutesEdit="
        "30");
    Click(kNewAngles);
    const ChartState expected = ChartOf(record_);
    EXPECT_EQ(Shown(kShownMC).toStdString(), FormatZodiacPosition(expected.PlanetLong[kMCBody]));
    EXPECT_EQ(Shown(kShownAsc).toStdString(),
              FormatZodiacPosition(expected.PlanetLong[kAscendantBody]));
    // Refused data: the message, and the angles stay those of the last good data.
    const QString shown = Shown(kShownMC);
    Fill("monthEdit=13");
    Click(kNewAngles);
    EXPECT_THAT(notifier_.Texts(), ElementsAre(HasSubstr(kError)));
    EXPECT_EQ(Shown(kShownMC), shown);
    // Plus and minus step the MC shown; the user reads the time and types it.
    const ElectionData before = record_;
    Click(kMCPlus);
    EXPECT_NE(Shown(kShownMC), shown);
    Click(kMCMinus);
    EXPECT_EQ(Shown(kShownMC), shown);
    EXPECT_EQ(Fields(record_), Fields(before));
}

// Enter accepts the typed record, its free-text event kept as the eight-bit text the wheel draws.
TEST_F(ElectionWindowTest, CancelAndEscapeKeepTheRecordAndEnterAcceptsTheEventInLatin1) {
    const std::pair<std::function<void()>, bool> leave[] = {
        {[&] { Click("cancelButton"); }, false},
        {[&] { QTest::keyClick(Box("dayEdit"), Qt::Key_Escape); }, false},
        {[&] { QTest::keyClick(Box("dayEdit"), Qt::Key_Return); }, true}};
    for (const auto& [action, accepted] : leave) {
        Open();
        Fill("dayEdit=9;eventEdit=Zürich ☉");
        action();
        EXPECT_FALSE(window_->isVisible());
        EXPECT_EQ(window_->InputAccepted(), accepted);
        EXPECT_EQ(record_.ElectDay, accepted ? 9 : 5);
        EXPECT_EQ(record_.ElectEvent, accepted ? "Z\xfcrich ?" : "Test");
    }
}

}  // namespace
}  // namespace orvantis
