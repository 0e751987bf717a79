// One frame of the time bar: the step that moves the chart's moment (the election record, the
// chart computed) and the paint of the wheel at the size of a full screen. Targets: under 4 ms of
// CPU at 1920 x 1080 and under 12 ms at 3840 x 2160. Qt runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <chrono>

#include "shell/main_window.h"
#include "shell/time_bar.h"
#include "wheel/qpainter_surface.h"
#include "window_fixture.h"

namespace {

using namespace orvantis;
using namespace std::chrono;

using Fixture = bench::WindowFixture;

Fixture* fixture = nullptr;

// Arguments: 1 to paint as well, image width and height.
void BM_TravelFrame(benchmark::State& state) {
    MainWindow& w = *fixture->window;
    const bool paint = state.range(0) != 0;
    const int width = static_cast<int>(state.range(1)), height = static_cast<int>(state.range(2));
    QImage image(width, height, QImage::Format_RGB32);
    int direction = 1;
    for (auto _ : state) {
        w.TravelBar()->Step(direction);  // an hour on, then back: every frame a new chart
        direction = -direction;
        if (!paint) continue;
        WheelInputs inputs = w.MakeWheelInputs(WindowWheelStyle());
        inputs.StartScale = static_cast<int>(228.0 * width / height + 0.5);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintWheelOn(painter, QRectF(0, 0, width, height), inputs);
    }
}
BENCHMARK(BM_TravelFrame)
    ->Args({0, 0, 0})
    ->Args({1, 1920, 1080})
    ->Args({1, 3840, 2160})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fixture = new Fixture;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete fixture;
    return 0;
}
