// orvantis-chart-images: orvantis-chart with the wheel images (--png, --svg, --pdf,
// --wheel-items). orvantis-chart runs it for those; it takes the same options and prints the same
// text, so it also serves alone.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "aspects/orb_file.h"
#include "chart/chart_driver.h"
#include "cli/chart_images.h"
#include "cli/frame_images.h"
#include "cli/library_command.h"
#include "cli/orvantis_chart_main.h"
#include "files/whole_file.h"
#include "settings/ini_file.h"
#include "settings/option_lines.h"
#include "settings/text_lines.h"
#include "wheel/drawing_tables_file.h"
#include "wheel/font_registration.h"
#include "wheel/transit_ring.h"
#include "wheel/wheel_picture.h"

namespace orvantis {
namespace {

constexpr int kFailed = 1;
constexpr int kRefused = 2;

// A runtime folder of this process's own (mode 0700, as Qt requires), made only when the
// environment names none, and removed again at the end.
class RuntimeFolder {
public:
    RuntimeFolder() {
        if (std::getenv("XDG_RUNTIME_DIR")) return;
        std::string pattern = (std::filesystem::temp_directory_path(error_) / "orvantis-XXXXXX");
        if (error_ || !mkdtemp(pattern.data())) return;
        path_ = pattern;
        setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
    }
    ~RuntimeFolder() {
        if (!path_.empty()) std::filesystem::remove_all(path_, error_);
    }
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

private:
    std::error_code error_;
    std::string path_;
};

// With --natal: the saved chart drawn as the radix, this chart's sky around it as its transits.
struct BiWheel {
    std::optional<ChartState> radix;
    std::optional<TransitSky> transits;
};
std::variant<BiWheel, int> BiWheelOf(const ChartCommand& command, const DataFolders& folders,
                                     const ChartState& chart, const OptionValues& options,
                                     Notifier& notifier) {
    BiWheel wheel;
    if (!command.natal) return wheel;
    const auto saved = SavedChartElection(*command.natal, folders, notifier);
    if (const int* status = std::get_if<int>(&saved)) return *status;
    ChartRequest request;
    request.house_system = chart.HouseSystem;
    request.running = false;
    ChartState natal;
    if (!ComputeChart(natal, std::get<ElectionData>(saved), options, request, notifier))
        return kRefused;
    wheel.radix = BiWheelRadix(natal, *command.natal);
    OrbValues transit_orbs{};
    if (const auto problem = LoadOrbFile(StdPath(folders.settings) / "TRANSIT.ORB", transit_orbs))
        notifier.Notify(*problem);
    wheel.transits = TransitSkyOf(chart, transit_orbs);
    return wheel;
}

// The exit status of one file written, having said why it was not.
int Written(const std::string& file, const std::optional<std::string>& failure) {
    if (!failure) return 0;
    std::fprintf(stderr, "orvantis-chart: %s not written: %s\n", file.c_str(), failure->c_str());
    return kFailed;
}

using WheelInputsFor = std::function<WheelInputs(const WheelStyle& style)>;

// The PNG (or only its drawing list), the SVG and the PDF the command asks for, in that order.
int WriteWheelFiles(const ChartCommand& command, const WheelInputsFor& inputs_for) {
    if (command.png || command.wheel_items) {
        // The drawing list describes the PNG's paint; without --png no image is saved.
        const std::string png = command.png.value_or("");
        if (const int status =
                Written(png.empty() ? *command.wheel_items : png,
                        WriteWheelPng(png, inputs_for(WindowWheelStyle()), command.png_width,
                                      command.png_height, command.wheel_items)))
            return status;
    }
    if (command.svg) {
        if (const int status =
                Written(*command.svg, WriteWheelSvg(*command.svg, inputs_for(WindowWheelStyle()),
                                                    command.png_width, command.png_height)))
            return status;
    }
    if (!command.pdf) return 0;
    PdfPage page;
    page.half = command.page == PrintedPage::kHalf;
    if (command.paper)
        page.paper = *command.paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4;
    page.window = QSize(command.png_width, command.png_height);
    const WheelStyle style = page.half ? WindowWheelStyle(true) : PrinterPageWheelStyle();
    return Written(*command.pdf, WriteWheelPdf(*command.pdf, inputs_for(style), page));
}

// The wheel of the chart (or of the bi-wheel) into the files the command asks for.
int DrawWheel(const ChartCommand& command, const DataFolders& folders, const ChartState& chart,
              const OptionValues& options, const DrawingTables& tables, int type_chart,
              Notifier& notifier) {
    auto bi_wheel = BiWheelOf(command, folders, chart, options, notifier);
    if (const int* status = std::get_if<int>(&bi_wheel)) return *status;
    const BiWheel& wheel = std::get<BiWheel>(bi_wheel);
    const ChartState& drawn = wheel.radix ? *wheel.radix : chart;
    OrbValues orbs{};
    if (command.pdf && options[kOptionPrintGrid] != 0) {
        const auto path = OrbFilePath(command, StdPath(folders.settings));
        if (const auto problem = LoadOrbFile(path, orbs)) notifier.Notify(*problem);
    }
    // The scale follows the image size (set by the writers); 304 stands for the 4:3 preset.
    return WriteWheelFiles(command, [&](const WheelStyle& style) {
        WheelInputs inputs =
            AssembleWheelInputs(drawn, options, tables, orbs, 304, type_chart, style);
        if (wheel.transits) inputs.transits = &*wheel.transits;
        return inputs;
    });
}

// Draws the wheel into the files the command asks for. Without a display, Qt paints offscreen.
int WriteImages(const ChartCommand& command, const DataFolders& folders, const ChartState& chart,
                const OptionValues& options, Notifier& notifier, int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Without XDG_RUNTIME_DIR (root, a cron job, a container) Qt warns on every start: a private
    // runtime folder for this run keeps standard error for what was asked.
    RuntimeFolder runtime;
    QGuiApplication app(argc, argv);
    FontRegistration font(folders.shipped + "/querna.ttf");

    const DrawingTablesLoad tables = LoadDrawingTablesFrom(folders.shipped);
    for (const Problem& problem : tables.problems) notifier.Notify(problem);
    const auto ini = ReadTextFile(StdPath(folders.settings) / kIniFileName).value_or("");
    const int type_chart = command.layout.value_or(ReadIniScaleAndChart(ini).TypeChart);
    if (command.frames)
        return WriteFrameImages(command, chart, options, tables.tables, type_chart, notifier);
    return DrawWheel(command, folders, chart, options, tables.tables, type_chart, notifier);
}

}  // namespace
}  // namespace orvantis

int main(int argc, char** argv) {
    return orvantis::RunChartProgram(argc, argv, orvantis::WriteImages);
}
