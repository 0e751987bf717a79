// orvantis-chart's command line on any arguments, and the chart it then computes. The input is
// one argument a line (a byte 0x01 stands for a line end inside an argument); a line
// "=OPTIONS=" ends the arguments and the rest is the text of OPTIONS.OPT, which otherwise is the
// shipped file. The parsed command holds only values its options allow; an election entry the
// checks accept is stored, and its record holds a real date, clock time, zone and place; the
// chart of it (or of the present moment at home) is refused or has every longitude in [0, 360).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "astro/calendar.h"
#include "chart/chart_driver.h"
#include "chart/election_validation.h"
#include "cli/chart_command.h"
#include "cli/chart_report.h"
#include "fuzz_check.h"
#include "settings/lenient_number.h"
#include "settings/option_lines.h"
#include "settings/options_file.h"

using namespace orvantis;

namespace {

std::string shipped_options;

struct Input {
    std::vector<std::string> args;
    std::string options_text;
};

Input Split(std::string_view data) {
    Input in{{}, shipped_options};
    while (!data.empty()) {
        const std::size_t lf = std::min(data.find('\n'), data.size());
        std::string arg(data.substr(0, lf));
        data.remove_prefix(std::min(lf + 1, data.size()));
        if (arg == "=OPTIONS=") {
            in.options_text = std::string(data);
            break;
        }
        std::replace(arg.begin(), arg.end(), '\x01', '\n');
        in.args.push_back(std::move(arg));
    }
    return in;
}

void CheckCommand(const ChartCommand& c) {
    FUZZ_CHECK(c.date.has_value() == c.time.has_value());
    if (!c.date) FUZZ_CHECK(!c.zone && !c.longitude && !c.latitude && !c.event);
    if (c.house) FUZZ_CHECK(std::string_view("PRKCOEMI").find(*c.house) != std::string_view::npos);
    FUZZ_CHECK(c.zodiac.value_or(0) >= 0 && c.zodiac.value_or(0) <= 2 && c.node.value_or(0) >= 0 &&
               c.node.value_or(0) <= 1 && c.layout.value_or(0) >= 0 && c.layout.value_or(0) <= 1);
    FUZZ_CHECK(std::min(c.png_width, c.png_height) >= 16 &&
               std::max(c.png_width, c.png_height) <= 8192);
}

// A record the election checks let through holds a real moment and place.
void CheckStoredElection(const ElectionData& d, char house_system) {
    FUZZ_CHECK(d.ElectYear >= 1 && d.ElectYear <= 2099 && d.ElectMonth >= 1 && d.ElectMonth <= 12 &&
               d.ElectDay >= 1 && d.ElectDay <= DaysInMonth(d.ElectMonth, d.ElectYear));
    FUZZ_CHECK(d.ElectHour >= 1 && d.ElectHour <= 12 && d.ElectMinute >= 0 && d.ElectMinute <= 59);
    FUZZ_CHECK(std::isfinite(d.ElectZone) && d.ElectZone >= -13 && d.ElectZone <= 12);
    FUZZ_CHECK(d.ElectLongDeg >= 0 && d.ElectLongDeg <= 180 && d.ElectLongMin >= 0 &&
               d.ElectLatDeg >= 0 && d.ElectLongMin <= 59 && d.ElectLatMin >= 0 &&
               d.ElectLatMin <= 59);
    FUZZ_CHECK(d.ElectLatDeg * 60 + d.ElectLatMin <=
               (house_system == 'M' || house_system == 'I' ? 90 : 66) * 60);
}

bool IsLongitude(double x) {
    return std::isfinite(x) && x >= 0.0 && x < 360.0;
}

// What ComputeChart reported against what it left: a chart it accepted has every body and cusp
// a longitude in [0, 360); a refused chart is the one it had before, marked InputError.
void CheckComputedChart(bool accepted, const ChartState& chart, const ChartState& before,
                        int messages) {
    FUZZ_CHECK(accepted == (messages == 0));
    if (!accepted) {
        FUZZ_CHECK(chart.InputError && chart.ChartReady == before.ChartReady);
        FUZZ_CHECK(chart.PlanetLong == before.PlanetLong && chart.Cusps == before.Cusps);
        return;
    }
    FUZZ_CHECK(chart.ChartReady && IsLongitude(chart.Ascendant) && IsLongitude(chart.MC));
    for (int i = 1; i <= kBodyCount; ++i) FUZZ_CHECK(IsLongitude(chart.PlanetLong[i]));
    for (int i = 1; i <= 12; ++i) FUZZ_CHECK(IsLongitude(chart.Cusps[i]));
    FUZZ_CHECK(ChartJson(chart).starts_with("{") && !ChartTable(chart).empty());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::ifstream in(ORVANTIS_DATA_DIR "/OPTIONS.OPT", std::ios::binary);
    shipped_options.assign(std::istreambuf_iterator<char>(in), {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = Split(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto parsed = ParseChartCommand(in.args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        FUZZ_CHECK(!usage->message.empty());
        return 0;
    }
    const ChartCommand& command = std::get<ChartCommand>(parsed);
    CheckCommand(command);

    OptionValues options{};
    ReadOptionsFile(in.options_text, options);
    if (command.zodiac) options[kOptionZodiac] = static_cast<float>(*command.zodiac);
    if (command.node) options[kOptionTrueNode] = static_cast<float>(*command.node);

    using namespace std::chrono;
    ChartRequest request;
    request.house_system =
        command.house.value_or(HouseLetterForOption(options[kOptionStartHouseSystem]));
    request.now = sys_days{year{2024} / 6 / 21} + hours{3} + minutes{30};
    request.running = !command.date.has_value();
    request.zone_hours = options[kOptionHomeZone];

    ElectionData election;
    if (command.date) {
        const auto entry = BuildElectionEntry(command, options);
        if (const auto* field = std::get_if<FieldError>(&entry)) {
            FUZZ_CHECK(field->field == "date" || field->field == "time" ||
                       field->field == "longitude" || field->field == "latitude");
            return 0;
        }
        const ElectionEntry& typed = std::get<ElectionEntry>(entry);
        // The zone of the home place, when none is typed, is written so that it reads back.
        if (!command.zone)
            FUZZ_CHECK(static_cast<float>(LenientNumber(typed.zone)) == options[kOptionHomeZone]);
        const auto faults = ValidateElectionData(typed, request.house_system);
        fuzz::CountingNotifier notifier;
        const auto stored = StoreElectionData(typed, request.house_system, notifier);
        FUZZ_CHECK(stored.has_value() == faults.empty());
        FUZZ_CHECK(notifier.count == static_cast<int>(faults.size()));
        if (!stored) return 0;
        CheckStoredElection(*stored, request.house_system);
        election = *stored;
    }

    ChartState chart;
    const ChartState before = chart;
    fuzz::CountingNotifier notifier;
    const bool accepted = ComputeChart(chart, election, options, request, notifier);
    CheckComputedChart(accepted, chart, before, notifier.count);
    return 0;
}
