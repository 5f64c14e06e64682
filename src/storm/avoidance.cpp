#include "storm/avoidance.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "storm/storm_rules.h"

namespace veltrane {
namespace {

double Into360(double c) {
  if (c < 0) return c + 360;
  if (c > 360) return c - 360;
  return c;
}

double Reciprocal(double c) { return c < 180 ? c + 180 : c - 180; }

// Angle between two directions as an acute angle to the line, 0..90.
double AcuteDifference(double a, double b) {
  double d = std::fabs(a - b);
  if (d > 270)
    d = 360 - d;
  else if (d > 180)
    d = d - 180;
  else if (d > 90)
    d = 180 - d;
  return d;
}

}  // namespace

AvoidanceSolution SolveAvoidance(const AvoidanceInput& typed) {
  AvoidanceSolution s;
  AvoidanceInput in = typed;
  if (in.boatSpeed == in.cycloneSpeed) {
    in.cycloneSpeed += kCycloneSpeedNudge;
    s.cycloneSpeedRaised = true;
  }
  s.cycloneSpeed = in.cycloneSpeed;
  if (in.boatSpeed > in.cycloneSpeed) {
    s.outcome = AvoidanceOutcome::Outrun;
    s.course = Reciprocal(Norm360(in.bearing));
    return s;
  }
  s.angle = ArcCosD(in.boatSpeed / in.cycloneSpeed);
  s.relativeSpeed = SinD(s.angle) * in.cycloneSpeed;
  if (s.relativeSpeed == 0.0) {
    s.outcome = AvoidanceOutcome::NoRelativeSpeed;
    return s;
  }
  const double candidates[2] = {Into360(in.heading - s.angle), Into360(in.heading + s.angle)};
  double bestAlong = 0.0;
  double bestOff = 0.0;
  for (int i = 0; i < 2; ++i) {
    const double off = AcuteDifference(in.bearing, Reciprocal(candidates[i]));
    const double along = CosD(off) * in.distance;
    // On a tie the second course is taken.
    if (i == 0 || along >= bestAlong) {
      bestAlong = along;
      bestOff = off;
      s.course = candidates[i];
    }
  }
  s.distanceToCpa = bestAlong;
  s.relativeDistance = SinD(bestOff) * in.distance;
  s.timeToCpa = s.relativeDistance / s.relativeSpeed;
  return s;
}

std::optional<PositionRecord> PositionAtCpa(const PositionRecord& boat, double boatSpeed, const AvoidanceSolution& s) {
  return DeadReckon(boat, s.timeToCpa * boatSpeed, RoundHalfEven(s.course));
}

ArrivalText ArrivalIn(double hours) {
  double whole = std::trunc(hours);
  double tens = RoundHalfEven((hours - whole) * 6);
  // 55 minutes or more round up to the next hour.
  if (tens >= 6) {
    whole += 1;
    tens = 0;
  }
  ArrivalText t;
  t.hours = IntStr(whole);
  t.minutes = tens == 0 ? "0.0" : IntStr(tens * 10);
  return t;
}

}  // namespace veltrane
