#pragma once
// Periodic perturbations of the 1900-epoch planet theory (degrees, AU).
#include "astro/planet_orbit.h"

namespace veltrane {

// Mean anomalies of the perturbing bodies, reduced with Mod360; earth is the Sun's mean
// anomaly of Sun1900.
struct PerturbingAnomalies {
  double mercury = 0.0, venus = 0.0, mars = 0.0, jupiter = 0.0, earth = 0.0;
};
PerturbingAnomalies PerturbingAnomaliesAt(double t1900);

// Before Kepler's equation: L += A, M += A - q/e (e uncorrected), e += de, a += da.
struct ElementPerturbation {
  double A = 0.0, q = 0.0, de = 0.0, da = 0.0;
  double latitude = 0.0;  // added to the heliocentric latitude
};
// Jupiter to Neptune; zero for the inner planets.
ElementPerturbation OuterElementPerturbation(Planet planet, double t1900);

// Venus' term and Mars' long-period term, added to both L and M; zero for the others.
double InnerMeanLongitudeTerm(Planet planet, double t1900, const PerturbingAnomalies& m);

// After Kepler's equation: longitude to L, radius to r, latitude to the heliocentric latitude.
struct OrbitPerturbation {
  double longitude = 0.0, radius = 0.0, latitude = 0.0;
};
OrbitPerturbation AfterKeplerPerturbation(Planet planet, double t1900, const PerturbingAnomalies& m);

}  // namespace veltrane
