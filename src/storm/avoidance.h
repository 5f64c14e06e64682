#pragma once
// The course that keeps a cyclone's closest point of approach as far off as a boat slower than
// the cyclone can, and when and where the boat is when the cyclone passes.
#include <optional>
#include <string>

#include "coastal/nav_utl.h"

namespace veltrane {

// The fastest a tropical cyclone is taken to travel, knots: recurving cyclones reach 40 to
// 50 kn, none is known above 60. The limit of the cyclone-speed field and option.
constexpr double kMaxCycloneSpeed = 60.0;
// Equal boat and cyclone speeds have no avoiding course: the cyclone's is raised by this much.
constexpr double kCycloneSpeedNudge = 0.1;

struct AvoidanceInput {
  double bearing = 0.0;       // from the boat to the cyclone
  double distance = 0.0;      // nautical miles
  int heading = 0;            // cyclone's track
  double boatSpeed = 0.0;     // knots, not negative
  double cycloneSpeed = 0.0;  // knots, above 0, at most kMaxCycloneSpeed
};

enum class AvoidanceOutcome {
  Solved,
  Outrun,            // the boat is faster: it steers directly away
  NoRelativeSpeed,   // "BC = 0"
};

struct AvoidanceSolution {
  AvoidanceOutcome outcome = AvoidanceOutcome::Solved;
  double angle = 0.0;             // between the cyclone's track and the course
  double course = 0.0;            // course to steer; when outrun, directly away from the cyclone
  double relativeSpeed = 0.0;     // knots
  double relativeDistance = 0.0;  // nautical miles
  double timeToCpa = 0.0;         // hours
  double distanceToCpa = 0.0;     // nautical miles along the bearing
  double cycloneSpeed = 0.0;      // knots, as used
  bool cycloneSpeedRaised = false;  // it equalled the boat's and was raised by kCycloneSpeedNudge
};

AvoidanceSolution SolveAvoidance(const AvoidanceInput& in);

// Where the boat is at the CPA: steering the course, rounded to whole degrees, for the time.
// Nothing when that run passes a pole.
std::optional<PositionRecord> PositionAtCpa(const PositionRecord& boat, double boatSpeed, const AvoidanceSolution& s);

struct ArrivalText {
  std::string hours;
  std::string minutes;  // to ten minutes; "0.0" for none
};
ArrivalText ArrivalIn(double hours);

}  // namespace veltrane
