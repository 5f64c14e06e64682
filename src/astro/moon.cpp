#include "astro/moon.h"

#include <array>

#include "astro/moon_illumination.h"
#include "astro/moon_series.h"
#include "astro/nutation.h"
#include "foundation/angles.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr double kEarthRadiusKm = 6378.14;

// Eccentricity factor of a term: E for |M| = 1, E^2 for |M| = 2.
double EccentricityFactor(int m, double e) {
  const int am = m < 0 ? -m : m;
  return am == 1 ? e : (am == 2 ? e * e : 1.0);
}

// Cosines and sines of k times an angle for k = -4..4, by rotation from the angle's own: a
// term's argument is then a product of four rotations instead of a sine of its own, which
// keeps the Moon fast enough for searches over many instants.
struct Multiples {
  std::array<double, 9> c{}, s{};
  explicit Multiples(double deg) {
    const double c1 = CosD(deg), s1 = SinD(deg);
    c[4] = 1.0;
    for (int k = 1; k <= 4; ++k) {
      c[4 + k] = c[3 + k] * c1 - s[3 + k] * s1;
      s[4 + k] = s[3 + k] * c1 + c[3 + k] * s1;
      c[4 - k] = c[4 + k];
      s[4 - k] = -s[4 + k];
    }
  }
};

struct ArgumentRotors {
  Multiples d, m, mp, f;
  explicit ArgumentRotors(const MoonArguments& a)
      : d(a.elongation), m(a.sunAnomaly), mp(a.moonAnomaly), f(a.latitudeArg) {}

  // Cosine and sine of D*d + M*m + M'*mp + F*f.
  void Of(const MoonTerm& t, double& cosine, double& sine) const {
    double c = d.c[4 + t.d], s = d.s[4 + t.d];
    Rotate(c, s, m.c[4 + t.m], m.s[4 + t.m]);
    Rotate(c, s, mp.c[4 + t.mp], mp.s[4 + t.mp]);
    Rotate(c, s, f.c[4 + t.f], f.s[4 + t.f]);
    cosine = c;
    sine = s;
  }
  static void Rotate(double& c, double& s, double c2, double s2) {
    const double cn = c * c2 - s * s2;
    s = s * c2 + c * s2;
    c = cn;
  }
};

}  // namespace

MoonArguments MoonMeanArguments(double t) {
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  MoonArguments a;
  a.meanLongitude = Norm360(218.3164591 + 481267.88134236 * t - 0.0013268 * t2 + t3 / 538841.0 -
                            t4 / 65194000.0);
  a.elongation = Norm360(297.8502042 + 445267.1115168 * t - 0.00163 * t2 + t3 / 545686.0 -
                         t4 / 113065000.0);
  a.sunAnomaly = Norm360(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0);
  a.moonAnomaly = Norm360(134.9634114 + 477198.8676313 * t + 0.008997 * t2 + t3 / 69699.0 -
                          t4 / 14712000.0);
  a.latitudeArg = Norm360(93.2720993 + 483202.0175273 * t - 0.0034029 * t2 - t3 / 3526000.0 +
                          t4 / 863310000.0);
  return a;
}

MoonPositionResult MoonPosition(double t, Listing* listing) {
  const MoonArguments a = MoonMeanArguments(t);
  const double a1 = Norm360(119.75 + 131.849 * t);
  const double a2 = Norm360(53.09 + 479264.29 * t);
  const double a3 = Norm360(313.45 + 481266.484 * t);
  const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;

  const ArgumentRotors rotors(a);
  double sumL = 0.0, sumR = 0.0, sumB = 0.0, c = 0.0, s = 0.0;
  for (const MoonTerm& term : kMoonLongitudeDistanceTerms) {
    rotors.Of(term, c, s);
    const double factor = EccentricityFactor(term.m, e);
    sumL += term.a * factor * s;
    sumR += term.b * factor * c;
  }
  for (const MoonTerm& term : kMoonLatitudeTerms) {
    rotors.Of(term, c, s);
    sumB += term.a * EccentricityFactor(term.m, e) * s;
  }

  const double lp = a.meanLongitude, f = a.latitudeArg, mp = a.moonAnomaly;
  sumL += 0.003958 * SinD(a1) + 0.001962 * SinD(lp - f) + 0.000318 * SinD(a2);
  sumB += -0.002235 * SinD(lp) + 0.000382 * SinD(a3) + 0.000175 * SinD(a1 - f) +
          0.000175 * SinD(a1 + f) + 0.000127 * SinD(lp - mp) - 0.000115 * SinD(lp + mp);

  MoonPositionResult r;
  r.longitude = lp + sumL;
  r.latitude = sumB;
  r.distance = 385000.56 + 1000.0 * sumR;
  r.parallax = ArcSinD(kEarthRadiusKm / r.distance);

  const NutationResult n = Nutation(t, listing);
  const double lambdaA = r.longitude + n.dPsi / 3600.0;
  const double eps = MeanObliquity(t) + n.dEps / 3600.0;
  const double beta = r.latitude;
  r.dec = ArcSinD(SinD(beta) * CosD(eps) + CosD(beta) * SinD(eps) * SinD(lambdaA));
  r.ra = DirectionD(SinD(lambdaA) * CosD(eps) - TanD(beta) * SinD(eps), CosD(lambdaA));
  r.elongation = MoonElongation(r.longitude, n.sunTrueLongitude);
  r.illuminatedPercent = MoonIlluminatedPercent(a);

  if (listing) {
    listing->Row("Mean longitude:", FmtDegMinSec(lp));
    listing->Row("Lambda:", FmtDegMinSec(r.longitude));
    listing->Row("Beta:", FmtDegMinSec(beta));
    listing->Row("Apparent longitude", FmtDegMinSec(lambdaA));
    listing->Row("Horizontal parallax:", FmtDegMinSec(r.parallax));
    listing->Row("Distance to Earth:", Str(r.distance, 1) + " km");
    listing->Row("Longitud difference:", Str(r.elongation, 1) + kDegreeSign);
    ListApparentPlace(listing, r.ra, r.dec);
  }
  return r;
}

double MoonSemidiameter(double altitude, double distance, Listing* listing) {
  const double sinP = kEarthRadiusKm / distance;
  const double s = RoundToScale(358473400.0 / distance * (1.0 + SinD(altitude) * sinP), 10.0);
  if (listing) listing->Row("Semidiameter of Moon:", Str(s, 2) + "''");
  return s;
}

}  // namespace veltrane
