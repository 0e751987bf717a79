#include "shell/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "astro/calendar.h"
#include "astro/vector_state.h"
#include "chart/chart_driver.h"
#include "chart/election_steps.h"
#include "chart/house_systems.h"
#include "chart/time_travel.h"
#include "files/whole_file.h"
#include "settings/ini_file.h"
#include "settings/lenient_number.h"
#include "settings/option_lines.h"
#include "settings/options_file.h"
#include "settings/owner_name.h"
#include "shell/instant_steps.h"
#include "shell/menu_table.h"
#include "shell/screen_fit.h"
#include "shell/time_bar.h"
#include "shell/wheel_view.h"
#include "wheel/drawing_tables_file.h"
#include "wheel/printed_page.h"
#include "wheel/wheel_picture.h"
#include "windows/about_window.h"
#include "windows/aspect_window.h"
#include "windows/busy_pointer.h"
#include "windows/election_window.h"
#include "windows/help_window.h"
#include "windows/options_window.h"
#include "windows/orbs_edit_window.h"
#include "windows/select_file_window.h"
#include "windows/title_window.h"

namespace orvantis {
namespace {

// What the commands of the menu table do, where a table says it best.
struct StepItem {
    const char* name;
    void (*step)(ElectionData&);
    int direction;  // +1 forward in time, -1 back
    int minutes;    // of real time in a named zone; 0 for a day, which keeps the clock time
};
const StepItem kSteps[] = {
    {"mnuUpdateAddDay", AddDay, +1, 0},       {"mnuUpdateSubDay", SubtractDay, -1, 0},
    {"mnuUpdateAddHour", AddHour, +1, 60},    {"mnuUpdateSubHour", SubtractHour, -1, -60},
    {"mnuUpdateAddMinute", AddMinute, +1, 1}, {"mnuUpdateSubMinute", SubtractMinute, -1, -1},
};
const std::pair<const char*, const char*> kHelpFiles[] = {
    {"mnuHelpOrvantis", "ORVANTIS.HLP"},  {"mnuHelpOptions", "OPTIONS.HLP"},
    {"mnuHelpSelect", "SELECT.HLP"},      {"mnuHelpEvents", "EVENTS.HLP"},
    {"mnuHelpAboutWindow", "ABOUT.HLP"},  {"mnuHelpHints", "HINTS.HLP"},
    {"mnuShortcutKeys", "SHORTCUT.HLP"},  {"mnuHelpLicense", "LICENSE.HLP"},
    {"mnuHelpRevisions", "REVISION.HLP"}, {"chartsHelpAction", "CHARTS.HLP"},
};

}  // namespace

MainWindow::MainWindow(ShellEnvironment environment) : env_(std::move(environment)) {
    startUp();
}

MainWindow::~MainWindow() = default;

// Start-up, in the order that makes every later step find what it reads. The single-instance
// check runs before this window is made (see main.cpp).
void MainWindow::startUp() {
    clock_timer_.stop();
    BusyPointer busy;
    font_ = std::make_unique<FontRegistration>(env_.folders.shipped + "/querna.ttf");
    LoadingGeometry_ = false;
    const auto ini = ReadFileWhole(DataPath(kIniFileName)).value_or("");
    ReadStartSettings(ini);
    BuildClientArea();
    createActions();
    const char letter = HouseLetterForOption(options_[kOptionStartHouseSystem], env_.notifier);
    for (QAction* item : houses_->actions()) item->setChecked(item->data().toChar() == letter);
    running_item_->setChecked(true);
    ShowFirstChart(ini);
    if (options_[kOptionKeepGeometry] != 0) {
        LoadingGeometry_ = true;
        ApplyIniGeometry(ini);
        LoadingGeometry_ = false;
    }
    FitToScreen();
    onWheelResized();
    StartClock();
}

// The INI file's scale, layout and event kinds, the owner, the screen's preset, the options.
void MainWindow::ReadStartSettings(const std::string& ini) {
    const IniScaleAndChart scale_and_chart = ReadIniScaleAndChart(ini);
    StartScale_ = scale_and_chart.StartScale;
    TypeChart_ = scale_and_chart.TypeChart;
    OwnerName_ = ReadOwnerName(env_.owner_file_text);
    ReadEventsIni(ini);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    twips_per_pixel_ = kTwipsPerInch / (dpi > 0 ? dpi : 96.0);
    const int screen_width = screen ? screen->size().width() : 1024;
    preset_ = ChooseGeometryPreset(screen_width, static_cast<int>(std::lround(twips_per_pixel_)));

    OrbFilePath_ = DataPath("NATAL.ORB");
    LoadOptions();
    CaptionPrefix_ = BuildCaptionPrefix(OwnerName_, options_);
}

// The wheel over the time bar, and the status bar's line of the next event.
void MainWindow::BuildClientArea() {
    wheel_ = new WheelView(this);
    connect(wheel_, &WheelView::Resized, this, &MainWindow::onWheelResized);
    time_bar_ = new TimeBar(options_, this);
    time_bar_->hide();
    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(wheel_, 1);
    column->addWidget(time_bar_);
    setCentralWidget(client);
    next_event_ = new QLabel(this);
    next_event_->setObjectName("nextEventLabel");
    statusBar()->addWidget(next_event_, 1);
    statusBar()->hide();
}

// The chart of the present moment, and the transits the INI file names.
void MainWindow::ShowFirstChart(const std::string& ini) {
    const DrawingTablesLoad tables = LoadDrawingTablesFrom(env_.folders.shipped);
    tables_ = tables.tables;
    for (const Problem& problem : tables.problems) env_.notifier->Notify(problem);
    const auto now = std::chrono::floor<std::chrono::seconds>(env_.clock->Now());
    election_ = HomeElectionAt(now);
    RecomputeSequence();
    if (const auto radix = ReadIniText(ini, kIniTransitsToKey); radix && !radix->empty())
        SetTransitsTo(*radix);
    else
        transits_off_item_->setEnabled(false);
}

void MainWindow::StartClock() {
    clock_timer_.setObjectName("clockTimer");
    clock_timer_.setSingleShot(true);
    clock_timer_.setTimerType(Qt::PreciseTimer);
    connect(&clock_timer_, &QTimer::timeout, this, [this] {
        onClockTick();
        ScheduleNextTick();
    });
    onClockTick();
    if (!env_.start_timer) return;
    ScheduleNextTick();
    // The title window comes up over the shown main window, once the event loop runs.
    if (options_[kOptionTitleWindow] == 1)
        QTimer::singleShot(0, this, [this] { TitleWindow::ShowModal(this); });
}

void MainWindow::createActions() {
    for (const MenuBarEntry& entry : MenuBarTable()) {
        if (entry.commands.empty()) {
            menuBar()->addAction(entry.caption)->setObjectName(entry.name);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(entry.caption);
        menu->setObjectName(entry.name);
        for (const MenuCommand& command : entry.commands) {
            QAction* action = std::string_view(command.caption) == "-"
                                  ? menu->addSeparator()
                                  : menu->addAction(command.caption);
            action->setObjectName(command.name);
            if (command.shortcut != kNoShortcut) action->setShortcut(command.shortcut);
        }
    }
    ConnectChartActions();
    ConnectTransitActions();
    ConnectViewActions();
}

QAction* MainWindow::MenuItem(const char* name) const {
    return findChild<QAction*>(name);
}

// The house systems, the chart's moment and place, the orbs and the chart library.
void MainWindow::ConnectChartActions() {
    const auto on = [this](const char* name, auto handler) {
        connect(MenuItem(name), &QAction::triggered, this, handler);
    };
    houses_ = new QActionGroup(this);
    for (const HouseSystemEntry& house : kHouseSystems) {
        const std::string name = "mnuHouse" + std::string(house.name);
        QAction* action = MenuItem(name.c_str());
        action->setCheckable(true);
        action->setData(QChar(HouseLetter(house.system)));
        houses_->addAction(action);
        // Clicking the checked item keeps it checked and recomputes all the same.
        on(name.c_str(), [this, action] {
            UncheckAllHouses();
            action->setChecked(true);
            RecomputeSequence();
        });
    }
    on("mnuFileExit", &MainWindow::onFileExit);
    running_item_ = MenuItem("mnuElectionsRunning");
    running_item_->setCheckable(true);
    on("mnuElectionsRunning", [this](bool running) {
        if (running) RecomputeSequence();
    });
    on("mnuElectionsData", &MainWindow::onElectionData);
    for (const StepItem& s : kSteps)
        on(s.name, [this, s] { StepElection(s.step, s.direction, s.minutes); });
    on("mnuOrbsChange", &MainWindow::onOrbsChange);
    on("mnuOrbsEdit", [this] { OrbsEdit::Open(OrbFilePath_, *env_.notifier, this); });
    on("mnuOptionsOptions", &MainWindow::onOptions);
    on("chartsAction", &MainWindow::onCharts);
    on("saveChartAction", &MainWindow::onSaveChart);
    on("homePlaceAction", &MainWindow::onHomePlace);
}

// The transits to a saved chart: chosen, switched off, with the radix's own aspects or not.
void MainWindow::ConnectTransitActions() {
    connect(MenuItem("transitsToAction"), &QAction::triggered, this, &MainWindow::onTransitsTo);
    transits_off_item_ = MenuItem("transitsOffAction");
    connect(transits_off_item_, &QAction::triggered, this, [this] { SetTransitsTo(""); });
    QAction* radix_aspects_item = MenuItem("radixAspectsAction");
    radix_aspects_item->setCheckable(true);
    radix_aspects_item->setChecked(radix_aspects_);
    connect(radix_aspects_item, &QAction::toggled, this, [this](bool on) {
        radix_aspects_ = on;
        ShowWheel();
    });
}

// What shows the chart: the aspects, the events, printing, the layout, the time bar, the help.
void MainWindow::ConnectViewActions() {
    const auto on = [this](const char* name, auto handler) {
        connect(MenuItem(name), &QAction::triggered, this, handler);
    };
    on("mnuAspects", &MainWindow::onAspects);
    on("mnuEventsShow", &MainWindow::onEvents);
    QAction* event_line = MenuItem("mnuEventsStatusBar");
    event_line->setCheckable(true);
    connect(event_line, &QAction::toggled, this, [this](bool on) {
        statusBar()->setVisible(on);
        TickEvents();
    });
    on("mnuPrintChartwheel", &MainWindow::onPrintChartwheel);
    american_item_ = MenuItem("mnuCTAmerican");
    american_item_->setCheckable(true);
    on("mnuCTAmerican", [this] { SetTypeChart(0); });
    european_item_ = MenuItem("mnuCTEuropean");
    european_item_->setCheckable(true);
    on("mnuCTEuropean", [this] { SetTypeChart(1); });
    QAction* time_bar_item = MenuItem("mnuViewTimeBar");
    time_bar_item->setCheckable(true);
    connect(time_bar_item, &QAction::toggled, time_bar_, &QWidget::setVisible);
    connect(time_bar_, &TimeBar::Travelled, this, &MainWindow::onTravel);
    connect(time_bar_, &TimeBar::CaptionChanged, this, [this] { setWindowTitle(CaptionText()); });
    connect(time_bar_, &TimeBar::NowChosen, this, [this] {
        if (!Running()) running_item_->trigger();
    });
    for (const auto& [name, file] : kHelpFiles) on(name, [this, f = file] { ShowHelpFile(f); });
    on("mnuHelpAbout", [this] { About::Open(about_window_, env_.folders.settings, this); });
}

QString MainWindow::DataPath(const char* file_name) const {
    return env_.folders.settings + "/" + QString::fromLatin1(file_name);
}

void MainWindow::LoadOptions() {
    const auto text = ReadFileWhole(DataPath(kOptionsFileName));
    const auto master =
        ReadFileWhole(env_.folders.shipped + "/" + QString::fromLatin1(kMasterOptionsFileName));
    if (const auto message = ReadStartupOptions(text, master, options_))
        env_.notifier->Notify(Warning(*message, Icon::kExclamation));
    LoadHomeZone(text.value_or(""));
}

void MainWindow::LoadHomeZone(std::string_view options_text) {
    HomeZoneRead read = HomeZone::FromOptions(options_text, options_[kOptionHomeZone]);
    if (read.problem) env_.notifier->Notify(*read.problem);
    home_zone_ = std::move(read.zone);
    events_.home_zone = home_zone_;
}

ElectionData MainWindow::HomeElectionAt(std::chrono::sys_seconds at) const {
    return LoadElectionDataFromNow(at, options_, home_zone_.HoursAt(at), home_zone_.Name());
}

void MainWindow::ApplyIniGeometry(const std::string& ini) {
    const WindowGeometry g = ReadIniWindowGeometry(ini);
    const auto pixels = [this](double twips) {
        return static_cast<int>(std::lround(twips / twips_per_pixel_));
    };
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    const QRect saved(pixels(g.left), pixels(g.top), pixels(g.width), pixels(g.height));
    const QRect shown = OnNearestScreen(saved, screens);
    move(shown.topLeft());
    resize(shown.size());
}

bool MainWindow::Running() const {
    return running_item_->isChecked();
}

char MainWindow::CheckedHouseSystem() const {
    const QAction* checked = houses_->checkedAction();
    return checked ? checked->data().toChar().toLatin1() : 'P';
}

void MainWindow::UncheckAllHouses() {
    houses_->setExclusive(false);
    for (QAction* item : houses_->actions()) item->setChecked(false);
    houses_->setExclusive(true);
}

namespace {

// Keeps the messages of a computation to say them afterwards.
class HeldProblems : public Notifier {
public:
    void Notify(const Problem& problem) override { problems.push_back(problem); }
    std::vector<Problem> problems;
};

}  // namespace

void MainWindow::RecomputeSequence(Asker asker) {
    HeldProblems held;
    {
        // A frame of the time bar goes without the busy pointer (it comes many times a second);
        // any other computation stops a play, whose next frame would undo it.
        std::optional<BusyPointer> busy;
        if (asker != Asker::kTimeBar) {
            busy.emplace();
            time_bar_->Play(0);
        }
        RecomputeInto(held);
    }
    // A problem the clock meets each minute, or the time bar each frame, is said the first time
    // only: a box every minute would stop the clock while it is open and come back as soon as it
    // is closed.
    const bool from_clock = asker != Asker::kUser;
    std::vector<std::string> now_said;
    for (const Problem& problem : held.problems) {
        now_said.push_back(problem.text);
        if (!from_clock) {
            env_.notifier->Notify(problem);
        } else if (std::find(said_.begin(), said_.end(), problem.text) == said_.end()) {
            env_.clock_notifier ? env_.clock_notifier->Notify(problem) : ShowClockNote(problem);
        }
    }
    said_ = std::move(now_said);
}

void MainWindow::ShowClockNote(const Problem& problem) {
    if (clock_note_) clock_note_->close();
    auto* note = new QMessageBox(QMessageBox::Information, QString::fromStdString(problem.title),
                                 QString::fromStdString(problem.text), QMessageBox::Ok, this);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setWindowModality(Qt::NonModal);
    note->show();
    clock_note_ = note;
}

void MainWindow::RecomputeInto(Notifier& notifier) {
    ChartRequest request;
    request.house_system = CheckedHouseSystem();
    request.running = Running();
    request.now = std::chrono::floor<std::chrono::seconds>(env_.clock->Now());
    request.zone_hours = home_zone_.HoursAt(request.now);
    request.zone_name = home_zone_.Name();
    ClearVectorUpperState();  // after Qt's own work: see astro/vector_state.h
    if (ComputeChart(chart_, election_, options_, request, notifier)) {
        OrbFilePath_ = DataPath("NATAL.ORB");  // every chart resets the orb file choice
    }
    computed_minute_ = std::chrono::floor<std::chrono::minutes>(request.now);
    ++recompute_count_;
    UpdateRadix();  // the house system and options may have changed
    UpdateDisplayedChart();
    time_bar_->ShowChart(chart_);
}

void MainWindow::onTravel(std::chrono::sys_seconds instant) {
    if (Running()) {  // from the running clock: its place and zone, the home's
        running_item_->setChecked(false);
        election_ = HomeElectionAt(instant);
        election_.ElectEvent = "Time travel";
    }
    election_ = ElectionAt(election_, instant, time_bar_->ZoneHoursAt(instant));
    RecomputeSequence(Asker::kTimeBar);
}

void MainWindow::UpdateDisplayedChart() {
    if (chart_.ChartReady) {
        american_item_->setChecked(TypeChart_ == 0);
        european_item_->setChecked(TypeChart_ != 0);
    }
    // The aspect window follows the chart on display, under the orbs it was opened with.
    if (aspect_window_) aspect_window_->ListAspects(chart_.PlanetLong, OrbValues_);
    ShowWheel();
}

// The preset size, fitted to the screen's free area with the title bar: at start and when the
// window moves to another screen, never at a minute, so a size the user chose stays.
void MainWindow::FitToScreen() {
    const bool normal =
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (!normal || options_[kOptionKeepGeometry] != 0 || LoadingGeometry_) return;
    const QScreen* on = screen();
    if (on)
        preset_ = ChooseGeometryPreset(on->size().width(),
                                       static_cast<int>(std::lround(twips_per_pixel_)));
    const QSize wanted(static_cast<int>(std::lround(preset_.PresetWidth / twips_per_pixel_)),
                       static_cast<int>(std::lround(preset_.PresetHeight / twips_per_pixel_)));
    const QRect frame = frameGeometry(), client = geometry();
    const QMargins known(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect fitted = on ? FitToAvailable(wanted, client, on->availableGeometry(),
                                             known.isNull() ? kGuessedFrame : known)
                            : QRect(client.topLeft(), wanted);
    SizingWindow_ = true;
    setGeometry(fitted);
    SizingWindow_ = false;
    ShowWheel();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (screen_watched_ || !windowHandle()) return;
    screen_watched_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::FitToScreen);
    // Once the window manager has framed the window, its real title bar is known.
    QTimer::singleShot(200, this, &MainWindow::FitToScreen);
}

void MainWindow::ShowWheel() {
    if (radix_chart_) return wheel_->SetPicture(BiWheelPicture());
    wheel_->SetPicture(
        WheelPicture{chart_, options_, tables_, OrbValues_, StartScale_, TypeChart_, std::nullopt});
}

void MainWindow::onElectionData() {
    // The window's "New Angles" works on a copy, so a cancelled entry leaves the chart on
    // display whole, captions included.
    time_bar_->Play(0);  // the window edits the record a play would move on
    ChartState scratch = chart_;
    ElectionWindow window(
        election_, scratch, options_, CheckedHouseSystem(), *env_.notifier,
        [this] { running_item_->setChecked(false); }, this);
    window.SetPlaces(Places());
    window.SetChartSaving([this](const ElectionData& e) { SaveChart(e); });
    window.exec();
    if (window.InputAccepted()) RecomputeSequence();
}

void MainWindow::onAspects() {
    if (aspect_window_) aspect_window_->close();
    aspect_window_ =
        AspectWindow::Open(chart_.PlanetLong, OrbFilePath_, OrbValues_, *env_.notifier, this);
    ShowWheel();  // with the orbs just read
}

void MainWindow::onOrbsChange() {
    const QString chosen =
        SelectNewOrbFile(env_.folders.settings, OrbFilePath_, *env_.notifier, this);
    if (chosen.isEmpty()) return;
    OrbFilePath_ = chosen;  // until the next chart computation
    onAspects();
}

void MainWindow::onWheelResized() {
    if (LoadingGeometry_ || !wheel_) return;
    if (const auto scale = StartScaleFor(wheel_->width(), wheel_->height())) StartScale_ = *scale;
    // While FitToScreen sizes the window, it hands the wheel its new scale itself.
    if (!SizingWindow_) ShowWheel();
}

void MainWindow::onClockTick() {
    setWindowTitle(CaptionText());
    const auto now = env_.clock->Now();
    const auto minute = std::chrono::floor<std::chrono::minutes>(now);
    // The first tick of every new minute recomputes, so a late or coalesced tick never skips
    // a minute.
    if (Running() && computed_minute_ != minute) RecomputeSequence(Asker::kClock);
    TickEvents();
}

// The events count down with this clock; nothing is computed while neither shows them.
void MainWindow::TickEvents() {
    time_bar_->SetRadix(events_.radix, events_.transit_rules);
    const bool line = statusBar()->isVisibleTo(this);
    if (!events_window_ && !line) return;
    const auto now = std::chrono::floor<std::chrono::seconds>(env_.clock->Now());
    const bool recomputed = events_.Update(now);
    if (events_window_) events_window_->Tick(now, recomputed);
    if (line) next_event_->setText(NextEventLine(events_, now, env_.regional.TimeFormat));
}

void MainWindow::onEvents() {
    EventsWindow::Open(events_window_, events_,
                       std::chrono::floor<std::chrono::seconds>(env_.clock->Now()),
                       env_.regional.TimeFormat, env_.folders.shipped, *env_.notifier, this);
}

QString MainWindow::CaptionText() const {
    if (const QString travel = time_bar_->TravelCaption(); !travel.isEmpty())
        return QString::fromLatin1(CaptionPrefix_.c_str()) + travel;
    const auto now = std::chrono::floor<std::chrono::seconds>(env_.clock->Now());
    const CivilMoment clock = HomeClockAt(now, home_zone_.HoursAt(now));
    char text[64];
    if (env_.regional.TimeFormat == 1) {
        std::snprintf(text, sizeof text, "%02d %s %04d     %02d:%02d:%02d", clock.date.day,
                      MonthAbbreviation(clock.date.month), clock.date.year, clock.hour,
                      clock.minute, clock.second);
    } else {
        const int hour = clock.hour % 12 == 0 ? 12 : clock.hour % 12;
        std::snprintf(text, sizeof text, "%02d %s %04d     %d:%02d:%02d %s", clock.date.day,
                      MonthAbbreviation(clock.date.month), clock.date.year, hour, clock.minute,
                      clock.second, clock.hour >= 12 ? "PM" : "AM");
    }
    return QString::fromLatin1(CaptionPrefix_.c_str()) + QString::fromLatin1(text);
}

void MainWindow::ScheduleNextTick() {
    // Fire just after the next whole second, so the caption's seconds change in step with
    // the clock.
    const auto now = env_.clock->Now();
    const auto into_second = now - std::chrono::floor<std::chrono::seconds>(now);
    const int wait_ms =
        1000 -
        static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(into_second).count()) +
        5;
    clock_timer_.start(wait_ms);
}

void MainWindow::StepElection(void (*step)(ElectionData&), int direction, int minutes) {
    BusyPointer busy;
    running_item_->setChecked(false);
    if (election_.ElectZoneName.empty()) {
        step(election_);
    } else if (minutes != 0) {
        StepInstant(election_, minutes);
    } else {
        step(election_);
        RezoneAfterStep(election_, direction);
    }
    RecomputeSequence();
}

void MainWindow::SetTypeChart(int type_chart) {
    BusyPointer busy;
    american_item_->setChecked(type_chart == 0);
    european_item_->setChecked(type_chart != 0);
    TypeChart_ = type_chart;
    ShowWheel();
}

WheelInputs MainWindow::MakeWheelInputs(const WheelStyle& style) const {
    return AssembleWheelInputs(wheel_->Picture(), style);  // the bi-wheel too, when on display
}

bool MainWindow::WriteSettingsIniFile() {
    const auto twips = [this](double pixels) {
        return static_cast<float>(pixels * twips_per_pixel_);
    };
    WindowGeometry g;
    g.top = twips(y());
    g.left = twips(x());
    g.height = twips(height());
    g.width = twips(width());
    g.scale_height = static_cast<float>(wheel_->height());
    g.scale_width = static_cast<float>(wheel_->width());
    std::string text = WriteSettingsIni(static_cast<std::int16_t>(StartScale_),
                                        static_cast<std::int16_t>(TypeChart_), g) +
                       EventsIniLines();
    // Written beside the old file and renamed over it: a failed write leaves the old one whole.
    QString reason;
    const bool written =
        WriteFileWhole(DataPath(kIniFileName), QByteArray::fromStdString(text), &reason);
    if (!written) {
        env_.notifier->Notify(
            Warning("The settings file ORVANTIS.INI could not be saved: " + reason.toStdString(),
                    Icon::kExclamation));
    }
    return written;
}

void MainWindow::onFileExit() {
    if (exited_) return;
    exited_ = true;
    clock_timer_.stop();
    font_->Remove();
    if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
    WriteSettingsIniFile();
    close();
}

void MainWindow::onOptions() {
    // The editor checks that OPTIONS.OPT exists ("OPTIONS.OPT File Not Found" otherwise).
    auto* editor =
        orvantis::OptionsEditor::Open(options_window_, env_.folders.settings, env_.folders.shipped,
                                      options_, CaptionPrefix_, OwnerName_, *env_.notifier, this);
    if (!editor) return;
    // A member function, not a lambda: Qt refuses a unique connection to a lambda, and the
    // editor brought forward again is already connected.
    connect(editor, &orvantis::OptionsEditor::OptionsSaved, this, &MainWindow::ShowSavedOptions,
            Qt::UniqueConnection);
}

void MainWindow::ShowSavedOptions() {
    // Saved options show at once in the caption and the wheel; the chart itself follows at its
    // next computation.
    LoadHomeZone(ReadFileWhole(DataPath(kOptionsFileName)).value_or(""));
    said_.clear();  // new options: what the clock finds wrong is news again
    setWindowTitle(CaptionText());
    ShowWheel();
}

void MainWindow::ShowHelpFile(const char* help_file_name) {
    HelpWindow::ShowHelpFile(help_window_, env_.folders.shipped, help_file_name, *env_.notifier,
                             this);
}

void MainWindow::onPrintChartwheel() {
    const auto answer = QMessageBox::question(
        this, "Full page or half page chartwheel",
        "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes && answer != QMessageBox::No) return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;

    BusyPointer busy;
    const PagePainter paint = answer == QMessageBox::Yes ? FullPagePainter() : HalfPagePainter();
    std::optional<QString> failure;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        failure = WritePdfFile(printer.outputFileName(), printer.pageLayout(), paint);
    } else {
        QPainter painter;
        if (!painter.begin(&printer)) {
            failure = "the printer could not be started";
        } else {
            paint(
                painter,
                QRectF(QPointF(0, 0),
                       QSizeF(printer.pageLayout().paintRectPixels(printer.resolution()).size())));
            if (!painter.end()) failure = "the printer did not accept the page";
        }
    }
    if (failure) {
        env_.notifier->Notify(Warning(
            "The chartwheel was not printed: " + failure->toStdString() + ".", Icon::kExclamation));
    }
}

MainWindow::PagePainter MainWindow::FullPagePainter() {
    // The printed grid reads the orb file at the moment of printing.
    if (options_[kOptionPrintGrid] != 0) {
        if (const auto problem = LoadOrbFile(StdPath(OrbFilePath_), OrbValues_))
            env_.notifier->Notify(*problem);
        ShowWheel();
    }
    return [this](QPainter& painter, const QRectF& paper) {
        PaintFullPage(painter, paper, MakeWheelInputs(PrinterPageWheelStyle()));
    };
}

MainWindow::PagePainter MainWindow::HalfPagePainter() {
    return [this, size = QSizeF(wheel_->size())](QPainter& painter, const QRectF& paper) {
        PaintHalfPage(painter, paper, MakeWheelInputs(WindowWheelStyle(true)), size);
    };
}

void MainWindow::closeEvent(QCloseEvent* event) {
    onFileExit();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Esc refreshes the wheel: the safer of the two choices, since hiding a window that has no
    // other way back could lose it for the user.
    if (event->key() == Qt::Key_Escape) {
        wheel_->update();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace orvantis
