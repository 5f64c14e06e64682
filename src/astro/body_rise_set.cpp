#include "astro/body_rise_set.h"

#include "astro/moon.h"
#include "astro/star_place.h"
#include "astro/sun_precise.h"
#include "foundation/calendar.h"

namespace veltrane {

double RiseSetAltitude(RiseSetBody body) {
  switch (body) {
    case RiseSetBody::Sun: return kSunRiseSetAltitude;
    case RiseSetBody::Moon: return kMoonRiseSetAltitude;
    case RiseSetBody::Star: return kStarRiseSetAltitude;
  }
  return kStarRiseSetAltitude;
}

EquatorialPlace SunPlaceForRiseSet(double t) {
  const SunPrecisePlace sun = SunApparentPrecise(t);
  return {sun.ra, sun.dec};
}

RiseTransitSetResult RiseTransitSetFor(const PlaceAtTime& placeAt, double h0, const RiseSetDay& day) {
  RiseTransitSetInput in;
  // The places at 0h dynamical time of the day before, the day and the day after; the Delta T
  // argument carries them to UT.
  for (int i = 0; i < 3; ++i) {
    const EquatorialPlace p = placeAt(JulianCenturiesSinceJ2000(day.jd0 + (i - 1)));
    in.ra[i] = p.ra;
    in.dec[i] = p.dec;
  }
  in.h0 = h0;
  in.latitude = day.latitude;
  in.lonWest = day.lonWest;
  in.jd0 = day.jd0;
  in.deltaT = day.deltaT;
  in.zoneHours = day.zoneHours;
  return RiseTransitSet(in);
}

RiseTransitSetResult RiseTransitSetFor(RiseSetBody body, const RiseSetDay& day,
                                       const StarCatalogueData& star) {
  const PlaceAtTime placeAt = [body, &star](double t) -> EquatorialPlace {
    if (body == RiseSetBody::Sun) return SunPlaceForRiseSet(t);
    if (body == RiseSetBody::Moon) {
      const MoonPositionResult m = MoonPosition(t);
      return {m.ra, m.dec};
    }
    return StarApparentPlace(star.raHours, star.decDeg, star.pmRa, star.pmDec, t);
  };
  return RiseTransitSetFor(placeAt, RiseSetAltitude(body), day);
}

}  // namespace veltrane
