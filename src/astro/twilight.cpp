#include "astro/twilight.h"

#include "astro/body_rise_set.h"

namespace veltrane {

SunCrossings SunAltitudeCrossings(const SkyObserver& observer, const SkyInstant& day, double altitude,
                                  double zoneHours) {
  const RiseTransitSetResult r = RiseTransitSetFor(
      SunPlaceForRiseSet, altitude, {day.jd0, day.deltaT, observer.latitude, observer.lonWest, zoneHours});
  if (r.status != HorizonStatus::Crosses) return {std::nullopt, std::nullopt, r.status};
  return {24.0 * r.rise, 24.0 * r.set};
}

Twilight TwilightOfDay(const SkyObserver& observer, const SkyInstant& day, double zoneHours) {
  return {SunAltitudeCrossings(observer, day, kCivilTwilight, zoneHours),
          SunAltitudeCrossings(observer, day, kNauticalTwilight, zoneHours),
          SunAltitudeCrossings(observer, day, kAstronomicalTwilight, zoneHours)};
}

}  // namespace veltrane
