#include "windows/events_window.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "astro/vector_state.h"
#include "events/event_text.h"
#include "windows/help_window.h"

namespace orvantis {
namespace {

using std::chrono::sys_seconds;

// Longer than the Moon's longest stay in a sign: a void of course under way is found whole.
constexpr std::chrono::days kVoidLookBack{3};

enum Column { kWhenColumn, kGlyphColumn, kWordsColumn, kCountdownColumn, kColumnCount };

struct KindChoice {
    EventKind kind;
    const char* name;
    const char* caption;
};
constexpr std::array<KindChoice, kEventKindCount> kKindBoxes = {{
    {EventKind::kIngress, "ingressCheck", "&Ingresses"},
    {EventKind::kStation, "stationCheck", "&Stations"},
    {EventKind::kAspect, "aspectCheck", "As&pects"},
    {EventKind::kPhase, "phaseCheck", "P&hases"},
    {EventKind::kVoid, "voidCheck", "&Void of course"},
    {EventKind::kAngle, "angleCheck", "A&ngles"},
    {EventKind::kTransit, "transitCheck", "&Transits"},
    {EventKind::kTransitHouse, "transitHouseCheck", "Transits to h&ouses"},
}};

bool UnderWay(const Event& e, sys_seconds now) {
    return e.kind == EventKind::kVoid && e.ut < now;
}

// The moment on the home clock: "Sat 06 Dec 23:14:05" or "Sat 06 Dec 11:14:05 PM".
QString HomeClockText(sys_seconds at, const EventsFeed& feed, int time_format) {
    const auto offset =
        std::chrono::duration_cast<std::chrono::seconds>(ZoneOffset(feed.ZoneAt(at)));
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(
        at.time_since_epoch().count(), Qt::OffsetFromUTC, static_cast<int>(offset.count()));
    // To the second: at the listed time the wheel already shows the new state.
    return QLocale::c().toString(moment, time_format == 1
                                             ? QStringLiteral("ddd dd MMM  HH:mm:ss")
                                             : QStringLiteral("ddd dd MMM  h:mm:ss AP"));
}

QString Countdown(const Event& e, sys_seconds now) {
    const QString text =
        QString::fromStdString(CountdownText((CountdownTarget(e, now) - now).count()));
    return UnderWay(e, now) ? "ends " + text : text;
}

QString Words(const Event& e, const EventsFeed& feed, int time_format) {
    QString words = QString::fromStdString(EventWords(e));
    if (e.kind == EventKind::kVoid)
        words += " until " + HomeClockText(e.end, feed, time_format).section("  ", 1);
    return words;
}

}  // namespace

bool EventsFeed::Update(sys_seconds now) {
    const EventSettings settings = EventSettingsFromOptions(options_);
    const std::chrono::minutes offset = ZoneOffset(ZoneAt(now));
    if (computed_ && settings == computed_for_ && offset == computed_offset_ && now < due_ &&
        radix == computed_radix_ && transit_rules == computed_rules_)
        return false;
    events_.clear();
    ClearVectorUpperState();  // after Qt's own work: see astro/vector_state.h
    if (radix)
        events_ =
            FindTransits(now, now + kEventsAhead, *radix, settings, transit_rules, AllEventKinds());
    EventKinds voids;
    voids.set(KindBit(EventKind::kVoid));
    std::vector<Event> sky = FindEvents(now - kVoidLookBack, now, settings, voids);
    std::erase_if(sky, [&](const Event& e) { return e.end <= now; });
    const std::vector<Event> coming =
        FindEvents(now, now + kEventsAhead, settings, AllEventKinds());
    sky.insert(sky.end(), coming.begin(), coming.end());
    events_.insert(events_.end(), sky.begin(), sky.end());

    due_ = now + kEventsAhead;
    for (const Event& e : events_) due_ = std::min(due_, CountdownTarget(e, now));
    due_ += std::chrono::seconds{1};  // passed once its own second is over
    computed_for_ = settings;
    computed_radix_ = radix;
    computed_rules_ = transit_rules;
    computed_offset_ = offset;
    computed_ = true;
    return true;
}

std::vector<Event> EventsFeed::Shown() const {
    std::vector<Event> shown;
    for (const Event& e : events_)
        if (shown_kinds.test(KindBit(e.kind))) shown.push_back(e);
    return shown;
}

sys_seconds CountdownTarget(const Event& event, sys_seconds now) {
    return UnderWay(event, now) ? event.end : event.ut;
}

QString NextEventLine(const EventsFeed& feed, sys_seconds now, int time_format) {
    const auto& events = feed.Events();
    const auto found = std::find_if(events.begin(), events.end(), [&](const Event& e) {
        return feed.shown_kinds.test(KindBit(e.kind));
    });
    if (found == events.end())
        return QString("No events of the chosen kinds in the next %1 days")
            .arg(kEventsAhead.count());
    const Event& next = *found;
    const QString when = UnderWay(next, now) ? "until " + HomeClockText(next.end, feed, time_format)
                                             : HomeClockText(next.ut, feed, time_format);
    return "Next: " + QString::fromStdString(EventGlyphs(next)) + "   " + when + "   " +
           Countdown(next, now);
}

EventsWindow* EventsWindow::Open(QPointer<EventsWindow>& window, EventsFeed& feed, sys_seconds now,
                                 int time_format, const QString& app_path, Notifier& notifier,
                                 QWidget* parent) {
    if (!window) {
        window = new EventsWindow(feed, time_format, app_path, notifier, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        feed.Update(now);
        window->Fill(now);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

EventsWindow::EventsWindow(EventsFeed& feed, int time_format, const QString& app_path,
                           Notifier& notifier, QWidget* parent)
    : QDialog(parent),
      feed_(feed),
      time_format_(time_format),
      app_path_(app_path),
      notifier_(notifier),
      list_(new QTableWidget(0, kColumnCount, this)),
      note_(new QLabel(this)) {
    setObjectName("eventsWindow");
    setWindowTitle("Coming Events");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(KindBoxes());
    SetUpList();
    layout->addWidget(list_, 1);
    layout->addLayout(ButtonRow());
    const QSize free = screen()->availableGeometry().size();  // a 640 x 480 screen too
    resize(std::min(780, free.width()), std::min(480, free.height()));
}

// A box for each kind of event, that shows or hides it, and the Moon's transits; in two rows, so
// that the window still fits a 640 x 480 screen.
QLayout* EventsWindow::KindBoxes() {
    auto* kinds = new QGridLayout;
    int placed = 0;
    const auto place = [&](QCheckBox* box) {
        kinds->addWidget(box, placed / 5, placed % 5);
        ++placed;
    };
    for (const KindChoice& k : kKindBoxes) {
        auto* box = new QCheckBox(k.caption, this);
        box->setObjectName(k.name);
        box->setChecked(feed_.shown_kinds.test(KindBit(k.kind)));
        connect(box, &QCheckBox::toggled, this, [this, k](bool on) {
            feed_.shown_kinds.set(KindBit(k.kind), on);
            Fill(last_tick_);
        });
        kind_boxes_[KindBit(k.kind)] = box;
        place(box);
    }
    moon_box_ = new QCheckBox("&Moon transits", this);
    moon_box_->setObjectName("transitMoonCheck");
    moon_box_->setChecked(feed_.transit_rules.moon);
    connect(moon_box_, &QCheckBox::toggled, this, [this](bool on) {
        feed_.transit_rules.moon = on;
        feed_.Update(last_tick_);
        Fill(last_tick_);
    });
    place(moon_box_);
    kinds->setColumnStretch(5, 1);
    return kinds;
}

void EventsWindow::SetUpList() {
    list_->setObjectName("eventList");
    list_->setHorizontalHeaderLabels({"Home clock", "Event", "In words", "Countdown"});
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setShowGrid(false);
    list_->setAlternatingRowColors(true);
    // The countdown keeps one width, that of its longest text, as filters change and events
    // pass; the words take what is left.
    QHeaderView* header = list_->horizontalHeader();
    header->setStretchLastSection(false);
    for (const int column : {kWhenColumn, kGlyphColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kWordsColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(kCountdownColumn, QHeaderView::Fixed);
    int countdown = 0;
    for (const char* longest : {"Countdown", "ends in 30 d 23 h", "ends in 23 h 59 min"})
        countdown = std::max(countdown, list_->fontMetrics().horizontalAdvance(longest));
    header->resizeSection(kCountdownColumn, countdown + 24);
    // Only the rows in view count down; the others are brought up to date as they come in view.
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { UpdateCountdowns(last_tick_); });
}

// The note, Help and Close.
QLayout* EventsWindow::ButtonRow() {
    auto* help = new QPushButton("&Help", this);
    help->setObjectName("helpButton");
    connect(help, &QPushButton::clicked, this,
            [this] { HelpWindow::ShowHelpFile(help_, app_path_, "EVENTS.HLP", notifier_, this); });
    auto* close_button = new QPushButton("&Close", this);
    close_button->setObjectName("closeButton");
    close_button->setDefault(true);
    connect(close_button, &QPushButton::clicked, this, &QDialog::close);
    note_->setObjectName("noteLabel");
    note_->setWordWrap(true);  // a range warning may follow the note
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note_, 1);
    buttons->addWidget(help);
    buttons->addWidget(close_button);
    return buttons;
}

void EventsWindow::Tick(sys_seconds now, bool recomputed) {
    if (recomputed)
        Fill(now);
    else
        UpdateCountdowns(now);
}

void EventsWindow::Fill(sys_seconds now) {
    last_tick_ = now;
    rows_ = feed_.Shown();
    list_->setRowCount(static_cast<int>(rows_.size()));
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const Event& e = rows_[static_cast<std::size_t>(row)];
        const QString texts[kColumnCount] = {HomeClockText(e.ut, feed_, time_format_),
                                             QString::fromStdString(EventGlyphs(e)),
                                             Words(e, feed_, time_format_), QString()};
        for (int column = 0; column < kColumnCount; ++column)
            list_->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    // The offset follows the 19 characters of the date and time; a local-mean-time offset has
    // seconds too.
    const QString offset = QString::fromStdString(IsoLocal(now, feed_.ZoneAt(now))).mid(19);
    QString note =
        QString("Home clock UT%1; the next %2 days.").arg(offset).arg(kEventsAhead.count());
    moon_box_->setEnabled(feed_.radix.has_value());
    if (feed_.radix)
        note += QString(" Transits to %1 first.").arg(QString::fromStdString(feed_.radix_name));
    if (const auto warning =
            SpanWarning(now - kVoidLookBack, now + kEventsAhead, feed_.Settings().ephemeris))
        note += " " + QString::fromStdString(*warning);
    note_->setText(note);
    UpdateCountdowns(now);
}

void EventsWindow::UpdateCountdowns(sys_seconds now) {
    last_tick_ = now;
    if (rows_.empty()) return;
    const int first = std::max(0, list_->rowAt(0));
    int last = list_->rowAt(list_->viewport()->height() - 1);
    if (last < 0) last = static_cast<int>(rows_.size()) - 1;
    for (int row = first; row <= last; ++row) {
        QTableWidgetItem* item = list_->item(row, kCountdownColumn);
        const QString text = Countdown(rows_[static_cast<std::size_t>(row)], now);
        if (item && item->text() != text) item->setText(text);
    }
}

}  // namespace orvantis
