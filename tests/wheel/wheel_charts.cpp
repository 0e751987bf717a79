#include "wheel_charts.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "astro/angles.h"
#include "settings/options_file.h"

namespace orvantis::test {
namespace {

// The house of a longitude by the chart driver's rule: a tenth of an arc second is added, so a
// body exactly on a cusp belongs to the house that the cusp opens.
int HouseOf(const std::array<double, 13>& cusps, double longitude) {
    const double x = longitude + 1.0 / 36000;
    for (int h = 1; h <= 12; ++h) {
        const double from = cusps[h], to = cusps[h == 12 ? 1 : h + 1];
        const bool inside =
            from > to ? (from <= x && x < 360) || (0 <= x && x < to) : from <= x && x < to;
        if (inside) return h;
    }
    return 0;
}

}  // namespace

std::array<double, 13> EqualCusps(double ascendant) {
    std::array<double, 13> cusps{};
    for (int h = 1; h <= 12; ++h) cusps[h] = Reduce360(ascendant + 30.0 * (h - 1));
    return cusps;
}

HandChart MakeHandChart(const std::array<double, 13>& cusps_by_house,
                        const std::array<double, 16>& bodies, const std::string& retrograde) {
    HandChart hc;
    ChartState& c = hc.chart;
    for (int h = 1; h <= 12; ++h) {
        c.Cusps[CuspPosition(h)] = cusps_by_house[h];
        c.CuspsStd[h] = cusps_by_house[h];
    }
    c.Cusps[13] = c.Cusps[1];
    c.PlanetLong = bodies;
    c.Ascendant = bodies[kAscendantBody];
    c.MC = bodies[kMCBody];
    c.RetroMarks = retrograde;
    for (int body = 1; body <= kBodyCount; ++body) {
        const int house = HouseOf(cusps_by_house, bodies[body]);
        c.HouseOfPlanet[body] = house;
    }
    c.CaptionLines = {"",          "Test chart",  "05 Feb 1962",        "12.00 A.M. (0)",
                      "0.00 WEST", "51.29 NORTH", "Sid. Time 09:00:00", "Placidus"};
    c.ChartReady = 1;
    for (int i = 1; i <= kBodyCount; ++i) hc.shown.BodyLongitude[i] = c.PlanetLong[i];
    for (int i = 1; i <= 12; ++i) hc.shown.HouseCusps[i] = c.Cusps[i];
    hc.shown.RetroMarksShown = c.RetroMarks;
    return hc;
}

bool NamedHandChart(const std::string& name, HandChart& out) {
    std::array<double, 13> cusps{};
    std::array<double, 16> b{};
    std::string retro(15, ' ');
    if (name == "ordinary") {
        cusps = {0, 105, 128, 152, 181, 213, 248, 285, 308, 332, 1, 33, 68};
        b = {0,     280.5, 262.3, 300.7, 45.2,  150.9, 330.1, 20.4,
             355.8, 298.6, 190.3, 70.2,  250.2, 14.8,  105,   1};
        retro[kMercury - 1] = 'R';
        retro[kSaturn - 1] = 'R';
    } else if (name == "stellium") {
        // Seven bodies in Aquarius in the 7th house.
        cusps = EqualCusps(130);
        b = {0,     315.2, 322.5, 317.6, 311.9, 323.4, 318.5, 140.6,
             191.3, 158.4, 313.8, 150.1, 330.1, 128.6, 130,   40};
        retro[kUranus - 1] = 'R';
        retro[kPluto - 1] = 'R';
    } else if (name == "crowded") {
        // Nine bodies in the 10th house.
        cusps = EqualCusps(90);
        b = {0,     2.0,   5.1,  8.2,   11.3, 14.4, 28.5, 120.6,
             170.7, 230.8, 26.9, 200.1, 20.1, 23.2, 90,   0};
    } else if (name == "aries") {
        // The 10th house runs from 15° Pisces to 15° Aries with bodies on both sides of 0°.
        cusps = EqualCusps(75);
        b = {0,     358.4, 352.7, 1.3,   6.9,   347.2, 12.5, 120.6,
             170.7, 230.8, 60.2,  100.1, 280.1, 200.4, 75,   345};
    } else if (name == "intercepted") {
        cusps = {0, 100, 115, 135, 170, 230, 255, 280, 295, 315, 350, 50, 75};
        b = {0,     190.2, 175.5, 205.8, 10.1,  40.6, 300.3, 22.2,
             260.4, 198.9, 120.7, 140.3, 320.3, 71.1, 100,   350};
    } else if (name == "conjunct") {
        cusps = EqualCusps(0);
        b = {0, 100.0, 100.0, 100.0, 250, 10, 40, 70, 160, 190, 220, 280, 100, 310, 0, 270};
    } else if (name == "empty") {
        out = HandChart{};
        return true;
    } else {
        return false;
    }
    out = MakeHandChart(cusps, b, retro);
    return true;
}

OptionValues TestOptions() {
    std::ifstream file(ORVANTIS_DATA_DIR "/OPTIONS.OPT", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    OptionValues o{};
    ReadOptionsFile(text.str(), o);
    return o;
}

}  // namespace orvantis::test
