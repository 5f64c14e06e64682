#include "astro/planet_position.h"

#include <cmath>

#include "astro/parallax.h"
#include "astro/planet_frame1900.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

// Days for light to travel one astronomical unit.
constexpr double kLightDaysPerAu = 0.0057755;
constexpr double kAberration = 20.49;  // seconds of arc

struct PlanetConstants {
  std::optional<double> v0;  // magnitude at unit distances
  double s0;                 // equatorial semidiameter at 1 AU, seconds of arc
  const char* caption;       // semidiameter row of the listing
};

constexpr PlanetConstants kConstants[kPlanetCount] = {
    {-0.42, 3.36, "Semidiameter of Mercury"},   {-4.4, 8.34, "Semidiameter of Venus"},
    {-1.52, 4.68, "Semidiameter of Mars"},      {-9.4, 98.44, "Equatorial semidiameter:"},
    {std::nullopt, 82.73, "Equatorial semidiameter:"}, {-7.19, 35.02, "Semidiameter of Uranus"},
    {-6.87, 33.5, "Semidiameter of Neptune"},
};
constexpr double kJupiterPolarS0 = 92.06;

double PhaseTerms(Planet planet, double i) {
  switch (planet) {
    case Planet::Mercury: return 0.038 * i - 0.000273 * i * i + 0.000002 * i * i * i;
    case Planet::Venus: return 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
    case Planet::Mars: return 0.016 * i;
    case Planet::Jupiter: return 0.005 * i;
    default: return 0.0;
  }
}

// Heliocentric and geocentric ecliptic place and distance of an orbit seen from the Sun's place.
void EclipticPlace(const PlanetOrbit& o, const Sun1900Place& sun, PlanetApparentPlace& p) {
  const double u = Mod360(o.L + o.v - o.M - o.Omega);
  p.l = Mod360(DirectionD(CosD(o.i) * SinD(u), CosD(u)) + o.Omega);
  p.b = ArcSinD(SinD(u) * SinD(o.i)) + o.latitudeCorrection;

  const double S = sun.longitude;
  p.sunLongitude = S;
  p.R = sun.R;
  const double r = o.r;
  const double N = r * CosD(p.b) * SinD(p.l - S);
  const double D = r * CosD(p.b) * CosD(p.l - S) + sun.R;
  p.lambda = Mod360(DirectionD(N, D) + S);
  const double rSinB = r * SinD(p.b);
  p.delta = std::sqrt(N * N + D * D + rSinB * rSinB);
  p.beta = ArcSinD(rSinB / p.delta);
}

}  // namespace

PlanetApparentPlace HeliocentricToApparent(const PlanetOrbit& o, double t) {
  PlanetApparentPlace p;
  EclipticPlace(o, Sun1900(t), p);
  const double S = p.sunLongitude;
  p.elongation = ArcCosD(CosD(p.beta) * CosD(p.lambda - S));

  const double eps = Obliquity1900(t);
  p.eps = eps;
  const double se = SinD(eps), ce = CosD(eps);
  double ra = DirectionD(SinD(p.lambda) * ce - std::tan(p.beta * kDegToRad) * se, CosD(p.lambda));
  double dec = ArcSinD(SinD(p.beta) * ce + CosD(p.beta) * se * SinD(p.lambda));

  const Nutation1900Terms n = Nutation1900(t);
  const double sa = SinD(ra), ca = CosD(ra);
  const double td = std::tan(dec * kDegToRad), cd = CosD(dec), sd = SinD(dec);
  const double nutRa = ((ce + se * sa * td) * n.dPsi - ca * td * n.dEps) / 3600.0;
  const double nutDec = (se * ca * n.dPsi + sa * n.dEps) / 3600.0;
  const double sS = SinD(S), cS = CosD(S);
  const double abRa = -kAberration * (ca * cS * ce + sa * sS) / cd / 3600.0;
  const double abDec =
      -kAberration * (cS * ce * (std::tan(eps * kDegToRad) * cd - sa * sd) + ca * sd * sS) / 3600.0;
  p.ra = Norm360(ra + nutRa + abRa);
  p.dec = dec + nutDec + abDec;
  return p;
}

PlanetPhase PhaseOfPlanet(double delta, double R, double r) {
  const double i = ArcCosD((r * r + delta * delta - R * R) / (2.0 * r * delta));
  return {i, (1.0 + CosD(i)) / 2.0};
}

std::optional<double> PlanetMagnitude(Planet planet, double r, double delta, double phaseAngle) {
  const auto& v0 = kConstants[static_cast<int>(planet)].v0;
  if (!v0) return std::nullopt;
  return 5.0 * Log10(r * delta) + *v0 + PhaseTerms(planet, phaseAngle);
}

PlanetPositionResult PlanetPosition(Planet planet, double t, Listing* listing) {
  // The light time from the present distance is within a second of the final one, which moves
  // even Mercury by less than 0.01''.
  PlanetApparentPlace now;
  EclipticPlace(PlanetOrbitAt(planet, t), Sun1900(t), now);
  const PlanetOrbit orbit = PlanetOrbitAt(planet, t - kLightDaysPerAu * now.delta / 36525.0);
  const PlanetApparentPlace place = HeliocentricToApparent(orbit, t);

  PlanetPositionResult res;
  res.ra = place.ra;
  res.dec = place.dec;
  res.delta = place.delta;
  res.r = orbit.r;
  res.parallax = ParallaxFromDistance(place.delta);
  const PlanetPhase phase = PhaseOfPlanet(place.delta, place.R, orbit.r);
  res.phaseAngle = phase.angle;
  res.illuminatedFraction = phase.fraction;
  if (const auto m = PlanetMagnitude(planet, orbit.r, place.delta, phase.angle))
    res.magnitude = RoundToScale(*m, 10.0);
  const PlanetConstants& c = kConstants[static_cast<int>(planet)];
  res.semidiameter = SemidiameterAt(c.s0, place.delta);
  if (planet == Planet::Jupiter) res.polarSemidiameter = SemidiameterAt(kJupiterPolarS0, place.delta);

  if (listing) {
    ListEclipticPlace(listing, place.l, place.b, place.lambda, place.beta, place.delta);
    listing->Row("Horizontal parallax:", Str(res.parallax, 5) + "°");
    listing->Row(c.caption, Str(res.semidiameter, 2) + "''");
    if (res.polarSemidiameter) listing->Row("Polar semidiameter:", Str(*res.polarSemidiameter, 2) + "''");
    listing->Row("Illuminated fraction:", Str(RoundToScale(res.illuminatedFraction, 1000.0), 3));
    ListApparentPlace(listing, res.ra, res.dec);
  }
  return res;
}

}  // namespace veltrane
