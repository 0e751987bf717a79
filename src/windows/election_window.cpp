#include "windows/election_window.h"

#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "astro/calendar.h"
#include "chart/chart_driver.h"
#include "files/whole_file.h"
#include "windows/busy_pointer.h"
#include "windows/place_field.h"

namespace orvantis {
namespace {

constexpr const char* kFillBirthHour = "Please fill in a value for birth hour.";

// Keeps the messages of a computation until the busy pointer is gone, so that a message box
// never shows the hourglass.
class HeldMessages : public Notifier {
public:
    void Notify(const Problem& problem) override { held_.push_back(problem); }
    void SendTo(Notifier& notifier) {
        for (const auto& problem : held_) notifier.Notify(problem);
        held_.clear();
    }

private:
    std::vector<Problem> held_;
};

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Whether a key may reach a numeric box: digits (and "-" and "." in the zone), the editing and
// dialog keys (Backspace, Enter, Esc, arrows, which carry no printable character) and the
// clipboard shortcuts. Every other printable character is discarded; text pasted or dropped in
// is refused later by the checks instead.
bool KeyPasses(const QKeyEvent& key, bool zone) {
    for (const auto shortcut : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                                QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll}) {
        if (key.matches(shortcut)) return true;
    }
    for (const QChar c : key.text()) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f) continue;
        if (IsAsciiDigit(u)) continue;
        // The zone also takes names: Europe/Berlin, America/Port-au-Prince, Etc/GMT+5.
        if (zone && (u == u'-' || u == u'.' || u == u'/' || u == u'_' || u == u'+' ||
                     (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')))
            continue;
        return false;
    }
    return true;
}

// The zone text as a number, when it is one: digits, "-" and "." only (around blanks), finite.
std::optional<double> ZoneNumber(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    for (const char c : s)
        if (!(c == '-' || c == '.' || (c >= '0' && c <= '9'))) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Every name the database takes: its zones, and the old names kept as links to them
// (US/Eastern, Asia/Calcutta, Etc/GMT+5), which the list of zones Qt offers leaves out.
QStringList TypableZoneNames() {
    QStringList names = ZoneNames();
    const QByteArray folder =
        qEnvironmentVariableIsEmpty("TZDIR") ? QByteArray("/usr/share/zoneinfo") : qgetenv("TZDIR");
    const auto text = ReadFileWhole(QString::fromLocal8Bit(folder) + "/tzdata.zi");
    for (const QString& line : QString::fromLatin1(text.value_or("")).split(QLatin1Char('\n'))) {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString name = words.size() >= 3 && words[0] == QLatin1String("L")   ? words[2]
                             : words.size() >= 2 && words[0] == QLatin1String("Z") ? words[1]
                                                                                   : QString();
        if (!name.isEmpty() && IsZoneName(name.toStdString())) names.append(name);
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

// A number as plain text without exponent or trailing zeros: 5, -3.5, 0.25.
template <typename Number>
QString NumberText(Number value) {
    if (value == 0) return QStringLiteral("0");  // never "-0"
    char buffer[512];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return QStringLiteral("0");
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

// A sunken well two pixels wide around a control: gray (808080) above and left, white below and
// right, as if the control were pressed into the window with the light from the upper left.
void DrawSunkenBorder(QPainter& painter, const QRect& r) {
    const QColor gray(0x80, 0x80, 0x80), white(0xFF, 0xFF, 0xFF);
    for (int i = 1; i <= 2; ++i) {
        const int left = r.left() - i, top = r.top() - i;
        const int right = r.right() + i, bottom = r.bottom() + i;
        painter.setPen(gray);
        painter.drawLine(left, top, right, top);
        painter.drawLine(left, top, left, bottom);
        painter.setPen(white);
        painter.drawLine(left, bottom, right, bottom);
        painter.drawLine(right, top + 1, right, bottom);
    }
}

// A text box of the entry, watched by the window. The well the window draws around it is its frame.
QLineEdit* NewBox(QWidget* window, const char* name, int width) {
    auto* box = new QLineEdit(window);
    box->setObjectName(QLatin1String(name));
    box->setFixedWidth(width);
    box->setFrame(false);
    box->installEventFilter(window);
    return box;
}

// A labelled control with the object name tests find it by.
template <class Control>
Control* NewControl(QWidget* parent, const char* name, const char* caption) {
    auto* control = new Control(QString::fromLatin1(caption), parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

}  // namespace

ElectionWindow::ElectionWindow(ElectionData& election, ChartState& chart,
                               const OptionValues& options, char house_system, Notifier& notifier,
                               const std::function<void()>& uncheck_running, QWidget* parent)
    : QDialog(parent),
      election_(election),
      chart_(chart),
      options_(options),
      house_system_(house_system),
      notifier_(notifier) {
    setObjectName(QStringLiteral("electionDataWindow"));
    setWindowTitle(QStringLiteral("Election Data"));
    setModal(true);
    BuildControls();

    BusyPointer busy;
    // From now on the main window computes election charts.
    if (uncheck_running) uncheck_running();
    LoadFromRecord();
    ShowRecordAngles();

    choose_fold_ = [this](const std::string& question, const AmbiguousTime& times) {
        return AskWhichFold(question, times);
    };
    ShowZoneOffset();
    ConnectControls();
    ConnectPlace();
}

// The question box with the first and the second of a local time that occurs twice as buttons.
std::optional<int> ElectionWindow::AskWhichFold(const std::string& question,
                                                const AmbiguousTime& times) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Time Zone"),
                    QString::fromStdString(question + " Which is meant?"), QMessageBox::Cancel,
                    this);
    QPushButton* first = box.addButton(
        QString::fromStdString("First (zone " + ZoneHoursText(times.first_hours) + ")"),
        QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(
        QString::fromStdString("Second (zone " + ZoneHoursText(times.second_hours) + ")"),
        QMessageBox::AcceptRole);
    // The one the record holds already is the default, so OK again keeps the choice.
    box.setDefaultButton(election_.ElectZone == times.second_hours ? second : first);
    box.exec();
    if (box.clickedButton() == first) return 0;
    if (box.clickedButton() == second) return 1;
    return std::nullopt;
}

void ElectionWindow::ConnectControls() {
    for (QLineEdit* box :
         {zone_edit_, month_edit_, day_edit_, year_edit_, hour_edit_, minute_edit_})
        connect(box, &QLineEdit::textChanged, this, [this] { ShowZoneOffset(); });
    connect(pm_option_, &QRadioButton::toggled, this, [this] { ShowZoneOffset(); });
    // On the finished entry, not on each keystroke: "07" passes through "0" on its way.
    connect(hour_edit_, &QLineEdit::editingFinished, this,
            [this] { checkTypedHour(/*report_empty=*/true); });
    connect(east_option_, &QRadioButton::clicked, this, [this] { onEast(); });
    connect(west_option_, &QRadioButton::clicked, this, [this] { onWest(); });
    connect(ok_button_, &QPushButton::clicked, this, [this] { onOk(); });
    connect(cancel_button_, &QPushButton::clicked, this, [this] { onCancel(); });
    connect(new_angles_button_, &QPushButton::clicked, this, [this] { onNewAngles(); });
    connect(mc_forward_button_, &QPushButton::clicked, this, [this] { StepMC(+1); });
    connect(mc_back_button_, &QPushButton::clicked, this, [this] { StepMC(-1); });
}

void ElectionWindow::ConnectPlace() {
    connect(place_edit_, &PlaceField::placeChosen, this, [this](const Place& place) {
        const PackedCoordinates p = PackCoordinates(place.latitude, place.longitude);
        longitude_degrees_edit_->setText(QString::number(p.long_degrees));
        longitude_minutes_edit_->setText(QString::number(p.long_minutes));
        (p.west ? west_option_ : east_option_)->setChecked(true);
        latitude_degrees_edit_->setText(QString::number(p.lat_degrees));
        latitude_minutes_edit_->setText(QString::number(p.lat_minutes));
        (p.south ? south_option_ : north_option_)->setChecked(true);
        zone_edit_->setText(QString::fromStdString(place.zone));
    });
    // Coordinates typed by hand are no longer the chosen town's.
    for (QLineEdit* box : {longitude_degrees_edit_, longitude_minutes_edit_, latitude_degrees_edit_,
                           latitude_minutes_edit_})
        connect(box, &QLineEdit::textEdited, place_edit_, &QLineEdit::clear);
    for (QRadioButton* side : {east_option_, west_option_, north_option_, south_option_})
        connect(side, &QRadioButton::clicked, place_edit_, &QLineEdit::clear);
    connect(save_chart_button_, &QPushButton::clicked, this, [this] {
        if (save_chart_ && StoreElectionData()) save_chart_(election_);
    });
}

void ElectionWindow::SetPlaces(const PlaceLookup* places) {
    place_edit_->SetLookup(places);
}

void ElectionWindow::SetChartSaving(std::function<void(const ElectionData&)> save) {
    save_chart_ = std::move(save);
    save_chart_button_->setVisible(static_cast<bool>(save_chart_));
}

void ElectionWindow::BuildControls() {
    BuildBoxes();
    BuildOptionFrames();
    BuildButtons();
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addLayout(EntryLayout());
    auto* options = new QVBoxLayout;
    options->setSpacing(8);
    for (QGroupBox* group : {am_pm_frame_, east_west_frame_, north_south_frame_})
        options->addWidget(group);
    options->addStretch();
    top->addLayout(options);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_chart_button_);
    buttons->addStretch();
    buttons->addWidget(ok_button_);
    buttons->addWidget(cancel_button_);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(14, 14, 14, 14);
    page->setSpacing(14);
    page->addLayout(top);
    page->addLayout(AnglesLayout());
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder();
}

void ElectionWindow::BuildBoxes() {
    const auto edit = [this](const char* name, int width) { return NewBox(this, name, width); };
    constexpr int kShort = 48, kLong = 64;
    event_edit_ = edit("eventEdit", 260);
    month_edit_ = edit("monthEdit", kShort);
    day_edit_ = edit("dayEdit", kShort);
    year_edit_ = edit("yearEdit", kLong);
    hour_edit_ = edit("hourEdit", kShort);
    minute_edit_ = edit("minuteEdit", kShort);
    zone_edit_ = edit("zoneEdit", 4 * kLong);
    // Zone names to choose from while typing: any part of the name finds it ("london"). The list
    // only offers; what is typed stays as typed.
    auto* zone_names = new QCompleter(TypableZoneNames(), zone_edit_);
    zone_names->setCaseSensitivity(Qt::CaseInsensitive);
    zone_names->setFilterMode(Qt::MatchContains);
    zone_edit_->setCompleter(zone_names);
    longitude_degrees_edit_ = edit("longitudeDegreesEdit", kShort);
    longitude_minutes_edit_ = edit("longitudeMinutesEdit", kShort);
    latitude_degrees_edit_ = edit("latitudeDegreesEdit", kShort);
    latitude_minutes_edit_ = edit("latitudeMinutesEdit", kShort);
    for (QLineEdit* box :
         {month_edit_, day_edit_, year_edit_, hour_edit_, minute_edit_, longitude_degrees_edit_,
          longitude_minutes_edit_, latitude_degrees_edit_, latitude_minutes_edit_}) {
        box->setInputMethodHints(Qt::ImhDigitsOnly);
    }
    place_edit_ = new PlaceField(this);
    place_edit_->setObjectName(QStringLiteral("placeEdit"));
    save_chart_button_ = NewControl<QPushButton>(this, "saveChartButton", "Save chart");
    save_chart_button_->hide();
    zone_offset_label_ = NewControl<QLabel>(this, "zoneOffsetLabel", "");
    zone_offset_label_->setMinimumWidth(110);
}

void ElectionWindow::BuildOptionFrames() {
    am_pm_frame_ = NewControl<QGroupBox>(this, "amPmGroup", "Am/Pm");
    am_option_ = NewControl<QRadioButton>(am_pm_frame_, "amOption", "AM");
    pm_option_ = NewControl<QRadioButton>(am_pm_frame_, "pmOption", "PM");
    east_west_frame_ = NewControl<QGroupBox>(this, "eastWestGroup", "Ea/We");
    east_option_ = NewControl<QRadioButton>(east_west_frame_, "eastOption", "E");
    west_option_ = NewControl<QRadioButton>(east_west_frame_, "westOption", "W");
    north_south_frame_ = NewControl<QGroupBox>(this, "northSouthGroup", "No/So");
    north_option_ = NewControl<QRadioButton>(north_south_frame_, "northOption", "N");
    south_option_ = NewControl<QRadioButton>(north_south_frame_, "southOption", "S");
    for (auto [group, first, second] :
         {std::tuple{am_pm_frame_, am_option_, pm_option_},
          std::tuple{east_west_frame_, east_option_, west_option_},
          std::tuple{north_south_frame_, north_option_, south_option_}}) {
        auto* row = new QHBoxLayout(group);
        row->addWidget(first);
        row->addWidget(second);
    }
}

void ElectionWindow::BuildButtons() {
    ok_button_ = NewControl<QPushButton>(this, "okButton", "OK");
    ok_button_->setDefault(true);
    cancel_button_ = NewControl<QPushButton>(this, "cancelButton", "Cancel");
    new_angles_button_ = NewControl<QPushButton>(this, "newAnglesButton", "New Angles");
    mc_forward_button_ = NewControl<QPushButton>(this, "mcForwardButton", "+");
    mc_back_button_ = NewControl<QPushButton>(this, "mcBackButton", "-");
    for (QPushButton* small : {mc_forward_button_, mc_back_button_}) small->setFixedWidth(32);
    mc_label_ = NewControl<QLabel>(this, "mcValueLabel", "");
    ascendant_label_ = NewControl<QLabel>(this, "ascendantValueLabel", "");
    medium_time_label_ = NewControl<QLabel>(this, "mediumTimeLabel", "");
    for (QLabel* value : {mc_label_, ascendant_label_, medium_time_label_}) {
        value->setMinimumWidth(84);
        value->setAlignment(Qt::AlignCenter);
    }
}

// Entry: two columns of label and box.
QLayout* ElectionWindow::EntryLayout() {
    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(10);
    entry->setVerticalSpacing(8);
    const auto place = [&](int row, int column, const char* name, const char* caption,
                           QLineEdit* box) {
        auto* label = NewControl<QLabel>(this, name, caption);
        label->setBuddy(box);
        entry->addWidget(label, row, column);
        entry->addWidget(box, row, column + 1, Qt::AlignLeft);
    };
    entry->addWidget(NewControl<QLabel>(this, "eventLabel", "Event"), 0, 0);
    entry->addWidget(event_edit_, 0, 1, 1, 3, Qt::AlignLeft);
    place(1, 0, "monthLabel", "Birth Month", month_edit_);
    place(2, 0, "dayLabel", "Birth Day", day_edit_);
    place(3, 0, "yearLabel", "Birth Year", year_edit_);
    place(1, 2, "hourLabel", "Birth Hour", hour_edit_);
    place(2, 2, "minuteLabel", "Birth Minute", minute_edit_);
    place(3, 2, "zoneLabel", "Time Zone . . .", zone_edit_);
    entry->addWidget(zone_offset_label_, 3, 4);
    place(4, 0, "longitudeDegreesLabel", "Long Degrees", longitude_degrees_edit_);
    place(4, 2, "longitudeMinutesLabel", "Long Minutes", longitude_minutes_edit_);
    place(5, 0, "latitudeDegreesLabel", "Lat Degrees", latitude_degrees_edit_);
    place(5, 2, "latitudeMinutesLabel", "Lat Minutes", latitude_minutes_edit_);
    entry->addWidget(NewControl<QLabel>(this, "placeLabel", "Place"), 6, 0);
    entry->addWidget(place_edit_, 6, 1, 1, 4);
    return entry;
}

// The angle tool: MC and Ascendant with their values, the clock time, the step buttons.
QLayout* ElectionWindow::AnglesLayout() {
    auto* angles = new QHBoxLayout;
    angles->setSpacing(10);
    angles->addWidget(NewControl<QLabel>(this, "mcCaptionLabel", "MC"));
    angles->addWidget(mc_label_);
    angles->addWidget(NewControl<QLabel>(this, "ascendantCaptionLabel", "Asc"));
    angles->addWidget(ascendant_label_);
    angles->addWidget(medium_time_label_);
    angles->addStretch();
    angles->addWidget(mc_forward_button_);
    angles->addWidget(mc_back_button_);
    angles->addWidget(new_angles_button_);
    return angles;
}

// The boxes in the order of the record, then the options and the buttons.
void ElectionWindow::SetTabOrder() {
    const std::vector<QWidget*> order = {
        event_edit_,
        month_edit_,
        day_edit_,
        year_edit_,
        hour_edit_,
        minute_edit_,
        zone_edit_,
        longitude_degrees_edit_,
        longitude_minutes_edit_,
        latitude_degrees_edit_,
        latitude_minutes_edit_,
        am_option_,
        pm_option_,
        east_option_,
        west_option_,
        north_option_,
        south_option_,
        ok_button_,
        cancel_button_,
        new_angles_button_,
        mc_forward_button_,
        mc_back_button_,
    };
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void ElectionWindow::LoadFromRecord() {
    const ElectionData& e = election_;
    event_edit_->setText(QString::fromLatin1(e.ElectEvent));
    month_edit_->setText(QString::number(e.ElectMonth));
    day_edit_->setText(QString::number(e.ElectDay));
    year_edit_->setText(QString::number(e.ElectYear));
    hour_edit_->setText(QString::number(e.ElectHour));
    minute_edit_->setText(QString::number(e.ElectMinute));
    zone_edit_->setText(e.ElectZoneName.empty() ? NumberText(e.ElectZone)
                                                : QString::fromStdString(e.ElectZoneName));
    longitude_degrees_edit_->setText(QString::number(e.ElectLongDeg));
    longitude_minutes_edit_->setText(QString::number(e.ElectLongMin));
    latitude_degrees_edit_->setText(QString::number(e.ElectLatDeg));
    latitude_minutes_edit_->setText(QString::number(e.ElectLatMin));
    (e.ElectPM == 1 ? pm_option_ : am_option_)->setChecked(true);
    (e.ElectWest == 0 ? east_option_ : west_option_)->setChecked(true);
    (e.ElectSouth == 1 ? south_option_ : north_option_)->setChecked(true);
    place_edit_->setText(QString::fromStdString(e.ElectPlace));
}

bool ElectionWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && event->type() == QEvent::KeyPress && box != event_edit_) {
        if (!KeyPasses(*static_cast<QKeyEvent*>(event), box == zone_edit_)) return true;
    }
    if (box != nullptr && event->type() == QEvent::FocusIn) {
        // Only when the user moves into the box: focus coming back from the completer's list or
        // another window would otherwise select what is being typed, and the next key replace it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            // Queued, so that the mouse press which gave the focus does not undo the selection.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ElectionWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (QWidget* control : std::initializer_list<QWidget*>{
             event_edit_, month_edit_, day_edit_, year_edit_, hour_edit_, minute_edit_, zone_edit_,
             longitude_degrees_edit_, longitude_minutes_edit_, latitude_degrees_edit_,
             latitude_minutes_edit_, am_pm_frame_, east_west_frame_, north_south_frame_, mc_label_,
             ascendant_label_}) {
        DrawSunkenBorder(painter, QRect(control->mapTo(this, QPoint(0, 0)), control->size()));
    }
}

void ElectionWindow::checkTypedHour(bool report_empty) {
    const QString text = hour_edit_->text();
    if (text.isEmpty()) {
        if (report_empty) notifier_.Notify(Warning(kFillBirthHour, Icon::kInformation));
        return;
    }
    // Only a plain whole number is an hour to normalise: pasted text is left to the checks, which
    // refuse it, instead of being read as 0 and turned into 12.
    if (text.size() > 2) return;
    for (const QChar c : text)
        if (!IsAsciiDigit(c.unicode())) return;
    const int value = text.toInt();
    if (value == 0) {
        // Hour 0 of a 24-hour clock is midnight: 12 A.M.
        am_option_->setChecked(true);
        hour_edit_->setText(QStringLiteral("12"));
    } else if (value > 12 && value < 24) {
        // A 24-hour clock hour: 15 is 3 P.M. Beyond 23 the number is no hour, and the checks
        // refuse it rather than count it down to some afternoon hour.
        pm_option_->setChecked(true);
        hour_edit_->setText(QString::number(value - 12));
    } else if (value <= 12) {
        hour_edit_->setText(QString::number(value));  // "07" reads 7
    }
}

void ElectionWindow::onEast() {
    if (const auto zone = ZoneNumber(zone_edit_->text())) {
        zone_edit_->setText(NumberText(-std::fabs(*zone)));
    }
}

void ElectionWindow::onWest() {
    if (const auto zone = ZoneNumber(zone_edit_->text())) {
        zone_edit_->setText(NumberText(std::fabs(*zone)));
    }
}

ElectionEntry ElectionWindow::TypedEntry() const {
    ElectionEntry e;
    // The charts' texts are 8-bit (the wheel draws them as Latin-1): a character beyond Latin-1
    // is stored as "?", as an 8-bit text box would keep it, instead of as UTF-8 bytes that the
    // wheel would show as two or three wrong letters.
    e.event = event_edit_->text().toLatin1().toStdString();
    e.month = month_edit_->text().toStdString();
    e.day = day_edit_->text().toStdString();
    e.year = year_edit_->text().toStdString();
    e.hour = hour_edit_->text().toStdString();
    e.minute = minute_edit_->text().toStdString();
    e.zone = zone_edit_->text().toStdString();
    e.long_deg = longitude_degrees_edit_->text().toStdString();
    e.long_min = longitude_minutes_edit_->text().toStdString();
    e.lat_deg = latitude_degrees_edit_->text().toStdString();
    e.lat_min = latitude_minutes_edit_->text().toStdString();
    e.pm = pm_option_->isChecked();
    e.west = west_option_->isChecked();
    e.south = south_option_->isChecked();
    return e;
}

std::optional<LocalDateTime> ElectionWindow::TypedLocalTime() const {
    bool ok[5] = {};
    const LocalDateTime t{
        year_edit_->text().toInt(&ok[0]), month_edit_->text().toInt(&ok[1]),
        day_edit_->text().toInt(&ok[2]),
        hour_edit_->text().toInt(&ok[3]) % 12 + (pm_option_->isChecked() ? 12 : 0),
        minute_edit_->text().toInt(&ok[4])};
    for (const bool number : ok)
        if (!number) return std::nullopt;
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.month, t.year) || t.minute < 0 || t.minute > 59)
        return std::nullopt;
    return t;
}

// Beside the zone: the offset a zone name gives at the typed date and time, so a wrong name or
// a skipped hour shows before OK is pressed.
void ElectionWindow::ShowZoneOffset() {
    const std::string text = zone_edit_->text().trimmed().toStdString();
    QString shown;
    const auto zone = IsZoneName(text) ? NamedZone::Find(text) : std::nullopt;
    const auto local = TypedLocalTime();
    if (IsZoneName(text) && !zone) {
        shown = QStringLiteral("unknown zone");
    } else if (zone && local) {
        const LocalTimeInZone found = zone->Resolve(*local);
        if (const auto* one = std::get_if<OffsetInForce>(&found)) {
            shown = QString::fromStdString("= " + ZoneHoursText(one->hours) + " " +
                                           zone->AbbreviationAt(InstantOf(*local, one->hours)));
        } else if (const auto* twice = std::get_if<AmbiguousTime>(&found)) {
            shown = QString::fromStdString("= " + ZoneHoursText(twice->first_hours) + " or " +
                                           ZoneHoursText(twice->second_hours) + " (twice)");
        } else {
            shown = QStringLiteral("does not exist");
        }
    }
    zone_offset_label_->setText(shown);
}

QLineEdit* ElectionWindow::BoxOf(std::string ElectionEntry::*box) const {
    using E = ElectionEntry;
    const std::pair<std::string E::*, QLineEdit*> boxes[] = {
        {&E::month, month_edit_},
        {&E::day, day_edit_},
        {&E::year, year_edit_},
        {&E::hour, hour_edit_},
        {&E::minute, minute_edit_},
        {&E::zone, zone_edit_},
        {&E::long_deg, longitude_degrees_edit_},
        {&E::long_min, longitude_minutes_edit_},
        {&E::lat_deg, latitude_degrees_edit_},
        {&E::lat_min, latitude_minutes_edit_},
    };
    for (const auto& [member, edit] : boxes)
        if (member == box) return edit;
    return event_edit_;
}

bool ElectionWindow::StoreElectionData() {
    // OK and New Angles finish the entry too (Enter in the hour box reaches OK directly); an
    // empty hour is left to the checks' own message.
    checkTypedHour(/*report_empty=*/false);
    chart_.InputError = false;
    auto stored = orvantis::StoreElectionData(TypedEntry(), house_system_, notifier_);
    // A zone name: the offset in force at the typed moment, or the reason there is none.
    if (stored && !stored->ElectZoneName.empty() &&
        !LookUpElectionZone(*stored, notifier_, choose_fold_))
        stored.reset();
    if (!stored) {
        // Into the box at fault, to be corrected.
        const auto faults = ValidateElectionData(TypedEntry(), house_system_);
        QLineEdit* wrong = faults.empty() ? zone_edit_ : BoxOf(FirstBoxAtFault(faults));
        wrong->setFocus(Qt::OtherFocusReason);
        chart_.InputError = true;
        input_accepted_ = false;
        return false;
    }
    election_ = *stored;
    election_.ElectPlace = place_edit_->text().trimmed().toStdString();
    return true;
}

void ElectionWindow::onOk() {
    // A refusal keeps the window open with what was typed, so it can be corrected; the window
    // closes only when the data was stored.
    if (!StoreElectionData()) return;
    input_accepted_ = true;
    accept();
}

void ElectionWindow::onCancel() {
    input_accepted_ = false;
    reject();
}

void ElectionWindow::onNewAngles() {
    // Refused data shows its messages and leaves the shown angles alone: angles of the previous
    // record beside the typed values would belong to a chart nobody asked for.
    if (!StoreElectionData()) return;
    HeldMessages messages;
    ShowRecordAngles(messages);
    messages.SendTo(notifier_);
}

void ElectionWindow::ShowRecordAngles(Notifier& notifier) {
    BusyPointer busy;
    ChartRequest request;
    request.house_system = house_system_;
    request.running = false;
    if (ComputeChart(chart_, election_, options_, request, notifier)) {
        ShowElectionAngles();
    } else {
        for (QLabel* value : {mc_label_, ascendant_label_, medium_time_label_}) value->clear();
    }
}

void ElectionWindow::ShowRecordAngles() {
    // The chart on display may be another moment's (the running clock's, or the one kept after
    // New Angles and Cancel): the angles are computed for the record the boxes show. A record
    // the present house system refuses shows no angles; OK reports it.
    HeldMessages unused;
    ShowRecordAngles(unused);
}

void ElectionWindow::StepMC(int mc_step) {
    ComputeElectionAngles(chart_, shown_, mc_step);
    ShowShownAngles();
    ShowMediumTime();
}

void ElectionWindow::ShowElectionAngles() {
    shown_ = ShownAnglesOf(chart_);
    ShowShownAngles();
    ShowMediumTime();
}

void ElectionWindow::ShowShownAngles() {
    ascendant_label_->setText(QString::fromStdString(FormatZodiacPosition(shown_.ShownAsc)));
    mc_label_->setText(QString::fromStdString(FormatZodiacPosition(shown_.ShownMC)));
}

void ElectionWindow::ShowMediumTime() {
    medium_time_label_->setText(QString::fromStdString(FormatMediumTime(MediumTimeValue(chart_))));
}

}  // namespace orvantis
