#include "astro/nutation.h"

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {

double SunMeanAnomaly(double t) {
  return Norm360(357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t * t * t);
}

double SunEquationOfCentre(double t, double m) {
  return (1.9146 - 0.004817 * t - 0.000014 * t * t) * SinD(m) +
         (0.019993 - 0.000101 * t) * SinD(2.0 * m) + 0.00029 * SinD(3.0 * m);
}

NutationResult Nutation(double t, Listing* listing) {
  const double l = Norm360(280.4665 + 36000.7698 * t);
  const double lMoon = Norm360(218.3165 + 481267.8813 * t);
  const double omega = Norm360(125.04452 - 1934.136261 * t);
  const double s = l + SunEquationOfCentre(t, SunMeanAnomaly(t));

  NutationResult r;
  r.sunTrueLongitude = s;
  r.dPsi = -17.2 * SinD(omega) - 1.32 * SinD(2.0 * s) - 0.23 * SinD(2.0 * lMoon) +
           0.21 * SinD(2.0 * omega);
  r.dEps = 9.2 * CosD(omega) + 0.57 * CosD(2.0 * s) + 0.1 * CosD(2.0 * lMoon) -
           0.09 * CosD(2.0 * omega);
  if (listing) {
    listing->Row("Nutation in longitude:", Str(r.dPsi, 4) + "''");
    listing->Row("Nutation in obliquity:", Str(r.dEps, 4) + "''");
  }
  return r;
}

double MeanObliquity(double t) {
  return (84381.448 - 46.815 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0;
}

}  // namespace veltrane
