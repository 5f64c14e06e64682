#include "astro/sun.h"

#include "astro/nutation.h"
#include "astro/parallax.h"
#include "foundation/angles.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"

namespace veltrane {

double SunHorizontalParallax(double radiusVector) { return 8.794 / (3600.0 * radiusVector); }

SunPositionResult SunPosition(double t, Listing* listing) {
  const double l0 = Norm360(280.46645 + 36000.76983 * t + 0.0003032 * t * t);
  const double m = SunMeanAnomaly(t);
  const double e = 0.016708617 - 0.000042037 * t - 0.0000001236 * t * t;
  const double c = SunEquationOfCentre(t, m);

  SunPositionResult r;
  r.trueLongitude = l0 + c;
  const double v = m + c;
  r.radiusVector = 1.000001018 * (1.0 - e * e) / (1.0 + e * CosD(v));
  if (listing) {
    listing->Row("Geom mean long of Sun:", FmtDegMinSec(l0));
    listing->Row("True longitude of Sun:", Str(r.trueLongitude, 5) + kDegreeSign);
    listing->Continuation(FmtDegMinSec(r.trueLongitude));
    listing->Row("Radius vector of Sun:", Str(r.radiusVector, 6) + "  AU");
    listing->Row("Semidiameter of Sun:",
                 Str(SemidiameterAt(kSunSemidiameter1Au, r.radiusVector), 2) + "''");
  }
  return r;
}

SunApparentResult SunApparent(double t, Listing* listing) {
  const SunPositionResult sun = SunPosition(t, listing);
  const double omega = Norm360(125.04 - 1934.136 * t);
  const double lambda = sun.trueLongitude - 0.00569 - 0.00478 * SinD(omega);
  const double eps0 = MeanObliquity(t);
  const double eps = eps0 + 0.00256 * CosD(omega);

  SunApparentResult r;
  r.parallax = SunHorizontalParallax(sun.radiusVector);
  r.dec = ArcSinD(SinD(eps) * SinD(lambda));
  r.ra = DirectionD(CosD(eps) * SinD(lambda), CosD(lambda));
  if (listing) {
    listing->Row("Omega:", Str(omega, 4) + kDegreeSign);
    listing->Row("Obliquity of ecliptic:", Str(eps0, 4) + kDegreeSign);
    listing->Row("Apparent longitude of Sun:", Str(lambda, 5));
    listing->Continuation(FmtDegMinSec(lambda));
    listing->Row("Apparent Right Ascension:", FmtHMS(r.ra / 15.0));
    listing->Row("Apparent Declination:", FmtDegMinSec(r.dec));
  }
  return r;
}

}  // namespace veltrane
