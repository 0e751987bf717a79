// Pluto's heliocentric position from periodic series in the mean longitudes of Jupiter, Saturn
// and Pluto.
#pragma once

namespace orvantis {

struct PlutoPosition {
    double PlutoLongitude = 0;  // heliocentric ecliptic longitude, degrees, not reduced
    double PlutoLatitude = 0;   // degrees
    double PlutoRadius = 0;     // AU
};

// Pluto at t1900, Julian centuries from 1900 January 0.5 (UT). Valid over the twentieth and
// twenty-first centuries.
PlutoPosition ComputePluto(double t1900);

}  // namespace orvantis
