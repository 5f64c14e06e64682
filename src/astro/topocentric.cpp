#include "astro/topocentric.h"

#include "astro/sidereal_time.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

constexpr double kPolarOverEquatorial = 0.9966471868221031;
constexpr double kEquatorialRadiusM = 6378140.0;

// Arctangent of num/den in degrees; 0/0 (a body at a pole with no parallax) gives 0.
double ArcTanOfRatio(double num, double den) {
  if (den == 0.0) return num > 0.0 ? 90.0 : (num < 0.0 ? -90.0 : 0.0);
  return ArcTanD(num / den);
}

}  // namespace

GeocentricTerms ObserverGeocentric(double latitude, double height) {
  const double u = ArcTanD(kPolarOverEquatorial * TanD(latitude));
  const double h = height / kEquatorialRadiusM;
  return {kPolarOverEquatorial * SinD(u) + h * SinD(latitude), CosD(u) + h * CosD(latitude)};
}

EquatorialPlace TopocentricPlace(double ra, double dec, double lonWest, double latitude,
                                 double height, double parallax, double hours, double jd0) {
  const double theta = SiderealTime(jd0, hours).apparent;
  const GeocentricTerms g = ObserverGeocentric(latitude, height);
  const double hourAngle = 15.0 * theta - lonWest - ra;
  const double sinP = SinD(parallax);
  const double den = CosD(dec) - g.rhoCosPhi * sinP * CosD(hourAngle);
  const double dRa = ArcTanOfRatio(-g.rhoCosPhi * sinP * SinD(hourAngle), den);
  return {Norm360(ra + dRa), ArcTanOfRatio((SinD(dec) - g.rhoSinPhi * sinP) * CosD(dRa), den)};
}

}  // namespace veltrane
