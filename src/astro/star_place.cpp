#include "astro/star_place.h"

#include "astro/nutation.h"
#include "foundation/angles.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"

namespace veltrane {

EquatorialPlace StarApparentPlace(double raHours, double decDeg, double pmRa, double pmDec,
                                  double t, Listing* listing) {
  const double years = 100.0 * t;
  const double ra = (3600.0 * raHours + pmRa * years) / 3600.0;
  const double dec = (3600.0 * decDeg + pmDec * years) / 3600.0;
  if (listing) {
    listing->Row("Mean Right Ascension:", FmtHMS(ra));
    listing->Row("Mean Declination:", FmtDegMinSec(dec));
  }
  const double alpha0 = 15.0 * ra;
  const double t2 = t * t, t3 = t2 * t;
  const double zeta = (2306.2181 * t + 0.30188 * t2 + 0.017998 * t3) / 3600.0;
  const double z = (2306.2181 * t + 1.09468 * t2 + 0.018203 * t3) / 3600.0;
  const double theta = (2004.3109 * t - 0.42665 * t2 - 0.041833 * t3) / 3600.0;

  const double a = CosD(dec) * SinD(alpha0 + zeta);
  const double b = CosD(theta) * CosD(dec) * CosD(alpha0 + zeta) - SinD(theta) * SinD(dec);
  const double c = SinD(theta) * CosD(dec) * CosD(alpha0 + zeta) + CosD(theta) * SinD(dec);
  // DirectionD is the arctangent of a/b with the quadrant taken from b, also when b is 0.
  const double alpha = Norm360(DirectionD(a, b) + z);
  const double delta = ArcSinD(c);

  const StarCorrection k = StarNutationAberration(t, alpha, delta, listing);
  // The correction may carry a place next to 0h across it; the result stays in 0..360.
  EquatorialPlace place{Norm360((3600.0 * alpha + k.dRa) / 3600.0),
                        (3600.0 * delta + k.dDec) / 3600.0};
  ListApparentPlace(listing, place.ra, place.dec);
  return place;
}

StarCorrection StarNutationAberration(double t, double ra, double dec, Listing* listing) {
  const NutationResult n = Nutation(t, listing);
  const double s = n.sunTrueLongitude;
  const double eps = Mod360(MeanObliquity(t) + n.dEps / 3600.0);
  const double tanDec = TanD(dec);
  const double nRa = (CosD(eps) + SinD(eps) * SinD(ra) * tanDec) * n.dPsi -
                     CosD(ra) * tanDec * n.dEps;
  const double nDec = SinD(eps) * CosD(ra) * n.dPsi + SinD(ra) * n.dEps;

  constexpr double kappa = 20.49552;
  const double e = 0.016708617 - 0.000042037 * t - 0.0000001236 * t * t;
  const double pi = 102.93735 + 0.71953 * t + 0.00046 * t * t;
  const double aRa = (-kappa * (CosD(ra) * CosD(s) * CosD(eps) + SinD(ra) * SinD(s)) +
                      e * kappa * (CosD(ra) * CosD(pi) * CosD(eps) + SinD(ra) * SinD(pi))) /
                     CosD(dec);
  const double tilt = TanD(eps) * CosD(dec) - SinD(ra) * SinD(dec);
  const double aDec = -kappa * (CosD(s) * CosD(eps) * tilt + CosD(ra) * SinD(dec) * SinD(s)) +
                      e * kappa * (CosD(pi) * CosD(eps) * tilt + CosD(ra) * SinD(dec) * SinD(pi));
  if (listing) {
    listing->Row("True longitude of sun:", FmtDegMinSec(s));
    listing->Row("Eccentricity of Earths orbit:", Str(e, 5));
    listing->Row("Nutation to RAs:", Str(nRa, 5) + "''");
    listing->Row("Nutation to Dec:", Str(nDec, 5) + "''");
    listing->Row("Aberration to RAs:", Str(aRa, 5) + "''");
    listing->Row("Aberration to Dec:", Str(aDec, 5) + "''");
  }
  return {nRa + aRa, nDec + aDec};
}

}  // namespace veltrane
