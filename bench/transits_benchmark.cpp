// Transits to one radix chart over one year: every aspect and house entry of Sun .. Pluto and
// the node, and the same with the Moon, in the tropical and a sidereal zodiac. Target: the year
// well under half a second.
#include <benchmark/benchmark.h>

#include "astro/angles.h"
#include "events/transits.h"

namespace {

using namespace orvantis;
using namespace std::chrono;

void TransitYear(benchmark::State& state) {
    // The radix: the sky of 1987-07-31 14:20 UT at 50 N, 8 E; houses every 30 degrees from the
    // Ascendant, the first cusp on it.
    const SkyMoment birth = SkyMomentAt(sys_days{year{1987} / 7 / 31} + 14h + 20min);
    const SkyLongitudes sky = LongitudesAt(birth);
    const SkyAngles angles = AnglesAt(birth, {-8, 50});
    Radix radix;
    for (int body = kSun; body <= kNode; ++body) radix.longitude[body] = sky.longitude[body];
    radix.longitude[kAscendantBody] = angles.ascendant;
    radix.longitude[kMCBody] = angles.mc;
    for (int house = 1; house <= 12; ++house)
        radix.cusp[house] = Reduce360(angles.ascendant + 30 * (house - 1));
    TransitRules rules;
    ReadOrbFile("1\n1\n1\n1\n1\n2\n", rules.orbs);
    rules.moon = state.range(0) == 1;
    EventSettings settings;
    settings.zodiac = static_cast<int>(state.range(1));
    const sys_seconds from = sys_days{year{2025} / 1 / 1};
    std::size_t count = 0;
    for (auto _ : state) {
        const auto events =
            FindTransits(from, from + days{365}, radix, settings, rules, AllEventKinds());
        count = events.size();
        benchmark::DoNotOptimize(events.data());
    }
    state.counters["events"] = static_cast<double>(count);
}
BENCHMARK(TransitYear)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"moon", "zodiac"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
