// The eight house systems, the house of every body and the house captions.
#pragma once

#include "chart/chart_state.h"

namespace orvantis {

// Reads HouseSystem, RAMC, Obliquity (negated), NegLatRadians, Ascendant, MC and the sidereal
// time parts; writes SiderealTimeText, CuspsStd and Cusps. kNonFinite when a cusp has no
// solution (beyond the polar circles).
ComputeStatus ComputeHouseCusps(ChartState& chart);

// Reads PlanetLong and Cusps; writes HouseOfPlanet.
void PlaceBodiesInHouses(ChartState& chart);

// Writes CaptionLines[7]: the name of HouseSystem, empty for an unknown letter.
void SetHouseSystemCaption(ChartState& chart);

}  // namespace orvantis
