#pragma once
// Kepler's equation for the planets' elliptic orbits.

namespace veltrane {

struct KeplerSolution {
  double v = 0.0;  // true anomaly, degrees 0..360
  double r = 0.0;  // radius vector, units of a
};

// M mean anomaly (degrees), e eccentricity (0 <= e < 1), a semi-major axis.
KeplerSolution SolveKepler(double M, double e, double a);

}  // namespace veltrane
