// The window's running costs: one paint of the wheel into a 1024 x 768 image, one second tick of
// the clock (caption only), and one minute tick (recompute and repaint). Qt runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>

#include "shell/main_window.h"
#include "wheel/qpainter_surface.h"

namespace {

using namespace orvantis;
using namespace std::chrono;

class SteppedClock : public Clock {
public:
    system_clock::time_point Now() const override { return now; }
    system_clock::time_point now = sys_days{year{2026} / 12 / 6} + hours{10} + seconds{1};
};

class NoMessages : public Notifier {
public:
    void Notify(const Problem&) override {}
};

// One window on a copy of the data files, for the whole run.
struct Fixture {
    Fixture() {
        for (const char* name :
             {"OPTIONS.OPT", "NATAL.ORB", "HCDATA.DAT", "RADIUS.DAT", "querna.ttf"})
            QFile::copy(QString(ORVANTIS_BUILD_DIR) + "/" + name, dir.filePath(name));
        ShellEnvironment env;
        env.folders = {dir.path(), dir.path()};
        env.clock = &clock;
        env.notifier = &notifier;
        env.start_timer = false;
        window = std::make_unique<MainWindow>(env);
    }
    QTemporaryDir dir;
    SteppedClock clock;
    NoMessages notifier;
    std::unique_ptr<MainWindow> window;
};

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
