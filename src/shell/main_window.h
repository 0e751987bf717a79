// The main window: the live chart wheel, its menu commands and the one-second clock.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aspects/orb_file.h"
#include "chart/chart_driver.h"
#include "chart/chart_state.h"
#include "chart/problem.h"
#include "files/data_folders.h"
#include "library/chart_library.h"
#include "places/place_lookup.h"
#include "settings/option_values.h"
#include "settings/regional_formats.h"
#include "shell/clock.h"
#include "wheel/drawing_tables.h"
#include "wheel/font_registration.h"
#include "wheel/wheel_inputs.h"
#include "wheel/wheel_picture.h"
#include "wheel/window_geometry.h"
#include "windows/events_window.h"
#include "zones/home_zone.h"

class QAction;
class QPainter;
class QActionGroup;
class QLabel;

namespace orvantis {

class WheelView;
class OptionsEditor;
class HelpWindow;
class About;
class AspectWindow;
class TimeBar;

// What the shell takes from the system; tests pass their own.
struct ShellEnvironment {
    DataFolders folders;           // the user's files and the shipped ones
    std::string owner_file_text;   // the text of MYNAME ("" when there is none)
    RegionalFormats regional;      // clock style
    const Clock* clock = nullptr;  // the present moment
    Notifier* notifier = nullptr;  // message boxes
    bool start_timer = true;       // tests call onClockTick themselves
    // What the minute update finds wrong, said once until the options change; null: a note
    // that does not block the clock.
    Notifier* clock_notifier = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Brings the program up: settings, options, first chart, window.
    explicit MainWindow(ShellEnvironment environment);
    ~MainWindow() override;

    // The clock tick: caption every second, recompute at the first tick of each new minute
    // while Elect > Running is checked.
    void onClockTick();

    // Shows the chart just computed: the layout menu, the aspect window and the wheel.
    void UpdateDisplayedChart();

    // The exit routine of File > Exit and of closing the window: writes the INI file.
    void onFileExit();

    const ChartState& Chart() const { return chart_; }
    const ElectionData& Election() const { return election_; }
    const OptionValues& Options() const { return options_; }
    bool Running() const;
    char CheckedHouseSystem() const;
    int StartScale() const { return StartScale_; }
    int TypeChart() const { return TypeChart_; }
    QString CaptionText() const;
    int RecomputeCount() const { return recompute_count_; }
    WheelView* Wheel() const { return wheel_; }
    // Makes the saved chart of that name the radix of the transits ("": transits off), kept in
    // ORVANTIS.INI; a name the library does not hold is reported and turns them off.
    void SetTransitsTo(const std::string& name);
    const std::string& TransitsTo() const { return transits_to_; }
    TimeBar* TravelBar() const { return time_bar_; }

    // The wheel as this window draws it, for any surface (window, image, page).
    WheelInputs MakeWheelInputs(const WheelStyle& style) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The steps of the start: settings, the window's parts, its menus, the first chart, the clock.
    void startUp();
    void ReadStartSettings(const std::string& ini);
    void BuildClientArea();
    void ShowFirstChart(const std::string& ini);
    void StartClock();
    void createActions();
    QAction* MenuItem(const char* name) const;
    void ConnectChartActions();
    void ConnectTransitActions();
    void ConnectViewActions();
    void LoadOptions();
    void LoadHomeZone(std::string_view options_text);
    // The election record of that instant at home, in the home zone.
    ElectionData HomeElectionAt(std::chrono::sys_seconds at) const;
    void ApplyIniGeometry(const std::string& ini);
    void ScheduleNextTick();
    void FitToScreen();
    void onWheelResized();
    // Hands the wheel view what it paints: the chart, options, tables, scale, layout.
    void ShowWheel();
    // Who asked for the chart. What the clock and the time bar meet is said once, without
    // stopping the clock; a frame of the time bar goes without the busy pointer, and any other
    // computation stops a play, whose next frame would undo it.
    enum class Asker { kUser, kClock, kTimeBar };
    void RecomputeSequence(Asker asker = Asker::kUser);
    void ShowClockNote(const Problem& problem);
    void RecomputeInto(Notifier& notifier);
    // The time bar moved the chart: an election chart at that instant, in the chart's zone.
    void onTravel(std::chrono::sys_seconds instant);
    // A day keeps the clock time; an hour or a minute in a named zone is real time.
    void StepElection(void (*step)(ElectionData&), int direction, int minutes);
    void SetTypeChart(int type_chart);
    void UncheckAllHouses();
    void onOptions();
    void ShowSavedOptions();
    void onAspects();
    void onElectionData();
    void onOrbsChange();
    void onPrintChartwheel();
    void onEvents();
    void TickEvents();
    // Paints one printed page into the given rectangle of the painter's device.
    using PagePainter = std::function<void(QPainter&, const QRectF&)>;
    PagePainter FullPagePainter();
    PagePainter HalfPagePainter();
    void ShowHelpFile(const char* help_file_name);
    // The user's file of that name, in the settings folder.
    QString DataPath(const char* file_name) const;
    bool WriteSettingsIniFile();
    // The atlas and the chart library (main_window_library.cpp).
    void onCharts();
    void onSaveChart();
    void onHomePlace();
    void SaveChart(const ElectionData& election);
    void OpenChart(const ChartRecord& chart);
    ChartLibrary* Library();
    // Transits to a saved chart (main_window_transits.cpp).
    void onTransitsTo();
    void UpdateRadix();
    // The radix with the chart's sky as its transits.
    WheelPicture BiWheelPicture() const;
    // The events' lines of ORVANTIS.INI: the kinds shown, the Moon among the transiting bodies,
    // the radix's aspects shown, the radix.
    void ReadEventsIni(std::string_view ini);
    std::string EventsIniLines() const;
    const PlaceLookup* Places();

    ShellEnvironment env_;
    std::unique_ptr<FontRegistration> font_;
    OptionValues options_{};
    EventsFeed events_{options_};  // the coming events, while their window or line is shown
    HomeZone home_zone_;           // named on line 131 of the options; else option 18
    ChartState chart_;
    ElectionData election_;
    DrawingTables tables_;
    std::string OwnerName_;
    std::string CaptionPrefix_;
    QString OrbFilePath_;
    int StartScale_ = 287;
    int TypeChart_ = 0;
    GeometryPreset preset_;
    double twips_per_pixel_ = 15;
    bool LoadingGeometry_ = false;
    bool SizingWindow_ = false;
    bool exited_ = false;
    bool screen_watched_ = false;
    int recompute_count_ = 0;
    std::vector<std::string> said_;  // the last computation's problems, already told the user
    QPointer<QWidget> clock_note_;
    std::optional<std::chrono::sys_time<std::chrono::minutes>> computed_minute_;

    QTimer clock_timer_;
    QPointer<orvantis::OptionsEditor> options_window_;
    QPointer<HelpWindow> help_window_;
    QPointer<About> about_window_;
    QPointer<AspectWindow> aspect_window_;
    QPointer<EventsWindow> events_window_;
    QLabel* next_event_ = nullptr;  // the status bar line of the next event
    OrbValues OrbValues_{};  // the orb file last read by the aspect window and the printed grid
    WheelView* wheel_ = nullptr;
    TimeBar* time_bar_ = nullptr;
    QActionGroup* houses_ = nullptr;
    QAction* running_item_ = nullptr;
    QAction* american_item_ = nullptr;
    QAction* european_item_ = nullptr;
    std::unique_ptr<PlaceLookup> places_;    // opened when first needed
    std::unique_ptr<ChartLibrary> library_;  // likewise
    std::string transits_to_;                // the saved chart transits are timed to; "": none
    std::optional<ElectionData> radix_election_;
    std::optional<ChartState> radix_chart_;
    QAction* transits_off_item_ = nullptr;
    bool radix_aspects_ = false;  // the bi-wheel draws the radix's own aspect lines too
};

}  // namespace orvantis
