#include "astro/sidereal_time.h"

#include "astro/nutation.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace veltrane {

SiderealTimeResult SiderealTime(double jd0, double hours) {
  // The two parts of the date are kept apart: adding the day fraction to a Julian day of
  // seven digits would cost the last bits of the hour.
  const double days = (jd0 - kJ2000) + hours / 24.0;
  const double t = days / kDaysPerJulianCentury;
  const double theta = Norm360(280.46061837 + 360.98564736629 * days + 0.000387933 * t * t -
                               t * t * t / 38710000.0);
  const NutationResult n = Nutation(t);
  const double eps = MeanObliquity(t) + n.dEps / 3600.0;

  SiderealTimeResult r;
  r.mean = theta / 15.0;
  r.apparent = r.mean + n.dPsi * CosD(eps) / 15.0 / 3600.0;
  r.dPsi = n.dPsi;
  return r;
}

double HourAngleD(double siderealHours, double raDeg) {
  double g = siderealHours - raDeg / 15.0;
  if (g < 0.0) g += 24.0;
  return Mod360(15.0 * g);
}

}  // namespace veltrane
