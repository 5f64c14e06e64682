#pragma once
// Course to steer to meet another boat of known course and speed (a plane triangle).
#include <string>

namespace veltrane {

struct Meeting {
  double course = 0.0;    // degrees, 0..360
  double hours = 0.0;     // until the meeting
  double distance = 0.0;  // NM we run
  std::string fault;      // empty when the boats meet
};

// courseOther and speedOther of the other boat, direction (true bearing) and distance to it
// from us, speedOwn ours.
Meeting MeetingCourse(double courseOther, double speedOther, double direction, double speedOwn, double distance);

}  // namespace veltrane
