// orvantis-chart-images: orvantis-chart with the wheel images (--png, --svg, --pdf,
// --wheel-items). orvantis-chart runs it for those; it takes the same options and prints the same
// text, so it also serves alone.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

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
    const std::filesystem::path data_dir = StdPath(folders.settings);
    const auto ini = ReadTextFile(data_dir / kIniFileName).value_or("");
    const int type_chart = command.layout.value_or(ReadIniScaleAndChart(ini).TypeChart);
    if (command.frames)
        return WriteFrameImages(command, chart, options, tables.tables, type_chart, notifier);

    // A bi-wheel: the saved chart drawn as the radix, this chart's sky around it.
    std::optional<ChartState> radix;
    std::optional<TransitSky> transits;
    if (command.natal) {
        const auto saved = SavedChartElection(*command.natal, folders, notifier);
        if (const int* status = std::get_if<int>(&saved)) return *status;
        ChartRequest request;
        request.house_system = chart.HouseSystem;
        request.running = false;
        ChartState natal;
        if (!ComputeChart(natal, std::get<ElectionData>(saved), options, request, notifier))
            return kRefused;
        radix = BiWheelRadix(natal, *command.natal);
        OrbValues transit_orbs{};
        if (const auto problem = LoadOrbFile(data_dir / "TRANSIT.ORB", transit_orbs))
            notifier.Notify(*problem);
        transits = TransitSkyOf(chart, transit_orbs);
    }
    const ChartState& drawn = radix ? *radix : chart;

    OrbValues orbs{};
    if (command.pdf && options[kOptionPrintGrid] != 0) {
        if (const auto problem = LoadOrbFile(OrbFilePath(command, data_dir), orbs))
            notifier.Notify(*problem);
    }
    // The scale follows the image size (set by the writers); 304 stands for the 4:3 preset.
    const auto inputs_for = [&](const WheelStyle& style) {
        WheelInputs inputs =
            AssembleWheelInputs(drawn, options, tables.tables, orbs, 304, type_chart, style);
        if (transits) inputs.transits = &*transits;
        return inputs;
    };
    if (command.png || command.wheel_items) {
        // The drawing list describes the PNG's paint; without --png no image is saved.
        const std::string png = command.png.value_or("");
        if (const auto failure =
                WriteWheelPng(png, inputs_for(WindowWheelStyle()), command.png_width,
                              command.png_height, command.wheel_items)) {
            std::fprintf(stderr, "orvantis-chart: %s not written: %s\n",
                         (png.empty() ? *command.wheel_items : png).c_str(), failure->c_str());
            return kFailed;
        }
    }
    if (command.svg) {
        if (const auto failure = WriteWheelSvg(*command.svg, inputs_for(WindowWheelStyle()),
                                               command.png_width, command.png_height)) {
            std::fprintf(stderr, "orvantis-chart: %s not written: %s\n", command.svg->c_str(),
                         failure->c_str());
            return kFailed;
        }
    }
    if (command.pdf) {
        PdfPage page;
        page.half = command.page == PrintedPage::kHalf;
        if (command.paper)
            page.paper = *command.paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4;
        page.window = QSize(command.png_width, command.png_height);
        const WheelStyle style = page.half ? WindowWheelStyle(true) : PrinterPageWheelStyle();
        if (const auto failure = WriteWheelPdf(*command.pdf, inputs_for(style), page)) {
            std::fprintf(stderr, "orvantis-chart: %s not written: %s\n", command.pdf->c_str(),
                         failure->c_str());
            return kFailed;
        }
    }
    return 0;
}

}  // namespace
}  // namespace orvantis

int main(int argc, char** argv) {
    return orvantis::RunChartProgram(argc, argv, orvantis::WriteImages);
}
