// The election data window driven by keys and clicks; a recording notifier takes the messages.
#include "windows/election_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "recording_notifier.h"

namespace orvantis {
namespace {

const std::string kError = "Error in election data. Please correct.";
const std::string kLatitude =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";
const std::string kFillHour = "Please fill in a value for birth hour.";

auto Fields(const ElectionData& e) {
    return std::tie(e.ElectEvent, e.ElectMonth, e.ElectDay, e.ElectYear, e.ElectHour, e.ElectMinute,
                    e.ElectPM, e.ElectZone, e.ElectLongDeg, e.ElectLongMin, e.ElectWest,
                    e.ElectLatDeg, e.ElectLatMin, e.ElectSouth);
}

class ElectionWindowTest : public ::testing::Test {
protected:
    ElectionWindowTest() {
        record_.ElectEvent = "Test";
        record_.ElectMonth = 3, record_.ElectDay = 5, record_.ElectYear = 2024;
        record_.ElectHour = 2, record_.ElectMinute = 30, record_.ElectPM = 1;
        record_.ElectZone = 5;
        record_.ElectLongDeg = 74, record_.ElectLongMin = 0, record_.ElectWest = 1;
        record_.ElectLatDeg = 40, record_.ElectLatMin = 43, record_.ElectSouth = 0;
        chart_ = ChartOf(record_);
    }

    ChartState ChartOf(const ElectionData& record) {
        ChartState chart;
        RecordingNotifier quiet;
        EXPECT_TRUE(ComputeChart(chart, record, options_, {'P', false, {}, 0}, quiet));
        return chart;
    }

    ElectionWindow& Open(char house = 'P') {
        window_ = std::make_unique<ElectionWindow>(record_, chart_, options_, house, 0, notifier_,
                                                   [this] { ++unchecked_; });
        window_->show();
        return *window_;
    }
    QLineEdit* Box(const char* name) { return window_->findChild<QLineEdit*>(name); }
    QLabel* Label(const char* name) { return window_->findChild<QLabel*>(name); }
    void Click(const char* name) { window_->findChild<QAbstractButton*>(name)->click(); }
    void Type(const char* name, const QString& keys) {
        Box(name)->selectAll();
        QTest::keyClicks(Box(name), keys);
    }
    // Typing or pasting leaves the same text; setText stands for pasting past the key filter.
    void Fill(const std::vector<std::pair<const char*, const char*>>& fields) {
        for (const auto& [name, text] : fields) Box(name)->setText(QString::fromUtf8(text));
    }

    ElectionData record_;
    ChartState chart_;
    OptionValues options_{};
    RecordingNotifier notifier_;
    int unchecked_ = 0;
    std::unique_ptr<ElectionWindow> window_;
};

TEST_F(ElectionWindowTest, OpensWithTheRecordAndStopsTheClock) {
    Open();
    EXPECT_EQ(unchecked_, 1);
    EXPECT_EQ(Box("txtEvent")->text(), "Test");
    EXPECT_EQ(Box("txtTZ")->text(), "5");
    EXPECT_EQ(Box("txtLatMin")->text(), "43");
    EXPECT_TRUE(window_->findChild<QRadioButton*>("optPM")->isChecked());
    EXPECT_TRUE(window_->findChild<QRadioButton*>("optWest")->isChecked());
    EXPECT_TRUE(window_->findChild<QRadioButton*>("optNorth")->isChecked());
    EXPECT_EQ(Label("Label5")->text().toStdString(), FormatZodiacPosition(chart_.MC));
    EXPECT_EQ(Label("Label4")->text(), "02:30 PM");
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
    Fill({{"txtYear", "1945"},
          {"txtMonth", "6"},
          {"txtDay", "1"},
          {"txtBirthHour", "12"},
          {"txtBirthMinute", "0"},
          {"txtLongDeg", "13"}});
    Click("optEast");
    Type("txtTZ", "Europe/Berlin");
    EXPECT_EQ(Label("lblZoneOffset")->text(), "= -3 CEMT");  // double summer time
    Click("Command4");
    EXPECT_EQ(std::tie(record_.ElectZoneName, record_.ElectZone),
              std::make_tuple(std::string("Europe/Berlin"), -3.0f));

    Fill({{"txtYear", "2024"},
          {"txtMonth", "3"},
          {"txtDay", "31"},
          {"txtBirthHour", "2"},
          {"txtBirthMinute", "30"}});
    Click("optAM");
    EXPECT_EQ(Label("lblZoneOffset")->text(), "does not exist");
    Click("cmdOK");
    EXPECT_THAT(notifier_.Texts(),
                ::testing::ElementsAre(::testing::HasSubstr("does not exist in Europe/Berlin")));
    EXPECT_EQ(record_.ElectYear, 1945);

    Fill({{"txtMonth", "10"}, {"txtDay", "27"}});
    Click("cmdOK");
    EXPECT_THAT(asked,
                ::testing::ElementsAre(::testing::HasSubstr("occurs twice in Europe/Berlin")));
    EXPECT_EQ(record_.ElectZone, -1.0f);  // the second: standard time again
}

TEST_F(ElectionWindowTest, KeyFiltersLetDigitsThroughAndTheZoneItsSignAndPoint) {
    Open();
    Type("txtDay", "1a2-.");
    EXPECT_EQ(Box("txtDay")->text(), "12");
    QTest::keyClick(Box("txtDay"), Qt::Key_Backspace);
    QTest::keyClick(Box("txtDay"), Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(Box("txtDay")->text(), "17");
    Type("txtTZ", "-1.5#");
    EXPECT_EQ(Box("txtTZ")->text(), "-1.5");
    // Pasting gets past the filter; the checks refuse what was pasted.
    QApplication::clipboard()->setText("12abc");
    Box("txtMonth")->selectAll();
    QTest::keyClick(Box("txtMonth"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box("txtMonth")->text(), "12abc");
}

// The hour is normalised once typed (on leaving the box, or by OK), never between keystrokes:
// "07" passes through "0". Hour 0 is midnight, 12 A.M., whatever was selected before.
TEST_F(ElectionWindowTest, HourIsNormalisedToTheTwelveHourClockWhenFinished) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"07", "7", true},  {"0", "12", false}, {"00", "12", false}, {"13", "1", true},
        {"12", "12", true}, {"99", "99", true}};  // 99 is no hour: left for the checks
    for (const auto& [typed, finished, pm] : cases) {
        Open();  // with P.M. selected
        Type("txtBirthHour", typed);
        EXPECT_EQ(Box("txtBirthHour")->text(), typed);
        emit Box("txtBirthHour")->editingFinished();  // the box is left
        EXPECT_EQ(Box("txtBirthHour")->text(), finished) << typed;
        EXPECT_EQ(window_->findChild<QRadioButton*>("optPM")->isChecked(), pm) << typed;
    }
    EXPECT_TRUE(notifier_.problems.empty());
    Open();
    Type("txtBirthHour", "00");
    Click("cmdOK");  // OK finishes the entry too
    EXPECT_EQ(std::tie(record_.ElectHour, record_.ElectPM), std::make_tuple(12, 0));

    Open();
    Box("txtBirthHour")->selectAll();
    QTest::keyClick(Box("txtBirthHour"), Qt::Key_Backspace);
    EXPECT_TRUE(notifier_.problems.empty());
    emit Box("txtBirthHour")->editingFinished();
    EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{kFillHour});
}

TEST_F(ElectionWindowTest, EastAndWestForceTheSignOfTheZone) {
    Open();
    for (const auto& [typed, east, west] :
         {std::tuple{"5", "-5", "5"}, {"-3.5", "-3.5", "3.5"}, {"--", "--", "--"}}) {
        Box("txtTZ")->setText(typed);
        Click("optEast");
        EXPECT_EQ(Box("txtTZ")->text(), east) << typed;
        Click("optWest");
        EXPECT_EQ(Box("txtTZ")->text(), west) << typed;
    }
}

struct Refusal {
    std::vector<std::pair<const char*, const char*>> fields;
    std::vector<std::string> messages;
    bool east = false;
    char house = 'P';
};

TEST_F(ElectionWindowTest, RefusalKeepsTheWindowOpenWithTheTypedValues) {
    // The checks themselves are tested at the validator; here the window's wiring: every
    // message in order, the window kept open with what was typed, the record untouched.
    const std::vector<Refusal> refusals = {
        {{{"txtTZ", "-14"}}, {kError}, true},
        {{{"txtLatDeg", "91"}, {"txtLatMin", "0"}}, {kLatitude, kError}, false, 'M'},
        {{{"txtLatDeg", "90"}, {"txtLatMin", "0"}}, {kLatitude}, false, 'I'},     // the pole
        {{{"txtMonth", "10"}, {"txtDay", "10"}, {"txtYear", "1582"}}, {kError}},  // skipped
        {{{"txtMonth", "13"}, {"txtBirthMinute", "60"}, {"txtLatDeg", "67"}},
         {kLatitude, kError, kError}},
        {{{"txtMonth", "7\r\n"}}, {kError}},
    };
    for (const auto& refusal : refusals) {
        const ElectionData before = record_;
        notifier_.problems.clear();
        Open(refusal.house);
        if (refusal.east) Click("optEast");
        Fill(refusal.fields);
        Click("cmdOK");
        const std::string which =
            refusal.fields.front().first + std::string("=") + refusal.fields.front().second;
        EXPECT_EQ(notifier_.Texts(), refusal.messages) << which;
        EXPECT_TRUE(window_->isVisible()) << which;
        EXPECT_FALSE(window_->InputAccepted()) << which;
        EXPECT_EQ(Fields(record_), Fields(before)) << which;
        for (const auto& [name, text] : refusal.fields)
            EXPECT_EQ(Box(name)->text(), QString::fromUtf8(text)) << which;
    }
}

TEST_F(ElectionWindowTest, EventIsFreeTextKeptInTheChartsEightBitText) {
    const ElectionData original = record_;
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"Zürich", "Z\xfcrich"},     // Latin-1, as the wheel draws it
        {"Sun ☉ — Ω", "Sun ? ? ?"},  // beyond Latin-1
    };
    for (const auto& [typed, stored] : cases) {
        record_ = original;
        notifier_.problems.clear();
        Open();
        Fill({{"txtEvent", typed}});
        Click("cmdOK");
        EXPECT_TRUE(window_->InputAccepted()) << typed;
        EXPECT_TRUE(notifier_.problems.empty()) << typed;
        EXPECT_EQ(record_.ElectEvent, stored) << typed;
        Open();  // shown again as stored
        EXPECT_EQ(Box("txtEvent")->text(), QString::fromLatin1(stored.data(), stored.size()));
    }
}

TEST_F(ElectionWindowTest, NewAnglesShowsTheAnglesOfTheTypedData) {
    Open();
    Fill({{"txtMonth", "1"},
          {"txtDay", "1"},
          {"txtYear", "2000"},
          {"txtBirthHour", "12"},
          {"txtBirthMinute", "0"},
          {"txtTZ", "0"},
          {"txtLongDeg", "0"},
          {"txtLongMin", "0"},
          {"txtLatDeg", "51"},
          {"txtLatMin", "30"}});
    Click("Command4");
    EXPECT_TRUE(notifier_.problems.empty());
    EXPECT_TRUE(window_->isVisible());
    const ChartState expected = ChartOf(record_);
    EXPECT_EQ(Label("Label5")->text().toStdString(),
              FormatZodiacPosition(expected.PlanetLong[kMCBody]));
    EXPECT_EQ(Label("Label3")->text().toStdString(),
              FormatZodiacPosition(expected.PlanetLong[kAscendantBody]));
    EXPECT_EQ(Label("Label4")->text(), "12:00 PM");

    // Refused data: the messages, and the angles stay those of the last good data.
    const QString shown = Label("Label5")->text();
    Fill({{"txtMonth", "13"}});
    Click("Command4");
    EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{kError});
    EXPECT_EQ(Label("Label5")->text(), shown);
}

// The chart on display may be another moment's: the running clock's, or the one kept after New
// Angles and Cancel. The angles shown are those of the record the boxes show.
TEST_F(ElectionWindowTest, TheAnglesShownBelongToTheFieldsShown) {
    ElectionData other = record_;
    other.ElectYear = 1990;
    chart_ = ChartOf(other);
    Open();
    EXPECT_EQ(Label("Label5")->text().toStdString(),
              FormatZodiacPosition(ChartOf(record_).PlanetLong[kMCBody]));
}

// The stepping itself is tested at the angle tool; here the buttons' wiring.
TEST_F(ElectionWindowTest, PlusAndMinusStepTheShownMCAndLeaveTheRecord) {
    const ElectionData before = record_;
    Open();
    const QString mc = Label("Label5")->text();
    Click("Command2");
    EXPECT_NE(Label("Label5")->text(), mc);
    Click("Command3");
    EXPECT_EQ(Label("Label5")->text(), mc);
    EXPECT_EQ(Fields(record_), Fields(before));  // the user reads the time and types it
}

TEST_F(ElectionWindowTest, CancelAndEscapeKeepTheRecordAndEnterAccepts) {
    const ElectionData before = record_;
    const std::function<void()> leave[] = {[&] { Click("cmdCancel"); },
                                           [&] { QTest::keyClick(Box("txtDay"), Qt::Key_Escape); }};
    for (const auto& action : leave) {
        Open();
        Fill({{"txtDay", "9"}});
        action();
        EXPECT_FALSE(window_->isVisible());
        EXPECT_FALSE(window_->InputAccepted());
        EXPECT_EQ(Fields(record_), Fields(before));
    }
    Open();
    Fill({{"txtDay", "9"}});
    QTest::keyClick(Box("txtDay"), Qt::Key_Return);
    EXPECT_TRUE(window_->InputAccepted());
    EXPECT_EQ(record_.ElectDay, 9);
}

}  // namespace
}  // namespace orvantis
