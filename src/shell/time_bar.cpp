#include "shell/time_bar.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/calendar.h"
#include "events/event_jump.h"
#include "events/event_text.h"

namespace orvantis {

using std::chrono::seconds;
using std::chrono::sys_seconds;

namespace {

constexpr int kTrackSteps = 100000;  // positions of the track: finer than any screen's pixels

// The width of the track: its caption names the units it counts.
struct TrackScale {
    const char* caption;
    TravelStep width;
};
const TrackScale kScales[] = {
    {"Minutes (1 hour)", {TravelUnit::kHour, 1}},  {"Hours (1 day)", {TravelUnit::kDay, 1}},
    {"Days (1 month)", {TravelUnit::kMonth, 1}},   {"Months (1 year)", {TravelUnit::kYear, 1}},
    {"Years (10 years)", {TravelUnit::kYear, 10}},
};
constexpr int kDefaultScale = 1;

// A play's rate: one unit of the chart per second; the unit is also the step of Left and Right.
struct PlayRate {
    const char* caption;
    TravelUnit unit;
};
const PlayRate kRates[] = {
    {"1 min/s", TravelUnit::kMinute}, {"1 h/s", TravelUnit::kHour},
    {"1 day/s", TravelUnit::kDay},    {"1 month/s", TravelUnit::kMonth},
    {"1 year/s", TravelUnit::kYear},
};
constexpr int kDefaultRate = 1;

const struct {
    const char* caption;
    EventKind kind;
    bool chosen;
} kMarkKinds[] = {
    {"&Ingresses", EventKind::kIngress, true},
    {"&Stations", EventKind::kStation, true},
    {"&Phases", EventKind::kPhase, true},
    {"&Aspects", EventKind::kAspect, false},
    {"A&ngles", EventKind::kAngle, false},
    // Offered while a radix is set.
    {"&Transits", EventKind::kTransit, true},
    {"Transits to h&ouses", EventKind::kTransitHouse, false},
};

bool IsTransitKind(EventKind kind) {
    return kind == EventKind::kTransit || kind == EventKind::kTransitHouse;
}

QColor MarkColour(EventKind kind) {
    switch (kind) {
        case EventKind::kIngress:
            return QColor(0, 0, 170);
        case EventKind::kStation:
            return QColor(170, 0, 0);
        case EventKind::kPhase:
            return QColor(85, 85, 85);
        case EventKind::kTransit:
        case EventKind::kTransitHouse:
            return QColor(150, 0, 150);
        default:
            return QColor(0, 130, 0);
    }
}

// "(Europe/Berlin)", "(UT-5)", "(UT)": the zone as the chart has it (hours west positive).
QString ZoneText(const std::optional<NamedZone>& zone, float hours) {
    if (zone) return "(" + QString::fromStdString(zone->Name()) + ")";
    if (hours == 0) return "(UT)";
    return QString("(UT%1%2)")
        .arg(hours < 0 ? "+" : "")
        .arg(QString::fromStdString(ZoneHoursText(-hours)));
}

}  // namespace

// The slider of the span, with the span's events marked under its groove.
class TimeTrack : public QSlider {
public:
    TimeTrack(const std::vector<TrackMark>& marks, const sys_seconds& start, const double& width,
              QWidget* parent)
        : QSlider(Qt::Horizontal, parent), marks_(marks), start_(start), width_(width) {}

protected:
    // The marks go under the groove and the handle, across the whole height.
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter painter(this);
            for (const TrackMark& mark : marks_) {
                painter.setPen(QPen(MarkColour(mark.kind), 2));
                const double x = MarkX(mark);
                painter.drawLine(QPointF(x, 1), QPointF(x, height() - 1));
            }
        }
        QSlider::paintEvent(event);
    }

    // A mark's tooltip names its events.
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QSlider::event(event);
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        QString tip;
        for (const TrackMark& mark : marks_)
            if (std::abs(MarkX(mark) - at.x()) <= 3)
                tip += (tip.isEmpty() ? "" : "\n") + mark.words;
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        }
        return true;
    }

private:
    double MarkX(const TrackMark& mark) const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const double length = groove.width() - handle.width();
        return groove.left() + handle.width() / 2.0 +
               length * static_cast<double>((mark.at - start_).count()) / width_;
    }

    const std::vector<TrackMark>& marks_;
    const sys_seconds& start_;
    const double& width_;
};

TimeBar::TimeBar(const OptionValues& options, QWidget* parent)
    : QWidget(parent), options_(options) {
    setObjectName("timeBar");
    const auto button = [this](const char* name, const QString& text, const QString& tip,
                               auto handler) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, handler);
        return b;
    };
    auto* previous = button("previousEventButton", "|\u25C0", "Previous event (PageUp)",
                            [this] { JumpToEvent(-1); });
    auto* next =
        button("nextEventButton", "\u25B6|", "Next event (PageDown)", [this] { JumpToEvent(+1); });
    play_back_button_ = button("playBackButton", "\u25C0", "Play back (Space pauses)",
                               [this] { Play(Playing() && play_direction_ < 0 ? 0 : -1); });
    play_forward_button_ = button("playForwardButton", "\u25B6", "Play forward (Space)",
                                  [this] { Play(Playing() && play_direction_ > 0 ? 0 : +1); });
    play_back_button_->setCheckable(true);
    play_forward_button_->setCheckable(true);
    auto* now =
        button("nowButton", "Now", "Back to the running clock (Home)", [this] { ReturnToNow(); });

    kinds_button_ = new QToolButton(this);
    kinds_button_->setObjectName("eventKindsButton");
    kinds_button_->setText("Events");
    kinds_button_->setToolTip("The kinds of event marked on the bar and jumped to");
    kinds_button_->setPopupMode(QToolButton::InstantPopup);
    kinds_button_->setFocusPolicy(Qt::NoFocus);
    auto* kinds = new QMenu(kinds_button_);
    for (const auto& k : kMarkKinds) {
        QAction* a = kinds->addAction(k.caption);
        a->setCheckable(true);
        a->setChecked(k.chosen);
        a->setData(static_cast<int>(k.kind));
        a->setVisible(!IsTransitKind(k.kind));
        connect(a, &QAction::toggled, this, [this] { PlaceSpan(false); });
    }
    kinds_button_->setMenu(kinds);

    const auto combo = [this](const char* name, const QString& tip) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->setToolTip(tip);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    };
    rate_box_ = combo("rateBox", "How fast a play runs; its unit is also the step of Left/Right");
    for (const PlayRate& r : kRates) rate_box_->addItem(r.caption);
    rate_box_->setCurrentIndex(kDefaultRate);
    connect(rate_box_, &QComboBox::currentIndexChanged, this, [this] { play_carry_ = 0; });
    scale_box_ = combo("scaleBox", "How much time the bar spans");
    for (const TrackScale& s : kScales) scale_box_->addItem(s.caption);
    scale_box_->setCurrentIndex(kDefaultScale);
    connect(scale_box_, &QComboBox::currentIndexChanged, this, &TimeBar::SetScale);

    moment_label_ = new QLabel(this);
    moment_label_->setObjectName("momentLabel");
    moment_label_->setMinimumWidth(moment_label_->fontMetrics().horizontalAdvance(
        "00 Mmm 0000 00:00 (America/Argentina/Buenos_Aires)"));

    event_label_ = new QLabel(this);
    event_label_->setObjectName("eventLabel");

    track_ = new TimeTrack(marks_, span_start_, span_seconds_, this);
    track_->setObjectName("timeTrack");
    track_->setRange(0, kTrackSteps);
    track_->setPageStep(kTrackSteps / 10);
    track_->setFocusPolicy(Qt::NoFocus);
    track_->setMinimumHeight(track_->sizeHint().height() + 8);
    connect(track_, &QSlider::valueChanged, this, &TimeBar::onTrackMoved);
    // Pressing and letting go change the caption even when the handle does not move.
    connect(track_, &QSlider::sliderPressed, this, &TimeBar::CaptionChanged);
    connect(track_, &QSlider::sliderReleased, this, &TimeBar::CaptionChanged);

    auto* controls = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{previous, next, kinds_button_,
                                                      play_back_button_, play_forward_button_,
                                                      rate_box_, now, moment_label_, event_label_})
        controls->addWidget(w);
    controls->addStretch(1);
    controls->addWidget(scale_box_);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 0, 4, 2);
    rows->setSpacing(0);
    rows->addWidget(track_);
    rows->addLayout(controls);

    // The keys work while the bar is shown, wherever the focus is in the window.
    const struct {
        QKeyCombination key;
        void (TimeBar::*command)(int);
        int argument;
    } keys[] = {
        {Qt::Key_Right, &TimeBar::Step, 1},
        {Qt::Key_Left, &TimeBar::Step, -1},
        {Qt::SHIFT | Qt::Key_Right, &TimeBar::Step, 10},
        {Qt::SHIFT | Qt::Key_Left, &TimeBar::Step, -10},
        {Qt::CTRL | Qt::Key_Right, &TimeBar::StepDays, 1},
        {Qt::CTRL | Qt::Key_Left, &TimeBar::StepDays, -1},
        {Qt::Key_PageDown, &TimeBar::JumpToEvent, 1},
        {Qt::Key_PageUp, &TimeBar::JumpToEvent, -1},
    };
    for (const auto& k : keys) {
        auto* action = new QAction(this);
        action->setShortcut(k.key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, command = k.command, argument = k.argument] { (this->*command)(argument); });
        addAction(action);
    }
    for (const auto& [key, command] :
         {std::pair<Qt::Key, void (TimeBar::*)()>{Qt::Key_Space, &TimeBar::TogglePlay},
          {Qt::Key_Home, &TimeBar::ReturnToNow}}) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, command);
        addAction(action);
    }

    // A frame at most per refresh of the screen, and only while there is something to show.
    frame_timer_.setObjectName("frameTimer");
    frame_timer_.setTimerType(Qt::PreciseTimer);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    frame_timer_.setInterval(std::max(1, static_cast<int>(1000.0 / hz)));
    connect(&frame_timer_, &QTimer::timeout, this, &TimeBar::onFrame);
    marks_timer_.setSingleShot(true);
    connect(&marks_timer_, &QTimer::timeout, this, &TimeBar::onMarksSlice);
    const TravelStep width = kScales[kDefaultScale].width;
    span_seconds_ = TravelUnitSeconds(width.unit) * width.count;
}

void TimeBar::ShowChart(const ChartState& chart) {
    if (!zone_ || zone_->Name() != chart.ChartZoneName)
        zone_ = NamedZone::Find(chart.ChartZoneName);
    zone_hours_ = chart.ChartZone;
    if (Playing() || Scrubbing()) return;
    moment_ = shown_ = chart.Moment;
    ShowMoment();
}

float TimeBar::ZoneHoursAt(sys_seconds instant) const {
    return zone_ ? zone_->HoursAt(instant) : zone_hours_;
}

bool TimeBar::Scrubbing() const {
    return track_->isSliderDown();
}

QString TimeBar::TravelCaption() const {
    if (!Playing() && !Scrubbing()) return {};
    return (Playing() ? "Playing \u2014 " : "Scrubbing \u2014 ") + moment_label_->text();
}

void TimeBar::Step(int times) {
    TravelStep step = CurrentStep();
    step.count *= times;
    GoTo(StepMoment(moment_, step));
}

void TimeBar::StepDays(int days) {
    GoTo(StepMoment(moment_, {TravelUnit::kDay, days}));
}

void TimeBar::Play(int direction) {
    const bool was = Playing();
    play_direction_ = direction;
    if (direction != 0) last_direction_ = direction;
    play_back_button_->setChecked(direction < 0);
    play_forward_button_->setChecked(direction > 0);
    play_carry_ = 0;
    play_clock_.start();
    if (Playing()) {
        frame_timer_.start();
    } else if (was) {
        // Stopped: the bar comes back to the minute the chart shows, which stays.
        moment_ = shown_;
        dirty_ = false;
        ShowMoment();
    }
    if (was != Playing()) emit CaptionChanged();
}

void TimeBar::TogglePlay() {
    Play(Playing() ? 0 : last_direction_);
}

void TimeBar::JumpToEvent(int direction) {
    Play(0);
    const auto event =
        FindAdjacentEvent(std::chrono::floor<std::chrono::minutes>(moment_), direction, Source());
    if (!event) return;
    GoTo(LandingMinute(*event));
    event_label_->setText(QString::fromStdString(EventWords(*event)));
}

void TimeBar::ReturnToNow() {
    Play(0);
    emit NowChosen();
}

// Discrete moves show at once; the frame timer carries scrubbing and play.
void TimeBar::GoTo(sys_seconds instant) {
    event_label_->clear();
    moment_ = AdvanceMoment(instant, 0);
    dirty_ = false;
    ShowMoment();
    const auto minute = std::chrono::floor<std::chrono::minutes>(moment_);
    if (minute != shown_) {
        shown_ = minute;
        emit Travelled(minute);
    }
}

void TimeBar::onFrame() {
    if (Playing()) {
        play_carry_ += play_direction_ * RateSecondsPerSecond() * play_clock_.nsecsElapsed() / 1e9;
        play_clock_.start();
        const double whole = std::trunc(play_carry_);
        play_carry_ -= whole;
        const sys_seconds next = AdvanceMoment(moment_, whole);
        if (next == moment_ && whole != 0) Play(0);  // an end of the span
        moment_ = next;
        dirty_ = true;
    }
    if (dirty_) {
        dirty_ = false;
        event_label_->clear();
        ShowMoment();
        const auto minute = std::chrono::floor<std::chrono::minutes>(moment_);
        if (minute != shown_) {
            shown_ = minute;
            emit Travelled(minute);
        }
        emit CaptionChanged();
    }
    if (!Playing()) frame_timer_.stop();
}

void TimeBar::onTrackMoved(int value) {
    moment_ = AdvanceMoment(span_start_, span_seconds_ * value / kTrackSteps);
    dirty_ = true;
    if (!frame_timer_.isActive()) frame_timer_.start();
}

QString TimeBar::MomentText(sys_seconds instant) const {
    const float hours = ZoneHoursAt(instant);
    const CivilMoment local = CivilMomentOf(instant - seconds{std::llround(hours * 3600.0)});
    char text[40];
    std::snprintf(text, sizeof text, "%02d %s %04d %02d:%02d ", local.date.day,
                  MonthAbbreviation(local.date.month), local.date.year, local.hour, local.minute);
    return QString::fromLatin1(text) + ZoneText(zone_, hours);
}

// The label and the handle; a moment beyond the track's ends brings the span round it.
void TimeBar::ShowMoment() {
    moment_label_->setText(MomentText(moment_));
    const double offset = static_cast<double>((moment_ - span_start_).count());
    if (!Scrubbing() && (offset < 0 || offset > span_seconds_)) PlaceSpan(true);
    if (Scrubbing()) return;
    const QSignalBlocker quiet(track_);
    track_->setValue(static_cast<int>(std::lround(
        std::clamp((moment_ - span_start_).count() / span_seconds_, 0.0, 1.0) * kTrackSteps)));
}

void TimeBar::SetScale(int index) {
    const TravelStep width =
        kScales[std::clamp(index, 0, static_cast<int>(std::size(kScales)) - 1)].width;
    span_seconds_ = TravelUnitSeconds(width.unit) * width.count;
    PlaceSpan(true);
    ShowMoment();
}

// Centres the span on the moment (within the travel span) when asked, and finds its marks anew.
void TimeBar::PlaceSpan(bool centre) {
    const TravelSpan limits;
    if (centre) {
        span_start_ = AdvanceMoment(moment_, -span_seconds_ / 2);
        const auto latest = AdvanceMoment(limits.last, -span_seconds_);
        span_start_ = std::min(span_start_, latest);
    }
    marks_.clear();
    marks_done_ = span_start_;
    track_->update();
    // A hidden bar finds none: the clock alone costs nothing more.
    if (isVisible() && ChosenKinds().any()) marks_timer_.start(0);
}

// The marks come a slice at a time between frames, so a wide span never holds up the wheel.
void TimeBar::onMarksSlice() {
    const auto end = AdvanceMoment(span_start_, span_seconds_);
    QElapsedTimer budget;
    budget.start();
    const EventSource source = Source();
    while (marks_done_ < end && budget.elapsed() < 4) {
        const auto to = std::min(end, marks_done_ + std::chrono::days{1});
        for (const Event& e : FindSourceEvents(marks_done_, to, source))
            marks_.push_back(
                {LandingMinute(e), e.kind,
                 MomentText(LandingMinute(e)) + "  " + QString::fromStdString(EventWords(e))});
        marks_done_ = to;
    }
    track_->update();
    if (marks_done_ < end) marks_timer_.start(Playing() ? frame_timer_.interval() : 0);
}

EventKinds TimeBar::ChosenKinds() const {
    EventKinds kinds;
    for (const QAction* a : kinds_button_->menu()->actions())
        if (a->isChecked() && a->isVisible())
            kinds.set(static_cast<std::size_t>(a->data().toInt()));
    return kinds;
}

EventSource TimeBar::Source() const {
    return {EventSettingsFromOptions(options_), ChosenKinds(), radix_, transit_rules_};
}

void TimeBar::SetRadix(const std::optional<Radix>& radix, const TransitRules& rules) {
    if (radix == radix_ && rules == transit_rules_) return;
    radix_ = radix;
    transit_rules_ = rules;
    for (QAction* a : kinds_button_->menu()->actions())
        if (IsTransitKind(static_cast<EventKind>(a->data().toInt())))
            a->setVisible(radix_.has_value());
    PlaceSpan(false);
}

TravelStep TimeBar::CurrentStep() const {
    return {kRates[std::max(0, rate_box_->currentIndex())].unit, 1};
}

double TimeBar::RateSecondsPerSecond() const {
    return TravelUnitSeconds(CurrentStep().unit);
}

void TimeBar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PlaceSpan(true);
    ShowMoment();
}

void TimeBar::hideEvent(QHideEvent* event) {
    if (Playing()) Play(0);
    marks_timer_.stop();
    QWidget::hideEvent(event);
}

}  // namespace orvantis
