// The event finder over one year: every kind at once, and each kind alone. Target: the whole
// year in at most 1 s of CPU on one core.
#include <benchmark/benchmark.h>

#include "events/events.h"

namespace {

using namespace orvantis;
using namespace std::chrono;

void FindYear(benchmark::State& state, EventKinds kinds) {
    const sys_seconds from = sys_days{year{2025} / 1 / 1};
    const EventSettings settings{false, 0, {0.1667, 51.5}};  // London
    std::size_t count = 0;
    for (auto _ : state) {
        const auto events = FindEvents(from, from + days{365}, settings, kinds);
        count = events.size();
        benchmark::DoNotOptimize(events.data());
    }
    state.counters["events"] = static_cast<double>(count);
}

void BM_EveryKindOneYear(benchmark::State& state) {
    FindYear(state, AllEventKinds());
}
BENCHMARK(BM_EveryKindOneYear)->Unit(benchmark::kMillisecond);

void BM_OneKindOneYear(benchmark::State& state) {
    FindYear(state, EventKinds().set(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_OneKindOneYear)->DenseRange(0, kEventKindCount - 1)->Unit(benchmark::kMillisecond);

// Every kind over the year from the precise ephemeris. Target: 3 s of CPU.
void BM_EveryKindOneYearPrecise(benchmark::State& state) {
    const sys_seconds from = sys_days{year{2025} / 1 / 1};
    EventSettings settings{false, 0, {0.1667, 51.5}};
    settings.ephemeris = EphemerisChoice::kPrecise;
    for (auto _ : state) {
        const auto events = FindEvents(from, from + days{365}, settings, AllEventKinds());
        benchmark::DoNotOptimize(events.data());
    }
}
BENCHMARK(BM_EveryKindOneYearPrecise)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
