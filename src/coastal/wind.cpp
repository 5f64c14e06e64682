#include "coastal/wind.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {
// Below this the wind has no direction (sines of 180 degrees leave about 1e-15 knots).
constexpr double kCalm = 1e-9;
}  // namespace

TrueWind TrueWindFromApparent(double heading, double boatSpeed, double apparentAngle, double apparentSpeed,
                              bool starboard) {
  // Apparent wind less the head wind of the boat's own speed: y across, ahead the part from ahead.
  const double y = SinD(apparentAngle) * apparentSpeed;
  const double ahead = CosD(apparentAngle) * apparentSpeed - boatSpeed;
  if (std::hypot(y, ahead) < kCalm) return {0.0, 0.0, "No answer: the true wind is calm"};
  // Angle off the bow, 0..360 to starboard; abaft the beam whenever the part from ahead is negative.
  const double offBow = DirectionD(y, ahead);
  double direction = RoundHalfEven(starboard ? heading + offBow : heading - offBow);
  // 360 stays 360, the way a wind from the north is read off the compass.
  if (direction < 0.0 || direction > 360.0) direction = Norm360(direction);
  return {direction, std::hypot(y, ahead), {}};
}

ApparentWind ApparentWindOnCourse(double boatSpeed, double windSpeed, double windCourseAngle) {
  // Effective wind plus the head wind of the boat's own speed.
  const double ahead = windSpeed * CosD(windCourseAngle) + boatSpeed;
  const double across = std::fabs(windSpeed * SinD(windCourseAngle));
  const double speed = std::hypot(ahead, across);
  if (speed < kCalm) return {0.0, 0.0, "No answer: there is no apparent wind"};
  return {speed, DirectionD(across, ahead), {}};
}

}  // namespace veltrane
