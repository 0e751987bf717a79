// Periodic corrections of the mean elements of Jupiter, Saturn, Uranus and Neptune for the
// mutual perturbations of the giant planets.
#pragma once

#include "ephemeris/orbits.h"

namespace orvantis {

// The slowly varying arguments of the perturbation series, degrees, not reduced. G, H and θ are
// Uranus' and Neptune's own; those two also give ζ and η their own meanings.
struct PerturbationArgs {
    double nu = 0;  // ν = T / 5 + 0.1, the time variable of the coefficient polynomials
    double P = 0, Q = 0, S = 0;  // mean longitudes of Jupiter, Saturn, Uranus
    double V = 0, W = 0;
    double zeta = 0, eta = 0;
    double G = 0, H = 0, theta = 0;
};

// The common arguments at t1900 (Julian centuries from 1900 January 0.5); G, H and θ stay 0.
PerturbationArgs PerturbationArguments(double t1900);

// Each corrects the mean longitude, mean anomaly, perihelion (ϖ and ω), eccentricity and
// semi-major axis (km) of `work`, which holds the body's mean elements at t1900. The mean anomaly
// is rebuilt from the planet's own mean anomaly (Jupiter and Saturn: the one in `work`); the
// perihelion term is divided by the eccentricity before that is corrected.
void PerturbJupiter(double t1900, OrbitWork& work);
void PerturbSaturn(double t1900, OrbitWork& work);

// As above; the result is the LongitudeCorrection in degrees that the caller adds to the
// geocentric longitude.
double PerturbUranus(double t1900, OrbitWork& work);
double PerturbNeptune(double t1900, OrbitWork& work);

}  // namespace orvantis
