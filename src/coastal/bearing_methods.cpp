#include "coastal/bearing_methods.h"

#include <cmath>

#include "foundation/angles.h"

namespace veltrane {
namespace {

// Sines of whole-degree multiples of 180 are not exactly 0 in floating point.
bool NearZero(double x) { return std::fabs(x) < 1e-9; }

BearingFix Fault(const char* text) { return {0.0, 0.0, text}; }

// The triangle of the two bearings: distances off at the first and at the second bearing.
struct Triangle {
  double atFirst = 0.0;
  double atSecond = 0.0;
  std::string fault;
};

Triangle Solve(double b1, double b2, double run) {
  if (!(run > 0.0)) return {0.0, 0.0, "Run missing"};
  const double s = SinD(b2 - b1);
  if (NearZero(s)) {
    const bool equal = NearZero(SinD((b2 - b1) / 2.0));
    return {0.0, 0.0, equal ? "No answer: the bearings are equal" : "No answer: the bearings are opposite"};
  }
  Triangle t{SinD(b2) * run / s, SinD(b1) * run / s, {}};
  // Both are sides of the triangle: a side that is not positive means bearing II was not
  // taken further aft on the same side as bearing I.
  if (!(t.atFirst > 0.0 && t.atSecond > 0.0)) t.fault = "No answer: bearing II must be further aft than bearing I";
  return t;
}

}  // namespace

BearingFix DistanceAbeamByRun(double b1, double run) {
  if (!(run > 0.0)) return Fault("Run missing");
  const double c = CosD(b1);
  if (NearZero(c)) return Fault("No answer: bearing I is abeam");
  // Abaft the beam the object was abeam before the bearing, not after the run.
  if (c < 0.0) return Fault("No answer: bearing I is abaft the beam");
  return {std::fabs(SinD(b1) * run / c), 0.0, {}};
}

BearingFix DistanceAtSecondBearing(double b1, double b2, double run) {
  const Triangle t = Solve(b1, b2, run);
  if (!t.fault.empty()) return Fault(t.fault.c_str());
  return {t.atSecond, 0.0, {}};
}

BearingFix DistanceAbeamByTwoBearings(double b1, double b2, double run) {
  const Triangle t = Solve(b1, b2, run);
  if (!t.fault.empty()) return Fault(t.fault.c_str());
  // On the port side the sine of bearing I is negative; the distance is its size.
  return {std::fabs(SinD(b1) * t.atFirst), 0.0, {}};
}

BearingFix RunToThirdBearing(double b1, double b2, double b3, double run) {
  const Triangle t = Solve(b1, b2, run);
  if (!t.fault.empty()) return Fault(t.fault.c_str());
  const double s3 = SinD(b3);
  if (NearZero(s3)) return Fault("No answer: bearing III is ahead or astern");
  const double toThird = SinD(b3 - b1) * t.atFirst / s3;
  const double distance = SinD(b1) * t.atFirst / s3;
  if (toThird < 0.0 || !(distance > 0.0)) return Fault("No answer: bearing III must be further aft than bearing I");
  return {distance, toThird, {}};
}

}  // namespace veltrane
