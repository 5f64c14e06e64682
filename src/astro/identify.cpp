#include "astro/identify.h"

#include <algorithm>
#include <cmath>

#include "astro/horizon.h"
#include "astro/planet_position.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/topocentric.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr Planet kNavigationalPlanets[] = {Planet::Venus, Planet::Mars, Planet::Jupiter, Planet::Saturn};
const char* const kPlanetNames[] = {"Venus", "Mars", "Jupiter", "Saturn"};

// Great-circle distance between two points of the sky given by altitude and azimuth.
double SkyDistance(double h1, double a1, double h2, double a2) {
  const double c = SinD(h1) * SinD(h2) + CosD(h1) * CosD(h2) * CosD(a1 - a2);
  return std::acos(std::clamp(c, -1.0, 1.0)) * kRadToDeg;
}

struct Sky {
  const IdentifyInput& in;
  double gast;  // apparent sidereal time, hours

  IdentifyCandidate Candidate(std::string name, bool planet, double ra, double dec, double parallax,
                              std::optional<double> magnitude, double observedHeight) const {
    const EquatorialPlace topo = TopocentricPlace(ra, dec, in.observer.lonWest, in.observer.latitude,
                                                  in.observer.height, parallax, in.instant.hours, in.instant.jd0);
    PositionRecord place;
    place.Lat = in.observer.latitude;
    place.Lon = in.observer.lonWest;
    const HorizontalResult h = HorizontalCoords(place, HourAngleD(gast, topo.ra), topo.dec, in.observer.pressure,
                                                in.observer.temperature);
    IdentifyCandidate c;
    c.name = std::move(name);
    c.planet = planet;
    c.dec = topo.dec;
    c.lha = h.lha;
    c.height = h.altitude;
    c.azimuth = h.azimuth;
    c.magnitude = magnitude;
    c.distance = SkyDistance(observedHeight, in.azimuth, h.altitude, h.azimuth);
    return c;
  }
};

}  // namespace

double UnrefractedAltitude(double apparent, double pressure, double temperature) {
  double h = apparent;
  for (int i = 0; i < 8; ++i) h = apparent - Refraction(h, pressure, temperature) / 60.0;
  return h;
}

IdentifyResult IdentifyBody(const IdentifyInput& in, const std::vector<StarRecord>& stars, size_t count) {
  IdentifyResult r;
  r.apparentHeight = in.measuredHeight - in.dip;
  r.observedHeight = UnrefractedAltitude(r.apparentHeight, in.observer.pressure, in.observer.temperature);
  // The observed point: the declination and hour angle that altitude and azimuth give.
  const double phi = in.observer.latitude;
  const double ho = r.observedHeight;
  r.dec = ArcSinD(SinD(phi) * SinD(ho) + CosD(phi) * CosD(ho) * CosD(in.azimuth));
  const double denom = CosD(phi) * CosD(r.dec);
  const double meridian = std::fabs(denom) < 1e-12 ? 0.0 : ArcCosD(std::clamp((SinD(ho) - SinD(phi) * SinD(r.dec)) / denom, -1.0, 1.0));
  // A body bearing west of the meridian has passed it: its hour angle is below 180.
  r.lha = Mod360(in.azimuth) > 180.0 ? meridian : Mod360(360.0 - meridian);

  const double t = in.instant.DynamicalCenturies();
  const Sky sky{in, SiderealTime(in.instant.jd0, in.instant.hours).apparent};
  for (const StarRecord& star : stars) {
    const std::optional<double> magnitude = ParseReal(star.vmagn);
    if (!magnitude || *magnitude > in.maxMagnitude) continue;
    const StarCatalogueData d = StarCatalogueDataOf(star);
    const EquatorialPlace p = StarApparentPlace(d.raHours, d.decDeg, d.pmRa, d.pmDec, t);
    r.matches.push_back(sky.Candidate(star.name, false, p.ra, p.dec, 0.0, magnitude, ho));
  }
  for (size_t i = 0; i < std::size(kNavigationalPlanets); ++i) {
    const PlanetPositionResult p = PlanetPosition(kNavigationalPlanets[i], t + 1.0);
    if (p.magnitude && *p.magnitude > in.maxMagnitude) continue;
    r.matches.push_back(sky.Candidate(kPlanetNames[i], true, p.ra, p.dec, p.parallax, p.magnitude, ho));
  }
  std::stable_sort(r.matches.begin(), r.matches.end(),
                   [](const IdentifyCandidate& a, const IdentifyCandidate& b) { return a.distance < b.distance; });
  if (r.matches.size() > count) r.matches.resize(count);
  return r;
}

}  // namespace veltrane
