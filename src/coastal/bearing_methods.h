#pragma once
// Distance off a fixed object from relative bearings (degrees on the bow) taken while the boat
// runs a known distance on a steady course. A fault is the message shown instead of a result.
#include <string>

namespace veltrane {

struct BearingFix {
  double distance = 0.0;  // NM
  double run = 0.0;       // NM, method 4 only
  std::string fault;      // empty when the figures have an answer
};

// 1: distance abeam from one bearing and the run until abeam.
BearingFix DistanceAbeamByRun(double b1, double run);
// 2: distance at the second bearing.
BearingFix DistanceAtSecondBearing(double b1, double b2, double run);
// 3: distance abeam from two bearings and the run between.
BearingFix DistanceAbeamByTwoBearings(double b1, double b2, double run);
// 4: run from the first bearing until bearing III, and the distance off then.
BearingFix RunToThirdBearing(double b1, double b2, double b3, double run);

}  // namespace veltrane
