// The window's running costs: one paint of the wheel into a 1024 x 768 image, one second tick of
// the clock (caption only), and one minute tick (recompute and repaint). Qt runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <chrono>

#include "shell/main_window.h"
#include "wheel/qpainter_surface.h"
#include "window_fixture.h"

namespace {

using namespace orvantis;
using namespace std::chrono;

using Fixture = bench::WindowFixture;

// Made after the application object and gone before it (see main).
Fixture* fixture = nullptr;

Fixture& Shared() {
    return *fixture;
}

// Arguments: layout (0 American, 1 European), image width and height. Targets: under 2 ms at
// 1024 x 768 and under 16 ms (one frame) at 3840 x 2160.
void BM_PaintWheel(benchmark::State& state) {
    Fixture& f = Shared();
    const int width = static_cast<int>(state.range(1)), height = static_cast<int>(state.range(2));
    QImage image(width, height, QImage::Format_RGB32);
    WheelInputs inputs = f.window->MakeWheelInputs(WindowWheelStyle());
    inputs.StartScale = static_cast<int>(228.0 * width / height + 0.5);
    inputs.TypeChart = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintWheelOn(painter, QRectF(0, 0, width, height), inputs);
    }
}
BENCHMARK(BM_PaintWheel)
    ->Args({0, 1024, 768})
    ->Args({1, 1024, 768})
    ->Args({0, 3840, 2160})
    ->Args({1, 3840, 2160})
    ->Unit(benchmark::kMillisecond);

void BM_SecondTick(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        // Seconds 1..59 of the same minute: the caption changes, the chart does not.
        const auto second = f.clock.now - floor<minutes>(f.clock.now);
        f.clock.now += second >= seconds{59} ? -seconds{58} : seconds{1};
        f.window->onClockTick();
    }
}
BENCHMARK(BM_SecondTick)->Unit(benchmark::kMicrosecond);

void BM_MinuteTick(benchmark::State& state) {
    Fixture& f = Shared();
    QImage image(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        f.clock.now += minutes{1};
        f.window->onClockTick();
        QPainter painter(&image);
        PaintWheelOn(painter, QRectF(0, 0, 1024, 768),
                     f.window->MakeWheelInputs(WindowWheelStyle()));
    }
}
BENCHMARK(BM_MinuteTick)->Unit(benchmark::kMillisecond);

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
