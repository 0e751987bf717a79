// Conformance: the full-precision body longitudes and cusps of a few charts in every house
// system and both sidereal zodiacs, as this program computed them when the table was made
// (ORVANTIS_REGENERATE=1 writes golden/positions.txt anew; review the diff). The Swiss Ephemeris
// envelope admits our series' error; this table catches a change in a series term or in the order
// of evaluation at the last digits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "chart/chart_driver.h"
#include "recording_notifier.h"
#include "settings/option_lines.h"

namespace orvantis {
namespace {

// Month, day, year, hour, minute, P.M., zone, longitude, west, latitude, south: the turn of the
// century at Greenwich, a winter night in London, an afternoon in New York, a Sydney midwinter.
struct Moment {
    std::int16_t month, day, year, hour, minute, pm;
    float zone;
    std::int16_t long_deg, long_min, west, lat_deg, lat_min, south;
};
constexpr Moment kMoments[] = {
    {1, 1, 1900, 12, 0, 1, 0, 0, 0, 1, 51, 29, 0},
    {2, 5, 1962, 12, 0, 0, 0, 0, 7, 1, 51, 30, 0},
    {3, 5, 2024, 2, 30, 1, 5, 74, 0, 1, 40, 43, 0},
    {6, 21, 1987, 11, 45, 1, -10, 151, 13, 0, 33, 52, 1},
};

// One line a moment and system: the fifteen body longitudes, then the twelve cusps.
std::string Line(const Moment& m, char system, float zodiac = 0) {
    ElectionData e;
    e.ElectMonth = m.month, e.ElectDay = m.day, e.ElectYear = m.year;
    e.ElectHour = m.hour, e.ElectMinute = m.minute, e.ElectPM = m.pm, e.ElectZone = m.zone;
    e.ElectLongDeg = m.long_deg, e.ElectLongMin = m.long_min, e.ElectWest = m.west;
    e.ElectLatDeg = m.lat_deg, e.ElectLatMin = m.lat_min, e.ElectSouth = m.south;
    ChartState chart;
    RecordingNotifier notifier;
    OptionValues options{};
    options[kOptionZodiac] = zodiac;
    EXPECT_TRUE(ComputeChart(chart, e, options, {system, false, {}, 0}, notifier));
    std::string line = std::to_string(m.year) + " " + system + std::to_string(int(zodiac));
    char number[32];
    for (int b = 1; b <= kBodyCount; ++b) {
        std::snprintf(number, sizeof number, " %.17g", chart.PlanetLong[b]);
        line += number;
    }
    for (int c = 1; c <= 12; ++c) {
        std::snprintf(number, sizeof number, " %.17g", chart.Cusps[c]);
        line += number;
    }
    return line;
}

TEST(Positions, EveryBodyAndCuspAsComputedBefore) {
    std::string computed;
    for (const Moment& m : kMoments) {
        for (char system : std::string_view("PRKCOEMI")) computed += Line(m, system) + "\n";
        for (float zodiac : {1.0f, 2.0f}) computed += Line(m, 'P', zodiac) + "\n";
    }
    const std::string path = POSITIONS_FILE;
    if (std::getenv("ORVANTIS_REGENERATE") != nullptr) std::ofstream(path) << computed;
    std::ifstream file(path);
    std::stringstream stored;
    stored << file.rdbuf();
    const std::string expected = stored.str();
    std::istringstream want(expected), got(computed);
    // Compared number by number with a margin of a few units in the last place, for the
    // trigonometry of other C libraries; a changed term moves a body by far more.
    for (std::string a, b; std::getline(want, a) && std::getline(got, b);) {
        std::istringstream wa(a), gb(b);
        std::string moment;
        wa >> moment >> moment;
        gb >> moment >> moment;
        for (double x, y; wa >> x && gb >> y;) EXPECT_NEAR(x, y, 1e-9) << a.substr(0, 6);
    }
    EXPECT_EQ(std::count(computed.begin(), computed.end(), '\n'),
              std::count(expected.begin(), expected.end(), '\n'));
}

}  // namespace
}  // namespace orvantis
