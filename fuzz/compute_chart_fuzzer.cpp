// The chart computation over the whole space the election checks admit (every date of years 1
// to 2099, every clock time, zone, place and house system), and over the present moment at a
// home place of any option values a hand-edited OPTIONS.OPT can hold. A chart ComputeChart
// accepts has every body and cusp a finite longitude in [0, 360); a refused one leaves the
// previous chart alone and says why.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "chart/chart_driver.h"
#include "chart/election_validation.h"
#include "chart_checks.h"
#include "fuzz_check.h"

using namespace orvantis;

namespace {

constexpr std::string_view kHouseSystems = "PRKCOEMI";

std::string Text(int n) {
    return std::to_string(n);
}

// An entry as the election window would hold it, drawn from the ranges its checks admit.
ElectionEntry ValidEntry(FuzzedDataProvider& in, char house) {
    ElectionEntry e;
    e.event = "Fuzz";
    const int year = in.ConsumeIntegralInRange(1, 2099);
    const int month = in.ConsumeIntegralInRange(1, 12);
    e.year = Text(year);
    e.month = Text(month);
    e.day = Text(in.ConsumeIntegralInRange(1, fuzz::MonthLength(month, year)));
    e.hour = Text(in.ConsumeIntegralInRange(1, 12));
    e.minute = Text(in.ConsumeIntegralInRange(0, 59));
    e.pm = in.ConsumeBool();
    e.west = in.ConsumeBool();
    const double zone = in.ConsumeFloatingPointInRange(e.west ? -2.0 : -13.0, 12.0);
    char zone_text[32];
    std::snprintf(zone_text, sizeof zone_text, "%.*f", in.ConsumeIntegralInRange(0, 6), zone);
    e.zone = zone_text;
    const bool polar = house == 'M' || house == 'I';
    e.long_deg = Text(in.ConsumeIntegralInRange(0, 180));
    e.long_min = Text(in.ConsumeIntegralInRange(0, 59));
    const int lat_deg = in.ConsumeIntegralInRange(0, polar ? 90 : 66);
    e.lat_deg = Text(lat_deg);
    e.lat_min = Text(lat_deg == (polar ? 90 : 66) ? 0 : in.ConsumeIntegralInRange(0, 59));
    e.south = in.ConsumeBool();
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const char house = kHouseSystems[in.ConsumeIntegralInRange<std::size_t>(0, 7)];
    const bool election_mode = in.ConsumeBool();

    OptionValues options{};
    ChartRequest request;
    request.house_system = house;
    request.running = !election_mode;
    ElectionData election;
    if (election_mode) {
        options[29] = static_cast<float>(in.ConsumeIntegralInRange(0, 1));
        options[123] = static_cast<float>(in.ConsumeIntegralInRange(0, 2));
        const ElectionEntry entry = ValidEntry(in, house);
        fuzz::CountingNotifier notifier;
        const auto stored = StoreElectionData(entry, house, notifier);
        // Every entry drawn above lies within the checks.
        FUZZ_CHECK(stored.has_value() && notifier.count == 0);
        fuzz::CheckStoredElection(*stored, house);
        election = *stored;
    } else {
        // Any value an options line can hold (seven characters read as a single).
        for (int line : {18, 19, 20, 21, 22, 23, 24, 29, 123})
            options[line] = in.ConsumeBool()
                                ? in.ConsumeFloatingPoint<float>()
                                : static_cast<float>(in.ConsumeIntegralInRange(-200, 200));
        using namespace std::chrono;
        const auto first = sys_days{year{1900} / 1 / 1}, last = sys_days{year{2099} / 12 / 31};
        request.now = sys_seconds{seconds{in.ConsumeIntegralInRange<std::int64_t>(
            first.time_since_epoch().count() * 86400, last.time_since_epoch().count() * 86400)}};
    }

    ChartState chart;
    const ChartState before = chart;
    fuzz::CountingNotifier notifier;
    const bool accepted = ComputeChart(chart, election, options, request, notifier);
    fuzz::CheckComputedChart(accepted, chart, before, notifier.count);
    return 0;
}
