#include "astro/twilight.h"

#include "astro/rise_transit_set.h"
#include "astro/sun.h"

namespace veltrane {

SunCrossings SunAltitudeCrossings(const SkyObserver& observer, const SkyInstant& day, double altitude,
                                  double zoneHours) {
  RiseTransitSetInput in;
  // The Sun at 0h dynamical time of the three days; Delta T carries the interpolation to UT.
  for (int d = 0; d < 3; ++d) {
    const SunApparentResult sun = SunApparent((day.jd0 + (d - 1) - 2451545.0) / 36525.0);
    in.ra[d] = sun.ra;
    in.dec[d] = sun.dec;
  }
  in.h0 = altitude;
  in.latitude = observer.latitude;
  in.lonWest = observer.lonWest;
  in.jd0 = day.jd0;
  in.deltaT = day.deltaT;
  in.zoneHours = zoneHours;
  const RiseTransitSetResult r = RiseTransitSet(in);
  if (r.status != HorizonStatus::Crosses) return {std::nullopt, std::nullopt, r.status};
  return {24.0 * r.rise, 24.0 * r.set};
}

Twilight TwilightOfDay(const SkyObserver& observer, const SkyInstant& day, double zoneHours) {
  return {SunAltitudeCrossings(observer, day, kCivilTwilight, zoneHours),
          SunAltitudeCrossings(observer, day, kNauticalTwilight, zoneHours),
          SunAltitudeCrossings(observer, day, kAstronomicalTwilight, zoneHours)};
}

}  // namespace veltrane
