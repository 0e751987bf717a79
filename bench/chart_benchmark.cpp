// One full chart (houses, fifteen bodies at the moment and a day later, captions) against the
// same work done by Swiss Ephemeris in its analytic Moshier mode, the peer.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include "chart/chart_driver.h"
#include "ephemeris/ephemeris.h"
#include "settings/option_lines.h"

namespace {

using namespace orvantis;

class NoMessages : public Notifier {
public:
    void Notify(const Problem&) override {}
};

ElectionData BenchmarkMoment() {
    ElectionData e;
    e.ElectEvent = "Benchmark";
    e.ElectYear = 2026, e.ElectMonth = 12, e.ElectDay = 6;
    e.ElectHour = 10, e.ElectMinute = 42, e.ElectPM = 0;
    e.ElectZone = 0;
    e.ElectLongDeg = 0, e.ElectLongMin = 10, e.ElectWest = 1;
    e.ElectLatDeg = 51, e.ElectLatMin = 30, e.ElectSouth = 0;
    return e;
}

void BM_ComputeChart(benchmark::State& state) {
    const ElectionData election = BenchmarkMoment();
    OptionValues options{};
    ChartRequest request;
    request.running = false;
    request.house_system = 'P';
    NoMessages notifier;
    ChartState chart;
    for (auto _ : state) {
        const bool ok = ComputeChart(chart, election, options, request, notifier);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(chart.PlanetLong.data());
    }
}
BENCHMARK(BM_ComputeChart);

// The same chart from the precise ephemeris (option 132 at 1), a minute later each time as the
// running clock asks for it: libnova keeps each body's last result, so one moment over and over
// would time its cache. Target: 1 ms of CPU.
void BM_ComputeChartPrecise(benchmark::State& state) {
    ElectionData election = BenchmarkMoment();
    OptionValues options{};
    options[kOptionEphemeris] = 1;
    ChartRequest request;
    request.running = false;
    NoMessages notifier;
    ChartState chart;
    for (auto _ : state) {
        election.ElectMinute = static_cast<std::int16_t>((election.ElectMinute + 1) % 60);
        const bool ok = ComputeChart(chart, election, options, request, notifier);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(chart.PlanetLong.data());
    }
}
BENCHMARK(BM_ComputeChartPrecise)->Unit(benchmark::kMillisecond);

// The bodies at one moment, as a search over time calls it again and again.
void BM_BodyLongitudesAt(benchmark::State& state) {
    double jd = 2461380.9458;  // 2026 December 6, 10:42 UT
    for (auto _ : state) {
        const BodyLongitudes bodies = BodyLongitudesAt(jd);
        benchmark::DoNotOptimize(bodies.longitude.data());
        jd += 1.0 / 1440.0;
    }
}
BENCHMARK(BM_BodyLongitudesAt);

// The peer: the same bodies at both moments, both nodes, and the Placidus cusps.
void BM_SwissEphemerisPeer(benchmark::State& state) {
    const double jd = swe_julday(2026, 12, 6, 10.7, SE_GREG_CAL);
    const int bodies[] = {SE_SUN,    SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER,   SE_SATURN,
                          SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MOON, SE_MEAN_NODE, SE_TRUE_NODE};
    double result[6], cusps[13], ascmc[10];
    char error[256];
    for (auto _ : state) {
        for (double t : {jd, jd + 1.0})
            for (int body : bodies) swe_calc_ut(t, body, SEFLG_MOSEPH | SEFLG_SPEED, result, error);
        swe_houses(jd, 51.5, -0.1667, 'P', cusps, ascmc);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(cusps);
    }
}
BENCHMARK(BM_SwissEphemerisPeer);

}  // namespace

BENCHMARK_MAIN();
