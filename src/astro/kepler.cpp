#include "astro/kepler.h"

#include <cmath>

#include "foundation/angles.h"

namespace veltrane {

KeplerSolution SolveKepler(double M, double e, double a) {
  const double e0 = e * kRadToDeg;
  double E = M;
  // Newton's method converges in a handful of steps for planetary eccentricities; the cap
  // only guards against a malformed e.
  for (int step = 0; step < 100; ++step) {
    const double next = E + (M + e0 * SinD(E) - E) / (1.0 - e * CosD(E));
    const bool done = std::fabs(next - E) <= 0.000000001;
    E = next;
    if (done) break;
  }
  const double v = 2.0 * ArcTanD(std::sqrt((1.0 + e) / (1.0 - e)) * TanD(E / 2.0));
  return {Mod360(v + 360.0), a * (1.0 - e * CosD(E))};
}

}  // namespace veltrane
