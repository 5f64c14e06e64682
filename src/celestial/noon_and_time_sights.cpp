#include "celestial/noon_and_time_sights.h"

#include <cmath>

#include "astro/body_rise_set.h"
#include "astro/sidereal_time.h"
#include "astro/sun.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

constexpr double kOneDayInCenturies = 1.0 / 36525.0;

}  // namespace

double NoonTime(const TDateRec& date, double lonWest, double latitude) {
  const JulianCenturiesResult at0h = JulianCenturies(date, 0.0);
  const double deltaT = DeltaT(at0h.t);
  const double t = at0h.t + deltaT / 86400.0 * kOneDayInCenturies;
  RiseTransitSetInput in;
  for (int i = 0; i < 3; ++i) {
    const SunApparentResult sun = SunApparent(t + (i - 1) * kOneDayInCenturies);
    in.ra[i] = sun.ra;
    in.dec[i] = sun.dec;
  }
  in.h0 = kSunRiseSetAltitude;
  in.latitude = latitude;
  in.lonWest = lonWest;
  in.jd0 = at0h.jd0;
  in.deltaT = deltaT;
  return 24.0 * RiseTransitSet(in).transit;
}

double NoonLatitude(double assumedLat, double dec, double ho) {
  return assumedLat > dec ? 90.0 + dec - ho : dec + ho - 90.0;
}

std::optional<EqualAltitudeAdjustment> AdjustSecondHeight(double latA, double latB, int deg, double min) {
  const int d = static_cast<int>(std::lround((latA - latB) * 60.0));
  if (d == 0) return std::nullopt;
  EqualAltitudeAdjustment a{deg, min + d, d};
  while (a.min >= 60.0) {
    a.min -= 60.0;
    ++a.deg;
  }
  while (a.min < 0.0) {
    a.min += 60.0;
    --a.deg;
  }
  return a;
}

EqualAltitudeResult EqualAltitudeLongitude(const TDateRec& date, double utA, double utB) {
  if (utB < utA) utB += 24.0;
  EqualAltitudeResult r;
  const double middle = (utA + utB) / 2.0;
  const JulianCenturiesResult jc = JulianCenturies(date, middle);
  const SunApparentResult sun = SunApparent(jc.t + DeltaT(jc.t) / 86400.0 * kOneDayInCenturies);
  r.middle = std::fmod(middle, 24.0);
  r.dec = sun.dec;
  r.gha = HourAngleD(SiderealTime(jc.jd0, middle).apparent, sun.ra);
  r.lon = r.gha <= 180.0 ? r.gha : r.gha - 360.0;
  return r;
}

std::optional<TimeSightResult> TimeSight(double lat, double dec, double gha, double zn, double height) {
  const double den = CosD(lat) * CosD(dec);
  if (std::fabs(den) < 1e-9) return std::nullopt;
  const double c = (SinD(height) - SinD(lat) * SinD(dec)) / den;
  if (!(c >= -1.0 && c <= 1.0)) return std::nullopt;
  TimeSightResult r;
  r.meridianAngle = std::acos(c) * kRadToDeg;
  // A body east of the meridian (azimuth below 180) has not yet culminated.
  if (zn < 180.0) r.meridianAngle = -r.meridianAngle;
  r.lon = Norm180(gha - r.meridianAngle);
  return r;
}

}  // namespace veltrane
