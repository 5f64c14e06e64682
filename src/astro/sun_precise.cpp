#include "astro/sun_precise.h"

#include "astro/earth_series.h"
#include "astro/nutation.h"
#include "astro/nutation_series.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

// Constant of aberration for the Sun at 1 AU, seconds of arc.
constexpr double kAberration1Au = 20.4898;

}  // namespace

SunPrecisePlace SunApparentPrecise(double t) {
  const EarthHeliocentric earth = EarthHeliocentricPlace(t / 10.0);
  // The Sun seen from the Earth, then from the theory's dynamical frame to FK5.
  double theta = earth.longitude * kRadToDeg + 180.0;
  double beta = -earth.latitude * kRadToDeg;
  const double lambdaFk5 = theta - 1.397 * t - 0.00031 * t * t;
  theta -= 0.09033 / 3600.0;
  beta += 0.03916 * (CosD(lambdaFk5) - SinD(lambdaFk5)) / 3600.0;

  const NutationAngles n = NutationIau1980(t);
  const double lambda = theta + (n.dPsi - kAberration1Au / earth.radius) / 3600.0;
  const double eps = MeanObliquity(t) + n.dEps / 3600.0;

  SunPrecisePlace s;
  s.longitude = Norm360(lambda);
  s.radiusVector = earth.radius;
  s.ra = DirectionD(SinD(lambda) * CosD(eps) - TanD(beta) * SinD(eps), CosD(lambda));
  s.dec = ArcSinD(SinD(beta) * CosD(eps) + CosD(beta) * SinD(eps) * SinD(lambda));
  return s;
}

}  // namespace veltrane
