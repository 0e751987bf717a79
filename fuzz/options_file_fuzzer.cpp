// The options reader on any text, over values that already hold something (as after a Save in
// the options editor): at most 130 lines are stored, from option 1 on, option 0 is never
// written, the options the file does not reach keep what they held, and every stored value is
// finite. Then what start-up does with the values: the election record of the present moment,
// the home clock and the home data checks must cope with any number a hand-edited file holds.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "chart/chart_driver.h"
#include "fuzz_check.h"
#include "settings/options_file.h"

using namespace orvantis;

namespace {

constexpr float kBefore = 4242.5f;  // what every option held before the reading
constexpr float kOptionZero = -777.25f;

// Lines the reader must store: the non-empty lines before the first empty one, at most 130; and
// whether a non-empty line follows the 130th.
struct Expected {
    int lines = 0;
    bool left_over = false;
};

Expected CountLines(std::string_view text) {
    Expected e;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) break;
        if (e.lines == kOptionCount) {
            e.left_over = true;
            break;
        }
        ++e.lines;
    }
    return e;
}

bool HasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    OptionValues values;
    values.fill(kBefore);
    values[0] = kOptionZero;
    const OptionsReading reading = ReadOptionsFile(text, values);

    const Expected expected = CountLines(text);
    FUZZ_CHECK(reading.lines_read == expected.lines);
    FUZZ_CHECK(reading.lines_left_over == expected.left_over);
    FUZZ_CHECK(values[0] == kOptionZero);
    for (int n = 1; n <= kOptionCount; ++n) {
        if (n > reading.lines_read) {
            FUZZ_CHECK(values[n] == kBefore);
        } else {
            FUZZ_CHECK(std::isfinite(values[n]));
        }
    }
    // A line whose first seven characters hold no digit stores 0.
    std::string_view rest = text;
    for (int n = 1; n <= reading.lines_read; ++n) {
        const std::size_t lf = rest.find('\n');
        const std::string_view line = rest.substr(0, lf);
        rest = lf == std::string_view::npos ? std::string_view{} : rest.substr(lf + 1);
        if (!HasDigit(line.substr(0, kOptionValueWidth))) FUZZ_CHECK(values[n] == 0.0f);
    }

    // Start-up with these options, as the file stands (options not in the file are 0 then).
    OptionValues options{};
    ReadOptionsFile(text, options);
    using namespace std::chrono;
    const sys_seconds now = sys_days{year{2024} / 3 / 1} + hours{13} + minutes{5} + seconds{7};

    const HomeClock clock = HomeClockAt(now, options[18]);
    FUZZ_CHECK(clock.month >= 1 && clock.month <= 12 && clock.day >= 1 && clock.day <= 31);
    FUZZ_CHECK(clock.hour24 >= 0 && clock.hour24 <= 23);
    FUZZ_CHECK(clock.minute >= 0 && clock.minute <= 59 && clock.second >= 0 && clock.second <= 59);

    const ElectionData e = LoadElectionDataFromNow(now, options);
    FUZZ_CHECK(e.ElectMonth >= 1 && e.ElectMonth <= 12 && e.ElectDay >= 1 && e.ElectDay <= 31);
    FUZZ_CHECK(e.ElectHour >= 1 && e.ElectHour <= 12);
    FUZZ_CHECK(e.ElectMinute >= 0 && e.ElectMinute <= 59);
    FUZZ_CHECK(e.ElectPM == 0 || e.ElectPM == 1);
    FUZZ_CHECK(e.ElectWest == 0 || e.ElectWest == 1);
    FUZZ_CHECK(e.ElectSouth == 0 || e.ElectSouth == 1);

    fuzz::CountingNotifier notifier;
    const bool home_ok = CheckHomeData(options, notifier);
    FUZZ_CHECK(home_ok == (notifier.count == 0));
    if (home_ok) FUZZ_CHECK(options[18] >= -13 && options[18] <= 12);
    (void)CheckLatitudeLimit(options, HouseLetterForOption(options[27]), notifier);
    (void)BuildCaptionPrefix("Owner", options);
    return 0;
}
