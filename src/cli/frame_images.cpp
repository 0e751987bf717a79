#include "cli/frame_images.h"

#include <chrono>
#include <cstdio>

#include "chart/chart_driver.h"
#include "cli/chart_frames.h"
#include "cli/chart_images.h"
#include "wheel/wheel_picture.h"
#include "zones/zone_names.h"

namespace orvantis {
namespace {

// The fastest zlib level: a film's frames are written many a second and read once by an encoder;
// they come out a few per cent larger than at the default level, a third sooner.
constexpr int kFramePngQuality = 80;

}  // namespace

int WriteFrameImages(const ChartCommand& command, const ChartState& first,
                     const OptionValues& options, const DrawingTables& tables, int type_chart,
                     Notifier& notifier) {
    const int frames = command.frames.value_or(1);
    const TravelStep step = command.step.value_or(TravelStep{TravelUnit::kHour, 1});
    const ElectionData place = ElectionOfChart(first);
    const auto zone = NamedZone::Find(place.ElectZoneName);
    const auto start = first.Moment;
    // Each frame is counted from the first, so month ends do not wander (31 Jan, 28 Feb, 31 Mar).
    const TravelSpan any{std::chrono::sys_days{std::chrono::year{-30000} / 1 / 1},
                         std::chrono::sys_days{std::chrono::year{30000} / 1 / 1}};
    const auto moment_of = [&](int n) {
        return StepMoment(start, {step.unit, step.count * n}, any);
    };
    const TravelSpan held;
    for (const int n : {0, frames - 1}) {
        if (moment_of(n) < held.first || moment_of(n) > held.last) {
            std::fprintf(stderr,
                         "orvantis-chart: the frames would leave the years 1900 to 2099, which "
                         "the planets' series hold\n");
            return 2;
        }
    }
    ChartRequest request;
    request.house_system = first.HouseSystem;
    request.running = false;
    const auto began = std::chrono::steady_clock::now();
    for (int n = 0; n < frames; ++n) {
        ChartState chart = first;
        if (n > 0) {
            const auto at = moment_of(n);
            const ElectionData e =
                ElectionAt(place, at, zone ? zone->HoursAt(at) : place.ElectZone);
            if (!ComputeChart(chart, e, options, request, notifier)) return 2;
        }
        const std::string path = FramePath(*command.png, n);
        // The inputs point into these: they live until the frame is written.
        const DisplayedChart shown = DisplayedCopyOf(chart);
        const OrbValues orbs{};
        const WheelInputs inputs = AssembleWheelInputs(chart, shown, options, tables, orbs, 304,
                                                       type_chart, WindowWheelStyle());
        if (const auto failure = WriteWheelPng(path, inputs, command.png_width, command.png_height,
                                               {}, kFramePngQuality)) {
            std::fprintf(stderr, "orvantis-chart: %s not written: %s\n", path.c_str(),
                         failure->c_str());
            return 1;
        }
    }
    if (command.verbose) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        std::fprintf(stderr, "orvantis-chart: %d frames in %.2f s, %.1f frames/s\n", frames,
                     seconds, seconds > 0 ? frames / seconds : 0.0);
    }
    return 0;
}

}  // namespace orvantis
