#include "astro/body_summary.h"

#include <cmath>

#include "astro/body_rise_set.h"
#include "astro/horizon.h"
#include "astro/moon.h"
#include "astro/planet_position.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/sun.h"
#include "astro/topocentric.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr double kSunMagnitude = -26.74;

// The Moon's visual magnitude from its phase angle (degrees).
double MoonMagnitude(double phaseAngle) {
  const double i = std::fabs(phaseAngle);
  return -12.73 + 0.026 * i + 4e-9 * std::pow(i, 4.0);
}

}  // namespace

ApparentBody ApparentPlaceOf(const SkyBody& body, double t, Listing* listing) {
  ApparentBody b;
  switch (body.kind) {
    case BodyKind::Sun: {
      const SunApparentResult s = SunApparent(t, listing);
      b.ra = s.ra, b.dec = s.dec, b.parallax = s.parallax;
      b.magnitude = kSunMagnitude;
      b.distanceAu = SunPosition(t).radiusVector;
      break;
    }
    case BodyKind::Moon: {
      const MoonPositionResult m = MoonPosition(t, listing);
      b.ra = m.ra, b.dec = m.dec, b.parallax = m.parallax;
      b.distanceKm = m.distance;
      b.phase = BodyPhase{m.illuminatedPercent, m.elongation};
      // Phase angle from the illuminated fraction k = (1 + cos i) / 2.
      const double k = m.illuminatedPercent / 100.0;
      b.magnitude = RoundToScale(MoonMagnitude(std::acos(2.0 * k - 1.0) * kRadToDeg), 10.0);
      break;
    }
    case BodyKind::Planet: {
      // The planet theory counts centuries from 1900 January 0.5, one century before 2000.
      const PlanetPositionResult p = PlanetPosition(body.planet, t + 1.0, listing);
      b.ra = p.ra, b.dec = p.dec, b.parallax = p.parallax;
      b.magnitude = p.magnitude;
      b.distanceAu = p.delta;
      b.phase = BodyPhase{RoundToScale(100.0 * p.illuminatedFraction, 10.0), 0.0};
      break;
    }
    case BodyKind::Star: {
      const StarCatalogueData& s = body.star;
      const EquatorialPlace p = StarApparentPlace(s.raHours, s.decDeg, s.pmRa, s.pmDec, t, listing);
      b.ra = p.ra, b.dec = p.dec;
      b.magnitude = body.starMagnitude;
      break;
    }
  }
  return b;
}

double StandardAltitude(BodyKind kind) {
  switch (kind) {
    case BodyKind::Sun: return kSunRiseSetAltitude;
    case BodyKind::Moon: return kMoonRiseSetAltitude;
    case BodyKind::Planet:
    case BodyKind::Star: break;
  }
  return kStarRiseSetAltitude;
}

RiseTransitSetResult RiseTransitSetFor(const SkyBody& body, const SkyObserver& observer, const SkyInstant& day,
                                       double zoneHours) {
  const auto placeAt = [&body](double t) -> EquatorialPlace {
    if (body.kind == BodyKind::Sun) return SunPlaceForRiseSet(t);
    const ApparentBody place = ApparentPlaceOf(body, t);
    return {place.ra, place.dec};
  };
  return RiseTransitSetFor(placeAt, StandardAltitude(body.kind),
                           {day.jd0, day.deltaT, observer.latitude, observer.lonWest, zoneHours});
}

BodySummary SummarizeBody(const SkyBody& body, const SkyObserver& observer, const SkyInstant& instant,
                          double zoneHours, Listing* listing) {
  BodySummary s;
  s.jd = instant.jd0 + instant.hours / 24.0;
  s.deltaT = instant.deltaT;
  const ApparentBody b = ApparentPlaceOf(body, instant.DynamicalCenturies(), listing);
  s.magnitude = b.magnitude;
  s.distanceAu = b.distanceAu;
  s.distanceKm = b.distanceKm;
  s.phase = b.phase;

  const SiderealTimeResult st = SiderealTime(instant.jd0, instant.hours);
  ListSiderealTime(listing, st.apparent);
  const EquatorialPlace topo = TopocentricPlace(b.ra, b.dec, observer.lonWest, observer.latitude,
                                                observer.height, b.parallax, instant.hours, instant.jd0);
  s.ra = topo.ra;
  s.dec = topo.dec;
  s.gha = HourAngleD(st.apparent, topo.ra);
  PositionRecord place;
  place.Lat = observer.latitude;
  place.Lon = observer.lonWest;
  const HorizontalResult h = HorizontalCoords(place, s.gha, topo.dec, observer.pressure, observer.temperature);
  s.lha = h.lha;
  s.altitude = h.altitude;
  s.refractedAltitude = h.altitude + h.refraction;
  s.azimuth = h.azimuth;

  s.riseTransitSet = RiseTransitSetFor(body, observer, instant, zoneHours);
  s.twilight = TwilightOfDay(observer, instant, zoneHours);
  return s;
}

}  // namespace veltrane
