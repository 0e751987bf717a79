// The eight house systems, the house of every body and the house captions.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_state.h"

namespace orvantis {

// Reads HouseSystem, RAMC, Obliquity (negated), NegLatRadians, Ascendant, MC and the sidereal
// time parts; writes SiderealTimeText, CuspsStd and Cusps. kNonFinite when a cusp has no
// solution (beyond the polar circles).
ComputeStatus ComputeHouseCusps(ChartState& chart);

// Reads PlanetLong and Cusps; writes HouseOfPlanet.
void PlaceBodiesInHouses(ChartState& chart);

// The house 1..12 of body 1..15 as its house text reads (" 1ST HOUSE", "10TH HOUSE"); 0 when
// the body has no house yet.
int HouseOfBody(const ChartState& chart, int body);

// Writes CaptionLines[7]: the name of HouseSystem, empty for an unknown letter.
void SetHouseSystemCaption(ChartState& chart);

// Which half of the semi-arcs a Placidus cusp divides: above the horizon (houses 11, 12) or
// below it (houses 2, 3).
enum class PlacidusForm { kDiurnal, kNocturnal };

// The ecliptic longitude in degrees [0, 360) of a Placidus cusp: the point whose right ascension
// H satisfies H = RAMC + A(H) / divisor (diurnal, A the semi-diurnal arc) or
// H = RAMC + π - A(H) / divisor (nocturnal, A the semi-nocturnal arc), found by ten iterations
// from start_ra (radians). Reads RAMC, Obliquity (negated) and NegLatRadians of the chart. Not
// finite when the arcs do not exist (beyond the polar circles).
double PlacidusCusp(const ChartState& chart, double start_ra, double divisor, PlacidusForm form);

// The sidereal time caption: "05H  07M  09S " for 5, 7, 9 (each part at least two digits).
// Parts that are not whole numbers in 0..9999 are shown as "--".
std::string FormatSiderealTime(double hours, double minutes, double seconds);

// "Placidus", "Regiomontanus", "Koch", "Campanus", "Porphyry", "Equal", "Meridian", "Morinus"
// for P, R, K, C, O, E, M, I; empty for any other letter.
std::string_view HouseSystemName(char letter);

}  // namespace orvantis
