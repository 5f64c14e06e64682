#include "astro/moon_illumination.h"

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {

double MoonElongation(double moonLongitude, double sunLongitude) {
  // Both are reduced first: the unreduced longitudes may lie either side of 0/360, which
  // would give an elongation above 360.
  double moon = Norm360(moonLongitude);
  const double sun = Norm360(sunLongitude);
  if (moon < sun) moon += 360.0;
  return moon - sun;
}

double MoonIlluminatedPercent(const MoonArguments& a) {
  const double d = a.elongation, m = a.sunAnomaly, mp = a.moonAnomaly;
  const double i = 180.0 - d - 6.289 * SinD(mp) + 2.1 * SinD(m) - 1.274 * SinD(2.0 * d - mp) -
                   0.658 * SinD(2.0 * d) - 0.214 * SinD(2.0 * mp) - 0.11 * SinD(d);
  const double k = (1.0 + CosD(i)) / 2.0;
  return RoundHalfEven(1000.0 * k) / 10.0;
}

std::string MoonPercentText(double percent) { return Str(percent, 1); }

}  // namespace veltrane
