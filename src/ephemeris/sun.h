// The Sun's apparent geocentric longitude by a series of the Newcomb type.
#pragma once

namespace orvantis {

// The Sun's apparent ecliptic longitude in degrees (mean equinox of date with nutation and
// aberration), not reduced: it may lie just below 0 or at 360 and above. t1900 in Julian
// centuries from 1900 January 0.5 (UT).
double ComputeSun(double t1900);

}  // namespace orvantis
