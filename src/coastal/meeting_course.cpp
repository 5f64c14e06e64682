#include "coastal/meeting_course.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {

Meeting MeetingCourse(double courseOther, double speedOther, double direction, double speedOwn, double distance) {
  if (!(speedOther > 0.0 && speedOwn > 0.0)) return {0.0, 0.0, 0.0, "Zero speed"};
  if (distance < 0.0) return {0.0, 0.0, 0.0, "No meeting: the distance is negative"};
  const double back = direction > 180.0 ? direction - 180.0 : direction + 180.0;  // from it to us
  // Angle at the other boat between its course and the line to us: 0 when it steers straight
  // at us, 180 when straight away.
  const double atOther = std::fabs(Norm180(courseOther - back));
  const double ratio = SinD(atOther) * speedOther / speedOwn;
  if (ratio > 1.0) return {0.0, 0.0, 0.0, "No meeting: the other boat is too fast"};
  double lead = ArcSinD(ratio);
  const double atMeeting = 180.0 - (atOther + lead);
  // Lead towards the side the other boat is going.
  double t = courseOther;
  if (courseOther - back > 180.0) {
    t = courseOther - 360.0;
  } else if (courseOther - back < -180.0) {
    t = courseOther + 360.0;
  }
  if (t > back) lead = -lead;
  Meeting m;
  m.course = Norm360(direction + lead);
  const double s = SinD(atMeeting);
  if (std::fabs(s) < 1e-9) {
    // On one line: closing at the sum of the speeds, or overtaking at their difference.
    const double closing = atMeeting > 90.0 ? speedOwn + speedOther : speedOwn - speedOther;
    if (closing <= 0.0) return {0.0, 0.0, 0.0, "No meeting: the other boat is too fast"};
    m.hours = distance / closing;
  } else if (atMeeting < 0.0) {
    return {0.0, 0.0, 0.0, "No meeting: the other boat is too fast"};
  } else {
    m.hours = SinD(atOther) * distance / (s * speedOwn);
  }
  // The time is shown as hours and minutes of at most two hour digits.
  if (RoundHalfEven(m.hours * 60.0) >= 100.0 * 60.0) return {0.0, 0.0, 0.0, "No meeting within 99 hours"};
  m.distance = m.hours * speedOwn;
  return m;
}

}  // namespace veltrane
