// orvantis-chart's command line on any arguments, and the chart it then computes. The input is
// one argument a line (a byte 0x01 stands for a line end inside an argument); a line
// "=OPTIONS=" ends the arguments and the rest is the text of OPTIONS.OPT, which otherwise is the
// shipped file. The parsed command holds only values its options allow; an election entry the
// checks accept is stored, and its record holds a real date, clock time, zone and place; the
// chart of it (or of the present moment at home) is refused or has every longitude in [0, 360).
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chart/chart_driver.h"
#include "chart/election_validation.h"
#include "chart_checks.h"
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
    Input in;
    bool options = false;
    while (!data.empty()) {
        const std::size_t lf = data.find('\n');
        std::string_view line = data.substr(0, lf);
        if (line == "=OPTIONS=") {
            in.options_text = std::string(lf == std::string_view::npos ? "" : data.substr(lf + 1));
            options = true;
            break;
        }
        std::string arg(line);
        for (char& c : arg)
            if (c == '\x01') c = '\n';
        in.args.push_back(std::move(arg));
        data = lf == std::string_view::npos ? std::string_view{} : data.substr(lf + 1);
    }
    if (!options) in.options_text = shipped_options;
    return in;
}

void CheckCommand(const ChartCommand& c) {
    FUZZ_CHECK(c.date.has_value() == c.time.has_value());
    if (!c.date) FUZZ_CHECK(!c.zone && !c.longitude && !c.latitude && !c.event);
    if (c.house) FUZZ_CHECK(std::string_view("PRKCOEMI").find(*c.house) != std::string_view::npos);
    if (c.zodiac) FUZZ_CHECK(*c.zodiac >= 0 && *c.zodiac <= 2);
    if (c.node) FUZZ_CHECK(*c.node == 0 || *c.node == 1);
    if (c.layout) FUZZ_CHECK(*c.layout == 0 || *c.layout == 1);
    FUZZ_CHECK(c.png_width >= 16 && c.png_width <= 8192 && c.png_height >= 16 &&
               c.png_height <= 8192);
    if (c.orbs) FUZZ_CHECK(c.aspects || c.pdf);
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
        for (const auto& fault : faults) FUZZ_CHECK(fault.group >= 1 && fault.group <= 13);
        if (!stored) return 0;
        fuzz::CheckStoredElection(*stored, request.house_system);
        election = *stored;
    }

    ChartState chart;
    const ChartState before = chart;
    fuzz::CountingNotifier notifier;
    const bool accepted = ComputeChart(chart, election, options, request, notifier);
    fuzz::CheckComputedChart(accepted, chart, before, notifier.count);
    if (accepted) {
        FUZZ_CHECK(ChartJson(chart).starts_with("{"));
        FUZZ_CHECK(!ChartTable(chart).empty());
    }
    return 0;
}
