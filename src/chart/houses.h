// The eight house systems, the house of every body and the house captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/chart_state.h"
#include "chart/time_scales.h"

namespace orvantis {

// The cusps of one chart in both orders. Degrees in [0, 360); index 0 and 13 are unused.
struct HouseCusps {
    std::array<double, 14> Cusps{};  // display order: position 1..12 holds house 10, 11, 12, 1 .. 9
    std::array<double, 14> CuspsStd{};  // house order: index n is house n
    // kNonFinite when a cusp has no solution (Placidus and Koch beyond the polar circles).
    ComputeStatus status = ComputeStatus::kOk;
};

// The cusps of house system P, R, K, C, O, E, M or I (any other letter computes Regiomontanus)
// from the RAMC, ε, φ, MC and Ascendant of the time step.
HouseCusps ComputeHouseCusps(const TimeAndAngles& angles, char system);

// The house 1..12 of every body 1..15 for the display-order cusps: a body belongs to the house
// whose cusp lies at or (by a tenth of an arc second) just above it, so a body exactly on a cusp
// is in the house the cusp opens. A body that no house holds (equal cusps) keeps its entry of
// `houses`.
std::array<int, 16> PlaceBodiesInHouses(const std::array<double, 14>& cusps,
                                        const std::array<double, 16>& longitudes,
                                        std::array<int, 16> houses);

// Which half of the semi-arcs a Placidus cusp divides: above the horizon (houses 11, 12) or
// below it (houses 2, 3).
enum class PlacidusForm { kDiurnal, kNocturnal };

// What the house formulas read: radians, the latitude north positive.
struct HouseSphere {
    double ramc = 0;       // α
    double obliquity = 0;  // ε
    double latitude = 0;   // φ
};

// The ecliptic longitude in degrees [0, 360) of a Placidus cusp: the point whose right ascension
// H satisfies H = RAMC + A(H) / divisor (diurnal, A the semi-diurnal arc) or
// H = RAMC + π - A(H) / divisor (nocturnal, A the semi-nocturnal arc), iterated from
// start_ra (radians) until the cusp moves less than 1e-9°. Not finite when the arcs do not exist
// (beyond the polar circles).
double PlacidusCusp(const HouseSphere& sphere, double start_ra, double divisor, PlacidusForm form);

// The sidereal time caption: "05H  07M  09S " for 5, 7, 9 (each part at least two digits).
// Parts that are not whole numbers in 0..9999 are shown as "--".
std::string FormatSiderealTime(double hours, double minutes, double seconds);

// The name of the house system of a letter (kHouseSystems), empty for any other letter.
std::string_view HouseSystemName(char letter);

}  // namespace orvantis
