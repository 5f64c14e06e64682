#pragma once
// True wind from the apparent wind on board, and the apparent wind on a new course.
#include <string>

namespace veltrane {

struct TrueWind {
  double direction = 0.0;  // whole degrees the wind comes from, 0..360
  double speed = 0.0;      // knots
  std::string fault;       // empty when there is an answer
};

// heading and boat speed; the apparent wind's angle off the bow (to the side given) and speed.
TrueWind TrueWindFromApparent(double heading, double boatSpeed, double apparentAngle, double apparentSpeed,
                              bool starboard);

struct ApparentWind {
  double speed = 0.0;  // knots
  double angle = 0.0;  // degrees off the bow, 0..180
  std::string fault;
};

// The wind felt on a course at `windCourseAngle` from the effective (true) wind.
ApparentWind ApparentWindOnCourse(double boatSpeed, double windSpeed, double windCourseAngle);

}  // namespace veltrane
