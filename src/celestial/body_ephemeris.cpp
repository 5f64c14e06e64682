#include "celestial/body_ephemeris.h"

#include <array>

#include "astro/horizon.h"
#include "astro/moon.h"
#include "astro/planet_position.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/sun.h"
#include "astro/topocentric.h"

namespace veltrane {
namespace {

constexpr std::array<const char*, 7> kNames = {"SUN", "MOON", "VENUS", "MARS", "JUPITER", "SATURN", "STAR"};
constexpr double kSecondsPerCentury = 86400.0 * 36525.0;

struct GeocentricPlace {
  double ra = 0.0, dec = 0.0, parallax = 0.0, radiusVector = 0.0, distanceKm = 0.0;
};

GeocentricPlace PlaceOf(NavBody body, const StarCatalogueData* star, double tDynamic) {
  GeocentricPlace g;
  switch (body) {
    case NavBody::Sun: {
      const SunApparentResult sun = SunApparent(tDynamic);
      g = {sun.ra, sun.dec, sun.parallax, SunPosition(tDynamic).radiusVector, 0.0};
      break;
    }
    case NavBody::Moon: {
      const MoonPositionResult moon = MoonPosition(tDynamic);
      g = {moon.ra, moon.dec, moon.parallax, 0.0, moon.distance};
      break;
    }
    case NavBody::Star: {
      const StarCatalogueData s = star ? *star : StarCatalogueData{};
      const EquatorialPlace p = StarApparentPlace(s.raHours, s.decDeg, s.pmRa, s.pmDec, tDynamic);
      g = {p.ra, p.dec, 0.0, 0.0, 0.0};
      break;
    }
    default: {
      static constexpr Planet kPlanets[] = {Planet::Venus, Planet::Mars, Planet::Jupiter, Planet::Saturn};
      // The planetary theory counts centuries from 1900 January 0.5, exactly one before 2000.
      const PlanetPositionResult p =
          PlanetPosition(kPlanets[static_cast<int>(body) - static_cast<int>(NavBody::Venus)], tDynamic + 1.0);
      g = {p.ra, p.dec, p.parallax, 0.0, 0.0};
      break;
    }
  }
  return g;
}

}  // namespace

std::string NavBodyName(NavBody body) { return kNames[static_cast<size_t>(body)]; }

std::optional<NavBody> NavBodyFromName(const std::string& name) {
  for (size_t i = 0; i < kNames.size(); ++i)
    if (name == kNames[i]) return static_cast<NavBody>(i);
  return std::nullopt;
}

BodyPlace BodyEphemeris(NavBody body, const StarCatalogueData* star, const SightObserver& observer,
                        const SightInstant& when) {
  BodyPlace b;
  const JulianCenturiesResult jc = JulianCenturies(when.date, when.ut);
  b.jd0 = jc.jd0;
  b.t = jc.t;
  b.deltaT = DeltaT(jc.t);
  const GeocentricPlace g = PlaceOf(body, star, jc.t + b.deltaT / kSecondsPerCentury);
  b.parallax = g.parallax;
  b.radiusVector = g.radiusVector;
  b.distanceKm = g.distanceKm;
  const EquatorialPlace topo = TopocentricPlace(g.ra, g.dec, observer.assumed.Lon, observer.assumed.Lat,
                                                observer.eyeHeight, g.parallax, when.ut, jc.jd0);
  b.ra = topo.ra;
  b.dec = topo.dec;
  b.gha = HourAngleD(SiderealTime(jc.jd0, when.ut).apparent, topo.ra);
  const HorizontalResult h =
      HorizontalCoords(observer.assumed, b.gha, b.dec, observer.pressure, observer.temperature);
  b.lha = h.lha;
  b.hc = h.altitude;
  b.zn = h.azimuth;
  b.refraction = h.refraction;
  return b;
}

}  // namespace veltrane
