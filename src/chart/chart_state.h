// The chart record: everything one computed chart holds. The chart driver writes it; the wheel,
// the aspects and the windows read it as const ChartState&.
//
// Arrays keep the 1-based numbering users know (index 0 unused), so tables and golden values
// line up with body and cusp numbers:
//   bodies   1 Sun, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune,
//            9 Pluto, 10 Moon, 11 lunar node, 12 point opposite the node, 13 Part of Fortune,
//            14 Ascendant, 15 MC
//   Cusps    display order: position 1..12 holds the cusp of house 10, 11, 12, 1, 2 .. 9
//   CuspsStd house order: index n is the cusp of house n
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/bodies.h"
#include "ephemeris/ephemeris_choice.h"

namespace orvantis {

// The display position (1..12) of the cusp of house 1..12: houses 10, 11, 12 come first.
constexpr int CuspPosition(int house) {
    return house <= 9 ? house + 3 : house - 9;
}

// The house (1..12) whose cusp stands at display position 1..12.
constexpr int HouseAtPosition(int position) {
    return position <= 3 ? position + 9 : position - 3;
}

struct ChartState {
    // Moment and place, as the driver set them.
    std::string ChartTitle;
    // The instant charted, to the minute of its local clock; that clock reads the instant less
    // the zone (LocalMomentOf).
    std::chrono::sys_seconds Moment{};
    float ChartZone = 0;        // hours, west positive
    double Longitude = 0;       // degrees, west positive
    double Latitude = 0;        // degrees, north positive
    std::string ChartZoneName;  // the tz database zone ChartZone was found in; "" when typed

    // Time scales and angles.
    char HouseSystem = 'P';                                      // P R K C O E M I
    EphemerisChoice ChartEphemeris = EphemerisChoice::kBuiltin;  // the positions' source
    double JulianDayNumber = 0;
    double CenturiesT = 0;  // Julian centuries from JD 2415020.0 to the chart moment (UT)
    double UTFraction = 0;  // Universal Time as a fraction of the civil day
    double SiderealDays = 0;
    double RAMC = 0;          // radians
    double Obliquity = 0;     // ε, radians
    double ObliquityDeg = 0;  // ε, degrees
    double LatRadians = 0;    // φ, north positive
    double SidHours = 0, SidMinutes = 0, SidSeconds = 0;
    double Ascendant = 0, MC = 0;  // degrees

    // Houses and bodies.
    std::array<double, 14> Cusps{};     // display order, 1..12
    std::array<double, 14> CuspsStd{};  // house order, 1..12
    std::array<double, 16> PlanetLong{};
    std::array<double, 16> PlanetLongNext{};  // bodies 1..10 a day later
    RetrogradeMarks Retrograde{};
    std::array<int, 16> HouseOfPlanet{};  // house 1..12 of body 1..15; 0 before a chart
    double SvpOffset = 0, Ayanamsa = 0;
    double TrueNodeLongitude = 0;

    // What the chart's accuracy does not cover (a date outside the series' years), one line each:
    // shown under the captions, on standard error and in the JSON of the command line.
    std::vector<std::string> Warnings;

    bool InputError = false;  // the last computation was refused
    bool ChartReady = false;  // a chart has been computed
};

// The election data record: the moment and place of an election chart, edited by the election
// window and stepped by the Update commands.
struct ElectionData {
    std::string ElectEvent = "Now";
    std::int16_t ElectMonth = 1, ElectDay = 1, ElectYear = 2000;
    std::int16_t ElectHour = 12;  // 1..12
    std::int16_t ElectMinute = 0;
    std::int16_t ElectPM = 0;  // 1 P.M., 0 A.M.
    float ElectZone = 0;       // hours, west positive
    // A zone given by name ("Europe/Berlin"): ElectZone is then the offset in force at the
    // record's local date and time, looked up again whenever they change. "" when typed in hours.
    std::string ElectZoneName;
    std::int16_t ElectLongDeg = 0, ElectLongMin = 0;
    std::int16_t ElectWest = 1;  // 1 west, 0 east
    std::int16_t ElectLatDeg = 0, ElectLatMin = 0;
    std::int16_t ElectSouth = 0;  // 1 south, 0 north
    std::string ElectPlace;       // UTF-8: the place chosen by name; "" for typed coordinates
};

}  // namespace orvantis
