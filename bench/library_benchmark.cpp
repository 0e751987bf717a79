// The chart library at 10,000 charts (target: the Charts window opens well under half a second):
// an AAF import of them all, the list read back, one chart found, the window opened and one
// search typed into it. Qt runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "library/aaf.h"
#include "library/chart_library.h"
#include "windows/charts_window.h"

namespace {

using namespace orvantis;

class NoMessages : public Notifier {
public:
    void Notify(const Problem&) override {}
};

constexpr int kCharts = 10000;

std::string TenThousandRecords() {
    std::string aaf;
    for (int i = 0; i < kCharts; ++i)
        aaf += "#A93:Person" + std::to_string(i) + ",First,m," + std::to_string(1 + i % 28) + "." +
               std::to_string(1 + i % 12) + "." + std::to_string(1900 + i % 120) + ",12:30,Town" +
               std::to_string(i % 700) +
               ",D\n#B93:*,48n08,11e35,1he,0\n"
               "#COM:notes about person " +
               std::to_string(i) + "\n";
    return aaf;
}

// One library of 10,000 imported charts for the whole run.
struct Fixture {
    Fixture() {
        library = ChartLibrary::Open(dir.filePath("charts.sqlite"), nullptr);
        library->SaveAll(ReadAaf(TenThousandRecords()).charts);
    }
    QTemporaryDir dir;
    std::unique_ptr<ChartLibrary> library;
    NoMessages notifier;
};
Fixture* fixture = nullptr;

void BM_ImportTenThousand(benchmark::State& state) {
    const std::string text = TenThousandRecords();
    for (auto _ : state) {
        QTemporaryDir dir;
        auto library = ChartLibrary::Open(dir.filePath("charts.sqlite"), nullptr);
        library->SaveAll(ReadAaf(text).charts);
    }
}
BENCHMARK(BM_ImportTenThousand)->Unit(benchmark::kMillisecond);

void BM_ListTenThousand(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(fixture->library->List());
}
BENCHMARK(BM_ListTenThousand)->Unit(benchmark::kMillisecond);

void BM_FindOne(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(fixture->library->Find("Person5000, First"));
}
BENCHMARK(BM_FindOne)->Unit(benchmark::kMicrosecond);

void BM_OpenChartsWindow(benchmark::State& state) {
    for (auto _ : state) {
        ChartsWindow window(*fixture->library, {}, fixture->notifier);
        benchmark::DoNotOptimize(window.ShownCount());
    }
}
BENCHMARK(BM_OpenChartsWindow)->Unit(benchmark::kMillisecond);

void BM_SearchAsTyped(benchmark::State& state) {
    ChartsWindow window(*fixture->library, {}, fixture->notifier);
    auto* search = window.findChild<QLineEdit*>("chartsSearchEdit");
    for (auto _ : state) {
        search->setText("town42");
        search->setText("");
    }
    benchmark::DoNotOptimize(window.ShownCount());
}
BENCHMARK(BM_SearchAsTyped)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fixture made;
    fixture = &made;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
