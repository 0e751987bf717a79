// The charts the wheel's tests paint: a
// hand-made one whose cusps and bodies are set directly (independent of the ephemeris), and real
// ones computed from a moment and place; and the shipped options they paint with.
#pragma once

#include "chart/chart_driver.h"
#include "chart/houses.h"
#include "settings/options_file.h"
#include "settings/text_lines.h"

namespace orvantis::test {

struct WheelChart {
    ChartState chart;
};

// Unequal houses, the 9th across 0° Aries; Mercury and Saturn retrograde.
inline WheelChart OrdinaryChart() {
    constexpr std::array<double, 13> kCuspsByHouse{0,   105, 128, 152, 181, 213, 248,
                                                   285, 308, 332, 1,   33,  68};
    WheelChart w;
    ChartState& c = w.chart;
    for (int h = 1; h <= 12; ++h) c.Cusps[CuspPosition(h)] = c.CuspsStd[h] = kCuspsByHouse[h];
    c.Cusps[13] = c.Cusps[1];
    c.PlanetLong = {0,     280.5, 262.3, 300.7, 45.2,  150.9, 330.1, 20.4,
                    355.8, 298.6, 190.3, 70.2,  250.2, 14.8,  105,   1};
    c.Ascendant = c.PlanetLong[kAscendantBody];
    c.MC = c.PlanetLong[kMCBody];
    c.Retrograde[kMercury - 1] = c.Retrograde[kSaturn - 1] = true;
    c.HouseOfPlanet = PlaceBodiesInHouses(c.Cusps, c.PlanetLong, {});
    c.ChartTitle = "Test chart";
    c.Moment = std::chrono::sys_days{std::chrono::February / 5 / 1962};
    c.Latitude = 51 + 29 / 60.0;
    c.SidHours = 9;
    c.ChartReady = true;
    return w;
}

// The chart of a moment and place in house system `system`, shown; false when it cannot be
// computed (Placidus and Koch beyond the polar circles).
inline bool RealChart(const ElectionData& when, char system, const OptionValues& options,
                      WheelChart& out) {
    class Silent : public Notifier {
        void Notify(const Problem&) override {}
    } silent;
    ChartRequest request;
    request.house_system = system;
    request.running = false;
    if (!ComputeChart(out.chart, when, options, request, silent)) return false;
    return true;
}

// The shipped OPTIONS.OPT of the source tree.
inline OptionValues ShippedOptions() {
    OptionValues o{};
    ReadOptionsFile(ReadTextFile(ORVANTIS_DATA_DIR "/OPTIONS.OPT").value_or(""), o);
    return o;
}

}  // namespace orvantis::test
